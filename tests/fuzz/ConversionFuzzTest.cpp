// Runs the conversion fuzzer's work without libFuzzer: over the checked-in
// corpus and over mutants of it made by the shared mutation driver.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fuzz/ConversionExercise.h"
#include "fuzz/CorpusStreams.h"
#include "fuzz/FuzzInputs.h"

namespace gd::fuzz {
namespace {

using sb::ByteVec;

TEST(ConversionFuzzTest, CorpusFilesConvertWhole) {
  const auto corpus = LoadCorpus(GAUGDATA_FUZZ_CORPUS_DIR);
  std::set<std::string> made;
  for (const CorpusStream& c : CorpusStreams()) made.insert(c.name);
  for (const auto& [name, bytes] : corpus) {
    SCOPED_TRACE(name);
    const ConversionResult r = ExerciseConversion(bytes.data(), bytes.size());
    // A saved file with comments, the base of mutated user-data blocks.
    if (name.rfind("userdata_", 0) == 0) {
      EXPECT_TRUE(r.fileOpened && r.userDataFound && r.usable);
      continue;
    }
    if (!made.count(name)) continue;  // inputs that once broke something
    EXPECT_TRUE(r.fileOpened);
    EXPECT_TRUE(r.usable);
    EXPECT_GT(r.series, 0);
    EXPECT_GT(r.textBytes, 0);
    EXPECT_GT(r.cells, 0);
    EXPECT_GT(r.gridRows, 0);
    EXPECT_GT(r.listingLines, 0);
    EXPECT_GT(r.parameterLines, 0);
    EXPECT_FALSE(r.subsetRefused);
    EXPECT_EQ(r.subsetSeries, std::min(r.series, kConversionSeriesBudget));
  }
}

TEST(ConversionFuzzTest, MutatedFilesRunClean) {
  constexpr int kMutantsPerFile = 80;
  std::vector<ByteVec> bases;
  for (const auto& file : LoadCorpus(GAUGDATA_FUZZ_CORPUS_DIR)) bases.push_back(file.bytes);
  int total = 0, opened = 0, usable = 0, subsets = 0;
  ForEachMutant(bases, kMutantsPerFile, 20240603, [&](const ByteVec& s) {
    const ConversionResult r = ExerciseConversion(s.data(), s.size());
    ++total;
    opened += r.fileOpened ? 1 : 0;
    usable += r.usable ? 1 : 0;
    subsets += r.subsetSeries >= 0 ? 1 : 0;
  });
  // The mutants must get past the identification check into the conversion
  // and the subset save.
  EXPECT_GT(opened, total / 5);
  EXPECT_GT(usable, total / 4);
  EXPECT_GT(subsets, total / 5);
}

}  // namespace
}  // namespace gd::fuzz
