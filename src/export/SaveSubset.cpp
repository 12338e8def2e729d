#include "export/SaveSubset.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/PathText.h"
#include "core/StreamLayout.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "export/SaveTarget.h"

namespace gd {
namespace {

constexpr const char* kToItself =
    "Current file\r\n%s\r\n can not saved to itself.\r\nChoose another filename !";
constexpr const char* kNoSuchSeries = "Messwertreihe %s existiert nicht";
constexpr const char* kTooManySeries = "Zu viele Messwertreihen ausgew\xE4hlt";
constexpr const char* kTooLarge = "Die Messwertreihen passen nicht in eine Messwertdatei";

// Places in the new file that hold a far address, with the file position
// each must lead to.
struct AddressSlot {
  std::size_t at;
  std::size_t target;
};

void Append(Bytes& out, ByteView bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

// The stream proper: up to STREAM-SIZE when that is plausible and comments
// follow, so that a damaged series is never read on into the comments behind
// it. Without comments every byte behind STREAM-SIZE may be a record.
ByteView StreamPart(ByteView file, const ParsedStream& parsed) {
  const std::int32_t size = parsed.prolog.StreamSize();
  if (parsed.prolog.HasUserData() && size >= static_cast<std::int32_t>(parsed.dataStart) &&
      static_cast<std::size_t>(size) <= file.size()) {
    return file.first(static_cast<std::size_t>(size));
  }
  return file;
}

// Appends series `n`'s block and records; returns the number of records copied
// and whether the directory's count could not be met.
struct CopiedSeries {
  std::int32_t records = 0;
  bool shortened = false;
};

CopiedSeries CopySeries(ByteView stream, const ParsedStream& parsed, TVXAblage& nav, int n,
                        Bytes& out, std::vector<AddressSlot>& slots, std::size_t entryAt) {
  nav.SelectSeries(n);
  const TRcaEntry& entry = parsed.directory[static_cast<std::size_t>(n - 1)];

  // Block: the channels the navigator could read (at most eight), the heads
  // as stored (not the navigator's copies, which older firmware gets default
  // input assignments in) and the parameter sets it loaded.
  const std::size_t blockAt = out.size();
  slots.push_back({entryAt + TRcaEntry::kBlockAddress, blockAt});
  const int channels = nav.ChannelCount();
  out.push_back(static_cast<std::uint8_t>(channels));
  // With channels the block lies inside the stream.
  const std::size_t headsFrom =
      channels > 0 ? static_cast<std::size_t>(nav.StreamPos(entry.BlockAddress())) + 1 : 0;
  const std::size_t setsAt = blockAt + 1 + static_cast<std::size_t>(channels) * kChannelHeadSize;
  for (int k = 0; k < channels; ++k) {
    const std::size_t headAt = out.size();
    Append(out, stream.subspan(headsFrom + static_cast<std::size_t>(k) * kChannelHeadSize,
                               kChannelHeadSize));
    slots.push_back({headAt + TChannelHead::kParameterAddress,
                     setsAt + static_cast<std::size_t>(k) * kParameterSetSize});
  }
  for (int k = 0; k < channels; ++k) Append(out, nav.ParameterSet(k).raw);

  // Records: from the first one to the end of the last whole one.
  slots.push_back({entryAt + TRcaEntry::kFirstRecordAddress, out.size()});
  const std::size_t from = nav.NextRecordPos();
  TValueRecord rec;
  CopiedSeries copied;
  while (nav.NextRecord(rec)) ++copied.records;
  Append(out, stream.subspan(from, nav.NextRecordPos() - from));
  copied.shortened = copied.records < entry.RecordCount();
  return copied;
}

}  // namespace

std::optional<std::uint32_t> FarAddressOf(std::uint32_t linear) {
  if (linear <= 0xFFFFu) return linear;
  if (linear > kMaxFarLinear) return std::nullopt;
  const std::uint32_t segment = std::min<std::uint32_t>(linear >> 4, 0xFFFFu);
  return (segment << 16) | (linear - segment * 16u);
}

std::string SavedToItselfText(const std::string& target) {
  return FormatMessageText(Translate(kToItself), {PathText(target)});
}

std::optional<SubsetFile> BuildSubset(const SubsetSource& source, std::span<const int> selection,
                                      const CalendarTime& now, IProgress& progress) {
  if (!source.parsed || !source.parsed->Usable())
    throw EBinFileInvalid(Translate(kBinFileInvalidText));
  const ParsedStream& parsed = *source.parsed;
  const ByteView stream = StreamPart(source.stream, parsed);
  const std::size_t sourceSets = parsed.directory.size();
  // The reader takes the directory at offset 160 and the tables right after
  // it, up to the start of the data area; exactly those bytes are copied.
  const std::size_t tablesFrom = kStreamPrologSize + sourceSets * kRcaEntrySize;
  if (parsed.dataStart < tablesFrom || parsed.dataStart > stream.size() ||
      parsed.dataStart - tablesFrom > 0xFFFF) {
    throw EBinFileInvalid(Translate(kBinFileInvalidText));
  }
  // The table section is copied as the prolog bounds it. Tables that run on
  // into the data area (which reading the stream tolerates) would be read
  // from other bytes in the new file, or not at all: refuse such a stream
  // rather than write a file that does not hold its tables.
  if (!ParseStream(stream.first(parsed.dataStart)).Usable()) {
    throw EBinFileInvalid(Translate(kBinFileInvalidText));
  }
  if (selection.size() > kMaxDirectoryEntries) throw EGaugData(Translate(kTooManySeries));
  std::int64_t total = 0;
  for (const int n : selection) {
    if (n < 1 || static_cast<std::size_t>(n) > sourceSets) {
      throw EGaugData(FormatMessageText(Translate(kNoSuchSeries), {std::to_string(n)}));
    }
    total += std::max(0, parsed.directory[static_cast<std::size_t>(n - 1)].RecordCount());
  }

  SubsetFile result;
  Bytes& out = result.bytes;
  Append(out, stream.first(kStreamPrologSize));
  const std::size_t directoryAt = out.size();
  for (const int n : selection) {
    // The entry as stored (the parse repairs invalid dates in its copy).
    Append(out, stream.subspan(kStreamPrologSize + static_cast<std::size_t>(n - 1) * kRcaEntrySize,
                               kRcaEntrySize));
  }
  Append(out, stream.subspan(tablesFrom, parsed.dataStart - tablesFrom));
  const std::size_t dataAt = out.size();

  progress.SetMaximum(total);
  TVXAblage nav(stream, parsed);
  std::vector<AddressSlot> slots;
  for (std::size_t k = 0; k < selection.size(); ++k) {
    progress.LetEventsRun();
    if (progress.Cancelled()) return std::nullopt;
    const int n = selection[k];
    const std::size_t entryAt = directoryAt + k * kRcaEntrySize;
    const CopiedSeries copied = CopySeries(stream, parsed, nav, n, out, slots, entryAt);
    if (copied.shortened) {
      StoreU32(&out[entryAt + TRcaEntry::kRecordCount], static_cast<std::uint32_t>(copied.records));
      result.shortenedSeries.push_back(static_cast<int>(k) + 1);
    }
    progress.Advance(std::max(0, parsed.directory[static_cast<std::size_t>(n - 1)].RecordCount()));
  }
  const std::size_t dataEnd = out.size();

  // Linear address of the data area: its file position while every position
  // stays within the address reach (so small files hold plain positions),
  // else 0, which leaves the whole reach to the data area.
  std::size_t base = dataAt;
  if (dataEnd > kMaxFarLinear) {
    if (dataEnd - dataAt > kMaxFarLinear) throw EGaugData(Translate(kTooLarge));
    base = 0;
  }
  const auto far = [&](std::size_t position) {
    return *FarAddressOf(static_cast<std::uint32_t>(position - dataAt + base));
  };
  for (const AddressSlot& slot : slots) StoreU32(&out[slot.at], far(slot.target));

  if (dataEnd > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw EGaugData(Translate(kTooLarge));
  }
  std::uint8_t* prolog = out.data();
  StoreU16(prolog + TStreamProlog::kPrologSizeField, static_cast<std::uint16_t>(kStreamPrologSize));
  StoreU16(prolog + TStreamProlog::kMeasuringSets, static_cast<std::uint16_t>(selection.size()));
  StoreU16(prolog + TStreamProlog::kRcaSize,
           static_cast<std::uint16_t>(selection.size() * kRcaEntrySize));
  StoreU16(prolog + TStreamProlog::kStringSize,
           static_cast<std::uint16_t>(parsed.dataStart - tablesFrom));
  StoreU32(prolog + TStreamProlog::kMeasDataSize, static_cast<std::uint32_t>(dataEnd - dataAt));
  StoreU32(prolog + TStreamProlog::kStreamSize, static_cast<std::uint32_t>(dataEnd));
  StoreU32(prolog + TStreamProlog::kDataOffset, far(dataAt));
  // The user-data block always follows; without the flag a reader skips it.
  prolog[TStreamProlog::kUserDataFlag] |= 1;

  // Comments: the file comment, and the chosen series' comments under their
  // new numbers.
  CommentSet comments;
  if (source.comments) {
    comments.fileComment = source.comments->fileComment;
    comments.fileCommentField = source.comments->fileCommentField;
  }
  for (std::size_t k = 0; k < selection.size(); ++k) {
    const auto row = static_cast<std::size_t>(selection[k] - 1);
    if (!source.comments || row >= source.comments->rows.size()) continue;
    comments.rows.push_back(source.comments->rows[row]);
    comments.rows.back().SetSeriesNumber(static_cast<std::int32_t>(k) + 1);
  }
  result.commentBlocks = WriteUserData(out, comments, now);
  return result;
}

SaveOutcome SaveSubset(const SubsetSource& source, const std::string& openFileName,
                       std::span<const int> selection, const std::string& target, IFileStore& files,
                       IMessages& messages, IProgress& progress, const CalendarTime& now,
                       SubsetFile* written) {
  if (IsSameFile(target, openFileName)) {
    messages.Show(MessageKind::Error, SavedToItselfText(target));
    return SaveOutcome::Refused;
  }
  std::optional<SubsetFile> file = BuildSubset(source, selection, now, progress);
  if (!file) return SaveOutcome::Cancelled;
  WriteInOnePiece(files, target, file->bytes);
  if (written) *written = std::move(*file);
  return SaveOutcome::Saved;
}

}  // namespace gd
