#include "view/DiagramGraph.h"

#include <algorithm>
#include <cmath>

namespace gd {

DiagramGraph::~DiagramGraph() { Clear(); }

void DiagramGraph::Clear() {
  if (graph_ != nullptr) {
    for (auto& layer : layers_)
      if (layer->Graph() == graph_) graph_->RemoveLayer(layer.get());
    for (auto& axis : axes_)
      if (axis->Graph() == graph_) graph_->RemoveAxis(axis.get());
    if (time_ && time_->Graph() == graph_) graph_->RemoveAxis(time_.get());
    graph_->SetSelectedLayerIndex(-1);
    graph_->SetCrosshairIndex(-1);
  }
  layers_.clear();
  axes_.clear();
  time_.reset();
  items_.clear();
  graph_ = nullptr;
}

void DiagramGraph::Bind(GraphModel& graph, DiagramCurves& curves) {
  Clear();
  graph_ = &graph;
  graph.startMarker = -1;
  graph.endMarker = -1;
  xMode_ = curves.XMode();
  seriesStart_ = curves.SeriesStart();

  time_ = std::make_unique<TcrvHorizontalGraphAxis>();
  time_->xMode = static_cast<std::uint8_t>(xMode_);
  time_->min = curves.TimeMin();
  time_->max = curves.TimeMax();
  const int mode = xMode_;
  const double start = seriesStart_;
  time_->OnGetLabel = [mode, start](TcrvHorizontalGraphAxis&, std::string& text, long double value,
                                    long double step) {
    text = TimeLabel(mode, start, value, step);
  };

  for (const DiagramAxis& a : curves.Axes()) {
    auto axis = std::make_unique<TcrvVerticalGraphAxis>();
    axis->caption = a.name;
    axis->resolution = a.resolution > 0 ? a.resolution : 0.01L;
    axis->decimals = a.decimals;
    axes_.push_back(std::move(axis));
  }

  for (TGraphLayItem& item : curves.Curves()) {
    auto layer = std::make_unique<TcrvLineGraphLayer>();
    layer->xAxis = time_.get();
    layer->yAxis = item.axis >= 0 ? axes_[static_cast<std::size_t>(item.axis)].get() : nullptr;
    layer->xFactor = item.xFactor;
    layer->xOffset = item.xOffset;
    for (std::size_t i = 0; i < item.y.size(); ++i)
      layer->y.SetValue(static_cast<std::int32_t>(i), item.y[i]);
    for (std::size_t i = 0; i < item.x.size(); ++i)
      layer->x.SetValue(static_cast<std::int32_t>(i), item.x[i]);
    // The graph holds the samples from now on.
    item.y = {};
    item.x = {};
    items_.push_back(item);
    layers_.push_back(std::move(layer));
  }

  graph.AddAxis(kTimeAxisName, time_.get());
  for (auto& axis : axes_) graph.AddAxis(axis->caption, axis.get());
  for (std::size_t k = 0; k < layers_.size(); ++k)
    graph.AddLayer(items_[k].Name(), layers_[k].get());
  graph.SetFixedWidth(0);
  graph.SetSelectedLayerIndex(layers_.empty() ? -1 : 0);
  graph.SetCrosshairIndex(-1);
  graph.ComputeRanges();
}

bool DiagramGraph::AnyVisible() const {
  return std::any_of(layers_.begin(), layers_.end(), [](const auto& l) { return l->visible; });
}

bool DiagramGraph::AnyHidden() const {
  return std::any_of(layers_.begin(), layers_.end(), [](const auto& l) { return !l->visible; });
}

int DiagramGraph::CurveOf(const TcrvGraphLayer* layer) const {
  for (std::size_t k = 0; k < layers_.size(); ++k)
    if (layers_[k].get() == layer) return static_cast<int>(k);
  return -1;
}

// --- Styles -----------------------------------------------------------------------

void DiagramGraph::ApplyStyles(const GraphStyleStore& store) {
  if (graph_ != nullptr) {
    graph_->color = kDefaultGraphColor;
    if (store.read) {
      if (auto v = store.read(kMainColorKey)) {
        CurveStyle main;
        ApplyCurveStyleValue(*v, main);
        graph_->color = main.color;
      }
    }
  }
  for (std::size_t k = 0; k < layers_.size(); ++k) {
    TcrvLineGraphLayer& layer = *layers_[k];
    CurveStyle style{DefaultCurveColor(static_cast<int>(k)), 0, true, true};
    if (store.read) {
      if (auto v = store.read(CurveStyleKey(items_[k].column, items_[k].channel)))
        ApplyCurveStyleValue(*v, style);
    }
    layer.color = style.color;
    layer.markStyle = static_cast<std::uint8_t>(style.mark);
    layer.drawLines = style.lines;
    layer.visible = style.visible;
  }
}

void DiagramGraph::StoreStyles(const GraphStyleStore& store) const {
  if (!store.write) return;
  if (graph_ != nullptr) store.write(kMainColorKey, std::to_string(graph_->color));
  for (std::size_t k = 0; k < layers_.size(); ++k) {
    const TcrvLineGraphLayer& layer = *layers_[k];
    store.write(
        CurveStyleKey(items_[k].column, items_[k].channel),
        CurveStyleValue(CurveStyle{layer.color, layer.markStyle, layer.drawLines, layer.visible}));
  }
}

// --- Statistics ---------------------------------------------------------------------

StatisticsRecord DiagramGraph::Statistics(int curve) const {
  const TcrvLineGraphLayer& layer = Layer(curve);
  std::optional<std::int32_t> start, end;
  if (graph_ != nullptr && graph_->startMarker != -1) start = layer.XToIndex(graph_->startMarker);
  if (graph_ != nullptr && graph_->endMarker != -1) end = layer.XToIndex(graph_->endMarker);
  const std::span<const long double> samples(layer.y.Data(),
                                             static_cast<std::size_t>(layer.y.Count()));
  return ComputeStatistics(samples, start, end);
}

StatisticsCurve DiagramGraph::StatisticsCurveOf(int curve) const {
  const TcrvLineGraphLayer& layer = Layer(curve);
  const TGraphLayItem& item = Item(curve);
  StatisticsCurve c;
  c.name = item.Name();
  c.unit = item.unit;
  c.decimals = item.decimals;
  c.highIndex = layer.y.HighIndex();
  c.seriesStart = item.seriesStart;
  c.xFactor = layer.xFactor;
  if (xMode_ == kXModeExplicit)
    c.explicitX =
        std::span<const long double>(layer.x.Data(), static_cast<std::size_t>(layer.x.Count()));
  return c;
}

void DiagramGraph::SetMinMaxMarkers(int curve) {
  const StatisticsRecord r = Statistics(curve);
  TcrvLineGraphLayer& layer = Layer(curve);
  layer.minMarkerIndex = r.minimumSample;
  layer.maxMarkerIndex = r.maximumSample;
}

void DiagramGraph::SetMinMaxMarkersOfVisible() {
  for (int k = 0; k < CurveCount(); ++k)
    if (Layer(k).visible) SetMinMaxMarkers(k);
}

bool DiagramGraph::ClearMinMaxMarkers() {
  bool any = false;
  for (auto& layer : layers_) {
    if (!layer->visible) continue;
    any = any || layer->minMarkerIndex >= 0 || layer->maxMarkerIndex >= 0;
    layer->minMarkerIndex = layer->maxMarkerIndex = -1;
  }
  return any;
}

bool DiagramGraph::AnyMinMaxMarker() const {
  return std::any_of(layers_.begin(), layers_.end(), [](const auto& l) {
    return l->visible && (l->minMarkerIndex >= 0 || l->maxMarkerIndex >= 0);
  });
}

// --- Scaling -------------------------------------------------------------------------

bool DiagramGraph::ScaleAxisToCurve(int curve) {
  TcrvLineGraphLayer& layer = Layer(curve);
  if (layer.yAxis == nullptr) return false;
  const StatisticsRecord r = Statistics(curve);
  if (r.valid == 0) return false;
  layer.yAxis->userMin = r.minimum;
  layer.yAxis->userMax = r.maximum;
  layer.yAxis->manualScale = true;
  return true;
}

void DiagramGraph::ScaleAllToData() {
  if (graph_ != nullptr) graph_->ComputeRanges();
  for (auto& axis : axes_) {
    axis->userMin = axis->dataMin;
    axis->userMax = axis->dataMax;
    axis->manualScale = true;
  }
}

void DiagramGraph::AutoScaleAll() {
  for (auto& axis : axes_) axis->manualScale = false;
}

bool DiagramGraph::AnyManualScale() const {
  return std::any_of(axes_.begin(), axes_.end(), [](const auto& a) { return a->manualScale; });
}

// --- Markers and zoom ------------------------------------------------------------------

void DiagramGraph::ToggleStartMarker(long double x) {
  if (graph_ == nullptr) return;
  x = std::max<long double>(x, 0);
  graph_->startMarker = graph_->startMarker == x ? -1 : x;
}

void DiagramGraph::ToggleEndMarker(long double x) {
  if (graph_ == nullptr) return;
  x = std::max<long double>(x, 0);
  graph_->endMarker = graph_->endMarker == x ? -1 : x;
}

ZoomRange DiagramGraph::MarkersRange() const {
  if (graph_ == nullptr || !time_) return {};
  const long double mouse = graph_->MouseX();
  return MarkerZoomRange(graph_->startMarker != -1, graph_->startMarker, graph_->endMarker != -1,
                         graph_->endMarker, time_->min, time_->max, mouse != -1, mouse);
}

std::optional<ZoomRange> DiagramGraph::MinMaxRange(int curve) const {
  const TcrvLineGraphLayer& layer = Layer(curve);
  if (layer.minMarkerIndex < 0 || layer.maxMarkerIndex < 0) return std::nullopt;
  long double a = layer.IndexToX(layer.minMarkerIndex);
  long double b = layer.IndexToX(layer.maxMarkerIndex);
  if (a > b) std::swap(a, b);
  return ZoomRange{a, b};
}

ZoomRequest ZoomGraphTo(GraphModel& graph, const GraphTextMetrics& metrics, const GraphRect& client,
                        const ZoomRange& range, long double oneSecond) {
  ZoomRequest z;
  if (graph.HorizontalAxisCount() == 0) return z;
  TcrvHorizontalGraphAxis& axis = *graph.HorizontalAxis(0);
  if (graph.LayoutNeeded()) graph.Layout(metrics, client);
  z.fixedWidth = ZoomWidth(range.low, range.high, axis.min, axis.max, oneSecond, client.Width(),
                           graph.PlotRect().left);
  graph.SetFixedWidth(z.fixedWidth);
  graph.Layout(metrics, client);
  graph.SetScrollPosition(0);
  const int xLow = axis.ValueToPixel(range.low);
  const int xHigh = axis.ValueToPixel(range.high);
  z.scrollPosition = ZoomScrollPosition(graph.PlotRect().left, client.right, xLow, xHigh);
  graph.SetScrollPosition(z.scrollPosition);
  z.scrollPosition = graph.ScrollPosition();
  return z;
}

}  // namespace gd
