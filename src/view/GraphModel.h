// The graph control's model: axes, curve layers, the graph that owns their
// lists, the mappings between values and pixels, the index search, the range
// computation and the layout. Pure: the widget `TcrvGraph` (view/ui) binds it
// to a window and paints what view/GraphGeometry.h computes from it.
//
// Usage (what the diagram window does):
//   GraphModel& g = graph->Model();
//   auto* time = new TcrvHorizontalGraphAxis;  time->xMode = 1;  time->min/max = ...
//   auto* flow = new TcrvVerticalGraphAxis;    flow->decimals = 2; flow->resolution = 0.01
//   auto* layer = new TcrvLineGraphLayer;      layer->xAxis = time; layer->yAxis = flow;
//   layer->xFactor = interval; layer->y.SetValue(i, v) ...
//   g.AddAxis("Time", time); g.AddAxis("Durchfluss [m3/h]", flow); g.AddLayer("Q", layer);
//   graph->Layout();
// The caller owns axes and layers (destroying one removes it from its graph);
// the graph owns only its lists.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "view/CurveEnvelope.h"
#include "view/GraphArrays.h"
#include "view/GraphTypes.h"

namespace gd {

class GraphModel;
struct CurvePrimitives;

// Common axis state. `strip` is set by Layout.
class TcrvGraphAxis {
 public:
  TcrvGraphAxis() = default;
  TcrvGraphAxis(const TcrvGraphAxis&) = delete;
  TcrvGraphAxis& operator=(const TcrvGraphAxis&) = delete;
  // Removes the axis from its graph first.
  virtual ~TcrvGraphAxis();

  GraphModel* Graph() const { return graph_; }
  // The size of the axis strip in pixels (width of a vertical, height of a
  // horizontal axis) as drawing it would need.
  virtual int Measure(const GraphTextMetrics& metrics) const = 0;

  GraphRect strip;
  int clipRight = 0;
  GraphColor color = kGraphBlack;
  bool visible = true;
  // Smallest value span per pixel of height a vertical axis may show; also
  // sizes its widest label.
  long double resolution = 0.01L;
  GraphFont font;
  int captionStripWidth = 0;   // vertical axes: caption text height + 2
  bool blackAndWhite = false;  // set only while printing

 private:
  friend class GraphModel;
  GraphModel* graph_ = nullptr;
};

// The time axis. xMode: 0 = X of sample i is i; 1 = linear, X = i * layer
// xFactor + layer xOffset; 2 = explicit, X = the layer's x array at i.
class TcrvHorizontalGraphAxis : public TcrvGraphAxis {
 public:
  using LabelEvent = std::function<void(TcrvHorizontalGraphAxis& sender, std::string& text,
                                        long double value, long double step)>;

  int Measure(const GraphTextMetrics& metrics) const override;

  // Pixel of an X value (rounded; -1 when min = max or the axis has no graph).
  int ValueToPixel(long double v) const;
  // Unrounded pixel position (NaN when it cannot be mapped).
  long double ValueToPixelF(long double v) const;
  // X value at a pixel (min when the plot has no width).
  long double PixelToValue(long double x) const;

  long double min = 0;
  long double max = 0;
  int setting1 = 1;  // two settings the program never reads
  int setting2 = 1;
  LabelEvent OnGetLabel;
  std::uint8_t xMode = 0;
};

// One quantity and unit, stacked left of the plot.
class TcrvVerticalGraphAxis : public TcrvGraphAxis {
 public:
  int Measure(const GraphTextMetrics& metrics) const override;

  // Pixel of a value in the displayed range, 20 pixels of margin at each end
  // of the strip; the bottom margin line when the range is empty.
  int ValueToPixel(long double v) const;
  // Display range rounding after Layout has set the strip.
  void RoundRange();

  long double displayedMin = 0;
  long double displayedMax = 0;
  long double workingMin = 0;
  long double workingMax = 0;
  long double dataMin = 0;
  long double dataMax = 0;
  long double userMin = 0;
  long double userMax = 0;
  bool manualScale = false;
  std::string caption;  // the name it was added under
  int decimals = 0;
};

// Common curve state; the layer owns its arrays and break list.
class TcrvGraphLayer {
 public:
  using PointColorEvent = std::function<void(TcrvGraphLayer& sender, std::int32_t index,
                                             bool previousNotMeasured, GraphColor& color)>;

  TcrvGraphLayer() = default;
  TcrvGraphLayer(const TcrvGraphLayer&) = delete;
  TcrvGraphLayer& operator=(const TcrvGraphLayer&) = delete;
  // Removes the layer from its graph first.
  virtual ~TcrvGraphLayer();

  GraphModel* Graph() const { return graph_; }

  // Checks the axes, in this order, raising EcrvGraph: "Draw: X axis missing
  // from graph layer", "Draw: Y axis missing from graph layer", "Draw: Graph
  // layer not associated with graph", "Draw: X axis not associated with the
  // same graph", "Draw: Y axis not associated with the same graph". The base
  // layer draws nothing.
  virtual CurvePrimitives Draw(const std::string& name, const GraphRect& plot) const;

  void AddBreak(std::int32_t index) { breaks.push_back(index); }
  bool IsBreak(std::int32_t index) const;

  // X of sample i by the X axis's mode (no X axis: i).
  long double IndexToX(std::int32_t i) const;
  // Sample nearest to an X value; -1 when it cannot be computed. Mode 2
  // searches the x array: ascending values by bisection, ties to the lower
  // index; other arrays by a full scan with the same rule.
  std::int32_t XToIndex(long double x) const;

  // The min/max pyramid of the Y samples, built on first use after a change.
  const CurveEnvelope& Envelope() const;

  TcrvHorizontalGraphAxis* xAxis = nullptr;
  TcrvVerticalGraphAxis* yAxis = nullptr;
  GraphColor color = kGraphBlack;
  PointColorEvent OnPointColor;
  bool visible = true;
  std::uint8_t markStyle = 0;  // 0 none, 1 circle, 2 square, 3 cross
  GraphColor highlightColor = kGraphRed;
  bool drawLines = true;
  TcrvIntegerArray y;
  TcrvExtendedArray x;
  std::vector<std::int32_t> breaks;
  long double xFactor = 1;
  long double xOffset = 0;
  bool blackAndWhite = false;  // set only while printing
  std::int32_t minMarkerIndex = -1;
  std::int32_t maxMarkerIndex = -1;

 protected:
  void CheckDraw() const;

 private:
  friend class GraphModel;
  GraphModel* graph_ = nullptr;
  mutable CurveEnvelope envelope_;
  mutable std::uint64_t envelopeVersion_ = ~std::uint64_t{0};
  mutable const long double* envelopeData_ = nullptr;
};

// The only curve kind: a polyline with optional point marks, gaps, not
// measured markings and min/max markers.
class TcrvLineGraphLayer : public TcrvGraphLayer {
 public:
  CurvePrimitives Draw(const std::string& name, const GraphRect& plot) const override;
  std::int32_t unused = 0;
};

struct GraphScrollBar {
  static constexpr int kHeight = 10;
  bool visible = false;
  GraphRect rect;
  int position = 0;
  int maximum = 0;
  int smallChange = 1;
  int largeChange = 1;
};

// The graph: lists of axes and layers, zoom, markers, selection and the
// crosshair state. The widget calls Layout with its client rectangle.
class GraphModel {
 public:
  template <class T>
  struct Entry {
    std::string name;
    T* object;
    // The object as the graph's base type, taken when it was added: an axis
    // that leaves its graph from its base destructor is found by this
    // address, when its own type is already gone.
    const void* key = nullptr;
  };

  GraphModel() = default;
  GraphModel(const GraphModel&) = delete;
  GraphModel& operator=(const GraphModel&) = delete;
  // Frees the lists and detaches the axes and layers (they stay alive).
  virtual ~GraphModel();

  // "AddAxis: An axis cannot be added to more than one graph",
  // "AddAxis: Unknown axis type".
  void AddAxis(const std::string& name, TcrvGraphAxis* axis);
  // "AddLayer: A layer cannot be added to more than one graph".
  void AddLayer(const std::string& name, TcrvGraphLayer* layer);
  // "RemoveAxis: The graph and axis are not connected", "RemoveAxis: Unknown
  // axis type"; an axis not in the list is ignored.
  void RemoveAxis(TcrvGraphAxis* axis);
  // "RemoveLayer: The graph and layer are not connected".
  void RemoveLayer(TcrvGraphLayer* layer);

  int HorizontalAxisCount() const { return static_cast<int>(horizontal_.size()); }
  int VerticalAxisCount() const { return static_cast<int>(vertical_.size()); }
  int LayerCount() const { return static_cast<int>(layers_.size()); }
  TcrvHorizontalGraphAxis* HorizontalAxis(int i) const { return horizontal_.at(i).object; }
  TcrvVerticalGraphAxis* VerticalAxis(int i) const { return vertical_.at(i).object; }
  TcrvGraphLayer* Layer(int i) const { return layers_.at(i).object; }
  const std::string& HorizontalAxisName(int i) const { return horizontal_.at(i).name; }
  const std::string& VerticalAxisName(int i) const { return vertical_.at(i).name; }
  const std::string& LayerName(int i) const { return layers_.at(i).name; }
  int IndexOfLayer(const TcrvGraphLayer* layer) const;
  // The layer at the selected index, or null.
  TcrvGraphLayer* SelectedLayer() const;

  // Working, data and displayed ranges of every vertical axis from the
  // curves (hidden ones included) and the manual scales.
  void ComputeRanges();
  // Full re-layout in the client rectangle: ranges, vertical axis strips,
  // plot rectangle, scroll bar, horizontal axis strips, rounded ranges.
  void Layout(const GraphTextMetrics& metrics, const GraphRect& client);

  int FixedWidth() const { return fixedWidth_; }
  // Stores the zoom width (pixels, 0 = fit) and asks for a layout.
  void SetFixedWidth(int pixels);
  int ScrollPosition() const { return scrollBar_.visible ? scrollBar_.position : 0; }
  // Clamped to 0..scroll bar maximum.
  void SetScrollPosition(int position);
  const GraphScrollBar& ScrollBar() const { return scrollBar_; }

  const GraphRect& ClientRect() const { return client_; }
  const GraphRect& PlotRect() const { return plot_; }
  // The plot rectangle as painted: its right edge reaches past the client
  // when the zoomed plot is wider than the window.
  GraphRect FrameRect() const;
  bool LayoutNeeded() const { return layoutNeeded_; }
  void SetLayoutNeeded() { layoutNeeded_ = true; }

  // Markers: X values, -1 = not set.
  long double startMarker = -1;
  long double endMarker = -1;
  GraphColor color = kGraphWhite;  // background of the control
  char decimalSeparator = ',';     // of the default tick labels
  bool hideCrosshairLines = false;

  int SelectedLayerIndex() const { return selectedLayer_; }
  void SetSelectedLayerIndex(int index) { selectedLayer_ = index; }
  std::int32_t CrosshairIndex() const { return crosshairIndex_; }
  void SetCrosshairIndex(std::int32_t index) { crosshairIndex_ = index; }
  long double MouseX() const { return mouseX_; }
  void SetMouseX(long double x) { mouseX_ = x; }

 private:
  std::vector<Entry<TcrvHorizontalGraphAxis>> horizontal_;
  std::vector<Entry<TcrvVerticalGraphAxis>> vertical_;
  std::vector<Entry<TcrvGraphLayer>> layers_;
  int fixedWidth_ = 0;
  GraphRect client_;
  GraphRect plot_;
  GraphScrollBar scrollBar_;
  bool layoutNeeded_ = true;
  int selectedLayer_ = -1;
  std::int32_t crosshairIndex_ = -1;
  long double mouseX_ = -1;
};

}  // namespace gd
