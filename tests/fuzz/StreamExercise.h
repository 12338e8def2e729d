// The work of the stream fuzzer, shared by the libFuzzer binary and the
// corpus test that runs without libFuzzer.
//
// It opens arbitrary bytes as a measurement byte stream, describes every
// series and walks every record through NextRecord and AttachChannel. Any
// exception that escapes, any read outside the buffer (caught by the
// sanitizers) and any broken promise of the navigator aborts.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gd::fuzz {

struct ExerciseResult {
  bool usable = false;    // the parse left the stream usable
  int series = 0;         // series described
  int damagedSeries = 0;  // series reported as damaged
  long records = 0;       // records delivered
};

// Never walks more than this many records for one input, so that a stream of
// many series over the same records stays quick to run.
inline constexpr long kRecordBudget = 1L << 20;

ExerciseResult ExerciseStream(const std::uint8_t* data, std::size_t size);

}  // namespace gd::fuzz
