#include "export/XlsWriter.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "convert/TextStyle.h"

namespace gd {
namespace {

// Cell formats belonging to the kinds.
constexpr int kLabelFormat = 0;
constexpr int kIntegerFormat = 2;
constexpr int kNumberFormat = 3;
constexpr int kDateFormat = 4;
constexpr int kTimeFormat = 5;
constexpr int kDateTimeFormat = 6;
constexpr int kCurrencyFormat = 7;
constexpr std::uint8_t kLocked = 64;

constexpr std::uint16_t kFontHeight = 200;  // 10 points in twentieths
constexpr std::uint16_t kFontBold = 1;

void PutHead(Bytes& out, std::uint16_t id, std::size_t length) {
  PutU16(out, id);
  PutU16(out, static_cast<std::uint16_t>(length));
}

void PutCounted(Bytes& out, std::string_view text) {
  PutU8(out, static_cast<std::uint8_t>(text.size()));
  out.insert(out.end(), text.begin(), text.end());
}

void PutDouble(Bytes& out, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  PutU32(out, static_cast<std::uint32_t>(bits));
  PutU32(out, static_cast<std::uint32_t>(bits >> 32));
}

void PutFont(Bytes& out, std::uint16_t attributes) {
  constexpr std::string_view kFace = "Arial";
  PutHead(out, kRecFont, 5 + kFace.size());
  PutU16(out, kFontHeight);
  PutU16(out, attributes);
  PutCounted(out, kFace);
}

// The attribute byte of a cell: its kind's cell format, or the caller's choice.
std::uint8_t Attribute(int kindFormat, int cellFormat) {
  if (cellFormat == kDefaultCellFormat) return static_cast<std::uint8_t>(kindFormat + kLocked);
  if (cellFormat < 0 || cellFormat > kMaxCellFormat)
    throw ESpreadsheetError("Spreadsheet cell format " + std::to_string(cellFormat) +
                            " does not exist");
  return static_cast<std::uint8_t>(cellFormat + kLocked + 1);
}

void CheckPosition(int column, int row) {
  if (row < 0 || row >= kSheetRows || column < 0 || column >= kSheetColumns)
    throw ESpreadsheetError("Spreadsheet cell at row " + std::to_string(row) + ", column " +
                            std::to_string(column) + " lies outside the sheet (rows 0.." +
                            std::to_string(kSheetRows - 1) + ", columns 0.." +
                            std::to_string(kSheetColumns - 1) + ")");
}

void PutCellHead(Bytes& out, std::uint16_t id, std::size_t valueLength, int column, int row,
                 std::uint8_t attribute) {
  PutHead(out, id, 7 + valueLength);
  PutU16(out, static_cast<std::uint16_t>(row));
  PutU16(out, static_cast<std::uint16_t>(column));
  PutU8(out, attribute);
  PutU8(out, 0);
  PutU8(out, 0);
}

void PutNumberRecord(Bytes& out, int column, int row, double value, std::uint8_t attribute) {
  PutCellHead(out, kRecNumber, 8, column, row, attribute);
  PutDouble(out, value);
}

// Everything but the record itself is checked before this is called.
void PutLabelRecord(Bytes& out, int column, int row, std::string_view text,
                    std::uint8_t attribute) {
  if (text.size() > kMaxLabelLength) text = text.substr(0, kMaxLabelLength);
  PutCellHead(out, kRecLabel, 1 + text.size(), column, row, attribute);
  PutCounted(out, text);
}

}  // namespace

std::vector<std::string> NumberFormats(const Locale& locale) {
  std::string date;
  for (char c : locale.shortDatePattern) {
    if (c == '/') date += '\\';
    date += c;
  }
  // Times keep their seconds: a series stored every 10 s would otherwise show
  // the same minute in six rows.
  const std::string time = UnifyAmPm(locale.longTimePattern);
  std::vector<std::string> formats = {
      "General",
      "0.0##",
      "0.0##",
      date,
      time,
      date + " " + time,
      std::string("00") + locale.decimalSeparator + "00" + locale.currency};
  for (const std::string& f : formats)
    if (f.size() > 255)
      throw ESpreadsheetError("Spreadsheet number format longer than 255 characters: " + f);
  return formats;
}

void WriteWorkbookStart(Bytes& stream, const Locale& locale, std::uint16_t codePage) {
  const std::vector<std::string> formats = NumberFormats(locale);
  Bytes out;
  // The worksheet's own beginning-of-file record (version 7, a worksheet):
  // readers tell the file's kind by these first eight bytes, and take the
  // number formats below only from a file that begins this way.
  PutHead(out, kRecBof, 4);
  PutU16(out, kBofVersion);
  PutU16(out, 0x0010);  // a worksheet

  // The code page of every text in the file, so that readers need not guess.
  PutHead(out, kRecCodePage, 2);
  PutU16(out, codePage);

  // The sheet size stated here is fixed; readers take the cells as they come.
  PutHead(out, kRecDimensions, 10);
  PutU16(out, 0);   // first row
  PutU16(out, 4);   // last row + 1
  PutU16(out, 0);   // first column
  PutU16(out, 14);  // last column + 1
  PutU16(out, 0);

  PutFont(out, 0);
  PutFont(out, 0);
  PutFont(out, kFontBold);

  for (const std::string& f : formats) {
    PutHead(out, kRecFormat, 1 + f.size());
    PutCounted(out, f);
  }

  // (font index, number format index) of the cell formats 0..7.
  static constexpr std::uint16_t kCellFormats[8][2] = {{1, 0}, {2, 0}, {1, 1}, {1, 2},
                                                       {1, 3}, {1, 4}, {1, 5}, {1, 6}};
  for (const auto& cf : kCellFormats) {
    PutHead(out, kRecCellFormat, 4);
    PutU16(out, cf[0]);
    PutU16(out, static_cast<std::uint16_t>(cf[1] + kLocked));
  }
  stream.insert(stream.end(), out.begin(), out.end());
}

std::uint16_t CodePageForStyle(std::uint32_t styleBits) {
  return (styleBits & kStyleDosCharset) ? kCodePageDos : kCodePageWindows1252;
}

void WriteWorkbookEnd(Bytes& stream) { PutHead(stream, kRecEof, 0); }

double NumberCellValue(double value) {
  // The decimal separator plays no part in the round trip; any locale gives the same value.
  const Locale locale;
  return TextToFloat(locale, FloatToText(locale, value));
}

double DateCellValue(const Locale& locale, double dateTime) {
  return TextToDate(locale, DateToText(locale, dateTime));
}

double TimeCellValue(const Locale& locale, double dateTime) {
  return TextToTime(locale, TimeToText(locale, dateTime));
}

void WriteLabelCell(Bytes& stream, int column, int row, std::string_view text, int cellFormat) {
  CheckPosition(column, row);
  PutLabelRecord(stream, column, row, text, Attribute(kLabelFormat, cellFormat));
}

void WriteNumberCell(Bytes& stream, int column, int row, double value, int cellFormat) {
  CheckPosition(column, row);
  const std::uint8_t attribute = Attribute(kNumberFormat, cellFormat);
  PutNumberRecord(stream, column, row, NumberCellValue(value), attribute);
}

void WriteDateCell(Bytes& stream, const Locale& locale, int column, int row, double dateTime,
                   int cellFormat) {
  CheckPosition(column, row);
  const std::uint8_t attribute = Attribute(kDateFormat, cellFormat);
  PutNumberRecord(stream, column, row, DateCellValue(locale, dateTime), attribute);
}

void WriteTimeCell(Bytes& stream, const Locale& locale, int column, int row, double dateTime,
                   int cellFormat) {
  CheckPosition(column, row);
  const std::uint8_t attribute = Attribute(kTimeFormat, cellFormat);
  PutNumberRecord(stream, column, row, TimeCellValue(locale, dateTime), attribute);
}

void WriteCell(Bytes& stream, const Locale& locale, CellKind kind, int row, int column,
               std::optional<std::string_view> text, int cellFormat) {
  CheckPosition(column, row);
  if (kind == CellKind::Label) {
    PutLabelRecord(stream, column, row, text.value_or(std::string_view{}),
                   Attribute(kLabelFormat, cellFormat));
    return;
  }
  int kindFormat = 0;
  switch (kind) {
    case CellKind::Integer:
      kindFormat = kIntegerFormat;
      break;
    case CellKind::Float:
      kindFormat = kNumberFormat;
      break;
    case CellKind::Date:
      kindFormat = kDateFormat;
      break;
    case CellKind::Time:
      kindFormat = kTimeFormat;
      break;
    case CellKind::DateTime:
      kindFormat = kDateTimeFormat;
      break;
    case CellKind::Currency:
      kindFormat = kCurrencyFormat;
      break;
    default:
      return;  // not a kind this writer knows
  }
  if (!text) throw EConvertError("InvalidDataType");
  std::uint8_t attribute = Attribute(kindFormat, cellFormat);
  double value = 0;
  switch (kind) {
    case CellKind::Integer: {
      const std::int32_t n = TextToInteger(*text);
      if (n >= 0 && n <= 0xFFFF) {
        PutCellHead(stream, kRecInteger, 2, column, row, attribute);
        PutU16(stream, static_cast<std::uint16_t>(n));
        return;
      }
      if (cellFormat == kDefaultCellFormat) attribute = Attribute(kLabelFormat, cellFormat);
      value = n;
      break;
    }
    case CellKind::Float:
    case CellKind::Currency:
      value = TextToFloat(locale, *text);
      break;
    case CellKind::Date:
      value = TextToDate(locale, *text);
      break;
    case CellKind::Time:
      value = TextToTime(locale, *text);
      break;
    default:
      value = TextToDateTime(locale, *text);
      break;
  }
  PutNumberRecord(stream, column, row, value, attribute);
}

}  // namespace gd
