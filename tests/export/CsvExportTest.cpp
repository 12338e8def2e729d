#include "export/CsvExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "core/DateTime.h"
#include "core/Errors.h"
#include "export/SaveTarget.h"
#include "export/UnicodeText.h"
#include "export/XlsWriter.h"
#include "export/XlsxWriter.h"
#include "support/TestFolder.h"

namespace gd {
namespace {

namespace fs = std::filesystem;

TEST(CsvExport, NumbersKeepTheTextExportsDigits) {
  struct Case {
    const char* text;
    char decimal, tableDecimal;
    const char* cell;  // nullptr: no number
  } cases[] = {
      {"    61,18", ',', '.', "61.18"},
      {" +48223,81", ',', '.', "48223.81"},  // the sign of a positive total goes
      {"    -3,20", ',', '.', "-3.20"},
      {"   12.5", '.', ',', "12,5"},
      {"  1,234E+12", ',', '.', "1.234E+12"},
      {"7", '.', '.', "7"},
      {" ???", ',', '.', nullptr},
      {"  ------", ',', '.', nullptr},
      {"?FAIL", ',', '.', nullptr},
      {"1,2,3", ',', '.', nullptr},
      {"12.5", ',', '.', nullptr},  // a stray "." is not this text's decimal point
      {"1E", '.', '.', nullptr},
      {"-", '.', '.', nullptr},
      {"", '.', '.', nullptr},
  };
  for (const Case& c : cases) {
    std::string out = "x";
    const bool ok = CsvNumber(c.text, c.decimal, c.tableDecimal, out);
    EXPECT_EQ(ok, c.cell != nullptr) << c.text;
    EXPECT_EQ(out, std::string("x") + (c.cell ? c.cell : "")) << c.text;  // nothing left behind
  }
}

TEST(CsvExport, CellsAreQuotedOnlyWhenTheyMustBe) {
  std::string line;
  AppendCsvCell(line, "T1", ',');
  AppendCsvCell(line, "a,b", ',');
  AppendCsvCell(line, "a,b", ';');
  AppendCsvCell(line, "say \"x\"", ',');
  AppendCsvCell(line, "two\r\nlines", ';');
  EXPECT_EQ(line, "T1\"a,b\"a,b\"say \"\"x\"\"\"\"two\r\nlines\"");
}

TEST(CsvExport, IsoTimesOfDateTimeNumbers) {
  const double moment = MomentToDateTime(DateRecord{2007, 3, 13, 0}, 8 * 3600 + 5);
  EXPECT_EQ(IsoDateTime(moment), "2007-03-13T08:00:05");
  EXPECT_EQ(IsoDateTime(moment, ' '), "2007-03-13 08:00:05");
  EXPECT_EQ(IsoDateTime(MomentToDateTime(DateRecord{2089, 12, 31, 0}, 86399)),
            "2089-12-31T23:59:59");
  // A date the record cannot form reads as day 1 (1899-12-31): no time at all.
  EXPECT_EQ(IsoDateTime(MomentToDateTime(DateRecord{2007, 2, 30, 0}, 0)), "");
  EXPECT_EQ(IsoDateTime(std::nan("")), "");
  EXPECT_EQ(IsoDateTime(1e300), "");
  EXPECT_EQ(IsoDateTime(-5.0), "");
}

TEST(CsvExport, TextsBecomeUtf8FromTheirCodePage) {
  // Windows-1252: ä, the euro sign, the degree sign; an unassigned byte stays its control.
  EXPECT_EQ(ExportTextToUtf8("\xE4\x80\xB0\x81", false), "\xC3\xA4\xE2\x82\xAC\xC2\xB0\xC2\x81");
  // DOS characters: the six umlaut codes, everything else as before.
  EXPECT_EQ(ExportTextToUtf8("\x8E\x9A\xE1\x84\x94\x81\xB0", true),
            "\xC3\x84\xC3\x9C\xC3\x9F\xC3\xA4\xC3\xB6\xC3\xBC\xC2\xB0");
}

class XlsxBook : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = gd::test::FreshTestFolder("gd_xlsx_"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
  DiskFileStore disk_;
};

TEST_F(XlsxBook, SavedWholeOrNotAtAll) {
  const std::string target = (dir_ / "book.xlsx").string();
  disk_.WriteWhole(target, Bytes{'o', 'l', 'd'});
  {
    XlsxCellBook book(disk_, target, Locale::German(), 0);
    book.Label(0, 0, "Kopf \xE4");
    book.Number(1, 0, 1234.5);
    // Outside the sheet, or a cell format that does not exist: refused, nothing written.
    EXPECT_THROW(book.Number(0, kWorkbookRows, 1.0), ESpreadsheetError);
    EXPECT_THROW(book.Label(kWorkbookColumns, 1, "x"), ESpreadsheetError);
    EXPECT_THROW(book.FormattedLabel(0, 1, "x", 7), ESpreadsheetError);
    EXPECT_EQ(Names().size(), 2u);  // the target and the temporary file beside it
  }
  // Dropped without Save: the target keeps its content, the temporary file is gone.
  EXPECT_EQ(Names(), std::vector<std::string>{"book.xlsx"});
  EXPECT_EQ(disk_.ReadWhole(target), (Bytes{'o', 'l', 'd'}));

  XlsxCellBook book(disk_, target, Locale::German(), 0);
  book.Label(0, 0, "Kopf");
  book.Date(0, 1, 39154.5);
  book.Time(1, 1, 39154.5);
  book.Save();
  EXPECT_EQ(Names(), std::vector<std::string>{"book.xlsx"});
  const Bytes zip = disk_.ReadWhole(target);
  ASSERT_GT(zip.size(), 100u);
  EXPECT_EQ(zip[0], 'P');  // a zip archive
  EXPECT_EQ(zip[1], 'K');
}

TEST_F(XlsxBook, AFolderIsNeverReplaced) {
  const fs::path folder = dir_ / "folder.xlsx";
  fs::create_directory(folder);
  EXPECT_THROW(XlsxCellBook(disk_, folder.string(), Locale::German(), 0), EGaugData);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(Names(), std::vector<std::string>{"folder.xlsx"});
}

}  // namespace
}  // namespace gd
