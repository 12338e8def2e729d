#include "fuzz/ConversionExercise.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ParameterSetCommand.h"
#include "app/SeriesList.h"
#include "convert/StreamInfo.h"
#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/MeasurementFile.h"
#include "core/ParsedStreamHandler.h"
#include "core/StreamParser.h"
#include "core/UserData.h"
#include "core/VXAblage.h"
#include "export/SaveSubset.h"

namespace gd::fuzz {
namespace {

constexpr const char* kFileName = "fuzz.sdx";
constexpr const char* kSubsetName = "subset.sdx";
constexpr const char* kComment = "fuzz\r\ncomment";
const CalendarTime kNow{2026, 3, 2, 14, 5, 9};

// The text runs every series is written in: the default style, parameter
// sets side by side, everything off at the narrowest numbers, and every
// option on (blocks per channel, sets one after another, all data, DOS
// characters, trimmed and quoted lines) at the widest, each with its own
// label language and locale.
struct TextRun {
  std::uint32_t style;
  int colLength;
  char separator;
  int language;  // label language index
  bool english;  // English locale, else German
};
constexpr TextRun kTextRuns[] = {
    {kDefaultTextStyle, 9, ';', 0, false},
    {kDefaultTextStyle | kStyleParamsSideBySide, 9, ';', 1, true},
    {0, 7, '|', 5, false},
    {0x003FFFFF, 16, '\t', 8, true},
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "conversion exercise: %s\n", what.c_str());
  std::abort();
}

// A disk in memory that never fails.
class MemoryFiles final : public IFileStore {
 public:
  Bytes ReadWhole(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) throw EGaugData("no file " + path);
    return it->second;
  }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  bool Remove(const std::string& path) override {
    files.erase(path);
    return true;
  }
  bool Rename(const std::string& from, const std::string& to) override {
    const auto it = files.find(from);
    if (it == files.end()) return false;
    Bytes content = std::move(it->second);
    files.erase(it);
    files[to] = std::move(content);
    return true;
  }
  std::string CreateTemporary(const std::string& besidePath) override {
    const std::string path = besidePath + ".~tmp" + std::to_string(++temporaries_);
    files[path];
    return path;
  }
  void WriteWhole(const std::string& path, ByteView data) override {
    files[path].assign(data.begin(), data.end());
  }
  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& path) override {
    if (!files.count(path)) return std::nullopt;
    return std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 365 * 40);
  }

  std::map<std::string, Bytes> files;

 private:
  int temporaries_ = 0;
};

class QuietMessages final : public IMessages {
 public:
  void Show(MessageKind, const std::string&) override {}
  Answer Ask(MessageKind, const std::string&) override { return Answer::No; }
};

// Progress that cancels a run once it has seen the record budget.
class RecordBudget final : public IProgress {
 public:
  void SetMaximum(std::int64_t) override {}
  void Advance(std::int64_t steps) override { used_ += steps; }
  void LetEventsRun() override {}
  bool Cancelled() const override { return used_ >= kConversionRecordBudget; }
  void Reset() { used_ = 0; }

 private:
  std::int64_t used_ = 0;
};

// Cells and rows as the spreadsheet writer and the table view receive them.
class CellRecorder final : public ISpreadsheetSink, public IGridSink {
 public:
  void Label(int column, int row, std::string_view) override { Cell(column, row); }
  void Number(int column, int row, double) override { Cell(column, row); }
  void Date(int column, int row, double) override { Cell(column, row); }
  void Time(int column, int row, double) override { Cell(column, row); }
  int AddRow() override { return static_cast<int>(rows++); }
  void SetCell(int column, int row, std::string_view text) override {
    if (row < 0 || row >= rows) Fail("grid cell outside the rows added");
    if (column < 0 || column > kOutColumnCount) Fail("grid cell outside the columns");
    if (text.size() > kValueTextCapacity) Fail("grid cell longer than a value text");
  }

  long cells = 0;
  long rows = 0;

 private:
  void Cell(int column, int row) {
    if (column < 0 || column > kOutColumnCount || row < 0)
      Fail("spreadsheet cell outside the sheet");
    ++cells;
  }
};

// Comment blocks anywhere in the bytes, read as the user-data block of a
// file of a few series.
void ReadUserDataBlocks(ByteView bytes) {
  static constexpr std::uint8_t kTag[] = {9, 'U', 'S', 'E', 'R', 'S', 'D', 'A', 'T', 'A'};
  int blocks = 0;
  for (auto it = std::search(bytes.begin(), bytes.end(), std::begin(kTag), std::end(kTag));
       it != bytes.end() && blocks < 4;
       it = std::search(it + 1, bytes.end(), std::begin(kTag), std::end(kTag)), ++blocks) {
    CommentSet comments;
    for (int n = 1; n <= 3; ++n) comments.rows.emplace_back(n);
    ByteReader in(bytes, static_cast<std::size_t>(it - bytes.begin()));
    const UserDataReadResult r = ReadUserData(in, comments);
    if (r.found !=
        (in.Size() - static_cast<std::size_t>(it - bytes.begin()) >= kUserDataHeadSize)) {
      Fail("user-data head found other than at a whole tagged head");
    }
    if (r.dropped > r.seriesBlocks || comments.rows.size() != 3) Fail("user-data counts");
  }
}

// The series list in every time mode and the details of every series.
void ListAndDetails(const std::vector<TReihenMemoStrings>& rows) {
  SeriesListModel model;
  model.SetLocale(Locale::German());
  model.Build(rows);
  const std::string& letters = model.Letters();
  const auto byCode = [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  };
  if (!std::is_sorted(letters.begin(), letters.end(), byCode) ||
      std::adjacent_find(letters.begin(), letters.end()) != letters.end()) {
    Fail("series list letters not sorted and distinct");
  }
  if (model.Columns().size() != 2 + 3 * letters.size()) Fail("series list columns");
  const int shown = std::min(model.RowCount(), kConversionSeriesBudget);
  for (int mode = kTimeColumnStart; mode <= kTimeColumnDuration + 1; ++mode) {
    model.SetTimeMode(mode);
    model.CaptionLine();
    for (int row = 0; row < shown; ++row) {
      if (model.Cells(row).size() != model.Columns().size()) Fail("series list row width");
      model.RowLine(row);
    }
  }
  for (int n = 1; n <= shown; ++n) {
    if (SeriesDetailsLines(n, rows[static_cast<std::size_t>(n - 1)].Description(), Locale::German())
            .empty()) {
      Fail("series details without a line");
    }
  }
}

// Opens the bytes as a measurement file; once open, lists them, saves a
// comment and opens the saved file again. `comments` receives the comments.
void OpenAsFile(ByteView bytes, ConversionResult& result, CommentSet& comments) {
  MemoryFiles files;
  files.files[kFileName].assign(bytes.begin(), bytes.end());
  ParsedStreamHandler handler;
  QuietMessages messages;
  MeasurementFile document(files, handler, messages);
  document.SetClock([] { return kNow; });
  try {
    document.Open(kFileName, false);
  } catch (const EBinFileInvalid&) {
    if (document.IsOpen() || document.SeriesCount() != 0) Fail("failed open left a file open");
    return;
  }
  result.fileOpened = true;
  result.userDataFound = document.UserDataRead().found;
  const int count = document.SeriesCount();
  if (document.Comments().rows.size() != static_cast<std::size_t>(count)) {
    Fail("comment rows differ from the series count");
  }
  ListAndDetails(document.Comments().rows);

  // Saving the comments must give a file that opens again with them; a file
  // whose size does not match its stream refuses the save and stays as it is.
  if (count > 0) document.Row(1).TakeFromMemo(MemoField{kComment, true});
  if (document.SizeMismatch()) {
    const Bytes before = files.files[kFileName];
    try {
      document.Save();
      Fail("a file whose size does not match its stream was saved");
    } catch (const EGaugData&) {
    }
    if (files.files[kFileName] != before) Fail("a refused save changed the file");
    comments = document.Comments();
    return;
  }
  // Comments that could not be read are dropped only when the user agrees;
  // these messages never do, and nothing is written then.
  if (!document.Save()) {
    if (!document.UserDataRead().incomplete) Fail("a save was refused without a reason");
    comments = document.Comments();
    return;
  }
  try {
    document.Open(kFileName, false);
  } catch (const EGaugData& e) {
    Fail(std::string("saved file does not open again: ") + e.what());
  }
  if (document.SeriesCount() != count) Fail("saved file has another series count");
  if (!document.UserDataRead().found) Fail("saved file without its user data");
  if (count > 0 && document.Row(1).Text() != kComment) Fail("saved comment lost");
  comments = document.Comments();
}

// The subset file must open as a measurement file with the chosen series,
// each with the whole records it had.
void CheckSubset(const SubsetFile& file, const std::vector<int>& selection,
                 const std::vector<std::int32_t>& wholeRecords, ConversionResult& result) {
  const ByteView bytes(file.bytes);
  const ParsedStream parsed = ParseStream(bytes);
  if (!parsed.Usable())
    Fail("subset file does not parse as usable, status " + std::to_string(parsed.status));
  TVXAblage nav(bytes, parsed);
  result.subsetSeries = nav.SeriesCount();
  if (nav.SeriesCount() != static_cast<int>(selection.size())) Fail("subset series count");
  auto d = std::make_unique<TSeriesDescription>();
  for (int i = 1; i <= nav.SeriesCount(); ++i) {
    nav.GetSeriesDescription(i, *d);
    // A series whose records run past the stream proper keeps the whole
    // records inside it, and the file says so.
    const bool shortened = std::count(file.shortenedSeries.begin(), file.shortenedSeries.end(), i);
    const std::int32_t source = wholeRecords[static_cast<std::size_t>(i - 1)];
    if (d->damaged) Fail("subset series " + std::to_string(i) + " damaged");
    if (shortened ? d->wholeRecords > source : d->wholeRecords != source) {
      Fail("subset series " + std::to_string(i) + " has " + std::to_string(d->wholeRecords) +
           " records, its source " + std::to_string(source));
    }
  }

  MemoryFiles files;
  files.files[kSubsetName] = file.bytes;
  ParsedStreamHandler handler;
  QuietMessages messages;
  MeasurementFile document(files, handler, messages);
  try {
    document.Open(kSubsetName, false);
  } catch (const EGaugData& e) {
    Fail(std::string("subset file does not open: ") + e.what());
  }
  if (document.SeriesCount() != static_cast<int>(selection.size())) Fail("subset file series");
  const UserDataReadResult& read = document.UserDataRead();
  if (!read.found || read.incomplete || read.seriesBlocks != file.commentBlocks) {
    Fail("subset user data");
  }
}

// Every series through the conversion engine in the forms users run.
void Convert(ByteView bytes, const CommentSet& comments, ConversionResult& result) {
  std::string text;
  StringByteSink sink(text);
  std::uint16_t status = 0;
  TVXASCIIOUT engine(kFileName, {}, &status, "", kDefaultTextStyle, nullptr, &sink, bytes);
  if (!engine.Usable()) return;
  result.usable = true;
  engine.SetLocale(Locale::German());
  TVXAblage& nav = engine.Navigator();
  const int count = nav.SeriesCount();
  result.series = count;
  const int series = std::min(count, kConversionSeriesBudget);
  const std::span<const TReihenMemoStrings> commentRows(comments.rows);
  RecordBudget budget;
  engine.SetProgress(&budget, 100);  // a cancel check at every record

  // Text in every style; the spreadsheet form in the default one.
  auto writeAll = [&] {
    budget.Reset();
    if (count == 0 || count <= 2) {
      if (!engine.WriteSeries(0, commentRows) && !budget.Cancelled()) Fail("run stopped by itself");
      budget.Reset();
    }
    for (int n = 1; n <= series; ++n) {
      if (engine.WriteSeries(n, commentRows)) continue;
      if (!budget.Cancelled()) Fail("series run stopped without a cancel");
      result.budgetSpent = true;
      break;
    }
  };
  for (const TextRun& run : kTextRuns) {
    engine.SetStyle(run.style);
    engine.SetColLength(run.colLength);
    engine.SetSeparatorChar(run.separator);
    engine.SetLanguage(TLabelTable::Language(run.language).code);
    engine.SetLocale(run.english ? Locale::English() : Locale::German());
    text.clear();
    writeAll();
    result.textBytes += static_cast<long>(text.size());
  }
  engine.SetColLength(9);
  engine.SetLanguage(TLabelTable::Language(0).code);
  engine.SetLocale(Locale::German());
  CellRecorder sheet;
  engine.SetStyle(kDefaultTextStyle);
  engine.SetSpreadsheet(&sheet);
  engine.SetRow(0);
  writeAll();
  engine.SetSpreadsheet(nullptr);
  result.cells = sheet.cells;

  // The table view: one channel at a time into the grid.
  std::vector<std::unique_ptr<TSeriesDescription>> descriptions;
  std::vector<std::int32_t> wholeRecords;
  CellRecorder grid;
  engine.SetOutput(nullptr);
  engine.SetGrid(&grid);
  engine.SetStyle(kDefaultTextStyle | kStyleHeadlines);
  budget.Reset();  // one budget for all channels of all series
  for (int n = 1; n <= series; ++n) {
    auto d = std::make_unique<TSeriesDescription>();
    nav.GetSeriesDescription(n, *d);
    wholeRecords.push_back(d->wholeRecords);
    const int channels = std::max(1, std::min<int>(d->channelCount, kMaxChannels));
    for (int k = 1; k <= channels && !budget.Cancelled(); ++k) {
      nav.SelectSeries(n);
      engine.StartChannelClocks(d->entry, *d);
      engine.ConvertRecords(k, true);
      result.budgetSpent = result.budgetSpent || engine.Cancelled();
    }
    descriptions.push_back(std::move(d));
  }
  engine.SetGrid(nullptr);
  engine.SetOutput(&sink);
  result.gridRows = grid.rows;

  // The parameter-set window, one set after another and side by side.
  for (const std::uint32_t style :
       {kDefaultTextStyle, kDefaultTextStyle | kStyleParamsSideBySide}) {
    for (int n = 1; n <= series; ++n) {
      ParameterSetRequest request;
      request.streamOpen = true;
      request.seriesCount = count;
      request.directoryCount = static_cast<int>(engine.Parsed().directory.size());
      request.selected = n;
      request.describe = [&](int k) -> const TSeriesDescription* {
        if (k < 1 || k > static_cast<int>(descriptions.size())) return nullptr;
        return descriptions[static_cast<std::size_t>(k - 1)].get();
      };
      request.textStyle = style;
      request.windowName = kFileName;
      const ParameterSetWindow window =
          BuildParameterSetWindow(request, ParameterSetWindowWriter(engine));
      result.parameterLines += static_cast<long>(window.lines.size());
    }
  }

  result.listingLines = static_cast<long>(StreamInfoLines(engine.Parsed(), nav).size());

  // A subset of the listed series, built in memory.
  std::vector<int> selection;
  for (int n = 1; n <= series; ++n) selection.push_back(n);
  const SubsetSource source{bytes, &engine.Parsed(), comments.rows.empty() ? nullptr : &comments};
  NullProgress quiet;
  std::optional<SubsetFile> subset;
  try {
    subset = BuildSubset(source, selection, kNow, quiet);
  } catch (const EGaugData&) {
    result.subsetRefused = true;
    return;
  }
  if (!subset) Fail("subset cancelled without a cancel");
  CheckSubset(*subset, selection, wholeRecords, result);
}

}  // namespace

ConversionResult ExerciseConversion(const std::uint8_t* data, std::size_t size) {
  ConversionResult result;
  const ByteView bytes(data, size);
  try {
    ReadUserDataBlocks(bytes);
    CommentSet comments;
    OpenAsFile(bytes, result, comments);
    Convert(bytes, comments, result);
  } catch (const std::exception& e) {
    Fail(std::string("exception escaped: ") + e.what());
  }
  return result;
}

}  // namespace gd::fuzz
