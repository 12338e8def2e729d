// The help topics against the sources and the manual: every topic a window
// or button names has a row, and every row leads to an existing page and
// anchor of the manual in German and in English.
#include "core/HelpTopics.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace gd::help {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = GAUGDATA_SOURCE_DIR;
const fs::path kManualDir = kSourceDir / "doc" / "manual";
constexpr const char* kLanguages[] = {"de", "en"};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program's sources outside the map itself.
std::vector<fs::path> SourceFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
    const fs::path& path = entry.path();
    if (!entry.is_regular_file()) continue;
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    if (path.stem() == "HelpTopics" && path.parent_path().filename() == "core") continue;
    files.push_back(path);
  }
  return files;
}

std::set<std::string> AnchorsOf(const std::string& html) {
  std::set<std::string> ids;
  static const std::regex id(R"re(\bid="([^"]+)")re");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator();
       ++it) {
    ids.insert((*it)[1]);
  }
  return ids;
}

TEST(HelpTopicsTest, EveryTopicTheSourcesNameHasARowAndEveryRowIsUsed) {
  std::set<std::string> rows;
  for (const HelpTopic& row : HelpTopics()) rows.insert(row.name);
  std::map<std::string, std::string> used;  // name -> a file that uses it
  std::vector<std::string> numbers;
  static const std::regex constant(R"(help::k(\w+))");
  // A topic given as a bare number, where a constant belongs.
  static const std::regex literal(
      R"((?:RequestHelp|ShowHelpTopic|SetHelpTopic)\s*\((?:[^(),;]+,\s*)?(\d+)\s*[,)])");
  for (const fs::path& file : SourceFiles()) {
    const std::string text = ReadAll(file);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), constant);
         it != std::sregex_iterator(); ++it) {
      used.emplace((*it)[1], file.filename().string());
    }
    for (auto it = std::sregex_iterator(text.begin(), text.end(), literal);
         it != std::sregex_iterator(); ++it) {
      numbers.push_back(file.filename().string() + ": " + (*it)[1].str());
    }
  }
  EXPECT_TRUE(numbers.empty()) << "help topics given as numbers: " << numbers.front();
  for (const auto& [name, file] : used) {
    EXPECT_TRUE(rows.count(name)) << file << " names help::k" << name << ", which has no row";
  }
  for (const std::string& name : rows) {
    EXPECT_TRUE(used.count(name)) << "no window or button uses help::k" << name;
  }
  // The topics the windows had before the manual existed keep their numbers.
  for (int topic : {14, 17, 22, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38, 39, 95}) {
    EXPECT_NE(FindHelpTopic(topic), nullptr) << topic;
  }
  EXPECT_EQ(FindHelpTopic(0), nullptr);
  EXPECT_EQ(FindHelpTopic(31), nullptr);
}

TEST(HelpTopicsTest, EveryRowLeadsToAPageAndAnchorInBothLanguages) {
  for (const char* language : kLanguages) {
    std::map<std::string, std::set<std::string>> anchors;
    for (const HelpTopic& row : HelpTopics()) {
      const fs::path page = kManualDir / language / row.page;
      ASSERT_TRUE(fs::is_regular_file(page)) << page << " for topic " << row.topic;
      if (!anchors.count(row.page)) anchors[row.page] = AnchorsOf(ReadAll(page));
      if (*row.anchor != '\0') {
        EXPECT_TRUE(anchors[row.page].count(row.anchor))
            << language << "/" << row.page << " has no id=\"" << row.anchor << "\" (topic "
            << row.topic << ")";
      }
      const std::optional<ManualPage> found =
          FindManualPage(row.topic, language, std::vector<std::string>{kManualDir.string()});
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(fs::path(found->file), (kManualDir / language / row.page).lexically_normal());
      EXPECT_EQ(found->anchor, row.anchor);
    }
  }
}

// Links between the pages and the pictures they show exist, so no page of
// the manual leads nowhere.
TEST(HelpTopicsTest, LinksAndPicturesOfTheManualExist) {
  static const std::regex link(R"re((href|src)="([^"#:]*)(#([^"]*))?")re");
  for (const char* language : kLanguages) {
    const fs::path folder = kManualDir / language;
    ASSERT_TRUE(fs::is_regular_file(folder / "index.html")) << folder;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() != ".html") continue;
      const std::string html = ReadAll(entry.path());
      EXPECT_NE(html.find("<html lang=\"" + std::string(language) + "\""), std::string::npos)
          << entry.path();
      for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
           it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[2];
        const fs::path file = target.empty() ? entry.path() : folder / target;
        ASSERT_TRUE(fs::is_regular_file(file)) << entry.path() << " links to " << target;
        if ((*it)[4].matched && file.extension() == ".html") {
          EXPECT_TRUE(AnchorsOf(ReadAll(file)).count((*it)[4]))
              << entry.path() << " links to " << target << "#" << (*it)[4];
        }
      }
    }
  }
}

class ManualSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = gd::test::FreshTestFolder("gaugdata-help-");
    fs::create_directories(root_ / "first");
    fs::create_directories(root_ / "second" / "de");
    fs::create_directories(root_ / "second" / "en");
    std::ofstream(root_ / "second" / "de" / "index.html") << "<p>";
    std::ofstream(root_ / "second" / "en" / "files.html") << "<p>";
  }
  void TearDown() override { fs::remove_all(root_); }
  std::vector<std::string> Folders() const {
    return {(root_ / "first").string(), (root_ / "second").string()};
  }
  fs::path root_;
};

TEST_F(ManualSearchTest, TheInterfaceLanguageThenEnglishThenGermanInTheFirstFolderThatHasIt) {
  EXPECT_EQ(ManualLanguages("da"), (std::vector<std::string>{"da", "en", "de"}));
  EXPECT_EQ(ManualLanguages("de"), (std::vector<std::string>{"de", "en"}));
  EXPECT_EQ(ManualLanguages("en"), (std::vector<std::string>{"en", "de"}));
  // A code that is no plain language name never becomes part of a path.
  EXPECT_EQ(ManualLanguages("../x"), (std::vector<std::string>{"en", "de"}));
  EXPECT_EQ(ManualLanguages(""), (std::vector<std::string>{"en", "de"}));

  // Danish has no manual, English has the series information page.
  auto page = FindManualPage(kChannelInfo, "da", Folders());
  ASSERT_TRUE(page);
  EXPECT_EQ(fs::path(page->file), root_ / "second" / "en" / "files.html");
  EXPECT_EQ(page->anchor, "series-info");
  // The contents exist only in German.
  page = FindManualPage(kContents, "fr", Folders());
  ASSERT_TRUE(page);
  EXPECT_EQ(fs::path(page->file), root_ / "second" / "de" / "index.html");
  EXPECT_EQ(page->anchor, "");
  // A number without a row opens the contents.
  page = FindManualPage(4711, "en", Folders());
  ASSERT_TRUE(page);
  EXPECT_EQ(fs::path(page->file), root_ / "second" / "de" / "index.html");
  // A topic whose page no language has: nothing to open.
  EXPECT_FALSE(FindManualPage(kDiagramWindow, "de", Folders()));
  EXPECT_TRUE(ManualExists("en", Folders()));
  EXPECT_FALSE(ManualExists("en", std::vector<std::string>{(root_ / "first").string()}));
  EXPECT_FALSE(ManualExists("en", std::vector<std::string>{}));
}

TEST(HelpTopicsTest, TheManualLiesBesideTheInstalledProgramThenInTheSourceTree) {
  EXPECT_EQ(ManualFolders("/opt/gd/bin", "/src/doc/manual"),
            (std::vector<std::string>{"/opt/gd/share/gaugdata/manual", "/src/doc/manual"}));
  EXPECT_EQ(ManualFolders("/usr/bin", ""),
            (std::vector<std::string>{"/usr/share/gaugdata/manual"}));
  // Installed and built from the same place: each folder once.
  EXPECT_EQ(ManualFolders("/usr/bin", "/usr/share/gaugdata/manual/"),
            (std::vector<std::string>{"/usr/share/gaugdata/manual"}));
}

}  // namespace
}  // namespace gd::help
