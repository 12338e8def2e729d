// The save job behind the save progress dialog `TDLG_Save2TxtFile`: writes
// the chosen series of the open file to a text file, a spreadsheet file
// (".xls"), a workbook (".xlsx"), a data table (".csv") or a subset
// measurement file (".sdx"), chosen by the target's extension.
//
// Text and ".xls" output are built whole in memory by the open file's
// conversion object and written in one piece at the end, also after a cancel
// (the series converted so far, the last ending with "\BREAK"). A workbook
// and a data table stream into a temporary file beside the target, so memory
// does not grow with the series, and take the target's place when complete;
// the workbook also after a cancel (ending with "\BREAK" like the others),
// the data table, which has no place for such a mark, only when whole. The
// job never writes onto the open file, whatever the spelling of the target's
// name.
//
// The job holds what the dialog shows (caption, the lines "noch offen" and
// "gespeichert", the current series and "X von Y"); the dialog refreshes them
// whenever the job lets events run through its IProgress.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/Bytes.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "core/Progress.h"
#include "core/ReihenMemoStrings.h"
#include "core/UserData.h"
#include "export/CsvExport.h"
#include "export/SaveSubset.h"
#include "export/SaveTarget.h"

namespace gd {

class TVXASCIIOUT;

// Everything the job reads; nothing of it is owned.
struct SaveRequest {
  TVXASCIIOUT* converter = nullptr;  // the open file's conversion object
  ByteView stream;                   // the open file's bytes (for a subset)
  std::string openFileName;          // the file the stream came from
  const CommentSet* comments = nullptr;
  std::vector<int> selection;  // 1-based series numbers in list order
  std::string target;
  CsvOptions csv{};  // the layout of a ".csv" target
};

class SaveSeriesJob {
 public:
  SaveSeriesJob(IFileStore& files, IMessages& messages, IProgress& progress);

  // The clock that stamps changed comments of a subset (local time unless set).
  void SetClock(std::function<CalendarTime()> clock) { clock_ = std::move(clock); }

  // Prepare: takes the request; the caption is "Speichern in <target's file name>".
  void Prepare(SaveRequest request);
  // Run: does the work for the target's kind. True when the file was written
  // whole; false after a cancel (a text or spreadsheet file is then written
  // with what was converted) or when the target is the open file (the error
  // box was shown and nothing written). Conversion and file errors are thrown;
  // nothing is written then. The conversion object keeps none of the job's
  // output, progress or grid references afterwards.
  bool Run();

  // --- What the dialog shows -----------------------------------------------
  const std::string& Caption() const { return caption_; }
  // MEM_NochOffen and MEM_Gespeichert: "Nr%2.2d (%d)" per series (number,
  // records).
  const std::deque<std::string>& Pending() const { return pending_; }
  const std::vector<std::string>& Saved() const { return saved_; }
  // LAB_AktReihe "Reihe %2.2d-->" while a series is converted, else empty.
  const std::string& CurrentSeries() const { return currentSeries_; }
  // LAB_ReiheXvonY "%d/%d".
  const std::string& SeriesOf() const { return seriesOf_; }

  // After Run: what was written (bytes of the file; empty for a workbook and
  // a data table, which go to the disk as they are made) and, for a subset, the
  // series whose records had to be cut at the end of the open stream.
  const Bytes& Written() const { return written_; }
  const std::vector<int>& ShortenedSeries() const { return shortened_; }

 private:
  void CheckSelection() const;
  // Fills "noch offen" and sets the gauge; returns the records in all.
  std::int64_t ListPending();
  // Runs `writeSeries` for each chosen series with what the dialog shows;
  // false when cancelled.
  bool WriteEachSeries(const std::function<bool(int)>& writeSeries);
  bool SaveConverted(SaveKind kind);
  bool SaveDataTable();
  bool SaveSubsetFile();
  CalendarTime Now() const;

  IFileStore& files_;
  IMessages& messages_;
  IProgress& progress_;
  std::function<CalendarTime()> clock_;
  SaveRequest request_;

  std::string caption_;
  std::deque<std::string> pending_;
  std::vector<std::string> saved_;
  std::string currentSeries_;
  std::string seriesOf_;
  Bytes written_;
  std::vector<int> shortened_;
};

}  // namespace gd
