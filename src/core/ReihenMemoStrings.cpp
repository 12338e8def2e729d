#include "core/ReihenMemoStrings.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "core/Errors.h"

namespace gd {
namespace {

constexpr std::size_t kSeriesNumberAt = 0;
constexpr std::size_t kLengthAt = 4;
constexpr std::size_t kChangeTimeAt = 20;
constexpr std::size_t kMarkAt = 32;
constexpr std::uint8_t kMark = 'M';

std::uint16_t ClampU16(int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF)); }

}  // namespace

TReihenMemoStrings::TReihenMemoStrings(std::int32_t seriesNumber,
                                       std::shared_ptr<const TSeriesDescription> description)
    : description_(std::move(description)) {
  StoreU32(&head_[kSeriesNumberAt], static_cast<std::uint32_t>(seriesNumber));
}

std::int32_t TReihenMemoStrings::SeriesNumber() const { return LoadI32(&head_[kSeriesNumberAt]); }

void TReihenMemoStrings::SetSeriesNumber(std::int32_t seriesNumber) {
  StoreU32(&head_[kSeriesNumberAt], static_cast<std::uint32_t>(seriesNumber));
}

std::int32_t TReihenMemoStrings::TextLength() const { return LoadI32(&head_[kLengthAt]); }

void TReihenMemoStrings::SetTextLength(std::int32_t length) {
  StoreU32(&head_[kLengthAt], static_cast<std::uint32_t>(length));
}

std::string TReihenMemoStrings::Text() const {
  auto end = std::find(text_.begin(), text_.end(), std::uint8_t{0});
  return std::string(text_.begin(), end);
}

CalendarTime TReihenMemoStrings::ChangeTime() const {
  const std::uint8_t* p = &head_[kChangeTimeAt];
  return CalendarTime{LoadU16(p),     LoadU16(p + 2), LoadU16(p + 4),
                      LoadU16(p + 6), LoadU16(p + 8), LoadU16(p + 10)};
}

void TReihenMemoStrings::Write(Bytes& out, const CalendarTime& now) {
  if (modified_) {
    std::uint8_t* p = &head_[kChangeTimeAt];
    StoreU16(p, ClampU16(now.year));
    StoreU16(p + 2, ClampU16(now.month));
    StoreU16(p + 4, ClampU16(now.day));
    StoreU16(p + 6, ClampU16(now.hour));
    StoreU16(p + 8, ClampU16(now.minute));
    StoreU16(p + 10, ClampU16(now.second));
  }
  head_[kMarkAt] = kMark;
  // The length field and the text always agree: both change only together.
  out.insert(out.end(), head_.begin(), head_.end());
  out.insert(out.end(), text_.begin(), text_.end());
  modified_ = false;
}

bool TReihenMemoStrings::Read(ByteReader& in) {
  if (in.Remaining() < kHeadSize) return false;
  const std::size_t start = in.Pos();
  std::array<std::uint8_t, kHeadSize> head{};
  in.Read(head.data(), kHeadSize);
  const std::int32_t length = LoadI32(&head[kLengthAt]);
  if (length < 0 || static_cast<std::size_t>(length) > in.Remaining()) {
    in.Seek(start);
    return false;
  }
  ByteView text = in.Take(static_cast<std::size_t>(length));
  head_ = head;
  text_.assign(text.begin(), text.end());
  modified_ = false;
  return true;
}

void TReihenMemoStrings::TakeFromMemo(const MemoField& memo) {
  if (memo.text.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw EGaugData("Bemerkung ist zu lang");
  }
  text_.assign(memo.text.begin(), memo.text.end());
  text_.push_back(0);
  SetTextLength(static_cast<std::int32_t>(text_.size()));
  modified_ = memo.modified;
}

void TReihenMemoStrings::PutToMemo(MemoField& memo) const {
  if (!text_.empty() && TextLength() != 0) {
    memo.text = Text();
    memo.modified = modified_;
  } else {
    memo.text.clear();
    memo.modified = false;
  }
}

void TReihenMemoStrings::MoveInto(TReihenMemoStrings& target) {
  if (&target == this) return;
  target.head_ = head_;
  target.text_ = std::move(text_);
  text_.clear();
  SetTextLength(0);
}

}  // namespace gd
