#include "core/MeasurementFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/PathText.h"
#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"

namespace gd {
namespace {

constexpr std::size_t kMeasuringSetsAt = 66;
constexpr std::size_t kStreamSizeAt = 96;
constexpr std::size_t kUserDataFlagAt = 153;

constexpr const char* kBadName = "Ungueltiger Dateiname (*.SDX)";
constexpr const char* kOverwrite =
    "Das Binaerfile%S%s%S(vom %s) existiert bereits !%SDatei ueberschreiben ?";
constexpr const char* kNotWritten = "Die Binaerdatei%S%s%Skonnte nicht geschrieben werden ";
constexpr const char* kUnreadComments =
    "Ein Teil der Bemerkungen in der Datei %s ist besch\xE4"
    "digt und konnte nicht gelesen "
    "werden. Beim Speichern geht er verloren. Die Datei wird vorher als %s gesichert und "
    "diese Sicherung bleibt erhalten.%STrotzdem speichern?";
constexpr const char* kSizeMismatch =
    "Die Gr\xF6\xDF"
    "e der Datei %s passt nicht zu ihrem Inhalt (unvollst\xE4ndig oder "
    "besch\xE4"
    "digt): Bemerkungen k\xF6nnen nicht in ihr gespeichert werden. Die "
    "Messwertreihen lassen sich weiterhin als Text oder als neue Messwertdatei speichern.";

// "date time" in the locale's short date and long time formats.
std::string FileDateText(double dateTime, const Locale& locale) {
  const auto date = ShortDateText(DateTimeToRecord(dateTime), locale);
  const auto time = LongTimeText(DateTimeToSeconds(dateTime), locale);
  return date.value_or("???") + " " + time.value_or("???");
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

MeasurementFile::MeasurementFile(IFileStore& files, IStreamHandler& handler, IMessages& messages)
    : files_(files), handler_(handler), messages_(messages) {}

CalendarTime MeasurementFile::Now() const { return clock_ ? clock_() : CurrentCalendarTime(); }

void MeasurementFile::DropStream() {
  handler_.Discard();
  stream_.clear();
  stream_.shrink_to_fit();
  streamSize_ = 0;
  open_ = false;
  sizeMismatch_ = false;
  unreadConfirmed_ = false;
  originalKept_ = false;
  seriesCount_ = 0;
  // The comments belong to the stream: a new file or download must never
  // inherit the file comment of the previous one.
  comments_.Clear();
  userDataRead_ = UserDataReadResult{};
}

void MeasurementFile::Reset() {
  DropStream();
  currentFileName_ = kUntitledFileName;
  received_ = false;
}

TReihenMemoStrings& MeasurementFile::Row(int seriesNumber) {
  if (seriesNumber < 1 || static_cast<std::size_t>(seriesNumber) > comments_.rows.size()) {
    throw std::out_of_range("series number outside the list");
  }
  return comments_.rows[static_cast<std::size_t>(seriesNumber) - 1];
}

void MeasurementFile::Open(const std::string& path, bool received) {
  DropStream();
  currentFileName_ = path;
  received_ = received;

  stream_ = files_.ReadWhole(path);
  // The measurement stream proper is the part the prolog's STREAM-SIZE gives;
  // the user-data block follows it. Everything that reads series sees only
  // that part, so no record can be read out of the comments behind it.
  // A file shorter than STREAM-SIZE (a truncated copy, an interrupted
  // transfer) is read as far as it goes: the series that run off its end are
  // damaged, the others intact. A size that leaves no room for the prolog
  // leaves the whole file to the parse, only to tell a wrong identification
  // from an invalid stream.
  std::size_t properSize = 0;
  std::size_t stated = 0;
  const bool userData = stream_.size() > kUserDataFlagAt && (stream_[kUserDataFlagAt] & 1) != 0;
  if (stream_.size() >= kPrologSize) {
    const std::int32_t size = LoadI32(&stream_[kStreamSizeAt]);
    if (size >= static_cast<std::int32_t>(kPrologSize)) {
      stated = static_cast<std::size_t>(size);
      properSize = std::min(stated, stream_.size());
    }
  }
  const ByteView whole(stream_);
  StreamCheck check = handler_.Parse(properSize != 0 ? whole.first(properSize) : whole);
  bool usable = properSize != 0 && StreamUsable(check.status) && check.converterCreated;
  // Without comments, bytes behind a STREAM-SIZE that is too small can only
  // be records: a series that would be cut off there gets them back.
  if (usable && !userData && properSize < stream_.size() && AnySeriesDamaged()) {
    handler_.Discard();
    properSize = stream_.size();
    check = handler_.Parse(whole);
    usable = StreamUsable(check.status) && check.converterCreated;
  }
  if (usable) {
    streamSize_ = properSize;
    // The size no longer describes the content: saving comments is refused.
    sizeMismatch_ = properSize != stated;
  }
  if (!usable) {
    // An empty file cannot carry the identification either.
    const bool tooOld = (check.status & kStreamBadIdentification) != 0 || stream_.empty();
    DropStream();
    throw EBinFileInvalid(Translate(tooOld ? kBinFileTooOldText : kBinFileInvalidText));
  }

  open_ = true;
  seriesCount_ = LoadU16(&stream_[kMeasuringSetsAt]);
  comments_.rows.reserve(static_cast<std::size_t>(seriesCount_));
  for (int n = 1; n <= seriesCount_; ++n) comments_.rows.emplace_back(n, handler_.Describe(n));

  if ((stream_[kUserDataFlagAt] & 1) != 0) {
    ByteReader in(stream_, streamSize_);
    userDataRead_ = ReadUserData(in, comments_);
  }
  if (seriesCount_ == 0)
    messages_.Show(MessageKind::Information, Translate(kNoSeriesContainedText));
}

bool MeasurementFile::AnySeriesDamaged() {
  if (stream_.size() < kPrologSize) return false;
  const int count = LoadU16(&stream_[kMeasuringSetsAt]);
  for (int n = 1; n <= count; ++n) {
    const auto description = handler_.Describe(n);
    if (!description || description->damaged) return true;
  }
  return false;
}

bool MeasurementFile::Save() {
  if (!open_) return false;
  const std::string& current = currentFileName_;
  // The stream would be written with a size that claims bytes it does not
  // have (or leaves records outside it): refused before anything is touched.
  if (sizeMismatch_)
    throw EGaugData(FormatMessageText(Translate(kSizeMismatch), {PathText(current)}));

  // Comments that could not be read are lost with this save: the user says
  // whether to go on, and the backup of the original keeps them.
  const std::string backup = ChangeFileExt(current, kBackupExtension);
  if (userDataRead_.incomplete && !unreadConfirmed_) {
    const std::string question =
        FormatMessageText(Translate(kUnreadComments), {PathText(current), PathText(backup)});
    if (messages_.Ask(MessageKind::Warning, question) != Answer::Yes) return false;
    unreadConfirmed_ = true;
  }

  // Everything is prepared on copies; the document changes only once the new
  // file stands under the current name.
  CommentSet comments = comments_;
  const std::string temp = files_.CreateTemporary(current);
  Bytes file;
  try {
    file.assign(stream_.begin(), stream_.begin() + static_cast<std::ptrdiff_t>(streamSize_));
    file[kUserDataFlagAt] = 1;
    const std::span<std::uint8_t> prolog(file.data(), kPrologSize);
    if (!ReceptionSet(prolog)) {
      // The time the new file was created, as the file system keeps it.
      const auto created = files_.ModificationTime(temp);
      StampReception(prolog, LocalDateTime(created.value_or(std::chrono::system_clock::now())));
    }
    WriteUserData(file, comments, Now());
    files_.WriteWhole(temp, file);
  } catch (...) {
    files_.Remove(temp);
    throw;
  }

  // The previous file becomes the backup; a failing rename leaves no backup
  // but does not stop the save. Once the backup holds an original whose
  // comments could not all be read, later saves leave it alone.
  if (!originalKept_) {
    if (files_.Exists(backup)) files_.Remove(backup);
    files_.Rename(current, backup);
  }
  if (!files_.Rename(temp, current)) {
    if (!files_.Exists(current)) files_.Rename(backup, current);
    files_.Remove(temp);
    throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {PathText(current)}));
  }

  if (userDataRead_.incomplete && files_.Exists(backup)) originalKept_ = true;
  std::memcpy(stream_.data(), file.data(), kPrologSize);
  comments_ = std::move(comments);
  // The file comment is saved now; the close query must not ask about it again.
  comments_.fileCommentField.modified = false;
  return true;
}

bool MeasurementFile::SaveReceivedAs(const std::string& target) {
  if (stream_.empty()) return false;
  if (!EqualNoCase(ChangeFileExt(target, ".SDX"), target)) {
    messages_.Show(MessageKind::Error, Translate(kBadName));
    return false;
  }
  if (files_.Exists(target)) {
    const auto age = files_.ModificationTime(target);
    const std::string date = age ? FileDateText(LocalDateTime(*age), locale_) : std::string("???");
    const std::string question = FormatMessageText(Translate(kOverwrite), {PathText(target), date});
    if (messages_.Ask(MessageKind::Warning, question) != Answer::Yes) return false;
  }

  // Copy the download file through a temporary file beside the target, so a
  // failed copy never leaves a partial file under the target's name.
  std::string temp;
  try {
    const Bytes download = files_.ReadWhole(currentFileName_);
    temp = files_.CreateTemporary(target);
    files_.WriteWhole(temp, download);
    if (!files_.Rename(temp, target)) throw EGaugData(target);
  } catch (const EGaugData&) {
    if (!temp.empty()) files_.Remove(temp);
    messages_.Show(MessageKind::Error,
                   FormatMessageText(Translate(kNotWritten), {PathText(target)}));
    return false;
  }

  files_.Remove(currentFileName_);
  currentFileName_ = target;
  received_ = false;
  Save();
  return true;
}

}  // namespace gd
