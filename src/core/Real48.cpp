#include "core/Real48.h"

#include <cmath>
#include <cstring>

namespace gd {

namespace {
constexpr int kBias = 129;
constexpr std::uint64_t kFractionBits = 39;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
}  // namespace

long double Real48ToLongDouble(const std::uint8_t* b) {
  const int exponent = b[0];
  if (exponent == 0) return 0.0L;
  std::uint64_t fraction = 0;
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | b[i];
  const bool negative = (fraction >> kFractionBits) & 1;
  fraction &= kFractionMask;
  const std::uint64_t mantissa = fraction | (std::uint64_t{1} << kFractionBits);  // 40 bits
  long double v = std::ldexp(static_cast<long double>(mantissa),
                             exponent - kBias - static_cast<int>(kFractionBits));
  return negative ? -v : v;
}

Real48 LongDoubleToReal48(long double value) {
  Real48 out{};
  if (std::isnan(value) || value == 0.0L) return out;
  const bool negative = std::signbit(value);
  long double mag = std::fabs(value);
  int exp2 = 0;
  long double frac = std::frexp(mag, &exp2);  // mag = frac * 2^exp2, frac in [0.5, 1)
  // Scale to a 40-bit integer mantissa (top bit is the hidden one).
  long double scaled = std::ldexp(frac, 40);
  std::uint64_t mantissa = static_cast<std::uint64_t>(scaled);
  long double rest = scaled - static_cast<long double>(mantissa);
  if (rest > 0.5L || (rest == 0.5L && (mantissa & 1))) ++mantissa;
  if (mantissa >> 40) {  // rounding carried into a new bit
    mantissa >>= 1;
    ++exp2;
  }
  int exponent = exp2 - 1 + kBias;  // value = 1.f * 2^(exp2 - 1)
  if (std::isinf(value) || exponent > 255) {
    exponent = 255;
    mantissa = (std::uint64_t{1} << 40) - 1;
  }
  if (exponent < 1) return out;  // below the smallest normal value: zero
  std::uint64_t fraction = mantissa & kFractionMask;
  if (negative) fraction |= std::uint64_t{1} << kFractionBits;
  out[0] = static_cast<std::uint8_t>(exponent);
  for (int i = 1; i <= 5; ++i) {
    out[i] = static_cast<std::uint8_t>(fraction);
    fraction >>= 8;
  }
  return out;
}

void StoreReal48(std::uint8_t* dst, long double value) {
  Real48 r = LongDoubleToReal48(value);
  std::memcpy(dst, r.data(), r.size());
}

}  // namespace gd
