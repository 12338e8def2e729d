#include "support/StreamEncoding.h"

#include <cmath>
#include <stdexcept>

namespace gd::sb {

void AppendU8(ByteVec& out, std::uint8_t v) { out.push_back(v); }

void AppendU16(ByteVec& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void AppendU32(ByteVec& out, std::uint32_t v) {
  AppendU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  AppendU16(out, static_cast<std::uint16_t>(v >> 16));
}

void AppendBytes(ByteVec& out, const std::uint8_t* data, std::size_t n) {
  out.insert(out.end(), data, data + n);
}

void AppendCounted(ByteVec& out, const std::string& text) {
  if (text.size() > 255) throw std::invalid_argument("counted string longer than 255");
  out.push_back(static_cast<std::uint8_t>(text.size()));
  for (char c : text) out.push_back(static_cast<std::uint8_t>(c));
}

void PutU8At(std::uint8_t* buf, std::size_t offset, std::uint8_t v) { buf[offset] = v; }

void PutU16At(std::uint8_t* buf, std::size_t offset, std::uint16_t v) {
  buf[offset] = static_cast<std::uint8_t>(v & 0xFF);
  buf[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32At(std::uint8_t* buf, std::size_t offset, std::uint32_t v) {
  PutU16At(buf, offset, static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16At(buf, offset + 2, static_cast<std::uint16_t>(v >> 16));
}

void PutCountedAt(std::uint8_t* buf, std::size_t offset, std::size_t capacity,
                  const std::string& text) {
  if (text.size() > capacity) throw std::invalid_argument("text does not fit its field: " + text);
  buf[offset] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < capacity; ++i) {
    buf[offset + 1 + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
  }
}

Real48Bytes EncodeReal48(double value) {
  Real48Bytes r{};
  if (value == 0.0) return r;
  if (!std::isfinite(value)) throw std::invalid_argument("Real48 cannot hold NaN or infinity");
  const bool negative = value < 0;
  int exp2 = 0;
  // |value| = m * 2^exp2 with m in [0.5, 1), i.e. (2m) * 2^(exp2-1) with 2m in [1, 2).
  const double m = std::frexp(std::fabs(value), &exp2);
  double frac = std::nearbyint((2.0 * m - 1.0) * 549755813888.0);  // 2^39
  int exponent = exp2 - 1 + 129;
  if (frac >= 549755813888.0) {  // rounding carried into the next power of two
    frac = 0;
    ++exponent;
  }
  if (exponent < 1 || exponent > 255) throw std::invalid_argument("value outside Real48 range");
  auto bits = static_cast<std::uint64_t>(frac);
  r[0] = static_cast<std::uint8_t>(exponent);
  for (int i = 1; i <= 5; ++i) {
    r[i] = static_cast<std::uint8_t>(bits & 0xFF);
    bits >>= 8;
  }
  if (negative) r[5] = static_cast<std::uint8_t>(r[5] | 0x80);
  return r;
}

void PutReal48At(std::uint8_t* buf, std::size_t offset, double value) {
  const Real48Bytes r = EncodeReal48(value);
  for (std::size_t i = 0; i < 6; ++i) buf[offset + i] = r[i];
}

std::uint32_t FarFromLinear(std::uint32_t linear, FarStyle style) {
  if (linear > 0x10FFEF) throw std::invalid_argument("linear address beyond segment:offset reach");
  if (style == FarStyle::kNormalized) {
    return MakeFar(static_cast<std::uint16_t>(linear >> 4),
                   static_cast<std::uint16_t>(linear & 0xF));
  }
  const std::uint32_t segment = linear > 0xFFFF ? (linear - 0xFFFF + 15) / 16 : 0;
  return MakeFar(static_cast<std::uint16_t>(segment),
                 static_cast<std::uint16_t>(linear - segment * 16));
}

std::uint32_t PackTimestamp(int year, int month, int day, int hour, int minute, int second,
                            bool runStart) {
  if (year < 1993 || year > 2008) throw std::invalid_argument("timestamp year outside 1993..2008");
  const auto u = [](int v, int bits) { return static_cast<std::uint32_t>(v) & ((1u << bits) - 1); };
  std::uint32_t t = u(minute, 6) | (u(hour, 5) << 6) | (u(day, 5) << 11) | (u(second, 6) << 16) |
                    (u(month, 4) << 22) | (u(year - 1993, 4) << 26);
  if (runStart) t |= 1u << 30;
  return t;
}

bool VersionAtLeast(std::uint16_t actual, std::uint16_t reference) {
  const int aMajor = actual & 0xFF, aMinor = actual >> 8;
  const int rMajor = reference & 0xFF, rMinor = reference >> 8;
  if (aMajor != rMajor) return aMajor > rMajor;
  return aMinor >= rMinor;
}

}  // namespace gd::sb
