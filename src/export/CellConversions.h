// Text conversions behind the spreadsheet cells.
//
// A spreadsheet cell is written from a value that went through the locale's
// text form and back, so that the cell holds exactly what a reader of the
// exported text would see: a number rounded to 15 significant digits, a date
// without its time, a time of day at the resolution of the long time pattern.
//
// Date-time numbers count days since 30 December 1899 (day 0); the fraction is
// the time of day. Before day 0 the fraction counts forward from the day's
// start although the number is negative (-1.25 is 29 December 1899, 06:00).
//
// Patterns are those of `Locale`: d/dd, M/MM, yy/yyyy, H/HH or h/hh, m/mm,
// s/ss, text in single or double quotes, anything else literal. A time pattern
// may hold an AM/PM designator ("AM/PM", "am/pm", "A/P", "a/p", "AMPM",
// "ampm", any case); with one the hours count 1..12, without one 0..23,
// whether written H or h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Errors.h"
#include "core/Locale.h"

namespace gd {

// A text that does not convert to the value its cell kind needs, or a value
// that has no text form (NaN, a date outside the years 1..9999).
class EConvertError : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

// Valid date-time numbers: 0001-01-01 00:00 up to (not including) 10000-01-01.
inline constexpr double kMinDateTime = -693593.0;
inline constexpr double kMaxDateTimeEnd = 2958466.0;

// The shortest general form with 15 significant digits and the locale's
// decimal separator: 1234.5 -> "1234,5", 1e20 -> "1E20", 1.5e-5 -> "1,5E-5";
// NaN and infinities give "NAN", "INF" and "-INF".
std::string FloatToText(const Locale& locale, double value);
// Optional sign, digits with at most one decimal separator of the locale, an
// optional exponent; blanks around the number are ignored. A result that does
// not fit a finite double is an error.
double TextToFloat(const Locale& locale, std::string_view text);
// Optional sign and decimal digits within the 32-bit range; blanks around are ignored.
std::int32_t TextToInteger(std::string_view text);

// The date part of `dateTime` in the locale's short date pattern.
std::string DateToText(const Locale& locale, double dateTime);
// The time part of `dateTime` in the locale's long time pattern (milliseconds
// rounded first, then the seconds shown as they stand).
std::string TimeToText(const Locale& locale, double dateTime);

// Reads a date in the short date pattern; numeric fields take one or two
// digits (years up to four). A year of one or two digits lies in 1990..2089,
// the years the meter can store. Returns the whole day number.
double TextToDate(const Locale& locale, std::string_view text);
// Reads a time in the long time pattern; fields missing from the pattern are 0.
// Returns the fraction of a day.
double TextToTime(const Locale& locale, std::string_view text);
// A date, optionally followed by blanks and a time.
double TextToDateTime(const Locale& locale, std::string_view text);

// The long time pattern without its seconds (and the separator before them):
// "HH:mm:ss" -> "HH:mm".
std::string ShortTimePattern(const Locale& locale);
// Replaces "AM/PM", "am/pm", "a/p", "A/P", "ampm" and "AMPM", in that order, by "AM/PM".
std::string UnifyAmPm(std::string format);

}  // namespace gd
