// Runs the fuzzer's work without libFuzzer: over the checked-in corpus and
// over a fixed set of mutated streams (deterministic, so every run checks the
// same inputs).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "fuzz/CorpusStreams.h"
#include "fuzz/StreamExercise.h"

namespace gd::fuzz {
namespace {

using sb::ByteVec;

std::vector<std::pair<std::string, ByteVec>> LoadCorpus() {
  std::vector<std::pair<std::string, ByteVec>> out;
  for (const auto& entry : std::filesystem::directory_iterator(GAUGDATA_FUZZ_CORPUS_DIR)) {
    std::ifstream in(entry.path(), std::ios::binary);
    out.emplace_back(entry.path().filename().string(),
                     ByteVec(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  }
  return out;
}

TEST(StreamFuzzTest, CorpusStreamsOpenWhole) {
  const auto corpus = LoadCorpus();
  ASSERT_GE(corpus.size(), CorpusStreams().size());
  for (const auto& [name, bytes] : corpus) {
    SCOPED_TRACE(name);
    const ExerciseResult r = ExerciseStream(bytes.data(), bytes.size());
    EXPECT_TRUE(r.usable);
    EXPECT_GT(r.series, 0);
    EXPECT_GT(r.records, 0);
    EXPECT_EQ(r.damagedSeries, 0);
  }
  // The specs the corpus was made from, as the builder writes them today.
  for (const CorpusStream& c : CorpusStreams()) {
    SCOPED_TRACE(c.name);
    const ByteVec bytes = sb::BuildStream(c.spec);
    const ExerciseResult r = ExerciseStream(bytes.data(), bytes.size());
    EXPECT_TRUE(r.usable);
    EXPECT_EQ(r.series, static_cast<int>(c.spec.series.size()));
    EXPECT_EQ(r.damagedSeries, 0);
  }
}

// One random change of the kinds that break parsers: bit flips, boundary
// values in counts, sizes and far addresses, cuts, inserted and lost bytes.
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

TEST(StreamFuzzTest, MutatedStreamsRunClean) {
  constexpr int kMutantsPerStream = 1500;
  std::mt19937 rng(20240517);
  int usable = 0, total = 0;
  long records = 0;
  for (const CorpusStream& c : CorpusStreams()) {
    const ByteVec base = sb::BuildStream(c.spec);
    for (int i = 0; i < kMutantsPerStream; ++i) {
      ByteVec s = base;
      const int changes = 1 + static_cast<int>(rng() % 4);
      for (int k = 0; k < changes; ++k) Mutate(s, rng);
      const ExerciseResult r = ExerciseStream(s.data(), s.size());
      usable += r.usable ? 1 : 0;
      records += r.records;
      ++total;
    }
  }
  // The mutants must reach the navigator, not only the identification check.
  EXPECT_GT(usable, total / 4);
  EXPECT_GT(records, 0);
}

}  // namespace
}  // namespace gd::fuzz
