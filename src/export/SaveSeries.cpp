#include "export/SaveSeries.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "convert/OutputSinks.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/FormatText.h"
#include "core/MessageTexts.h"
#include "core/StreamLayout.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "export/CellBook.h"
#include "export/CsvExport.h"
#include "export/XlsWriter.h"

namespace gd {
namespace {

constexpr const char* kCaption = "Speichern in %s";
constexpr const char* kPendingLine = "Nr%2.2d (%d)";
constexpr const char* kCurrentSeries = "Reihe %2.2d-->";
constexpr const char* kSeriesOf = "%d/%d";
constexpr const char* kShortened =
    "Reihe %2.2d ist besch\xE4"
    "digt: nur %d ihrer %d Werte sind vollst\xE4"
    "ndig und wurden gespeichert";
constexpr const char* kBadChannels =
    "Reihe %2.2d ist besch\xE4"
    "digt: Teile ihrer Kanalangaben liegen nicht in der Datei";
constexpr const char* kSheetFull =
    "Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr "
    "in die %d Zeilen eines Tabellenblatts. Weniger Reihen w\xE4hlen oder als Text speichern.";
constexpr const char* kSheetFullTryXlsx =
    "Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr "
    "in die %d Zeilen eines Tabellenblatts. Als .xlsx speichern (ein Blatt fasst dort "
    "1048576 Zeilen), weniger Reihen w\xE4hlen oder als Text speichern.";

// Takes the job's output, progress and grid off the conversion object on
// every way out, so that its next user never writes into a buffer that is gone.
struct ConverterDetach {
  TVXASCIIOUT& converter;
  ~ConverterDetach() {
    converter.SetOutput(nullptr);
    converter.SetSpreadsheet(nullptr);
    converter.SetProgress(nullptr, 0);
    converter.SetGrid(nullptr);
  }
};

// A byte sink over the pending target.
class PendingFileSink final : public IByteSink {
 public:
  explicit PendingFileSink(PendingFile& file) : file_(file) {}
  void Write(std::string_view bytes) override { file_.Write(bytes); }

 private:
  PendingFile& file_;
};

}  // namespace

SaveSeriesJob::SaveSeriesJob(IFileStore& files, IMessages& messages, IProgress& progress)
    : files_(files), messages_(messages), progress_(progress) {}

CalendarTime SaveSeriesJob::Now() const { return clock_ ? clock_() : CurrentCalendarTime(); }

void SaveSeriesJob::Prepare(SaveRequest request) {
  request_ = std::move(request);
  pending_.clear();
  saved_.clear();
  currentSeries_.clear();
  seriesOf_.clear();
  written_.clear();
  shortened_.clear();
  caption_ = FormatText(Translate(kCaption), {FileNameOnly(request_.target)});
}

bool SaveSeriesJob::Run() {
  if (IsSameFile(request_.target, request_.openFileName)) {
    // Whatever kind of file was asked for, the open file stays as it is.
    messages_.Show(MessageKind::Error, SavedToItselfText(request_.target));
    return false;
  }
  // A folder or device as the target fails before any work is done.
  ResolveSaveTarget(request_.target);
  switch (SaveKindOf(request_.target)) {
    case SaveKind::Subset:
      return SaveSubsetFile();
    case SaveKind::Spreadsheet:
    case SaveKind::Workbook:
      return SaveConverted(SaveKindOf(request_.target));
    case SaveKind::DataTable:
      return SaveDataTable();
    case SaveKind::Text:
      break;
  }
  return SaveConverted(SaveKind::Text);
}

void SaveSeriesJob::CheckSelection() const {
  if (!request_.converter || !request_.converter->Usable()) {
    throw EBinFileInvalid(Translate(kBinFileInvalidText));
  }
  const std::vector<TRcaEntry>& directory = request_.converter->Parsed().directory;
  for (const int n : request_.selection) {
    if (n < 1 || static_cast<std::size_t>(n) > directory.size()) {
      throw EGaugData(FormatText(Translate("Messwertreihe %d existiert nicht"), {n}));
    }
  }
}

std::int64_t SaveSeriesJob::ListPending() {
  const std::vector<TRcaEntry>& directory = request_.converter->Parsed().directory;
  std::int64_t total = 0;
  for (const int n : request_.selection) {
    const std::int32_t records = directory[static_cast<std::size_t>(n - 1)].RecordCount();
    pending_.push_back(FormatText(Translate(kPendingLine), {n, records}));
    total += std::max(0, records);
  }
  progress_.SetMaximum(total);
  progress_.Advance(1);
  return total;
}

bool SaveSeriesJob::WriteEachSeries(const std::function<bool(int)>& writeSeries) {
  TVXASCIIOUT& converter = *request_.converter;
  const std::vector<TRcaEntry>& directory = converter.Parsed().directory;
  const int count = static_cast<int>(request_.selection.size());
  bool cancelled = false;
  for (int i = 0; i < count && !cancelled; ++i) {
    const int n = request_.selection[static_cast<std::size_t>(i)];
    const std::string line = pending_.front();
    pending_.pop_front();
    currentSeries_ = FormatText(Translate(kCurrentSeries), {n});
    seriesOf_ = FormatText(Translate(kSeriesOf), {i + 1, count});
    progress_.LetEventsRun();
    cancelled = !writeSeries(n);
    // The rows of a series that leaves the stream end with "** BAD BYTES **";
    // the user is told as well, not only the file.
    TVXAblage& nav = converter.Navigator();
    if (!cancelled && nav.CurrentSeries() == n && nav.SeriesDamaged()) {
      const std::int32_t stated = directory[static_cast<std::size_t>(n - 1)].RecordCount();
      const std::int32_t whole = nav.NextRecordNumber() - 1;
      messages_.Show(MessageKind::Warning,
                     whole < stated ? FormatText(Translate(kShortened), {n, whole, stated})
                                    : FormatText(Translate(kBadChannels), {n}));
    }
    currentSeries_.clear();
    saved_.push_back(line);
    // A cancel between two series' records ends the loop too.
    cancelled = cancelled || progress_.Cancelled();
  }
  return !cancelled;
}

bool SaveSeriesJob::SaveConverted(SaveKind kind) {
  CheckSelection();
  TVXASCIIOUT& converter = *request_.converter;
  const bool spreadsheet = kind != SaveKind::Text;

  std::string text;
  StringByteSink textSink(text);
  std::unique_ptr<ICellBook> book;
  if (spreadsheet) {
    book = OpenCellBook(kind, files_, request_.target, converter.GetLocale(), converter.Style());
  }
  ConverterDetach detach{converter};
  converter.SetOutput(&textSink);
  converter.SetSpreadsheet(book.get());
  converter.SetRow(0);
  converter.SetGrid(nullptr);

  const std::int64_t total = ListPending();
  converter.SetProgress(&progress_, total);

  if (request_.selection.empty()) converter.WriteNoData();
  const std::span<const TReihenMemoStrings> comments =
      request_.comments ? std::span<const TReihenMemoStrings>(request_.comments->rows)
                        : std::span<const TReihenMemoStrings>();
  const bool whole = WriteEachSeries([&](int n) {
    try {
      return converter.WriteSeries(n, comments);
    } catch (const ESpreadsheetError&) {
      // The sheet's rows are used up: the workbook is dropped whole rather
      // than saved without the rows that did not fit.
      if (!book) throw;
      const bool early = kind == SaveKind::Spreadsheet;
      throw ESpreadsheetError(FormatText(Translate(early ? kSheetFullTryXlsx : kSheetFull),
                                         {FileNameOnly(request_.target), n, book->SheetRows()}));
    }
  });

  if (book) {
    book->Save();
    if (const auto* xls = dynamic_cast<const XlsCellBook*>(book.get())) written_ = xls->Written();
  } else {
    written_.assign(text.begin(), text.end());
    WriteInOnePiece(files_, request_.target, written_);
  }
  return whole;
}

bool SaveSeriesJob::SaveDataTable() {
  CheckSelection();
  TVXASCIIOUT& converter = *request_.converter;
  PendingFile file(files_, request_.target);
  PendingFileSink sink(file);
  ConverterDetach detach{converter};
  converter.SetOutput(nullptr);
  converter.SetSpreadsheet(nullptr);
  converter.SetGrid(nullptr);
  converter.SetProgress(nullptr, 0);

  const std::int64_t total = ListPending();
  CsvSeriesWriter table(converter, sink, request_.csv, &progress_, total);
  table.WriteHeader(request_.selection);
  // A data table has no place for a break mark: after a cancel the target
  // stays as it was rather than holding rows that look complete.
  if (!WriteEachSeries([&](int n) { return table.WriteSeries(n); })) return false;
  file.Commit();
  return true;
}

bool SaveSeriesJob::SaveSubsetFile() {
  const ParsedStream* parsed = request_.converter ? &request_.converter->Parsed() : nullptr;
  const SubsetSource source{request_.stream, parsed, request_.comments};
  SubsetFile file;
  const SaveOutcome outcome =
      SaveSubset(source, request_.openFileName, request_.selection, request_.target, files_,
                 messages_, progress_, Now(), &file);
  written_ = std::move(file.bytes);
  shortened_ = std::move(file.shortenedSeries);
  if (outcome != SaveOutcome::Saved) return false;
  // The file holds what the stream has; the user learns which series lost
  // records, rather than finding them shorter later.
  for (const int k : shortened_) {
    const int n = request_.selection[static_cast<std::size_t>(k - 1)];
    const std::size_t entryAt = kStreamPrologSize + static_cast<std::size_t>(k - 1) * kRcaEntrySize;
    const std::int32_t copied = LoadI32(&written_[entryAt + TRcaEntry::kRecordCount]);
    const std::int32_t stated = parsed->directory[static_cast<std::size_t>(n - 1)].RecordCount();
    messages_.Show(MessageKind::Warning, FormatText(Translate(kShortened), {n, copied, stated}));
  }
  return true;
}

}  // namespace gd
