#include "cli/TerminalProgress.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdio>
#include <utility>

namespace gd::cli {
namespace {

int Percent(std::int64_t position, std::int64_t maximum) {
  if (maximum <= 0) return 0;
  const std::int64_t p = std::clamp<std::int64_t>(position, 0, maximum);
  // Computed in long double: position * 100 could overflow for huge maxima.
  return static_cast<int>(static_cast<long double>(p) * 100.0L / static_cast<long double>(maximum));
}

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& out, std::string label)
    : out_(out), label_(std::move(label)) {}

TerminalProgress::~TerminalProgress() {
  if (lineOpen_) out_ << '\n' << std::flush;
}

void TerminalProgress::SetMaximum(std::int64_t maximum) {
  maximum_ = std::max<std::int64_t>(maximum, 0);
  position_ = 0;
  Draw(true);
}

void TerminalProgress::Advance(std::int64_t steps) {
  position_ += steps;
  Draw(false);
}

void TerminalProgress::Finish() {
  if (!lineOpen_) return;
  position_ = maximum_;
  Draw(true);
  out_ << '\n' << std::flush;
  lineOpen_ = false;
}

std::string TerminalProgress::BarText(const std::string& label, std::int64_t position,
                                      std::int64_t maximum) {
  const int percent = Percent(position, maximum);
  const int filled = percent * kBarWidth / 100;
  std::string text = label;
  if (!text.empty()) text += ' ';
  text += '[';
  text.append(static_cast<std::size_t>(filled), '#');
  text.append(static_cast<std::size_t>(kBarWidth - filled), ' ');
  text += "] ";
  const std::string number = std::to_string(percent);
  text.append(3 - std::min<std::size_t>(3, number.size()), ' ');
  text += number;
  text += '%';
  return text;
}

void TerminalProgress::Draw(bool force) {
  const int percent = Percent(position_, maximum_);
  if (!force && percent == shownPercent_) return;
  shownPercent_ = percent;
  out_ << '\r' << BarText(label_, position_, maximum_) << std::flush;
  lineOpen_ = true;
}

bool StderrIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) == 1;
#endif
}

}  // namespace gd::cli
