#include "view/ui/CrvGraph.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace gd::ui {

namespace {
constexpr long double kNotMeasuredValue = 1.5e38L;
constexpr long double kNotStoredValue = -1.6e38L;
}  // namespace

TcrvGraph::TcrvGraph(QWidget* parent) : QWidget(parent), metrics_(this) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  scrollBar_ = new QScrollBar(Qt::Horizontal, this);
  scrollBar_->setFixedHeight(GraphScrollBar::kHeight);
  scrollBar_->hide();
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (scrollBarUpdating_) return;
    model_.SetScrollPosition(value);
    RepaintPlot();
  });
}

TcrvGraph::~TcrvGraph() = default;

void TcrvGraph::AddAxis(const std::string& name, TcrvGraphAxis* axis) {
  model_.AddAxis(name, axis);
  InvalidatePlot();
}

void TcrvGraph::AddLayer(const std::string& name, TcrvGraphLayer* layer) {
  model_.AddLayer(name, layer);
  InvalidatePlot();
}

void TcrvGraph::RemoveAxis(TcrvGraphAxis* axis) {
  model_.RemoveAxis(axis);
  InvalidatePlot();
}

void TcrvGraph::RemoveLayer(TcrvGraphLayer* layer) {
  model_.RemoveLayer(layer);
  crosshair_ = {};
  InvalidatePlot();
}

void TcrvGraph::SetFixedWidth(int pixels) {
  model_.SetFixedWidth(std::clamp(pixels, 0, kMaxFixedWidth));
  Layout();
}

void TcrvGraph::SetScrollPosition(int position) {
  EnsureLayout();
  model_.SetScrollPosition(position);
  ApplyScrollBar();
  RepaintPlot();
}

void TcrvGraph::Layout() {
  model_.Layout(metrics_, GraphRect{0, 0, width(), height()});
  ApplyScrollBar();
  InvalidatePlot();
}

void TcrvGraph::EnsureLayout() {
  if (model_.LayoutNeeded()) Layout();
}

void TcrvGraph::ApplyScrollBar() {
  const GraphScrollBar& bar = model_.ScrollBar();
  scrollBarUpdating_ = true;
  if (bar.visible) {
    scrollBar_->setGeometry(bar.rect.left, bar.rect.top, bar.rect.Width(), bar.rect.Height());
    scrollBar_->setRange(0, bar.maximum);
    scrollBar_->setSingleStep(bar.smallChange);
    scrollBar_->setPageStep(bar.largeChange);
    scrollBar_->setValue(bar.position);
    scrollBar_->show();
  } else {
    scrollBar_->hide();
    scrollBar_->setValue(0);
  }
  scrollBarUpdating_ = false;
}

void TcrvGraph::InvalidatePlot() {
  cacheValid_ = false;
  crosshair_.shown = false;
  update();
}

void TcrvGraph::RepaintPlot() { InvalidatePlot(); }

GraphPaintParams TcrvGraph::PaintParams(bool blackAndWhite) {
  EnsureLayout();
  return ComputePaintParams(model_, metrics_, blackAndWhite);
}

void TcrvGraph::Render(QPainter& painter, bool blackAndWhite) {
  PaintGraph(painter, PaintParams(blackAndWhite), palette());
}

QImage TcrvGraph::RenderImage(bool blackAndWhite) {
  QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32_Premultiplied);
  image.fill(palette().color(QPalette::Window));
  QPainter painter(&image);
  Render(painter, blackAndWhite);
  return image;
}

void TcrvGraph::RebuildCache() {
  const qreal dpr = devicePixelRatioF();
  const QSize size(std::max(1, static_cast<int>(std::ceil(width() * dpr))),
                   std::max(1, static_cast<int>(std::ceil(height() * dpr))));
  if (cache_.size() != size) cache_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  cache_.setDevicePixelRatio(dpr);
  cache_.fill(palette().color(QPalette::Window));
  QPainter painter(&cache_);
  Render(painter, false);
  cacheValid_ = true;
}

void TcrvGraph::paintEvent(QPaintEvent* event) {
  EnsureLayout();
  if (!cacheValid_) RebuildCache();
  QPainter painter(this);
  const QRect r = event->rect();
  painter.drawImage(
      r, cache_,
      QRectF(r.x() * cache_.devicePixelRatio(), r.y() * cache_.devicePixelRatio(),
             r.width() * cache_.devicePixelRatio(), r.height() * cache_.devicePixelRatio()));
  if (crosshair_.shown) PaintCrosshair(painter, crosshair_);
}

void TcrvGraph::resizeEvent(QResizeEvent* /*event*/) {
  if (scrollBarUpdating_) return;
  const GraphRect client{0, 0, width(), height()};
  if (model_.LayoutNeeded() || !(model_.ClientRect() == client)) Layout();
}

// ---- crosshair -------------------------------------------------------------

QRegion TcrvGraph::CrosshairRegion(const CrosshairGeometry& c) const {
  QRegion region;
  if (!c.shown) return region;
  const QRect plot(c.plot.left, c.plot.top, c.plot.Width(), c.plot.Height());
  if (c.vertical) region += QRect(c.x, c.plot.top, 1, c.plot.Height()).intersected(plot);
  if (c.horizontal) region += QRect(c.plot.left, c.y, c.plot.Width(), 1).intersected(plot);
  if (c.axisLineRight > c.axisLineLeft) {
    region += QRect(c.axisLineLeft, c.y, c.axisLineRight - c.axisLineLeft, 1);
    const QRect box(c.axisBox.left, c.axisBox.top, c.axisBox.Width(), c.axisBox.Height());
    // The outline only.
    region += QRegion(box).subtracted(QRegion(box.adjusted(1, 1, -1, -1)));
  }
  return region;
}

void TcrvGraph::PaintCrosshair(QPainter& painter, const CrosshairGeometry& c) const {
  // Inverts every covered pixel exactly once, over the cached plot.
  painter.save();
  painter.setClipRegion(CrosshairRegion(c));
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.fillRect(rect(), Qt::white);
  painter.restore();
}

long double TcrvGraph::ShowCrosshair(std::int32_t index) {
  EnsureLayout();
  const CrosshairGeometry next = ComputeCrosshair(model_, index);
  if (crosshair_.shown) update(CrosshairRegion(crosshair_));
  crosshair_ = next;
  model_.SetCrosshairIndex(next.shown ? index : -1);
  if (crosshair_.shown) update(CrosshairRegion(crosshair_));
  return next.shown ? next.value : -1e38L;
}

void TcrvGraph::SelectLayer(int index) {
  if (index >= model_.LayerCount()) return;
  ShowCrosshair(-1);
  model_.SetSelectedLayerIndex(index < 0 ? -1 : index);
  model_.SetCrosshairIndex(-1);
  // The selected curve's axis takes its colour.
  InvalidatePlot();
  if (OnLayerChange) OnLayerChange(*this, index);
}

// ---- mouse -----------------------------------------------------------------

TcrvVerticalGraphAxis* TcrvGraph::AxisAt(QPoint pos) const {
  for (int i = 0; i < model_.VerticalAxisCount(); ++i) {
    TcrvVerticalGraphAxis* a = model_.VerticalAxis(i);
    if (a->visible && a->strip.Contains(pos.x(), pos.y())) return a;
  }
  return nullptr;
}

void TcrvGraph::CycleLayerOnAxis(TcrvVerticalGraphAxis* axis) {
  const int count = model_.LayerCount();
  const int start = model_.SelectedLayerIndex();
  for (int step = 1; step <= count; ++step) {
    const int i = ((start < 0 ? -1 : start) + step) % count;
    const TcrvGraphLayer* layer = model_.Layer(i);
    if (layer->visible && layer->yAxis == axis) {
      if (i != start) SelectLayer(i);
      return;
    }
  }
}

void TcrvGraph::HandleMouseMove(QPoint pos, Qt::KeyboardModifiers modifiers) {
  EnsureLayout();
  if (OnMouseMove) OnMouseMove(*this, modifiers, pos);
  model_.SetMouseX(-1);
  const GraphRect plot = model_.PlotRect();
  TcrvGraphLayer* layer = model_.SelectedLayer();
  const int layerIndex = model_.SelectedLayerIndex();
  if (plot.Contains(pos.x(), pos.y()) && model_.HorizontalAxisCount() > 0 && layer != nullptr &&
      layer->xAxis != nullptr) {
    const TcrvHorizontalGraphAxis& xa = *layer->xAxis;
    long double xValue = xa.PixelToValue(pos.x());
    model_.SetMouseX(xValue);
    long double yValue = kNotMeasuredValue;
    if (!layer->visible) {
      setCursor(GraphCursor(1005));
    } else {
      const std::int32_t index = layer->XToIndex(xValue);
      if (index < 0 || index > layer->y.HighIndex()) {
        setCursor(Qt::CrossCursor);
      } else {
        const int sx = xa.ValueToPixel(layer->IndexToX(index));
        const GraphRect frame = model_.FrameRect();
        if (sx >= frame.left && sx < frame.right) {
          xValue = layer->IndexToX(index);
          model_.SetMouseX(xValue);
          yValue = ShowCrosshair(index);
          if (yValue < -kNoValueLimit)
            setCursor(Qt::CrossCursor);
          else
            setCursor(Qt::BlankCursor);
        }
      }
    }
    if (OnCursorValue) OnCursorValue(*this, layerIndex, yValue, xValue, model_.CrosshairIndex());
    return;
  }
  if (model_.CrosshairIndex() >= 0 || crosshair_.shown) {
    ShowCrosshair(-1);
    if (OnCursorValue) {
      OnCursorValue(*this, layerIndex, kNotMeasuredValue, -1, -1);
      OnCursorValue(*this, layerIndex, kNotStoredValue, -1, -1);
    }
  }
  if (AxisAt(pos) != nullptr)
    setCursor(GraphCursor(1002));
  else
    unsetCursor();
}

void TcrvGraph::mouseMoveEvent(QMouseEvent* event) {
  HandleMouseMove(event->position().toPoint(), event->modifiers());
}

void TcrvGraph::mousePressEvent(QMouseEvent* event) {
  EnsureLayout();
  const QPoint pos = event->position().toPoint();
  const GraphRect plot = model_.PlotRect();
  TcrvGraphLayer* layer = model_.SelectedLayer();
  if (plot.Contains(pos.x(), pos.y()) && model_.HorizontalAxisCount() > 0 && layer != nullptr &&
      layer->xAxis != nullptr) {
    HandleMouseMove(pos, event->modifiers());
    if (event->button() == Qt::LeftButton) {
      if (OnPointClick) OnPointClick(*this, layer->XToIndex(layer->xAxis->PixelToValue(pos.x())));
    } else if (event->button() == Qt::RightButton && popupMenu_ != nullptr) {
      popupMenu_->popup(event->globalPosition().toPoint());
    }
    return;
  }
  if (TcrvVerticalGraphAxis* axis = AxisAt(pos)) {
    if (event->button() == Qt::LeftButton) {
      CycleLayerOnAxis(axis);
    } else if (event->button() == Qt::RightButton && OnAxisRightClick) {
      OnAxisRightClick(*this, event->button(), axis, pos.x(), pos.y());
    }
  }
}

void TcrvGraph::ZoomAround(int mouseX, double factor) {
  EnsureLayout();
  if (model_.HorizontalAxisCount() == 0) return;
  const TcrvHorizontalGraphAxis& xa = *model_.HorizontalAxis(0);
  if (!(xa.min < xa.max)) return;
  const GraphRect plot = model_.PlotRect();
  mouseX = std::clamp(mouseX, plot.left, std::max(plot.left, model_.ClientRect().right - 1));
  const long double value = xa.PixelToValue(mouseX);
  const int current = model_.FixedWidth() != 0 ? model_.FixedWidth() : plot.Width();
  const int visible = model_.ClientRect().right - plot.left;
  long next = std::lround(current * factor);
  if (next == current) next += factor > 1 ? 1 : -1;
  if (next <= visible) next = 0;
  next = std::clamp<long>(next, 0, kMaxFixedWidth);
  if (next == model_.FixedWidth()) return;
  SetFixedWidth(static_cast<int>(next));
  // Keep the value under the mouse where it was.
  const int shift = xa.ValueToPixel(value) - mouseX;
  model_.SetScrollPosition(model_.ScrollPosition() + shift);
  ApplyScrollBar();
  InvalidatePlot();
  if (OnZoomChange) OnZoomChange(*this, model_.FixedWidth());
}

void TcrvGraph::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  ZoomAround(static_cast<int>(event->position().x()), std::pow(1.25, delta / 120.0));
  event->accept();
}

}  // namespace gd::ui
