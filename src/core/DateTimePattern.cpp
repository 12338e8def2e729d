#include "core/DateTimePattern.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "core/TextTools.h"

namespace gd {

void DateTimePattern::AddField(Field field, int digits, std::size_t begin, std::size_t end) {
  Token t;
  t.field = field;
  t.digits = static_cast<std::uint8_t>(digits);
  t.begin = begin;
  t.end = end;
  tokens_.push_back(t);
}

void DateTimePattern::AddLiteral(std::string_view text, std::size_t begin, std::size_t end) {
  // A literal right after a literal joins it; its text is the last in text_.
  if (!tokens_.empty() && tokens_.back().field == Field::Literal) {
    tokens_.back().textLength += static_cast<std::uint32_t>(text.size());
    tokens_.back().end = end;
  } else {
    Token t;
    t.textStart = static_cast<std::uint32_t>(text_.size());
    t.textLength = static_cast<std::uint32_t>(text.size());
    t.begin = begin;
    t.end = end;
    tokens_.push_back(t);
  }
  text_.append(text);
}

void DateTimePattern::AddAmPm(std::string_view am, std::string_view pm, std::size_t begin,
                              std::size_t end) {
  Token t;
  t.field = Field::AmPm;
  t.textStart = static_cast<std::uint32_t>(text_.size());
  t.textLength = static_cast<std::uint32_t>(am.size());
  t.begin = begin;
  t.end = end;
  tokens_.push_back(t);
  text_.append(am);
  text_.append(pm);
}

void DateTimePattern::Compile(std::string_view pattern, Syntax syntax) {
  tokens_.clear();
  text_.clear();
  if (syntax == Syntax::Locale)
    CompileLocale(pattern);
  else
    CompileSpreadsheet(pattern);
}

void DateTimePattern::CompileLocale(std::string_view pattern) {
  const bool twelveHour =
      pattern.find("AP") != std::string_view::npos || pattern.find("ap") != std::string_view::npos;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (c == '\'') {
      if (run >= 2) {  // '' stands for one quote
        AddLiteral("'", i, i + 2);
        i += 2;
        continue;
      }
      const std::size_t close = pattern.find('\'', i + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      const std::size_t next = end == pattern.size() ? end : end + 1;
      AddLiteral(pattern.substr(i + 1, end - i - 1), i, next);
      i = next;
      continue;
    }
    if ((c == 'A' || c == 'a') && i + 1 < pattern.size() &&
        pattern[i + 1] == (c == 'A' ? 'P' : 'p')) {
      AddAmPm(c == 'A' ? "AM" : "am", c == 'A' ? "PM" : "pm", i, i + 2);
      i += 2;
      continue;
    }
    if (c == 'y') {
      AddField(run >= 3 ? Field::Year4 : Field::Year2, run >= 3 ? 4 : 2, i, i + run);
      i += run;
      continue;
    }
    const std::size_t used = run >= 2 ? 2 : 1;
    const int digits = static_cast<int>(used);
    switch (c) {
      case 'd':
        AddField(Field::Day, digits, i, i + used);
        break;
      case 'M':
        AddField(Field::Month, digits, i, i + used);
        break;
      case 'H':
        AddField(Field::Hour, digits, i, i + used);
        break;
      case 'h':
        AddField(twelveHour ? Field::Hour12 : Field::Hour, digits, i, i + used);
        break;
      case 'm':
        AddField(Field::Minute, digits, i, i + used);
        break;
      case 's':
        AddField(Field::Second, digits, i, i + used);
        break;
      default:
        AddLiteral(pattern.substr(i, used), i, i + used);
        break;
    }
    i += used;
  }
}

void DateTimePattern::CompileSpreadsheet(std::string_view pattern) {
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const std::size_t begin = i;
    bool matchedAmPm = false;
    for (std::string_view word : {"am/pm", "a/p", "ampm"}) {
      if (!StartsWithNoCase(pattern, i, word)) continue;
      const std::string_view written = pattern.substr(i, word.size());
      i += word.size();
      if (word == "a/p")  // one letter, case as written
        AddAmPm(written.substr(0, 1), written.substr(2, 1), begin, i);
      else if (word == "am/pm")  // case as written
        AddAmPm(written.substr(0, 2), written.substr(3, 2), begin, i);
      else
        AddAmPm("AM", "PM", begin, i);
      matchedAmPm = true;
      break;
    }
    if (matchedAmPm) continue;
    if (c == '\'' || c == '"') {
      std::size_t close = pattern.find(c, i + 1);
      if (close == std::string_view::npos) close = pattern.size();
      const std::size_t next = std::min(close + 1, pattern.size());
      AddLiteral(pattern.substr(i + 1, close - i - 1), begin, next);
      i = next;
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
        field = Field::Year2;
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
      AddLiteral(pattern.substr(i, 1), begin, i + 1);
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() &&
           (pattern[i + run] == c || (field == Field::Hour && LowerAscii(pattern[i + run]) == 'h')))
      ++run;
    i += run;
    if (field == Field::Year2)
      AddField(run >= 3 ? Field::Year4 : Field::Year2, run >= 3 ? 4 : 2, begin, i);
    else
      AddField(field, run >= 2 ? 2 : 1, begin, i);
  }
  if (HasAmPm()) {
    for (Token& t : tokens_)
      if (t.field == Field::Hour) t.field = Field::Hour12;
  }
}

bool DateTimePattern::HasAmPm() const {
  return std::any_of(tokens_.begin(), tokens_.end(),
                     [](const Token& t) { return t.field == Field::AmPm; });
}

void DateTimePattern::Append(std::string& out, const DateRecord& date, std::int32_t seconds) const {
  const TimeParts t = SplitTime(seconds);
  Append(out, CalendarTime{FullYear(date.year), date.month, date.day, t.hour, t.minute, t.second});
}

void DateTimePattern::Append(std::string& out, const CalendarTime& parts) const {
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
      case Field::AmPm: {
        std::size_t start = tok.textStart;
        if (tok.field == Field::AmPm && parts.hour >= 12) start += tok.textLength;
        if (tok.textLength == 1) {  // the usual separator
          *p++ = text_[start];
        } else if (tok.textLength > room()) {
          flush();
          out.append(text_, start, tok.textLength);
        } else {
          std::memcpy(p, text_.data() + start, tok.textLength);
          p += tok.textLength;
        }
        continue;
      }
      case Field::Day:
        v = parts.day;
        break;
      case Field::Month:
        v = parts.month;
        break;
      case Field::Year2:
        v = parts.year % 100;
        break;
      case Field::Year4:
        v = parts.year;
        break;
      case Field::Hour:
        v = parts.hour;
        break;
      case Field::Hour12:
        v = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
        break;
      case Field::Minute:
        v = parts.minute;
        break;
      case Field::Second:
        v = parts.second;
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
