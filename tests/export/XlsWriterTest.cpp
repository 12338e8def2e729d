#include "export/XlsWriter.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace gd {
namespace {

struct Record {
  std::uint16_t id;
  Bytes data;
};

// Splits a buffer into its records; fails the test on a torn record.
std::vector<Record> Records(const Bytes& b) {
  std::vector<Record> out;
  ByteReader r(b);
  while (!r.AtEnd()) {
    Record rec;
    rec.id = r.U16();
    ByteView v = r.Take(r.U16());
    rec.data.assign(v.begin(), v.end());
    out.push_back(rec);
  }
  return out;
}

std::string Text(const Bytes& data, std::size_t from) {
  return std::string(data.begin() + static_cast<std::ptrdiff_t>(from), data.end());
}

double DoubleAt(const Bytes& data, std::size_t at) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(LoadU32(&data[at])) |
                               static_cast<std::uint64_t>(LoadU32(&data[at + 4])) << 32);
}

TEST(XlsWriter, EmptyWorkbookHasTheFixedRecordsInOrder) {
  Bytes b;
  WriteWorkbookStart(b, Locale::German());
  WriteWorkbookEnd(b);
  // The worksheet's own BOF (version 7, a worksheet), then the code page 1252.
  const Bytes head = {0x09, 0x00, 0x04, 0x00, 0x07, 0x00, 0x10,
                      0x00, 0x42, 0x00, 0x02, 0x00, 0xE4, 0x04};
  ASSERT_GT(b.size(), head.size() + 4);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 14), head);
  EXPECT_EQ(Bytes(b.end() - 4, b.end()), (Bytes{0x0A, 0x00, 0x00, 0x00}));

  auto recs = Records(b);
  ASSERT_EQ(recs.size(), 22u);
  EXPECT_EQ(recs[0].data, (Bytes{7, 0, 0x10, 0}));
  EXPECT_EQ(recs[1].id, 0x0042);
  recs.erase(recs.begin() + 1);  // the rest keeps its places
  EXPECT_EQ(recs[1].id, 0x0200);
  EXPECT_EQ(recs[1].data, (Bytes{0, 0, 4, 0, 0, 0, 14, 0, 0, 0}));
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(recs[i].id, 0x0031);
    EXPECT_EQ(recs[i].data.size() + 4, 14u);  // each font record is 14 bytes long
    EXPECT_EQ(LoadU16(&recs[i].data[0]), 200);
    EXPECT_EQ(LoadU16(&recs[i].data[2]), i == 4 ? 1 : 0);  // the third font is bold
    EXPECT_EQ(Text(recs[i].data, 4),
              "\x05"
              "Arial");
  }
  for (int i = 5; i <= 11; ++i) EXPECT_EQ(recs[i].id, 0x001E);
  EXPECT_EQ(recs[5].data.size(), 8u);
  EXPECT_EQ(Text(recs[5].data, 0),
            "\x07"
            "General");
  EXPECT_EQ(Text(recs[6].data, 0),
            "\x05"
            "0.0##");
  const std::uint16_t cellFormats[8][2] = {{1, 0}, {2, 0}, {1, 1}, {1, 2},
                                           {1, 3}, {1, 4}, {1, 5}, {1, 6}};
  for (int i = 0; i < 8; ++i) {
    const Record& r = recs[12 + i];
    EXPECT_EQ(r.id, 0x0043);
    ASSERT_EQ(r.data.size(), 4u);
    EXPECT_EQ(LoadU16(&r.data[0]), cellFormats[i][0]);
    EXPECT_EQ(LoadU16(&r.data[2]), cellFormats[i][1] + 64);
  }
  EXPECT_EQ(recs[20].id, 0x000A);
}

TEST(XlsWriter, NumberFormatsFollowTheLocale) {
  auto formats = NumberFormats(Locale::German());
  ASSERT_EQ(formats.size(), 7u);
  EXPECT_EQ(formats[3], "dd.MM.yyyy");
  EXPECT_EQ(formats[4], "HH:mm:ss");  // times keep their seconds
  EXPECT_EQ(formats[5], "dd.MM.yyyy HH:mm:ss");
  EXPECT_EQ(formats[6], "00,00\x80");

  formats = NumberFormats(Locale::English());
  EXPECT_EQ(formats[3], "dd\\/MM\\/yyyy");
  EXPECT_EQ(formats[6], "00.00\xA3");

  Locale twelve = Locale::English();
  twelve.longTimePattern = "h:mm:ss a/p";
  EXPECT_EQ(NumberFormats(twelve)[4], "h:mm:ss AM/PM");

  Locale huge;
  huge.shortDatePattern = std::string(250, 'x') + "dd.MM.yyyy";
  EXPECT_THROW(NumberFormats(huge), ESpreadsheetError);  // the combined format passes 255
  Bytes b;
  EXPECT_THROW(WriteWorkbookStart(b, huge), ESpreadsheetError);
  EXPECT_TRUE(b.empty());
}

TEST(XlsWriter, CodePageRecordNamesTheTextsCodePage) {
  // DOS characters in the texts: the DOS code page; otherwise Windows-1252.
  EXPECT_EQ(CodePageForStyle(0x0031D033), 1252);
  EXPECT_EQ(CodePageForStyle(0x0031D033 | 0x00080000), 850);
  Bytes b;
  WriteWorkbookStart(b, Locale::German(), CodePageForStyle(0x00080000));
  EXPECT_EQ(Bytes(b.begin() + 8, b.begin() + 14), (Bytes{0x42, 0x00, 0x02, 0x00, 0x52, 0x03}));
}

TEST(XlsWriter, NumberCellBytes) {
  Bytes b;
  WriteNumberCell(b, 2, 3, 1234.5);
  const Bytes head = {0x03, 0x00, 0x0F, 0x00, 0x03, 0x00, 0x02, 0x00, 0x43, 0x00, 0x00};
  ASSERT_EQ(b.size(), 19u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 11), head);
  EXPECT_EQ(DoubleAt(b, 11), 1234.5);

  // The value is stored as its 15-digit text reads, not with the binary noise.
  b.clear();
  WriteNumberCell(b, 0, 0, 0.1 + 0.2);
  EXPECT_EQ(DoubleAt(b, 11), 0.3);
  b.clear();
  WriteNumberCell(b, 0, 0, 1.0 / 3.0);
  EXPECT_EQ(DoubleAt(b, 11), 0.333333333333333);

  b.clear();
  EXPECT_THROW(WriteNumberCell(b, 0, 0, std::nan("")), EConvertError);
  EXPECT_THROW(WriteNumberCell(b, 0, 0, std::numeric_limits<double>::infinity()), EConvertError);
  EXPECT_TRUE(b.empty());
}

TEST(XlsWriter, LabelCells) {
  Bytes b;
  WriteLabelCell(b, 1, 0,
                 "Gr\xF6\xDF"
                 "e");
  EXPECT_EQ(b, (Bytes{0x04, 0x00, 0x0D, 0x00, 0x00, 0x00, 0x01, 0x00, 0x40, 0x00, 0x00, 0x05, 'G',
                      'r', 0xF6, 0xDF, 'e'}));

  b.clear();
  WriteLabelCell(b, 0, 0, std::string(300, 'x'));
  auto recs = Records(b);
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].data.size(), 8u + 255u);  // cell head, length byte, text
  EXPECT_EQ(recs[0].data[7], 255);

  // An explicit cell format is written as index + 65.
  b.clear();
  WriteLabelCell(b, 0, 0, "Kopf", 2);
  EXPECT_EQ(b[8], 0x43);
  EXPECT_THROW(WriteLabelCell(b, 0, 0, "x", 7), ESpreadsheetError);
  EXPECT_THROW(WriteLabelCell(b, 0, 0, "x", -2), ESpreadsheetError);
  EXPECT_EQ(b.size(), 16u);  // only the first label
}

TEST(XlsWriter, CellsOutsideTheSheetAreRefused) {
  // The last cell of the sheet: row 16383, column 255.
  Bytes b;
  WriteLabelCell(b, 255, 16383, "");
  EXPECT_EQ(b, (Bytes{0x04, 0x00, 0x08, 0x00, 0xFF, 0x3F, 0xFF, 0x00, 0x40, 0x00, 0x00, 0x00}));
  b.clear();
  // Beyond it spreadsheet programs drop or refuse cells, so nothing is written.
  EXPECT_THROW(WriteLabelCell(b, 0, 16384, "x"), ESpreadsheetError);
  EXPECT_THROW(WriteLabelCell(b, 256, 0, "x"), ESpreadsheetError);
  EXPECT_THROW(WriteNumberCell(b, 0, 65535, 1.0), ESpreadsheetError);
  EXPECT_THROW(WriteNumberCell(b, -1, 0, 1.0), ESpreadsheetError);
  EXPECT_THROW(WriteDateCell(b, Locale{}, 0, -1, 1.0), ESpreadsheetError);
  EXPECT_THROW(WriteCell(b, Locale{}, CellKind::Integer, 70000, 0, "1"), ESpreadsheetError);
  EXPECT_TRUE(b.empty());
}

TEST(XlsWriter, DateAndTimeCellsKeepWhatTheirTextsShow) {
  const Locale de = Locale::German();
  Bytes b;
  WriteDateCell(b, de, 0, 0, 36526.75);  // 2000-01-01 18:00
  ASSERT_EQ(b.size(), 19u);
  EXPECT_EQ(b[8], 0x44);
  EXPECT_EQ(DoubleAt(b, 11), 36526.0);

  b.clear();
  WriteTimeCell(b, de, 0, 0, 36526.75 + 0.4 / 86400);  // fractions of a second are not shown
  EXPECT_EQ(b[8], 0x45);
  EXPECT_EQ(DoubleAt(b, 11), 0.75);

  Locale noSeconds = de;
  noSeconds.longTimePattern = "HH:mm";
  b.clear();
  WriteTimeCell(b, noSeconds, 0, 0, (10 * 3600 + 5 * 60 + 59) / 86400.0);
  EXPECT_EQ(DoubleAt(b, 11), (10 * 3600 + 5 * 60) / 86400.0);

  b.clear();
  EXPECT_THROW(WriteDateCell(b, de, 0, 0, 3e6), EConvertError);
  EXPECT_THROW(WriteTimeCell(b, de, 0, 0, std::nan("")), EConvertError);
  EXPECT_TRUE(b.empty());
}

TEST(XlsWriter, WriteCellByKind) {
  const Locale de = Locale::German();
  Bytes b;
  WriteCell(b, de, CellKind::Integer, 1, 2, "65535");
  EXPECT_EQ(b,
            (Bytes{0x02, 0x00, 0x09, 0x00, 0x01, 0x00, 0x02, 0x00, 0x42, 0x00, 0x00, 0xFF, 0xFF}));

  for (auto [text, value] : {std::pair{"70000", 70000.0}, std::pair{"-1", -1.0}}) {
    b.clear();
    WriteCell(b, de, CellKind::Integer, 0, 0, text);
    ASSERT_EQ(b.size(), 19u) << text;
    EXPECT_EQ(LoadU16(&b[0]), 0x0003);
    EXPECT_EQ(b[8], 0x40) << text;
    EXPECT_EQ(DoubleAt(b, 11), value);
  }

  struct Case {
    CellKind kind;
    const char* text;
    std::uint8_t attribute;
    double value;
  };
  const Case cases[] = {
      {CellKind::Float, " -1,5E3 ", 0x43, -1500.0},
      {CellKind::Currency, "12,5", 0x47, 12.5},
      {CellKind::Date, "29.02.1992", 0x44, 33663.0},
      {CellKind::Time, "18:00:00", 0x45, 0.75},
      {CellKind::DateTime, "01.01.2000  18:00:00", 0x46, 36526.75},
  };
  for (const Case& c : cases) {
    b.clear();
    WriteCell(b, de, c.kind, 0, 0, c.text);
    ASSERT_EQ(b.size(), 19u) << c.text;
    EXPECT_EQ(b[8], c.attribute) << c.text;
    EXPECT_EQ(DoubleAt(b, 11), c.value) << c.text;
  }

  b.clear();
  WriteCell(b, de, CellKind::Label, 0, 0, std::nullopt);
  EXPECT_EQ(b, (Bytes{0x04, 0x00, 0x08, 0x00, 0, 0, 0, 0, 0x40, 0, 0, 0}));
}

TEST(XlsWriter, WriteCellFailuresLeaveTheBufferAlone) {
  const Locale de = Locale::German();
  Bytes b;
  WriteWorkbookStart(b, de);
  const Bytes before = b;
  const std::pair<CellKind, const char*> bad[] = {
      {CellKind::Integer, "12,5"},
      {CellKind::Integer, "3000000000"},
      {CellKind::Float, "1.5"},
      {CellKind::Currency, "12,50 \x80"},
      {CellKind::Date, "30.02.1992"},
      {CellKind::Time, "24:00:00"},
      {CellKind::DateTime, "01.01.2000x"},
      {CellKind::Float, ""},
  };
  for (auto [kind, text] : bad) {
    EXPECT_THROW(WriteCell(b, de, kind, 0, 0, text), EConvertError) << text;
    EXPECT_EQ(b, before) << text;
  }
  try {
    WriteCell(b, de, CellKind::Date, 0, 0, std::nullopt);
    ADD_FAILURE() << "a missing date was accepted";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "InvalidDataType");
  }
  WriteCell(b, de, static_cast<CellKind>(99), 0, 0, "1");
  EXPECT_EQ(b, before);
}

}  // namespace
}  // namespace gd
