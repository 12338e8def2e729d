#include "convert/TextStyle.h"

#include <gtest/gtest.h>

namespace gd {
namespace {

TEST(TextStyle, DefaultBitsMeanWhatTheyShould) {
  const TextOutputOptions d;
  EXPECT_EQ(d.style, 3264563u);
  EXPECT_EQ(d.colLength, 9);
  EXPECT_EQ(d.separatorChar, 64);
  // Decimal comma, TAB columns, VELOC/MEASURE always, separate quantity
  // columns, headlines, date and time columns, a block per channel, comments
  // and the system's decimal separator.
  for (std::uint32_t bit :
       {kStyleDecimalComma, kStyleAlwaysVelocMeasure, kStyleSeparateQuantCols, kStyleHeadlines,
        kStyleDate, kStyleTime, kStyleChannelBlocks, kStyleComments, kStyleSystemDecimal}) {
    EXPECT_TRUE(d.Has(bit)) << std::hex << bit;
  }
  for (std::uint32_t bit :
       {kStyleParaDelimited, kStyleParaShowAllData, kStyleTrimStrings, kStyleShowVeloc,
        kStyleAllTemperatures, kStyleParamsSideBySide, kStyleParamsEachChannel, kStyleDosCharset}) {
    EXPECT_FALSE(d.Has(bit)) << std::hex << bit;
  }
  EXPECT_EQ(SeparatorKind(d.style), ColumnSeparatorKind::Tab);
  // Bits 7..8 are 0 in the default, which behaves as "only stored".
  EXPECT_EQ(QuantityMode(d.style), QuantityColumnMode::OnlyStored);
}

TEST(TextStyle, FieldAccessorsKeepOtherBits) {
  std::uint32_t style = 0xFFFFFFFFu;
  SetSeparatorKind(style, ColumnSeparatorKind::Space);
  EXPECT_EQ(style, 0xFFFFFFF9u);
  SetQuantityMode(style, QuantityColumnMode::Always);
  EXPECT_EQ(style, 0xFFFFFEF9u);
  EXPECT_EQ(QuantityMode(0x100), QuantityColumnMode::Suppress);
  EXPECT_EQ(QuantityMode(0x080), QuantityColumnMode::Always);
  EXPECT_EQ(QuantityMode(0x180), QuantityColumnMode::OnlyStored);
  EXPECT_EQ(QuantityMode(0), QuantityColumnMode::OnlyStored);
}

TEST(TextStyle, ColLengthBounds) {
  EXPECT_EQ(ClampColLength(-3), 7);
  EXPECT_EQ(ClampColLength(6), 7);
  EXPECT_EQ(ClampColLength(7), 7);
  EXPECT_EQ(ClampColLength(12), 12);
  EXPECT_EQ(ClampColLength(16), 16);
  EXPECT_EQ(ClampColLength(17), 16);
}

TEST(TextStyle, ColumnSeparatorByKind) {
  TextOutputOptions o;
  auto sep = [&o](std::uint32_t kindBits) {
    o.style = (o.style & ~kStyleSeparatorMask) | kindBits;
    std::string s = "x";
    AppendColumnSeparator(s, o);
    return s;
  };
  EXPECT_EQ(sep(0x0), "x ");
  EXPECT_EQ(sep(0x2), "x\t");
  EXPECT_EQ(sep(0x4), "x;");
  EXPECT_EQ(sep(0x6), "x@");
  o.separatorChar = '|';
  EXPECT_EQ(sep(0x6), "x|");
  // The user's character only counts for kind 6.
  EXPECT_EQ(sep(0x4), "x;");
  // An empty separator field leaves no NUL byte in the output.
  o.separatorChar = '\0';
  EXPECT_EQ(sep(0x6), "x");
}

TEST(TextStyle, DecimalSeparatorRule) {
  std::string n = " 1.234,50";
  ApplyDecimalStyle(n, kStyleDecimalComma);
  EXPECT_EQ(n, " 1,234,50");
  n = " 1.234,50";
  ApplyDecimalStyle(n, 0);
  EXPECT_EQ(n, " 1.234.50");
  // The system separator wins over the decimal-comma bit.
  n = " -1234.50";
  ApplyDecimalStyle(n, kStyleSystemDecimal | kStyleDecimalComma);
  EXPECT_EQ(n, " -1234.50");
  n = " -1234,50";
  ApplyDecimalStyle(n, kStyleSystemDecimal);
  EXPECT_EQ(n, " -1234,50");
}

}  // namespace
}  // namespace gd
