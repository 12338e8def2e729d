#include "view/GraphGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "view/GraphTicks.h"

namespace gd {

namespace {

char SeparatorOf(const TcrvGraphAxis& axis) {
  return axis.Graph() != nullptr ? axis.Graph()->decimalSeparator : ',';
}

// Axis colour: black in black-and-white, else the axis colour, or the
// selected layer's colour when that layer uses a vertical axis.
GraphColor AxisColor(const TcrvGraphAxis& axis, const TcrvVerticalGraphAxis* vertical) {
  if (axis.blackAndWhite) return kGraphBlack;
  if (vertical != nullptr && axis.Graph() != nullptr) {
    const TcrvGraphLayer* selected = axis.Graph()->SelectedLayer();
    if (selected != nullptr && selected->yAxis == vertical)
      return selected->blackAndWhite ? kGraphBlack : selected->color;
  }
  return axis.color;
}

constexpr int kMaxTicks = 20000;

}  // namespace

VerticalAxisGeometry ComputeVerticalAxis(const TcrvVerticalGraphAxis& a,
                                         const GraphTextMetrics& metrics) {
  VerticalAxisGeometry g;
  g.axis = &a;
  g.strip = a.strip;
  g.color = AxisColor(a, &a);
  g.caption = a.caption;
  g.textHeight = std::max(1, metrics.TextHeight(a.font));
  g.captionHeight = g.textHeight;
  g.axisX = a.strip.left + a.captionStripWidth;
  g.yMin = a.ValueToPixel(a.displayedMin);
  g.yMax = a.ValueToPixel(a.displayedMax);
  const char sep = SeparatorOf(a);
  const long double min = a.displayedMin;
  const long double max = a.displayedMax;
  auto px = [&](long double v) { return a.ValueToPixel(v); };
  if (min < max) {
    const int hh = g.textHeight;
    const int span = std::abs(g.yMax - g.yMin);
    int n = static_cast<int>(std::lround(static_cast<double>(span) / hh)) + 2;
    NiceTickResult t;
    int spacing = 0;
    do {
      --n;
      t = NiceTicks(n, max, min);
      spacing = std::abs(px(t.first + t.step) - px(t.first));
    } while (!(spacing >= std::lround(1.1 * hh) || n < 2));
    if (px(t.first - t.step) < g.yMin && t.first - t.step >= min) {
      t.first -= t.step;
      ++n;
    }
    spacing = std::abs(px(t.first + t.step) - px(t.first));
    if (spacing >= 2.2 * hh) {
      t.step /= 2;
      n *= 2;
    }
    if (px(max) < px(t.first)) {
      for (int guard = 0; guard < kMaxTicks && px(t.first + n * t.step) >= px(max); ++guard) ++n;
      for (int guard = 0; guard < kMaxTicks && n > 0 && px(t.first + n * t.step) < px(max); ++guard)
        --n;
    }
    n = std::clamp(n, 0, kMaxTicks);
    for (int i = 0; i <= n; ++i) {
      AxisTick tick;
      tick.value = t.first + i * t.step;
      tick.pos = px(tick.value);
      tick.label = VerticalAxisLabel(tick.value, a.decimals, sep);
      tick.labelWidth = metrics.TextWidth(a.font, tick.label);
      g.ticks.push_back(std::move(tick));
    }
  }
  int widest = 0;
  for (const AxisTick& t : g.ticks) widest = std::max(widest, t.labelWidth);
  g.labelRight = g.axisX + 7 + widest;
  return g;
}

HorizontalAxisGeometry ComputeHorizontalAxis(TcrvHorizontalGraphAxis& a,
                                             const GraphTextMetrics& metrics) {
  HorizontalAxisGeometry g;
  g.axis = &a;
  g.strip = a.strip;
  g.clipRight = a.clipRight;
  g.color = AxisColor(a, nullptr);
  g.axisY = a.strip.top + 9;
  g.labelTop = a.strip.bottom - metrics.TextHeight(a.font);
  if (!(a.min < a.max)) return g;  // nothing is plotted against an empty range
  auto px = [&](long double v) { return a.ValueToPixel(v); };
  g.xMin = px(a.min);
  g.xMax = px(a.max);
  const int w = std::max(1, metrics.TextWidth(a.font, " 00:00:00 "));
  int n = static_cast<int>(std::lround(static_cast<double>(std::abs(g.xMax - g.xMin)) / w)) + 2;
  NiceTickResult t;
  int spacing = 0;
  do {
    --n;
    t = NiceTicks(n, a.max, a.min);
    spacing = std::abs(px(t.first + t.step) - px(t.first));
  } while (!(spacing >= std::lround(1.1 * w) || n < 2));
  if (spacing >= 2.2 * w) {
    t.step /= 2;
    n *= 2;
  }
  if (px(t.first) < g.xMax) {
    for (int guard = 0; guard < kMaxTicks && px(t.first + n * t.step) <= g.xMax; ++guard) ++n;
    n = std::max(0, n - 1);
  }
  n = std::clamp(n, 0, kMaxTicks);
  const long double minorStep = t.step / t.subdivisions;
  const int firstPx = px(t.first);
  if (firstPx > a.strip.left) {
    for (int k = 1; k < t.subdivisions; ++k) {
      const int p = px(t.first - k * minorStep);
      if (p < a.strip.left || p < g.xMin) break;
      g.minors.push_back(p);
    }
  }
  for (int i = 0; i <= n; ++i) {
    const long double v = t.first + i * t.step;
    const int p = px(v);
    if (p > a.clipRight) break;
    if (p < g.xMax) {
      for (int k = 1; k < t.subdivisions; ++k) {
        const int q = px(v + k * minorStep);
        if (q > g.xMax) break;
        g.minors.push_back(q);
      }
    }
    AxisTick tick;
    tick.value = v;
    tick.pos = p;
    tick.label = HorizontalAxisLabel(v, SeparatorOf(a));
    if (a.OnGetLabel) a.OnGetLabel(a, tick.label, v, t.step);
    tick.labelWidth = metrics.TextWidth(a.font, tick.label);
    g.majors.push_back(std::move(tick));
  }
  return g;
}

MarkerGeometry ComputeMarkers(const GraphModel& graph) {
  MarkerGeometry m;
  if (graph.HorizontalAxisCount() == 0) return m;
  const TcrvHorizontalGraphAxis& axis = *graph.HorizontalAxis(0);
  if (!(axis.min < axis.max)) return m;
  const GraphRect plot = graph.PlotRect();
  const GraphRect frame = graph.FrameRect();
  const bool hasStart = graph.startMarker != -1;
  const bool hasEnd = graph.endMarker != -1;
  const int xs = hasStart ? axis.ValueToPixel(graph.startMarker) : 0;
  const int xe = hasEnd ? axis.ValueToPixel(graph.endMarker) : 0;
  auto hatch = [&](int left, int right) {
    left = std::max(left, plot.left);
    right = std::min(right, frame.right);
    if (right > left) m.hatch.push_back({left, plot.top, right, plot.bottom});
  };
  if (hasStart && hasEnd && graph.startMarker > graph.endMarker) {
    hatch(xe - 1, xs + 2);
  } else {
    if (hasStart) hatch(plot.left, xs);
    if (hasEnd) hatch(xe + 1, frame.right);
  }
  if (hasStart) m.lines.push_back({xs, true});
  if (hasEnd) m.lines.push_back({xe, false});
  return m;
}

CrosshairGeometry ComputeCrosshair(const GraphModel& graph, std::int32_t index) {
  CrosshairGeometry c;
  const TcrvGraphLayer* layer = graph.SelectedLayer();
  if (layer == nullptr || layer->xAxis == nullptr || layer->yAxis == nullptr) return c;
  if (index < 0 || index > layer->y.HighIndex()) return c;
  const TcrvHorizontalGraphAxis& xa = *layer->xAxis;
  const TcrvVerticalGraphAxis& ya = *layer->yAxis;
  const long double v = layer->y.GetValue(index);
  c.shown = true;
  c.value = v;
  c.plot = graph.PlotRect();
  c.plot.right = std::min(graph.FrameRect().right, graph.ClientRect().right);
  c.x = xa.ValueToPixel(layer->IndexToX(index));
  c.vertical = !IsNotStored(v) && !graph.hideCrosshairLines;
  if (IsPlottable(v)) {
    c.y = ya.ValueToPixel(v);
    c.horizontal = !graph.hideCrosshairLines;
    if (ya.visible) {
      c.axisLineLeft = ya.strip.left + 3;
      c.axisLineRight = ya.strip.right;
      c.axisBox = {ya.strip.left + ya.captionStripWidth + 2, c.y - 6, ya.strip.right, c.y + 6};
    }
  }
  return c;
}

namespace {

class CurveBuilder {
 public:
  CurveBuilder(const TcrvGraphLayer& layer, const GraphRect& plot, CurvePrimitives& out)
      : layer_(layer), xa_(*layer.xAxis), ya_(*layer.yAxis), out_(out), plot_(plot) {
    sortedBreaks_ = layer.breaks;
    std::sort(sortedBreaks_.begin(), sortedBreaks_.end());
  }

  void Build() {
    const std::int32_t high = layer_.y.HighIndex();
    if (high < 0 || !(xa_.min < xa_.max)) return;
    const std::int32_t left = layer_.XToIndex(xa_.PixelToValue(plot_.left));
    const std::int32_t right = layer_.XToIndex(xa_.PixelToValue(xa_.clipRight));
    first_ = std::max<std::int32_t>(0, left == INT_MIN ? 0 : left - 1);
    last_ = std::min<std::int32_t>(high, right == INT_MAX ? high : right + 1);
    level_ = (ya_.displayedMin + ya_.displayedMax) / 2;
    for (std::int32_t i = first_; i <= last_; ++i) {
      const long double v = layer_.y.GetValue(i);
      if (IsPlottable(v)) {
        level_ = v;
        break;
      }
    }
    if (high == 0) {
      SingleSample();
    } else if (first_ <= last_) {
      if (layer_.OnPointColor) {
        PointByPoint();
      } else if (!Dense()) {
        Exact();
      }
    }
    MinMaxMarkers(high);
  }

 private:
  int Px(std::int32_t i) const { return xa_.ValueToPixel(layer_.IndexToX(i)); }
  int Py(long double v) const { return ya_.ValueToPixel(v); }
  bool IsBreak(std::int32_t i) const {
    return std::binary_search(sortedBreaks_.begin(), sortedBreaks_.end(), i);
  }
  bool HasBreakIn(std::int64_t s, std::int64_t e) const {
    auto it = std::lower_bound(sortedBreaks_.begin(), sortedBreaks_.end(), s);
    return it != sortedBreaks_.end() && *it <= e;
  }
  void Mark(GraphPoint p, bool notMeasured) {
    if (out_.markStyle != 0 && out_.clip.Contains(p.x, p.y)) out_.marks.push_back({p, notMeasured});
  }
  void Flush() {
    if (cur_.size() >= 2 && layer_.drawLines) out_.polylines.push_back(cur_);
    cur_.clear();
  }
  void Add(GraphPoint p, bool chunked) {
    if (!cur_.empty() && cur_.back() == p) return;
    cur_.push_back(p);
    if (chunked && cur_.size() == 127) {
      const GraphPoint lastPoint = cur_.back();
      Flush();
      cur_.push_back(lastPoint);
    }
  }
  int NextX(std::int32_t i, int x) const {
    if (i + 1 > layer_.y.HighIndex() || IsBreak(i + 1)) return x + 3;
    return Px(i + 1);
  }
  void NotMeasuredRect(int x, int nextX, int y) {
    out_.notMeasured.push_back({std::min(x, nextX), y - 10, std::max(x, nextX), y + 10});
  }

  void SingleSample() {
    const long double v = layer_.y.GetValue(0);
    if (IsNotStored(v)) return;
    const int x = Px(0);
    const int y = Py(IsPlottable(v) ? v : level_);
    if (layer_.drawLines) out_.polylines.push_back({{plot_.left, y}, {xa_.clipRight, y}});
    if (IsNotMeasured(v)) NotMeasuredRect(x, x + 3, y);
    Mark({x, y}, IsNotMeasured(v));
  }

  void Exact() {
    bool prevNotMeasured = false;
    int prevX = INT_MIN;
    for (std::int32_t i = first_; i <= last_; ++i) {
      const int x = Px(i);
      const long double v = layer_.y.GetValue(i);
      if (IsBreak(i)) {
        if (prevX != INT_MIN) {
          const int yl = Py(level_);
          out_.breaks.push_back({std::min(prevX, x), yl - 20, std::max(prevX, x), yl + 20});
        }
        Flush();
      }
      if (IsNotStored(v)) {
        Flush();
        prevNotMeasured = false;
      } else if (IsNotMeasured(v)) {
        const int y = Py(level_);
        Add({x, y}, true);
        NotMeasuredRect(x, NextX(i, x), y);
        Mark({x, y}, true);
        prevNotMeasured = true;
      } else {
        const int y = Py(v);
        if (prevNotMeasured) Add({x, Py(level_)}, true);
        Add({x, y}, true);
        level_ = v;
        Mark({x, y}, false);
        prevNotMeasured = false;
      }
      prevX = x;
      if (x >= xa_.clipRight) break;
    }
    Flush();
  }

  void PointByPoint() {
    bool prevNotMeasured = false;
    bool havePrev = false;
    GraphPoint prev;
    for (std::int32_t i = first_; i <= last_; ++i) {
      const int x = Px(i);
      const long double v = layer_.y.GetValue(i);
      GraphColor color = out_.color;
      layer_.OnPointColor(const_cast<TcrvGraphLayer&>(layer_), i, prevNotMeasured, color);
      if (layer_.blackAndWhite) color = kGraphBlack;
      if (IsNotStored(v)) {
        havePrev = false;
        prevNotMeasured = false;
        continue;
      }
      const bool nm = IsNotMeasured(v);
      const GraphPoint p{x, Py(nm ? level_ : v)};
      if (nm) NotMeasuredRect(x, NextX(i, x), p.y);
      if (havePrev && layer_.drawLines) out_.segments.push_back({prev, p, color});
      prev = p;
      havePrev = true;
      Mark(p, nm);
      if (!nm) level_ = v;
      prevNotMeasured = nm;
      if (x >= xa_.clipRight) break;
    }
  }

  // One min/max span per pixel column; false when the samples are few or
  // their X values do not grow with the index (then the exact path draws).
  bool Dense() {
    const long double columns = std::max(1, xa_.clipRight - plot_.left);
    if (static_cast<long double>(last_ - first_ + 1) <= 2 * columns) return false;
    const std::int32_t high = layer_.y.HighIndex();
    const bool explicitX = xa_.xMode == 2;
    long double a = 0;
    long double b = 0;
    const long double* xs = layer_.x.Data();
    if (explicitX) {
      if (layer_.x.HighIndex() < high || !std::is_sorted(xs, xs + high + 1)) return false;
    } else {
      b = xa_.ValueToPixelF(layer_.IndexToX(0));
      a = xa_.ValueToPixelF(layer_.IndexToX(1)) - b;
      if (!(a > 0) || !std::isfinite(a) || !std::isfinite(b)) return false;
    }
    // First index whose pixel position is at or right of c - 0.5.
    auto boundary = [&](long double c) -> std::int64_t {
      if (explicitX) {
        const long double value = xa_.PixelToValue(c - 0.5L);
        return std::lower_bound(xs, xs + high + 1, value) - xs;
      }
      const long double i = std::ceil((c - 0.5L - b) / a);
      return static_cast<std::int64_t>(std::clamp(i, -1.0L, static_cast<long double>(high) + 1));
    };
    out_.dense = true;
    const CurveEnvelope& env = layer_.Envelope();
    const long double* ys = layer_.y.Data();
    const int cStart = std::max(Px(first_), plot_.left - 2);
    const int cEnd = std::min(Px(last_), xa_.clipRight);
    std::int64_t s = std::max<std::int64_t>(first_, boundary(cStart));
    bool joined = false;  // the previous column's last level joins this column
    int joinY = 0;
    out_.columns.reserve(static_cast<std::size_t>(std::max(0, cEnd - cStart + 1)));
    for (int c = cStart; c <= cEnd && s <= last_; ++c) {
      const std::int64_t e = std::min<std::int64_t>(last_, boundary(c + 1) - 1);
      if (e < s) continue;
      const EnvelopeSpan span =
          env.Query(static_cast<std::int32_t>(s), static_cast<std::int32_t>(e));
      const int yl = Py(level_);
      if (HasBreakIn(s, e)) {
        out_.breaks.push_back({c - 1, yl - 20, c + 1, yl + 20});
        joined = false;
      }
      if (span.hasNotStored) joined = false;
      if (span.hasValue || span.hasNotMeasured) {
        long double lo = span.hasValue ? span.min : level_;
        long double hi = span.hasValue ? span.max : level_;
        if (span.hasNotMeasured) {
          NotMeasuredRect(c, c + 1, yl);
          lo = std::min(lo, level_);
          hi = std::max(hi, level_);
        }
        for (std::int64_t i = e; i >= s; --i) {
          if (IsPlottable(ys[i])) {
            level_ = ys[i];
            break;
          }
        }
        ColumnSpan column{c, Py(hi), Py(lo)};
        if (joined) {
          column.top = std::min(column.top, joinY);
          column.bottom = std::max(column.bottom, joinY);
        }
        if (layer_.drawLines) out_.columns.push_back(column);
        joinY = Py(level_);
        joined = true;
      }
      s = e + 1;
    }
    return true;
  }

  void MinMaxMarkers(std::int32_t high) {
    if (layer_.minMarkerIndex >= 0 && layer_.minMarkerIndex <= high)
      out_.minMax.push_back({Px(layer_.minMarkerIndex), false});
    if (layer_.maxMarkerIndex >= 0 && layer_.maxMarkerIndex <= high)
      out_.minMax.push_back({Px(layer_.maxMarkerIndex), true});
  }

  const TcrvGraphLayer& layer_;
  const TcrvHorizontalGraphAxis& xa_;
  const TcrvVerticalGraphAxis& ya_;
  CurvePrimitives& out_;
  GraphRect plot_;
  std::vector<std::int32_t> sortedBreaks_;
  std::vector<GraphPoint> cur_;
  std::int32_t first_ = 0;
  std::int32_t last_ = -1;
  long double level_ = 0;
};

}  // namespace

CurvePrimitives BuildLineCurve(const TcrvGraphLayer& layer, const GraphRect& plot) {
  CurvePrimitives out;
  out.color = layer.blackAndWhite ? kGraphBlack : layer.color;
  out.highlight = layer.blackAndWhite ? kGraphBlack : layer.highlightColor;
  out.markStyle = layer.markStyle;
  out.clip = {plot.left, plot.top, layer.xAxis->clipRight, plot.bottom};
  CurveBuilder(layer, plot, out).Build();
  return out;
}

CurvePrimitives TcrvLineGraphLayer::Draw(const std::string& /*name*/, const GraphRect& plot) const {
  CheckDraw();
  return BuildLineCurve(*this, plot);
}

GraphPaintParams ComputePaintParams(GraphModel& graph, const GraphTextMetrics& metrics,
                                    bool blackAndWhite) {
  GraphPaintParams p;
  p.client = graph.ClientRect();
  if (graph.ScrollBar().visible) p.client.bottom = graph.ScrollBar().rect.top;
  p.frame = graph.FrameRect();
  p.background = graph.color;
  p.blackAndWhite = blackAndWhite;
  for (int i = 0; i < graph.VerticalAxisCount(); ++i) {
    const TcrvVerticalGraphAxis& a = *graph.VerticalAxis(i);
    if (!a.visible) continue;
    p.vertical.push_back(ComputeVerticalAxis(a, metrics));
    if (blackAndWhite) p.vertical.back().color = kGraphBlack;
  }
  for (int i = 0; i < graph.HorizontalAxisCount(); ++i) {
    TcrvHorizontalGraphAxis& a = *graph.HorizontalAxis(i);
    if (!a.visible) continue;
    p.horizontal.push_back(ComputeHorizontalAxis(a, metrics));
    if (blackAndWhite) p.horizontal.back().color = kGraphBlack;
  }
  p.markers = ComputeMarkers(graph);
  for (int i = 0; i < graph.LayerCount(); ++i) {
    const TcrvGraphLayer& layer = *graph.Layer(i);
    if (!layer.visible) continue;
    try {
      CurvePrimitives c = layer.Draw(graph.LayerName(i), graph.PlotRect());
      if (blackAndWhite) {
        c.color = kGraphBlack;
        c.highlight = kGraphBlack;
        for (CurveSegment& s : c.segments) s.color = kGraphBlack;
      }
      c.clip.right = std::min(c.clip.right, p.frame.right);
      p.layers.push_back(std::move(c));
    } catch (const std::exception&) {
      // A layer that cannot draw (no axes, foreign axes) is left out.
    }
  }
  return p;
}

}  // namespace gd
