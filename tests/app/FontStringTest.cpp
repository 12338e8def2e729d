#include "app/FontString.h"

#include <gtest/gtest.h>

#include "app/Configuration.h"
#include "app/IniFile.h"

namespace gd {
namespace {

FontDescription Base() {
  FontDescription f;
  f.name = "Courier New";
  f.height = -13;
  f.color = 0;
  f.pitch = 2;
  f.charset = 1;
  return f;
}

void ExpectSame(const FontDescription& a, const FontDescription& b) {
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.color, b.color);
  EXPECT_EQ(a.pitch, b.pitch);
  EXPECT_EQ(a.charset, b.charset);
  EXPECT_EQ(a.bold, b.bold);
  EXPECT_EQ(a.italic, b.italic);
  EXPECT_EQ(a.underline, b.underline);
  EXPECT_EQ(a.strikeOut, b.strikeOut);
}

TEST(FontStringTest, WritesTheFieldsAndTheStylesInOrderAndReadsThemBack) {
  FontDescription f;
  f.name = "Arial \xC4rger";  // a Windows-1252 name
  f.height = -16;
  f.color = 0x0000FF;
  f.pitch = 1;
  f.charset = 238;
  f.bold = true;
  f.underline = true;
  f.strikeOut = true;
  EXPECT_EQ(FontString(f), "Arial \xC4rger,-16,255,1,238,0,2,3");
  ExpectSame(ApplyFontString(Base(), FontString(f)), f);

  FontDescription plain = Base();
  EXPECT_EQ(FontString(plain), "Courier New,-13,0,2,1");
  plain.italic = true;
  EXPECT_EQ(FontString(plain), "Courier New,-13,0,2,1,1");
  ExpectSame(ApplyFontString(FontDescription{}, FontString(plain)), plain);
}

TEST(FontStringTest, StylesChangeOnlyWithMoreThanFiveFields) {
  FontDescription bold = Base();
  bold.bold = true;
  // five fields: the styles of the view stay
  EXPECT_TRUE(ApplyFontString(bold, "Arial,-11,0,0,1").bold);
  // a sixth field replaces them all, in any order, unknown numbers ignored
  const FontDescription f = ApplyFontString(bold, "Arial,-11,0,0,1,3,1,7,x");
  EXPECT_FALSE(f.bold);
  EXPECT_TRUE(f.italic);
  EXPECT_FALSE(f.underline);
  EXPECT_TRUE(f.strikeOut);
}

TEST(FontStringTest, BadFieldsLeaveTheirPropertyUnchanged) {
  const FontDescription base = Base();
  for (const char* text : {"", "   ", ",", ",,,,,", ",y,z,w,v,q"})
    EXPECT_EQ(FontString(ApplyFontString(base, text)).substr(0, 16), "Courier New,-13,") << text;
  // each field on its own
  FontDescription f = ApplyFontString(base, " Tahoma ,abc,$FF,9,999");
  EXPECT_EQ(f.name, "Tahoma");
  EXPECT_EQ(f.height, -13);  // not a number
  EXPECT_EQ(f.color, 255);   // hexadecimal as the file's numbers are
  EXPECT_EQ(f.pitch, 2);     // no such pitch
  EXPECT_EQ(f.charset, 1);   // no such character set
  // heights of 0 or absurd size, numbers beyond int: unchanged
  EXPECT_EQ(ApplyFontString(base, ",0").height, -13);
  EXPECT_EQ(ApplyFontString(base, ",-100000").height, -13);
  EXPECT_EQ(ApplyFontString(base, ",99999999999999999999").height, -13);
  EXPECT_EQ(ApplyFontString(base, ",12").height, 12);
  // a name with a comma is written so that it reads back as one field
  FontDescription comma = base;
  comma.name = "A,B";
  EXPECT_EQ(ApplyFontString(base, FontString(comma)).name, "A B");
}

TEST(FontStringTest, TheFourFontsRoundTripThroughTheFile) {
  IniFile ini =
      IniFile::Parse("[fonts]\r\nparasets=Courier,-12,0,2,1\r\nGRID=Arial,-9,0,0,1,0\r\n");
  Configuration c = ReadConfiguration(ini);
  EXPECT_EQ(c.fonts.parameterSets, "Courier,-12,0,2,1");
  EXPECT_EQ(c.fonts.parameterSet, "");
  EXPECT_EQ(c.fonts.deviceTables, "");
  EXPECT_EQ(c.fonts.grid, "Arial,-9,0,0,1,0");

  c.fonts.parameterSet = "Mono,-20,0,2,1,1";
  c.fonts.deviceTables = "Fixed,-10,0,2,1";
  c.fonts.grid = "";  // not changed: the stored key stays as it is
  IniFile out = ini;
  WriteConfiguration(out, c);
  const Configuration back = ReadConfiguration(IniFile::Parse(out.Text()));
  EXPECT_EQ(back.fonts.parameterSets, "Courier,-12,0,2,1");
  EXPECT_EQ(back.fonts.parameterSet, "Mono,-20,0,2,1,1");
  EXPECT_EQ(back.fonts.deviceTables, "Fixed,-10,0,2,1");
  EXPECT_EQ(back.fonts.grid, "Arial,-9,0,0,1,0");
  EXPECT_NE(out.Text().find("SONDTABS=Fixed,-10,0,2,1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace gd
