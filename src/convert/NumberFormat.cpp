#include "convert/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

void AppendUnsigned(std::string& out, std::uint64_t v, int minDigits) {
  char buf[24];
  int n = 0;
  do {
    buf[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n < minDigits) buf[n++] = '0';
  while (n > 0) out.push_back(buf[--n]);
}

// Common case without a decimal digit string: the scaled value is far from a
// rounding tie, so rounding it in binary gives the same digits as rounding its
// decimal expansion. Returns false when the slow path must decide.
bool FastFixed(long double magnitude, bool negative, int precision, int decimals, char separator,
               std::string& out) {
  if (decimals > 15 || magnitude >= 1e15L) return false;
  const long double scaled = magnitude * static_cast<long double>(kPow10[decimals]);
  if (scaled >= 1e15L) return false;
  const long double whole = std::floor(scaled);
  const long double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5L) < 1e-6L) return false;
  const std::uint64_t q = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
  const std::uint64_t intPart = q / kPow10[decimals];
  int intDigits = 0;
  for (std::uint64_t t = intPart; t != 0; t /= 10) ++intDigits;
  // More significant digits than the precision allows: the slow path rounds.
  if (intDigits + decimals > precision && q != 0) return false;
  if (negative && q != 0) out.push_back('-');
  AppendUnsigned(out, intPart, 1);
  if (decimals > 0) {
    out.push_back(separator);
    AppendUnsigned(out, q % kPow10[decimals], decimals);
  }
  return true;
}

}  // namespace

std::string FloatToFixed(long double value, int precision, int decimals, char decimalSeparator) {
  precision = std::clamp(precision, 1, kMaxDigits);
  decimals = std::clamp(decimals, 0, kMaxDigits);
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  const bool negative = std::signbit(value);
  const long double magnitude = std::fabs(value);
  std::string out;
  if (FastFixed(magnitude, negative, precision, decimals, decimalSeparator, out)) return out;

  // Decimal digits of the value: 18 significant digits and the count of
  // digits before the point (exponent + 1).
  std::string digits;
  int intDigits = 0;
  if (magnitude != 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kMaxDigits - 1, magnitude);
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
      if (*p >= '0' && *p <= '9') digits.push_back(*p);
    }
    intDigits = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
  }

  // Keep at most `precision` digits and at most `decimals` after the point;
  // round half away from zero on the digit string.
  const int keep = std::min(precision, intDigits + decimals);
  if (keep < 0 || digits.empty()) {
    digits.clear();
  } else if (keep < static_cast<int>(digits.size())) {
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
        digits[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i >= 0) {
        ++digits[static_cast<std::size_t>(i)];
      } else {
        digits.insert(digits.begin(), '1');
        ++intDigits;
      }
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) intDigits = 0;

  if (!digits.empty() && negative) out.push_back('-');
  if (intDigits > precision) {
    // Exponent notation: d.ddd with the significant digits, "E", exponent.
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back(decimalSeparator);
      out.append(digits, 1, std::string::npos);
    }
    out.push_back('E');
    out += std::to_string(intDigits - 1);
    return out;
  }
  auto digitAt = [&](int pos) {  // pos 0 is the first significant digit
    return pos >= 0 && pos < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(pos)]
                                                             : '0';
  };
  if (intDigits <= 0) {
    out.push_back('0');
  } else {
    for (int i = 0; i < intDigits; ++i) out.push_back(digitAt(i));
  }
  if (decimals > 0) {
    out.push_back(decimalSeparator);
    for (int i = 0; i < decimals; ++i) out.push_back(digitAt(intDigits + i));
  }
  return out;
}

std::string NumberFormat::Format(int decimals, long double value) const {
  const std::string number = FloatToFixed(value, colLength, decimals, systemDecimalSeparator);
  std::string out;
  if (static_cast<int>(number.size()) < colLength) {
    out.assign(static_cast<std::size_t>(colLength) - number.size(), ' ');
  }
  out += number;
  if (out.size() > kMaxText) out.resize(kMaxText);
  if (!(styleBits & kSystemDecimalSeparator)) {
    const char from = (styleBits & kDecimalComma) ? '.' : ',';
    const char to = (styleBits & kDecimalComma) ? ',' : '.';
    std::replace(out.begin(), out.end(), from, to);
  }
  return out;
}

}  // namespace gd
