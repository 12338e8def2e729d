// A progress bar on a terminal for the long loops of the libraries.
//
// The bar is redrawn in place (carriage return) whenever its percentage
// changes, so a conversion of 300 000 records writes about a hundred short
// updates, not one per record. The tool uses it only when stderr is a
// terminal; pipes and log files get no bar.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "core/Progress.h"

namespace gd::cli {

class TerminalProgress final : public IProgress {
 public:
  static constexpr int kBarWidth = 40;

  // Draws on `out` with `label` in front of the bar.
  TerminalProgress(std::ostream& out, std::string label);
  // Ends the bar's line if one was drawn.
  ~TerminalProgress() override;

  void SetMaximum(std::int64_t maximum) override;
  void Advance(std::int64_t steps) override;
  void LetEventsRun() override {}
  bool Cancelled() const override { return false; }

  // Draws the bar full (when anything was drawn) and ends its line.
  void Finish();

  // The bar as drawn for a position of a maximum: label, "[###   ]", percent.
  static std::string BarText(const std::string& label, std::int64_t position, std::int64_t maximum);

 private:
  void Draw(bool force);

  std::ostream& out_;
  std::string label_;
  std::int64_t maximum_ = 0;
  std::int64_t position_ = 0;
  int shownPercent_ = -1;
  bool lineOpen_ = false;
};

// Whether the standard error stream is a terminal.
bool StderrIsTerminal();

}  // namespace gd::cli
