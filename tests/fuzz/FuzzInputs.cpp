#include "fuzz/FuzzInputs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace gd::fuzz {

using sb::ByteVec;

std::vector<CorpusFile> LoadCorpus(const std::string& folder) {
  std::vector<CorpusFile> out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    out.push_back({entry.path().filename().string(),
                   ByteVec(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
  }
  std::sort(out.begin(), out.end(),
            [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
  return out;
}

void Mutate(ByteVec& s, std::mt19937& rng) {
  if (s.size() < 40) return;
  auto pick = [&](std::size_t lo, std::size_t hi) {
    return std::uniform_int_distribution<std::size_t>(lo, hi)(rng);
  };
  static constexpr std::uint32_t kValues[] = {
      0,          1,          2,          8,          9,          0x7F,
      0x80,       0xFF,       0x7FFF,     0x8000,     0xFFFF,     0x10000,
      0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF0000, 0x10000000, 0x0FFF000F};
  // Fields whose values steer the parse and the navigator.
  static constexpr std::size_t kFields[] = {60,  61,  64,  66,  68,  90,  91,  92,  93,  94,  100,
                                            102, 112, 113, 122, 124, 126, 133, 134, 135, 136, 139,
                                            140, 141, 160, 161, 163, 165, 167, 169, 172};
  const std::uint32_t v = kValues[pick(0, std::size(kValues) - 1)];
  std::size_t pos = pick(32, s.size() - 1);
  switch (pick(0, 6)) {
    case 0:
      s[pos] = static_cast<std::uint8_t>(s[pos] ^ (1u << pick(0, 7)));
      break;
    case 1:
      s[pos] = static_cast<std::uint8_t>(v);
      break;
    case 2:
      pos = kFields[pick(0, std::size(kFields) - 1)];
      [[fallthrough]];
    case 3:
      for (std::size_t i = 0; i < 4 && pos + i < s.size(); ++i) {
        s[pos + i] = static_cast<std::uint8_t>(v >> (8 * i));
      }
      break;
    case 4:
      s.resize(pick(0, s.size()));
      break;
    case 5:
      s.insert(s.begin() + static_cast<std::ptrdiff_t>(pos), static_cast<std::uint8_t>(v));
      break;
    default:
      s.erase(s.begin() + static_cast<std::ptrdiff_t>(pos));
      break;
  }
}

void ForEachMutant(const std::vector<ByteVec>& bases, int perBase, std::uint32_t seed,
                   const std::function<void(const ByteVec&)>& visit) {
  std::mt19937 rng(seed);
  for (const ByteVec& base : bases) {
    for (int i = 0; i < perBase; ++i) {
      ByteVec s = base;
      const int changes = 1 + static_cast<int>(rng() % 4);
      for (int k = 0; k < changes; ++k) Mutate(s, rng);
      visit(s);
    }
  }
}

}  // namespace gd::fuzz
