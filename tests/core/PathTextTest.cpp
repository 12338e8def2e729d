// File names outside ASCII: the disk store reaches them under the system's
// name, and a message shows them in the code page of texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/PathText.h"
#include "support/TestFolder.h"

namespace gd {
namespace {

// "Müller Ωmega" in UTF-8: one character of Latin-1, one outside it.
const std::string kName = "M\xC3\xBCller \xCE\xA9mega";

class PathTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = gd::test::FreshTestFolder("gaugdata-path-");
    // The folder carries the umlaut too: every part of the path must survive.
    folder_ /= FsPath("\xC3\x84nderung");
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_.parent_path()); }
  std::string Path(const std::string& name) const { return PathString(folder_ / FsPath(name)); }

  std::filesystem::path folder_;
};

TEST(PathText, KeepsTheCodePageCharactersAndMarksTheOthers) {
  EXPECT_EQ(PathText("/tmp/" + kName + ".sdx"), "/tmp/M\xFCller ?mega.sdx");
  EXPECT_EQ(PathText("C:\\Daten\\\xE2\x82\xAC.sdx"), "C:\\Daten\\\x80.sdx");  // the euro sign
  // Bytes that are no UTF-8 (a name in the code page itself) stay as they are.
  EXPECT_EQ(PathText("M\xFCller.sdx"), "M\xFCller.sdx");
  EXPECT_EQ(PathText("plain.sdx"), "plain.sdx");
}

TEST_F(PathTextTest, DiskStoreReachesNamesOutsideTheCodePage) {
  DiskFileStore files;
  const std::string path = Path(kName + ".sdx");
  const Bytes content{1, 2, 3, 0xFC};
  files.WriteWhole(path, content);
  EXPECT_TRUE(std::filesystem::exists(folder_ / FsPath(kName + ".sdx")));
  EXPECT_TRUE(files.Exists(path));
  EXPECT_EQ(files.ReadWhole(path), content);
  EXPECT_TRUE(files.ModificationTime(path).has_value());

  const std::string temp = files.CreateTemporary(path);
  EXPECT_EQ(std::filesystem::path(FsPath(temp)).parent_path(), folder_);
  EXPECT_NE(temp.find(kName), std::string::npos);
  const std::string backup = ChangeFileExt(path, ".~SD");
  EXPECT_TRUE(files.Rename(path, backup));
  EXPECT_EQ(files.ReadWhole(backup), content);
  EXPECT_TRUE(files.Remove(backup));
  EXPECT_TRUE(files.Remove(temp));
  EXPECT_FALSE(files.Exists(backup));
}

TEST_F(PathTextTest, FailureMessagesNameTheFileInTheCodePageOfTexts) {
  DiskFileStore files;
  const std::string missing = Path(kName + ".sdx");
  try {
    files.ReadWhole(missing);
    FAIL() << "a missing file was read";
  } catch (const EGaugData& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("\xC4nderung"), std::string::npos) << text;
    EXPECT_NE(text.find("M\xFCller ?mega.sdx"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace gd
