// Date and time patterns compiled once into fields.
//
// A conversion writes a date and a time for every record of a series of up to
// some 300 000 records, so a locale's pattern is compiled once into a list of
// fields and each text is appended without reading the pattern again. The
// same compiled form serves FormatDateTimePattern and the spreadsheet cells,
// which also read texts back along it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"

namespace gd {

class DateTimePattern {
 public:
  // How a pattern text is read. Both know d dd M MM yy yyyy H HH h hh m mm s
  // ss and take every other character as it stands.
  enum class Syntax : std::uint8_t {
    // The Locale patterns: AP/ap give AM/PM (am/pm), and h and hh count
    // 1..12 when the pattern holds AP or ap anywhere; text in single quotes,
    // '' is a quote; a letter repeated more than twice starts a new field
    // (yyy and longer is a four-digit year).
    Locale,
    // The spreadsheet cells: a run of one field letter is one field (H and h
    // mixed); text in single or double quotes; "am/pm", "a/p" and "ampm" in
    // any case are AM/PM designators, shown as written ("ampm" as AM/PM), and
    // with one every hour field counts 1..12.
    Spreadsheet,
  };

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
    AmPm,
  };

  struct Token {
    Field field = Field::Literal;
    std::uint8_t digits = 1;  // minimum digits of a number field
    // A literal's text, or an AM/PM designator's morning text followed by its
    // afternoon text of the same length, in the pattern's text store.
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
    // Where the token stands in the pattern.
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  DateTimePattern() = default;
  explicit DateTimePattern(std::string_view pattern, Syntax syntax = Syntax::Locale) {
    Compile(pattern, syntax);
  }

  void Compile(std::string_view pattern, Syntax syntax = Syntax::Locale);

  // The text of the date record (1900 rule applied) and time of day.
  void Append(std::string& out, const DateRecord& date, std::int32_t seconds) const;
  void Append(std::string& out, const CalendarTime& parts) const;

  const std::vector<Token>& Tokens() const { return tokens_; }
  // A literal's text; a designator's morning text.
  std::string_view Text(const Token& token) const {
    return std::string_view(text_).substr(token.textStart, token.textLength);
  }
  // A designator's afternoon text.
  std::string_view PmText(const Token& token) const {
    return std::string_view(text_).substr(token.textStart + token.textLength, token.textLength);
  }
  bool HasAmPm() const;

 private:
  void CompileLocale(std::string_view pattern);
  void CompileSpreadsheet(std::string_view pattern);
  void AddField(Field field, int digits, std::size_t begin, std::size_t end);
  void AddLiteral(std::string_view text, std::size_t begin, std::size_t end);
  void AddAmPm(std::string_view am, std::string_view pm, std::size_t begin, std::size_t end);

  std::vector<Token> tokens_;
  std::string text_;
};

}  // namespace gd
