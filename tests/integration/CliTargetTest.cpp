// gaugdata-cli export onto awkward targets and from damaged series: a sheet
// that is too small, folders, devices and links as targets, a directory that
// names more records than the stream holds, series numbers out of range.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "CliProcess.h"

namespace gd::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr const char* kDemo = GAUGDATA_DEMO_FILE;

TEST(CliTarget, SeriesTooLongForASheetWritesNoSpreadsheet) {
  ScratchDir dir;
  // Rows 0..16383 take the header lines and fewer than 16384 records.
  const std::string large = dir.Put("long.sdx", sb::BuildStream(sb::LargeSpec(1, 16384)));
  const std::string out = dir.Put("long.xls", sb::ByteVec{'o', 'l', 'd'});
  const CliResult r = RunCli({"export", large, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "gaugdata-cli: Die Tabellendatei long.xls wurde nicht geschrieben: ab Reihe 01 passen "
            "die Werte nicht mehr in die 16384 Zeilen eines Tabellenblatts. Als .xlsx "
            "speichern (ein Blatt fasst dort 1048576 Zeilen), weniger Reihen w\u00e4hlen oder als "
            "Text speichern.\n");
  EXPECT_EQ(ReadFileBytes(out), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path(".")), fs::directory_iterator()), 2);

  // As the message proposes, a workbook takes the series whole, and so does a data table.
  const std::string book = dir.Path("long.xlsx").string();
  const CliResult asBook = RunCli({"export", large, book});
  EXPECT_EQ(asBook.status, 0) << asBook.err;
  EXPECT_EQ(ReadFileBytes(book).substr(0, 2), "PK");
  const std::string table = dir.Path("long.csv").string();
  ASSERT_EQ(RunCli({"export", large, table}).status, 0);
  const std::string rows = ReadFileBytes(table);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 1 + 16384);

  // As text the same series is saved whole.
  const std::string text = dir.Path("long.txt").string();
  ASSERT_EQ(RunCli({"export", large, text}).status, 0);
  EXPECT_THAT(ReadFileBytes(text), HasSubstr("\\END_OF_SET[1]"));
}

TEST(CliTarget, DataTableLayoutOption) {
  ScratchDir dir;
  const std::string out = dir.Path("de.csv").string();
  const CliResult r = RunCli({"export", kDemo, out, "--series", "2", "--csv-excel-de"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(ReadFileBytes(out), HasSubstr("\r\n2;A;2007-03-13 08:00:00;47,05;1524,17;\r\n"));
  // A flag takes no value, and only export knows it.
  EXPECT_EQ(RunCli({"export", kDemo, out, "--csv-excel-de=1"}).status, 2);
  EXPECT_EQ(RunCli({"list", kDemo, "--csv-excel-de"}).status, 2);
}

TEST(CliTarget, FoldersAndDevicesAreNeverReplaced) {
  ScratchDir dir;
  const fs::path folder = dir.Path("folder.txt");
  fs::create_directory(folder);
  const CliResult toFolder = RunCli({"export", kDemo, folder.string()});
  EXPECT_EQ(toFolder.status, 1);
  EXPECT_EQ(toFolder.err,
            "gaugdata-cli: " + folder.string() + " ist ein Verzeichnis, keine Datei\n");
  EXPECT_TRUE(fs::is_directory(folder));

  // Opening a pipe would wait for a reader; replacing it would lose it.
  const fs::path pipe = dir.Path("pipe.sdx");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const char* series : {"1", "all"}) {
    const CliResult toPipe = RunCli({"export", kDemo, pipe.string(), "--series", series});
    EXPECT_EQ(toPipe.status, 1);
    EXPECT_EQ(toPipe.err, "gaugdata-cli: " + pipe.string() +
                              " ist keine gew\u00f6hnliche Datei und wird nicht ersetzt\n");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path(".")), fs::directory_iterator()), 2);
}

TEST(CliTarget, ALinkKeepsLeadingToTheWrittenFile) {
  ScratchDir dir;
  const std::string file = dir.Put("values.txt", sb::ByteVec{'o', 'l', 'd'});
  const fs::path link = dir.Path("link.txt");
  fs::create_symlink("values.txt", link);
  const CliResult r = RunCli({"export", kDemo, link.string(), "--series", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_THAT(ReadFileBytes(file), HasSubstr("\\END_OF_SET[2]"));
}

TEST(CliTarget, RecordsMissingFromTheStreamAreReported) {
  ScratchDir dir;
  sb::ByteVec bytes = sb::BuildStream(sb::LargeSpec(2, 50));
  // Series 1 claims far more records than the stream holds.
  constexpr std::size_t kRecordCountOfSeries1 = 160 + 9;
  for (std::size_t i = 0; i < 4; ++i) bytes[kRecordCountOfSeries1 + i] = i == 3 ? 0x00 : 0xFF;
  const std::string damaged = dir.Put("damaged.sdx", bytes);
  const std::string subset = dir.Path("subset.sdx").string();
  const CliResult r = RunCli({"export", damaged, subset, "--series", "2,1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.err,
              ::testing::MatchesRegex(
                  "gaugdata-cli: Reihe 01 ist besch\u00e4digt: nur [0-9]+ ihrer 16777215 Werte "
                  "sind vollst\u00e4ndig und wurden gespeichert\n"));
  // A text export writes what the stream holds and says so too.
  const std::string text = dir.Path("damaged.txt").string();
  const CliResult asText = RunCli({"export", damaged, text, "--series", "1"});
  ASSERT_EQ(asText.status, 0) << asText.err;
  EXPECT_THAT(asText.err, HasSubstr("gaugdata-cli: Reihe 01 ist besch\u00e4digt: nur "));
  EXPECT_THAT(ReadFileBytes(text), HasSubstr("** BAD BYTES **"));
  EXPECT_EQ(RunCli({"export", damaged, text, "--series", "2"}).err, "");

  // All records there, but a parameter set outside the stream.
  sb::StreamSpec lost = sb::LargeSpec(1, 20);
  lost.series[0].channels[0].parameterAddress = 0x7FFF0000u;
  const std::string noSet = dir.Put("noset.sdx", sb::BuildStream(lost));
  EXPECT_EQ(
      RunCli({"export", noSet, text}).err,
      "gaugdata-cli: Reihe 01 ist besch\u00e4digt: Teile ihrer Kanalangaben liegen nicht in der "
      "Datei\n");

  // The new file counts the records it holds.
  const CliResult listed = RunCli({"list", subset});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> lines = SplitLines(listed.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_THAT(lines[1], HasSubstr("\t50\t"));
}

TEST(CliTarget, ControlCharactersInNamesKeepLinesAndCellsWhole) {
  ScratchDir dir;
  sb::StreamSpec spec = sb::LargeSpec(1, 3);
  spec.series[0].channels[0].measuringPoint = "A\tB\r\nC";
  const std::string file = dir.Put("names.sdx", sb::BuildStream(spec));
  const CliResult listed = RunCli({"list", file});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> lines = SplitLines(listed.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), '\t'),
            std::count(lines[0].begin(), lines[0].end(), '\t'));
  EXPECT_THAT(lines[1], HasSubstr("\t'A B  C'"));
  const CliResult details = RunCli({"details", file, "1"});
  ASSERT_EQ(details.status, 0) << details.err;
  EXPECT_EQ(SplitLines(details.out).size(), 2u);
  EXPECT_THAT(details.out, HasSubstr("'A B  C'\n"));
}

TEST(CliTarget, SeriesNumbersOutOfRange) {
  ScratchDir dir;
  const std::string out = dir.Path("x.txt").string();
  for (const char* n : {"99999", "999999999999"}) {
    const CliResult details = RunCli({"details", kDemo, n});
    EXPECT_EQ(details.status, 1) << n;
    EXPECT_EQ(details.err, "gaugdata-cli: Nur 6 Reihen enthalten\n") << n;
    EXPECT_EQ(RunCli({"export", kDemo, out, "--series", std::string("1,") + n}).status, 1) << n;
  }
  EXPECT_EQ(RunCli({"details", kDemo, "0003"}).status, 0);
  const CliResult negative = RunCli({"params", kDemo, "-1"});
  EXPECT_EQ(negative.status, 2);
  EXPECT_THAT(negative.err, HasSubstr("\"-1\" is not a series number"));
  EXPECT_FALSE(fs::exists(out));

  // An empty name is no file at all.
  EXPECT_EQ(RunCli({"list", ""}).status, 2);
  const CliResult noName = RunCli({"export", kDemo, ""});
  EXPECT_EQ(noName.status, 2);
  EXPECT_THAT(noName.err, HasSubstr("OUT is an empty name"));
}

}  // namespace
}  // namespace gd::test
