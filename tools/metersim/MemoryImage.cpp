#include "MemoryImage.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace gd::sim {
namespace {

// Prolog fields the meter needs (little-endian).
constexpr std::size_t kVersionAt = 60;
constexpr std::size_t kRcaSizeAt = 68;
constexpr std::size_t kDataSizeAt = 70;
constexpr std::size_t kStringSizeAt = 94;
constexpr std::size_t kStreamSizeAt = 96;
constexpr std::size_t kUserDataFlagAt = 153;
constexpr char kIdentification[] = "\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n";

std::uint32_t Get(const std::vector<std::uint8_t>& b, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

MemoryImage::MemoryImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() < kPrologSize) {
    throw std::runtime_error("shorter than the 160-byte prolog");
  }
  if (std::memcmp(bytes_.data(), kIdentification, 32) != 0) {
    throw std::runtime_error("no measurement stream (its identification is missing)");
  }
  stringsSize_ = Get(bytes_, kRcaSizeAt, 2) + Get(bytes_, kStringSizeAt, 2);
  const std::uint32_t values = Get(bytes_, kDataSizeAt, 4);
  if (stringsSize_ > 0xFFFF) {
    throw std::runtime_error("strings area of " + std::to_string(stringsSize_) +
                             " bytes does not fit the 16-bit count of the transfer");
  }
  if (values > 0x7FFFFFFF || kPrologSize + stringsSize_ + values > bytes_.size()) {
    throw std::runtime_error("prolog announces " + std::to_string(kPrologSize + stringsSize_) +
                             " + " + std::to_string(values) + " bytes, but only " +
                             std::to_string(bytes_.size()) + " are there");
  }
  valuesSize_ = values;
  bytes_.resize(kPrologSize + stringsSize_ + valuesSize_);
}

MemoryImage MemoryImage::FromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  try {
    MemoryImage image(std::move(bytes));
    // The user-data flag belongs to the saved file; the meter never sets it.
    image.bytes_[kUserDataFlagAt] &= 0xFE;
    return image;
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(path + ": " + e.what());
  }
}

MemoryImage MemoryImage::Grown(const MemoryImage& pattern, std::size_t totalSize) {
  const std::size_t least = pattern.bytes_.size();
  if (totalSize < least) {
    throw std::runtime_error("a generated memory needs at least " + std::to_string(least) +
                             " bytes (prolog, strings and values of its pattern)");
  }
  if (totalSize > 0x7FFFFFFF) throw std::runtime_error("a generated memory is too large");
  std::vector<std::uint8_t> bytes = pattern.bytes_;
  // The rest of the values area: memory the series do not use, filled with a
  // fixed pseudo-random sequence so every block has its own checksum.
  std::uint32_t x = 0x2545F491u;
  while (bytes.size() < totalSize) {
    x = x * 1664525u + 1013904223u;
    bytes.push_back(static_cast<std::uint8_t>(x >> 24));
  }
  const auto values = static_cast<std::uint32_t>(totalSize - kPrologSize - pattern.stringsSize_);
  Put32(bytes, kDataSizeAt, values);
  Put32(bytes, kStreamSizeAt, static_cast<std::uint32_t>(totalSize));
  return MemoryImage(std::move(bytes));
}

void MemoryImage::Save(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes_.data()),
            static_cast<std::streamsize>(bytes_.size()));
  out.close();
  if (!out) throw std::runtime_error(path + ": cannot be written");
}

std::uint16_t MemoryImage::Version() const {
  return static_cast<std::uint16_t>(Get(bytes_, kVersionAt, 2));
}

}  // namespace gd::sim
