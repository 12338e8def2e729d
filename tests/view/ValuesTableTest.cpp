// The table view's fill: rows of one channel with the texts the text export
// writes for that channel, the cancel row and the progress.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "support/StreamBuilder.h"
#include "view/ValuesTable.h"
#include "view/ValuesTableSave.h"

namespace gd {
namespace {

struct Engine {
  sb::ByteVec bytes;
  std::string text;
  StringByteSink sink{text};
  std::unique_ptr<TVXASCIIOUT> out;
  explicit Engine(const sb::StreamSpec& spec) : bytes(sb::BuildStream(spec)) {
    out = std::make_unique<TVXASCIIOUT>("test.sdx", TranslateFunction{}, nullptr, "",
                                        kDefaultTextStyle | kStyleChannelBlocks, nullptr, &sink,
                                        ByteView(bytes));
    out->SetLocale(Locale::German());
  }
};

class Recorder final : public IProgress {
 public:
  explicit Recorder(int cancelAtCall = 0) : cancelAt_(cancelAtCall) {}
  void SetMaximum(std::int64_t m) override { maximum = m; }
  void Advance(std::int64_t s) override { advanced += s; }
  void LetEventsRun() override { ++eventRuns; }
  bool Cancelled() const override { return cancelAt_ > 0 && ++calls_ >= cancelAt_; }
  std::int64_t maximum = -1, advanced = 0;
  int eventRuns = 0;

 private:
  int cancelAt_;
  mutable int calls_ = 0;
};

sb::FlaggedRecord Rec(std::int16_t v, std::uint8_t channel) {
  sb::FlaggedRecord r;
  r.velocity = v;
  r.channel = channel;
  return r;
}

sb::StreamSpec TwoChannels() {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  sb::ChannelSpec b;
  b.number = 1;
  b.parameters.StorageInterval(60);
  s.channels = {sb::ChannelSpec{}, b};
  s.records = {Rec(1500, 1), Rec(250, 2), Rec(-20, 1), Rec(300, 2), Rec(7, 1)};
  return spec;
}

// The export's headline and rows of one channel (channel blocks: the
// headline just before the channel's first row), split at the TABs with the
// trailing separator dropped.
std::vector<std::vector<std::string>> ExportedRows(const std::string& text, char letter) {
  std::vector<std::string> lines;
  for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos;
       pos = end + 2) {
    lines.push_back(text.substr(pos, end - pos));
  }
  auto split = [](const std::string& line, std::size_t from) {
    std::vector<std::string> cells;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
      cells.push_back(line.substr(from, tab - from));
    }
    return cells;
  };
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() < 2 || lines[i][0] != letter || lines[i][1] != '\t') continue;
    if (rows.empty() && i > 0) rows.push_back(split(lines[i - 1], 2));
    rows.push_back(split(lines[i], 0));
  }
  return rows;
}

TEST(ValuesTable, RowsOfOneChannelCarryTheExportTexts) {
  Engine e(TwoChannels());
  ASSERT_TRUE(e.out->WriteSeries(1));
  for (int channel : {0, 1}) {
    const char letter = static_cast<char>('A' + channel);
    const auto exported = ExportedRows(e.text, letter);
    ValuesTable table;
    Recorder progress;
    ASSERT_EQ(table.Fill(*e.out, 1, channel, progress), ValuesTable::FillResult::kFilled);
    const int rows = channel == 0 ? 3 : 2;
    ASSERT_EQ(exported.size(), static_cast<std::size_t>(rows) + 1);
    EXPECT_EQ(table.RowCount(), rows);
    EXPECT_EQ(progress.maximum, rows);
    EXPECT_EQ(progress.advanced, rows);
    EXPECT_EQ(table.ChannelItems(), (std::vector<std::string>{"A:", "B:"}));
    EXPECT_EQ(table.Header(0), std::string(1, letter) + ":");
    ASSERT_EQ(static_cast<std::size_t>(table.ColumnCount()), exported[0].size() + 1);
    EXPECT_EQ(table.ColumnMap()[0], -1);
    EXPECT_EQ(table.ColumnMap()[1], kColLetter);
    for (int c = 1; c < table.ColumnCount(); ++c) {
      EXPECT_EQ(table.Header(c), TrimBlanks(exported[0][static_cast<std::size_t>(c - 1)]));
    }
    for (int r = 0; r < rows; ++r) {
      EXPECT_EQ(table.Cell(r, 0), std::to_string(r + 1));
      for (int c = 1; c < table.ColumnCount(); ++c) {
        EXPECT_EQ(table.Cell(r, c),
                  exported[static_cast<std::size_t>(r) + 1][static_cast<std::size_t>(c - 1)])
            << "row " << r << " column " << c;
      }
    }
    EXPECT_EQ(table.Cell(rows, 0), "");
  }
}

TEST(ValuesTable, ChannelChoiceCopiedTextAndParameterSetOfTheWindow) {
  Engine e(TwoChannels());
  // The channel choice before any fill; nothing for a series the file lacks.
  EXPECT_EQ(ValuesTable::ChannelItemsOf(*e.out, 1), (std::vector<std::string>{"A:", "B:"}));
  EXPECT_TRUE(ValuesTable::ChannelItemsOf(*e.out, 0).empty());
  EXPECT_TRUE(ValuesTable::ChannelItemsOf(*e.out, 2).empty());

  ValuesTable table;
  EXPECT_TRUE(table.ParameterSetLines(*e.out).empty());  // nothing filled yet
  Recorder progress;
  ASSERT_EQ(table.Fill(*e.out, 1, 0, progress), ValuesTable::FillResult::kFilled);
  ASSERT_GE(table.ColumnCount(), 3);

  // Each cell is followed by the separator, each row ended by CR LF; ranges
  // follow one another.
  std::string sep;
  e.out->ColumnSeparator(sep);
  ASSERT_FALSE(sep.empty());
  auto cell = [&](int r, int c) { return std::string(table.Cell(r, c)); };
  const std::string expected = cell(0, 0) + sep + cell(0, 1) + sep + "\r\n" + cell(1, 0) + sep +
                               cell(1, 1) + sep + "\r\n" + cell(2, 2) + sep + "\r\n";
  EXPECT_EQ(table.SelectionText({{0, 0, 1, 1}, {2, 2, 2, 2}}, *e.out), expected);
  EXPECT_EQ(table.SelectionText({}, *e.out), "");

  // The parameter set of the filled channel, as the engine writes it.
  std::vector<std::string> direct;
  const TSeriesDescription& d = table.Description();
  e.out->WriteParameterSet(&direct, d.entry, 0, 0, &d.valueCounts, d);
  const std::vector<std::string> lines = table.ParameterSetLines(*e.out);
  EXPECT_FALSE(lines.empty());
  EXPECT_EQ(lines, direct);
}

TEST(ValuesTable, CancelEndsWithBreakRowAndMissingChannelFallsBack) {
  sb::StreamSpec spec;
  for (int i = 0; i < 100; ++i) {
    sb::FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(i);
    spec.series[0].records.push_back(r);
  }
  Engine e(spec);
  ValuesTable table;
  Recorder progress(4);  // asked once per record: the fourth record stops
  ASSERT_EQ(table.Fill(*e.out, 1, 5, progress), ValuesTable::FillResult::kCancelled);
  EXPECT_EQ(table.Channel(), 0);
  EXPECT_FALSE(table.MultiChannel());
  EXPECT_EQ(table.Header(0), "");
  EXPECT_EQ(table.ProgressStep(), 1);
  ASSERT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.Cell(2, 0), "3");
  EXPECT_EQ(table.Cell(3, 0), "4");
  EXPECT_EQ(table.Cell(3, 1), kTableBreakText);
  EXPECT_EQ(table.Cell(3, 2), "(4 of 100)");
  EXPECT_TRUE(table.Cancelled());

  Recorder all;
  ASSERT_EQ(table.Fill(*e.out, 1, 0, all), ValuesTable::FillResult::kFilled);
  EXPECT_EQ(table.RowCount(), 100);
  EXPECT_EQ(all.eventRuns, 10);
  EXPECT_EQ(all.advanced, 100);
  EXPECT_FALSE(table.Cancelled());
  const std::string second(table.Cell(1, 1));
  table.KeepRows(2);
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Cell(1, 1), second);
  EXPECT_EQ(table.Cell(2, 0), "");
}

TEST(ValuesTable, NoRecordsGiveOneEmptyRowAndNoSeriesIsReported) {
  sb::StreamSpec spec;
  Engine e(spec);
  ValuesTable table;
  NullProgress none;
  ASSERT_EQ(table.Fill(*e.out, 1, 0, none), ValuesTable::FillResult::kFilled);
  EXPECT_EQ(table.RowCount(), 1);
  EXPECT_EQ(table.Cell(0, 0), "");
  EXPECT_GE(table.ColumnCount(), 2);
  EXPECT_EQ(table.Fill(*e.out, 2, 0, none), ValuesTable::FillResult::kNoSeries);
  EXPECT_EQ(table.RowCount(), 1);
}

std::vector<std::string> FileLines(IFileStore& files, const std::string& path) {
  const Bytes bytes = files.ReadWhole(path);
  const std::string text(bytes.begin(), bytes.end());
  std::vector<std::string> lines;
  for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos;
       pos = end + 2) {
    lines.push_back(text.substr(pos, end - pos));
  }
  return lines;
}

TEST(ValuesTableSave, TextFileHasHeaderHeadingsRowsAndBreak) {
  Engine e(TwoChannels());
  ASSERT_TRUE(e.out->WriteSeries(1));
  ValuesTable table;
  NullProgress none;
  ASSERT_EQ(table.Fill(*e.out, 1, 1, none), ValuesTable::FillResult::kFilled);
  DiskFileStore files;
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("valuestable_" + std::to_string(::getpid()) + ".txt"))
                               .string();
  ASSERT_TRUE(SaveValuesTable(*e.out, table, {path, "Tabelle"}, files, none));
  std::vector<std::string> lines = FileLines(files, path);
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0], "\\SOURCE=Tabelle[01]");
  EXPECT_EQ(lines[1], "\\START           : 15.06.2005  10:00:00");
  EXPECT_EQ(lines[2], "\\PARAMS");
  const std::size_t data = lines.size() - 5;
  EXPECT_EQ(lines[data], "\\DATA");
  EXPECT_EQ(lines[data + 1], "\\*\tDATE\tTIME\tMEASURE\t");
  std::vector<std::string> exported;
  std::istringstream in(e.text);
  for (std::string l; std::getline(in, l);) {
    if (l.rfind("B\t", 0) == 0) exported.push_back(l.substr(0, l.size() - 1));
  }
  ASSERT_EQ(exported.size(), 2u);
  EXPECT_EQ(lines[data + 2], exported[0]);
  EXPECT_EQ(lines[data + 3], exported[1]);
  EXPECT_EQ(lines[data + 4], "\\END");
  EXPECT_EQ(e.out->FileName(), "test.sdx");

  Recorder stop(1);  // the cancel is seen after the first row
  EXPECT_FALSE(SaveValuesTable(*e.out, table, {path, "Tabelle"}, files, stop));
  lines = FileLines(files, path);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "\\BREAK (1 of 2)");
  EXPECT_EQ(lines.back(), "\\END");

  // Any case of ".xls" makes a workbook (its first record is BOF 0x0009).
  const std::string book = path.substr(0, path.size() - 4) + ".XLS";
  EXPECT_TRUE(SaveValuesTable(*e.out, table, {book, "Tabelle"}, files, stop));
  const Bytes bytes = files.ReadWhole(book);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0x09);
  EXPECT_EQ(bytes[1], 0x00);
  EXPECT_TRUE(IsSpreadsheetName("a.xlsx"));
  EXPECT_FALSE(IsSpreadsheetName("a.csv"));
  files.Remove(path);
  files.Remove(book);
}

TEST(ValuesTableSave, DataTableAndWorkbookOfTheTable) {
  Engine e(TwoChannels());
  ValuesTable table;
  NullProgress none;
  ASSERT_EQ(table.Fill(*e.out, 1, 1, none), ValuesTable::FillResult::kFilled);
  ASSERT_EQ(table.RowCount(), 2);
  DiskFileStore files;
  const std::string base =
      (std::filesystem::temp_directory_path() / ("valuestable_" + std::to_string(::getpid())))
          .string();
  // The data table: the table's rows with series, channel and ISO time; the
  // value cells are the text export's numbers.
  const std::string csv = base + ".csv";
  ASSERT_TRUE(SaveValuesTable(*e.out, table, {csv, "Tabelle"}, files, none));
  const std::vector<std::string> lines = FileLines(files, csv);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "\xEF\xBB\xBFseries,channel,time,MEASURE");
  int measureColumn = 0;
  for (int c = 1; c < table.ColumnCount(); ++c) {
    if (TrimBlanks(table.Header(c)) == "MEASURE") measureColumn = c;
  }
  ASSERT_GT(measureColumn, 0);
  for (int r = 0; r < 2; ++r) {
    std::string measure(TrimBlanks(table.Cell(r, measureColumn)));
    std::replace(measure.begin(), measure.end(), ',', '.');
    EXPECT_EQ(lines[static_cast<std::size_t>(r) + 1],
              "1,B,2005-06-15T10:0" + std::to_string(r) + ":00," + measure);
  }
  // Cancelled, it is not written at all.
  Recorder stop(1);
  files.Remove(csv);
  EXPECT_FALSE(SaveValuesTable(*e.out, table, {csv, "Tabelle"}, files, stop));
  EXPECT_FALSE(files.Exists(csv));

  const std::string book = base + ".xlsx";
  ASSERT_TRUE(SaveValuesTable(*e.out, table, {book, "Tabelle"}, files, none));
  const Bytes zip = files.ReadWhole(book);
  ASSERT_GT(zip.size(), 2u);
  EXPECT_EQ(zip[0], 'P');
  files.Remove(book);
}

}  // namespace
}  // namespace gd
