// Saving chosen series as a new measurement file (".sdx") that holds only
// those series, with their comments.
//
// The new file has the layout of any measurement file: the prolog of the open
// stream with new counts and sizes, a directory of one entry per chosen series
// in the order chosen, the open stream's table section unchanged, then per
// series its block (channel count, channel heads, parameter sets) and its value
// records, copied byte for byte; behind the stream the user-data block with the
// file comment and the chosen series' comments under their new numbers.
//
// Every address the new file holds (DATA OFFSET, block, first-record and
// parameter-set addresses) is a far address whose mapping leads back to the
// position it was written for, at any file size: below 64 KiB it is the plain
// position (segment 0), above it takes a segment. The prolog's user-data flag
// is set, as the file always carries the user-data block.
//
// The file is built whole in memory and only then written, through a
// temporary file, so a failure never leaves a partial file under the target
// name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Bytes.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "core/Progress.h"
#include "core/ReihenMemoStrings.h"
#include "core/StreamParser.h"
#include "core/UserData.h"

namespace gd {

// Highest linear address a far address reaches (segment and offset 0xFFFF).
inline constexpr std::uint32_t kMaxFarLinear = 0xFFFFu * 16u + 0xFFFFu;

// A far address whose linear value is `linear`: the plain value below 64 KiB,
// else the largest segment that leaves the rest to the offset. None above
// kMaxFarLinear.
std::optional<std::uint32_t> FarAddressOf(std::uint32_t linear);

// What the subset is made from: the open stream, its parse and its comments.
struct SubsetSource {
  ByteView stream;  // the open file's bytes from offset 0 (a user-data block may follow)
  const ParsedStream* parsed = nullptr;
  const CommentSet* comments = nullptr;  // rows[i] holds series i + 1; may be null
};

struct SubsetFile {
  Bytes bytes;                      // the whole new file
  std::uint16_t commentBlocks = 0;  // series comment blocks written
  // New series numbers whose records ran past the open stream: only the
  // whole records were copied and the new directory counts just those.
  std::vector<int> shortenedSeries;
};

// Builds the new file for `selection` (1-based series numbers of the open
// stream, in the order to write; a series may appear more than once). `now`
// stamps changed comments. Progress: maximum = the records of the chosen
// series, advanced series by series; a cancel between two series gives
// nullopt. Throws EGaugData for a stream that cannot be used (also one whose
// tables run past the section the prolog gives), a series number
// outside the directory, more series than a directory holds, or a file beyond
// the device's address reach.
std::optional<SubsetFile> BuildSubset(const SubsetSource& source, std::span<const int> selection,
                                      const CalendarTime& now, IProgress& progress);

enum class SaveOutcome {
  Saved,      // the whole file stands under the target name
  Refused,    // the target is the open file: the error box was shown, nothing written
  Cancelled,  // the user stopped; nothing written
};

// SaveSubset: refuses a target that is the open file `openFileName` (however
// spelt) with the error box "Current file\r\n%s\r\n can not saved to
// itself.\r\nChoose another filename !", else builds the file and writes it
// in one piece (replacing an existing target). Write failures are thrown.
SaveOutcome SaveSubset(const SubsetSource& source, const std::string& openFileName,
                       std::span<const int> selection, const std::string& target, IFileStore& files,
                       IMessages& messages, IProgress& progress, const CalendarTime& now,
                       SubsetFile* written = nullptr);

// The error box text for saving onto the open file.
std::string SavedToItselfText(const std::string& target);

}  // namespace gd
