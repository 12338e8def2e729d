#include "view/ValuesTableSave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/FormatText.h"
#include "core/TextTools.h"
#include "export/CellConversions.h"
#include "export/XlsCellSink.h"
#include "export/XlsWriter.h"
#include "view/ValuesTable.h"

namespace gd {
namespace {

constexpr int kHeadingCellFormat = 2;

struct EngineDetach {
  TVXASCIIOUT& engine;
  ~EngineDetach() {
    engine.SetOutput(nullptr);
    engine.SetSpreadsheet(nullptr);
  }
};

void RemoveBlanks(std::string& line) {
  line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
}

// A data cell of the workbook: a date or time for the engine's date and time
// columns, else a number, else the text.
void WriteBookCell(Bytes& book, const Locale& locale, int outColumn, int column, int row,
                   std::string_view text) {
  if (text.empty()) return;
  try {
    if (outColumn == kColDate) {
      WriteDateCell(book, locale, column, row, TextToDate(locale, text));
      return;
    }
    if (outColumn == kColTime) {
      WriteTimeCell(book, locale, column, row, TextToTime(locale, text));
      return;
    }
    WriteNumberCell(book, column, row, TextToFloat(locale, text));
    return;
  } catch (const EConvertError&) {
  }
  WriteLabelCell(book, column, row, text);
}

}  // namespace

bool IsSpreadsheetName(std::string_view path) {
  if (path.size() < 4) return false;
  std::string ext(path.substr(path.size() - 4));
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext == ".xls";
}

std::string SeriesStartText(const TSeriesDescription& series, const Locale& locale) {
  const TRcaEntry& e = series.entry;
  const DateRecord start{e.StartYear(), e.StartMonth(), e.StartDay(), e.DateSpare()};
  return MomentText(start, e.StartTime(), locale);
}

bool SaveValuesTable(TVXASCIIOUT& engine, const ValuesTable& table, const TableSaveRequest& request,
                     IFileStore& files, IProgress& progress) {
  const bool sheet = IsSpreadsheetName(request.target);
  const Locale& locale = engine.GetLocale();
  const bool trim = (engine.Style() & kStyleTrimStrings) != 0;
  std::string text;
  StringByteSink textSink(text);
  Bytes book;
  TXlsCellSink bookSink(book, locale);
  EngineDetach detach{engine};
  if (sheet) {
    WriteWorkbookStart(book, locale, CodePageForStyle(engine.Style()));
    engine.SetOutput(nullptr);
    engine.SetSpreadsheet(&bookSink);
  } else {
    engine.SetSpreadsheet(nullptr);
    engine.SetOutput(&textSink);
  }
  engine.SetRow(0);

  const TSeriesDescription& d = table.Description();
  std::vector<std::string> parameterLines;
  if (table.Series() > 0) {
    engine.WriteParameterSet(&parameterLines, d.entry, table.Channel(), table.Channel(),
                             &d.valueCounts, d);
  }
  engine.WriteLine(
      FormatText("\\SOURCE=%s[%s]", {request.caption, FormatText("%2.2d", {table.Series()})}));
  engine.WriteLine("\\START           : " + SeriesStartText(d, locale));
  engine.WriteLine("\\PARAMS");
  for (const std::string& line : parameterLines) engine.WriteLine(line);
  engine.WriteLine("\\DATA");

  const int columns = table.ColumnCount();
  if (sheet) {
    for (int c = 1; c < columns; ++c) {
      WriteLabelCell(book, c - 1, engine.Row(), table.Header(c), kHeadingCellFormat);
    }
    engine.SetRow(engine.Row() + 1);
  } else {
    std::string line = "\\*";
    for (int c = 1; c < columns; ++c) {
      line += table.Header(c);
      engine.ColumnSeparator(line);
    }
    if (trim) RemoveBlanks(line);
    engine.WriteLine(line);
  }

  const int rows = table.RowCount();
  progress.SetMaximum(rows);
  const std::int64_t step = std::max<std::int64_t>(1, std::llround(rows * 0.1));
  const std::int64_t cellsPerRow = std::max(1, columns - 1);
  bool cancelled = false;
  std::string line;
  for (int r = 0; r < rows; ++r) {
    const std::int64_t product = static_cast<std::int64_t>(r + 1) * cellsPerRow;
    if (sheet) {
      const int row = engine.Row();
      for (int c = 1; c < columns; ++c) {
        WriteBookCell(book, locale, table.ColumnMap()[static_cast<std::size_t>(c)], c - 1, row,
                      TrimBlanks(table.Cell(r, c)));
      }
      engine.SetRow(row + 1);
    } else {
      line.clear();
      for (int c = 1; c < columns; ++c) {
        line += table.Cell(r, c);
        engine.ColumnSeparator(line);
      }
      if (trim) RemoveBlanks(line);
      engine.WriteLine(line);
    }
    if (product % 10 == 0) progress.LetEventsRun();
    if (product % step == 0) progress.Advance(step);
    if (!sheet && progress.Cancelled()) {
      if (r + 1 < rows) {
        engine.WriteLine("\\BREAK " + FormatText("(%d of %d)", {r + 1, rows}));
        cancelled = true;
      }
      break;
    }
  }
  engine.WriteLine("\\END");
  if (sheet) {
    WriteWorkbookEnd(book);
    files.WriteWhole(request.target, ByteView(book));
  } else {
    files.WriteWhole(request.target,
                     ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }
  return !cancelled;
}

}  // namespace gd
