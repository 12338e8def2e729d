// Date and time texts for the conversion of value records.
//
// A conversion writes a date and a time for every record of a series of up to
// some 300 000 records, so the locale's pattern is compiled once into a list
// of fields and each text is appended without parsing the pattern again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"

namespace gd {

// The text without the blanks at its start and end.
std::string_view TrimBlanks(std::string_view text);

// A date or time pattern of `Locale` (d dd M MM yy yyyy H HH h hh m mm s ss,
// AP/ap, quoted text) compiled into fields. Append gives the same text as
// FormatDateTimePattern for the same pattern.
class TDateTimePattern {
 public:
  TDateTimePattern() = default;
  explicit TDateTimePattern(std::string_view pattern) { Compile(pattern); }

  void Compile(std::string_view pattern);
  void Append(std::string& out, const DateRecord& date, std::int32_t seconds) const;

 private:
  enum class Field : std::uint8_t {
    Literal,
    Day,
    Month,
    Year2,
    Year4,
    Hour,
    Hour12,
    Minute,
    Second,
    AmPmUpper,
    AmPmLower
  };
  struct Token {
    Field field = Field::Literal;
    std::uint8_t digits = 1;
    std::uint16_t literalStart = 0;  // into literals_
    std::uint16_t literalLength = 0;
  };

  void AddLiteral(std::string_view text);

  std::vector<Token> tokens_;
  std::string literals_;
};

}  // namespace gd
