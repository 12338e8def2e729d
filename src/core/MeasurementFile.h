// The open measurement file: the measurement byte stream held whole in memory,
// the user's comments on it, and opening and saving `.sdx` files.
//
// A measurement file is the stream exactly as the meter sent it (only prolog
// bytes 153..159 are the program's), followed, when prolog byte 153 has bit 0
// set, by the user-data block with the comments (UserData.h).
//
// The document parses nothing itself: opening hands the stream to an
// IStreamHandler (the conversion object with its navigator, which lives in the
// layers above) and asks it for the series descriptions. Files are reached
// through an IFileStore, message boxes through IMessages.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Bytes.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/Messages.h"
#include "core/ReihenMemoStrings.h"
#include "core/UserData.h"

namespace gd {

struct TSeriesDescription;

inline constexpr const char* kUntitledFileName = "untitled.sdx";
inline constexpr const char* kBackupExtension = ".~SD";

struct StreamCheck {
  std::uint16_t status = 0;      // the parse's status flags (kStream... in StreamParser.h)
  bool converterCreated = true;  // false when no conversion object came into being
};

// What opening needs from the parse of a stream.
class IStreamHandler {
 public:
  virtual ~IStreamHandler() = default;
  // Frees whatever was built over the previous stream.
  virtual void Discard() = 0;
  // Parses `stream`. The bytes stay in place, unchanged but for prolog bytes
  // 153..159, until the next Discard.
  virtual StreamCheck Parse(ByteView stream) = 0;
  // The description of series n (1-based) of the parsed stream; null when it
  // cannot be built (a damaged series).
  virtual std::shared_ptr<const TSeriesDescription> Describe(int seriesNumber) = 0;
};

class MeasurementFile {
 public:
  MeasurementFile(IFileStore& files, IStreamHandler& handler, IMessages& messages);

  // The clock for the change time of comments (the current local time unless
  // set) and the locale of the file date in the overwrite question.
  void SetClock(std::function<CalendarTime()> clock) { clock_ = std::move(clock); }
  void SetLocale(const Locale& locale) { locale_ = locale; }

  // Nothing open: no stream, no comments, "untitled.sdx", not received.
  void Reset();

  // Loads `path` whole, has it parsed and validated and reads its comments.
  // `received` marks the temporary file of a download. Throws EBinFileInvalid
  // ("VERSION DER BINAERDATEI IST ZU ALT" for a wrong identification, else
  // "BINÄRDATEI IST UNGUELTIG") or the file layer's EGaugData; the document is
  // then left with nothing open under that name. Shows "Keine
  // Messwertreihen enthalten" for a valid stream without series.
  void Open(const std::string& path, bool received);

  // Rewrites the current file with prolog flag, reception stamp and the
  // current comments, keeping the previous file as "<name>.~SD". The new
  // content goes to a temporary file beside it first, so a failure leaves the
  // previous file in place; failures are thrown (also for a file whose size
  // does not match its stream, SizeMismatch). Does nothing when no stream is
  // open.
  // Before a save that would drop comments that could not be read when the
  // file was opened, asks (Yes/No) and returns false unless the answer is
  // Yes; the backup of that original is then kept through later saves.
  // Returns true when the file was saved.
  bool Save();

  // Saves received data under the user's name `target` (which must end in
  // ".sdx", any case); asks before overwriting. Copies the download file,
  // deletes it, takes `target` as the current file and saves into it. Returns
  // false after showing the error box or when the user does not confirm;
  // errors of the final save are thrown. The caller adds the name to the
  // history of opened files after success.
  bool SaveReceivedAs(const std::string& target);

  const std::string& CurrentFileName() const { return currentFileName_; }
  bool Received() const { return received_; }
  bool IsOpen() const { return open_; }
  int SeriesCount() const { return seriesCount_; }
  // The measurement stream proper, without the user-data block behind it, as
  // loaded (and as the last save left its prolog); empty when nothing is open.
  ByteView Stream() const { return ByteView(stream_).first(streamSize_); }
  std::size_t StreamSize() const { return streamSize_; }
  // The file's length does not match the prolog's STREAM-SIZE: shorter (its
  // last series are damaged) or, without comments, longer. Such a file opens
  // with everything it holds, but Save refuses it.
  bool SizeMismatch() const { return sizeMismatch_; }

  CommentSet& Comments() { return comments_; }
  const CommentSet& Comments() const { return comments_; }
  // The comment object of series n (1-based).
  TReihenMemoStrings& Row(int seriesNumber);
  // The result of reading the user-data block when the file was opened.
  const UserDataReadResult& UserDataRead() const { return userDataRead_; }

 private:
  void DropStream();
  // Whether a series of the parsed stream leaves it (or cannot be described).
  bool AnySeriesDamaged();
  CalendarTime Now() const;

  IFileStore& files_;
  IStreamHandler& handler_;
  IMessages& messages_;
  std::function<CalendarTime()> clock_;
  Locale locale_;

  std::string currentFileName_ = kUntitledFileName;
  bool received_ = false;
  bool open_ = false;
  int seriesCount_ = 0;
  Bytes stream_;
  std::size_t streamSize_ = 0;
  bool sizeMismatch_ = false;
  bool unreadConfirmed_ = false;  // the user agreed to lose unreadable comments
  bool originalKept_ = false;     // the backup holds the original with them
  CommentSet comments_;
  UserDataReadResult userDataRead_;
};

}  // namespace gd
