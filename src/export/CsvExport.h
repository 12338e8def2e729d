// The data table (".csv") of chosen series, for data tools: one header row,
// then one row per value record with the series number, the channel letter,
// the record's date and time in ISO 8601 and the values of the headline's
// value columns. UTF-8 with a byte-order mark; comma and decimal point, or
// for a German spreadsheet program semicolon and decimal comma.
//
// Series and channel are columns, so the file holds no marker lines and a
// data tool reads it directly (pandas: read_csv(path, parse_dates=["time"])).
// The header row is the union of the value columns of every chosen series
// and channel, by name, in the order they first appear; a record's columns
// that its channel does not have, and values that are invalid or missing
// (" ???", "?FAIL", "------", ...), are empty cells. Numbers are the digits
// of the text export, with the decimal separator of the table.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/OutputSinks.h"
#include "core/Progress.h"

namespace gd {

class TVXASCIIOUT;

struct CsvOptions {
  // Semicolon separator, decimal comma and a blank between date and time,
  // as a German spreadsheet program opens a data table directly.
  bool excelDe = false;
};

// The names of the first three columns.
inline constexpr std::string_view kCsvSeriesColumn = "series";
inline constexpr std::string_view kCsvChannelColumn = "channel";
inline constexpr std::string_view kCsvTimeColumn = "time";

// One cell as the table writes it: quoted when it holds the separator, a
// double quote or a line break.
void AppendCsvCell(std::string& line, std::string_view cell, char separator);

// A number text of the text export (blanks around, an optional sign, digits,
// `decimal` as the decimal point, an optional exponent) as a table cell with
// `tableDecimal`; false when the text is no number.
bool CsvNumber(std::string_view text, char decimal, char tableDecimal, std::string& out);

// "2007-03-13T08:00:05" (or with a blank instead of "T") of a date-time
// number; empty for a value that is no date of the years 1900..9999.
std::string IsoDateTime(double dateTime, char between = 'T');

class CsvSeriesWriter {
 public:
  // Rows go to `out`; `progress` (may be null) advances by the records
  // written, `maximum` of them in all, and is asked for a cancel.
  CsvSeriesWriter(TVXASCIIOUT& engine, IByteSink& out, CsvOptions options,
                  IProgress* progress = nullptr, std::int64_t maximum = 0);

  // The byte-order mark and the header row of the columns of `selection`.
  // The engine must have no output, spreadsheet or grid attached.
  void WriteHeader(std::span<const int> selection);
  // The rows of series n, channel by channel. False when cancelled.
  bool WriteSeries(int n);

 private:
  void MapColumns();
  void WriteRow(int series, char letter);
  void Advance();

  TVXASCIIOUT& engine_;
  IByteSink& out_;
  CsvOptions options_;
  IProgress* progress_;
  std::int64_t step_ = 1;
  std::int64_t count_ = 0;
  bool cancelled_ = false;
  char separator_ = ',';
  char tableDecimal_ = '.';
  char textDecimal_ = '.';
  std::map<std::string, int> positions_;  // value column name -> cell index after time
  std::vector<int> cellOf_;               // engine column -> cell index, or -1
  std::vector<std::string> cells_;
  std::string line_;
};

}  // namespace gd
