// The main window's "&Parametersaetze" command: the text the parameter-set
// window shows for the selected series, or the message that stands instead.
//
// The parameter-set text itself comes from the conversion object; the command
// takes it as a ParameterSetWriter (the conversion's own signature) so that it
// can be tried with any text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "convert/VXASCIIOUT.h"
#include "core/VXAblage.h"

namespace gd {

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

// The writer for the window: the conversion object's parameter-set text into
// a list (label language selected again, texts converted from the DOS code
// page where they are placed). `engine` must outlive the writer.
ParameterSetWriter ParameterSetWindowWriter(TVXASCIIOUT& engine);

// With bit 17 (parameter sets side by side) one call of the writer covers all
// channels; otherwise one call per channel, each followed by an empty line.
ParameterSetWindow BuildParameterSetWindow(const ParameterSetRequest& request,
                                           const ParameterSetWriter& writer);

}  // namespace gd
