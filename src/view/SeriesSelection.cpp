#include "view/SeriesSelection.h"

#include <algorithm>
#include <utility>

#include "core/Errors.h"
#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {

// --- SeriesSelection ---------------------------------------------------------

SeriesSelection::SeriesSelection(std::vector<int> seriesNumbers)
    : numbers_(std::move(seriesNumbers)) {}

SeriesSelection SeriesSelection::All(int count) {
  std::vector<int> numbers;
  for (int n = 1; n <= count; ++n) numbers.push_back(n);
  return SeriesSelection(std::move(numbers));
}

SeriesSelection SeriesSelection::FromString(std::string_view selection) {
  std::vector<int> numbers;
  numbers.reserve(selection.size());
  for (char c : selection) numbers.push_back(static_cast<unsigned char>(c) + 1);
  return SeriesSelection(std::move(numbers));
}

bool SeriesSelection::FitsString() const {
  return std::all_of(numbers_.begin(), numbers_.end(),
                     [](int n) { return n >= 1 && n <= kMaxByteStringSeries; });
}

std::string SeriesSelection::ToString() const {
  std::string out;
  out.reserve(numbers_.size());
  for (int n : numbers_) {
    if (n < 1 || n > kMaxByteStringSeries)
      throw EGaugData(FormatText("series %d cannot be named in a selection string", {n}));
    out += static_cast<char>(static_cast<unsigned char>(n - 1));
  }
  return out;
}

// --- SeriesSelectionModel ----------------------------------------------------

void SeriesSelectionModel::Prepare(const std::vector<SeriesListItem>& items) {
  all_ = items;
  source_ = items;
  destination_.clear();
  allCount_ = static_cast<int>(items.size());
  selectedCount_ = static_cast<int>(std::count_if(
      items.begin(), items.end(), [](const SeriesListItem& i) { return i.selected; }));
  choice_ = (selectedCount_ >= 2 && selectedCount_ < allCount_) ? Choice::kSelected : Choice::kAll;
}

std::string SeriesSelectionModel::Caption() {
  return Translate(
      "Speichern von Me\xDF"
      "wertreihen");
}

std::string SeriesSelectionModel::AllCaption() const {
  return FormatText(Translate("&Alle (%d Reihen)"), {allCount_});
}

std::string SeriesSelectionModel::SelectedCaption() const {
  return FormatText(Translate("&Selektierte (%d Reihen)"), {selectedCount_});
}

void SeriesSelectionModel::SetSourceSelected(std::size_t index, bool selected) {
  if (index < source_.size()) source_[index].selected = selected;
}

void SeriesSelectionModel::SetDestinationSelected(std::size_t index, bool selected) {
  if (index < destination_.size()) destination_[index].selected = selected;
}

void SeriesSelectionModel::MoveSelected(std::vector<SeriesListItem>& from,
                                        std::vector<SeriesListItem>& to) {
  std::size_t first = 0;
  while (first < from.size() && !from[first].selected) ++first;
  if (first == from.size()) first = 0;  // no selection: the first item gets it
  for (std::size_t i = from.size(); i-- > 0;) {
    if (!from[i].selected) continue;
    SeriesListItem item = from[i];
    item.selected = false;
    to.push_back(std::move(item));
    from.erase(from.begin() + static_cast<std::ptrdiff_t>(i));
  }
  if (!from.empty()) from[std::min(first, from.size() - 1)].selected = true;
}

void SeriesSelectionModel::MoveAll(std::vector<SeriesListItem>& from,
                                   std::vector<SeriesListItem>& to) {
  for (SeriesListItem& item : from) {
    item.selected = false;
    to.push_back(std::move(item));
  }
  from.clear();
}

void SeriesSelectionModel::Include() { MoveSelected(source_, destination_); }
void SeriesSelectionModel::Exclude() { MoveSelected(destination_, source_); }
void SeriesSelectionModel::IncludeAll() { MoveAll(source_, destination_); }
void SeriesSelectionModel::ExcludeAll() { MoveAll(destination_, source_); }

SeriesSelection SeriesSelectionModel::Result() const {
  std::vector<int> numbers;
  switch (choice_) {
    case Choice::kAll:
      return SeriesSelection::All(allCount_);
    case Choice::kSelected:
      for (const SeriesListItem& item : all_)
        if (item.selected) numbers.push_back(item.seriesNumber);
      break;
    case Choice::kPick:
      for (const SeriesListItem& item : destination_) numbers.push_back(item.seriesNumber);
      break;
  }
  return SeriesSelection(std::move(numbers));
}

}  // namespace gd
