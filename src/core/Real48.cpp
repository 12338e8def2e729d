#include "core/Real48.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace gd {

namespace {
constexpr int kBias = 129;
constexpr std::uint64_t kFractionBits = 39;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
constexpr std::uint64_t kMantissaMax = (std::uint64_t{1} << 40) - 1;  // 40 bits with the hidden one

// A Real48 taken apart: exponent byte (0 = zero), 40-bit mantissa with its
// top bit set, sign.
struct Parts {
  int exponent = 0;
  std::uint64_t mantissa = 0;
  bool negative = false;
};

// The x87 80-bit extended format (64-bit mantissa with an explicit integer
// bit, 15-bit exponent with bias 16383, little-endian) lets both directions
// work on the bits directly; elsewhere they go through frexp and ldexp.
constexpr bool kX87LongDouble = std::numeric_limits<long double>::digits == 64 &&
                                std::numeric_limits<long double>::max_exponent == 16384 &&
                                std::endian::native == std::endian::little;
constexpr int kX87Bias = 16383;
constexpr int kX87Shift = 64 - 40;  // mantissa bits the Real48 does not keep

// Nearest Real48 (ties to even), saturated at the largest magnitude, zero
// below the smallest one and for NaN.
Parts Round(long double value) {
  Parts p;
  std::uint64_t mantissa = 0;
  int exp2 = 0;  // |value| = (mantissa + rest / (2 * half)) * 2^(exp2 - 40)
  std::uint64_t rest = 0, half = 0;
  bool infinite = false;
  if constexpr (kX87LongDouble) {
    unsigned char raw[10];
    std::memcpy(raw, &value, sizeof raw);
    std::uint64_t bits = 0;
    std::memcpy(&bits, raw, 8);
    const int field = (raw[8] | (raw[9] << 8)) & 0x7FFF;
    // Zero and subnormals lie far below the smallest Real48.
    if (field == 0) return p;
    infinite = field == 0x7FFF;
    if (infinite && (bits << 1) != 0) return p;  // NaN
    p.negative = (raw[9] & 0x80) != 0;
    exp2 = field - kX87Bias + 1;
    mantissa = bits >> kX87Shift;
    rest = bits & ((std::uint64_t{1} << kX87Shift) - 1);
    half = std::uint64_t{1} << (kX87Shift - 1);
  } else {
    if (std::isnan(value) || value == 0.0L) return p;
    p.negative = std::signbit(value);
    infinite = std::isinf(value);
    const long double frac = std::frexp(std::fabs(value), &exp2);  // frac in [0.5, 1)
    const long double scaled = std::ldexp(frac, 40);
    mantissa = static_cast<std::uint64_t>(scaled);
    const long double r = scaled - static_cast<long double>(mantissa);
    // The rest in quarters, rounded so that only an exact half is a tie.
    rest = r > 0.5L ? 3 : r == 0.5L ? 2 : r > 0 ? 1 : 0;
    half = 2;
  }
  if (rest > half || (rest == half && (mantissa & 1))) ++mantissa;
  if (mantissa >> 40) {  // rounding carried into a new bit
    mantissa >>= 1;
    ++exp2;
  }
  int exponent = exp2 - 1 + kBias;  // value = 1.f * 2^(exp2 - 1)
  if (infinite || exponent > 255) {
    exponent = 255;
    mantissa = kMantissaMax;
  }
  if (exponent < 1) return Parts{};  // below the smallest normal value: zero
  p.exponent = exponent;
  p.mantissa = mantissa;
  return p;
}

long double FromParts(const Parts& p) {
  if (p.exponent == 0) return 0.0L;
  if constexpr (kX87LongDouble) {
    const std::uint64_t bits = p.mantissa << kX87Shift;
    const unsigned field =
        static_cast<unsigned>(p.exponent - kBias + kX87Bias) | (p.negative ? 0x8000u : 0u);
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &bits, 8);
    raw[8] = static_cast<unsigned char>(field);
    raw[9] = static_cast<unsigned char>(field >> 8);
    long double v;
    std::memcpy(&v, raw, sizeof v);
    return v;
  } else {
    const long double v = std::ldexp(static_cast<long double>(p.mantissa),
                                     p.exponent - kBias - static_cast<int>(kFractionBits));
    return p.negative ? -v : v;
  }
}

}  // namespace

long double Real48ToLongDouble(const std::uint8_t* b) {
  Parts p;
  p.exponent = b[0];
  std::uint64_t fraction = 0;
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | b[i];
  p.negative = (fraction >> kFractionBits) & 1;
  p.mantissa = (fraction & kFractionMask) | (std::uint64_t{1} << kFractionBits);
  return FromParts(p);
}

Real48 LongDoubleToReal48(long double value) {
  const Parts p = Round(value);
  Real48 out{};
  if (p.exponent == 0) return out;
  std::uint64_t fraction = p.mantissa & kFractionMask;
  if (p.negative) fraction |= std::uint64_t{1} << kFractionBits;
  out[0] = static_cast<std::uint8_t>(p.exponent);
  for (int i = 1; i <= 5; ++i) {
    out[i] = static_cast<std::uint8_t>(fraction);
    fraction >>= 8;
  }
  return out;
}

long double RoundToReal48(long double value) { return FromParts(Round(value)); }

void StoreReal48(std::uint8_t* dst, long double value) {
  Real48 r = LongDoubleToReal48(value);
  std::memcpy(dst, r.data(), r.size());
}

}  // namespace gd
