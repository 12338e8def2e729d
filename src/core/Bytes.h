// Little-endian byte access and a bounds-checked reader over a byte buffer.
//
// Every multi-byte integer the meter stores is little-endian. ByteReader never
// reads outside its buffer: a read that would leave it throws EOutOfBounds, so
// parsers can treat "the stream ended too early" as one clear condition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace gd {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Thrown by ByteReader when a read or seek would leave the buffer.
class EOutOfBounds : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline std::uint16_t LoadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int16_t LoadI16(const std::uint8_t* p) { return static_cast<std::int16_t>(LoadU16(p)); }
inline std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }

inline void StoreU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void StoreU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Appending writers for building byte blocks.
inline void PutU8(Bytes& out, std::uint8_t v) { out.push_back(v); }
inline void PutU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Sequential reader with a position; every access is checked against the end.
class ByteReader {
 public:
  explicit ByteReader(ByteView data, std::size_t pos = 0) : data_(data), pos_(pos) {
    if (pos > data.size()) throw EOutOfBounds("position outside the buffer");
  }

  std::size_t Pos() const { return pos_; }
  std::size_t Size() const { return data_.size(); }
  std::size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

  void Seek(std::size_t pos) {
    if (pos > data_.size()) throw EOutOfBounds("seek outside the buffer");
    pos_ = pos;
  }
  void Skip(std::size_t n) {
    Need(n);
    pos_ += n;
  }

  std::uint8_t U8() {
    Need(1);
    return data_[pos_++];
  }
  std::uint16_t U16() {
    Need(2);
    auto v = LoadU16(&data_[pos_]);
    pos_ += 2;
    return v;
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() {
    Need(4);
    auto v = LoadU32(&data_[pos_]);
    pos_ += 4;
    return v;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  // Returns a view of the next n bytes and moves past them.
  ByteView Take(std::size_t n) {
    Need(n);
    ByteView v = data_.subspan(pos_, n);
    pos_ += n;
    return v;
  }
  void Read(void* dst, std::size_t n) {
    Need(n);
    if (n) std::memcpy(dst, &data_[pos_], n);
    pos_ += n;
  }
  // A counted string: one length byte, then that many characters.
  std::string CountedString() {
    std::size_t n = U8();
    ByteView v = Take(n);
    return std::string(v.begin(), v.end());
  }

 private:
  void Need(std::size_t n) const {
    if (n > data_.size() - pos_) throw EOutOfBounds("read past the end of the buffer");
  }

  ByteView data_;
  std::size_t pos_;
};

// Reads a counted string out of a fixed field of `capacity` characters (plus
// the length byte). A length byte larger than the capacity is clipped to it.
inline std::string CountedField(const std::uint8_t* field, std::size_t capacity) {
  std::size_t n = field[0];
  if (n > capacity) n = capacity;
  return std::string(reinterpret_cast<const char*>(field + 1), n);
}

// Writes a counted string into a fixed field; text beyond the capacity is cut.
inline void StoreCountedField(std::uint8_t* field, std::size_t capacity, const std::string& text) {
  std::size_t n = text.size() < capacity ? text.size() : capacity;
  field[0] = static_cast<std::uint8_t>(n);
  std::memcpy(field + 1, text.data(), n);
  std::memset(field + 1 + n, 0, capacity - n);
}

}  // namespace gd
