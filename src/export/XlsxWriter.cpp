#include "export/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cmath>
#include <vector>

#include "convert/TextStyle.h"
#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "export/UnicodeText.h"
#include "export/XlsWriter.h"

namespace gd {
namespace {

// Cell formats of the spreadsheet writer: (bold, number format index).
constexpr struct {
  bool bold;
  int numberFormat;
} kCellFormats[8] = {{false, 0}, {true, 0},  {false, 1}, {false, 2},
                     {false, 3}, {false, 4}, {false, 5}, {false, 6}};
constexpr int kLabelFormat = 0;
constexpr int kNumberFormat = 3;
constexpr int kDateFormat = 4;
constexpr int kTimeFormat = 5;
constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::size_t kSecondsPerDay = 86400;

}  // namespace

XlsxCellBook::XlsxCellBook(IFileStore& files, const std::string& target, const Locale& locale,
                           std::uint32_t styleBits)
    : file_(files, target),
      target_(target),
      locale_(locale),
      dos_((styleBits & kStyleDosCharset) != 0) {
  const std::vector<std::string> numberFormats = NumberFormats(locale_);
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  book_ = workbook_new_opt(file_.TemporaryPath().c_str(), &options);
  if (!book_) throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {target}));
  sheet_ = workbook_add_worksheet(book_, nullptr);
  for (int i = 0; i < 8; ++i) {
    lxw_format* f = workbook_add_format(book_);
    if (!sheet_ || !f) {
      lxw_workbook_free(book_);
      book_ = nullptr;
      throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {target}));
    }
    if (kCellFormats[i].bold) format_set_bold(f);
    const int n = kCellFormats[i].numberFormat;
    if (n > 0) {
      format_set_num_format(
          f, ExportTextToUtf8(numberFormats[static_cast<std::size_t>(n)], false).c_str());
    }
    formats_[i] = f;
  }
}

XlsxCellBook::~XlsxCellBook() {
  // Not saved: the memory goes, the temporary file with it (PendingFile).
  if (book_) lxw_workbook_free(book_);
}

void XlsxCellBook::Check(int error) const {
  if (error == LXW_NO_ERROR) return;
  // Positions are checked before; what fails here is writing the rows out.
  throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {target_}) + " (" +
                  lxw_strerror(static_cast<lxw_error>(error)) + ")");
}

void XlsxCellBook::CheckPosition(int column, int row) const {
  if (row < 0 || row >= kWorkbookRows || column < 0 || column >= kWorkbookColumns)
    throw ESpreadsheetError("Workbook cell at row " + std::to_string(row) + ", column " +
                            std::to_string(column) + " lies outside the sheet");
}

void XlsxCellBook::PutString(int column, int row, std::string_view text, lxw_format* format) {
  CheckPosition(column, row);
  if (text.size() > static_cast<std::size_t>(kMaxLabelLength))
    text = text.substr(0, kMaxLabelLength);
  text_.clear();
  AppendExportTextUtf8(text_, text, dos_);
  Check(worksheet_write_string(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                               text_.c_str(), format));
}

void XlsxCellBook::PutNumber(int column, int row, double value, lxw_format* format) {
  Check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                               value, format));
}

void XlsxCellBook::Label(int column, int row, std::string_view text) {
  PutString(column, row, text, formats_[kLabelFormat]);
}

void XlsxCellBook::FormattedLabel(int column, int row, std::string_view text, int cellFormat) {
  if (cellFormat < 0 || cellFormat > kMaxCellFormat)
    throw ESpreadsheetError("Spreadsheet cell format " + std::to_string(cellFormat) +
                            " does not exist");
  PutString(column, row, text, formats_[cellFormat + 1]);
}

void XlsxCellBook::Number(int column, int row, double value) {
  CheckPosition(column, row);
  PutNumber(column, row, NumberCellValue(value), formats_[kNumberFormat]);
}

void XlsxCellBook::Date(int column, int row, double dateTime) {
  CheckPosition(column, row);
  PutNumber(column, row, DateValue(dateTime), formats_[kDateFormat]);
}

void XlsxCellBook::Time(int column, int row, double dateTime) {
  CheckPosition(column, row);
  PutNumber(column, row, TimeValue(dateTime), formats_[kTimeFormat]);
}

// The texts take the value rounded to the millisecond; beyond the valid
// range (or not finite) the conversion itself decides.
double XlsxCellBook::DateValue(double dateTime) {
  if (!(dateTime >= 0 && dateTime < kMaxDateTimeEnd)) return DateCellValue(locale_, dateTime);
  const std::int64_t day = std::llround(dateTime * kMsPerDay) / kMsPerDay;
  if (lastDate_ < 0 || day != lastDay_) {
    lastDate_ = DateCellValue(locale_, dateTime);
    lastDay_ = day;
  }
  return lastDate_;
}

double XlsxCellBook::TimeValue(double dateTime) {
  if (!(dateTime >= 0 && dateTime < kMaxDateTimeEnd)) return TimeCellValue(locale_, dateTime);
  const std::int64_t second = std::llround(dateTime * kMsPerDay) % kMsPerDay / 1000;
  if (times_.empty()) times_.assign(kSecondsPerDay, -1.0);
  double& value = times_[static_cast<std::size_t>(second)];
  if (value < 0) value = TimeCellValue(locale_, dateTime);
  return value;
}

void XlsxCellBook::Save() {
  lxw_workbook* book = book_;
  book_ = nullptr;  // workbook_close frees it, whatever it returns
  const lxw_error error = workbook_close(book);
  if (error != LXW_NO_ERROR) {
    throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {target_}) + " (" +
                    lxw_strerror(error) + ")");
  }
  file_.Commit();
}

}  // namespace gd
