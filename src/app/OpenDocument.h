// The open document: what a window or the command-line tool has open — the
// measurement file with its comments and received flag, the conversion object
// over its stream, and the series list built from it — with the rules of
// opening, resetting and saving in one place. The main window binds its
// widgets to one of these, the command-line tool opens its file through one,
// and the receive path opens a downloaded file through one as received data.
//
// Files are reached through an IFileStore, message boxes through IMessages;
// the document shows no window and prints nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/SeriesList.h"
#include "convert/TextStyle.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/MeasurementFile.h"
#include "core/Messages.h"
#include "core/ParsedStreamHandler.h"

namespace gd {

class TVXASCIIOUT;

class OpenDocument {
 public:
  OpenDocument(IFileStore& files, IMessages& messages);
  ~OpenDocument();
  OpenDocument(const OpenDocument&) = delete;
  OpenDocument& operator=(const OpenDocument&) = delete;

  // The locale of the list's dates and times, of the conversion object's
  // numbers and of the file date in the overwrite question.
  void SetLocale(const Locale& locale);
  const Locale& GetLocale() const { return locale_; }
  // The text-output options; the conversion object takes them at once, and
  // the label language and style bits they hold when it is created.
  void SetTextOptions(const TextOutputOptions& options);
  const TextOutputOptions& TextOptions() const { return textOptions_; }
  // The clock for the change time of comments (the local time unless set).
  void SetClock(std::function<CalendarTime()> clock);

  // Nothing open: no stream, no conversion object, an empty list,
  // "untitled.sdx", not received.
  void Reset();

  // Opens `path`: loads and validates it with its comments, creates the
  // conversion object over its stream and lists its series. `received` marks
  // the temporary file of a download, which the document then calls
  // "(empfangene Daten)". Throws EBinFileInvalid ("VERSION DER BINAERDATEI
  // IST ZU ALT" or "BINÄRDATEI IST UNGUELTIG") or the file layer's EGaugData,
  // leaving nothing open.
  void Open(const std::string& path, bool received = false);

  // A file is open and converts: the commands on series may run.
  bool IsOpen() const { return converter_ != nullptr; }
  bool Received() const { return file_.Received(); }
  int SeriesCount() const { return file_.SeriesCount(); }
  const std::string& CurrentFileName() const { return file_.CurrentFileName(); }
  // The file's name as captions show it: the path, or "(empfangene Daten)".
  std::string DisplayName() const;
  // The name of windows over the file: "(empfangene Daten)" for received
  // data, else the file name without its folder.
  std::string WindowName() const;

  // Throws the messages the series commands give when series n (1-based)
  // does not exist: "Keine Messwertreihen verfuegbar" when the file holds no
  // series, "Nur %d Reihen enthalten" past the last one.
  void CheckSeriesNumber(int seriesNumber) const;

  MeasurementFile& File() { return file_; }
  const MeasurementFile& File() const { return file_; }
  CommentSet& Comments() { return file_.Comments(); }
  const CommentSet& Comments() const { return file_.Comments(); }
  // The conversion object; null while nothing is open.
  TVXASCIIOUT* Converter() { return converter_.get(); }
  const TVXASCIIOUT* Converter() const { return converter_.get(); }
  SeriesListModel& List() { return list_; }
  const SeriesListModel& List() const { return list_; }
  // The parse of the open stream (table section, directory) and its
  // navigator; the navigator is null while nothing is open.
  const ParsedStream& Parsed() const { return handler_.Parsed(); }
  TVXAblage* Navigator() { return handler_.Navigator(); }

  // Rewrites the open file with its comments (MeasurementFile::Save).
  // False when the user declined to lose unreadable comments (MeasurementFile::Save).
  bool Save();
  // Saves received data under `target` (MeasurementFile::SaveReceivedAs);
  // afterwards the document is no longer received data and is called by the
  // new name.
  bool SaveReceivedAs(const std::string& target);

 private:
  void CreateConverter();
  void FollowStream(ByteView before);

  ParsedStreamHandler handler_;
  MeasurementFile file_;
  std::unique_ptr<TVXASCIIOUT> converter_;
  SeriesListModel list_;
  TextOutputOptions textOptions_;
  Locale locale_ = Locale::German();
};

}  // namespace gd
