// The curves of the diagram window (`TDLG_Diagramm`): one curve per plotted
// output column of every channel of a series, read through the conversion
// engine, with their names, vertical axes and time range. The window hands
// the samples to the graph; this model knows nothing of drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Locale.h"
#include "core/Progress.h"
#include "core/VXAblage.h"

namespace gd {

class TVXASCIIOUT;

// Time axis modes: X = seconds since the series start (sample i at
// i * storage interval), or X = the record's own date-time (days since
// 1899-12-30) for triggered series.
inline constexpr int kXModeLinear = 1;
inline constexpr int kXModeExplicit = 2;

// The engine's style word while the curves load: no date and time columns,
// every-record bit off, temperatures and totals only when stored, totals as
// separate positive and negative columns.
inline constexpr std::uint32_t DiagramStyleBits(std::uint32_t bits) {
  return (bits & ~std::uint32_t{0xE010}) | 0x1A0;
}

inline constexpr const char* kTimeAxisName = "Time";

// `TGraphLayItem`: one curve.
struct TGraphLayItem {
  int column = 0;         // output column index, 3..27
  int channel = 0;        // channel index, 0-based
  std::string prefix;     // "A:" in a series of several channels, else empty
  std::string headline;   // trimmed
  std::string quantity;   // translated quantity name, trimmed
  std::string qualifier;  // short name, trimmed
  std::string unit;       // trimmed
  int decimals = 0;
  long double resolution = 0;
  double seriesStart = 0;  // date-time of the series start
  long double firstX = 0;
  long double lastX = 0;
  long double xFactor = 1;  // storage interval in seconds
  long double xOffset = 0;
  std::vector<long double> y;  // samples; |v| >= 1e38 is no value
  std::vector<long double> x;  // date-times of the samples (explicit mode only)
  int axis = -1;               // index into DiagramCurves::Axes()

  // prefix + headline: the layer's and the curve combo's name.
  std::string Name() const { return prefix + headline; }
  // "quantity [unit]".
  std::string AxisName() const { return quantity + " [" + unit + "]"; }
  // "prefix quantity qualifier" as the header panel shows it.
  std::string HeaderText() const { return prefix + quantity + " " + qualifier; }
  std::int32_t HighIndex() const { return static_cast<std::int32_t>(y.size()) - 1; }
};

struct DiagramAxis {
  std::string name;
  long double resolution = 0.01L;
  int decimals = 0;
};

class DiagramCurves {
 public:
  enum class BuildResult { kBuilt, kKept, kNoSeries, kNoEngine };

  // Builds the curves of series `series` (1-based) unless series, adjusted
  // style word and `language` equal those of the last build (kKept). A file
  // without series (or a series number outside it) clears everything
  // (kNoSeries). The engine's style word is replaced for the load and put
  // back afterwards, also when loading fails. Every 10th record lets events
  // run; a cancel there ends the load with the samples read so far.
  BuildResult Build(TVXASCIIOUT* engine, int series, int language, IProgress& progress);
  // Forgets the last build, so the next Build loads again.
  void Invalidate() { built_ = false; }
  void Clear();

  const std::vector<TGraphLayItem>& Curves() const { return curves_; }
  std::vector<TGraphLayItem>& Curves() { return curves_; }
  // Vertical axes in the order they are added to the graph: the last
  // curve's first, then the new ones met going back to the first curve.
  const std::vector<DiagramAxis>& Axes() const { return axes_; }
  int XMode() const { return xMode_; }
  long double TimeMin() const { return timeMin_; }
  long double TimeMax() const { return timeMax_; }
  double SeriesStart() const { return seriesStart_; }
  int Series() const { return series_; }
  const TSeriesDescription& Description() const { return description_; }
  bool Built() const { return built_; }

 private:
  long double LoadChannel(TVXASCIIOUT& engine, int series, int channel, IProgress& progress);
  void BuildAxes();

  std::vector<TGraphLayItem> curves_;
  std::vector<DiagramAxis> axes_;
  TSeriesDescription description_{};
  int xMode_ = kXModeLinear;
  long double timeMin_ = 0, timeMax_ = 0;
  double seriesStart_ = 0;
  bool built_ = false;
  int series_ = 0;
  std::uint32_t style_ = 0;
  int language_ = 0;
};

// --- Texts of the diagram ----------------------------------------------------

// Tick label of the time axis: "hh:mm" when the tick step is above one
// minute, else "hh:mm:ss"; of the series start + value seconds (linear mode)
// or of the value itself (explicit mode, values and steps in days).
std::string TimeLabel(int xMode, double seriesStart, long double value, long double step);

// Crosshair value read-out: "%10.*f %s" trimmed, " (MIN)" / " (MAX)" added
// at the curve's minimum / maximum marker sample. Empty for no value.
std::string CursorValueText(long double value, int decimals, const std::string& unit,
                            bool atMinimum, bool atMaximum, const Locale& locale);
// What the value read-out shows for a sample without a value: "nicht
// gemessen" (>= 1e38), "nicht gespeichert" (the not-stored marker), else "".
std::string NoValueText(long double value);
// Time read-out "<time>\r<date> [<sample + 1>] " of the sample's X value.
std::string CursorTimeText(int xMode, double seriesStart, long double x, std::int32_t sample,
                           const Locale& locale);
// Elapsed time since the series start: "hh:nn:ss" below one day, else
// "<days> Tag +hh:nn:ss" / "<days> Tage +hh:nn:ss".
std::string ElapsedText(int xMode, double seriesStart, long double x);

// --- Zoom -------------------------------------------------------------------

// Zoom width and scroll position that show [low, high] centred: the width
// is clamped to 0..30000; `minWidth` is one second in the axis's units.
struct ZoomRequest {
  int fixedWidth = 0;
  int scrollPosition = 0;
};
// `clientWidth`, `plotLeft`: of the graph; `xLow`, `xHigh`: pixels of low
// and high at scroll position 0 with the new width.
int ZoomWidth(long double low, long double high, long double axisMin, long double axisMax,
              long double minWidth, int clientWidth, int plotLeft);
int ZoomScrollPosition(int plotLeft, int clientRight, int xLow, int xHigh);

// The range that "Zoom to Markers" shows; unset markers are nullopt.
struct ZoomRange {
  long double low = 0, high = 0;
};
ZoomRange MarkerZoomRange(bool startSet, long double start, bool endSet, long double end,
                          long double axisMin, long double axisMax, bool mouseSet,
                          long double mouseX);

}  // namespace gd
