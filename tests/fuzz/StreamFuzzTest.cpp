// Runs the fuzzer's work without libFuzzer: over the checked-in corpus and
// over a fixed set of mutated streams (deterministic, so every run checks the
// same inputs).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fuzz/CorpusStreams.h"
#include "fuzz/FuzzInputs.h"
#include "fuzz/StreamExercise.h"

namespace gd::fuzz {
namespace {

using sb::ByteVec;

TEST(StreamFuzzTest, CorpusStreamsOpenWhole) {
  const auto corpus = LoadCorpus(GAUGDATA_FUZZ_CORPUS_DIR);
  ASSERT_GE(corpus.size(), CorpusStreams().size());
  std::set<std::string> made;
  for (const CorpusStream& c : CorpusStreams()) made.insert(c.name);
  for (const auto& [name, bytes] : corpus) {
    SCOPED_TRACE(name);
    const ExerciseResult r = ExerciseStream(bytes.data(), bytes.size());
    // The other files are inputs that once broke something; they only have
    // to run clean.
    if (!made.count(name)) continue;
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

TEST(StreamFuzzTest, MutatedStreamsRunClean) {
  constexpr int kMutantsPerStream = 1500;
  std::vector<ByteVec> bases;
  for (const CorpusStream& c : CorpusStreams()) bases.push_back(sb::BuildStream(c.spec));
  int usable = 0, total = 0;
  long records = 0;
  ForEachMutant(bases, kMutantsPerStream, 20240517, [&](const ByteVec& s) {
    const ExerciseResult r = ExerciseStream(s.data(), s.size());
    usable += r.usable ? 1 : 0;
    records += r.records;
    ++total;
  });
  // The mutants must reach the navigator, not only the identification check.
  EXPECT_GT(usable, total / 4);
  EXPECT_GT(records, 0);
}

}  // namespace
}  // namespace gd::fuzz
