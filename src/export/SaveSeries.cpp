#include "export/SaveSeries.h"

#include <algorithm>
#include <string_view>

#include "convert/OutputSinks.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/FormatText.h"
#include "core/StreamLayout.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "export/XlsCellSink.h"
#include "export/XlsWriter.h"

namespace gd {
namespace {

constexpr const char* kCaption = "Speichern in %s";
constexpr const char* kPendingLine = "Nr%2.2d (%d)";
constexpr const char* kCurrentSeries = "Reihe %2.2d-->";
constexpr const char* kSeriesOf = "%d/%d";
constexpr const char* kNoConverter = "BIN\xC4RDATEI IST UNGUELTIG";
constexpr const char* kShortened =
    "Reihe %2.2d ist beschaedigt: nur %d ihrer %d Werte sind vollstaendig und wurden gespeichert";
constexpr const char* kBadChannels =
    "Reihe %2.2d ist beschaedigt: Teile ihrer Kanalangaben liegen nicht in der Datei";
constexpr const char* kSheetFull =
    "Die Tabellendatei %s wurde nicht geschrieben: ab Reihe %2.2d passen die Werte nicht mehr "
    "in die %d Zeilen eines Tabellenblatts. Weniger Reihen waehlen oder als Text speichern.";

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
      return SaveConverted(true);
    case SaveKind::Text:
      break;
  }
  return SaveConverted(false);
}

bool SaveSeriesJob::SaveConverted(bool spreadsheet) {
  if (!request_.converter || !request_.converter->Usable()) {
    throw EBinFileInvalid(Translate(kNoConverter));
  }
  TVXASCIIOUT& converter = *request_.converter;
  const std::vector<TRcaEntry>& directory = converter.Parsed().directory;
  for (const int n : request_.selection) {
    if (n < 1 || static_cast<std::size_t>(n) > directory.size()) {
      throw EGaugData(FormatText(Translate("Messwertreihe %d existiert nicht"), {n}));
    }
  }

  std::string text;
  Bytes book;
  StringByteSink textSink(text);
  TXlsCellSink cellSink(book, converter.GetLocale());
  ConverterDetach detach{converter};
  converter.SetOutput(&textSink);
  if (spreadsheet) {
    converter.SetSpreadsheet(&cellSink);
    WriteWorkbookStart(book, converter.GetLocale(), CodePageForStyle(converter.Style()));
  } else {
    converter.SetSpreadsheet(nullptr);
  }
  converter.SetRow(0);
  converter.SetGrid(nullptr);

  std::int64_t total = 0;
  for (const int n : request_.selection) {
    const std::int32_t records = directory[static_cast<std::size_t>(n - 1)].RecordCount();
    pending_.push_back(FormatText(Translate(kPendingLine), {n, records}));
    total += std::max(0, records);
  }
  progress_.SetMaximum(total);
  progress_.Advance(1);
  converter.SetProgress(&progress_, total);

  if (request_.selection.empty()) converter.WriteNoData();
  const std::span<const TReihenMemoStrings> comments =
      request_.comments ? std::span<const TReihenMemoStrings>(request_.comments->rows)
                        : std::span<const TReihenMemoStrings>();
  const int count = static_cast<int>(request_.selection.size());
  bool cancelled = false;
  for (int i = 0; i < count && !cancelled; ++i) {
    const int n = request_.selection[static_cast<std::size_t>(i)];
    const std::string line = pending_.front();
    pending_.pop_front();
    currentSeries_ = FormatText(Translate(kCurrentSeries), {n});
    seriesOf_ = FormatText(Translate(kSeriesOf), {i + 1, count});
    progress_.LetEventsRun();
    try {
      cancelled = !converter.WriteSeries(n, comments);
    } catch (const ESpreadsheetError&) {
      // The sheet's rows are used up: the workbook is dropped whole rather
      // than saved without the rows that did not fit.
      if (!spreadsheet) throw;
      throw ESpreadsheetError(
          FormatText(Translate(kSheetFull), {FileNameOnly(request_.target), n, kSheetRows}));
    }
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

  if (spreadsheet) {
    WriteWorkbookEnd(book);
    written_ = std::move(book);
  } else {
    written_.assign(text.begin(), text.end());
  }
  WriteInOnePiece(files_, request_.target, written_);
  return !cancelled;
}

bool SaveSeriesJob::SaveSubsetFile() {
  const TParsedStream* parsed = request_.converter ? &request_.converter->Parsed() : nullptr;
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
