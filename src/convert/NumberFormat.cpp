#include "convert/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "convert/TextStyle.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr int kMaxDigits = 18;

constexpr std::uint64_t kPow10[] = {1ull,
                                    10ull,
                                    100ull,
                                    1000ull,
                                    10000ull,
                                    100000ull,
                                    1000000ull,
                                    10000000ull,
                                    100000000ull,
                                    1000000000ull,
                                    10000000000ull,
                                    100000000000ull,
                                    1000000000000ull,
                                    10000000000000ull,
                                    100000000000000ull,
                                    1000000000000000ull};

int DigitCount(std::uint64_t v) {
  int n = 1;
  for (std::uint64_t limit = 10; n < 20 && v >= limit; limit *= 10) ++n;
  return n;
}

// The common case: the value scaled by 10^decimals is small enough that its
// binary rounding error stays far below the distance to a rounding tie, so
// rounding in binary gives the digits that rounding the decimal expansion
// gives. Returns 0 when the exact path must decide.
std::size_t FastFixed(char* out, long double magnitude, bool negative, int precision, int decimals,
                      char separator) {
  if (decimals > 15 || !(magnitude < 1e12L)) return 0;
  const long double scaled = magnitude * static_cast<long double>(kPow10[decimals]);
  if (!(scaled < 1e12L)) return 0;
  const long double whole = std::floor(scaled);
  const long double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5L) < 1e-6L) return 0;
  const std::uint64_t q = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
  if (q != 0 && DigitCount(q) > precision) return 0;  // digits beyond the precision
  char* p = out;
  if (negative && q != 0) *p++ = '-';
  p = PutUnsigned(p, q / kPow10[decimals], 1);
  if (decimals > 0) {
    *p++ = separator;
    p = PutUnsigned(p, q % kPow10[decimals], decimals);
  }
  return static_cast<std::size_t>(p - out);
}

}  // namespace

std::size_t FormatFixed(char* out, long double value, int precision, int decimals,
                        char decimalSeparator) {
  precision = std::clamp(precision, 1, kMaxDigits);
  decimals = std::clamp(decimals, 0, kMaxDigits);
  if (std::isnan(value)) {
    std::memcpy(out, "NAN", 3);
    return 3;
  }
  if (std::isinf(value)) {
    if (value < 0) {
      std::memcpy(out, "-INF", 4);
      return 4;
    }
    std::memcpy(out, "INF", 3);
    return 3;
  }
  const bool negative = std::signbit(value);
  const long double magnitude = std::fabs(value);
  if (std::size_t n = FastFixed(out, magnitude, negative, precision, decimals, decimalSeparator))
    return n;

  // The value's decimal digits: 18 significant digits and the number of
  // digits before the point (exponent + 1).
  char digits[kMaxDigits + 2];
  int digitCount = 0;
  int intDigits = 0;
  if (magnitude != 0) {
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kMaxDigits - 1);
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
      if (*p >= '0' && *p <= '9') digits[digitCount++] = *p;
    }
    int exponent = 0;
    if (p < res.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);
    intDigits = exponent + 1;
  }

  // At most `precision` digits and at most `decimals` after the point,
  // rounded half away from zero on the digit string.
  const int keep = std::min(precision, intDigits + decimals);
  if (keep < 0 || digitCount == 0) {
    digitCount = 0;
  } else if (keep < digitCount) {
    const bool up = digits[keep] >= '5';
    digitCount = keep;
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        std::memmove(digits + 1, digits, static_cast<std::size_t>(digitCount));
        digits[0] = '1';
        ++digitCount;
        ++intDigits;
      }
    }
  }
  while (digitCount > 0 && digits[digitCount - 1] == '0') --digitCount;
  if (digitCount == 0) intDigits = 0;

  char* p = out;
  if (digitCount > 0 && negative) *p++ = '-';
  if (intDigits > precision) {
    *p++ = digits[0];
    if (digitCount > 1) {
      *p++ = decimalSeparator;
      std::memcpy(p, digits + 1, static_cast<std::size_t>(digitCount - 1));
      p += digitCount - 1;
    }
    *p++ = 'E';
    p = std::to_chars(p, p + 8, intDigits - 1).ptr;
    return static_cast<std::size_t>(p - out);
  }
  auto digitAt = [&](int pos) { return pos >= 0 && pos < digitCount ? digits[pos] : '0'; };
  if (intDigits <= 0) {
    *p++ = '0';
  } else {
    for (int i = 0; i < intDigits; ++i) *p++ = digitAt(i);
  }
  if (decimals > 0) {
    *p++ = decimalSeparator;
    for (int i = 0; i < decimals; ++i) *p++ = digitAt(intDigits + i);
  }
  return static_cast<std::size_t>(p - out);
}

std::string FloatToFixed(long double value, int precision, int decimals, char decimalSeparator) {
  char buf[kFixedTextCapacity];
  return std::string(buf, FormatFixed(buf, value, precision, decimals, decimalSeparator));
}

std::string NumberFormat::Format(int decimals, long double value) const {
  const std::string number = FloatToFixed(value, colLength, decimals, systemDecimalSeparator);
  std::string out;
  if (static_cast<int>(number.size()) < colLength) {
    out.assign(static_cast<std::size_t>(colLength) - number.size(), ' ');
  }
  out += number;
  if (out.size() > kMaxText) out.resize(kMaxText);
  ApplyDecimalStyle(out, styleBits);
  return out;
}

}  // namespace gd
