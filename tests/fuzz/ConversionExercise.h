// The work of the conversion fuzzer: arbitrary bytes taken through what a
// user runs on an opened file, shared by the libFuzzer binary and the corpus
// test.
//
// Per input: the measurement file opened from memory (with the user-data
// block behind the stream, and once more after saving its comments), the
// series list and details, the conversion engine writing every series as
// text in several styles, as spreadsheet cells and as table-view rows, the
// parameter-set window text, the stream listing, and a subset file built in
// memory that must itself open with the same number of series. Comment
// blocks found anywhere in the bytes are read as user data too.
//
// Escaping exceptions other than the clear errors the operations promise,
// reads outside a buffer (caught by the sanitizers) and broken promises abort.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gd::fuzz {

struct ConversionResult {
  bool fileOpened = false;     // MeasurementFile accepted the bytes
  bool userDataFound = false;  // ... and found a user-data block behind the stream
  bool usable = false;         // the conversion engine converts the stream
  int series = 0;              // series the engine's navigator lists
  long textBytes = 0;          // text written over all styles
  long cells = 0;              // spreadsheet cells
  long gridRows = 0;           // table-view rows
  long listingLines = 0;       // stream listing lines
  long parameterLines = 0;     // parameter-set window lines
  bool budgetSpent = false;    // some run stopped at the record budget
  int subsetSeries = -1;       // series of the subset file; -1 when none was built
  bool subsetRefused = false;  // BuildSubset refused the stream with a clear error
};

// At most this many records per conversion run and this many series per
// input, so that a stream of many series over the same records stays quick.
inline constexpr long kConversionRecordBudget = 400;
inline constexpr int kConversionSeriesBudget = 16;

ConversionResult ExerciseConversion(const std::uint8_t* data, std::size_t size);

}  // namespace gd::fuzz
