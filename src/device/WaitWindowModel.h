// The wait window (TWaitWindow) without its window: a text, a gauge of
// milliseconds / 100 steps and a 100 ms timer that advances it. The window
// starts its timer after Start, calls Tick on every timer event, closes with
// OK when Tick says so, and calls Closed when it is closed any other way.
#pragma once

#include <string>

namespace gd {

class WaitWindowModel {
 public:
  static constexpr int kTickMilliseconds = 100;

  // Sets the text and a gauge of milliseconds / 100 steps at 0; the timer runs.
  void Start(std::string text, int milliseconds) {
    text_ = std::move(text);
    steps_ = milliseconds / kTickMilliseconds;
    progress_ = 0;
    running_ = true;
    result_ = false;
  }
  // One timer event: one step more; true (timer stopped, result OK) at the
  // last step. A wait of less than one step ends at the first tick.
  bool Tick() {
    if (!running_) return false;
    if (progress_ < steps_) ++progress_;
    if (progress_ < steps_) return false;
    running_ = false;
    result_ = true;
    return true;
  }
  // Closed by other means (the close box): the timer stops, the result is false.
  void Closed() { running_ = false; }

  const std::string& Text() const { return text_; }
  int Steps() const { return steps_; }
  int Progress() const { return progress_; }
  bool TimerRunning() const { return running_; }
  // WaitFor's result: true when it ran to its last step.
  bool Result() const { return result_; }

 private:
  std::string text_;
  int steps_ = 0;
  int progress_ = 0;
  bool running_ = false;
  bool result_ = false;
};

}  // namespace gd
