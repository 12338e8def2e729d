// Number texts of the text output.
//
// FloatToFixed writes a value in fixed notation with a given number of
// decimals, keeping at most `precision` significant digits; a value with more
// integer digits than that switches to exponent notation ("1.5E12"). Rounding
// is half away from zero on the decimal digits of the value, so 0.125 with two
// decimals gives "0.13".
//
// NumberFormat is the engine's FormatNumber: FloatToFixed with precision
// ColLength and the system decimal separator, right-aligned in ColLength
// characters, then the separator forced by the text style bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace gd {

// Fixed notation with `decimals` decimals (clamped to 0..18) and at most
// `precision` (1..18) significant digits, `decimalSeparator` between integer
// and fraction. No padding, no thousands separator, no sign on a value that
// rounds to zero. NaN and infinities give "NAN", "INF" and "-INF".
std::string FloatToFixed(long double value, int precision, int decimals, char decimalSeparator);

// Room FormatFixed needs in its output buffer.
inline constexpr std::size_t kFixedTextCapacity = 64;
// FloatToFixed into a caller's buffer of kFixedTextCapacity bytes, without
// allocating (the conversion of value records calls it for every column);
// returns the number of characters written.
std::size_t FormatFixed(char* out, long double value, int precision, int decimals,
                        char decimalSeparator);

struct NumberFormat {
  static constexpr int kMaxText = 40;

  int colLength = 9;                  // characters per number, 7..16
  std::uint32_t styleBits = 0;        // the text style bit set
  char systemDecimalSeparator = ',';  // the locale's decimal separator

  // FloatToFixed(value, colLength, decimals, system separator) right-aligned
  // in colLength characters and cut to 40; then the decimal separator the
  // style bits force (ApplyDecimalStyle).
  std::string Format(int decimals, long double value) const;

  // The same with another number width for one call (the parameter-set grid
  // formats with width 9 whatever the user's setting is).
  NumberFormat WithColLength(int width) const {
    NumberFormat f = *this;
    f.colLength = width;
    return f;
  }
};

}  // namespace gd
