#include "view/GraphModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "view/GraphGeometry.h"
#include "view/GraphTicks.h"

namespace gd {

namespace {

// Pixel coordinates stay far inside int and inside what a raster engine
// handles, whatever the values.
constexpr long double kPixelLimit = 1e7L;

int ClampPixel(long double p) {
  if (std::isnan(p)) return -1;
  p = std::clamp(p, -kPixelLimit, kPixelLimit);
  // Rounds half away from zero, without a library call.
  return p >= 0 ? static_cast<int>(p + 0.5L) : -static_cast<int>(0.5L - p);
}

}  // namespace

// ---- axes --------------------------------------------------------------

TcrvGraphAxis::~TcrvGraphAxis() {
  if (graph_ != nullptr) {
    try {
      graph_->RemoveAxis(this);
    } catch (...) {
    }
  }
}

int TcrvHorizontalGraphAxis::Measure(const GraphTextMetrics& metrics) const {
  return metrics.TextHeight(font) + 7;
}

long double TcrvHorizontalGraphAxis::ValueToPixelF(long double v) const {
  if (Graph() == nullptr || min == max) return std::numeric_limits<long double>::quiet_NaN();
  const GraphModel& g = *Graph();
  const GraphRect& plot = g.PlotRect();
  const int fixed = g.FixedWidth();
  const long double scroll = g.ScrollBar().visible ? g.ScrollBar().position : 0;
  if (xMode == 0) {
    const long double fraction = (v - min) / (max - min);
    if (fixed != 0) return fraction * (fixed - 30) + strip.left + 15 - scroll;
    return strip.left + 15 + fraction * (strip.Width() - 30) - scroll;
  }
  const long double h = fixed != 0 ? fixed - 30 : plot.right - plot.left - 30;
  return plot.left + (v * h - h * min) / (max - min) - scroll + 15;
}

int TcrvHorizontalGraphAxis::ValueToPixel(long double v) const {
  if (Graph() == nullptr || min == max) return -1;
  return ClampPixel(ValueToPixelF(v));
}

long double TcrvHorizontalGraphAxis::PixelToValue(long double x) const {
  if (Graph() == nullptr) return min;
  const GraphModel& g = *Graph();
  const GraphRect& plot = g.PlotRect();
  const long double h = g.FixedWidth() != 0 ? g.FixedWidth() - 30 : plot.right - plot.left - 30;
  if (h == 0) return min;
  return ((max - min) * (x + g.ScrollPosition() - plot.left - 15) + h * min) / h;
}

int TcrvVerticalGraphAxis::Measure(const GraphTextMetrics& metrics) const {
  if (!visible) return 0;
  const char sep = Graph() != nullptr ? Graph()->decimalSeparator : ',';
  const int captionWidth = metrics.TextHeight(font) + 2;
  int widest = 0;
  if (displayedMin < displayedMax) {
    for (long double v : {displayedMax, displayedMin, -100 * resolution})
      widest = std::max(widest, metrics.TextWidth(font, VerticalAxisLabel(v, decimals, sep)));
  }
  return captionWidth + 7 + widest;
}

int TcrvVerticalGraphAxis::ValueToPixel(long double v) const {
  const long double span = displayedMax - displayedMin;
  if (span == 0 || !std::isfinite(span)) return strip.bottom - 20;
  return ClampPixel(strip.bottom - 20 -
                    (v - displayedMin) / span * (strip.bottom - strip.top - 40));
}

void TcrvVerticalGraphAxis::RoundRange() {
  if (!(displayedMax > displayedMin)) return;
  const long double m = (strip.bottom - strip.top) * resolution;
  if (m > workingMax - workingMin && !manualScale) {
    displayedMin = workingMin - m / 2;
    displayedMax = workingMax + m / 2;
  } else {
    displayedMin = workingMin;
    displayedMax = workingMax;
  }
  const long double e = std::fabs(displayedMax - displayedMin);
  if (!(e > 0) || !std::isfinite(e)) return;
  long double f = 1;
  if (e > 100) {
    for (int guard = 0; guard < 400 && e > 100 * f; ++guard) f *= 10;
  } else {
    for (int guard = 0; guard < 400 && e < 10 * f; ++guard) f /= 10;
  }
  long double lo = f * std::trunc(displayedMin / f - 0.5L);
  long double hi = f * std::trunc(displayedMax / f + 0.49999999999L);
  // Truncation toward zero lifts a negative minimum and rounding to the
  // nearest step can lower the maximum; a bound that would cut off part of
  // the range (a manual scale asked for it whole) goes out to the next step.
  if (lo > displayedMin) lo = f * std::floor(displayedMin / f);
  if (hi < displayedMax) hi = f * std::ceil(displayedMax / f);
  // Rounding must not collapse or invert the range.
  if (hi > lo) {
    displayedMin = lo;
    displayedMax = hi;
  }
}

// ---- layers ------------------------------------------------------------

TcrvGraphLayer::~TcrvGraphLayer() {
  if (graph_ != nullptr) {
    try {
      graph_->RemoveLayer(this);
    } catch (...) {
    }
  }
}

bool TcrvGraphLayer::IsBreak(std::int32_t index) const {
  return std::find(breaks.begin(), breaks.end(), index) != breaks.end();
}

void TcrvGraphLayer::CheckDraw() const {
  if (xAxis == nullptr) throw EcrvGraph("Draw: X axis missing from graph layer");
  if (yAxis == nullptr) throw EcrvGraph("Draw: Y axis missing from graph layer");
  if (graph_ == nullptr) throw EcrvGraph("Draw: Graph layer not associated with graph");
  if (xAxis->Graph() != graph_) throw EcrvGraph("Draw: X axis not associated with the same graph");
  if (yAxis->Graph() != graph_) throw EcrvGraph("Draw: Y axis not associated with the same graph");
}

CurvePrimitives TcrvGraphLayer::Draw(const std::string& /*name*/, const GraphRect& /*plot*/) const {
  CheckDraw();
  return {};
}

long double TcrvGraphLayer::IndexToX(std::int32_t i) const {
  const int mode = xAxis != nullptr ? xAxis->xMode : 0;
  if (mode == 1) return i * xFactor + xOffset;
  if (mode == 2) return x.GetValue(i);
  return i;
}

std::int32_t TcrvGraphLayer::XToIndex(long double value) const {
  const int mode = xAxis != nullptr ? xAxis->xMode : 0;
  long double r;
  if (mode == 1) {
    if (xFactor == 0) return -1;
    r = std::round((value - xOffset) / xFactor);
  } else if (mode == 2) {
    const std::int32_t n = x.HighIndex();
    if (n < 0 || std::isnan(value)) return -1;
    const long double* xs = x.Data();
    if (value >= xs[n]) return n;
    if (value <= xs[0]) return 0;
    if (std::is_sorted(xs, xs + n + 1)) {
      // Nearest sample, ties to the lower index.
      const long double* hi = std::lower_bound(xs, xs + n + 1, value);
      const auto i = static_cast<std::int32_t>(hi - xs);  // 1..n, xs[i] >= value > xs[i-1]
      // Among equal X values the first one.
      const long double* lo = std::lower_bound(xs, xs + n + 1, xs[i - 1]);
      const auto below = static_cast<std::int32_t>(lo - xs);
      return (value - xs[i - 1] <= xs[i] - value) ? below : i;
    }
    std::int32_t best = 0;
    long double bestDistance = std::fabs(value - xs[0]);
    for (std::int32_t i = 1; i <= n; ++i) {
      const long double d = std::fabs(value - xs[i]);
      if (d < bestDistance) {
        bestDistance = d;
        best = i;
      }
    }
    return best;
  } else {
    r = std::round(value);
  }
  if (!std::isfinite(r) || r > std::numeric_limits<std::int32_t>::max() ||
      r < std::numeric_limits<std::int32_t>::min())
    return -1;
  return static_cast<std::int32_t>(r);
}

const CurveEnvelope& TcrvGraphLayer::Envelope() const {
  if (envelopeVersion_ != y.Version() || envelopeData_ != y.Data()) {
    envelope_ = CurveEnvelope(y.Data(), y.Count());
    envelopeVersion_ = y.Version();
    envelopeData_ = y.Data();
  }
  return envelope_;
}

// ---- graph -------------------------------------------------------------

GraphModel::~GraphModel() {
  for (auto& e : horizontal_) e.object->graph_ = nullptr;
  for (auto& e : vertical_) e.object->graph_ = nullptr;
  for (auto& e : layers_) e.object->graph_ = nullptr;
}

void GraphModel::AddAxis(const std::string& name, TcrvGraphAxis* axis) {
  if (axis == nullptr) throw EcrvGraph("AddAxis: Unknown axis type");
  if (axis->graph_ != nullptr)
    throw EcrvGraph("AddAxis: An axis cannot be added to more than one graph");
  if (auto* h = dynamic_cast<TcrvHorizontalGraphAxis*>(axis)) {
    horizontal_.push_back({name, h, axis});
  } else if (auto* v = dynamic_cast<TcrvVerticalGraphAxis*>(axis)) {
    v->caption = name;
    vertical_.push_back({name, v, axis});
  } else {
    throw EcrvGraph("AddAxis: Unknown axis type");
  }
  axis->graph_ = this;
  layoutNeeded_ = true;
}

void GraphModel::AddLayer(const std::string& name, TcrvGraphLayer* layer) {
  if (layer == nullptr) throw EcrvGraph("AddLayer: A layer cannot be added to more than one graph");
  if (layer->graph_ != nullptr)
    throw EcrvGraph("AddLayer: A layer cannot be added to more than one graph");
  layers_.push_back({name, layer, layer});
  layer->graph_ = this;
  layoutNeeded_ = true;
}

void GraphModel::RemoveAxis(TcrvGraphAxis* axis) {
  if (axis == nullptr || axis->graph_ != this)
    throw EcrvGraph("RemoveAxis: The graph and axis are not connected");
  // Found by the address it was added with, not by its type: an axis that is
  // being destroyed is only a TcrvGraphAxis any more.
  const void* key = axis;
  auto removeFrom = [&](auto& list) {
    for (auto it = list.begin(); it != list.end(); ++it) {
      if (it->key == key) {
        list.erase(it);
        axis->graph_ = nullptr;
        layoutNeeded_ = true;
        return true;
      }
    }
    return false;
  };
  if (!removeFrom(horizontal_) && !removeFrom(vertical_))
    throw EcrvGraph("RemoveAxis: Unknown axis type");
}

void GraphModel::RemoveLayer(TcrvGraphLayer* layer) {
  if (layer == nullptr || layer->graph_ != this)
    throw EcrvGraph("RemoveLayer: The graph and layer are not connected");
  for (auto it = layers_.begin(); it != layers_.end(); ++it) {
    if (it->object == layer) {
      const int index = static_cast<int>(it - layers_.begin());
      layers_.erase(it);
      layer->graph_ = nullptr;
      layoutNeeded_ = true;
      // The selection keeps pointing at the same layer, or at none.
      if (selectedLayer_ == index) {
        selectedLayer_ = -1;
        crosshairIndex_ = -1;
      } else if (selectedLayer_ > index) {
        --selectedLayer_;
      }
      return;
    }
  }
}

int GraphModel::IndexOfLayer(const TcrvGraphLayer* layer) const {
  for (std::size_t i = 0; i < layers_.size(); ++i)
    if (layers_[i].object == layer) return static_cast<int>(i);
  return -1;
}

TcrvGraphLayer* GraphModel::SelectedLayer() const {
  if (selectedLayer_ < 0 || selectedLayer_ >= LayerCount()) return nullptr;
  return layers_[static_cast<std::size_t>(selectedLayer_)].object;
}

void GraphModel::ComputeRanges() {
  for (auto& e : vertical_) {
    e.object->workingMin = 1.1e38L;
    e.object->workingMax = -1.1e38L;
  }
  for (auto& e : layers_) {
    TcrvGraphLayer& layer = *e.object;
    if (layer.yAxis == nullptr || layer.yAxis->Graph() != this) continue;
    const EnvelopeSpan span = layer.Envelope().Whole();
    if (!span.hasValue) continue;
    layer.yAxis->workingMin = std::min(layer.yAxis->workingMin, span.min);
    layer.yAxis->workingMax = std::max(layer.yAxis->workingMax, span.max);
  }
  for (auto& e : vertical_) {
    TcrvVerticalGraphAxis& a = *e.object;
    a.dataMin = a.workingMin;
    a.dataMax = a.workingMax;
    if (a.manualScale) {
      a.workingMin = a.userMin;
      a.workingMax = a.userMax;
    }
    if (a.workingMin == a.workingMax) {
      // A constant curve: 10 % and one resolution step around it, the
      // lower end below the upper one also for negative values.
      const long double v = a.workingMin;
      a.workingMin = v * 0.9L - a.resolution;
      a.workingMax = v * 1.1L + a.resolution;
      if (a.workingMin > a.workingMax) {
        a.workingMin = v * 1.1L - a.resolution;
        a.workingMax = v * 0.9L + a.resolution;
      }
    }
    a.displayedMin = a.workingMin;
    a.displayedMax = a.workingMax;
  }
}

void GraphModel::SetFixedWidth(int pixels) {
  fixedWidth_ = std::max(pixels, 0);
  layoutNeeded_ = true;
}

void GraphModel::SetScrollPosition(int position) {
  scrollBar_.position = std::clamp(position, 0, scrollBar_.maximum);
}

GraphRect GraphModel::FrameRect() const {
  GraphRect frame = plot_;
  if (fixedWidth_ != 0 && plot_.left + fixedWidth_ > client_.right)
    frame.right = client_.right + 100;
  return frame;
}

void GraphModel::Layout(const GraphTextMetrics& metrics, const GraphRect& client) {
  client_ = client;
  plot_ = client;
  ComputeRanges();

  // Vertical axes: visible only when a visible layer uses them.
  for (auto& e : vertical_) {
    TcrvVerticalGraphAxis& a = *e.object;
    a.visible = std::any_of(layers_.begin(), layers_.end(), [&](const Entry<TcrvGraphLayer>& l) {
      return l.object->visible && l.object->yAxis == &a;
    });
  }
  int x = client.left;
  int total = 0;
  for (auto& e : vertical_) {
    TcrvVerticalGraphAxis& a = *e.object;
    a.captionStripWidth = metrics.TextHeight(a.font) + 2;
    if (!a.visible) continue;
    const int width = a.Measure(metrics);
    a.strip.left = x;
    a.strip.top = plot_.top;
    a.strip.right = x + width;
    x = a.strip.right + 3;
    total += width + 3;
  }
  plot_.left = client.left + total + 3;
  if (fixedWidth_ != 0 && plot_.left + fixedWidth_ < client.right) fixedWidth_ = 0;
  plot_.right = fixedWidth_ != 0 ? plot_.left + fixedWidth_ : client.right;

  // Scroll bar under the plot when the zoomed plot is wider than the window.
  const bool wasVisible = scrollBar_.visible;
  scrollBar_.visible = fixedWidth_ != 0 && client.right < plot_.left + fixedWidth_;
  if (!scrollBar_.visible) {
    scrollBar_.position = 0;
    scrollBar_.maximum = 0;
  } else {
    const int visibleWidth = client.right - plot_.left;
    scrollBar_.rect = {plot_.left, client.bottom - GraphScrollBar::kHeight, client.right,
                       client.bottom};
    scrollBar_.smallChange = visibleWidth / 8 + 1;
    scrollBar_.largeChange = visibleWidth / 4 + 1;
    // The whole zoomed plot can be reached, and no more.
    scrollBar_.maximum = std::max(0, fixedWidth_ - visibleWidth);
    if (!wasVisible) scrollBar_.position = 0;
    scrollBar_.position = std::clamp(scrollBar_.position, 0, scrollBar_.maximum);
    plot_.bottom -= GraphScrollBar::kHeight;
  }

  // Horizontal axes, the last added lowest.
  const GraphFont hfont = horizontal_.empty() ? GraphFont{} : horizontal_.front().object->font;
  const int hheight = metrics.TextHeight(hfont) + 11;
  int bottom = plot_.bottom;
  bool any = false;
  for (auto it = horizontal_.rbegin(); it != horizontal_.rend(); ++it) {
    TcrvHorizontalGraphAxis& a = *it->object;
    if (!a.visible) continue;
    a.strip.left = plot_.left - 20;
    a.strip.right = plot_.right;
    if (fixedWidth_ != 0) a.strip.right = std::min(plot_.right, plot_.left + fixedWidth_);
    a.clipRight = client.right;
    a.strip.bottom = bottom;
    a.strip.top = bottom - hheight;
    bottom = a.strip.top - 3;
    any = true;
  }
  if (any) plot_.bottom = bottom + 3 - 2;

  for (auto& e : vertical_) {
    e.object->strip.bottom = plot_.bottom;
    e.object->RoundRange();
  }
  layoutNeeded_ = false;
}

}  // namespace gd
