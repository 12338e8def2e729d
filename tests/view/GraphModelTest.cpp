// The graph model without a window: value arrays, structure errors, tick
// steps, ranges, layout, mappings and the index search.
#include "view/GraphModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/GraphGeometry.h"
#include "view/GraphTicks.h"

namespace gd {
namespace {

// Every character 6 pixels wide, every line 13 pixels high.
class FixedMetrics : public GraphTextMetrics {
 public:
  int TextWidth(const GraphFont&, const std::string& text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int TextHeight(const GraphFont&) const override { return 13; }
};

TEST(NiceTicks, StepsSubdivisionsAndFirstTick) {
  struct Case {
    int n;
    long double max, min, step;
    int sub;
    long double first;
  };
  for (const Case& c :
       {Case{4, 10, 0, 2, 4, 0}, Case{5, 100, 3, 10, 5, 10}, Case{3, 1, 0, 0.2L, 4, 0},
        Case{6, 50, -7, 5, 5, -5},
        // A power of ten per interval; a 5 step; exactly 5 per interval stays below
        // the log10(5) limit and gives 2.
        Case{10, 100, 0, 10, 5, 0}, Case{2, 12, 0, 5, 5, 0}, Case{2, 10, 0, 2, 4, 0}}) {
    const NiceTickResult r = NiceTicks(c.n, c.max, c.min);
    EXPECT_NEAR(static_cast<double>(r.step), static_cast<double>(c.step), 1e-12) << c.n;
    EXPECT_EQ(r.subdivisions, c.sub) << c.n;
    EXPECT_NEAR(static_cast<double>(r.first), static_cast<double>(c.first), 1e-12) << c.n;
  }
}

TEST(NiceTicks, DegenerateInputStillGivesAUsableStep) {
  for (const NiceTickResult r :
       {NiceTicks(0, 10, 0), NiceTicks(-3, 10, 0), NiceTicks(4, 5, 5), NiceTicks(4, 0, 10),
        NiceTicks(4, std::numeric_limits<long double>::infinity(), 0)}) {
    EXPECT_GT(r.step, 0);
    EXPECT_TRUE(std::isfinite(r.step));
  }
  // Near the end of the mantissa the first-tick loop still ends.
  const NiceTickResult big = NiceTicks(5, 1e30L + 1e12L, 1e30L);
  EXPECT_GT(big.step, 0);
}

TEST(AxisLabels, FixedPointWithSixDigitsAndTheSeparator) {
  EXPECT_EQ(VerticalAxisLabel(12.5L, 2, ','), "12,50");
  EXPECT_EQ(VerticalAxisLabel(-3, 1, '.'), "-3.0");
  EXPECT_EQ(VerticalAxisLabel(1e-12L, 2, ','), "0,00");
  EXPECT_EQ(VerticalAxisLabel(-1e-12L, 0, ','), "0");
  // Six significant digits, then zeros.
  EXPECT_EQ(VerticalAxisLabel(3.14159265L, 8, '.'), "3.14159000");
  EXPECT_EQ(VerticalAxisLabel(1234567.0L, 2, '.'), "1.23457E+6");
  EXPECT_EQ(HorizontalAxisLabel(2.5L, ','), "2,50");
  EXPECT_EQ(HorizontalAxisLabel(-0.001L, '.'), "0.00");
}

TEST(ValueArray, GrowsByBlocksAndKeepsValues) {
  TcrvIntegerArray a;
  EXPECT_EQ(a.HighIndex(), -1);
  EXPECT_EQ(a.CapacityBytes(), 10240);
  EXPECT_EQ(a.GetValue(0), -1.7e38L);  // nothing stored yet
  a.SetValue(0, 1);
  a.SetValue(1024, 2);
  EXPECT_EQ(a.LastAllocatedIndex(), 2047);
  EXPECT_EQ(a.CapacityBytes(), 20480);
  a.SetValue(5000, 3);
  EXPECT_EQ(a.LastAllocatedIndex(), 5119);
  EXPECT_EQ(a.GetValue(0), 1);
  EXPECT_EQ(a.GetValue(1024), 2);
  EXPECT_EQ(a.GetValue(5000), 3);
  EXPECT_EQ(a.GetValue(4999), 0);  // a gap reads as 0, never as garbage
  EXPECT_EQ(a.HighIndex(), 5000);
  EXPECT_EQ(a.GetValue(5001), -1.7e38L);
  EXPECT_EQ(a.GetValue(-1), -1.7e38L);
  EXPECT_FALSE(a.Overflow());
}

TEST(ValueArray, OverflowDropsTheValueAndNegativeIndexesRaise) {
  TcrvExtendedArray a;
  a.SetValue(3, 7);
  a.SetValue(GraphValueArray::kIndexLimit + 1, 9);
  EXPECT_TRUE(a.Overflow());
  EXPECT_EQ(a.HighIndex(), 3);
  EXPECT_EQ(a.GetValue(4), -1.7e38L);
  // The limit itself is still stored.
  a.SetValue(GraphValueArray::kIndexLimit, 5);
  EXPECT_EQ(a.HighIndex(), GraphValueArray::kIndexLimit);
  EXPECT_EQ(a.LastAllocatedIndex(), GraphValueArray::kIndexLimit);
  EXPECT_EQ(a.GetValue(GraphValueArray::kIndexLimit), 5);
  try {
    a.SetValue(-1, 0);
    FAIL();
  } catch (const EcrvGraphData& e) {
    EXPECT_STREQ(e.what(), "Negative array indexes are not supported");
  }
}

TEST(ValueArray, FailedAllocationSetsOverflowInsteadOfRaising) {
  TcrvIntegerArray a;
  a.SetAllocationLimitForTest(2048);
  a.SetValue(2000, 1);
  EXPECT_FALSE(a.Overflow());
  a.SetValue(2048, 2);
  EXPECT_TRUE(a.Overflow());
  EXPECT_EQ(a.HighIndex(), 2000);
  EXPECT_EQ(a.GetValue(2000), 1);
}

std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EcrvGraph& e) {
    return e.what();
  }
  return "(no error)";
}

class ForeignAxis : public TcrvGraphAxis {
 public:
  int Measure(const GraphTextMetrics&) const override { return 0; }
};

TEST(GraphStructure, AddAndRemoveWithTheirMessages) {
  GraphModel g;
  GraphModel other;
  TcrvHorizontalGraphAxis h;
  TcrvVerticalGraphAxis v;
  TcrvLineGraphLayer layer;
  ForeignAxis foreign;
  g.AddAxis("Time", &h);
  g.AddAxis("Q [m3/h]", &v);
  EXPECT_EQ(v.caption, "Q [m3/h]");
  EXPECT_EQ(MessageOf([&] { other.AddAxis("x", &h); }),
            "AddAxis: An axis cannot be added to more than one graph");
  EXPECT_EQ(MessageOf([&] { g.AddAxis("f", &foreign); }), "AddAxis: Unknown axis type");
  g.AddLayer("A", &layer);
  EXPECT_EQ(MessageOf([&] { other.AddLayer("A", &layer); }),
            "AddLayer: A layer cannot be added to more than one graph");
  EXPECT_EQ(MessageOf([&] { other.RemoveAxis(&h); }),
            "RemoveAxis: The graph and axis are not connected");
  EXPECT_EQ(MessageOf([&] { other.RemoveLayer(&layer); }),
            "RemoveLayer: The graph and layer are not connected");
  EXPECT_EQ(g.HorizontalAxisCount(), 1);
  EXPECT_EQ(g.VerticalAxisCount(), 1);
  EXPECT_EQ(g.LayerName(0), "A");
  g.RemoveAxis(&h);
  EXPECT_EQ(h.Graph(), nullptr);
  EXPECT_EQ(g.HorizontalAxisCount(), 0);
  EXPECT_TRUE(g.LayoutNeeded());
  {
    // A destroyed layer leaves its graph.
    TcrvLineGraphLayer temporary;
    g.AddLayer("T", &temporary);
    EXPECT_EQ(g.LayerCount(), 2);
  }
  EXPECT_EQ(g.LayerCount(), 1);
  g.RemoveLayer(&layer);
  EXPECT_EQ(layer.Graph(), nullptr);
}

TEST(GraphStructure, DestroyedGraphLeavesItsAxesUsable) {
  TcrvVerticalGraphAxis v;
  {
    GraphModel g;
    g.AddAxis("Q", &v);
  }
  EXPECT_EQ(v.Graph(), nullptr);
  GraphModel again;
  again.AddAxis("Q", &v);  // may join another graph
}

TEST(GraphStructure, DrawValidationInOrder) {
  GraphModel g;
  GraphModel other;
  TcrvHorizontalGraphAxis h;
  TcrvVerticalGraphAxis v;
  TcrvHorizontalGraphAxis foreignH;
  TcrvLineGraphLayer layer;
  const GraphRect plot{0, 0, 100, 100};
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }), "Draw: X axis missing from graph layer");
  layer.xAxis = &h;
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }), "Draw: Y axis missing from graph layer");
  layer.yAxis = &v;
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }),
            "Draw: Graph layer not associated with graph");
  g.AddLayer("A", &layer);
  other.AddAxis("H", &foreignH);
  layer.xAxis = &foreignH;
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }),
            "Draw: X axis not associated with the same graph");
  layer.xAxis = &h;
  g.AddAxis("H", &h);
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }),
            "Draw: Y axis not associated with the same graph");
  g.AddAxis("V", &v);
  EXPECT_EQ(MessageOf([&] { layer.Draw("A", plot); }), "(no error)");
}

// A laid-out graph: one time axis 0..100 (linear, factor 1) and two
// vertical axes.
struct LaidOut {
  LaidOut() {
    time.xMode = 1;
    time.min = 0;
    time.max = 100;
    g.AddAxis("Time", &time);
    g.AddAxis("A", &a);
    g.AddAxis("B", &b);
    la.xAxis = lb.xAxis = &time;
    la.yAxis = &a;
    lb.yAxis = &b;
    g.AddLayer("la", &la);
    g.AddLayer("lb", &lb);
  }
  void Layout(int w = 600, int h = 400) { g.Layout(metrics, {0, 0, w, h}); }
  FixedMetrics metrics;
  TcrvHorizontalGraphAxis time;
  TcrvVerticalGraphAxis a;
  TcrvVerticalGraphAxis b;
  TcrvLineGraphLayer la;
  TcrvLineGraphLayer lb;
  GraphModel g;
};

TEST(Ranges, ConstantCurvesAndManualScale) {
  LaidOut f;
  for (int i = 0; i < 10; ++i) {
    f.la.y.SetValue(i, 50);
    f.lb.y.SetValue(i, -20);
  }
  f.lb.y.SetValue(10, 1.5e38L);   // not measured: no part of the range
  f.lb.y.SetValue(11, -1.5e38L);  // not stored
  f.g.ComputeRanges();
  EXPECT_NEAR(static_cast<double>(f.a.displayedMin), 50 * 0.9 - 0.01, 1e-12);
  EXPECT_NEAR(static_cast<double>(f.a.displayedMax), 50 * 1.1 + 0.01, 1e-12);
  EXPECT_EQ(f.a.dataMin, 50);
  EXPECT_EQ(f.a.dataMax, 50);
  // A negative constant keeps its lower end below the upper one.
  EXPECT_NEAR(static_cast<double>(f.b.displayedMin), -20 * 1.1 - 0.01, 1e-12);
  EXPECT_NEAR(static_cast<double>(f.b.displayedMax), -20 * 0.9 + 0.01, 1e-12);
  f.a.manualScale = true;
  f.a.userMin = 10;
  f.a.userMax = 90;
  f.g.ComputeRanges();
  EXPECT_EQ(f.a.displayedMin, 10);
  EXPECT_EQ(f.a.displayedMax, 90);
  EXPECT_EQ(f.a.dataMin, 50);
  // Data changes are seen (the cached envelope is rebuilt).
  f.la.y.SetValue(3, 70);
  f.g.ComputeRanges();
  EXPECT_EQ(f.a.dataMax, 70);
}

TEST(Layout, AxesOfHiddenLayersTakeNoStripButKeepTheirRange) {
  LaidOut f;
  for (int i = 0; i <= 100; ++i) {
    f.la.y.SetValue(i, i);
    f.lb.y.SetValue(i, 1000 + i);
  }
  f.lb.visible = false;
  f.Layout();
  EXPECT_TRUE(f.a.visible);
  EXPECT_FALSE(f.b.visible);
  EXPECT_EQ(f.a.strip.left, 0);
  const int width = f.a.strip.Width();
  EXPECT_EQ(width, f.a.Measure(f.metrics));
  EXPECT_EQ(f.g.PlotRect().left, width + 3 + 3);
  EXPECT_EQ(f.b.dataMax, 1100);  // hidden layers still enter the ranges
  f.lb.visible = true;
  f.Layout();
  EXPECT_EQ(f.b.strip.left, f.a.strip.right + 3);
  EXPECT_EQ(f.g.PlotRect().left, f.b.strip.right + 3 + 3);
  // Horizontal axis strip under the plot: text height + 11, plot above it.
  EXPECT_EQ(f.time.strip.Height(), 13 + 11);
  EXPECT_EQ(f.time.strip.bottom, 400);
  EXPECT_EQ(f.g.PlotRect().bottom, f.time.strip.top - 2);
  EXPECT_EQ(f.a.strip.bottom, f.g.PlotRect().bottom);
  EXPECT_FALSE(f.g.ScrollBar().visible);
}

TEST(Layout, RoundRangeWidensToTheResolutionAndRounds) {
  LaidOut f;
  f.la.y.SetValue(0, 1.0L);
  f.la.y.SetValue(1, 1.2L);
  f.lb.visible = false;
  f.Layout(600, 400);
  // 0.2 span is below (strip height x resolution), so the range widens
  // around the working range and is rounded to the tenth.
  const long double m = f.a.strip.Height() * 0.01L;
  const long double lo = 1.0L - m / 2;
  const long double hi = 1.2L + m / 2;
  EXPECT_LE(f.a.displayedMin, lo);
  EXPECT_GE(f.a.displayedMax, hi);
  EXPECT_NEAR(static_cast<double>(f.a.displayedMin * 10),
              static_cast<double>(std::round(f.a.displayedMin * 10)), 1e-9);
  EXPECT_NEAR(static_cast<double>(f.a.displayedMax * 10),
              static_cast<double>(std::round(f.a.displayedMax * 10)), 1e-9);
}

TEST(Layout, RoundRangeNeverCutsTheRangeItWasGiven) {
  LaidOut f;
  f.la.y.SetValue(0, 20);
  f.la.y.SetValue(1, 184);
  f.lb.visible = false;
  f.a.resolution = 0;  // no widening: the rounding alone decides
  f.Layout(600, 400);
  EXPECT_EQ(f.a.displayedMin, 10);   // steps of ten, half a step below
  EXPECT_EQ(f.a.displayedMax, 190);  // 184 is not rounded down to 180
  // A manual range with a negative minimum and a maximum just past a step
  // stays whole.
  f.a.manualScale = true;
  f.a.userMin = -10;
  f.a.userMax = 1000.5L;
  f.Layout(600, 400);
  EXPECT_LE(f.a.displayedMin, -10);
  EXPECT_GE(f.a.displayedMax, 1000.5L);
  EXPECT_EQ(f.a.displayedMin, -100);
  EXPECT_EQ(f.a.displayedMax, 1100);
}

TEST(Layout, ZoomShowsAScrollBarThatReachesTheWholePlot) {
  LaidOut f;
  for (int i = 0; i <= 100; ++i) f.la.y.SetValue(i, i);
  f.g.SetFixedWidth(3000);
  f.Layout(600, 400);
  const GraphScrollBar& bar = f.g.ScrollBar();
  ASSERT_TRUE(bar.visible);
  EXPECT_EQ(bar.rect.top, 390);
  EXPECT_EQ(bar.rect.left, f.g.PlotRect().left);
  EXPECT_EQ(f.g.PlotRect().right, f.g.PlotRect().left + 3000);
  f.g.SetScrollPosition(1 << 30);
  EXPECT_EQ(f.g.ScrollPosition(), bar.maximum);
  // At the end the axis maximum is inside the window.
  const int xMax = f.time.ValueToPixel(100);
  EXPECT_LT(xMax, 600);
  EXPECT_GT(xMax, 600 - 30);
  // A zoom narrower than the window is no zoom.
  f.g.SetFixedWidth(100);
  f.Layout(600, 400);
  EXPECT_EQ(f.g.FixedWidth(), 0);
  EXPECT_FALSE(f.g.ScrollBar().visible);
  EXPECT_EQ(f.g.ScrollPosition(), 0);
}

TEST(Mappings, MarginsAndEmptyRanges) {
  LaidOut f;
  for (int i = 0; i <= 100; ++i) f.la.y.SetValue(i, i);
  f.Layout();
  const GraphRect plot = f.g.PlotRect();
  EXPECT_EQ(f.time.ValueToPixel(0), plot.left + 15);
  EXPECT_EQ(f.time.ValueToPixel(100), plot.right - 15);
  EXPECT_NEAR(static_cast<double>(f.time.PixelToValue(f.time.ValueToPixel(40))), 40, 0.5);
  EXPECT_EQ(f.a.ValueToPixel(f.a.displayedMin), f.a.strip.bottom - 20);
  EXPECT_EQ(f.a.ValueToPixel(f.a.displayedMax), f.a.strip.top + 20);
  // min = max: -1 horizontally, the bottom margin vertically; never a crash.
  f.time.max = f.time.min;
  EXPECT_EQ(f.time.ValueToPixel(5), -1);
  f.a.displayedMax = f.a.displayedMin;
  EXPECT_EQ(f.a.ValueToPixel(5), f.a.strip.bottom - 20);
  // Far values are clamped, not overflowed.
  f.time.max = 100;
  EXPECT_GT(f.time.ValueToPixel(1e37L), 0);
  EXPECT_LT(f.time.ValueToPixel(-1e37L), 0);
}

TEST(IndexSearch, LinearAndExplicitModes) {
  LaidOut f;
  f.la.xFactor = 2;
  f.la.xOffset = 10;
  EXPECT_EQ(f.la.IndexToX(3), 16);
  EXPECT_EQ(f.la.XToIndex(16.9L), 3);
  f.la.xFactor = 0;
  EXPECT_EQ(f.la.XToIndex(16), -1);
  f.la.xFactor = 1e-30L;
  EXPECT_EQ(f.la.XToIndex(1e30L), -1);  // beyond any index
  f.time.xMode = 0;
  EXPECT_EQ(f.la.XToIndex(4.4L), 4);

  f.time.xMode = 2;
  EXPECT_EQ(f.la.XToIndex(5), -1);  // no X values
  const long double xs[] = {0, 10, 10, 20, 30, 40, 50};
  for (int i = 0; i < 7; ++i) f.la.x.SetValue(i, xs[i]);
  EXPECT_EQ(f.la.XToIndex(-5), 0);
  EXPECT_EQ(f.la.XToIndex(99), 6);
  EXPECT_EQ(f.la.XToIndex(5), 0);   // tie between 0 and 10: the lower index
  EXPECT_EQ(f.la.XToIndex(10), 1);  // equal X values: the first of them
  EXPECT_EQ(f.la.XToIndex(14), 1);
  EXPECT_EQ(f.la.XToIndex(15), 1);  // tie between index 2 (10) and 3 (20): lower X wins
  EXPECT_EQ(f.la.XToIndex(16), 3);
  EXPECT_EQ(f.la.XToIndex(31), 4);  // nearest, also right of the middle sample
  EXPECT_EQ(f.la.XToIndex(44), 5);
  EXPECT_EQ(f.la.IndexToX(7), -1.7e38L);
  // Unsorted X values: a full scan with the same rule.
  f.la.x.SetValue(3, 35);
  EXPECT_EQ(f.la.XToIndex(33), 3);
  EXPECT_EQ(f.la.XToIndex(5), 0);
}

TEST(Markers, HatchTheExcludedPart) {
  LaidOut f;
  f.la.y.SetValue(0, 1);
  f.Layout();
  const GraphRect plot = f.g.PlotRect();
  EXPECT_TRUE(ComputeMarkers(f.g).hatch.empty());
  f.g.startMarker = 20;
  MarkerGeometry m = ComputeMarkers(f.g);
  ASSERT_EQ(m.hatch.size(), 1u);
  EXPECT_EQ(m.hatch[0].left, plot.left);
  EXPECT_EQ(m.hatch[0].right, f.time.ValueToPixel(20));  // up to pixel(start) - 1
  ASSERT_EQ(m.lines.size(), 1u);
  EXPECT_TRUE(m.lines[0].isStart);
  f.g.endMarker = 60;
  m = ComputeMarkers(f.g);
  ASSERT_EQ(m.hatch.size(), 2u);
  EXPECT_EQ(m.hatch[1].left, f.time.ValueToPixel(60) + 1);
  EXPECT_EQ(m.hatch[1].right, f.g.FrameRect().right);
  // Start after end: the part between them.
  f.g.startMarker = 80;
  m = ComputeMarkers(f.g);
  ASSERT_EQ(m.hatch.size(), 1u);
  EXPECT_EQ(m.hatch[0].left, f.time.ValueToPixel(60) - 1);
  EXPECT_EQ(m.hatch[0].right, f.time.ValueToPixel(80) + 2);
  f.g.startMarker = -1;
  m = ComputeMarkers(f.g);
  ASSERT_EQ(m.hatch.size(), 1u);
  EXPECT_EQ(m.hatch[0].left, f.time.ValueToPixel(60) + 1);
}

TEST(Crosshair, FollowsTheSelectedLayerAndItsValues) {
  LaidOut f;
  f.la.y.SetValue(0, 10);
  f.la.y.SetValue(1, 1.5e38L);
  f.la.y.SetValue(2, -1.5e38L);
  f.la.y.SetValue(3, 30);
  f.Layout();
  EXPECT_FALSE(ComputeCrosshair(f.g, 0).shown);  // nothing selected
  f.g.SetSelectedLayerIndex(0);
  CrosshairGeometry c = ComputeCrosshair(f.g, 0);
  ASSERT_TRUE(c.shown);
  EXPECT_TRUE(c.vertical && c.horizontal);
  EXPECT_EQ(c.x, f.time.ValueToPixel(0));
  EXPECT_EQ(c.y, f.a.ValueToPixel(10));
  EXPECT_EQ(c.value, 10);
  EXPECT_EQ(c.axisBox.left, f.a.strip.left + f.a.captionStripWidth + 2);
  EXPECT_EQ(c.axisBox.Height(), 12);
  c = ComputeCrosshair(f.g, 1);  // not measured: vertical line only
  EXPECT_TRUE(c.vertical);
  EXPECT_FALSE(c.horizontal);
  c = ComputeCrosshair(f.g, 2);  // not stored: no lines
  EXPECT_TRUE(c.shown);
  EXPECT_FALSE(c.vertical || c.horizontal);
  EXPECT_FALSE(ComputeCrosshair(f.g, 4).shown);
  f.g.hideCrosshairLines = true;
  c = ComputeCrosshair(f.g, 0);
  EXPECT_FALSE(c.vertical || c.horizontal);
  // Removing the selected layer clears the selection.
  f.g.RemoveLayer(&f.la);
  EXPECT_EQ(f.g.SelectedLayer(), nullptr);
}

}  // namespace
}  // namespace gd
