// The main window's "&Parametersaetze" command: the text the parameter-set
// window shows for the selected series, or the message that stands instead.
//
// The parameter-set text itself comes from the conversion object; the command
// takes it as a writer function so that the window model depends only on the
// series description and the option word.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/VXAblage.h"

namespace gd {

// Appends the parameter-set lines of channels first..last (0-based) of a
// series to `lines`; `valueCounts` adds the row of value counts (null leaves
// it out).
using ParameterSetWriter = std::function<void(
    const TRcaEntry& entry, int first, int last, const std::array<std::int32_t, 9>* valueCounts,
    const TSeriesDescription& series, std::vector<std::string>& lines)>;

inline constexpr const char* kParameterSetHeadline = "===== PARAMTERSAETZE DER MESSWERTREIHE =====";

struct ParameterSetRequest {
  bool streamOpen = false;
  int seriesCount = 0;     // series in the list
  int directoryCount = 0;  // entries of the stream's directory
  int selected = 0;        // selected series number, 0 = none (series 1 is taken)
  // Description of a series number (1-based); may return null for a series
  // whose description could not be built.
  std::function<const TSeriesDescription*(int)> describe;
  std::uint32_t textStyle = 0;  // the text-output option word
  // The display name for received data, else the file name without folder.
  std::string windowName;
};

struct ParameterSetWindow {
  enum class Outcome {
    kShown,          // caption and lines for the text window
    kNoSeries,       // information box `message`
    kTooFewSeries,   // error box `message`
    kNoDescription,  // error box `message` ("** BAD BYTES **"): no description
  };
  Outcome outcome = Outcome::kNoSeries;
  std::string message;
  int series = 0;
  std::string caption;  // "Parametersaetze %s[%d]"
  std::vector<std::string> lines;
};

class TParameterSetText;

// The writer over the conversion's parameter-set text, for the window: its
// lines are converted from the DOS code page. `text` must outlive the writer.
ParameterSetWriter ParameterSetWindowWriter(const TParameterSetText& text);

// With bit 17 (parameter sets side by side) one call of the writer covers all
// channels; otherwise one call per channel, each followed by an empty line.
ParameterSetWindow BuildParameterSetWindow(const ParameterSetRequest& request,
                                           const ParameterSetWriter& writer);

}  // namespace gd
