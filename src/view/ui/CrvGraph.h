// `TcrvGraph`: the chart control that draws time curves of measured values.
//
// The state lives in a pure GraphModel (view/GraphModel.h: axes, layers,
// zoom, markers, selection, mappings, layout); everything painted is first
// computed as GraphPaintParams (view/GraphGeometry.h). The widget binds both
// to a window: it lays out on resize, paints the plot once into a cached
// image and shows it, draws the crosshair over that image (so moving or
// removing it restores the plot exactly, without repainting the curves),
// owns the zoom scroll bar and handles the mouse.
//
// Typical use by a window:
//   auto* graph = new TcrvGraph(panel);
//   graph->AddAxis("Time", &timeAxis);  graph->AddAxis(name, &yAxis);
//   graph->AddLayer(curveName, &layer);  // layer.y filled before or after
//   graph->Layout();  graph->SelectLayer(0);
//   graph->Model().startMarker = x;  graph->RepaintPlot();
//   graph->SetFixedWidth(pixels);    // zoom: 0 = fit to the window
// Axes and layers stay owned by the caller; they must outlive their
// membership (their destructors remove them) or be removed first.
//
// Render() draws the whole control without the crosshair with any painter
// (an image, an SVG generator, a printer), using the current layout in the
// widget's pixel coordinates; set a transform on the painter to scale it.
#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "view/GraphGeometry.h"
#include "view/GraphModel.h"

class QMenu;
class QScrollBar;

namespace gd::ui {

// Cursor ids of the control: 1001 "CROSSANDCHART", 1002 "CROSSANDDIAGRAMM"
// (over a vertical axis), 1004 the logo, 1005 "CROSS45" (hidden curve).
QCursor GraphCursor(int id);

// Text metrics of the graph's fonts on a paint device (the screen when null).
class QtGraphTextMetrics : public GraphTextMetrics {
 public:
  explicit QtGraphTextMetrics(QPaintDevice* device = nullptr) : device_(device) {}
  int TextWidth(const GraphFont& font, const std::string& text) const override;
  int TextHeight(const GraphFont& font) const override;

 private:
  QPaintDevice* device_;
};

// The QFont of a graph font.
QFont ToQFont(const GraphFont& font);
QColor ToQColor(GraphColor color);

// Paints precomputed graph geometry: background, vertical axes, frame,
// horizontal axes, marker hatching and lines, curves, in this order.
void PaintGraph(QPainter& painter, const GraphPaintParams& params, const QPalette& palette);
// The 8 x 8 hatching pattern: `background` with black pixels where
// row mod 4 = column mod 4.
QImage MarkerHatchPattern(GraphColor background);

class TcrvGraph : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaxFixedWidth = 30000;

  explicit TcrvGraph(QWidget* parent = nullptr);
  ~TcrvGraph() override;

  GraphModel& Model() { return model_; }
  const GraphModel& Model() const { return model_; }

  // Structure (messages as GraphModel's); the next paint lays out again.
  void AddAxis(const std::string& name, TcrvGraphAxis* axis);
  void AddLayer(const std::string& name, TcrvGraphLayer* layer);
  void RemoveAxis(TcrvGraphAxis* axis);
  void RemoveLayer(TcrvGraphLayer* layer);

  // Zoom width in pixels (0 = fit to the window), 0..30000; lays out again.
  int FixedWidth() const { return model_.FixedWidth(); }
  void SetFixedWidth(int pixels);
  int ScrollPosition() const { return model_.ScrollPosition(); }
  void SetScrollPosition(int position);

  void ComputeRanges() { model_.ComputeRanges(); }
  // Full re-layout in the current size, then a full repaint.
  void Layout();
  // Repaints the plot after marker, style, statistics or data changes
  // (the crosshair reappears with the next mouse move).
  void RepaintPlot();

  // Selects a curve (negative: none); fires OnLayerChange.
  void SelectLayer(int index);
  // Moves the crosshair of the selected layer to a sample; returns its Y
  // value (-1e38 when there is none). A negative index removes it.
  long double ShowCrosshair(std::int32_t index);
  void HideCrosshair() { ShowCrosshair(-1); }
  bool CrosshairShown() const { return crosshair_.shown; }

  // The menu opened by a right click in the plot (not owned).
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

  // Draws the control without crosshair onto any painter.
  void Render(QPainter& painter, bool blackAndWhite = false);
  // The control as an image of its size.
  QImage RenderImage(bool blackAndWhite = false);
  // Geometry of the current paint (for tests and printing).
  GraphPaintParams PaintParams(bool blackAndWhite = false);

  std::function<void(TcrvGraph& sender, std::int32_t index)> OnPointClick;
  std::function<void(TcrvGraph& sender, int layer, long double y, long double x,
                     std::int32_t index)>
      OnCursorValue;
  std::function<void(TcrvGraph& sender, Qt::KeyboardModifiers shift, QPoint pos)> OnMouseMove;
  std::function<void(TcrvGraph& sender, int layer)> OnLayerChange;
  std::function<void(TcrvGraph& sender, Qt::MouseButton button, TcrvVerticalGraphAxis* axis, int x,
                     int y)>
      OnAxisRightClick;
  // The zoom width changed through the mouse wheel (keep a zoom control in step).
  std::function<void(TcrvGraph& sender, int fixedWidth)> OnZoomChange;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void EnsureLayout();
  void ApplyScrollBar();
  void InvalidatePlot();
  void RebuildCache();
  QRegion CrosshairRegion(const CrosshairGeometry& c) const;
  void PaintCrosshair(QPainter& painter, const CrosshairGeometry& c) const;
  TcrvVerticalGraphAxis* AxisAt(QPoint pos) const;
  void CycleLayerOnAxis(TcrvVerticalGraphAxis* axis);
  void HandleMouseMove(QPoint pos, Qt::KeyboardModifiers modifiers);
  void ZoomAround(int mouseX, double factor);

  GraphModel model_;
  QtGraphTextMetrics metrics_;
  QScrollBar* scrollBar_ = nullptr;
  QMenu* popupMenu_ = nullptr;
  QImage cache_;
  bool cacheValid_ = false;
  bool scrollBarUpdating_ = false;
  CrosshairGeometry crosshair_;
};

}  // namespace gd::ui
