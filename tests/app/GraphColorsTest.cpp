// The diagram's styles kept in the configuration: read from the file as it
// was, changes written back into the file, keys compared without case.
#include <gtest/gtest.h>

#include "app/GraphColors.h"

namespace gd {
namespace {

TEST(GraphColorsStore, ReadsTheFileAndWritesTheDiagramsChanges) {
  const IniFile file = IniFile::Parse(
      "[GRAPHCOLORS]\r\nMainColor=255\r\nct03_0=16711680,1,0,1\r\n[COMMONS]\r\nLanguage=2\r\n");
  auto colors = std::make_shared<GraphColorsStore>();
  colors->Load(file);
  GraphStyleStore store = GraphColorsStore::Store(colors);
  EXPECT_EQ(store.read("MainColor"), "255");
  EXPECT_EQ(store.read("CT03_0"), "16711680,1,0,1");  // any case
  EXPECT_EQ(store.read("CT04_0"), std::nullopt);

  store.write("CT03_0", "0,2,1,1");
  store.write("ct03_0", "0,3,1,1");  // the same key
  store.write("CT04_1", "65280,0,1,0");
  EXPECT_EQ(store.read("CT03_0"), "0,3,1,1");

  // A store outliving its owner's other references still works.
  colors.reset();
  store.write("MainColor", "16777215");

  IniFile out = IniFile::Parse("[COMMONS]\r\nLanguage=3\r\n");
  auto fresh = std::make_shared<GraphColorsStore>();
  fresh->Load(file);
  GraphStyleStore s2 = GraphColorsStore::Store(fresh);
  s2.write("CT03_0", "0,3,1,1");
  s2.write("CT04_1", "65280,0,1,0");
  fresh->WriteTo(out);
  EXPECT_EQ(out.Find("GRAPHCOLORS", "CT03_0"), "0,3,1,1");
  EXPECT_EQ(out.Find("GRAPHCOLORS", "CT04_1"), "65280,0,1,0");
  EXPECT_EQ(out.Find("GRAPHCOLORS", "MainColor"), std::nullopt);  // not changed: not written
  EXPECT_EQ(out.Find("COMMONS", "Language"), "3");
}

}  // namespace
}  // namespace gd
