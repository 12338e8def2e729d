#include "app/Configuration.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace gd {
namespace {

namespace fs = std::filesystem;

class ConfigurationFileTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = gd::test::FreshTestFolder("gd-config-"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path() const { return (dir_ / "gaugdata.INI").string(); }
  void WriteRaw(const std::string& text) const { std::ofstream(Path(), std::ios::binary) << text; }

  fs::path dir_;
  DiskFileStore store_;
};

TEST_F(ConfigurationFileTest, MissingFileGivesDefaultsAndEveryKeyRoundTrips) {
  const Configuration defaults = ReadConfiguration(IniFile::Load(store_, Path()));
  EXPECT_EQ(defaults.textOptions.style, 3264563u);
  EXPECT_EQ(defaults.textOptions.separatorChar, '@');
  EXPECT_EQ(defaults.textOptions.colLength, 9);
  EXPECT_EQ(defaults.textOptions.language, "000");
  EXPECT_FALSE(defaults.saveEmptyFiles);
  EXPECT_EQ(defaults.doubleClick, 0);
  EXPECT_EQ(defaults.language, -1);
  EXPECT_EQ(defaults.comPort, 2);
  EXPECT_EQ(defaults.chunkSize, 2048);
  EXPECT_EQ(defaults.timeout, 2000);

  Configuration c;
  c.textOptions = {0x80000001u, 12, ';', "044"};
  c.saveEmptyFiles = true;
  c.lastOpenPath = "/data/in/";
  c.lastSavePath = "/data/out";
  c.showQuickSave = true;
  c.doubleClick = 2;
  c.language = 3;
  c.timeMode = 2;
  c.comPort = 4;
  c.baudsOrd = 5;
  c.dataBitsOrd = 1;
  c.parityOrd = 0;
  c.stopBitsOrd = 1;
  c.chunkSize = 512;
  IniFile ini;
  ini.WriteString(ini::kFonts, "Grid", "Courier,10,0,1,0,0");  // another window's key
  WriteConfiguration(ini, c);
  ASSERT_TRUE(ini.Save(store_, Path()));
  EXPECT_FALSE(ini.HasKey(ini::kComPort, "TIMEOUT"));  // read only
  EXPECT_FALSE(ini.HasKey(ini::kCommons, "TryExternalDict"));

  const IniFile back = IniFile::Load(store_, Path());
  const Configuration r = ReadConfiguration(back);
  EXPECT_EQ(r.textOptions.style, 0x80000001u);
  EXPECT_EQ(r.textOptions.colLength, 12);
  EXPECT_EQ(r.textOptions.separatorChar, ';');
  EXPECT_EQ(r.textOptions.language, "044");
  EXPECT_TRUE(r.saveEmptyFiles);
  EXPECT_EQ(r.lastOpenPath, "/data/in/");
  EXPECT_EQ(r.lastSavePath, "/data/out");
  EXPECT_TRUE(r.showQuickSave);
  EXPECT_EQ(r.doubleClick, 2);
  EXPECT_EQ(r.language, 3);
  EXPECT_EQ(r.timeMode, 2);
  EXPECT_EQ(r.comPort, 4);
  EXPECT_EQ(r.baudsOrd, 5);
  EXPECT_EQ(r.dataBitsOrd, 1);
  EXPECT_EQ(r.parityOrd, 0);
  EXPECT_EQ(r.stopBitsOrd, 1);
  EXPECT_EQ(r.chunkSize, 512);
  EXPECT_EQ(back.ReadString(ini::kFonts, "GRID", ""), "Courier,10,0,1,0,0");
  // Only the one file is left: the temporary was renamed onto it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ConfigurationFileTest, NamesAreCaseInsensitiveAndOddValuesFallBack) {
  WriteRaw(
      "; comment\n[textstyles]\r\npacked = $10\r\ncolseparator=\r\nLANGUAGE=04411\n"
      "[Commons]\nlbx-dblclick=7\nLanguage=two\nTRYEXTERNALDICT=1\n"
      "[FileOptions]\nLastOpenPath=C:\\Data\n[TEXTSTYLES]\nColLength=99\n");
  IniFile ini = IniFile::Load(store_, Path());
  const Configuration c = ReadConfiguration(ini);
  EXPECT_EQ(c.textOptions.style, 0x10u);
  EXPECT_EQ(c.textOptions.separatorChar, '@');  // empty: the default
  EXPECT_EQ(c.textOptions.language, "044");
  EXPECT_EQ(c.doubleClick, 0);  // 7 is no action: info
  EXPECT_EQ(c.language, -1);
  EXPECT_TRUE(c.tryExternalDict);
  EXPECT_EQ(c.lastOpenPath, "C:\\Data\\");
  EXPECT_EQ(c.textOptions.colLength, 16);

  WriteConfiguration(ini, c);
  EXPECT_EQ(ini.ReadString("COMMONS", "LBX-DBLCLICK", ""), "0");
  // Existing names keep their spelling; no second section or key appears.
  EXPECT_EQ(ini.Text().find("[TEXTSTYLES]"), std::string::npos);
  EXPECT_EQ(ini.Sections().size(), 4u);
}

TEST_F(ConfigurationFileTest, DamagedFileGivesDefaultsForWhatItLacks) {
  std::string garbage =
      "[COMPORT\nCOM=9\n\x01\xFF=\n=5\n[COMPORT]\nCOM=3\nCOM=8\nSHUNKS=99999999999\n";
  garbage += std::string("\0\0[", 3) + "\n";
  WriteRaw(garbage);
  const Configuration c = ReadConfiguration(IniFile::Load(store_, Path()));
  EXPECT_EQ(c.comPort, 3);       // the first of the section's own keys
  EXPECT_EQ(c.chunkSize, 2048);  // out of range
  EXPECT_EQ(c.textOptions.colLength, 9);
}

// A store whose rename fails: the save reports it and leaves the old file.
class NoRenameStore : public IFileStore {
 public:
  Bytes ReadWhole(const std::string& p) override { return disk.ReadWhole(p); }
  bool Exists(const std::string& p) override { return disk.Exists(p); }
  bool Remove(const std::string& p) override { return disk.Remove(p); }
  bool Rename(const std::string&, const std::string&) override { return false; }
  std::string CreateTemporary(const std::string& p) override { return disk.CreateTemporary(p); }
  void WriteWhole(const std::string& p, ByteView d) override { disk.WriteWhole(p, d); }
  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& p) override {
    return disk.ModificationTime(p);
  }
  DiskFileStore disk;
};

TEST_F(ConfigurationFileTest, FailedSaveKeepsTheOldFile) {
  WriteRaw("[COMMONS]\nLanguage=2\n");
  IniFile ini;
  ini.WriteInteger("COMMONS", "Language", 4);
  NoRenameStore store;
  EXPECT_FALSE(ini.Save(store, Path()));
  EXPECT_EQ(IniFile::Load(store_, Path()).ReadInteger("COMMONS", "Language", 0), 2);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST(HistoryListTest, MostRecentFirstBoundedWithoutDuplicates) {
  THistoryList h;
  EXPECT_EQ(h.Maximum(), 10);
  h.SetMaximum(9);
  for (int i = 1; i <= 10; ++i) h.Add("/f" + std::to_string(i) + ".sdx");
  ASSERT_EQ(h.Count(), 9);
  EXPECT_EQ(h.Entries().front(), "/f10.sdx");
  EXPECT_EQ(h.Entries().back(), "/f2.sdx");  // the oldest dropped
  h.Add("/F5.SDX");
  EXPECT_EQ(h.Count(), 9);
  EXPECT_EQ(h.Entries()[0], "/F5.SDX");
  EXPECT_EQ(h.Entries()[1], "/f10.sdx");
  h.SetMaximum(0);
  h.SetMaximum(101);
  EXPECT_EQ(h.Maximum(), 9);
  h.SetMaximum(2);
  EXPECT_EQ(h.Entries(), (std::vector<std::string>{"/F5.SDX", "/f10.sdx"}));

  EXPECT_EQ(h.MenuCaptions(), (std::vector<std::string>{"&1 /F5.SDX", "&2 /f10.sdx"}));
  EXPECT_EQ(h.PathOfCaption("&2 /f10.sdx"), "/f10.sdx");
  EXPECT_EQ(h.PathOfCaption("&3 x"), std::nullopt);
  EXPECT_EQ(h.PathOfCaption("&0 x"), std::nullopt);
  EXPECT_EQ(h.PathOfCaption("&x1 x"), std::nullopt);
  EXPECT_EQ(h.PathOfCaption("1 x"), std::nullopt);
}

TEST(HistoryListTest, GapsCloseUpAndStaleKeysGo) {
  IniFile ini = IniFile::Parse("[history_opensdx]\nHistory0=a\nHistory2=c\nHistory9=z\n");
  HistoryLists lists;
  lists.Load(ini);
  EXPECT_EQ(lists.opened.Entries(), (std::vector<std::string>{"a", "c"}));  // History9 is past 9
  lists.Save(ini);
  EXPECT_EQ(ini.ReadString(ini::kHistoryOpened, "History1", ""), "c");
  EXPECT_FALSE(ini.HasKey(ini::kHistoryOpened, "History2"));
  EXPECT_FALSE(ini.HasKey(ini::kHistoryOpened, "History9"));
}

TEST(ConfigurationPlaceTest, BesideTheProgramOrTheDefaultFolder) {
  EXPECT_EQ(ConfigurationFileName("/opt/gd/bin/gaugdata"), "gaugdata.INI");
  EXPECT_EQ(ConfigurationFileName("C:\\Prog\\GAUG.EXE"), "GAUG.INI");
  EXPECT_EQ(ConfigurationFilePath("/opt/gd/gaugdata", true, "/home/u/.config/x"),
            "/opt/gd/gaugdata.INI");
  EXPECT_EQ(ConfigurationFilePath("/opt/gd/gaugdata", false, "/home/u/.config/x"),
            "/home/u/.config/x/gaugdata.INI");
}

}  // namespace
}  // namespace gd
