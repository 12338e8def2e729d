#include "core/DateTime.h"
#include "core/DateTimePattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>

namespace gd {
namespace {

DateRecord D(int y, int m, int d) {
  return {static_cast<std::uint16_t>(y), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(d),
          0};
}
Moment M(int y, int mo, int d, int h, int mi, int s) { return {D(y, mo, d), TimeOfDay(h, mi, s)}; }

TEST(Calendar, DaysInMonthAndLeapYears) {
  EXPECT_EQ(DaysInMonth(0, 1995), 0);
  EXPECT_EQ(DaysInMonth(13, 1995), 0);
  EXPECT_EQ(DaysInMonth(1, 1995), 31);
  EXPECT_EQ(DaysInMonth(4, 1995), 30);
  EXPECT_EQ(DaysInMonth(11, 1995), 30);
  EXPECT_EQ(DaysInMonth(12, 1995), 31);
  EXPECT_EQ(DaysInMonth(2, 1995), 28);
  EXPECT_EQ(DaysInMonth(2, 1996), 29);
  EXPECT_EQ(DaysInMonth(2, 96), 29);  // 1996
  EXPECT_EQ(DaysInMonth(2, 0), 28);   // 1900 is no leap year
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(2, 2100), 28);
}

TEST(Calendar, ValidDateRangeAndTheNineteenHundredRule) {
  EXPECT_TRUE(IsValidDate(D(1990, 1, 1)));
  EXPECT_TRUE(IsValidDate(D(2078, 12, 31)));
  EXPECT_TRUE(IsValidDate(D(97, 6, 30)));
  EXPECT_FALSE(IsValidDate(D(1989, 12, 31)));
  EXPECT_FALSE(IsValidDate(D(2079, 1, 1)));
  EXPECT_FALSE(IsValidDate(D(1990, 2, 29)));
  EXPECT_FALSE(IsValidDate(D(1995, 0, 1)));
  EXPECT_FALSE(IsValidDate(D(1995, 1, 0)));
  EXPECT_FALSE(IsValidDate(D(1995, 13, 1)));
  EXPECT_TRUE(IsCalendarDate(D(1989, 12, 31)));
  EXPECT_TRUE(IsCalendarDate(D(2100, 2, 28)));
  EXPECT_FALSE(IsCalendarDate(D(2100, 2, 29)));
  EXPECT_FALSE(IsCalendarDate(D(1993, 0, 0)));
}

TEST(DayNumber, KnownDaysAndInvalidDates) {
  EXPECT_EQ(DayNumber(D(1990, 1, 1)), 0);
  EXPECT_EQ(DayNumber(D(1990, 2, 1)), 31);
  EXPECT_EQ(DayNumber(D(1990, 3, 1)), 59);
  EXPECT_EQ(DayNumber(D(1992, 2, 29)), 789);
  EXPECT_EQ(DayNumber(D(1992, 3, 1)), 790);
  EXPECT_EQ(DayNumber(D(97, 1, 1)), DayNumber(D(1997, 1, 1)));
  EXPECT_EQ(DayNumber(D(2000, 3, 1)) - DayNumber(D(2000, 2, 28)), 2);
  EXPECT_EQ(DayNumber(D(1989, 12, 31)), kInvalidDayNumber);
  EXPECT_EQ(DayNumber(D(2079, 1, 1)), kInvalidDayNumber);
  EXPECT_EQ(DayNumber(D(1993, 2, 29)), kInvalidDayNumber);
}

TEST(DayNumber, DateFromDayNumberIsItsExactInverse) {
  const std::uint16_t last = DayNumber(D(2078, 12, 31));
  ASSERT_NE(last, kInvalidDayNumber);
  DateRecord previous = DateFromDayNumber(0);
  EXPECT_EQ(previous, D(1990, 1, 1));
  for (std::uint16_t n = 1; n <= last; ++n) {
    const DateRecord date = DateFromDayNumber(n);
    ASSERT_TRUE(IsValidDate(date)) << n;
    ASSERT_EQ(DayNumber(date), n);
    ASSERT_EQ(date.spare, 0);
    // consecutive numbers are consecutive calendar days
    if (date.day != 1)
      ASSERT_EQ(date.day, previous.day + 1) << n;
    else
      ASSERT_EQ(previous.day, DaysInMonth(previous.month, previous.year)) << n;
    previous = date;
  }
  EXPECT_EQ(DateFromDayNumber(789), D(1992, 2, 29));
  EXPECT_EQ(DateFromDayNumber(kInvalidDayNumber), D(0, 0, 0));
}

TEST(TimeOfDay, WrapsAndSplits) {
  EXPECT_EQ(TimeOfDay(25, 0, 0), 3600);
  EXPECT_EQ(TimeOfDay(12, 34, 56), 45296);
  EXPECT_EQ(TimeOfDay(23, 59, 60), 0);
  EXPECT_EQ(TimeOfDay(0, 0, -1), 86399);
  const TimeParts t = SplitTime(45296);
  EXPECT_EQ(t.hour, 12);
  EXPECT_EQ(t.minute, 34);
  EXPECT_EQ(t.second, 56);
}

TEST(AddSpan, CarriesForwardOverMonthYearAndLeapDay) {
  EXPECT_EQ(AddSpan(M(1992, 2, 28, 12, 0, 0), {1, 43200}), M(1992, 3, 1, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1993, 2, 28, 12, 0, 0), {1, 43200}), M(1993, 3, 2, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1990, 1, 31, 23, 59, 59), {0, 1}), M(1990, 2, 1, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1995, 12, 31, 23, 0, 0), {0, 7200}), M(1996, 1, 1, 1, 0, 0));
  EXPECT_EQ(AddSpan(M(1995, 1, 1, 0, 0, 0), {365, 0}), M(1996, 1, 1, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1995, 1, 1, 0, 0, 0), {0, 3 * 86400 + 5}), M(1995, 1, 4, 0, 0, 5));
}

TEST(AddSpan, BorrowsBackwardOverMonthYearAndLeapDay) {
  EXPECT_EQ(AddSpan(M(1995, 1, 1, 0, 0, 10), {0, -20}), M(1994, 12, 31, 23, 59, 50));
  EXPECT_EQ(AddSpan(M(1992, 3, 1, 0, 0, 0), {0, -1}), M(1992, 2, 29, 23, 59, 59));
  EXPECT_EQ(AddSpan(M(1993, 3, 1, 6, 0, 0), {-1, 0}), M(1993, 2, 28, 6, 0, 0));
  EXPECT_EQ(AddSpan(M(1993, 1, 1, 0, 0, 0), {-366, 0}), M(1992, 1, 1, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1995, 5, 1, 0, 0, 10), {0, -10}), M(1995, 5, 1, 0, 0, 0));
  EXPECT_EQ(AddSpan(M(1995, 5, 3, 0, 0, 4), {0, -2 * 86400 - 5}), M(1995, 4, 30, 23, 59, 59));
}

TEST(AddSpan, ResultHasSpareZeroAndInvalidDatesStayInvalid) {
  Moment m = M(1995, 1, 1, 0, 0, 0);
  m.date.spare = 7;
  EXPECT_EQ(AddSpan(m, {1, 0}).date.spare, 0);
  // beyond the day-number range the calendar still works
  EXPECT_EQ(AddSpan(M(1990, 1, 1, 0, 0, 0), {0, -1}), M(1989, 12, 31, 23, 59, 59));
  const Moment bad = AddSpan({D(1995, 13, 1), 100}, {1, 50});
  EXPECT_FALSE(IsCalendarDate(bad.date));
  EXPECT_EQ(bad.seconds, 150);
}

TEST(SpanBetween, IsTheSameInEitherOrderAndNeverNegative) {
  EXPECT_EQ(SpanBetween(10, 80000, 12, 100), (Span{1, 6500}));
  EXPECT_EQ(SpanBetween(12, 100, 10, 80000), (Span{1, 6500}));
  EXPECT_EQ(SpanBetween(5, 100, 5, 50), (Span{0, 50}));
  EXPECT_EQ(SpanBetween(5, 50, 5, 100), (Span{0, 50}));
  EXPECT_EQ(SpanBetween(3, 0, 3, 0), (Span{0, 0}));
  EXPECT_EQ(SpanBetween(0, 0, 65534, 86399), (Span{65534, 86399}));
}

TEST(UnpackTimestamp, DecodesEveryFieldFromItsBits) {
  // 2008-12-31 23:59:58, plus the run-start bit
  const std::uint32_t packed =
      59u | (23u << 6) | (31u << 11) | (58u << 16) | (12u << 22) | (15u << 26) | kTimestampRunStart;
  const Moment m = UnpackTimestamp(packed);
  EXPECT_EQ(m.date, D(2008, 12, 31));
  EXPECT_EQ(m.seconds, TimeOfDay(23, 59, 58));
  EXPECT_TRUE(IsRunStart(packed));
  EXPECT_FALSE(IsRunStart(packed & ~kTimestampRunStart));
  EXPECT_EQ(UnpackTimestamp(packed | 0x80000000u), m);  // bit 31 is ignored

  // each field alone, so overlapping masks would show
  EXPECT_EQ(UnpackTimestamp(7u).seconds, 7 * 60);
  EXPECT_EQ(UnpackTimestamp(5u << 6).seconds, 5 * 3600);
  EXPECT_EQ(UnpackTimestamp(9u << 11).date, D(1993, 0, 9));
  EXPECT_EQ(UnpackTimestamp(33u << 16).seconds, 33);
  EXPECT_EQ(UnpackTimestamp(4u << 22).date, D(1993, 4, 0));
  EXPECT_EQ(UnpackTimestamp(3u << 26).date, D(1996, 0, 0));
}

TEST(UnpackTimestamp, ZeroIsABadDate) {
  const Moment m = UnpackTimestamp(0);
  EXPECT_EQ(m.date, D(1993, 0, 0));
  EXPECT_EQ(m.seconds, 0);
  EXPECT_EQ(MomentText(m.date, m.seconds, Locale::German()), "*BAD DATE*");
}

TEST(DateTimeValue, ConvertsBothWays) {
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(1899, 12, 30), 0), 0.0);
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(1990, 1, 1), 0), 32874.0);
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(100, 1, 1), 0), -657434.0);
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(2000, 1, 1), 43200), 36526.5);
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(95, 1, 1), 0), MomentToDateTime(D(1995, 1, 1), 0));
  EXPECT_DOUBLE_EQ(MomentToDateTime(D(1993, 0, 0), 21600), 1.25);  // fallback date value

  for (const Moment& m : {M(1992, 2, 29, 23, 59, 59), M(2078, 12, 31, 0, 0, 1),
                          M(1899, 12, 29, 6, 0, 0), M(1900, 3, 1, 12, 0, 0)}) {
    const double v = MomentToDateTime(m.date, m.seconds);
    EXPECT_EQ(DateTimeToMoment(v), m) << v;
    EXPECT_EQ(DateTimeToRecord(v), m.date);
    EXPECT_EQ(DateTimeToSeconds(v), m.seconds);
  }
  // a hair below midnight reads as the next day, not as hour 24
  EXPECT_EQ(DateTimeToMoment(36526.0 - 1e-9), M(2000, 1, 1, 0, 0, 0));
  // 12:00:00.999 keeps second 0
  EXPECT_EQ(DateTimeToSeconds(36526.5 + 0.999 / 86400), 43200);
}

TEST(DateTimeValue, UnusableValuesGiveTheInvalidRecord) {
  EXPECT_EQ(DateTimeToMoment(std::numeric_limits<double>::quiet_NaN()), Moment{});
  EXPECT_EQ(DateTimeToMoment(std::numeric_limits<double>::infinity()), Moment{});
  EXPECT_EQ(DateTimeToMoment(1e9), Moment{});
  EXPECT_EQ(DateTimeToMoment(-1e9), Moment{});
}

TEST(DateTimeText, FormatsWithTheLocalePatterns) {
  const DateRecord date = D(1995, 2, 1);
  const std::int32_t t = TimeOfDay(12, 34, 56);
  EXPECT_EQ(MomentText(date, t, Locale::German()), "01.02.1995  12:34:56");
  EXPECT_EQ(MomentText(date, t, Locale::English()), "01/02/1995  12:34:56");
  EXPECT_EQ(MomentText(date, t, Locale::Danish()), "01-02-1995  12:34:56");
  EXPECT_EQ(MomentText(D(97, 7, 4), 0, Locale::French()), "04/07/1997  00:00:00");
  EXPECT_EQ(ShortDateText(date, Locale::German()).value(), "01.02.1995");
  EXPECT_EQ(LongTimeText(86399, Locale::German()).value(), "23:59:59");

  EXPECT_EQ(FormatDateTimePattern("d.M.yy", D(2005, 3, 7), 0), "7.3.05");
  EXPECT_EQ(FormatDateTimePattern("h:mm AP", {}, TimeOfDay(13, 5, 0)), "1:05 PM");
  EXPECT_EQ(FormatDateTimePattern("hh:mm ap", {}, TimeOfDay(0, 5, 0)), "12:05 am");
  EXPECT_EQ(FormatDateTimePattern("h:m:s", {}, TimeOfDay(13, 5, 9)), "13:5:9");
  EXPECT_EQ(FormatDateTimePattern("HH 'Uhr' mm, ''s''", {}, TimeOfDay(8, 7, 0)), "08 Uhr 07, '0'");
}

// A pattern compiled once serves many texts, each appended to what is there.
TEST(DateTimeText, CompiledPatternAppendsEachText) {
  const DateTimePattern time("hh:mm AP|");
  std::string out;
  time.Append(out, {}, TimeOfDay(0, 5, 0));
  time.Append(out, {}, TimeOfDay(23, 59, 0));
  EXPECT_EQ(out, "12:05 AM|11:59 PM|");
  // The 1900 rule for the record; parts stand as they are.
  const DateTimePattern date("yyyy-M-d");
  out.clear();
  date.Append(out, D(97, 7, 4), 0);
  EXPECT_EQ(out, "1997-7-4");
  out.clear();
  date.Append(out, CalendarTime{1, 2, 3, 0, 0, 0});
  EXPECT_EQ(out, "0001-2-3");
  // A long pattern is not cut.
  const std::string longPattern = std::string(3000, 'x') + "dd";
  EXPECT_EQ(FormatDateTimePattern(longPattern, D(2005, 3, 7), 0), std::string(3000, 'x') + "07");
}

TEST(DateTimeText, FallbacksForDatesAndTimesThatCannotBeFormed) {
  const Locale de = Locale::German();
  const std::int32_t t = TimeOfDay(12, 34, 56);
  EXPECT_EQ(MomentText(D(1995, 13, 1), t, de), "*BAD DATE*");
  EXPECT_EQ(MomentText(D(1995, 2, 29), t, de), "*BAD DATE*");
  EXPECT_EQ(MomentText(D(1995, 2, 1), 86400, de), "*BAD DATE*");
  EXPECT_EQ(MomentText(D(1995, 2, 1), -1, de), "*BAD DATE*");
  EXPECT_EQ(MomentTextLenient(D(1995, 13, 1), t, de), "???  12:34:56");
  EXPECT_EQ(MomentTextLenient(D(1995, 2, 1), 90000, de), "01.02.1995  ???");
  EXPECT_EQ(MomentTextLenient(D(0, 0, 0), -5, de), "???  ???");
  EXPECT_FALSE(ShortDateText(D(1995, 4, 31), de).has_value());
  EXPECT_FALSE(LongTimeText(-1, de).has_value());
}

TEST(ReceptionStamp, WritesReadsAndRefusesShortProlog) {
  Bytes prolog(kPrologSize, 0xAA);
  EXPECT_TRUE(ReceptionSet(prolog));  // 0xAAAA is far above 1996
  StampReception(prolog, MomentToDateTime(D(1997, 5, 6), TimeOfDay(7, 8, 9)));
  EXPECT_EQ(LoadU16(&prolog[154]), 1997);
  EXPECT_EQ(prolog[156], 5);
  EXPECT_EQ(prolog[157], 6);
  EXPECT_EQ(prolog[158], 7);
  EXPECT_EQ(prolog[159], 8);
  EXPECT_EQ(prolog[153], 0xAA);  // nothing outside the stamp changes
  EXPECT_TRUE(ReceptionSet(prolog));
  EXPECT_EQ(ReceptionText(prolog), "06.05 1997 / 07:08");

  StoreU16(&prolog[154], 1996);
  EXPECT_FALSE(ReceptionSet(prolog));
  StoreU16(&prolog[154], 1997);
  EXPECT_TRUE(ReceptionSet(prolog));

  Bytes shortProlog(159, 0);
  EXPECT_THROW(StampReception(shortProlog, 36526.0), EOutOfBounds);
  EXPECT_THROW(ReceptionSet(shortProlog), EOutOfBounds);
  EXPECT_THROW(ReceptionText(shortProlog), EOutOfBounds);
}

TEST(DateRecordBytes, LoadAndStoreKeepTheSpareByte) {
  std::uint8_t raw[kDateRecordSize] = {0xCD, 0x07, 12, 24, 0x5A};
  const DateRecord d = LoadDateRecord(raw);
  EXPECT_EQ(d, (DateRecord{1997, 12, 24, 0x5A}));
  std::uint8_t back[kDateRecordSize] = {};
  StoreDateRecord(back, d);
  EXPECT_EQ(std::memcmp(raw, back, kDateRecordSize), 0);
}

TEST(Clock, NowAgreesWithTheCurrentMoment) {
  const double before = MomentToDateTime(CurrentMoment().date, CurrentMoment().seconds);
  const double now = NowDateTime();
  EXPECT_TRUE(IsCalendarDate(DateTimeToRecord(now)));
  EXPECT_LT(std::fabs(now - before), 5.0 / 86400);
}

#ifndef _WIN32
TEST(Clock, LocalDateTimeKeepsMilliseconds) {
  const char* oldTz = std::getenv("TZ");
  const std::string saved = oldTz ? oldTz : "";
  setenv("TZ", "UTC", 1);
  tzset();
  using namespace std::chrono;
  const auto point = sys_days{year{1990} / 1 / 1} + hours{12} + milliseconds{500};
  EXPECT_DOUBLE_EQ(LocalDateTime(point), 32874.5 + 0.5 / 86400);
  if (oldTz)
    setenv("TZ", saved.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}
#endif

}  // namespace
}  // namespace gd
