// The conversion engine's spreadsheet cells written into an in-memory
// workbook by the spreadsheet writer.
#pragma once

#include <string_view>

#include "convert/OutputSinks.h"
#include "core/Bytes.h"
#include "core/Locale.h"
#include "export/XlsWriter.h"

namespace gd {

class TXlsCellSink final : public ISpreadsheetSink {
 public:
  TXlsCellSink(Bytes& book, const Locale& locale) : book_(book), locale_(locale) {}
  void Label(int column, int row, std::string_view text) override {
    WriteLabelCell(book_, column, row, text);
  }
  void Number(int column, int row, double value) override {
    WriteNumberCell(book_, column, row, value);
  }
  void Date(int column, int row, double dateTime) override {
    WriteDateCell(book_, locale_, column, row, dateTime);
  }
  void Time(int column, int row, double dateTime) override {
    WriteTimeCell(book_, locale_, column, row, dateTime);
  }

 private:
  Bytes& book_;
  const Locale& locale_;
};

}  // namespace gd
