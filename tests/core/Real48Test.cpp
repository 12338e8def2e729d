#include "core/Real48.h"

#include <gtest/gtest.h>

#include <cmath>
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
  EXPECT_EQ(RoundToReal48(0.1L), static_cast<long double>(RoundToReal48(0.1L)));
  EXPECT_NEAR(static_cast<double>(RoundToReal48(0.1L)), 0.1, 1e-12);
}

}  // namespace
}  // namespace gd
