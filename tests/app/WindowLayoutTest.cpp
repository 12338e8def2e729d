#include "app/WindowLayout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "app/IniFile.h"
#include "core/FileStore.h"

namespace gd {
namespace {

const Rect kLeft{0, 0, 1920, 1040};        // usable area above a task bar
const Rect kRight{1920, 200, 1280, 1024};  // a smaller screen, lower down

TEST(ClampToScreensTest, AWindowOnAScreenStaysWhereItIs) {
  EXPECT_EQ(ClampToScreens({100, 80, 900, 560}, {kLeft, kRight}), (Rect{100, 80, 900, 560}));
  EXPECT_EQ(ClampToScreens({2000, 300, 900, 560}, {kLeft, kRight}), (Rect{2000, 300, 900, 560}));
  // without screens nothing is known: unchanged
  EXPECT_EQ(ClampToScreens({-5000, 9000, 10, 10}, {}), (Rect{-5000, 9000, 10, 10}));
}

TEST(ClampToScreensTest, OffScreenPlacesMoveOntoTheNearestScreen) {
  // a screen that is gone: far right of the right screen
  EXPECT_EQ(ClampToScreens({5000, 400, 800, 600}, {kLeft, kRight}), (Rect{2400, 400, 800, 600}));
  // above and left of everything
  EXPECT_EQ(ClampToScreens({-3000, -2000, 800, 600}, {kLeft, kRight}), (Rect{0, 0, 800, 600}));
  // hanging over the bottom edge of the left screen: pushed up inside it
  EXPECT_EQ(ClampToScreens({100, 900, 800, 600}, {kLeft, kRight}), (Rect{100, 440, 800, 600}));
  // across both screens: kept on the one it overlaps most
  EXPECT_EQ(ClampToScreens({1700, 300, 1000, 500}, {kLeft, kRight}), (Rect{1920, 300, 1000, 500}));
  EXPECT_EQ(ClampToScreens({1000, 300, 1000, 500}, {kLeft, kRight}), (Rect{920, 300, 1000, 500}));
  // in the gap below the smaller right screen's top: moved down onto it
  EXPECT_EQ(ClampToScreens({2500, 0, 400, 150}, {kLeft, kRight}), (Rect{2500, 200, 400, 150}));
}

TEST(ClampToScreensTest, TooLargeWindowsShrinkToTheScreen) {
  EXPECT_EQ(ClampToScreens({2000, 100, 3000, 2000}, {kLeft, kRight}), kRight);
  EXPECT_EQ(ClampToScreens({50, 50, 1900, 1200}, {kLeft}), (Rect{20, 0, 1900, 1040}));
  // the extremes of int neither overflow nor leave the screen
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(ClampToScreens({kMax, kMin, kMax, kMax}, {kLeft, kRight}), kRight);
  EXPECT_EQ(ClampToScreens({kMin, kMax, 0, -5}, {kLeft}), (Rect{0, 1039, 1, 1}));
  // a screen of no size is ignored
  EXPECT_EQ(ClampToScreens({50, 50, 400, 300}, {Rect{0, 0, 0, 0}, kLeft}),
            (Rect{50, 50, 400, 300}));
}

TEST(WindowLayoutTest, RoundTripThroughTheConfigurationFile) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "gaugdata-window-layout-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "gaugdata.INI").string();
  DiskFileStore store;

  IniFile ini =
      IniFile::Parse("[FONTS]\r\nGrid=Arial,-9,0,0,1\r\n[layout]\r\nOldWindow=1,2,300,200\r\n");
  WindowLayout layout = WindowLayout::Read(ini);
  layout.SetFrame("MainWindow", {-1200, 40, 1000, 700});  // a screen left of the primary one
  layout.SetMaximized("MainWindow", true);
  layout.SetSplitter("MainWindow", {320, 0});
  layout.SetFrame("ValuesInGrid", {0, 0, 760, 520});
  layout.Write(ini);
  ASSERT_TRUE(ini.Save(store, path));

  const IniFile back = IniFile::Load(store, path);
  EXPECT_EQ(back.ReadString("LAYOUT", "mainwindow", ""), "-1200,40,1000,700");
  EXPECT_EQ(back.ReadString("FONTS", "Grid", ""), "Arial,-9,0,0,1");  // other sections stay
  const WindowLayout r = WindowLayout::Read(back);
  EXPECT_EQ(r.Frame("MainWindow"), (Rect{-1200, 40, 1000, 700}));
  EXPECT_EQ(r.Frame("mainwindow"), (Rect{-1200, 40, 1000, 700}));
  EXPECT_TRUE(r.Maximized("MainWindow"));
  EXPECT_EQ(r.Splitter("MainWindow"), (std::vector<int>{320, 0}));
  EXPECT_EQ(r.Frame("ValuesInGrid"), (Rect{0, 0, 760, 520}));
  EXPECT_EQ(r.Frame("OldWindow"), (Rect{1, 2, 300, 200}));  // kept though nobody asks
  EXPECT_FALSE(r.Maximized("ValuesInGrid"));
  EXPECT_EQ(r.Frame("Diagram"), std::nullopt);
  EXPECT_TRUE(r.Splitter("Diagram").empty());
  std::filesystem::remove_all(dir);
}

TEST(WindowLayoutTest, DamagedValuesAreIgnored) {
  const WindowLayout r = WindowLayout::Read(
      IniFile::Parse("[Layout]\r\n"
                     "A=1,2,300\r\n"              // three numbers
                     "B=1,2,300,x\r\n"            // not a number
                     "C=1,2,10,200\r\n"           // too narrow to be meant
                     "D=1,2,300,99999999999\r\n"  // beyond int
                     "E=999999,2,300,200\r\n"     // far beyond any screen
                     "F=,,,\r\n"
                     "G=$10,0x20,300,200\r\n"  // the file's hexadecimal numbers read as elsewhere
                     "A.Splitter=5\r\n"        // one pane
                     "B.Splitter=5,-1\r\n"
                     "C.Splitter=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\r\n"
                     "A.Maximized=yes\r\n"));
  for (const char* name : {"A", "B", "C", "D", "E", "F"})
    EXPECT_EQ(r.Frame(name), std::nullopt) << name;
  EXPECT_EQ(r.Frame("G"), (Rect{16, 32, 300, 200}));
  for (const char* name : {"A", "B", "C"}) EXPECT_TRUE(r.Splitter(name).empty()) << name;
  EXPECT_FALSE(r.Maximized("A"));
}

}  // namespace
}  // namespace gd
