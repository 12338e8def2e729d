#include "export/CellConversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/DateTime.h"
#include "core/DateTimePattern.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string_view TrimBlanksAndTabs(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// --- patterns -----------------------------------------------------------

using Pattern = DateTimePattern;
using Field = DateTimePattern::Field;

Pattern Compiled(std::string_view pattern) {
  return Pattern(pattern, Pattern::Syntax::Spreadsheet);
}

struct Parts {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

std::string Format(const Pattern& pattern, const Parts& p) {
  std::string out;
  pattern.Append(out, CalendarTime{p.year, p.month, p.day, p.hour, p.minute, p.second});
  return out;
}

// Reads `text` from `pos` along the pattern; fields the pattern does not hold
// stay untouched in `p`. Returns false when the text does not fit.
bool Parse(const Pattern& pattern, std::string_view text, std::size_t& pos, Parts& p, bool& sawYear,
           bool& sawMonth, bool& sawDay) {
  const bool twelveHour = pattern.HasAmPm();
  std::optional<bool> pm;
  for (const Pattern::Token& t : pattern.Tokens()) {
    if (t.field == Field::Literal) {
      const std::string_view literal = pattern.Text(t);
      if (text.substr(pos, literal.size()) != literal) return false;
      pos += literal.size();
      continue;
    }
    if (t.field == Field::AmPm) {
      const std::string_view am = pattern.Text(t), pmText = pattern.PmText(t);
      if (StartsWithNoCase(text, pos, am)) {
        pm = false;
        pos += am.size();
      } else if (StartsWithNoCase(text, pos, pmText)) {
        pm = true;
        pos += pmText.size();
      } else {
        return false;
      }
      continue;
    }
    const bool year = t.field == Field::Year2 || t.field == Field::Year4;
    const std::size_t maxDigits = year ? 4 : 2;
    std::size_t n = 0;
    int value = 0;
    while (n < maxDigits && pos + n < text.size() && IsDigit(text[pos + n])) {
      value = value * 10 + (text[pos + n] - '0');
      ++n;
    }
    if (n == 0) return false;
    pos += n;
    switch (t.field) {
      case Field::Day:
        p.day = value;
        sawDay = true;
        break;
      case Field::Month:
        p.month = value;
        sawMonth = true;
        break;
      case Field::Year2:
      case Field::Year4:
        p.year = n <= 2 ? (value >= 90 ? 1900 + value : 2000 + value) : value;
        sawYear = true;
        break;
      case Field::Hour:
      case Field::Hour12:
        p.hour = value;
        break;
      case Field::Minute:
        p.minute = value;
        break;
      case Field::Second:
        p.second = value;
        break;
      default:
        break;
    }
  }
  if (twelveHour) {
    if (p.hour < 1 || p.hour > 12) return false;
    p.hour = (p.hour % 12) + (pm.value_or(false) ? 12 : 0);
  }
  return p.hour <= 23 && p.minute <= 59 && p.second <= 59;
}

// --- calendar -----------------------------------------------------------

// Days from 1899-12-30 to y-m-d (proleptic Gregorian calendar).
std::int64_t DayNumberOf(int y, int m, int d) {
  return DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kDateTimeEpochDays;
}

void CivilFromDayNumber(std::int64_t dayNumber, Parts& p) {
  const Civil c = CivilFromDays(dayNumber + kDateTimeEpochDays);
  p.year = static_cast<int>(c.year);
  p.month = static_cast<int>(c.month);
  p.day = static_cast<int>(c.day);
}

// Splits a date-time number into its calendar parts after rounding to milliseconds.
Parts Decode(double dateTime) {
  if (!(dateTime >= kMinDateTime && dateTime < kMaxDateTimeEnd))
    throw EConvertError(FloatToText(Locale{}, dateTime) + " is not a valid date and time");
  const std::int64_t ms = std::llround(dateTime * static_cast<double>(kMsPerDay));
  Parts p;
  CivilFromDayNumber(ms / kMsPerDay, p);  // the day part counts towards zero
  std::int64_t t = (ms < 0 ? -ms : ms) % kMsPerDay;
  p.hour = static_cast<int>(t / 3600000);
  p.minute = static_cast<int>(t / 60000 % 60);
  p.second = static_cast<int>(t / 1000 % 60);
  p.millisecond = static_cast<int>(t % 1000);
  if (p.year > 9999) {  // rounding crossed into the year 10000
    throw EConvertError(FloatToText(Locale{}, dateTime) + " is not a valid date and time");
  }
  return p;
}

double DateFromParts(const Parts& p, std::string_view text, const char* what) {
  if (p.year < 1 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
      p.day > DaysInMonth(p.month, p.year))
    throw EConvertError(Quoted(text) + " is not a valid " + what);
  return static_cast<double>(DayNumberOf(p.year, p.month, p.day));
}

double TimeFromParts(const Parts& p) {
  return (p.hour * 3600.0 + p.minute * 60.0 + p.second) / 86400.0;
}

// A date followed by a time: the day number plus the fraction, the fraction
// counting forward from the day's start also before day 0.
double Combine(double date, double time) { return date >= 0 ? date + time : date - time; }

}  // namespace

// --- numbers ------------------------------------------------------------

std::string FloatToText(const Locale& locale, double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string raw(buf, res.ptr);
  std::string out;
  std::size_t e = raw.find('e');
  std::string mantissa = raw.substr(0, e);
  for (char c : mantissa) out += c == '.' ? locale.decimalSeparator : c;
  if (e != std::string::npos) {
    out += 'E';
    std::size_t i = e + 1;
    if (raw[i] == '-') out += '-';
    if (raw[i] == '-' || raw[i] == '+') ++i;
    while (i + 1 < raw.size() && raw[i] == '0') ++i;
    out += raw.substr(i);
  }
  return out;
}

double TextToFloat(const Locale& locale, std::string_view text) {
  const std::string_view t = TrimBlanksAndTabs(text);
  std::string normal;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') normal += '-';
    ++i;
  }
  std::size_t digits = 0;
  bool separator = false;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) {
      normal += t[i];
      ++digits;
    } else if (t[i] == locale.decimalSeparator && !separator) {
      normal += '.';
      separator = true;
    } else {
      break;
    }
  }
  bool ok = digits > 0;
  if (ok && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) normal += t[i++];
    std::size_t expDigits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++expDigits) normal += t[i];
    ok = expDigits > 0;
  }
  double value = 0;
  if (ok && i == t.size()) {
    auto res = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    ok = res.ec == std::errc() && res.ptr == normal.data() + normal.size() && std::isfinite(value);
  } else {
    ok = false;
  }
  if (!ok) throw EConvertError(Quoted(text) + " is not a valid floating point value");
  return value;
}

std::int32_t TextToInteger(std::string_view text) {
  std::string_view t = TrimBlanksAndTabs(text);
  if (t.size() > 1 && t[0] == '+' && IsDigit(t[1])) t.remove_prefix(1);
  std::int32_t value = 0;
  auto res = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size() ||
      (t.front() == '-' && t.size() == 1))
    throw EConvertError(Quoted(text) + " is not a valid integer value");
  return value;
}

// --- dates and times ----------------------------------------------------

std::string DateToText(const Locale& locale, double dateTime) {
  return Format(Compiled(locale.shortDatePattern), Decode(dateTime));
}

std::string TimeToText(const Locale& locale, double dateTime) {
  return Format(Compiled(locale.longTimePattern), Decode(dateTime));
}

namespace {

double ParseDate(const Locale& locale, std::string_view whole, std::string_view t, std::size_t& pos,
                 const char* what) {
  Parts p;
  bool sawYear = false, sawMonth = false, sawDay = false;
  if (!Parse(Compiled(locale.shortDatePattern), t, pos, p, sawYear, sawMonth, sawDay) || !sawYear ||
      !sawMonth || !sawDay)
    throw EConvertError(Quoted(whole) + " is not a valid " + what);
  return DateFromParts(p, whole, what);
}

double ParseTime(const Locale& locale, std::string_view whole, std::string_view t, std::size_t& pos,
                 const char* what) {
  Parts p;
  bool sawYear = false, sawMonth = false, sawDay = false;
  if (!Parse(Compiled(locale.longTimePattern), t, pos, p, sawYear, sawMonth, sawDay))
    throw EConvertError(Quoted(whole) + " is not a valid " + what);
  return TimeFromParts(p);
}

}  // namespace

double TextToDate(const Locale& locale, std::string_view text) {
  const std::string_view t = TrimBlanksAndTabs(text);
  std::size_t pos = 0;
  const double date = ParseDate(locale, text, t, pos, "date");
  if (pos != t.size()) throw EConvertError(Quoted(text) + " is not a valid date");
  return date;
}

double TextToTime(const Locale& locale, std::string_view text) {
  const std::string_view t = TrimBlanksAndTabs(text);
  std::size_t pos = 0;
  const double time = ParseTime(locale, text, t, pos, "time");
  if (pos != t.size()) throw EConvertError(Quoted(text) + " is not a valid time");
  return time;
}

double TextToDateTime(const Locale& locale, std::string_view text) {
  const char* what = "date and time";
  const std::string_view t = TrimBlanksAndTabs(text);
  std::size_t pos = 0;
  const double date = ParseDate(locale, text, t, pos, what);
  if (pos == t.size()) return date;
  if (t[pos] != ' ' && t[pos] != '\t')
    throw EConvertError(Quoted(text) + " is not a valid " + what);
  while (t[pos] == ' ' || t[pos] == '\t') ++pos;
  const double time = ParseTime(locale, text, t, pos, what);
  if (pos != t.size()) throw EConvertError(Quoted(text) + " is not a valid " + what);
  return Combine(date, time);
}

// --- spreadsheet format codes -------------------------------------------

std::string ShortTimePattern(const Locale& locale) {
  const std::string& pattern = locale.longTimePattern;
  const Pattern compiled = Compiled(pattern);
  const std::vector<Pattern::Token>& tokens = compiled.Tokens();
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].field != Field::Second) continue;
    // Drop the seconds with the text that separates them from the field before;
    // when they come first, with the text that follows them.
    std::size_t from = tokens[i].begin, to = tokens[i].end;
    if (i >= 2 && tokens[i - 1].field == Field::Literal) {
      from = tokens[i - 1].begin;
    } else if (i + 1 < tokens.size() && tokens[i + 1].field == Field::Literal) {
      to = tokens[i + 1].end;
    }
    return pattern.substr(0, from) + pattern.substr(to);
  }
  return pattern;
}

std::string UnifyAmPm(std::string format) {
  for (std::string_view from : {"AM/PM", "am/pm", "a/p", "A/P", "ampm", "AMPM"}) {
    for (std::size_t pos = format.find(from); pos != std::string::npos;
         pos = format.find(from, pos + 5)) {
      format.replace(pos, from.size(), "AM/PM");
    }
  }
  return format;
}

}  // namespace gd
