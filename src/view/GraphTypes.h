// Small value types shared by the graph model, its geometry and the graph
// widget: rectangles and points in device pixels, colours, fonts, the text
// measuring interface the layout needs, the no-value rule of plotted samples
// and the graph's exceptions.
#pragma once

#include <cstdint>
#include <string>

#include "core/Errors.h"

namespace gd {

// Structural misuse of the graph (adding an axis twice, drawing a layer
// without axes, ...). The message is the graph's own English text.
class EcrvGraph : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

// Value-array misuse (a negative index).
class EcrvGraphData : public EcrvGraph {
 public:
  using EcrvGraph::EcrvGraph;
};

// A colour as the configuration file stores it: 0x00BBGGRR (255 is pure red,
// 0 black, 0xFFFFFF white).
using GraphColor = std::uint32_t;
inline constexpr GraphColor kGraphBlack = 0x000000;
inline constexpr GraphColor kGraphWhite = 0xFFFFFF;
inline constexpr GraphColor kGraphRed = 0x0000FF;
inline constexpr GraphColor kGraphBlue = 0xFF0000;

// Edges in pixels; right and bottom are the first pixel outside (as the
// window system's rectangles), so width = right - left.
struct GraphRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const GraphRect&, const GraphRect&) = default;
};

struct GraphPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

struct GraphFont {
  std::string name = "Arial";
  int size = 8;  // points
};

// Text measuring for the layout and the axis geometry. The widget answers
// with its font metrics; tests with fixed numbers. Texts are Windows-1252.
class GraphTextMetrics {
 public:
  virtual ~GraphTextMetrics() = default;
  virtual int TextWidth(const GraphFont& font, const std::string& text) const = 0;
  virtual int TextHeight(const GraphFont& font) const = 0;
};

// Sample values: |v| >= 1e38 is no value; v >= 1e38 was not measured,
// v <= -1e38 was not stored. Only values with |v| < 1e38 are plotted.
inline constexpr long double kNoValueLimit = 1e38L;
inline constexpr long double kNotStoredRead = -1.7e38L;  // read past the end of an array
inline bool IsPlottable(long double v) { return v < kNoValueLimit && v > -kNoValueLimit; }
inline bool IsNotMeasured(long double v) { return v >= kNoValueLimit; }
inline bool IsNotStored(long double v) { return v <= -kNoValueLimit; }

}  // namespace gd
