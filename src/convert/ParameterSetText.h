// The parameter sets of a series as labelled text lines.
//
// The channels of a series are rendered side by side into a text grid of 41
// rows of 187 characters: labels from the label table at the left, ":" in
// column 18, per channel a value column (20, 40, ...) and a unit column ten
// further right. Measuring channels are rendered in a first pass, computed
// channels in a second one. Without "all data" a row is shown only when it is
// relevant for one of the channels rendered (the relevance word), so a plain
// set shows pipe, medium, sensor and storage and leaves out what the meter
// fills in by itself.
//
// The lines are Windows-1252. The conversion engine writes them one by one
// through its delimited-line output (quotes, DOS characters) into a text
// export, or hands them to the parameter-set window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "convert/LabelTable.h"
#include "convert/NumberFormat.h"
#include "core/Locale.h"
#include "core/StreamLayout.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

namespace gd {

// What the text needs besides the series.
struct ParameterSetContext {
  const TLabelTable* labels = nullptr;   // with the output language selected
  const ParsedStream* stream = nullptr;  // name lists, version, factory bounds
  NumberFormat format;                   // style bits and system separator
  Locale locale;                         // time of day of the storage interval
};

class ParameterSetText {
 public:
  static constexpr int kRows = 41;
  static constexpr int kRowLength = 187;
  explicit ParameterSetText(const ParameterSetContext& context) : ctx_(context) {}

  // Renders channels first..last (0-based, clipped to the series' channels)
  // of `series` in both passes and appends the lines of pass 0, one empty
  // line, and the lines of pass 1 to `lines`. `valueCounts` (element k + 1 =
  // stored values of channel k) adds the row of value counts; null leaves it
  // out. `entry` is the series' directory entry.
  void Write(const TRcaEntry& entry, int first, int last,
             const std::array<std::int32_t, 9>* valueCounts, const TSeriesDescription& series,
             std::vector<std::string>& lines) const;

  // One pass (0 measuring channels, 1 computed channels); appends its lines,
  // none when no channel of the range belongs to the pass.
  void WritePass(int pass, const TRcaEntry& entry, int first, int last,
                 const std::array<std::int32_t, 9>* valueCounts, const TSeriesDescription& series,
                 std::vector<std::string>& lines) const;

  // Bits by which the rows of one channel count as relevant.
  std::uint16_t Relevance(const TChannelDescription& channel) const;

  // A channel belongs to pass 1 when bit 1 of parameter-set byte 133 is set.
  static bool IsComputed(const TParameterSet& set) { return (set.U8(133) & 0x02) != 0; }

 private:
  using Grid = std::array<std::string, kRows>;

  void WriteLabels(int pass, Grid& grid) const;
  void PlaceChannel(int pass, const TSeriesDescription& series, int channel, int column,
                    const std::array<std::int32_t, 9>* valueCounts, Grid& grid) const;

  const ParameterSetContext& ctx_;
};

}  // namespace gd
