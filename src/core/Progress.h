// Progress and cancel for long loops.
//
// Converting, saving and downloading run long loops. Pure code reports through
// this interface instead of touching a window: the Qt layer shows a gauge and
// lets pending events run, the command-line tool draws a bar on a terminal,
// tests record the calls. Nothing in the pure libraries waits or spins without
// going through it.
#pragma once

#include <cstdint>

namespace gd {

class IProgress {
 public:
  virtual ~IProgress() = default;

  // Starts a new run of `maximum` steps, position 0.
  virtual void SetMaximum(std::int64_t maximum) = 0;
  // Moves the position forward by `steps`.
  virtual void Advance(std::int64_t steps) = 0;
  // Gives the front end the chance to handle pending input (the cancel button).
  virtual void LetEventsRun() = 0;
  // True once the user asked to stop; the loop then ends at its next check.
  virtual bool Cancelled() const = 0;
};

// Progress that shows nothing and is never cancelled.
class NullProgress final : public IProgress {
 public:
  void SetMaximum(std::int64_t) override {}
  void Advance(std::int64_t) override {}
  void LetEventsRun() override {}
  bool Cancelled() const override { return false; }
};

}  // namespace gd
