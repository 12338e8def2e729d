// The workbook (".xlsx") with the cells of the spreadsheet file, written by
// libxlsxwriter in its constant-memory mode: each row goes to the disk when
// the next one starts, so memory does not grow with the series, and a sheet
// holds 1048576 rows (a whole meter memory in one sheet).
//
// Cells and their formats mirror the ".xls" writer cell for cell: labels,
// numbers with "0.0##", dates, times (with seconds) and date-times with the
// locale's patterns, the values taken through the same text round trip.
// Texts become Unicode from the program's code page. Rows must come in
// ascending order, as the engine and the table view write them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/FileStore.h"
#include "core/Locale.h"
#include "export/CellBook.h"
#include "export/SaveTarget.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace gd {

inline constexpr int kWorkbookRows = 1048576;
inline constexpr int kWorkbookColumns = 16384;

class XlsxCellBook final : public ICellBook {
 public:
  // Opens the workbook on a temporary file beside `target`; `styleBits` tell
  // the code page of the texts (the DOS-characters bit).
  XlsxCellBook(IFileStore& files, const std::string& target, const Locale& locale,
               std::uint32_t styleBits);
  ~XlsxCellBook() override;
  XlsxCellBook(const XlsxCellBook&) = delete;
  XlsxCellBook& operator=(const XlsxCellBook&) = delete;

  void Label(int column, int row, std::string_view text) override;
  void Number(int column, int row, double value) override;
  void Date(int column, int row, double dateTime) override;
  void Time(int column, int row, double dateTime) override;
  void FormattedLabel(int column, int row, std::string_view text, int cellFormat) override;
  int SheetRows() const override { return kWorkbookRows; }
  void Save() override;

 private:
  void Check(int error) const;
  void CheckPosition(int column, int row) const;
  void PutString(int column, int row, std::string_view text, lxw_format* format);
  void PutNumber(int column, int row, double value, lxw_format* format);

  // The date and time values through their texts, remembered: the date of
  // the last day, and the time of each second of the day (the texts show
  // no more than seconds).
  double DateValue(double dateTime);
  double TimeValue(double dateTime);

  PendingFile file_;
  std::string target_;
  std::int64_t lastDay_ = 0;
  double lastDate_ = -1;
  std::vector<double> times_;
  Locale locale_;
  bool dos_;
  lxw_workbook* book_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format* formats_[8] = {};  // cell formats 0..7 of the spreadsheet writer
  std::string text_;
};

}  // namespace gd
