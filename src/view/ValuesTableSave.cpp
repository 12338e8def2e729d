#include "view/ValuesTableSave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/FormatText.h"
#include "core/TextTools.h"
#include "export/CellBook.h"
#include "export/CellConversions.h"
#include "export/CsvExport.h"
#include "export/SaveTarget.h"
#include "export/UnicodeText.h"
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
void WriteBookCell(ICellBook& book, const Locale& locale, int outColumn, int column, int row,
                   std::string_view text) {
  if (text.empty()) return;
  try {
    if (outColumn == kColDate) {
      book.Date(column, row, TextToDate(locale, text));
      return;
    }
    if (outColumn == kColTime) {
      book.Time(column, row, TextToTime(locale, text));
      return;
    }
    book.Number(column, row, TextToFloat(locale, text));
    return;
  } catch (const EConvertError&) {
  }
  book.Label(column, row, text);
}

// The number the text export's cell text shows, in the table's form; empty
// for a text that is none (" ???", "?FAIL", "------").
std::string DataTableNumber(std::string_view text, char textDecimal, char tableDecimal) {
  std::string out;
  CsvNumber(text, textDecimal, tableDecimal, out);
  return out;
}

// The table as a data table: the header row, then per table row the series,
// the channel, the date and time of the DATE and TIME cells in ISO 8601 and
// the value columns, all in one piece.
std::string DataTableText(const TVXASCIIOUT& engine, const ValuesTable& table,
                          const CsvOptions& options, IProgress& progress, bool& cancelled) {
  const char separator = options.excelDe ? ';' : ',';
  const char tableDecimal = options.excelDe ? ',' : '.';
  const std::uint32_t style = engine.Style();
  const char textDecimal = (style & kStyleSystemDecimal)  ? engine.GetLocale().decimalSeparator
                           : (style & kStyleDecimalComma) ? ','
                                                          : '.';
  const Locale& locale = engine.GetLocale();
  const int columns = table.ColumnCount();
  int dateColumn = -1, timeColumn = -1;
  std::string out = "\xEF\xBB\xBF";
  AppendCsvCell(out, kCsvSeriesColumn, separator);
  out += separator;
  AppendCsvCell(out, kCsvChannelColumn, separator);
  out += separator;
  AppendCsvCell(out, kCsvTimeColumn, separator);
  for (int c = 1; c < columns; ++c) {
    const int outColumn = table.ColumnMap()[static_cast<std::size_t>(c)];
    if (outColumn == kColDate) dateColumn = c;
    if (outColumn == kColTime) timeColumn = c;
    if (outColumn <= kColTime) continue;
    out += separator;
    AppendCsvCell(out, ExportTextToUtf8(TrimBlanks(table.Header(c)), false), separator);
  }
  out += "\r\n";
  const auto& channel =
      table.Description().channels[static_cast<std::size_t>(std::max(0, table.Channel()))];
  const std::string letter(1, static_cast<char>(channel.letter));
  const std::string series = std::to_string(table.Series());
  const int rows = table.RowCount();
  progress.SetMaximum(rows);
  const std::int64_t step = std::max<std::int64_t>(1, std::llround(rows * 0.1));
  for (int r = 0; r < rows; ++r) {
    std::optional<double> moment;
    try {
      if (dateColumn > 0) {
        double value = TextToDate(locale, TrimBlanks(table.Cell(r, dateColumn)));
        if (timeColumn > 0) value += TextToTime(locale, TrimBlanks(table.Cell(r, timeColumn)));
        moment = value;
      }
    } catch (const EConvertError&) {
      moment.reset();  // a cell that holds no date: the time stays empty
    }
    out += series;
    out += separator;
    if (channel.letter != 0) AppendCsvCell(out, letter, separator);
    out += separator;
    if (moment) out += IsoDateTime(*moment, options.excelDe ? ' ' : 'T');
    for (int c = 1; c < columns; ++c) {
      if (table.ColumnMap()[static_cast<std::size_t>(c)] <= kColTime) continue;
      out += separator;
      out += DataTableNumber(table.Cell(r, c), textDecimal, tableDecimal);
    }
    out += "\r\n";
    if ((r + 1) % 10 == 0) progress.LetEventsRun();
    if ((r + 1) % step == 0) progress.Advance(step);
    if (progress.Cancelled() && r + 1 < rows) {
      cancelled = true;
      break;
    }
  }
  return out;
}

}  // namespace

bool IsSpreadsheetName(std::string_view path) {
  const SaveKind kind = SaveKindOf(std::string(path));
  return kind == SaveKind::Spreadsheet || kind == SaveKind::Workbook;
}

std::string SeriesStartText(const TSeriesDescription& series, const Locale& locale) {
  const TRcaEntry& e = series.entry;
  const DateRecord start{e.StartYear(), e.StartMonth(), e.StartDay(), e.DateSpare()};
  return MomentText(start, e.StartTime(), locale);
}

bool SaveValuesTable(TVXASCIIOUT& engine, const ValuesTable& table, const TableSaveRequest& request,
                     IFileStore& files, IProgress& progress) {
  const SaveKind kind = SaveKindOf(request.target);
  if (kind == SaveKind::DataTable) {
    // Rows of one channel: the whole table is small enough to be built in memory.
    bool cancelled = false;
    const std::string text = DataTableText(engine, table, request.csv, progress, cancelled);
    // A data table has no place for a break mark: a cancelled one is not written.
    if (cancelled) return false;
    WriteInOnePiece(files, request.target,
                    ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return true;
  }
  const bool sheet = kind == SaveKind::Spreadsheet || kind == SaveKind::Workbook;
  const Locale& locale = engine.GetLocale();
  const bool trim = (engine.Style() & kStyleTrimStrings) != 0;
  std::string text;
  StringByteSink textSink(text);
  std::unique_ptr<ICellBook> book;
  EngineDetach detach{engine};
  if (sheet) {
    book = OpenCellBook(kind, files, request.target, locale, engine.Style());
    engine.SetOutput(nullptr);
    engine.SetSpreadsheet(book.get());
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
      book->FormattedLabel(c - 1, engine.Row(), table.Header(c), kHeadingCellFormat);
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
        WriteBookCell(*book, locale, table.ColumnMap()[static_cast<std::size_t>(c)], c - 1, row,
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
    book->Save();
  } else {
    files.WriteWhole(request.target,
                     ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }
  return !cancelled;
}

}  // namespace gd
