#include "core/UserData.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/Errors.h"

namespace gd {
namespace {

constexpr std::uint8_t kTag[10] = {9, 'U', 'S', 'E', 'R', 'S', 'D', 'A', 'T', 'A'};
constexpr std::size_t kCountAt = 16;
constexpr std::size_t kEndAt = 18;

}  // namespace

bool CommentSet::Changed() const {
  if (fileCommentField.modified) return true;
  return std::any_of(rows.begin(), rows.end(),
                     [](const TReihenMemoStrings& row) { return row.Modified(); });
}

void CommentSet::Clear() {
  fileComment = TReihenMemoStrings(TReihenMemoStrings::kFileComment);
  fileCommentField = MemoField{};
  rows.clear();
}

std::uint16_t WriteUserData(Bytes& file, CommentSet& comments, const CalendarTime& now) {
  const std::size_t headAt = file.size();
  file.resize(headAt + kUserDataHeadSize, 0);

  comments.fileComment.TakeFromMemo(comments.fileCommentField);
  comments.fileComment.Write(file, now);

  std::uint16_t count = 0;
  for (TReihenMemoStrings& row : comments.rows) {
    if (row.TextLength() <= 0) continue;
    // The count field has 16 bits; the list never has more entries than that
    // ("MEASURING SETS" is a u16 too).
    if (count == std::numeric_limits<std::uint16_t>::max()) break;
    row.Write(file, now);
    ++count;
  }

  if (file.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw EGaugData("Benutzerdaten sind zu gross");
  }
  std::uint8_t* head = &file[headAt];
  std::memcpy(head, kTag, sizeof kTag);
  StoreU16(head + kCountAt, count);
  StoreU32(head + kEndAt, static_cast<std::uint32_t>(file.size()));
  return count;
}

UserDataReadResult ReadUserData(ByteReader& in, CommentSet& comments) {
  UserDataReadResult result;
  if (in.Remaining() < kUserDataHeadSize) return result;
  std::uint8_t head[kUserDataHeadSize];
  in.Read(head, sizeof head);
  if (std::memcmp(head, kTag, sizeof kTag) != 0) return result;
  result.found = true;

  if (!comments.fileComment.Read(in)) {
    result.incomplete = true;
    return result;
  }
  comments.fileComment.PutToMemo(comments.fileCommentField);

  const std::uint16_t count = LoadU16(head + kCountAt);
  for (std::uint16_t i = 0; i < count; ++i) {
    TReihenMemoStrings block(0);
    if (!block.Read(in)) {
      result.incomplete = true;
      break;
    }
    ++result.seriesBlocks;
    const std::int32_t n = block.SeriesNumber();
    if (n >= 1 && static_cast<std::size_t>(n) <= comments.rows.size()) {
      TReihenMemoStrings& row = comments.rows[static_cast<std::size_t>(n) - 1];
      block.MoveInto(row);
      row.SetModified(false);
    } else {
      ++result.dropped;
    }
  }
  return result;
}

}  // namespace gd
