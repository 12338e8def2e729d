#include "export/CellBook.h"

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "export/XlsWriter.h"
#if defined(GAUGDATA_WITH_XLSX)
#include "export/XlsxWriter.h"
#endif

namespace gd {

XlsCellBook::XlsCellBook(IFileStore& files, std::string target, const Locale& locale,
                         std::uint16_t codePage)
    : files_(files), target_(std::move(target)), locale_(locale) {
  WriteWorkbookStart(book_, locale_, codePage);
}

void XlsCellBook::Label(int column, int row, std::string_view text) {
  WriteLabelCell(book_, column, row, text);
}
void XlsCellBook::Number(int column, int row, double value) {
  WriteNumberCell(book_, column, row, value);
}
void XlsCellBook::Date(int column, int row, double dateTime) {
  WriteDateCell(book_, locale_, column, row, dateTime);
}
void XlsCellBook::Time(int column, int row, double dateTime) {
  WriteTimeCell(book_, locale_, column, row, dateTime);
}
void XlsCellBook::FormattedLabel(int column, int row, std::string_view text, int cellFormat) {
  WriteLabelCell(book_, column, row, text, cellFormat);
}
int XlsCellBook::SheetRows() const { return kSheetRows; }

void XlsCellBook::Save() {
  WriteWorkbookEnd(book_);
  WriteInOnePiece(files_, target_, book_);
}

std::unique_ptr<ICellBook> OpenCellBook(SaveKind kind, IFileStore& files, const std::string& target,
                                        const Locale& locale, std::uint32_t styleBits) {
  if (kind == SaveKind::Workbook) {
#if defined(GAUGDATA_WITH_XLSX)
    return std::make_unique<XlsxCellBook>(files, target, locale, styleBits);
#else
    throw EGaugData(FormatMessageText(
        Translate("Diese Ausgabe kann keine .xlsx-Dateien schreiben: %s"), {target}));
#endif
  }
  return std::make_unique<XlsCellBook>(files, target, locale, CodePageForStyle(styleBits));
}

}  // namespace gd
