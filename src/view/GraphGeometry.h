// What the graph paints, computed before painting: axis ticks and labels,
// marker hatching and lines, the primitives of every curve and the
// crosshair. The widget only draws these values, on the screen, into an
// image or onto a printer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/GraphModel.h"
#include "view/GraphTypes.h"

namespace gd {

struct AxisTick {
  int pos = 0;  // y of a vertical, x of a horizontal axis tick
  long double value = 0;
  std::string label;
  int labelWidth = 0;
};

struct VerticalAxisGeometry {
  const TcrvVerticalGraphAxis* axis = nullptr;
  GraphRect strip;
  GraphColor color = kGraphBlack;  // axis colour, the selected layer's, or black
  std::string caption;
  int captionHeight = 0;
  int axisX = 0;       // x of the axis line
  int yMin = 0;        // pixel of the displayed minimum
  int yMax = 0;        // pixel of the displayed maximum
  int labelRight = 0;  // labels end here, right-aligned
  int textHeight = 0;
  std::vector<AxisTick> ticks;
};

struct HorizontalAxisGeometry {
  const TcrvHorizontalGraphAxis* axis = nullptr;
  GraphRect strip;
  int clipRight = 0;
  GraphColor color = kGraphBlack;
  int axisY = 0;
  int xMin = 0;
  int xMax = 0;
  int labelTop = 0;
  std::vector<AxisTick> majors;  // tick from axisY up 9 pixels, label centred
  std::vector<int> minors;       // x of minor ticks, axisY - 2 .. axisY + 2
};

// Ticks and labels of one axis in its current strip and range.
VerticalAxisGeometry ComputeVerticalAxis(const TcrvVerticalGraphAxis& axis,
                                         const GraphTextMetrics& metrics);
HorizontalAxisGeometry ComputeHorizontalAxis(TcrvHorizontalGraphAxis& axis,
                                             const GraphTextMetrics& metrics);

struct CurveMark {
  GraphPoint at;
  bool notMeasured = false;
};

struct CurveSegment {
  GraphPoint from;
  GraphPoint to;
  GraphColor color = kGraphBlack;
};

// One pixel column of a long curve: every sample of the column, and the
// join from the previous column, lie between top and bottom (inclusive).
struct ColumnSpan {
  int x = 0;
  int top = 0;
  int bottom = 0;
};

struct MinMaxMarker {
  int x = 0;
  bool isMaximum = false;
};

// The drawing of one layer. Polylines are in the layer colour; not measured
// rectangles filled in the highlight colour; break rectangles hatched
// (diagonal cross) in the highlight colour.
struct CurvePrimitives {
  GraphColor color = kGraphBlack;
  GraphColor highlight = kGraphRed;
  int markStyle = 0;
  GraphRect clip;  // the plot up to the X axis's clip right edge
  std::vector<std::vector<GraphPoint>> polylines;
  std::vector<CurveSegment> segments;  // per-point colours (OnPointColor)
  std::vector<ColumnSpan> columns;     // long curves: one vertical span per pixel column
  std::vector<GraphRect> notMeasured;
  std::vector<GraphRect> breaks;
  std::vector<CurveMark> marks;
  std::vector<MinMaxMarker> minMax;
  bool dense = false;  // drawn from the min/max envelope
};

struct MarkerGeometry {
  std::vector<GraphRect> hatch;  // 8 x 8 pattern: black where row % 4 == column % 4
  struct Line {
    int x = 0;
    bool isStart = false;  // start: triangle points right; end: left
  };
  std::vector<Line> lines;  // dotted blue, with a filled triangle at the top
};

MarkerGeometry ComputeMarkers(const GraphModel& graph);

struct CrosshairGeometry {
  bool shown = false;
  bool vertical = false;    // line at x over the plot
  bool horizontal = false;  // line at y over the plot, plus the axis read-out box
  int x = 0;
  int y = 0;
  GraphRect plot;
  int axisLineLeft = 0;  // on the layer's Y axis: line strip left + 3 .. strip right
  int axisLineRight = 0;
  GraphRect axisBox;           // 12 pixels high outline
  long double value = -1e38L;  // the sample's Y value, -1e38 when none
};

// The crosshair of the selected layer at a sample index (nothing when the
// index or the layer is not valid).
CrosshairGeometry ComputeCrosshair(const GraphModel& graph, std::int32_t index);

// The layer's curve as exact polylines (few samples per pixel), or as one
// min/max span per pixel column from the layer's envelope.
CurvePrimitives BuildLineCurve(const TcrvGraphLayer& layer, const GraphRect& plot);

// Everything a full paint draws, in paint order.
struct GraphPaintParams {
  GraphRect client;  // less the scroll bar
  GraphRect frame;
  GraphColor background = kGraphWhite;
  bool blackAndWhite = false;
  std::vector<VerticalAxisGeometry> vertical;
  std::vector<HorizontalAxisGeometry> horizontal;
  MarkerGeometry markers;
  std::vector<CurvePrimitives> layers;  // visible layers that drew, in list order
};

// `blackAndWhite` draws axes and curves in black (printing).
GraphPaintParams ComputePaintParams(GraphModel& graph, const GraphTextMetrics& metrics,
                                    bool blackAndWhite = false);

}  // namespace gd
