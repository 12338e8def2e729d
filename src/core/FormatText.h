// Printf-style filling of message and cell patterns.
//
// The program's texts are German source patterns ("Nur %d Reihen enthalten")
// that pass through the dictionary before they are filled, so the pattern is
// only known at run time. FormatText fills such a pattern without the C
// library's printf: an argument of the wrong kind, a missing argument or an
// unknown conversion can never read memory it should not. Supported are
// "%%" and the conversions d, i, u and s with the flags '-' (left-aligned) and
// '0' (zero padding), a width and a precision (minimum digits for numbers,
// maximum characters for texts), as in C. A number given to %s is written in
// decimal, a text given to %d as the text; a missing argument gives nothing
// but its padding; any other '%' sequence is copied as it stands.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace gd {

class FormatArg {
 public:
  FormatArg(std::int64_t value) : isNumber_(true), number_(value) {}
  FormatArg(int value) : isNumber_(true), number_(value) {}
  FormatArg(unsigned value) : isNumber_(true), number_(value) {}
  FormatArg(std::string_view text) : text_(text) {}
  FormatArg(const std::string& text) : text_(text) {}
  FormatArg(const char* text) : text_(text) {}

  bool IsNumber() const { return isNumber_; }
  std::int64_t Number() const { return number_; }
  std::string_view Text() const { return text_; }

 private:
  bool isNumber_ = false;
  std::int64_t number_ = 0;
  std::string_view text_;
};

std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args = {});

}  // namespace gd
