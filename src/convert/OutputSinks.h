// Where the conversion engine puts what it produces.
//
// The engine never writes a file or touches a window. Text lines go to a byte
// sink, spreadsheet cells to a cell sink (the spreadsheet writer implements
// it), and rows for the table view to a grid sink. Each is optional and
// borrowed: the caller sets it for one run and keeps ownership.
#pragma once

#include <string>
#include <string_view>

namespace gd {

// Receives the bytes of the text output (Windows-1252 or DOS code page).
class IByteSink {
 public:
  virtual ~IByteSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};

// A byte sink that appends to a string the caller owns.
class StringByteSink final : public IByteSink {
 public:
  explicit StringByteSink(std::string& target) : target_(target) {}
  void Write(std::string_view bytes) override { target_.append(bytes); }

 private:
  std::string& target_;
};

// Receives the cells of the spreadsheet output. Rows and columns count from 0.
// Date and time cells take a date-time number (days since 1899-12-30).
class ISpreadsheetSink {
 public:
  virtual ~ISpreadsheetSink() = default;
  virtual void Label(int column, int row, std::string_view text) = 0;
  virtual void Number(int column, int row, double value) = 0;
  virtual void Date(int column, int row, double dateTime) = 0;
  virtual void Time(int column, int row, double dateTime) = 0;
};

// Receives headline and value rows for a table view. Column 0 of a value row
// holds its row number; the enabled output columns follow from column 1.
class IGridSink {
 public:
  virtual ~IGridSink() = default;
  // Appends an empty row and returns its index.
  virtual int AddRow() = 0;
  virtual void SetCell(int column, int row, std::string_view text) = 0;
};

}  // namespace gd
