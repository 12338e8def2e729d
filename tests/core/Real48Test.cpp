#include "core/Real48.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace gd {
namespace {

TEST(Real48, KnownEncodings) {
  EXPECT_EQ(LongDoubleToReal48(1.0L), (Real48{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LongDoubleToReal48(-1.0L), (Real48{0x81, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(LongDoubleToReal48(0.5L), (Real48{0x80, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LongDoubleToReal48(3.0L), (Real48{0x82, 0, 0, 0, 0, 0x40}));
  EXPECT_EQ(LongDoubleToReal48(0.0L), (Real48{}));
  EXPECT_EQ(Real48ToLongDouble(Real48{0x81, 0, 0, 0, 0, 0}), 1.0L);
  EXPECT_EQ(Real48ToLongDouble(Real48{0x82, 0, 0, 0, 0, 0xC0}), -3.0L);
  // Exponent byte 0 is zero whatever the other bytes hold.
  EXPECT_EQ(Real48ToLongDouble(Real48{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0L);
}

TEST(Real48, EveryRepresentableValueRoundTripsExactly) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 20000; ++i) {
    Real48 r{};
    r[0] = static_cast<std::uint8_t>(1 + rng() % 255);
    for (int b = 1; b < 6; ++b) r[b] = static_cast<std::uint8_t>(rng());
    const long double v = Real48ToLongDouble(r);
    ASSERT_EQ(LongDoubleToReal48(v), r) << "value " << static_cast<double>(v);
  }
}

TEST(Real48, RoundsToNearestAndHandlesRangeEnds) {
  // 1 + 2^-40 lies halfway between 1 and the next Real48: ties go to even (1).
  EXPECT_EQ(RoundToReal48(1.0L + std::ldexp(1.0L, -40)), 1.0L);
  EXPECT_EQ(RoundToReal48(1.0L + 3 * std::ldexp(1.0L, -40)), 1.0L + std::ldexp(1.0L, -38));
  // A value whose rounding carries into the exponent.
  EXPECT_EQ(RoundToReal48(2.0L - std::ldexp(1.0L, -41)), 2.0L);
  // Below the smallest magnitude: zero; above the largest: saturated.
  EXPECT_EQ(RoundToReal48(std::ldexp(1.0L, -140)), 0.0L);
  EXPECT_EQ(LongDoubleToReal48(std::ldexp(1.0L, 200))[0], 255);
  // 0.1 lies between two Real48 values; the nearer one has the 40-bit
  // significand round(0.1 * 2^43) = 879609302221 (0.8 of a step rounds up).
  EXPECT_EQ(RoundToReal48(0.1L), std::ldexp(879609302221.0L, -43));
  EXPECT_NEAR(static_cast<double>(RoundToReal48(0.1L)), 0.1, 1e-12);
}

// The straightforward conversion through frexp and ldexp that the bit-level
// one must match exactly.
namespace reference {

Real48 ToReal48(long double value) {
  Real48 out{};
  if (std::isnan(value) || value == 0.0L) return out;
  const bool negative = std::signbit(value);
  int exp2 = 0;
  const long double scaled = std::ldexp(std::frexp(std::fabs(value), &exp2), 40);
  std::uint64_t mantissa = static_cast<std::uint64_t>(scaled);
  const long double rest = scaled - static_cast<long double>(mantissa);
  if (rest > 0.5L || (rest == 0.5L && (mantissa & 1))) ++mantissa;
  if (mantissa >> 40) {
    mantissa >>= 1;
    ++exp2;
  }
  int exponent = exp2 - 1 + 129;
  if (std::isinf(value) || exponent > 255) {
    exponent = 255;
    mantissa = (std::uint64_t{1} << 40) - 1;
  }
  if (exponent < 1) return out;
  std::uint64_t fraction = mantissa & ((std::uint64_t{1} << 39) - 1);
  if (negative) fraction |= std::uint64_t{1} << 39;
  out[0] = static_cast<std::uint8_t>(exponent);
  for (int i = 1; i <= 5; ++i) {
    out[i] = static_cast<std::uint8_t>(fraction);
    fraction >>= 8;
  }
  return out;
}

long double FromReal48(const Real48& b) {
  if (b[0] == 0) return 0.0L;
  std::uint64_t fraction = 0;
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | b[static_cast<std::size_t>(i)];
  const bool negative = (fraction >> 39) & 1;
  const std::uint64_t mantissa =
      (fraction & ((std::uint64_t{1} << 39) - 1)) | (std::uint64_t{1} << 39);
  const long double v = std::ldexp(static_cast<long double>(mantissa), b[0] - 129 - 39);
  return negative ? -v : v;
}

}  // namespace reference

void ExpectSameAsReference(long double v) {
  const Real48 expected = reference::ToReal48(v);
  ASSERT_EQ(LongDoubleToReal48(v), expected) << "value " << static_cast<double>(v);
  const long double back = RoundToReal48(v);
  const long double expectedBack = reference::FromReal48(expected);
  ASSERT_TRUE(back == expectedBack && std::signbit(back) == std::signbit(expectedBack))
      << "value " << static_cast<double>(v);
}

TEST(Real48, MatchesTheReferenceConversionOnRandomValues) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 100000; ++i) {
    // 64 random mantissa bits (top bit set) at exponents across the Real48
    // range and a little beyond both of its ends.
    const std::uint64_t bits = rng() | (std::uint64_t{1} << 63);
    const int exp2 = static_cast<int>(rng() % 280) - 150;
    long double v = std::ldexp(static_cast<long double>(bits), exp2 - 64);
    if (rng() & 1) v = -v;
    ExpectSameAsReference(v);
    // The same mantissa cut to exactly halfway between two Real48 values,
    // and one unit of the last place to either side of that tie.
    const std::uint64_t tie = (bits & ~((std::uint64_t{1} << 24) - 1)) | (std::uint64_t{1} << 23);
    for (std::uint64_t m : {tie, tie - 1, tie + 1}) {
      ExpectSameAsReference(std::ldexp(static_cast<long double>(m), exp2 - 64));
    }
    ExpectSameAsReference(static_cast<long double>(std::bit_cast<double>(rng())));
  }
  // The values the text conversion rounds: products of ordinary magnitudes.
  std::uniform_real_distribution<double> d(-1e6, 1e6);
  for (int i = 0; i < 100000; ++i) {
    ExpectSameAsReference(static_cast<long double>(d(rng)) * d(rng) * 1e-9L);
  }
}

TEST(Real48, MatchesTheReferenceConversionAtTheEdges) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double smallest = std::ldexp(1.0L, -128);  // exponent byte 1
  const long double largest =
      std::ldexp(static_cast<long double>((std::uint64_t{1} << 40) - 1), 126 - 39);
  for (long double v :
       {0.0L, -0.0L, inf, -inf, std::numeric_limits<long double>::quiet_NaN(),
        std::numeric_limits<long double>::denorm_min(),
        -std::numeric_limits<long double>::denorm_min(), std::numeric_limits<long double>::min(),
        std::numeric_limits<long double>::max(), -std::numeric_limits<long double>::max(), smallest,
        -smallest, smallest * 0.5L,
        // Just below the smallest Real48: rounds up into it, or to zero.
        smallest - std::ldexp(1.0L, -128 - 41), smallest - std::ldexp(1.0L, -128 - 40),
        std::nextafter(smallest, 0.0L), largest, -largest, std::ldexp(1.0L, 127),
        // Just above the largest: the tie rounds to even (up, out of range).
        largest + std::ldexp(1.0L, 126 - 40), largest + std::ldexp(1.0L, 126 - 41), 1.678e38L,
        -1.5e38L, 1.0L + std::ldexp(1.0L, -40), 1.0L + 3 * std::ldexp(1.0L, -40)}) {
    ExpectSameAsReference(v);
  }
  // Zero of either sign and NaN all become the positive zero.
  EXPECT_FALSE(std::signbit(RoundToReal48(-0.0L)));
  EXPECT_EQ(RoundToReal48(std::numeric_limits<long double>::quiet_NaN()), 0.0L);
  EXPECT_EQ(RoundToReal48(-inf), -largest);
  // Every stored value reads back as the reference reads it.
  std::mt19937_64 rng(3);
  for (int i = 0; i < 100000; ++i) {
    Real48 r{};
    for (auto& b : r) b = static_cast<std::uint8_t>(rng());
    const long double v = Real48ToLongDouble(r);
    const long double expected = reference::FromReal48(r);
    ASSERT_TRUE(v == expected && std::signbit(v) == std::signbit(expected));
  }
}

}  // namespace
}  // namespace gd
