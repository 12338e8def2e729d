// Saving the table view's content ("Diese Tabelle speichern"): a small header
// (source, start, the channel's parameter set), the column headings and the
// rows, as text lines of the text export's layout or as a workbook (".xls",
// ".xlsx"); or the rows alone as a data table (".csv", see CsvExport.h).
//
// The file is built whole (the ".xlsx" in a temporary file beside the target)
// and takes the target's place at the end, so a failure leaves no
// half-written file and the previous file stays as it was.
#pragma once

#include <string>
#include <string_view>

#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/Progress.h"
#include "core/VXAblage.h"
#include "export/CsvExport.h"

namespace gd {

class TVXASCIIOUT;
class ValuesTable;

inline constexpr const char* kTableSaveTitle = "Speichern der Messwertreihen";
inline constexpr const char* kTableSaveFilter = "ASCII Text  (*.txt)|*.txt";
inline constexpr const char* kTableSaveGauge = "Speichere Tabelle";
inline constexpr const char* kTableFillGauge = "Extrahiere Messwerte";

// Whether a chosen file name selects a workbook (".xls" or ".xlsx", in any
// case); ".csv" selects the data table, anything else text.
bool IsSpreadsheetName(std::string_view path);

// LBV_DateTime and the "\START" line: start date and time of the series.
std::string SeriesStartText(const TSeriesDescription& series, const Locale& locale);

struct TableSaveRequest {
  std::string target;
  std::string caption;  // the window caption, named in "\SOURCE="
  CsvOptions csv{};     // the layout of a ".csv" target
};

// Builds the file from `table` (filled from `engine`) and writes it to
// request.target. Returns false when the user cancelled a text file (the file
// then ends with "\BREAK (<row> of <rows>)" and "\END" and is still written)
// or a data table (which is then not written).
// Conversion and file errors are thrown with nothing written. The engine's
// output and spreadsheet are detached again on every way out.
bool SaveValuesTable(TVXASCIIOUT& engine, const ValuesTable& table, const TableSaveRequest& request,
                     IFileStore& files, IProgress& progress);

}  // namespace gd
