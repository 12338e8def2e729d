// The meter's 6-byte real number.
//
// Byte 0 is the exponent with bias 129 (0 means the value 0), bytes 1..5 the
// 39-bit fraction, least significant byte first, with the sign in bit 7 of
// byte 5: value = (-1)^sign * (1 + fraction / 2^39) * 2^(exponent - 129).
// `long double` holds every Real48 value exactly, so both directions are exact
// for values Real48 can represent; other values are rounded to nearest (ties
// to even) on the way in.
#pragma once

#include <array>
#include <cstdint>

namespace gd {

using Real48 = std::array<std::uint8_t, 6>;

long double Real48ToLongDouble(const std::uint8_t* bytes);
inline long double Real48ToLongDouble(const Real48& r) { return Real48ToLongDouble(r.data()); }

// Converts to the nearest Real48. Values too small for the format become 0;
// values too large saturate at the largest magnitude; NaN becomes 0.
Real48 LongDoubleToReal48(long double value);
void StoreReal48(std::uint8_t* dst, long double value);

// Rounds a value through the Real48 format and back (what storing a derived
// value in a 6-byte field and reading it again yields); the same as
// Real48ToLongDouble(LongDoubleToReal48(value)) without going through the bytes.
long double RoundToReal48(long double value);

}  // namespace gd
