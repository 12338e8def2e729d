#include "export/CellConversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace gd {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (Lower(text[pos + i]) != Lower(word[i])) return false;
  return true;
}

// --- patterns -----------------------------------------------------------

enum class Field { Literal, Day, Month, Year, Hour, Minute, Second, AmPm };

struct Token {
  Field field = Field::Literal;
  int width = 1;          // 1 or 2 (4 for a long year)
  std::string text;       // a literal's text; for AmPm the designator as written
  std::size_t begin = 0;  // its span in the pattern
  std::size_t end = 0;
};

std::vector<Token> Tokenize(std::string_view pattern) {
  std::vector<Token> tokens;
  auto addLiteral = [&](std::string_view text, std::size_t begin, std::size_t end) {
    if (!tokens.empty() && tokens.back().field == Field::Literal) {
      tokens.back().text += text;
      tokens.back().end = end;
    } else {
      tokens.push_back({Field::Literal, 1, std::string(text), begin, end});
    }
  };
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const std::size_t begin = i;
    bool matchedAmPm = false;
    for (std::string_view word : {"am/pm", "a/p", "ampm"}) {
      if (StartsWithNoCase(pattern, i, word)) {
        i += word.size();
        tokens.push_back(
            {Field::AmPm, 1, std::string(pattern.substr(begin, word.size())), begin, i});
        matchedAmPm = true;
        break;
      }
    }
    if (matchedAmPm) continue;
    if (c == '\'' || c == '"') {
      std::size_t close = pattern.find(c, i + 1);
      if (close == std::string_view::npos) close = pattern.size();
      addLiteral(pattern.substr(i + 1, close - i - 1), begin, std::min(close + 1, pattern.size()));
      i = std::min(close + 1, pattern.size());
      continue;
    }
    Field field = Field::Literal;
    switch (c) {
      case 'd':
        field = Field::Day;
        break;
      case 'M':
        field = Field::Month;
        break;
      case 'y':
        field = Field::Year;
        break;
      case 'H':
      case 'h':
        field = Field::Hour;
        break;
      case 'm':
        field = Field::Minute;
        break;
      case 's':
        field = Field::Second;
        break;
      default:
        break;
    }
    if (field == Field::Literal) {
      addLiteral(pattern.substr(i, 1), begin, i + 1);
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() &&
           (pattern[i + run] == c || (field == Field::Hour && Lower(pattern[i + run]) == 'h')))
      ++run;
    i += run;
    int width = run >= 2 ? 2 : 1;
    if (field == Field::Year) width = run >= 3 ? 4 : 2;
    tokens.push_back({field, width, {}, begin, i});
  }
  return tokens;
}

bool HasAmPm(const std::vector<Token>& tokens) {
  for (const Token& t : tokens)
    if (t.field == Field::AmPm) return true;
  return false;
}

struct Parts {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

std::string AmPmText(const Token& t, bool pm) {
  if (Lower(t.text[0]) == 'a' && t.text.size() == 3) {  // "a/p": one letter, case as written
    char letter = pm ? t.text[2] : t.text[0];
    return std::string(1, letter);
  }
  if (t.text.size() == 5) {  // "am/pm": case as written
    return pm ? t.text.substr(3, 2) : t.text.substr(0, 2);
  }
  return pm ? "PM" : "AM";  // "ampm"
}

std::string Format(const std::vector<Token>& tokens, const Parts& p) {
  const bool twelveHour = HasAmPm(tokens);
  std::string out;
  char buf[16];
  auto put = [&](int value, int width) {
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
  };
  for (const Token& t : tokens) {
    switch (t.field) {
      case Field::Literal:
        out += t.text;
        break;
      case Field::Day:
        put(p.day, t.width);
        break;
      case Field::Month:
        put(p.month, t.width);
        break;
      case Field::Year:
        put(t.width == 2 ? p.year % 100 : p.year, t.width);
        break;
      case Field::Hour: {
        int h = p.hour;
        if (twelveHour) h = (h % 12 == 0) ? 12 : h % 12;
        put(h, t.width);
        break;
      }
      case Field::Minute:
        put(p.minute, t.width);
        break;
      case Field::Second:
        put(p.second, t.width);
        break;
      case Field::AmPm:
        out += AmPmText(t, p.hour >= 12);
        break;
    }
  }
  return out;
}

// Reads `text` from `pos` along the pattern; fields the pattern does not hold
// stay untouched in `p`. Returns false when the text does not fit.
bool Parse(const std::vector<Token>& tokens, std::string_view text, std::size_t& pos, Parts& p,
           bool& sawYear, bool& sawMonth, bool& sawDay) {
  const bool twelveHour = HasAmPm(tokens);
  std::optional<bool> pm;
  for (const Token& t : tokens) {
    if (t.field == Field::Literal) {
      if (text.substr(pos, t.text.size()) != t.text) return false;
      pos += t.text.size();
      continue;
    }
    if (t.field == Field::AmPm) {
      const std::string am = AmPmText(t, false), pmText = AmPmText(t, true);
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
    const std::size_t maxDigits = t.field == Field::Year ? 4 : 2;
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
      case Field::Year:
        p.year = n <= 2 ? (value >= 90 ? 1900 + value : 2000 + value) : value;
        sawYear = true;
        break;
      case Field::Hour:
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

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (m == 2 && IsLeap(y)) ? 29 : kDays[m - 1];
}

// Days from 1899-12-30 to y-m-d (proleptic Gregorian calendar).
std::int64_t DayNumberOf(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;  // days since 1970-01-01, shifted to 1899-12-30
}

void CivilFromDayNumber(std::int64_t dayNumber, Parts& p) {
  std::int64_t z = dayNumber - 25569 + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  p.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  p.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  p.year = static_cast<int>(yoe + era * 400 + (p.month <= 2));
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
      p.day > DaysInMonth(p.year, p.month))
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
  const std::string_view t = TrimBlanks(text);
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
  std::string_view t = TrimBlanks(text);
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
  return Format(Tokenize(locale.shortDatePattern), Decode(dateTime));
}

std::string TimeToText(const Locale& locale, double dateTime) {
  return Format(Tokenize(locale.longTimePattern), Decode(dateTime));
}

namespace {

double ParseDate(const Locale& locale, std::string_view whole, std::string_view t, std::size_t& pos,
                 const char* what) {
  Parts p;
  bool sawYear = false, sawMonth = false, sawDay = false;
  if (!Parse(Tokenize(locale.shortDatePattern), t, pos, p, sawYear, sawMonth, sawDay) || !sawYear ||
      !sawMonth || !sawDay)
    throw EConvertError(Quoted(whole) + " is not a valid " + what);
  return DateFromParts(p, whole, what);
}

double ParseTime(const Locale& locale, std::string_view whole, std::string_view t, std::size_t& pos,
                 const char* what) {
  Parts p;
  bool sawYear = false, sawMonth = false, sawDay = false;
  if (!Parse(Tokenize(locale.longTimePattern), t, pos, p, sawYear, sawMonth, sawDay))
    throw EConvertError(Quoted(whole) + " is not a valid " + what);
  return TimeFromParts(p);
}

}  // namespace

double TextToDate(const Locale& locale, std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  std::size_t pos = 0;
  const double date = ParseDate(locale, text, t, pos, "date");
  if (pos != t.size()) throw EConvertError(Quoted(text) + " is not a valid date");
  return date;
}

double TextToTime(const Locale& locale, std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  std::size_t pos = 0;
  const double time = ParseTime(locale, text, t, pos, "time");
  if (pos != t.size()) throw EConvertError(Quoted(text) + " is not a valid time");
  return time;
}

double TextToDateTime(const Locale& locale, std::string_view text) {
  const char* what = "date and time";
  const std::string_view t = TrimBlanks(text);
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
  const std::vector<Token> tokens = Tokenize(pattern);
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
