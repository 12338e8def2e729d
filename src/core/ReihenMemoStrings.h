// The comment of one measurement series (or of the whole file) and its block
// format in the user-data part of a measurement file.
//
// A comment block is a 64-byte head followed by the text:
//   0  i32  series number (1-based); -1 for the file comment
//   4  i32  text length L including the terminating zero byte; 0 = no text
//   8  12   reserved, kept as read
//  20  6 x u16 year, month, day, hour, minute, second of the last change
//  32  'M'  written with every block
//  33  31   reserved, kept as read
//  64  L    the text (lines separated by CR LF), ending with a zero byte
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Bytes.h"
#include "core/DateTime.h"

namespace gd {

struct TSeriesDescription;

// The state of a multi-line edit field as far as comments care: its text
// (Windows-1252 bytes, lines separated by CR LF) and whether the user changed it.
struct MemoField {
  std::string text;
  bool modified = false;
};

class TReihenMemoStrings {
 public:
  static constexpr std::size_t kHeadSize = 64;
  static constexpr std::int32_t kFileComment = -1;

  // Head zeroed, series number set; the description is kept when given
  // (the list entry's copy of its series description; none for the file comment).
  explicit TReihenMemoStrings(std::int32_t seriesNumber,
                              std::shared_ptr<const TSeriesDescription> description = nullptr);

  std::int32_t SeriesNumber() const;
  // Renumbers the block (a comment written into another file under the number
  // its series has there).
  void SetSeriesNumber(std::int32_t seriesNumber);
  // L: the text length including the terminating zero; 0 when there is no text.
  std::int32_t TextLength() const;
  bool HasText() const { return TextLength() != 0; }
  // The text as an edit field shows it: up to the first zero byte.
  std::string Text() const;
  // The stored text bytes, L of them (the terminating zero included).
  const Bytes& TextBytes() const { return text_; }
  const std::array<std::uint8_t, kHeadSize>& Head() const { return head_; }
  CalendarTime ChangeTime() const;
  const TSeriesDescription* Description() const { return description_.get(); }

  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Appends the block to `out`. A modified comment first gets `now` as its
  // change time; every block carries the 'M' mark. Clears the modified flag.
  void Write(Bytes& out, const CalendarTime& now);

  // Reads one block at the reader's position, replacing head and text, and
  // clears the modified flag. A block that is not whole (fewer than 64 head
  // bytes, a negative length or a text running past the end) is refused:
  // the result is false and neither the object nor the reader changes.
  bool Read(ByteReader& in);

  // Takes the edit field's text plus a terminating zero (so an empty field
  // gives L = 1) and the field's modified state.
  void TakeFromMemo(const MemoField& memo);
  // Shows the text with its modified state in the field, or clears the field
  // when there is no text.
  void PutToMemo(MemoField& memo) const;

  // The target takes over head and text; this object is left without text.
  // Modified flags and descriptions stay where they are.
  void MoveInto(TReihenMemoStrings& target);

 private:
  void SetTextLength(std::int32_t length);

  std::array<std::uint8_t, kHeadSize> head_{};
  std::shared_ptr<const TSeriesDescription> description_;
  Bytes text_;
  bool modified_ = false;
};

}  // namespace gd
