// The user-data block of a measurement file: the comments that follow the
// measurement byte stream.
//
// Head (64 bytes): counted string "USERSDATA" at 0, zeros, at 16 the u16 number
// of series comment blocks, at 18 the i32 file offset just after the last block,
// zeros. Then the file comment block and the series comment blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Bytes.h"
#include "core/ReihenMemoStrings.h"

namespace gd {

inline constexpr std::size_t kUserDataHeadSize = 64;

// Every comment of one open measurement file: the file comment with the edit
// field it is shown in (the file information dialog's), and one comment per
// series list entry, in list order (entry i holds series i + 1).
struct CommentSet {
  TReihenMemoStrings fileComment{TReihenMemoStrings::kFileComment};
  MemoField fileCommentField;
  std::vector<TReihenMemoStrings> rows;

  // Whether the user changed the file comment field or any series comment.
  bool Changed() const;
  // No rows, no file comment, an empty field.
  void Clear();
};

// Appends the user-data block to `file`, which holds the file's bytes from
// offset 0 (so the end offset written into the head is file.size() afterwards).
// The file comment is first taken from its edit field; it is always written.
// Series comments are written when they have a text (L > 0). Returns the
// number of series blocks written.
std::uint16_t WriteUserData(Bytes& file, CommentSet& comments, const CalendarTime& now);

struct UserDataReadResult {
  bool found = false;       // a head tagged "USERSDATA" was there
  int seriesBlocks = 0;     // series blocks read (kept or dropped)
  int dropped = 0;          // of those, blocks for series outside the list
  bool incomplete = false;  // the file ended before the blocks the head announces
};

// Reads the user-data block at the reader's position. Nothing happens when
// fewer than 64 bytes remain or the head is not tagged "USERSDATA". The file
// comment is read and shown in its edit field; each series block moves into
// its list entry (whose modified flag is cleared) or is dropped when its series
// number is outside the list. Blocks are read only as far as they are whole:
// a count or a length that points past the end of the data ends the reading
// there, never a read outside it.
UserDataReadResult ReadUserData(ByteReader& in, CommentSet& comments);

}  // namespace gd
