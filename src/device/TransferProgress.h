// The caption of the communication window's gauge during a long transfer:
// bytes so far of all, the rate, and the time still to go. A full memory at
// 9600 baud takes over 20 minutes, so the user wants to know how long.
#pragma once

#include <cstdint>
#include <string>

namespace gd {

class TransferProgress {
 public:
  // Called on every status refresh with the gauge and the clock. A gauge
  // that starts again (a new maximum or a smaller position) restarts the
  // measurement of the rate.
  void Update(std::int64_t position, std::int64_t maximum, std::int64_t nowMs);
  // "%d / %d Bytes, %d Bytes/s, noch %d:%2.2d" (translated); without the
  // rate and the time left until a second has passed or bytes arrived.
  // Empty while there is no gauge.
  std::string Text() const;
  std::int64_t BytesPerSecond() const;
  // -1 while it cannot be told.
  std::int64_t SecondsLeft() const;

 private:
  std::int64_t position_ = 0;
  std::int64_t maximum_ = 0;
  std::int64_t startMs_ = 0;
  std::int64_t startPosition_ = 0;
  std::int64_t nowMs_ = 0;
};

}  // namespace gd
