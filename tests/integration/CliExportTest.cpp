// gaugdata-cli export: text and spreadsheet files compared with what the
// conversion object writes, the spreadsheet read back with xlrd, and subset
// measurement files that list and export like the series they came from.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "CliProcess.h"
#include "convert/OutputSinks.h"
#include "convert/VXASCIIOUT.h"
#include "core/FileStore.h"
#include "core/MeasurementFile.h"
#include "core/ParsedStreamHandler.h"

namespace gd::test {
namespace {

using ::testing::HasSubstr;

constexpr const char* kDemo = GAUGDATA_DEMO_FILE;

class NoMessages final : public IMessages {
 public:
  void Show(MessageKind, const std::string&) override {}
  Answer Ask(MessageKind, const std::string&) override { return Answer::Cancel; }
};

// A file opened in-process, as the tool opens it.
struct Opened {
  explicit Opened(const std::string& path) : document(files, handler, messages) {
    document.Open(path, false);
    engine = std::make_unique<TVXASCIIOUT>(path, TranslateFunction{}, nullptr, "000",
                                           kDefaultTextStyle, nullptr, nullptr, document.Stream());
    engine->SetLocale(Locale::German());
  }
  DiskFileStore files;
  ParsedStreamHandler handler;
  NoMessages messages;
  MeasurementFile document;
  std::unique_ptr<TVXASCIIOUT> engine;
};

// The text the conversion object writes for the series, one after the other.
std::string EngineText(const std::string& path, const std::vector<int>& series) {
  Opened file(path);
  std::string text;
  StringByteSink sink(text);
  file.engine->SetOutput(&sink);
  for (int n : series) file.engine->WriteSeries(n, file.document.Comments().rows);
  return text;
}

TEST(CliExport, TextIsTheConversionObjectsText) {
  ScratchDir dir;
  const std::string out = dir.Path("two.txt").string();
  const CliResult r = RunCli({"export", kDemo, out, "--series", "3,1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // stderr is no terminal: no progress bar
  EXPECT_EQ(r.out, "");
  const std::string written = ReadFileBytes(out);
  EXPECT_EQ(written, EngineText(kDemo, {3, 1}));
  EXPECT_LT(written.find("\\END_OF_SET[3]"), written.find("\\END_OF_SET[1]"));

  // All series by default, in their order; the options reach the conversion.
  const std::string all = dir.Path("all.txt").string();
  ASSERT_EQ(RunCli({"export", kDemo, all}).status, 0);
  EXPECT_EQ(ReadFileBytes(all), EngineText(kDemo, {1, 2, 3, 4, 5, 6}));
  const std::string point = dir.Path("point.csv").string();
  ASSERT_EQ(RunCli({"export", kDemo, point, "--style", "0x0031D036", "--col-length", "12"}).status,
            0);
  EXPECT_NE(ReadFileBytes(point), ReadFileBytes(all));
}

TEST(CliExport, SeriesThatAreNotThereAndTheOpenFileItself) {
  ScratchDir dir;
  const std::string out = dir.Path("x.txt").string();
  const CliResult beyond = RunCli({"export", kDemo, out, "--series", "2,7"});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_EQ(beyond.err, "gaugdata-cli: Nur 6 Reihen enthalten\n");
  EXPECT_FALSE(std::filesystem::exists(out));
  for (const char* wrong : {"", "1,,2", "1,1", "0", "a", "all,1"}) {
    EXPECT_EQ(RunCli({"export", kDemo, out, "--series", wrong}).status, 2) << wrong;
  }
  EXPECT_EQ(RunCli({"export", kDemo}).status, 2);

  // Never onto the open file, however its name is spelt.
  const std::string demo = ReadFileBytes(kDemo);
  const std::string copy = dir.Put("copy.sdx", sb::ByteVec(demo.begin(), demo.end()));
  const std::string before = ReadFileBytes(copy);
  const std::string spelt = (dir.Path(".") / "copy.sdx").string();
  const CliResult itself = RunCli({"export", copy, spelt, "--series", "1"});
  EXPECT_EQ(itself.status, 1);
  EXPECT_THAT(itself.err, HasSubstr("can not saved to itself."));
  EXPECT_EQ(ReadFileBytes(copy), before);

  // A file without series: the no-data block.
  sb::StreamSpec empty;
  empty.series.clear();
  const std::string none = dir.Put("none.sdx", sb::BuildStream(empty));
  const std::string noData = dir.Path("none.txt").string();
  const CliResult r = RunCli({"export", none, noData});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(ReadFileBytes(noData), HasSubstr("NO MEASURING DATA"));
}

// Cells as the conversion object hands them to the spreadsheet writer.
class CellRecorder final : public ISpreadsheetSink {
 public:
  struct Cell {
    char kind;  // 'L', 'N', 'D', 'T'
    std::string text;
    double value = 0;
  };
  void Label(int c, int r, std::string_view t) override { cells[{r, c}] = {'L', std::string(t)}; }
  void Number(int c, int r, double v) override { cells[{r, c}] = {'N', {}, v}; }
  void Date(int c, int r, double v) override { cells[{r, c}] = {'D', {}, v}; }
  void Time(int c, int r, double v) override { cells[{r, c}] = {'T', {}, v}; }
  std::map<std::pair<int, int>, Cell> cells;
};

std::string Hex(std::string_view bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

TEST(CliExport, SpreadsheetReadBackWithXlrd) {
  constexpr const char* kPython = "/usr/bin/python3";
  if (access(kPython, X_OK) != 0) GTEST_SKIP() << kPython << " is missing";
  ScratchDir dir;
  const std::string out = dir.Path("two.XLS").string();  // the extension in any case
  const CliResult r = RunCli({"export", kDemo, out, "--series", "2,6"});
  ASSERT_EQ(r.status, 0) << r.err;

  const std::string command =
      std::string(kPython) + " '" + GAUGDATA_READ_XLS_SCRIPT + "' '" + out + "'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string dump;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) dump.append(buffer, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 2) GTEST_SKIP() << "python3-xlrd is missing";
  ASSERT_EQ(status, 0) << dump;

  Opened file(kDemo);
  CellRecorder expected;
  file.engine->SetSpreadsheet(&expected);
  file.engine->SetRow(0);
  for (int n : {2, 6}) file.engine->WriteSeries(n, file.document.Comments().rows);
  ASSERT_GT(expected.cells.size(), 100u);

  std::size_t compared = 0;
  for (const std::string& line : SplitLines(dump)) {
    std::istringstream fields(line);
    std::string row, column, kind, value;
    std::getline(fields, row, '\t');
    std::getline(fields, column, '\t');
    std::getline(fields, kind, '\t');
    std::getline(fields, value, '\t');
    if (row == "sheets" || kind == "empty") continue;
    const auto it = expected.cells.find({std::stoi(row), std::stoi(column)});
    ASSERT_NE(it, expected.cells.end()) << line;
    const CellRecorder::Cell& cell = it->second;
    switch (cell.kind) {
      case 'L':
        EXPECT_EQ(kind, "text") << line;
        EXPECT_EQ(value, Hex(cell.text)) << line;
        break;
      case 'N':
        EXPECT_EQ(kind, "number") << line;
        EXPECT_NEAR(std::stod(value), cell.value, 1e-9 * std::max(1.0, std::fabs(cell.value)))
            << line;
        break;
      default:
        EXPECT_EQ(kind, "date") << line;
        break;
    }
    ++compared;
  }
  EXPECT_EQ(compared, expected.cells.size());
}

// The lines of a text export that hold values (those after the headline of a
// series up to its end line), which do not depend on the file they came from.
std::vector<std::string> ValueLines(const std::string& text) {
  std::vector<std::string> lines;
  bool inValues = false;
  for (const std::string& line : SplitLines(text)) {
    if (line.rfind("\\END_OF_SET", 0) == 0) inValues = false;
    if (inValues) lines.push_back(line);
    if (line.rfind("\\DATA", 0) == 0) inValues = true;
  }
  return lines;
}

// Row cells after NR of a listing.
std::vector<std::string> RowsWithoutNumbers(const std::string& listing) {
  std::vector<std::string> rows;
  for (const std::string& line : SplitLines(listing)) rows.push_back(line.substr(line.find('\t')));
  return rows;
}

TEST(CliExport, SubsetFileListsAndExportsTheChosenSeries) {
  ScratchDir dir;
  const std::string subset = dir.Path("subset.sdx").string();
  const CliResult r = RunCli({"export", kDemo, subset, "--series", "4,2"});
  ASSERT_EQ(r.status, 0) << r.err;

  const std::vector<std::string> original = RowsWithoutNumbers(RunCli({"list", kDemo}).out);
  const CliResult listed = RunCli({"list", subset});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> rows = RowsWithoutNumbers(listed.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], original[4]);
  EXPECT_EQ(rows[2], original[2]);
  EXPECT_THAT(SplitLines(listed.out)[2], ::testing::StartsWith("02\t"));

  // The same values, and the comments under the new numbers.
  Opened source(kDemo), copy(subset);
  EXPECT_EQ(copy.document.Comments().rows.at(0).Text(),
            source.document.Comments().rows.at(3).Text());
  EXPECT_EQ(copy.document.Comments().rows.at(1).Text(),
            source.document.Comments().rows.at(1).Text());
  const std::string again = dir.Path("again.txt").string();
  ASSERT_EQ(RunCli({"export", subset, again}).status, 0);
  EXPECT_EQ(ValueLines(ReadFileBytes(again)), ValueLines(EngineText(kDemo, {4, 2})));
  EXPECT_FALSE(ValueLines(ReadFileBytes(again)).empty());
}

TEST(CliExport, SubsetAbove64KiBListsCorrectly) {
  ScratchDir dir;
  const sb::ByteVec bytes = sb::BuildStream(sb::LargeSpec(3, 12000));
  const std::string large = dir.Put("large.sdx", bytes);
  const std::string subset = dir.Path("subset.sdx").string();
  const CliResult r = RunCli({"export", large, subset, "--series", "3,2"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_GT(std::filesystem::file_size(subset), 65536u);

  const std::vector<std::string> original = RowsWithoutNumbers(RunCli({"list", large}).out);
  const CliResult listed = RunCli({"list", subset});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> rows = RowsWithoutNumbers(listed.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], original[3]);
  EXPECT_EQ(rows[2], original[2]);
  const std::string a = dir.Path("a.txt").string(), b = dir.Path("b.txt").string();
  ASSERT_EQ(RunCli({"export", subset, a, "--series", "1"}).status, 0);
  ASSERT_EQ(RunCli({"export", large, b, "--series", "3"}).status, 0);
  EXPECT_EQ(ValueLines(ReadFileBytes(a)), ValueLines(ReadFileBytes(b)));
}

}  // namespace
}  // namespace gd::test
