#include "convert/NumberFormat.h"
#include "convert/TextStyle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gd {
namespace {

TEST(FloatToFixedTest, DecimalsAndRoundingHalfAwayFromZero) {
  EXPECT_EQ(FloatToFixed(-1234.5L, 9, 2, '.'), "-1234.50");
  EXPECT_EQ(FloatToFixed(0.125L, 9, 2, '.'), "0.13");
  EXPECT_EQ(FloatToFixed(-0.125L, 9, 2, '.'), "-0.13");
  EXPECT_EQ(FloatToFixed(2.5L, 9, 0, '.'), "3");
  EXPECT_EQ(FloatToFixed(0.0049L, 9, 2, ','), "0,00");
  EXPECT_EQ(FloatToFixed(0.006L, 9, 2, ','), "0,01");
  EXPECT_EQ(FloatToFixed(9.996L, 9, 2, '.'), "10.00");
  EXPECT_EQ(FloatToFixed(123.4L, 9, 3, '.'), "123.400");
  EXPECT_EQ(FloatToFixed(1234 / 10.0L, 9, 1, '.'), "123.4");
}

TEST(FloatToFixedTest, NoSignOnValuesThatRoundToZero) {
  EXPECT_EQ(FloatToFixed(-0.001L, 9, 2, '.'), "0.00");
  EXPECT_EQ(FloatToFixed(-0.0L, 9, 1, '.'), "0.0");
  EXPECT_EQ(FloatToFixed(-0.4L, 9, 0, '.'), "0");
}

TEST(FloatToFixedTest, PrecisionLimitsSignificantDigits) {
  EXPECT_EQ(FloatToFixed(12345678.9L, 9, 2, '.'), "12345678.90");
  EXPECT_EQ(FloatToFixed(12345678.96L, 9, 2, '.'), "12345679.00");
  EXPECT_EQ(FloatToFixed(123456789.4L, 9, 2, '.'), "123456789.00");
  EXPECT_EQ(FloatToFixed(0.000123456789L, 7, 12, '.'), "0.000123456800");
}

TEST(FloatToFixedTest, TooManyIntegerDigitsSwitchToExponent) {
  EXPECT_EQ(FloatToFixed(1234567890.0L, 9, 2, '.'), "1.23456789E9");
  EXPECT_EQ(FloatToFixed(-1.5e12L, 9, 2, ','), "-1,5E12");
  EXPECT_EQ(FloatToFixed(1.5e38L, 9, 2, '.'), "1.5E38");
  EXPECT_EQ(FloatToFixed(999999999.6L, 9, 0, '.'), "1E9");  // the carry adds a digit
  EXPECT_EQ(FloatToFixed(1e15L, 16, 1, '.'), "1000000000000000.0");
}

TEST(FloatToFixedTest, NonFiniteValues) {
  EXPECT_EQ(FloatToFixed(std::numeric_limits<long double>::quiet_NaN(), 9, 2, '.'), "NAN");
  EXPECT_EQ(FloatToFixed(-std::numeric_limits<long double>::infinity(), 9, 2, '.'), "-INF");
}

TEST(NumberFormatTest, RightAlignedWithTheSeparatorOfTheStyle) {
  NumberFormat f;
  f.styleBits = kStyleDecimalComma;
  f.systemDecimalSeparator = '.';
  EXPECT_EQ(f.Format(2, -1234.5L), " -1234,50");
  f.styleBits = 0;
  f.systemDecimalSeparator = ',';
  EXPECT_EQ(f.Format(2, -1234.5L), " -1234.50");
  f.styleBits = kStyleSystemDecimal | kStyleDecimalComma;
  f.systemDecimalSeparator = '.';
  EXPECT_EQ(f.Format(1, 3.25L), "      3.3");
  f.colLength = 12;
  EXPECT_EQ(f.Format(3, 1.0L), "       1.000");
  EXPECT_EQ(f.WithColLength(7).Format(0, 5.0L), "      5");
}

TEST(NumberFormatTest, LongNumbersStayWholeUpToFortyCharacters) {
  NumberFormat f;
  f.colLength = 7;
  EXPECT_EQ(f.Format(2, 123456.0L), "123456.00");
  f.colLength = 16;
  const std::string text = f.Format(18, 1e15L);
  EXPECT_EQ(text.size(), 35u);  // 16 integer digits, point, 18 decimals
  EXPECT_EQ(text.substr(0, 17), "1000000000000000.");
}

}  // namespace
}  // namespace gd
