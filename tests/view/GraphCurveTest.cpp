// The min/max envelope and the curve primitives of a line layer: exact
// polylines with their gaps and markings for few samples, one span per pixel
// column for long curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "view/CurveEnvelope.h"
#include "view/GraphGeometry.h"
#include "view/GraphModel.h"

namespace gd {
namespace {

TEST(Envelope, QueriesMatchAScanForAnyRange) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> value(-100, 100);
  std::vector<long double> samples(70000);
  for (auto& s : samples) s = value(rng);
  samples[123] = 1.5e38L;
  samples[40000] = -1.5e38L;
  samples[55555] = 1e6L;  // a spike
  const CurveEnvelope env(samples.data(), static_cast<std::int32_t>(samples.size()));
  EXPECT_GE(env.LevelCount(), 4);
  std::uniform_int_distribution<int> index(0, static_cast<int>(samples.size()) - 1);
  for (int round = 0; round < 300; ++round) {
    int a = index(rng);
    int b = round % 3 == 0 ? a + round : index(rng);
    if (a > b) std::swap(a, b);
    EnvelopeSpan expected;
    for (int i = a; i <= std::min<int>(b, static_cast<int>(samples.size()) - 1); ++i)
      expected.AddSample(samples[static_cast<std::size_t>(i)]);
    const EnvelopeSpan got = env.Query(a, b);
    ASSERT_EQ(got.hasValue, expected.hasValue);
    ASSERT_EQ(got.min, expected.min) << a << ".." << b;
    ASSERT_EQ(got.max, expected.max) << a << ".." << b;
    ASSERT_EQ(got.hasNotMeasured, expected.hasNotMeasured);
    ASSERT_EQ(got.hasNotStored, expected.hasNotStored);
  }
  EXPECT_EQ(env.Whole().max, 1e6L);
  EXPECT_FALSE(env.Query(10, 5).hasValue);
  EXPECT_FALSE(env.Query(-20, -1).hasValue);
  EXPECT_FALSE(CurveEnvelope(nullptr, 0).Whole().hasValue);
}

class FixedMetrics : public GraphTextMetrics {
 public:
  int TextWidth(const GraphFont&, const std::string& text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int TextHeight(const GraphFont&) const override { return 13; }
};

struct Curve {
  explicit Curve(const std::vector<long double>& values, int width = 600) {
    time.xMode = 1;
    time.min = 0;
    time.max = std::max<long double>(1, static_cast<long double>(values.size()) - 1);
    layer.xAxis = &time;
    layer.yAxis = &axis;
    for (std::size_t i = 0; i < values.size(); ++i)
      layer.y.SetValue(static_cast<std::int32_t>(i), values[i]);
    g.AddAxis("Time", &time);
    g.AddAxis("Y", &axis);
    g.AddLayer("L", &layer);
    g.Layout(metrics, {0, 0, width, 300});
  }
  CurvePrimitives Draw() const { return layer.Draw("L", g.PlotRect()); }
  FixedMetrics metrics;
  TcrvHorizontalGraphAxis time;
  TcrvVerticalGraphAxis axis;
  TcrvLineGraphLayer layer;
  GraphModel g;
};

TEST(LineCurve, ExactPolylineThroughEverySample) {
  Curve c({1, 5, 2, 8, 3});
  const CurvePrimitives p = c.Draw();
  EXPECT_FALSE(p.dense);
  ASSERT_EQ(p.polylines.size(), 1u);
  ASSERT_EQ(p.polylines[0].size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(p.polylines[0][static_cast<std::size_t>(i)].x, c.time.ValueToPixel(i));
    EXPECT_EQ(p.polylines[0][static_cast<std::size_t>(i)].y,
              c.axis.ValueToPixel(c.layer.y.GetValue(i)));
  }
}

TEST(LineCurve, NotMeasuredNotStoredAndBreaks) {
  Curve c({1, 1.5e38L, 3, -1.5e38L, 5, 6, 7});
  c.layer.AddBreak(5);
  c.layer.markStyle = 1;
  const CurvePrimitives p = c.Draw();
  // Not measured: drawn at the last level (1), marked 10 pixels above and
  // below up to the next sample, then a vertical step to the next value.
  ASSERT_EQ(p.notMeasured.size(), 1u);
  const int level = c.axis.ValueToPixel(1);
  EXPECT_EQ(p.notMeasured[0].top, level - 10);
  EXPECT_EQ(p.notMeasured[0].bottom, level + 10);
  EXPECT_EQ(p.notMeasured[0].left, c.time.ValueToPixel(1));
  EXPECT_EQ(p.notMeasured[0].right, c.time.ValueToPixel(2));
  // Polylines: 0..2 (with the step), the not stored sample ends it; 4 alone
  // is no polyline; the break at 5 starts 5..6.
  ASSERT_EQ(p.polylines.size(), 2u);
  const std::vector<GraphPoint> first = {{c.time.ValueToPixel(0), level},
                                         {c.time.ValueToPixel(1), level},
                                         {c.time.ValueToPixel(2), level},
                                         {c.time.ValueToPixel(2), c.axis.ValueToPixel(3)}};
  EXPECT_EQ(p.polylines[0], first);
  EXPECT_EQ(p.polylines[1].front().x, c.time.ValueToPixel(5));
  ASSERT_EQ(p.breaks.size(), 1u);
  EXPECT_EQ(p.breaks[0].left, c.time.ValueToPixel(4));
  EXPECT_EQ(p.breaks[0].right, c.time.ValueToPixel(5));
  EXPECT_EQ(p.breaks[0].Height(), 40);
  // Marks at every drawn point, the not measured one flagged.
  ASSERT_EQ(p.marks.size(), 6u);
  EXPECT_TRUE(p.marks[1].notMeasured);
}

TEST(LineCurve, LongPolylinesAreSplitAt127Points) {
  std::vector<long double> v(300);
  for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<long double>(i % 7);
  Curve c(v, 1200);
  const CurvePrimitives p = c.Draw();
  ASSERT_FALSE(p.dense);
  ASSERT_GE(p.polylines.size(), 3u);
  EXPECT_EQ(p.polylines[0].size(), 127u);
  EXPECT_EQ(p.polylines[1].front(), p.polylines[0].back());  // continues where it ended
}

TEST(LineCurve, OneSampleSpansThePlotAndEmptyDrawsNothing) {
  Curve one({42});
  const CurvePrimitives p = one.Draw();
  ASSERT_EQ(p.polylines.size(), 1u);
  EXPECT_EQ(p.polylines[0].front().x, one.g.PlotRect().left);
  EXPECT_EQ(p.polylines[0].back().x, one.time.clipRight);
  EXPECT_EQ(p.polylines[0].front().y, one.axis.ValueToPixel(42));
  Curve none({});
  const CurvePrimitives q = none.Draw();
  EXPECT_TRUE(q.polylines.empty() && q.marks.empty() && q.notMeasured.empty());
}

TEST(LineCurve, PointColorEventColoursEachSegment) {
  Curve c({1, 2, -1.5e38L, 4, 5});
  c.layer.OnPointColor = [](TcrvGraphLayer&, std::int32_t i, bool, GraphColor& color) {
    color = static_cast<GraphColor>(i);
  };
  const CurvePrimitives p = c.Draw();
  ASSERT_EQ(p.segments.size(), 2u);  // 0-1 and 3-4; nothing through the gap
  EXPECT_EQ(p.segments[0].color, 1u);
  EXPECT_EQ(p.segments[1].color, 4u);
}

TEST(LineCurve, LongCurveIsDrawnPerColumnAndKeepsItsSpike) {
  const int n = 300000;
  std::vector<long double> v(n);
  for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = (i % 100) * 0.01L;
  v[123457] = 50;   // one spike up
  v[200001] = -40;  // one down
  Curve c(v);
  c.layer.minMarkerIndex = 200001;
  const CurvePrimitives p = c.Draw();
  ASSERT_TRUE(p.dense);
  // One span per pixel column, no polylines.
  EXPECT_TRUE(p.polylines.empty());
  EXPECT_LE(p.columns.size(), 600u);
  std::map<int, std::pair<int, int>> extent;
  for (const ColumnSpan& col : p.columns) {
    ASSERT_TRUE(extent.emplace(col.x, std::make_pair(col.top, col.bottom)).second) << col.x;
    ASSERT_LE(col.top, col.bottom);
  }
  const int spikeY = c.axis.ValueToPixel(50);
  const int dipY = c.axis.ValueToPixel(-40);
  const int spikeX = c.time.ValueToPixel(123457);
  const int dipX = c.time.ValueToPixel(200001);
  EXPECT_EQ(extent.at(spikeX).first, spikeY);
  EXPECT_EQ(extent.at(dipX).second, dipY);
  // Every sample lies inside its column's span.
  for (int i = 0; i < n; i += 7) {
    const int x = c.time.ValueToPixel(i);
    const int y = c.axis.ValueToPixel(v[static_cast<std::size_t>(i)]);
    ASSERT_TRUE(extent.count(x)) << i;
    ASSERT_LE(extent[x].first, y) << i;
    ASSERT_GE(extent[x].second, y) << i;
  }
  // Neighbouring columns overlap or touch: the curve has no holes.
  for (auto it = std::next(extent.begin()); it != extent.end(); ++it) {
    const auto& prev = std::prev(it)->second;
    ASSERT_TRUE(it->second.first <= prev.second && it->second.second >= prev.first) << it->first;
  }
  ASSERT_EQ(p.minMax.size(), 1u);
  EXPECT_EQ(p.minMax[0].x, dipX);
  EXPECT_FALSE(p.minMax[0].isMaximum);
}

TEST(LineCurve, ExplicitTimeCurveIsDrawnPerColumnToo) {
  // Days since 1899 with a sample every 2 s, as a triggered series holds them.
  const int n = 100000;
  std::vector<long double> v(n, 1);
  v[77777] = 9;
  Curve c(v);
  c.time.xMode = 2;
  for (int i = 0; i < n; ++i) c.layer.x.SetValue(i, 45000 + i * 2 / 86400.0L);
  c.time.min = 45000;
  c.time.max = 45000 + (n - 1) * 2 / 86400.0L;
  c.g.Layout(c.metrics, {0, 0, 600, 300});
  const CurvePrimitives p = c.Draw();
  ASSERT_TRUE(p.dense);
  const int x = c.time.ValueToPixel(c.layer.IndexToX(77777));
  const auto it = std::find_if(p.columns.begin(), p.columns.end(),
                               [&](const ColumnSpan& col) { return col.x == x; });
  ASSERT_NE(it, p.columns.end());
  EXPECT_EQ(it->top, c.axis.ValueToPixel(9));
  // X values that do not grow fall back to the exact drawing.
  c.layer.x.SetValue(5, 1);
  EXPECT_FALSE(c.Draw().dense);
}

TEST(LineCurve, ZoomedInDrawsOnlyTheVisibleSamples) {
  const int n = 300000;
  std::vector<long double> v(n);
  for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = i % 10;
  Curve c(v);
  c.g.SetFixedWidth(30000);
  c.g.Layout(c.metrics, {0, 0, 600, 300});
  c.g.SetScrollPosition(15000);
  const CurvePrimitives p = c.Draw();
  // 30000 pixels for 300000 samples: 10 per column, only the visible ones.
  ASSERT_TRUE(p.dense);
  EXPECT_GT(p.columns.size(), 100u);
  EXPECT_LE(p.columns.size(), 700u);
  for (const ColumnSpan& col : p.columns) {
    EXPECT_GE(col.x, c.g.PlotRect().left - 2);
    EXPECT_LE(col.x, c.time.clipRight);
  }
}

}  // namespace
}  // namespace gd
