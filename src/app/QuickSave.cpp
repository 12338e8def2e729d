#include "app/QuickSave.h"

#include <algorithm>

#include "core/FormatText.h"
#include "core/SeriesTimes.h"

namespace gd {
namespace {

constexpr std::size_t kSelectionNameCells = 8;  // as the list's Name columns

}  // namespace

bool QuickSaveList::Contains(int seriesNumber) const {
  return std::find(entries_.begin(), entries_.end(), seriesNumber) != entries_.end();
}

std::string QuickSaveList::Caption(std::size_t index) const {
  return FormatText("%.2d", {entries_.at(index)});
}

std::optional<std::size_t> QuickSaveList::Include(const std::vector<int>& selectedRows) {
  std::optional<std::size_t> last;
  for (int n : selectedRows) {
    if (Contains(n)) continue;
    entries_.push_back(n);
    last = entries_.size() - 1;
  }
  return last;
}

void QuickSaveList::IncludeAll(int rowCount) {
  for (int n = 1; n <= rowCount; ++n)
    if (!Contains(n)) entries_.push_back(n);
}

void QuickSaveList::Exclude(const std::vector<std::size_t>& selectedEntries) {
  std::vector<bool> remove(entries_.size(), false);
  for (std::size_t i : selectedEntries)
    if (i < remove.size()) remove[i] = true;
  std::vector<int> kept;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (!remove[i]) kept.push_back(entries_[i]);
  entries_ = std::move(kept);
}

QuickSaveList::Buttons QuickSaveList::ButtonStates(int rowCount,
                                                   const std::vector<int>& selectedRows) const {
  Buttons b;
  b.include = b.includeAll = rowCount > 0;
  b.exclude = b.excludeAll = b.save = !entries_.empty();
  if (!selectedRows.empty() &&
      std::all_of(selectedRows.begin(), selectedRows.end(), [this](int n) { return Contains(n); }))
    b.include = false;
  return b;
}

std::optional<SeriesSelection> SaveSelectionWithoutDialog(int seriesCount) {
  if (seriesCount > 1) return std::nullopt;
  return SeriesSelection::All(seriesCount);
}

std::string SelectionItemCaption(int seriesNumber, const TSeriesDescription* series,
                                 const Locale& locale) {
  std::string caption = FormatText("%.2d", {seriesNumber});
  if (!series) return caption + "   " + kBadBytesText;
  caption += "   " + SeriesTimeCell(*series, kTimeColumnStart, locale) + "  ";
  for (std::size_t k = 0; k < series->channelCount && k < kMaxChannels; ++k) {
    const TChannelDescription& c = series->channels[k];
    std::string point = c.head.MeasuringPoint();
    if (point.size() > kSelectionNameCells) point.resize(kSelectionNameCells);
    caption += " " + std::string(1, static_cast<char>(c.letter)) + ":'" + point + "'";
  }
  if (series->damaged) caption += std::string("  ") + kBadBytesText;
  return caption;
}

std::vector<SeriesListItem> SelectionDialogItems(const SeriesListModel& list,
                                                 const std::vector<int>& selectedRows,
                                                 const Locale& locale) {
  std::vector<SeriesListItem> items;
  for (int row = 0; row < list.RowCount(); ++row) {
    const int n = list.SeriesNumber(row);
    const bool selected =
        std::find(selectedRows.begin(), selectedRows.end(), n) != selectedRows.end();
    items.push_back({SelectionItemCaption(n, list.Description(row), locale), n, selected});
  }
  return items;
}

}  // namespace gd
