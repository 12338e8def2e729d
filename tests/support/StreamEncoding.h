// Byte-level encoders used by the stream builder.
//
// These deliberately do not use the program's own readers or writers
// (core/Bytes.h, core/Real48.h): the builder encodes every layout on its own,
// so that a mistake in the reader cannot be mirrored by the data it is tested
// with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gd::sb {

using ByteVec = std::vector<std::uint8_t>;
using Real48Bytes = std::array<std::uint8_t, 6>;

// Appends little-endian integers.
void AppendU8(ByteVec& out, std::uint8_t v);
void AppendU16(ByteVec& out, std::uint16_t v);
void AppendU32(ByteVec& out, std::uint32_t v);
void AppendBytes(ByteVec& out, const std::uint8_t* data, std::size_t n);
template <std::size_t N>
void AppendBytes(ByteVec& out, const std::array<std::uint8_t, N>& a) {
  AppendBytes(out, a.data(), N);
}
// One length byte and the characters (at most 255).
void AppendCounted(ByteVec& out, const std::string& text);

// Overwrites little-endian integers at `offset`; the buffer must be long enough.
void PutU8At(std::uint8_t* buf, std::size_t offset, std::uint8_t v);
void PutU16At(std::uint8_t* buf, std::size_t offset, std::uint16_t v);
void PutU32At(std::uint8_t* buf, std::size_t offset, std::uint32_t v);
// Writes a counted string into a fixed field of `capacity` characters after
// the length byte; the rest of the field is zeroed. Text longer than the
// capacity is an error in the description (throws std::invalid_argument).
void PutCountedAt(std::uint8_t* buf, std::size_t offset, std::size_t capacity,
                  const std::string& text);

// Encodes a double as the meter's 6-byte real: byte 0 exponent with bias 129
// (0 = zero), bytes 1..5 the 39-bit fraction (least significant first), sign
// in bit 7 of byte 5. Rounds to nearest; throws std::invalid_argument for
// values the format cannot hold (NaN, infinities, out of exponent range).
Real48Bytes EncodeReal48(double value);
void PutReal48At(std::uint8_t* buf, std::size_t offset, double value);

// Far address from segment and offset; its linear address is segment*16+offset.
constexpr std::uint32_t MakeFar(std::uint16_t segment, std::uint16_t offset) {
  return (static_cast<std::uint32_t>(segment) << 16) | offset;
}
constexpr std::uint32_t FarLinear(std::uint32_t far) { return (far >> 16) * 16u + (far & 0xFFFFu); }

// How the builder spells linear addresses as segment:offset.
enum class FarStyle {
  kNormalized,   // offset 0..15
  kLargeOffset,  // offset as large as possible (0xFFF0..0xFFFF region), segment small
};
// Spells a linear address (at most 0x10FFEF) as a far address.
std::uint32_t FarFromLinear(std::uint32_t linear, FarStyle style);

// Packs a date and time into the 32-bit value-record timestamp:
// minute bits 0..5, hour 6..10, day 11..15, second 16..21, month 22..25,
// year-1993 26..29, bit 30 the start of a measuring run.
std::uint32_t PackTimestamp(int year, int month, int day, int hour, int minute, int second,
                            bool runStart = false);

// Version word of firmware "V major.minor" (minor in hundredths).
constexpr std::uint16_t VersionWord(int major, int minor) {
  return static_cast<std::uint16_t>((major & 0xFF) | ((minor & 0xFF) << 8));
}
// True when `actual` is at least `reference` (major first, then minor).
bool VersionAtLeast(std::uint16_t actual, std::uint16_t reference);

}  // namespace gd::sb
