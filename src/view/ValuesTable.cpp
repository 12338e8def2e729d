#include "view/ValuesTable.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>

#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::uint8_t kFlagChannel = 0x10;  // the record names its channel
constexpr int kEventsEvery = 10;             // records between two event runs

}  // namespace

void ValuesTable::Reset() {
  cancelled_ = false;
  channelItems_.clear();
  headers_.clear();
  columnMap_.clear();
  rowCount_ = 0;
  cellsInRow_ = 0;
  text_.clear();
  ends_.clear();
  valueCount_ = 0;
  progressStep_ = 1;
}

std::string_view ValuesTable::Cell(int row, int column) const {
  const int columns = ColumnCount();
  if (row < 0 || row >= rowCount_ || column < 0 || column >= columns) return {};
  const std::size_t i = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                        static_cast<std::size_t>(column);
  const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(text_).substr(begin, ends_[i] - begin);
}

void ValuesTable::KeepRows(int rows) {
  if (rows < 0 || rows >= rowCount_) return;
  rowCount_ = rows;
  const std::size_t cells =
      static_cast<std::size_t>(rows) * static_cast<std::size_t>(ColumnCount());
  ends_.resize(cells);
  ends_.shrink_to_fit();
  text_.resize(cells == 0 ? 0 : ends_.back());
  text_.shrink_to_fit();
}

void ValuesTable::BeginRow() { cellsInRow_ = 0; }

void ValuesTable::AddCell(std::string_view text) {
  // Offsets are 32-bit: a table beyond 4 GiB of text is refused, not wrapped.
  if (text_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw EGaugData("Tabelle zu gro\xDF");
  }
  text_.append(text);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
  ++cellsInRow_;
}

void ValuesTable::EndRow() {
  while (cellsInRow_ < ColumnCount()) AddCell({});
  ++rowCount_;
}

namespace {

std::vector<std::string> ItemsOf(const TSeriesDescription& d) {
  std::vector<std::string> items;
  const int channels = std::clamp<int>(d.channelCount, 1, static_cast<int>(kMaxChannels));
  for (int k = 0; k < channels; ++k) {
    std::string item(1, static_cast<char>(d.channels[static_cast<std::size_t>(k)].letter));
    items.push_back(item + ":");
  }
  return items;
}

}  // namespace

std::vector<std::string> ValuesTable::ChannelItemsOf(TVXASCIIOUT& engine, int series) {
  if (!engine.Usable()) return {};
  TVXAblage& nav = engine.Navigator();
  if (series < 1 || series > nav.SeriesCount()) return {};
  TSeriesDescription d;
  nav.GetSeriesDescription(series, d);
  return ItemsOf(d);
}

std::string ValuesTable::SelectionText(const std::vector<TableRange>& ranges,
                                       const TVXASCIIOUT& engine) const {
  std::string text;
  for (const TableRange& range : ranges) {
    for (int r = range.top; r <= range.bottom; ++r) {
      std::string line;
      for (int c = range.left; c <= range.right; ++c) {
        line += Cell(r, c);
        engine.ColumnSeparator(line);
      }
      text += line;
      text += "\r\n";
    }
  }
  return text;
}

std::vector<std::string> ValuesTable::ParameterSetLines(TVXASCIIOUT& engine) const {
  std::vector<std::string> lines;
  if (series_ <= 0) return lines;
  const TSeriesDescription& d = description_;
  engine.WriteParameterSet(&lines, d.entry, channel_, channel_, &d.valueCounts, d);
  return lines;
}

ValuesTable::FillResult ValuesTable::Fill(TVXASCIIOUT& engine, int series, int channel,
                                          IProgress& progress) {
  Reset();
  series_ = series;
  TVXAblage& nav = engine.Navigator();
  if (nav.SeriesCount() == 0 || series < 1 || series > nav.SeriesCount()) {
    headers_ = {"", ""};
    columnMap_ = {-1, -1};
    BeginRow();
    EndRow();
    return FillResult::kNoSeries;
  }
  nav.GetSeriesDescription(series, description_);
  const TSeriesDescription& d = description_;
  channelItems_ = ItemsOf(d);
  const int channels = static_cast<int>(channelItems_.size());
  channel_ = channel >= 0 && channel < channels ? channel : 0;
  valueCount_ = std::max<std::int32_t>(0, d.valueCounts[static_cast<std::size_t>(channel_ + 1)]);
  progress.SetMaximum(valueCount_);
  progressStep_ = std::max<std::int64_t>(1, std::llround(valueCount_ * 0.01));

  nav.SelectSeries(series);
  engine.StartChannelClocks(d.entry, d);
  const bool shortRecords = nav.IsShortRecordSeries();

  // The columns come from the channel's part as the records carry it, so
  // they are the ones the text export sets up for this channel.
  auto probe = std::make_unique<TValueRecord>();
  probe->channel = static_cast<std::uint8_t>(channel_ + 1);
  nav.AttachChannel(*probe);
  static const TParameterSet kNoSet{};
  const RecordChannel& part = probe->channelPart;
  engine.SetupColumns(!shortRecords && channels > 1, part.storedValues,
                      part.parameterSet ? *part.parameterSet : kNoSet, part.extraValues,
                      part.inputs);
  headers_.push_back(MultiChannel() ? channelItems_[static_cast<std::size_t>(channel_)] : "");
  columnMap_.push_back(-1);
  for (int i = 0; i < kOutColumnCount; ++i) {
    const TOutColumn& col = engine.Column(i);
    if (!col.enabled) continue;
    headers_.emplace_back(TrimBlanks(col.header));
    columnMap_.push_back(i);
  }

  const int columns = ColumnCount();
  const std::int64_t wanted = std::max<std::int64_t>(1, valueCount_);
  ends_.reserve(static_cast<std::size_t>(std::min<std::int64_t>(wanted, 1 << 20) * columns));

  const int chosen = channel_ + 1;
  const int headNumber = nav.Head(channel_).ChannelNumber();
  std::int64_t running = 1;
  TValueRecord& rec = *probe;
  while (nav.NextRecord(rec)) {
    if (running % kEventsEvery == 0) progress.LetEventsRun();
    if (progress.Cancelled()) {
      const std::string count = FormatText(kTableBreakCountText, {running, valueCount_});
      BeginRow();
      AddCell(std::to_string(running));
      if (columns > 2) {
        AddCell(kTableBreakText);
        AddCell(count);
      } else {
        AddCell(std::string(kTableBreakText) + " " + count);
      }
      EndRow();
      cancelled_ = true;
      return FillResult::kCancelled;
    }
    nav.AttachChannel(rec);
    int number = -1;
    if (!shortRecords && (rec.flags & kFlagChannel)) {
      if (rec.channel != chosen) continue;
      number = headNumber;
    }
    try {
      engine.ConvertRecord(number, rec);
    } catch (const std::exception&) {
      // A record that does not convert shows the texts of the record before.
    }
    BeginRow();
    AddCell(std::to_string(running));
    for (int c = 1; c < columns; ++c)
      AddCell(engine.Column(columnMap_[static_cast<std::size_t>(c)]).valueText);
    EndRow();
    if (rowCount_ % progressStep_ == 0) progress.Advance(progressStep_);
    ++running;
  }
  if (rowCount_ == 0) {
    BeginRow();
    EndRow();
  }
  return FillResult::kFilled;
}

}  // namespace gd
