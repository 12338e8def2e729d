// Calendar and time-of-day helpers for the meter's date records.
//
// The meter stores a date as a 5-byte record (year u16, month, day, a spare
// byte) and a time of day as seconds since midnight; value records carry a
// packed 32-bit timestamp. Arithmetic runs on day numbers (days since
// 1990-01-01). Texts use a Locale's short date and long time patterns and
// never throw: a date or time that cannot be formed gives a fixed fallback
// text. All functions are pure except the two clock readers at the end.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/Bytes.h"
#include "core/Locale.h"

namespace gd {

// A date as the meter stores it. A year below 100 means 1900 + year.
struct DateRecord {
  std::uint16_t year = 0;
  std::uint8_t month = 0;  // 1..12
  std::uint8_t day = 0;    // 1..31
  std::uint8_t spare = 0;  // 0 when produced here; kept as read otherwise

  friend bool operator==(const DateRecord&, const DateRecord&) = default;
};

// A date plus a time of day in seconds since midnight (0..86399).
struct Moment {
  DateRecord date;
  std::int32_t seconds = 0;

  friend bool operator==(const Moment&, const Moment&) = default;
};

// A time span in whole days plus seconds.
struct Span {
  std::int32_t days = 0;
  std::int32_t seconds = 0;

  friend bool operator==(const Span&, const Span&) = default;
};

struct TimeParts {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

inline constexpr std::size_t kDateRecordSize = 5;
inline constexpr std::int32_t kSecondsPerDay = 86400;
inline constexpr std::uint16_t kInvalidDayNumber = 0xFFFF;
// Bit 30 of a packed timestamp marks the first record of a measuring run.
inline constexpr std::uint32_t kTimestampRunStart = 1u << 30;
// Date-time values count days since 1899-12-30 (fraction = time of day).
inline constexpr double kFallbackDateValue = 1.0;
inline constexpr const char* kBadDateText = "*BAD DATE*";
inline constexpr const char* kUnformedPartText = "???";

// --- Proleptic Gregorian calendar -------------------------------------------
// Plain years (no 1900 rule), any year; days count from 1970-01-01.

struct Civil {
  std::int64_t year;
  unsigned month;  // 1..12
  unsigned day;    // 1..31
};

// 1899-12-30, day 0 of date-time values, in days since 1970-01-01.
inline constexpr std::int64_t kDateTimeEpochDays = -25569;

// Days since 1970-01-01 of year-month-day (month 1..12, day 1..31).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day);
// The date of a day count since 1970-01-01.
Civil CivilFromDays(std::int64_t days);

// --- Records and bytes ------------------------------------------------------

// Year with the 1900 rule applied (97 -> 1997, 1997 -> 1997).
int FullYear(std::uint16_t year);
// Reads / writes the 5-byte record at p (year u16 little-endian, month, day, spare).
DateRecord LoadDateRecord(const std::uint8_t* p);
void StoreDateRecord(std::uint8_t* p, const DateRecord& date);

// --- Calendar ---------------------------------------------------------------

// Gregorian leap year; a year below 100 counts as 1900 + year.
bool IsLeapYear(int year);
// 0 for month 0 or above 12; 28/29/30/31 otherwise.
int DaysInMonth(int month, int year);
// Year (after the 1900 rule) 1990..2078, month 1..12, day 1..DaysInMonth.
bool IsValidDate(const DateRecord& date);
// Any real calendar date: year 1..9999 after the 1900 rule, month and day in
// range. This is what date texts and date-time values need.
bool IsCalendarDate(const DateRecord& date);
// Days since 1990-01-01 (that day is 0); kInvalidDayNumber when !IsValidDate.
std::uint16_t DayNumber(const DateRecord& date);
// Inverse of DayNumber; kInvalidDayNumber gives year 0, month 0, day 0.
DateRecord DateFromDayNumber(std::uint16_t dayNumber);

// --- Time of day ------------------------------------------------------------

// ((hour mod 24) * 3600 + minute * 60 + second) mod 86400, never negative.
std::int32_t TimeOfDay(int hour, int minute, int second);
// hour = seconds div 3600, minute = rest div 60, second = rest mod 60.
TimeParts SplitTime(std::int32_t seconds);

// --- Spans ------------------------------------------------------------------

// The moment `span` later (or earlier, for negative parts). The time of day
// carries into the date at 86400 seconds in either direction. Works for any
// calendar date; a moment whose date is not one keeps an invalid date
// (0/0/0) while its time of day is still advanced. The spare byte becomes 0.
Moment AddSpan(const Moment& moment, const Span& span);
// The non-negative distance between two (day number, seconds) pairs, in
// either order: whole days plus 0..86399 seconds.
Span SpanBetween(std::uint16_t dayA, std::int32_t secondsA, std::uint16_t dayB,
                 std::int32_t secondsB);

// --- Packed timestamp -------------------------------------------------------
// bits 0..5 minute, 6..10 hour, 11..15 day, 16..21 second, 22..25 month,
// 26..29 year - 1993, 30 run start, 31 unused.

Moment UnpackTimestamp(std::uint32_t packed);
inline bool IsRunStart(std::uint32_t packed) { return (packed & kTimestampRunStart) != 0; }

// --- Date-time values (days since 1899-12-30 as a real number) --------------

// Date value of the record + seconds / 86400; a date that is no calendar date
// uses kFallbackDateValue.
double MomentToDateTime(const DateRecord& date, std::int32_t seconds);
// Date and time of day of a value (rounded to the millisecond, so a value a
// hair below midnight reads as the next day). Values outside years 1..9999
// or not finite give the invalid record 0/0/0 and 0 seconds.
DateRecord DateTimeToRecord(double value);
std::int32_t DateTimeToSeconds(double value);
Moment DateTimeToMoment(double value);

// --- Texts ------------------------------------------------------------------

// Formats with a Locale pattern: d dd M MM yy yyyy H HH h hh m mm s ss, AP/ap
// (AM/PM; h and hh count 1..12 only when the pattern has one), text in single
// quotes ('' is a quote), any other character as it stands. The same as
// DateTimePattern(pattern).Append (DateTimePattern.h), which compiles the
// pattern once for many texts.
std::string FormatDateTimePattern(std::string_view pattern, const DateRecord& date,
                                  std::int32_t seconds);
// The date in the locale's short date pattern; nullopt when no calendar date.
std::optional<std::string> ShortDateText(const DateRecord& date, const Locale& locale);
// The time in the locale's long time pattern; nullopt outside 0..86399.
std::optional<std::string> LongTimeText(std::int32_t seconds, const Locale& locale);
// "<date>  <time>" (two blanks), or "*BAD DATE*" when either cannot be formed.
std::string MomentText(const DateRecord& date, std::int32_t seconds, const Locale& locale);
// As MomentText, but each part that cannot be formed becomes "???" on its own.
std::string MomentTextLenient(const DateRecord& date, std::int32_t seconds, const Locale& locale);

// --- Reception stamp in the 160-byte prolog (bytes 154..159) ----------------
// year u16, month, day, hour, minute. All three throw EOutOfBounds for a
// prolog shorter than 160 bytes.

inline constexpr std::size_t kReceptionStampOffset = 154;
inline constexpr std::size_t kPrologSize = 160;

void StampReception(std::span<std::uint8_t> prolog, double dateTime);
// The stamp's year is above 1996.
bool ReceptionSet(ByteView prolog);
// "dd.mm yyyy / hh:mm" as "%2.2d.%2.2d %4.4d / %2.2d:%2.2d".
std::string ReceptionText(ByteView prolog);

// A calendar date and time of day as plain numbers, to the second; the year
// stands as it is (no 1900 rule). Comment change times, spreadsheet cells and
// compiled patterns use it.
struct CalendarTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// --- Clock ------------------------------------------------------------------

// A point of the system clock as a local date-time value (milliseconds kept).
double LocalDateTime(std::chrono::system_clock::time_point point);
// The current local date-time value.
double NowDateTime();
// The current local date and time of day, seconds truncated (not rounded).
Moment CurrentMoment();
// The same as calendar numbers with the full year.
CalendarTime CurrentCalendarTime();

}  // namespace gd
