// The builder-made streams of the fuzz corpus: small valid streams that
// between them reach every table, both record kinds, every record field and
// extension kind, and both spellings of far addresses.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/StreamBuilder.h"

namespace gd::fuzz {

struct CorpusStream {
  std::string name;  // file name in tests/fuzz/corpus/
  sb::StreamSpec spec;
};

std::vector<CorpusStream> CorpusStreams();

// Records that use every field and extension kind, `count` of them, spread
// over channels 1..channels.
std::vector<sb::FlaggedRecord> VariedRecords(int count, int channels);

}  // namespace gd::fuzz
