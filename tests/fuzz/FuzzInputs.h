// The inputs the fuzz tests run without libFuzzer: the checked-in corpus and
// deterministic mutants of it, shared by every exercise so that each sees
// the same inputs on every run.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/StreamBuilder.h"

namespace gd::fuzz {

struct CorpusFile {
  std::string name;  // file name in the corpus folder
  sb::ByteVec bytes;
};

// Every file of `folder`, sorted by name.
std::vector<CorpusFile> LoadCorpus(const std::string& folder);

// One random change of the kinds that break parsers: bit flips, boundary
// values in counts, sizes and far addresses, cuts, inserted and lost bytes.
void Mutate(sb::ByteVec& s, std::mt19937& rng);

// Calls `visit` with `perBase` mutants of every base (one to four changes
// each), drawn from a generator seeded with `seed`.
void ForEachMutant(const std::vector<sb::ByteVec>& bases, int perBase, std::uint32_t seed,
                   const std::function<void(const sb::ByteVec&)>& visit);

}  // namespace gd::fuzz
