// Reads written workbooks back with xlrd (Debian's python3-xlrd), a reader
// that shares nothing with the writer.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "export/XlsWriter.h"
#include "support/TestFolder.h"

namespace gd {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPython = "/usr/bin/python3";

struct ReaderRun {
  int status = -1;
  std::string out;
};

ReaderRun RunReader(const std::string& args) {
  ReaderRun run;
  const std::string cmd = std::string(kPython) + " '" + GAUGDATA_READ_XLS_SCRIPT + "' " + args;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return run;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) run.out.append(buf, n);
  const int status = pclose(p);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Hex(std::string_view bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

class XlsReadback : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(kPython, X_OK) != 0) GTEST_SKIP() << kPython << " is missing";
    const ReaderRun check = RunReader("--check");
    if (check.status == 2) GTEST_SKIP() << "python3-xlrd is not installed";
    ASSERT_EQ(check.status, 0) << "the reader script does not run";
    dir_ = gd::test::FreshTestFolder("gaugdata-xls-");
  }
  void TearDown() override {
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
  }

  // Writes the buffer to a file and returns the reader's dump of it, one line per cell.
  std::vector<std::string> ReadBack(const Bytes& book) {
    const fs::path file = dir_ / "book.xls";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(book.data()),
               static_cast<std::streamsize>(book.size()));
    const ReaderRun run = RunReader("'" + file.string() + "'");
    EXPECT_EQ(run.status, 0) << run.out;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path dir_;
};

TEST_F(XlsReadback, CellsReadBackWithTheirValuesTypesAndFormats) {
  const Locale de = Locale::German();
  const std::string umlauts = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80";
  const std::string longText(300, 'z');
  Bytes b;
  WriteWorkbookStart(b, de);
  WriteLabelCell(b, 0, 0, umlauts);
  WriteNumberCell(b, 1, 0, 1234.5);
  WriteNumberCell(b, 2, 0, -0.1 - 0.2);
  WriteNumberCell(b, 3, 0, 1e20);
  WriteDateCell(b, de, 0, 1, 36526.75);
  WriteTimeCell(b, de, 1, 1, 0.75 + 7.0 / 86400);
  WriteCell(b, de, CellKind::Integer, 1, 3, "42");
  WriteCell(b, de, CellKind::Integer, 2, 0, "70000");
  WriteCell(b, de, CellKind::DateTime, 2, 1, "29.02.1992 12:30:00");
  WriteCell(b, de, CellKind::Currency, 2, 2, "12,5");
  WriteCell(b, de, CellKind::Float, 2, 3, "-7,25E-3");
  WriteLabelCell(b, 0, 3, longText);
  WriteLabelCell(b, 1, 3, "Kopf", 0);  // explicit cell format 0: the bold one
  WriteWorkbookEnd(b);

  const std::string general = Hex("General"), decimals = Hex("0.0##");
  const std::vector<std::string> expected = {
      "sheets\t1\tbiff\t21\tcp1252",
      "0\t0\ttext\t" + Hex(umlauts) + "\t" + general,
      "0\t1\tnumber\t1234.5\t" + decimals,
      "0\t2\tnumber\t-0.3\t" + decimals,
      "0\t3\tnumber\t1e+20\t" + decimals,
      "1\t0\tdate\t36526.0 (2000, 1, 1, 0, 0, 0)\t" + Hex("dd.MM.yyyy"),
      "1\t1\tdate\t0.7500810185185185 (0, 0, 0, 18, 0, 7)\t" + Hex("HH:mm:ss"),
      "1\t2\tempty\t\t",
      "1\t3\tnumber\t42.0\t" + decimals,
      "2\t0\tnumber\t70000.0\t" + general,
      "2\t1\tdate\t33663.520833333336 (1992, 2, 29, 12, 30, 0)\t" + Hex("dd.MM.yyyy HH:mm:ss"),
      "2\t2\tnumber\t12.5\t" + Hex("00,00\x80"),
      "2\t3\tnumber\t-0.00725\t" + decimals,
      "3\t0\ttext\t" + Hex(longText.substr(0, 255)) + "\t" + general,
      "3\t1\ttext\t" + Hex("Kopf") + "\t" + general,
      "3\t2\tempty\t\t",
      "3\t3\tempty\t\t",
  };
  EXPECT_EQ(ReadBack(b), expected);
}

TEST_F(XlsReadback, EnglishFormatsAndAnEmptyWorkbook) {
  const Locale en = Locale::English();
  Bytes b;
  WriteWorkbookStart(b, en);
  WriteWorkbookEnd(b);
  EXPECT_EQ(ReadBack(b), std::vector<std::string>{"sheets\t1\tbiff\t21\tcp1252"});

  b.clear();
  WriteWorkbookStart(b, en);
  WriteCell(b, en, CellKind::Date, 0, 0, "31/12/2078");
  WriteCell(b, en, CellKind::Float, 0, 1, "0.5");
  WriteWorkbookEnd(b);
  const std::vector<std::string> expected = {
      "sheets\t1\tbiff\t21\tcp1252",
      "0\t0\tdate\t65380.0 (2078, 12, 31, 0, 0, 0)\t" + Hex("dd\\/MM\\/yyyy"),
      "0\t1\tnumber\t0.5\t" + Hex("0.0##"),
  };
  EXPECT_EQ(ReadBack(b), expected);
}

TEST_F(XlsReadback, DosTextsReadBackThroughTheirCodePage) {
  // "Äü" in DOS bytes; the reader must decode them without being told how.
  Bytes b;
  WriteWorkbookStart(b, Locale::German(), kCodePageDos);
  WriteLabelCell(b, 0, 0, "\x8E\x81");
  WriteWorkbookEnd(b);
  const std::vector<std::string> expected = {"sheets\t1\tbiff\t21\tcp850",
                                             "0\t0\ttext\t8e81\t" + Hex("General")};
  EXPECT_EQ(ReadBack(b), expected);
}

TEST_F(XlsReadback, TheLastRowOfTheSheetReadsBack) {
  // The writer's last row is one the reader still takes.
  Bytes b;
  WriteWorkbookStart(b, Locale::German());
  WriteNumberCell(b, 0, kSheetRows - 1, 7.5);
  WriteWorkbookEnd(b);
  const std::vector<std::string> lines = ReadBack(b);
  ASSERT_EQ(lines.size(), 1u + kSheetRows);
  EXPECT_EQ(lines.back(), std::to_string(kSheetRows - 1) + "\t0\tnumber\t7.5\t" + Hex("0.0##"));
}

}  // namespace
}  // namespace gd
