#include "export/CellConversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gd {
namespace {

TEST(CellConversions, FloatTextIsTheShortestFifteenDigitForm) {
  const Locale de = Locale::German();
  EXPECT_EQ(FloatToText(de, 1234.5), "1234,5");
  EXPECT_EQ(FloatToText(Locale::English(), 1234.5), "1234.5");
  EXPECT_EQ(FloatToText(de, 0.1 + 0.2), "0,3");
  EXPECT_EQ(FloatToText(de, 1e20), "1E20");
  EXPECT_EQ(FloatToText(de, -1.5e-5), "-1,5E-5");
  EXPECT_EQ(FloatToText(de, 123456789012345678.0), "1,23456789012346E17");
  EXPECT_EQ(FloatToText(de, 0.0001), "0,0001");
  EXPECT_EQ(FloatToText(de, std::nan("")), "NAN");
  EXPECT_EQ(FloatToText(de, -HUGE_VAL), "-INF");
}

TEST(CellConversions, TextToFloatTakesOnlyTheLocalesSeparator) {
  const Locale de = Locale::German();
  EXPECT_EQ(TextToFloat(de, " -1,5E3 "), -1500.0);
  EXPECT_EQ(TextToFloat(de, "+,5"), 0.5);
  EXPECT_EQ(TextToFloat(de, "7,"), 7.0);
  EXPECT_EQ(TextToFloat(de, "2e-3"), 0.002);
  EXPECT_EQ(TextToFloat(Locale::English(), "1.25"), 1.25);
  for (const char* bad : {"", " ", "1.5", "1,2,3", "1e", "1e+", "1e999", "abc", "1,5x", ",", "-",
                          "1 000", "NAN", "INF"}) {
    EXPECT_THROW(TextToFloat(de, bad), EConvertError) << bad;
  }
  for (double v : {1234.5, -0.001, 1e20, 6.02214076e23, 1.0 / 3.0}) {
    EXPECT_EQ(TextToFloat(de, FloatToText(de, v)), std::stod(FloatToText(Locale::English(), v)));
  }
}

TEST(CellConversions, TextToIntegerIsThirtyTwoBit) {
  EXPECT_EQ(TextToInteger("70000"), 70000);
  EXPECT_EQ(TextToInteger(" -12 "), -12);
  EXPECT_EQ(TextToInteger("+5"), 5);
  EXPECT_EQ(TextToInteger("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "+", "1.0", "12a", "2147483648", "0x10", "+-1", "1 2"}) {
    EXPECT_THROW(TextToInteger(bad), EConvertError) << bad;
  }
}

TEST(CellConversions, DatesAndTimesInTheLocalesPatterns) {
  const Locale de = Locale::German();
  EXPECT_EQ(DateToText(de, 36526.75), "01.01.2000");
  EXPECT_EQ(DateToText(Locale::English(), 36526.75), "01/01/2000");
  EXPECT_EQ(DateToText(Locale::Danish(), 2.0), "01-01-1900");
  EXPECT_EQ(TimeToText(de, 36526.75), "18:00:00");
  EXPECT_EQ(TimeToText(de, 0.5 + 0.4999 / 86400), "12:00:00");
  // Rounded to milliseconds first: a hair before midnight is the next day.
  EXPECT_EQ(DateToText(de, 1.0 - 1e-11), "31.12.1899");
  EXPECT_EQ(TimeToText(de, 1.0 - 1e-11), "00:00:00");
  // Before day 0 the fraction still counts forward from the day's start.
  EXPECT_EQ(DateToText(de, -1.25), "29.12.1899");
  EXPECT_EQ(TimeToText(de, -1.25), "06:00:00");
  EXPECT_EQ(TextToDateTime(de, "29.12.1899 06:00:00"), -1.25);

  EXPECT_EQ(TextToDate(de, "29.02.1992"), 33663.0);
  EXPECT_EQ(TextToDate(de, " 1.1.2000 "), 36526.0);
  EXPECT_EQ(TextToDate(de, "01.01.0001"), kMinDateTime);
  EXPECT_EQ(TextToTime(de, "9:05:30"), (9 * 3600 + 5 * 60 + 30) / 86400.0);
  EXPECT_EQ(TextToDateTime(de, "01.01.2000"), 36526.0);
  EXPECT_EQ(TextToDateTime(de, "01.01.2000  12:00:00"), 36526.5);
  for (const char* bad : {"30.02.1992", "29.02.1900", "1.13.2000", "0.1.2000", "01.01",
                          "01.01.2000x", "01/01/2000", "", "01.01.0000"}) {
    EXPECT_THROW(TextToDate(de, bad), EConvertError) << bad;
  }
  for (const char* bad : {"24:00:00", "12:60:00", "12:00:60", "12:00", "12:00:00 PM", "x"}) {
    EXPECT_THROW(TextToTime(de, bad), EConvertError) << bad;
  }
  for (const char* bad : {"01.01.200012:00:00", "01.01.2000 12:00", "01.01.2000 x"}) {
    EXPECT_THROW(TextToDateTime(de, bad), EConvertError) << bad;
  }
  EXPECT_THROW(DateToText(de, kMaxDateTimeEnd), EConvertError);
  EXPECT_THROW(DateToText(de, kMinDateTime - 1), EConvertError);
  EXPECT_THROW(TimeToText(de, std::nan("")), EConvertError);
  EXPECT_EQ(DateToText(de, kMaxDateTimeEnd - 1), "31.12.9999");
}

TEST(CellConversions, TwoDigitYearsCoverTheMetersYears) {
  Locale l = Locale::German();
  l.shortDatePattern = "d.M.yy";
  EXPECT_EQ(DateToText(l, 36526.0), "1.1.00");
  EXPECT_EQ(DateToText(l, 33663.0), "29.2.92");
  EXPECT_EQ(TextToDate(l, "1.1.90"), TextToDate(Locale::German(), "01.01.1990"));
  EXPECT_EQ(TextToDate(l, "31.12.89"), TextToDate(Locale::German(), "31.12.2089"));
  EXPECT_EQ(TextToDate(l, "1.1.1950"), TextToDate(Locale::German(), "01.01.1950"));
  // Quoted text is literal, letters and all.
  l.shortDatePattern = "yyyy'y, d 'MM";
  EXPECT_EQ(DateToText(l, 36526.0), "2000y, d 01");
  l.shortDatePattern = "dd MM yyyy";
  EXPECT_THROW(TextToDate(l, "01.01.2000"), EConvertError);
}

TEST(CellConversions, TwelveHourPatterns) {
  Locale l = Locale::English();
  l.longTimePattern = "h:mm:ss AM/PM";
  EXPECT_EQ(TimeToText(l, 0.0), "12:00:00 AM");
  EXPECT_EQ(TimeToText(l, 0.5), "12:00:00 PM");
  EXPECT_EQ(TimeToText(l, 13.5 / 24), "1:30:00 PM");
  EXPECT_EQ(TextToTime(l, "1:30:00 pm"), 13.5 / 24);
  EXPECT_EQ(TextToTime(l, "12:15:00 AM"), 0.25 / 24);
  EXPECT_THROW(TextToTime(l, "13:30:00 PM"), EConvertError);
  EXPECT_THROW(TextToTime(l, "0:30:00 AM"), EConvertError);
  EXPECT_THROW(TextToTime(l, "1:30:00"), EConvertError);
  l.longTimePattern = "hh:mm a/p";
  EXPECT_EQ(TimeToText(l, 13.5 / 24), "01:30 p");
  l.longTimePattern = "HH:mm:ss";  // without a designator h and H count 0..23
  EXPECT_EQ(TimeToText(l, 13.5 / 24), "13:30:00");
}

TEST(CellConversions, SpreadsheetTimeFormat) {
  Locale l;
  EXPECT_EQ(ShortTimePattern(l), "HH:mm");
  l.longTimePattern = "h:mm:ss AMPM";
  EXPECT_EQ(ShortTimePattern(l), "h:mm AMPM");
  l.longTimePattern = "ss.mm.HH";
  EXPECT_EQ(ShortTimePattern(l), "mm.HH");
  l.longTimePattern = "HH:mm";
  EXPECT_EQ(ShortTimePattern(l), "HH:mm");
  EXPECT_EQ(UnifyAmPm("h:mm a/p"), "h:mm AM/PM");
  EXPECT_EQ(UnifyAmPm("h:mm am/pm A/P ampm AMPM"), "h:mm AM/PM AM/PM AM/PM AM/PM");
  EXPECT_EQ(UnifyAmPm("HH:mm"), "HH:mm");
}

}  // namespace
}  // namespace gd
