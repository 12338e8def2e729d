#include "export/SaveSeries.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "export/SaveTestSupport.h"
#include "support/StreamBuilder.h"
#include "support/TestFolder.h"

namespace gd {
namespace {
namespace fs = std::filesystem;

sb::StreamSpec Spec() {
  sb::StreamSpec spec;
  spec.series.clear();
  for (int s = 0; s < 3; ++s) {
    sb::SeriesSpec ser;
    ser.name = "R" + std::to_string(s + 1);
    for (int i = 0; i < 40 + 10 * s; ++i) {
      sb::FlaggedRecord r;
      r.velocity = static_cast<std::int16_t>(25 * i - 300 + s);
      if (i % 7 == 0) r.positiveTotal = 3.25 * i;
      if (i % 5 == 0) r.temperatures = {{static_cast<std::int16_t>(180 + i), 95}};
      ser.records.push_back(r);
    }
    spec.series.push_back(ser);
  }
  return spec;
}

// Cancels once the conversion has let events run `after` times.
struct Progress : IProgress {
  void SetMaximum(std::int64_t m) override { maximum = m; }
  void Advance(std::int64_t s) override { position += s; }
  void LetEventsRun() override { ++events; }
  bool Cancelled() const override { return events >= cancelAfter; }
  std::int64_t maximum = 0, position = 0;
  int events = 0, cancelAfter = 1 << 30;
};

class SaveSeriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = gd::test::FreshTestFolder("gd_saveseries_");
    stream = sb::BuildStream(Spec());
    openFile = (dir / "messung.dat").string();
    DiskFileStore().WriteWhole(openFile, stream);
    comments.rows = {TReihenMemoStrings(1), TReihenMemoStrings(2), TReihenMemoStrings(3)};
    comments.rows[2].TakeFromMemo(MemoField{"Pumpe aus\r\nventil zu", false});
    converter =
        std::make_unique<TVXASCIIOUT>("messung.dat", TranslateFunction{}, nullptr, "",
                                      kDefaultTextStyle, nullptr, nullptr, ByteView(stream));
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the job for `target` (a name in the test folder).
  bool Save(const std::string& name, std::vector<int> selection, IFileStore* store = nullptr) {
    target = (dir / name).string();
    SaveSeriesJob job(store ? *store : disk, messages, progress);
    job.SetClock([] { return CalendarTime{2026, 1, 2, 3, 4, 5}; });
    job.Prepare(SaveRequest{converter.get(), stream, openFile, &comments, selection, target});
    const bool ok = job.Run();
    caption = job.Caption();
    saved = job.Saved();
    return ok;
  }
  std::string Written() {
    const Bytes b = disk.ReadWhole(target);
    return std::string(b.begin(), b.end());
  }
  // What the engine itself writes for these series.
  std::string EngineText(std::initializer_list<int> series) {
    std::string text;
    StringByteSink sink(text);
    TVXASCIIOUT own("messung.dat", {}, nullptr, "", kDefaultTextStyle, nullptr, &sink,
                    ByteView(stream));
    for (int n : series) own.WriteSeries(n, comments.rows);
    return text;
  }

  fs::path dir;
  Bytes stream;
  std::string openFile, target, caption;
  std::vector<std::string> saved;
  CommentSet comments;
  DiskFileStore disk;
  RecordedMessages messages;
  Progress progress;
  std::unique_ptr<TVXASCIIOUT> converter;
};

TEST_F(SaveSeriesTest, TextIsTheEngineOwnTextOfEverySeriesInOrder) {
  ASSERT_TRUE(Save("out.txt", {3, 1}));
  const std::string text = Written();
  EXPECT_EQ(text, EngineText({3, 1}));
  EXPECT_NE(text.find("\\SOURCE=messung.dat[03]"), std::string::npos);
  EXPECT_NE(text.find("\\END_OF_SET[1]"), std::string::npos);
  EXPECT_LT(text.find("\\END_OF_SET[3]"), text.find("\\SOURCE=messung.dat[01]"));
  EXPECT_NE(text.find(" Pumpe aus\r\n ventil zu\r\n"), std::string::npos);
  EXPECT_EQ(caption, "Speichern in out.txt");
  EXPECT_EQ(saved, (std::vector<std::string>{"Nr03 (60)", "Nr01 (40)"}));
  EXPECT_EQ(progress.maximum, 100);
  // The conversion object holds no reference to the job's buffer any more.
  converter->WriteLine("danach");
  EXPECT_EQ(Written(), text);
}

TEST_F(SaveSeriesTest, AnEmptySelectionWritesTheNoDataBlock) {
  ASSERT_TRUE(Save("leer.txt", {}));
  EXPECT_EQ(Written(), "\\SOURCE=messung.dat (V 5.22)\r\nNO MEASURING DATA\r\n\\END\r\n");
}

TEST_F(SaveSeriesTest, ACancelWritesTheSeriesSoFarEndingWithBreak) {
  progress.cancelAfter = 3;
  EXPECT_FALSE(Save("halb.txt", {2, 3}));
  const std::string text = Written();
  EXPECT_NE(text.find("\\SOURCE=messung.dat[02]"), std::string::npos);
  EXPECT_EQ(text.find("[03]"), std::string::npos);
  ASSERT_GE(text.size(), 8u);
  EXPECT_EQ(text.substr(text.size() - 8), "\\BREAK\r\n");
  EXPECT_EQ(saved, std::vector<std::string>{"Nr02 (50)"});
}

TEST_F(SaveSeriesTest, TheOpenFileIsNeverOverwrittenWhateverTheKind) {
  for (const char* name : {"messung.dat", "./messung.dat"}) {
    messages.shown.clear();
    EXPECT_FALSE(Save(name, {1}));
    ASSERT_EQ(messages.shown.size(), 1u) << name;
    EXPECT_NE(messages.shown[0].second.find("can not saved to itself"), std::string::npos);
  }
  EXPECT_EQ(disk.ReadWhole(openFile), stream);
}

TEST_F(SaveSeriesTest, AFailedWriteLeavesNoFile) {
  FailingStore full;
  full.failWrite = true;
  EXPECT_THROW(Save("out.txt", {1}, &full), EGaugData);
  EXPECT_THROW(Save("out.xls", {1}, &full), EGaugData);
  EXPECT_THROW(Save("out.sdx", {1}, &full), EGaugData);
  // Workbooks and data tables stream into their temporary file; they fail
  // when it cannot take the target's place.
  full.failWrite = false;
  full.failRename = true;
  EXPECT_THROW(Save("out.xlsx", {1}, &full), EGaugData);
  EXPECT_THROW(Save("out.csv", {1}, &full), EGaugData);
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"messung.dat"});
}

TEST_F(SaveSeriesTest, ASubsetTargetWritesAMeasurementFile) {
  ASSERT_TRUE(Save("teil.SDX", {2}));
  const Bytes file = disk.ReadWhole(target);
  const ParsedStream parsed = ParseStream(file);
  ASSERT_TRUE(parsed.Usable());
  ASSERT_EQ(parsed.directory.size(), 1u);
  EXPECT_EQ(parsed.directory[0].Name(), "R2");
}

// --- Spreadsheet, read back with xlrd ----------------------------------------

// The engine's own cells, as the reader script prints them (without formats).
struct CellRecorder : ISpreadsheetSink {
  void Label(int c, int r, std::string_view text) override {
    static const char* kDigits = "0123456789abcdef";
    std::string hex;
    for (unsigned char ch : text) (hex += kDigits[ch >> 4]) += kDigits[ch & 15];
    cells.push_back(Key(r, c) + "text\t" + hex);
  }
  void Number(int c, int r, double v) override { cells.push_back(Key(r, c) + "number\t" + Num(v)); }
  void Date(int c, int r, double) override { cells.push_back(Key(r, c) + "date"); }
  void Time(int c, int r, double) override { cells.push_back(Key(r, c) + "date"); }
  static std::string Key(int r, int c) {
    return std::to_string(r) + "\t" + std::to_string(c) + "\t";
  }
  static std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
  }
  std::vector<std::string> cells;
};

// The value lines of a text export: those after a headline up to "\END".
std::vector<std::vector<std::string>> TextValueRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  bool inValues = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("\\*", 0) == 0) {
      inValues = true;
      continue;
    }
    if (line.rfind("\\END", 0) == 0) inValues = false;
    if (!inValues || line.empty() || line[0] == '\\') continue;
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::string> CsvLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
  return lines;
}

TEST_F(SaveSeriesTest, ADataTableHoldsTheTextExportsValuesOneRowPerRecord) {
  ASSERT_TRUE(Save("werte.csv", {3, 1}));
  const std::vector<std::string> lines = CsvLines(Written());
  const auto textRows = TextValueRows(EngineText({3, 1}));
  ASSERT_EQ(textRows.size(), 100u);
  ASSERT_EQ(lines.size(), 1u + textRows.size());
  // Byte-order mark, then the value columns of the headline (DATE and TIME
  // become the one time column); no marker line anywhere.
  EXPECT_EQ(lines[0], "\xEF\xBB\xBFseries,channel,time,MEASURE");
  for (std::size_t i = 0; i < textRows.size(); ++i) {
    const std::vector<std::string>& t = textRows[i];  // DATE TIME MEASURE
    ASSERT_EQ(t.size(), 3u);
    std::string expected = i < 60 ? "3,A," : "1,A,";
    const std::string date = std::string(TrimBlanks(t[0])), time = std::string(TrimBlanks(t[1]));
    expected += date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2) + "T" + time;
    for (std::size_t c = 2; c < t.size(); ++c) {
      std::string cell(TrimBlanks(t[c]));
      if (!cell.empty() && cell[0] == '+') cell.erase(0, 1);
      std::replace(cell.begin(), cell.end(), ',', '.');
      // Invalid and missing values (" ???", "------", no total) are empty cells.
      if (cell.find_first_not_of("-.0123456789") != std::string::npos || cell == "------")
        cell.clear();
      expected += "," + cell;
    }
    EXPECT_EQ(lines[i + 1], expected) << i;
  }
  EXPECT_EQ(saved, (std::vector<std::string>{"Nr03 (60)", "Nr01 (40)"}));
  EXPECT_EQ(progress.position, 1 + 100);  // the start step and one per record

  // The layout for a German spreadsheet program: the same cells.
  SaveSeriesJob job(disk, messages, progress);
  SaveRequest request{converter.get(), stream, openFile, &comments, {3, 1}, target};
  request.csv.excelDe = true;
  job.Prepare(request);
  ASSERT_TRUE(job.Run());
  const std::vector<std::string> de = CsvLines(Written());
  ASSERT_EQ(de.size(), lines.size());
  for (std::size_t i = 0; i < de.size(); ++i) {
    std::string plain = de[i];
    std::replace(plain.begin(), plain.end(), ',', '.');
    std::replace(plain.begin(), plain.end(), ';', ',');
    if (i > 0) plain[plain.find(' ')] = 'T';
    EXPECT_EQ(plain, lines[i]);
  }
}

TEST_F(SaveSeriesTest, ACancelledDataTableLeavesTheTargetAsItWas) {
  disk.WriteWhole((dir / "werte.csv").string(), Bytes{'a', 'l', 't'});
  progress.cancelAfter = 3;
  EXPECT_FALSE(Save("werte.csv", {2, 3}));
  EXPECT_EQ(Written(), "alt");
  // Nothing is left beside it either.
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"messung.dat", "werte.csv"}));
  // With no series chosen the table has its header only.
  progress.cancelAfter = 1 << 30;
  ASSERT_TRUE(Save("leer.csv", {}));
  EXPECT_EQ(Written(), "\xEF\xBB\xBFseries,channel,time\r\n");
}

TEST_F(SaveSeriesTest, ASpreadsheetReadsBackAsTheEngineCells) {
  const char* python = "/usr/bin/python3";
  if (access(python, X_OK) != 0) GTEST_SKIP() << "python3 is missing";
  ASSERT_TRUE(Save("mappe.XLS", {3, 1}));
  const std::string cmd =
      std::string(python) + " '" + GAUGDATA_READ_XLS_SCRIPT + "' '" + target + "'";
  FILE* p = popen(cmd.c_str(), "r");
  ASSERT_TRUE(p);
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int status = pclose(p);
  if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "python3-xlrd is not installed";
  ASSERT_EQ(WEXITSTATUS(status), 0) << out;

  std::vector<std::string> read;
  std::istringstream in(out);
  std::string line;
  std::getline(in, line);  // "sheets 1 biff 20"
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string x; std::getline(fields, x, '\t');) f.push_back(x);
    if (f.size() < 3 || f[2] == "empty") continue;
    std::string cell = f[0] + "\t" + f[1] + "\t" + f[2];
    if (f[2] == "text") cell += "\t" + f[3];
    if (f[2] == "number") cell += "\t" + CellRecorder::Num(std::stod(f[3]));
    read.push_back(cell);
  }

  CellRecorder own;
  TVXASCIIOUT engine("messung.dat", {}, nullptr, "", kDefaultTextStyle, nullptr, nullptr,
                     ByteView(stream));
  std::string unused;
  StringByteSink sink(unused);
  engine.SetOutput(&sink);
  engine.SetSpreadsheet(&own);
  engine.WriteSeries(3, comments.rows);
  engine.WriteSeries(1, comments.rows);
  std::sort(own.cells.begin(), own.cells.end());
  std::sort(read.begin(), read.end());
  EXPECT_GT(read.size(), 200u);
  EXPECT_EQ(read, own.cells);
}

}  // namespace
}  // namespace gd
