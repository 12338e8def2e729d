// The diagram's curves bound into a graph model: axes and layers, styles
// stored and read back, statistics under the graph's markers, min/max
// markers, axis scaling and zoom to a range.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "support/StreamBuilder.h"
#include "view/DiagramGraph.h"

namespace gd {
namespace {

class FixedMetrics final : public GraphTextMetrics {
 public:
  int TextWidth(const GraphFont&, const std::string& text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int TextHeight(const GraphFont&) const override { return 12; }
};

struct Fixture {
  sb::ByteVec bytes;
  std::unique_ptr<TVXASCIIOUT> out;
  DiagramCurves curves;
  GraphModel graph;
  DiagramGraph diagram;

  Fixture() {
    sb::StreamSpec spec;
    sb::SeriesSpec& s = spec.series[0];
    s.kind = 2;
    sb::ChannelSpec a, b;
    a.parameters.StorageInterval(60);
    b.number = 1;
    b.parameters.StorageInterval(60);
    s.channels = {a, b};
    const std::int16_t va[] = {100, 400, 300, 200, 500, 100, 300, 250};
    for (int i = 0; i < 8; ++i) {
      sb::FlaggedRecord r;
      r.velocity = va[i];
      r.channel = 1;
      s.records.push_back(r);
      r.velocity = static_cast<std::int16_t>(50 * i);
      r.channel = 2;
      s.records.push_back(r);
    }
    bytes = sb::BuildStream(spec);
    out = std::make_unique<TVXASCIIOUT>("t.sdx", TranslateFunction{}, nullptr, "",
                                        kDefaultTextStyle, nullptr, nullptr, ByteView(bytes));
    NullProgress progress;
    curves.Build(out.get(), 1, 0, progress);
    diagram.Bind(graph, curves);
  }
};

TEST(DiagramGraph, BindAddsTimeAxisSharedAxesAndNamedLayers) {
  Fixture f;
  ASSERT_EQ(f.diagram.CurveCount(), 2);
  EXPECT_EQ(f.graph.HorizontalAxisCount(), 1);
  EXPECT_EQ(f.graph.HorizontalAxisName(0), "Time");
  EXPECT_EQ(f.graph.VerticalAxisCount(), 1);  // A and B share one quantity and unit
  EXPECT_EQ(f.graph.LayerName(0), "A:MEASURE");
  EXPECT_EQ(f.graph.LayerName(1), "B:MEASURE");
  EXPECT_EQ(f.diagram.Layer(0).y.Count(), 8);
  EXPECT_EQ(f.diagram.Layer(0).yAxis, f.diagram.Layer(1).yAxis);
  EXPECT_EQ(f.diagram.TimeAxis()->max, 7 * 60);
  EXPECT_TRUE(f.curves.Curves()[0].y.empty());  // moved into the layer
  std::string label;
  f.diagram.TimeAxis()->OnGetLabel(*f.diagram.TimeAxis(), label, 120, 60);
  EXPECT_EQ(label, "10:02:00");  // series start 10:00:00

  // Binding again replaces everything.
  f.diagram.Bind(f.graph, f.curves);
  EXPECT_EQ(f.graph.LayerCount(), 2);
  EXPECT_EQ(f.graph.VerticalAxisCount(), 1);
  f.diagram.Clear();
  EXPECT_EQ(f.graph.LayerCount(), 0);
  EXPECT_EQ(f.graph.HorizontalAxisCount(), 0);
}

TEST(DiagramGraph, StylesRoundTripThroughTheStore) {
  Fixture f;
  std::map<std::string, std::string> ini;
  GraphStyleStore store{
      [&](std::string_view k) -> std::optional<std::string> {
        auto it = ini.find(std::string(k));
        if (it == ini.end()) return std::nullopt;
        return it->second;
      },
      [&](std::string_view k, std::string_view v) { ini[std::string(k)] = std::string(v); }};
  f.diagram.ApplyStyles(store);  // nothing stored: palette colours, white background
  EXPECT_EQ(f.graph.color, kDefaultGraphColor);
  EXPECT_NE(f.diagram.Layer(0).color, f.diagram.Layer(1).color);

  f.graph.color = 0x123456;
  f.diagram.Layer(1).color = 255;
  f.diagram.Layer(1).markStyle = 2;
  f.diagram.Layer(1).drawLines = false;
  f.diagram.Layer(1).visible = false;
  f.diagram.StoreStyles(store);
  EXPECT_EQ(ini["MainColor"], std::to_string(0x123456));
  EXPECT_EQ(ini["CT04_1"], "255,2,0,0");

  f.diagram.Bind(f.graph, f.curves);
  f.diagram.ApplyStyles(store);
  EXPECT_EQ(f.graph.color, 0x123456u);
  EXPECT_EQ(f.diagram.Layer(1).color, 255u);
  EXPECT_EQ(f.diagram.Layer(1).markStyle, 2);
  EXPECT_FALSE(f.diagram.Layer(1).drawLines);
  EXPECT_FALSE(f.diagram.Layer(1).visible);
  EXPECT_TRUE(f.diagram.AnyHidden());
  EXPECT_TRUE(f.diagram.AnyVisible());
}

TEST(DiagramGraph, StatisticsMinMaxMarkersAndScalingFollowTheMarkers) {
  Fixture f;
  // No markers: the whole curve, maximum at sample 4 (500).
  StatisticsRecord r = f.diagram.Statistics(0);
  EXPECT_EQ(r.visited, 8);
  EXPECT_EQ(r.maximumSample, 4);
  EXPECT_EQ(r.minimumSample, 0);
  // Start marker at 5 minutes: samples 5..7.
  f.diagram.ToggleStartMarker(300);
  r = f.diagram.Statistics(0);
  EXPECT_EQ(r.visited, 3);
  EXPECT_EQ(r.minimumSample, 5);
  EXPECT_EQ(r.maximumSample, 6);
  // End marker before it: 0..1 and 6..7 remain.
  f.diagram.ToggleEndMarker(120);
  r = f.diagram.Statistics(0);
  EXPECT_TRUE(r.twoRanges);
  EXPECT_EQ(r.visited, 4);
  EXPECT_EQ(r.maximumSample, 1);
  // The same X clears the marker.
  f.diagram.ToggleEndMarker(120);
  EXPECT_EQ(f.graph.endMarker, -1);

  f.diagram.SetMinMaxMarkers(0);
  EXPECT_EQ(f.diagram.Layer(0).minMarkerIndex, 5);
  EXPECT_EQ(f.diagram.Layer(0).maxMarkerIndex, 6);
  const auto range = f.diagram.MinMaxRange(0);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->low, 300);
  EXPECT_EQ(range->high, 360);
  EXPECT_FALSE(f.diagram.MinMaxRange(1));
  f.diagram.SetMinMaxMarkersOfVisible();
  EXPECT_EQ(f.diagram.Layer(1).maxMarkerIndex, 7);
  EXPECT_TRUE(f.diagram.ClearMinMaxMarkers());
  EXPECT_FALSE(f.diagram.AnyMinMaxMarker());
  EXPECT_FALSE(f.diagram.ClearMinMaxMarkers());

  ASSERT_TRUE(f.diagram.ScaleAxisToCurve(0));
  TcrvVerticalGraphAxis& axis = *f.diagram.Layer(0).yAxis;
  EXPECT_TRUE(axis.manualScale);
  EXPECT_LT(axis.userMin, axis.userMax);
  EXPECT_TRUE(f.diagram.AnyManualScale());
  f.diagram.AutoScaleAll();
  EXPECT_FALSE(f.diagram.AnyManualScale());
  f.diagram.ScaleAllToData();
  EXPECT_EQ(axis.userMin, axis.dataMin);
  EXPECT_EQ(axis.userMax, axis.dataMax);
}

TEST(DiagramGraph, ZoomToARangeCentresIt) {
  Fixture f;
  FixedMetrics metrics;
  const GraphRect client{0, 0, 800, 400};
  f.graph.Layout(metrics, client);
  const int plotLeft = f.graph.PlotRect().left;
  // Two of seven minutes: the plot gets 3.5 times the visible width.
  const ZoomRequest z = ZoomGraphTo(f.graph, metrics, client, ZoomRange{120, 240}, 1);
  EXPECT_EQ(z.fixedWidth, static_cast<int>(std::lround((800 - plotLeft) * 420.0 / 120)));
  EXPECT_TRUE(f.graph.ScrollBar().visible);
  TcrvHorizontalGraphAxis& axis = *f.diagram.TimeAxis();
  const int lo = axis.ValueToPixel(120), hi = axis.ValueToPixel(240);
  // Both ends visible, about equally far from the plot's edges.
  EXPECT_GE(lo, plotLeft);
  EXPECT_LE(hi, 800);
  EXPECT_NEAR(lo - plotLeft, 800 - hi, 3);
  // The markers' range.
  f.diagram.ToggleStartMarker(60);
  EXPECT_EQ(f.diagram.MarkersRange().low, 60);
  EXPECT_EQ(f.diagram.MarkersRange().high, 420);
}

}  // namespace
}  // namespace gd
