// The main window's Quick-Save list: series the user collects for export with
// ">" / ">>" and removes with "<" / "<<", then saves with "Diese Reihen
// Speichern". Each entry shows "%.2d" of its series number and stands for that
// series' row; a series is in the list at most once. Opening a file or
// receiving data empties it (the rows are rebuilt).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/SeriesList.h"
#include "core/Locale.h"
#include "core/VXAblage.h"
#include "view/SeriesSelection.h"

namespace gd {

class QuickSaveList {
 public:
  struct Buttons {
    bool include = false;     // ">"
    bool includeAll = false;  // ">>"
    bool exclude = false;     // "<"
    bool excludeAll = false;  // "<<"
    bool save = false;        // "Diese Reihen Speichern"
  };

  // Series numbers of the entries, in list order.
  const std::vector<int>& Entries() const { return entries_; }
  std::size_t Size() const { return entries_.size(); }
  bool Contains(int seriesNumber) const;
  // "%.2d" of entry i's series number.
  std::string Caption(std::size_t index) const;

  // ">": appends every selected row (series numbers, in row order) not yet in
  // the list. Returns the index of the entry appended last, which takes the
  // list's selection; none when nothing was appended.
  std::optional<std::size_t> Include(const std::vector<int>& selectedRows);
  // ">>": appends every series 1..rowCount not yet in the list, in row order.
  void IncludeAll(int rowCount);
  // "<": removes the entries at these indices.
  void Exclude(const std::vector<std::size_t>& selectedEntries);
  // "<<", and every reset of the window.
  void Clear() { entries_.clear(); }

  // Button states after a move or a row click, for `rowCount` rows of which
  // `selectedRows` (series numbers) are selected.
  Buttons ButtonStates(int rowCount, const std::vector<int>& selectedRows) const;

  // "Diese Reihen Speichern": the entries in list order.
  SeriesSelection Selection() const { return SeriesSelection(entries_); }

 private:
  std::vector<int> entries_;
};

// Save, step 1: with exactly one series that series, with none the empty
// selection; with more the series selection dialog decides (none here).
std::optional<SeriesSelection> SaveSelectionWithoutDialog(int seriesCount);
// The caption of a series in that dialog, so that series can be told apart
// without the main list: "%.2d" of the series number, its start and the
// measuring-point names of its channels (cut to 8 characters as in the list),
// e.g. "03   13.03.2007  08:00:00   A:'VORLAUF' B:'RUECK'". A series whose
// description could not be read shows "** BAD BYTES **" after its number.
std::string SelectionItemCaption(int seriesNumber, const TSeriesDescription* series,
                                 const Locale& locale);
// The main list's rows (caption above, series number, selected) for that
// dialog; `selectedRows` holds series numbers.
std::vector<SeriesListItem> SelectionDialogItems(const SeriesListModel& list,
                                                 const std::vector<int>& selectedRows,
                                                 const Locale& locale);

}  // namespace gd
