#include "core/TextTools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gd {
namespace {

TEST(DosCodePage, ConvertsExactlyTheSixCodesBothWays) {
  const std::string dos = "\x81\x84\x8E\x94\x9A\xE1";
  const std::string win = "\xFC\xE4\xC4\xF6\xDC\xDF";
  EXPECT_EQ(DosToWindows(dos), win);
  EXPECT_EQ(WindowsToDos(win), dos);
  EXPECT_EQ(DosToWindows("Stra\xE1"
                         "e M\x81hle"),
            "Stra\xDF"
            "e M\xFChle");
}

TEST(DosCodePage, LeavesEveryOtherByteAlone) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  const std::string toWin = DosToWindows(all);
  const std::string toDos = WindowsToDos(all);
  ASSERT_EQ(toWin.size(), 256u);
  ASSERT_EQ(toDos.size(), 256u);
  const std::string dosCodes = "\x81\x84\x8E\x94\x9A\xE1";
  const std::string winCodes = "\xFC\xE4\xC4\xF6\xDC\xDF";
  int changedWin = 0;
  int changedDos = 0;
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    if (dosCodes.find(c) == std::string::npos)
      EXPECT_EQ(toWin[i], c) << "byte " << i;
    else
      ++changedWin;
    if (winCodes.find(c) == std::string::npos)
      EXPECT_EQ(toDos[i], c) << "byte " << i;
    else
      ++changedDos;
  }
  EXPECT_EQ(changedWin, 6);
  EXPECT_EQ(changedDos, 6);
  EXPECT_EQ(DosToWindows("\x99"), "\x99");
  EXPECT_EQ(DosToWindows(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(DosCodePage, ListConversionWorksInPlace) {
  std::vector<std::string> lines{"Me\xE1stelle", "",
                                 "\x8E"
                                 "nderung"};
  DosToWindowsList(lines);
  EXPECT_EQ(lines[0], "Me\xDFstelle");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "\xC4nderung");
}

TEST(PadLeft, FillsToWidthPlusOneOrLeavesLongTexts) {
  EXPECT_EQ(PadLeft("1.5", 9), "       1.5");
  EXPECT_EQ(PadLeft("1.5", 2), "1.5");
  EXPECT_EQ(PadLeft("1.5", 3), " 1.5");  // equal length still gains the extra column
  EXPECT_EQ(PadLeft("", 0), " ");
  EXPECT_EQ(PadLeft("x", -1), "x");
}

TEST(PlaceSign, PrependsWhenThereIsNoRoom) {
  EXPECT_EQ(PlaceSign("12.5", '+'), "+12.5");
  EXPECT_EQ(PlaceSign("", '-'), "-");
}

TEST(PlaceSign, ReplacesAnExistingSign) {
  EXPECT_EQ(PlaceSign("  -3.0", '+'), "  +3.0");
  EXPECT_EQ(PlaceSign("-3.0", '+'), "+3.0");
  EXPECT_EQ(PlaceSign("+3.0", '-'), "-3.0");
}

TEST(PlaceSign, TakesTheBlankBeforeTheNumber) {
  EXPECT_EQ(PlaceSign("   3.0", '-'), "  -3.0");
  EXPECT_EQ(PlaceSign(" ???", '+'), "+???");
  EXPECT_EQ(PlaceSign("    ", '+'), "   +");
}

TEST(RemoveBlanks, RemovesOnlyBlanks) {
  EXPECT_EQ(RemoveBlanks(" a b\tc  "), "ab\tc");
  EXPECT_EQ(RemoveBlanks("   "), "");
}

TEST(Field, PicksFieldsAndIsEmptyBeyondTheLast) {
  EXPECT_EQ(Field("a;bb;ccc", ';', 1), "a");
  EXPECT_EQ(Field("a;bb;ccc", ';', 2), "bb");
  EXPECT_EQ(Field("a;bb;ccc", ';', 3), "ccc");
  EXPECT_EQ(Field("a;bb;ccc", ';', 4), "");
  EXPECT_EQ(Field("a;bb;ccc", ';', 0), "");
  EXPECT_EQ(Field("a;;c", ';', 2), "");
  EXPECT_EQ(Field("a;;c", ';', 3), "c");
  EXPECT_EQ(Field("abc", ';', 1), "abc");
  EXPECT_EQ(Field("a;", ';', 2), "");
  const std::string longText = std::string(300, 'x') + ";tail";
  EXPECT_EQ(Field(longText, ';', 1).size(), 300u);  // no cut at 255 characters
  EXPECT_EQ(Field(longText, ';', 2), "tail");
}

TEST(FieldCount, CountsSeparatorsPlusOne) {
  EXPECT_EQ(FieldCount("", ';'), 0);
  EXPECT_EQ(FieldCount("abc", ';'), 1);
  EXPECT_EQ(FieldCount("a;b;", ';'), 3);
  EXPECT_EQ(FieldCount(";", ';'), 2);
}

TEST(JoinPath, AddsOneSeparatorOnlyWhenNeeded) {
#ifdef _WIN32
  EXPECT_EQ(JoinPath("C:\\data", "a.sdx"), "C:\\data\\a.sdx");
#else
  EXPECT_EQ(JoinPath("/tmp/data", "a.sdx"), "/tmp/data/a.sdx");
#endif
  EXPECT_EQ(JoinPath("C:\\data\\", "a.sdx"), "C:\\data\\a.sdx");
  EXPECT_EQ(JoinPath("/tmp/", "a.sdx"), "/tmp/a.sdx");
  EXPECT_EQ(JoinPath("", "a.sdx"), "a.sdx");
}

TEST(Translate, IdentityUntilADictionaryIsInstalled) {
  EXPECT_EQ(Translate("Kanal"), "Kanal");
  SetTranslateFunction(
      [](std::string_view t) { return t == "Kanal" ? std::string("Channel") : std::string(t); });
  EXPECT_EQ(Translate("Kanal"), "Channel");
  EXPECT_EQ(Translate("Reihe"), "Reihe");
  SetTranslateFunction({});
  EXPECT_EQ(Translate("Kanal"), "Kanal");
}

}  // namespace
}  // namespace gd

TEST(Sprintf, FormatsAndNeverCutsLongResults) {
  EXPECT_EQ(gd::Sprintf("$%.2x %5.1f|%-4s|", 0x1A, 2.25, "ab"), "$1a   2.2|ab  |");
  const std::string longName(700, 'x');
  const std::string out = gd::Sprintf("[%s] %d", longName.c_str(), 42);
  EXPECT_EQ(out.size(), 700u + 5u);
  EXPECT_EQ(out.substr(out.size() - 4), "] 42");
  EXPECT_EQ(gd::Sprintf("%s", ""), "");
}
