// The table view's content (`TDLG_ValuesInGrid`): the stored values of one
// channel of one series as rows of texts, one column per enabled output
// column of the conversion object, each cell the text the text export writes.
//
// Column 0 holds the running record number; columns 1.. the enabled output
// columns in index order (ColumnMap names the output column of each). The
// header row is kept apart from the data rows. All cell texts live in one
// buffer with an offset per cell, so a table of several hundred thousand
// rows costs a few bytes per cell and no allocation per cell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/MessageTexts.h"
#include "core/Progress.h"
#include "core/VXAblage.h"

namespace gd {

class TVXASCIIOUT;

inline constexpr const char* kTableBreakText = "**BREAK**";
inline constexpr const char* kTableBreakCountText = "(%d of %d)";
inline constexpr const char* kTableCaptionText =
    "Me\xDF"
    "wertreihe aus %s";

// A rectangle of grid cells, inclusive on all sides (data rows, grid columns).
struct TableRange {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

class ValuesTable {
 public:
  enum class FillResult { kFilled, kCancelled, kNoSeries };

  // The channel items ("A:", "B:", ...) of series `series` (1-based) before
  // any fill, for the channel choice; empty when the engine has no such series.
  static std::vector<std::string> ChannelItemsOf(TVXASCIIOUT& engine, int series);

  // Walks series `series` (1-based) and takes the records of `channel`
  // (0-based; a channel the series lacks becomes channel 0). Records of other
  // channels are skipped; a record whose conversion throws keeps the texts of
  // the record before it. Every 10th record lets events run; a cancel seen
  // there ends the table with a row "<n>", "**BREAK**", "(<n> of <count>)".
  // The progress runs over the channel's value count in steps of 1 %.
  FillResult Fill(TVXASCIIOUT& engine, int series, int channel, IProgress& progress);

  // --- Result -----------------------------------------------------------------
  int Series() const { return series_; }
  int Channel() const { return channel_; }
  const TSeriesDescription& Description() const { return description_; }
  // Channel letters followed by ":" ("A:", "B:", ...) of the series.
  const std::vector<std::string>& ChannelItems() const { return channelItems_; }
  bool MultiChannel() const { return channelItems_.size() > 1; }
  // Stored values of the channel after the series description.
  std::int32_t ValueCount() const { return valueCount_; }
  // Progress step of the fill: 1 % of the value count, at least 1.
  std::int64_t ProgressStep() const { return progressStep_; }
  bool Cancelled() const { return cancelled_; }

  int ColumnCount() const { return static_cast<int>(headers_.size()); }
  // Grid column (1..) -> output column index; element 0 is -1.
  const std::vector<int>& ColumnMap() const { return columnMap_; }
  // Header of a grid column: the letter and ":" of the channel for column 0
  // of a multi-channel series, else the trimmed headline.
  const std::string& Header(int column) const { return headers_[static_cast<std::size_t>(column)]; }
  // Data rows (the header row not counted); at least 1, an empty row when the
  // channel has no records.
  int RowCount() const { return rowCount_; }
  // Data row 0.. and grid column 0..; an empty view outside the table.
  std::string_view Cell(int row, int column) const;

  // The copied text of the ranges: per row the cells of the range, each
  // followed by the engine's column separator, the row ended by CR LF.
  std::string SelectionText(const std::vector<TableRange>& ranges, const TVXASCIIOUT& engine) const;
  // The parameter-set lines of the filled series and channel; throws what
  // the engine throws.
  std::vector<std::string> ParameterSetLines(TVXASCIIOUT& engine) const;

  // Keeps the first `rows` data rows (headers and column map stay) and gives
  // the memory of the others back; the window does so when it closes.
  void KeepRows(int rows);

 private:
  void Reset();
  void BeginRow();
  void AddCell(std::string_view text);
  void EndRow();

  int series_ = 0;
  int channel_ = 0;
  TSeriesDescription description_{};
  std::vector<std::string> channelItems_;
  std::int32_t valueCount_ = 0;
  std::int64_t progressStep_ = 1;
  bool cancelled_ = false;

  std::vector<std::string> headers_;
  std::vector<int> columnMap_;
  int rowCount_ = 0;
  int cellsInRow_ = 0;
  std::string text_;                 // all cell texts, row after row
  std::vector<std::uint32_t> ends_;  // end offset of every cell in text_
};

}  // namespace gd
