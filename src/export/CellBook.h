// The workbook an export writes its cells into: the spreadsheet file (".xls")
// built in memory, or the workbook (".xlsx") streamed through a temporary file
// beside the target. The conversion engine and the table view write through
// this one interface, so both kinds get the same cells in the same places.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "convert/OutputSinks.h"
#include "core/Bytes.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "export/SaveTarget.h"

namespace gd {

class ICellBook : public ISpreadsheetSink {
 public:
  // A label with an explicit cell format (0..6) of the spreadsheet writer.
  virtual void FormattedLabel(int column, int row, std::string_view text, int cellFormat) = 0;
  // Rows one sheet holds; a cell below them throws ESpreadsheetError.
  virtual int SheetRows() const = 0;
  // Ends the workbook and puts it in the target's place, whole. Without Save
  // the target stays as it was.
  virtual void Save() = 0;
};

// The ".xls" file: records appended in memory, written in one piece by Save.
class XlsCellBook final : public ICellBook {
 public:
  // Texts are in `codePage` (see CodePageForStyle).
  XlsCellBook(IFileStore& files, std::string target, const Locale& locale, std::uint16_t codePage);
  void Label(int column, int row, std::string_view text) override;
  void Number(int column, int row, double value) override;
  void Date(int column, int row, double dateTime) override;
  void Time(int column, int row, double dateTime) override;
  void FormattedLabel(int column, int row, std::string_view text, int cellFormat) override;
  int SheetRows() const override;
  void Save() override;
  const Bytes& Written() const { return book_; }

 private:
  IFileStore& files_;
  std::string target_;
  Locale locale_;
  Bytes book_;
};

// The book for a target of kind Spreadsheet or Workbook, whose texts are
// written with `styleBits` (the DOS-characters bit decides their code page).
std::unique_ptr<ICellBook> OpenCellBook(SaveKind kind, IFileStore& files, const std::string& target,
                                        const Locale& locale, std::uint32_t styleBits);

}  // namespace gd
