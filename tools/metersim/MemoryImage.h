// The meter's measurement memory as it goes over the line: the 160-byte
// prolog, the strings area (directory and tables) and the values area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gd::sim {

inline constexpr std::size_t kPrologSize = 160;

class MemoryImage {
 public:
  MemoryImage() = default;
  explicit MemoryImage(std::vector<std::uint8_t> bytes);  // checks the layout; throws

  // The measurement stream of a .sdx file (the comments behind it are the
  // program's, not the meter's). Throws std::runtime_error with the reason.
  static MemoryImage FromFile(const std::string& path);
  // A memory of `totalSize` bytes with the layout of `pattern`: its prolog and
  // strings area, its values area, and further values bytes up to the size.
  static MemoryImage Grown(const MemoryImage& pattern, std::size_t totalSize);

  void Save(const std::string& path) const;

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  const std::uint8_t* Prolog() const { return bytes_.data(); }
  std::size_t StringsSize() const { return stringsSize_; }
  const std::uint8_t* Strings() const { return bytes_.data() + kPrologSize; }
  std::size_t ValuesSize() const { return valuesSize_; }
  const std::uint8_t* Values() const { return bytes_.data() + kPrologSize + stringsSize_; }
  std::uint16_t Version() const;

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t stringsSize_ = 0;
  std::size_t valuesSize_ = 0;
};

}  // namespace gd::sim
