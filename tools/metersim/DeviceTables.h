// The meter's built-in tables as it holds them: languages, materials and
// media with their records, and the factory heat-flow coefficient sets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gd::sim {

using Record = std::vector<std::uint8_t>;
inline constexpr std::size_t kCoefficientRecordSize = 62;

// A table sent as record size, total bytes and the records.
struct PlainTable {
  std::uint16_t recordSize = 0;
  std::vector<Record> records;
};

// A table with a name and entry names; editable entries are the user's and
// their records are not sent.
struct NamedTable {
  std::string name;                // DOS code page
  std::vector<std::string> names;  // DOS code page, one per entry
  std::vector<std::uint8_t> editable;
  std::uint16_t recordSize = 0;
  std::vector<Record> records;  // one per entry
};

struct Medium {
  const char* name;  // UTF-8
  std::uint16_t descriptor;
};

PlainTable Languages();
// `count` entries (1 … 256); past the built-in ones they are numbered.
NamedTable Materials(int count);
NamedTable Media();
PlainTable FactoryCoefficients();
// One user set, as a meter might hold it from an earlier transfer.
Record SampleUserSet(int n);

// The meter's 6-byte real: exponent byte biased by 129 (0 = zero), then the
// 39-bit fraction from least to most significant byte, sign in the top bit.
std::array<std::uint8_t, 6> Real48(double value);
// UTF-8 text with the six German letters in the meter's DOS code page.
std::string ToDos(const std::string& utf8);

}  // namespace gd::sim
