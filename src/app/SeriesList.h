// The main window's series list: one row per series of the open stream, its
// columns and cell texts, the details text of a series and the labels that
// follow the selected row.
//
// Columns: "NR"; the time column ("START", "ENDE" or "DAUER"); then for every
// channel letter that occurs in any series, sorted, three columns: the unit
// text ("A:[...]"), the value count ("A:Werte", right-aligned) and the quoted
// measuring-point name ("A:Name"). A series without a letter leaves its three
// cells empty. The window only displays these texts; the command-line tool
// prints them separated by TAB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "core/Locale.h"
#include "core/SeriesTimes.h"
#include "core/VXAblage.h"

namespace gd {

class TReihenMemoStrings;

inline constexpr const char* kBadBytesText = "** BAD BYTES **";

// --- Details -----------------------------------------------------------------

// The details text of series n: "Messwert-Reihe %2.2d vom %s enthaelt:", then
// one line per channel. A damaged series (or one without a description) ends
// with "** BAD BYTES **" after what could be read.
std::vector<std::string> SeriesDetailsLines(int seriesNumber, const TSeriesDescription* series,
                                            const Locale& locale);
// The lines joined with CR LF, as the details panel shows them.
std::string SeriesDetailsText(int seriesNumber, const TSeriesDescription* series,
                              const Locale& locale);

// --- Labels that follow the selection (selected: series number, 0 = none) ----

// "Details der Messwertreihe:", "&Bemerkungen zur Messwertreihe %2.2d:" or
// "Bemerkungen zur Messwertreihe:".
std::string DetailsPanelLabel(bool commentMode, int selected);
// "&Messwertreihe %2.2d", or "&Messwertreihe" (the menu is then disabled).
std::string SeriesMenuCaption(int selected);

// --- The list ----------------------------------------------------------------

struct SeriesListColumn {
  std::string caption;
  bool rightAligned = false;
  bool visible = true;  // false only for the time column of a hidden mode
};

class SeriesListModel {
 public:
  // One row per entry, in series order (entry i is series i + 1). An entry
  // may be null: a series whose description could not be built keeps its
  // number and empty cells. The descriptions must outlive the model or the
  // next Build.
  void Build(std::vector<const TSeriesDescription*> descriptions);
  // The rows from their comment objects, which carry the descriptions.
  void Build(const std::vector<TReihenMemoStrings>& rows);
  void Clear();

  // Refill the texts without rebuilding the rows.
  void SetTimeMode(int mode);
  void SetLocale(const Locale& locale);
  // After a change of the interface language.
  void Refill();

  int TimeMode() const { return timeMode_; }
  bool TimeColumnVisible() const;
  // The distinct channel letters of all series, sorted.
  const std::string& Letters() const { return letters_; }
  // 2 + 3 x number of letters.
  const std::vector<SeriesListColumn>& Columns() const { return columns_; }
  int RowCount() const { return static_cast<int>(descriptions_.size()); }
  int SeriesNumber(int row) const { return row + 1; }
  const TSeriesDescription* Description(int row) const;
  const std::vector<std::string>& Cells(int row) const;

  // Captions and cells of one row joined by `separator`.
  std::string CaptionLine(char separator = '\t') const;
  std::string RowLine(int row, char separator = '\t') const;
  // The caption line and the lines of `rows` (0-based, in the order given;
  // rows outside the list are left out), TAB-separated, each ended by CR LF:
  // what the list copies to the clipboard. Empty when no row is given.
  std::string CopyText(const std::vector<int>& rows) const;

 private:
  void Fill();

  std::vector<const TSeriesDescription*> descriptions_;
  std::string letters_;
  std::vector<SeriesListColumn> columns_;
  std::vector<std::vector<std::string>> cells_;
  int timeMode_ = kTimeColumnStart;
  Locale locale_;
};

}  // namespace gd
