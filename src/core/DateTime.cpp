#include "core/DateTime.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "core/DateTimePattern.h"

namespace gd {

// H. Hinnant's days-from-civil algorithms, exact for every date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

Civil CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

namespace {

constexpr std::int64_t kEpoch1990 = 7305;  // 1990-01-01 in days since 1970-01-01
constexpr std::int64_t kEpoch1899 = kDateTimeEpochDays;
constexpr std::int64_t kMsPerDay = 86400000;

// Days since 1970-01-01 of a calendar date (caller checked IsCalendarDate).
std::int64_t CivilDays(const DateRecord& date) {
  return DaysFromCivil(FullYear(date.year), date.month, date.day);
}

// The record of a day count, or 0/0/0 when it leaves years 1..9999.
DateRecord RecordFromCivilDays(std::int64_t days) {
  const Civil c = CivilFromDays(days);
  if (c.year < 1 || c.year > 9999) return {};
  return {static_cast<std::uint16_t>(c.year), static_cast<std::uint8_t>(c.month),
          static_cast<std::uint8_t>(c.day), 0};
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Splits a date-time value into days since 1970-01-01 and milliseconds of
// the day. Negative values follow the usual convention: the integer part is
// the day, the magnitude of the fraction the time of day.
bool SplitDateTime(double value, std::int64_t& civilDays, std::int64_t& ms) {
  if (!std::isfinite(value) || value < -700000.0 || value > 3000000.0) return false;
  const double whole = std::trunc(value);
  ms = std::llround(std::fabs(value - whole) * static_cast<double>(kMsPerDay));
  civilDays = static_cast<std::int64_t>(whole) + kEpoch1899;
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    ++civilDays;
  }
  const Civil c = CivilFromDays(civilDays);
  return c.year >= 1 && c.year <= 9999;
}

void RequirePrologSize(std::size_t size) {
  if (size < kPrologSize) throw EOutOfBounds("prolog shorter than 160 bytes");
}

}  // namespace

int FullYear(std::uint16_t year) { return year < 100 ? 1900 + year : year; }

DateRecord LoadDateRecord(const std::uint8_t* p) { return {LoadU16(p), p[2], p[3], p[4]}; }

void StoreDateRecord(std::uint8_t* p, const DateRecord& date) {
  StoreU16(p, date.year);
  p[2] = date.month;
  p[3] = date.day;
  p[4] = date.spare;
}

bool IsLeapYear(int year) {
  if (year >= 0 && year < 100) year += 1900;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  switch (month) {
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    default:
      return 0;
  }
}

bool IsCalendarDate(const DateRecord& date) {
  const int year = FullYear(date.year);
  return year >= 1 && year <= 9999 && date.day >= 1 && date.day <= DaysInMonth(date.month, year);
}

bool IsValidDate(const DateRecord& date) {
  const int year = FullYear(date.year);
  return year >= 1990 && year <= 2078 && IsCalendarDate(date);
}

std::uint16_t DayNumber(const DateRecord& date) {
  if (!IsValidDate(date)) return kInvalidDayNumber;
  return static_cast<std::uint16_t>(CivilDays(date) - kEpoch1990);
}

DateRecord DateFromDayNumber(std::uint16_t dayNumber) {
  if (dayNumber == kInvalidDayNumber) return {};
  return RecordFromCivilDays(kEpoch1990 + dayNumber);
}

std::int32_t TimeOfDay(int hour, int minute, int second) {
  const std::int64_t total =
      static_cast<std::int64_t>(hour % 24) * 3600 + static_cast<std::int64_t>(minute) * 60 + second;
  const std::int64_t r = total % kSecondsPerDay;
  return static_cast<std::int32_t>(r < 0 ? r + kSecondsPerDay : r);
}

TimeParts SplitTime(std::int32_t seconds) {
  const int rest = seconds % 3600;
  return {seconds / 3600, rest / 60, rest % 60};
}

Moment AddSpan(const Moment& moment, const Span& span) {
  // time + seconds split with floor division: the same as borrowing one day
  // when the time of day would go below zero, and carrying at 86400.
  const std::int64_t total = static_cast<std::int64_t>(moment.seconds) + span.seconds;
  const std::int64_t carry = FloorDiv(total, kSecondsPerDay);
  Moment out;
  out.seconds = static_cast<std::int32_t>(total - carry * kSecondsPerDay);
  if (IsCalendarDate(moment.date))
    out.date = RecordFromCivilDays(CivilDays(moment.date) + span.days + carry);
  return out;
}

Span SpanBetween(std::uint16_t dayA, std::int32_t secondsA, std::uint16_t dayB,
                 std::int32_t secondsB) {
  const std::int64_t a = static_cast<std::int64_t>(dayA) * kSecondsPerDay + secondsA;
  const std::int64_t b = static_cast<std::int64_t>(dayB) * kSecondsPerDay + secondsB;
  const std::int64_t diff = a > b ? a - b : b - a;
  return {static_cast<std::int32_t>(diff / kSecondsPerDay),
          static_cast<std::int32_t>(diff % kSecondsPerDay)};
}

Moment UnpackTimestamp(std::uint32_t packed) {
  const int minute = static_cast<int>(packed & 0x3F);
  const int hour = static_cast<int>((packed >> 6) & 0x1F);
  const int day = static_cast<int>((packed >> 11) & 0x1F);
  const int second = static_cast<int>((packed >> 16) & 0x3F);
  const int month = static_cast<int>((packed >> 22) & 0x0F);
  const int year = static_cast<int>((packed >> 26) & 0x0F) + 1993;
  Moment m;
  m.date = {static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(month),
            static_cast<std::uint8_t>(day), 0};
  m.seconds = TimeOfDay(hour, minute, second);
  return m;
}

double MomentToDateTime(const DateRecord& date, std::int32_t seconds) {
  const double dateValue =
      IsCalendarDate(date) ? static_cast<double>(CivilDays(date) - kEpoch1899) : kFallbackDateValue;
  const double time = static_cast<double>(seconds) / kSecondsPerDay;
  return dateValue < 0 ? dateValue - time : dateValue + time;
}

DateRecord DateTimeToRecord(double value) { return DateTimeToMoment(value).date; }

std::int32_t DateTimeToSeconds(double value) { return DateTimeToMoment(value).seconds; }

Moment DateTimeToMoment(double value) {
  std::int64_t days = 0;
  std::int64_t ms = 0;
  if (!SplitDateTime(value, days, ms)) return {};
  return {RecordFromCivilDays(days), static_cast<std::int32_t>(ms / 1000)};
}

std::string FormatDateTimePattern(std::string_view pattern, const DateRecord& date,
                                  std::int32_t seconds) {
  std::string out;
  DateTimePattern(pattern).Append(out, date, seconds);
  return out;
}

std::optional<std::string> ShortDateText(const DateRecord& date, const Locale& locale) {
  if (!IsCalendarDate(date)) return std::nullopt;
  return FormatDateTimePattern(locale.shortDatePattern, date, 0);
}

std::optional<std::string> LongTimeText(std::int32_t seconds, const Locale& locale) {
  if (seconds < 0 || seconds >= kSecondsPerDay) return std::nullopt;
  return FormatDateTimePattern(locale.longTimePattern, DateRecord{}, seconds);
}

std::string MomentText(const DateRecord& date, std::int32_t seconds, const Locale& locale) {
  const auto dateText = ShortDateText(date, locale);
  const auto timeText = LongTimeText(seconds, locale);
  if (!dateText || !timeText) return kBadDateText;
  return *dateText + "  " + *timeText;
}

std::string MomentTextLenient(const DateRecord& date, std::int32_t seconds, const Locale& locale) {
  return ShortDateText(date, locale).value_or(kUnformedPartText) + "  " +
         LongTimeText(seconds, locale).value_or(kUnformedPartText);
}

void StampReception(std::span<std::uint8_t> prolog, double dateTime) {
  RequirePrologSize(prolog.size());
  const Moment m = DateTimeToMoment(dateTime);
  const TimeParts t = SplitTime(m.seconds);
  std::uint8_t* p = prolog.data() + kReceptionStampOffset;
  StoreU16(p, m.date.year);
  p[2] = m.date.month;
  p[3] = m.date.day;
  p[4] = static_cast<std::uint8_t>(t.hour);
  p[5] = static_cast<std::uint8_t>(t.minute);
}

bool ReceptionSet(ByteView prolog) {
  RequirePrologSize(prolog.size());
  return LoadU16(prolog.data() + kReceptionStampOffset) > 1996;
}

std::string ReceptionText(ByteView prolog) {
  RequirePrologSize(prolog.size());
  const std::uint8_t* p = prolog.data() + kReceptionStampOffset;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%2.2d.%2.2d %4.4d / %2.2d:%2.2d", p[3], p[2], LoadU16(p), p[4],
                p[5]);
  return buf;
}

namespace {

// Local broken-down time of a whole second of the system clock.
std::tm LocalTm(std::time_t t) {
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return tm;
}

Moment MomentFromTm(const std::tm& tm) {
  Moment m;
  m.date = {static_cast<std::uint16_t>(tm.tm_year + 1900), static_cast<std::uint8_t>(tm.tm_mon + 1),
            static_cast<std::uint8_t>(tm.tm_mday), 0};
  // tm_sec may be 60 during a leap second; the meter's day has no such second.
  m.seconds = TimeOfDay(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec);
  return m;
}

}  // namespace

double LocalDateTime(std::chrono::system_clock::time_point point) {
  using namespace std::chrono;
  const auto whole = floor<seconds>(point);
  const auto ms = duration_cast<milliseconds>(point - whole).count();
  const Moment m = MomentFromTm(LocalTm(system_clock::to_time_t(whole)));
  return MomentToDateTime(m.date, m.seconds) + static_cast<double>(ms) / kMsPerDay;
}

double NowDateTime() { return LocalDateTime(std::chrono::system_clock::now()); }

Moment CurrentMoment() { return MomentFromTm(LocalTm(std::time(nullptr))); }

CalendarTime CurrentCalendarTime() {
  const Moment now = CurrentMoment();
  const TimeParts t = SplitTime(now.seconds);
  return CalendarTime{
      FullYear(now.date.year), now.date.month, now.date.day, t.hour, t.minute, t.second};
}

}  // namespace gd
