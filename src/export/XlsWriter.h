// Writer of the binary worksheet file (".xls", the BIFF2 record set).
//
// Every record is u16 identifier, u16 data length, then the data, little-endian.
// The writers append to a memory buffer; the caller starts the workbook, writes
// cells in any order and ends the workbook, then saves the buffer in one piece.
//
// The file carries three fonts, seven number formats and eight cell formats.
// A cell's attribute byte names its cell format (+64, the "locked" bit): labels
// use cell format 0, small integers 2, numbers 3, dates 4, times 5, date-times 6
// and currency 7. A caller may pass an explicit cell format index 0..6 instead;
// the attribute byte is then that index + 65.
//
// Nothing half-done stays in the buffer: a cell whose value does not convert,
// or whose position lies outside the sheet, throws before a byte is appended.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Bytes.h"
#include "core/Errors.h"
#include "core/Locale.h"
#include "export/CellConversions.h"

namespace gd {

// A cell that cannot be stored: row or column outside the sheet, or an
// explicit cell format index that does not exist.
class ESpreadsheetError : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

enum class CellKind { Label, Integer, Float, Date, Time, DateTime, Currency };

// Use the cell format that belongs to the cell's kind.
inline constexpr int kDefaultCellFormat = -1;
inline constexpr int kMaxCellFormat = 6;
inline constexpr int kMaxLabelLength = 255;
// The sheet of this record set: rows 0..16383 and columns 0..255. The record
// fields hold 16 bits, but spreadsheet programs and readers of the format
// refuse or drop cells beyond, so such a cell is refused here.
inline constexpr int kSheetRows = 16384;
inline constexpr int kSheetColumns = 256;

// Record identifiers.
inline constexpr std::uint16_t kRecBof = 0x0009;
inline constexpr std::uint16_t kBofVersion = 0x0007;
inline constexpr std::uint16_t kRecCodePage = 0x0042;
inline constexpr std::uint16_t kRecDimensions = 0x0200;
inline constexpr std::uint16_t kRecFont = 0x0031;
inline constexpr std::uint16_t kRecFormat = 0x001E;
inline constexpr std::uint16_t kRecCellFormat = 0x0043;
inline constexpr std::uint16_t kRecLabel = 0x0004;
inline constexpr std::uint16_t kRecInteger = 0x0002;
inline constexpr std::uint16_t kRecNumber = 0x0003;
inline constexpr std::uint16_t kRecEof = 0x000A;

// The number format codes the workbook declares, indices 0..6, built from the
// locale: "General", "0.0##" twice, the short date, the short time, both, and
// the currency format. Throws ESpreadsheetError for a code over 255 bytes.
std::vector<std::string> NumberFormats(const Locale& locale);

// Code pages the CODEPAGE record names: the Windows-1252 texts of the program,
// or the DOS code page (850) of text written with the DOS-characters style bit.
inline constexpr std::uint16_t kCodePageWindows1252 = 1252;
inline constexpr std::uint16_t kCodePageDos = 850;
// The code page of cell texts written with the given text style bits.
std::uint16_t CodePageForStyle(std::uint32_t styleBits);

void WriteWorkbookStart(Bytes& stream, const Locale& locale,
                        std::uint16_t codePage = kCodePageWindows1252);
void WriteWorkbookEnd(Bytes& stream);

// Text cut to 255 characters.
void WriteLabelCell(Bytes& stream, int column, int row, std::string_view text,
                    int cellFormat = kDefaultCellFormat);
// The value as it reads after its shortest text form (15 significant digits);
// NaN and infinities throw EConvertError.
void WriteNumberCell(Bytes& stream, int column, int row, double value,
                     int cellFormat = kDefaultCellFormat);
// The date part of `dateTime` after its short date text.
void WriteDateCell(Bytes& stream, const Locale& locale, int column, int row, double dateTime,
                   int cellFormat = kDefaultCellFormat);
// The time of day of `dateTime` after its long time text.
void WriteTimeCell(Bytes& stream, const Locale& locale, int column, int row, double dateTime,
                   int cellFormat = kDefaultCellFormat);

// The values the cells above hold, for any writer of the same cells.
double NumberCellValue(double value);
double DateCellValue(const Locale& locale, double dateTime);
double TimeCellValue(const Locale& locale, double dateTime);

// Converts `text` by kind and writes the cell. An integer (value) outside
// 0..65535 becomes a number cell with cell format 0. A text that does not convert
// throws EConvertError; a missing value (nullopt) for any kind but a label
// throws EConvertError("InvalidDataType"); a missing label is an empty one.
// A kind outside the enumeration writes nothing.
void WriteCell(Bytes& stream, const Locale& locale, CellKind kind, int row, int column,
               std::optional<std::string_view> text, int cellFormat = kDefaultCellFormat);

}  // namespace gd
