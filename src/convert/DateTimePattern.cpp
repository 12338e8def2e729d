#include "convert/DateTimePattern.h"

#include <algorithm>
#include <cstring>

namespace gd {
namespace {

int DigitCount(std::uint64_t v) {
  int n = 1;
  for (std::uint64_t limit = 10; n < 20 && v >= limit; limit *= 10) ++n;
  return n;
}

// Writes v with at least minDigits digits (zeros in front); returns the end.
// The digits go straight to their places, last one first.
char* PutUnsigned(char* out, std::uint64_t v, int minDigits) {
  char* const end = out + std::max(DigitCount(v), minDigits);
  for (char* p = end; p != out; v /= 10) *--p = static_cast<char>('0' + v % 10);
  return end;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// --- Date and time patterns ---------------------------------------------------

void TDateTimePattern::AddLiteral(std::string_view text) {
  if (text.empty()) return;
  if (!tokens_.empty() && tokens_.back().field == Field::Literal &&
      tokens_.back().literalStart + tokens_.back().literalLength == literals_.size()) {
    tokens_.back().literalLength =
        static_cast<std::uint16_t>(tokens_.back().literalLength + text.size());
  } else {
    Token t;
    t.literalStart = static_cast<std::uint16_t>(literals_.size());
    t.literalLength = static_cast<std::uint16_t>(text.size());
    tokens_.push_back(t);
  }
  literals_.append(text);
}

void TDateTimePattern::Compile(std::string_view pattern) {
  tokens_.clear();
  literals_.clear();
  // Patterns come from the locale settings; anything past this is not a pattern.
  if (pattern.size() > 1000) pattern = pattern.substr(0, 1000);
  const bool twelveHour =
      pattern.find("AP") != std::string_view::npos || pattern.find("ap") != std::string_view::npos;
  std::size_t i = 0;
  auto add = [&](Field f, int digits) {
    Token t;
    t.field = f;
    t.digits = static_cast<std::uint8_t>(digits);
    tokens_.push_back(t);
  };
  while (i < pattern.size()) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (c == '\'') {
      if (run >= 2) {  // '' stands for one quote
        AddLiteral("'");
        i += 2;
        continue;
      }
      const std::size_t close = pattern.find('\'', i + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      AddLiteral(pattern.substr(i + 1, end - i - 1));
      i = end == pattern.size() ? end : end + 1;
      continue;
    }
    if ((c == 'A' || c == 'a') && i + 1 < pattern.size() &&
        pattern[i + 1] == (c == 'A' ? 'P' : 'p')) {
      add(c == 'A' ? Field::AmPmUpper : Field::AmPmLower, 0);
      i += 2;
      continue;
    }
    if (c == 'y') {
      add(run >= 3 ? Field::Year4 : Field::Year2, run >= 3 ? 4 : 2);
      i += run;
      continue;
    }
    const std::size_t used = run >= 2 ? 2 : 1;
    const int digits = static_cast<int>(used);
    switch (c) {
      case 'd':
        add(Field::Day, digits);
        break;
      case 'M':
        add(Field::Month, digits);
        break;
      case 'H':
        add(Field::Hour, digits);
        break;
      case 'h':
        add(twelveHour ? Field::Hour12 : Field::Hour, digits);
        break;
      case 'm':
        add(Field::Minute, digits);
        break;
      case 's':
        add(Field::Second, digits);
        break;
      default:
        AddLiteral(pattern.substr(i, used));
        break;
    }
    i += used;
  }
}

void TDateTimePattern::Append(std::string& out, const DateRecord& date,
                              std::int32_t seconds) const {
  const TimeParts t = SplitTime(seconds);
  // The fields go into a small buffer that is appended in one piece.
  char buf[64];
  char* p = buf;
  const auto room = [&] { return static_cast<std::size_t>(buf + sizeof buf - p); };
  const auto flush = [&] {
    out.append(buf, static_cast<std::size_t>(p - buf));
    p = buf;
  };
  for (const Token& tok : tokens_) {
    if (room() < 24) flush();  // room for a number of any width
    long long v = 0;
    switch (tok.field) {
      case Field::Literal:
        if (tok.literalLength == 1) {  // the usual separator
          *p++ = literals_[tok.literalStart];
        } else if (tok.literalLength > room()) {
          flush();
          out.append(literals_, tok.literalStart, tok.literalLength);
        } else {
          std::memcpy(p, literals_.data() + tok.literalStart, tok.literalLength);
          p += tok.literalLength;
        }
        continue;
      case Field::AmPmUpper:
        *p++ = t.hour < 12 ? 'A' : 'P';
        *p++ = 'M';
        continue;
      case Field::AmPmLower:
        *p++ = t.hour < 12 ? 'a' : 'p';
        *p++ = 'm';
        continue;
      case Field::Day:
        v = date.day;
        break;
      case Field::Month:
        v = date.month;
        break;
      case Field::Year2:
        v = FullYear(date.year) % 100;
        break;
      case Field::Year4:
        v = FullYear(date.year);
        break;
      case Field::Hour:
        v = t.hour;
        break;
      case Field::Hour12:
        v = t.hour % 12 == 0 ? 12 : t.hour % 12;
        break;
      case Field::Minute:
        v = t.minute;
        break;
      case Field::Second:
        v = t.second;
        break;
    }
    int digits = tok.digits;
    if (v < 0) {  // as printf's "%0*d": the sign counts in the width
      *p++ = '-';
      v = -v;
      digits = std::max(digits - 1, 1);
    }
    if (v < 100 && digits <= 2) {  // days, months, hours, minutes, seconds
      if (v >= 10 || digits == 2) *p++ = static_cast<char>('0' + v / 10);
      *p++ = static_cast<char>('0' + v % 10);
    } else {
      p = PutUnsigned(p, static_cast<std::uint64_t>(v), digits);
    }
  }
  flush();
}

}  // namespace gd
