#include "device/TransferProgress.h"

#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {

void TransferProgress::Update(std::int64_t position, std::int64_t maximum, std::int64_t nowMs) {
  if (maximum != maximum_ || position < position_) {
    startMs_ = nowMs;
    startPosition_ = position;
  }
  position_ = position;
  maximum_ = maximum;
  nowMs_ = nowMs;
}

std::int64_t TransferProgress::BytesPerSecond() const {
  const std::int64_t elapsed = nowMs_ - startMs_;
  const std::int64_t bytes = position_ - startPosition_;
  if (elapsed < 1000 || bytes <= 0) return 0;
  return bytes * 1000 / elapsed;
}

std::int64_t TransferProgress::SecondsLeft() const {
  const std::int64_t rate = BytesPerSecond();
  if (rate <= 0 || maximum_ <= 0) return -1;
  const std::int64_t left = maximum_ > position_ ? maximum_ - position_ : 0;
  return (left + rate - 1) / rate;
}

std::string TransferProgress::Text() const {
  if (maximum_ <= 0) return {};
  std::string text = FormatText(Translate("%d / %d Bytes"), {position_, maximum_});
  const std::int64_t seconds = SecondsLeft();
  if (seconds >= 0)
    text += FormatText(Translate(", %d Bytes/s, noch %d:%2.2d"),
                       {BytesPerSecond(), seconds / 60, seconds % 60});
  return text;
}

}  // namespace gd
