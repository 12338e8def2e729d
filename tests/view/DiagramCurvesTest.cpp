// The diagram's curves read through the conversion engine: names, shared
// axes, samples, explicit times of triggered series, the style word during
// the load, the rebuild skip; and the diagram's texts, zoom arithmetic and
// stored styles.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "support/StreamBuilder.h"
#include "support/StreamEncoding.h"
#include "view/DiagramCurves.h"
#include "view/DiagramStyles.h"

namespace gd {
namespace {

struct Engine {
  sb::ByteVec bytes;
  std::unique_ptr<TVXASCIIOUT> out;
  explicit Engine(const sb::StreamSpec& spec) : bytes(sb::BuildStream(spec)) {
    out = std::make_unique<TVXASCIIOUT>("test.sdx", TranslateFunction{}, nullptr, "",
                                        kDefaultTextStyle, nullptr, nullptr, ByteView(bytes));
    out->SetLocale(Locale::German());
  }
};

sb::FlaggedRecord Rec(std::int16_t v, std::optional<std::uint8_t> channel = std::nullopt) {
  sb::FlaggedRecord r;
  r.velocity = v;
  r.channel = channel;
  return r;
}

sb::StreamSpec TwoChannels() {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  sb::ChannelSpec a;
  a.parameters.StorageInterval(30);
  sb::ChannelSpec b;
  b.number = 1;
  b.parameters.StorageInterval(60);
  s.channels = {a, b};
  s.records = {Rec(1500, 1), Rec(250, 2), Rec(-20, 1), Rec(300, 2), Rec(7, 1)};
  return spec;
}

TEST(DiagramCurvesBuild, TwoChannelsGetPrefixesAndShareAxes) {
  Engine e(TwoChannels());
  DiagramCurves d;
  NullProgress progress;
  ASSERT_EQ(d.Build(e.out.get(), 1, 0, progress), DiagramCurves::BuildResult::kBuilt);
  ASSERT_FALSE(d.Curves().empty());
  std::set<int> channelsSeen;
  for (const TGraphLayItem& c : d.Curves()) {
    EXPECT_GE(c.column, kColVeloc);
    EXPECT_EQ(c.Name(), c.prefix + "MEASURE");
    EXPECT_EQ(c.prefix, c.channel == 0 ? "A:" : "B:");
    EXPECT_EQ(c.Name(), c.prefix + c.headline);
    EXPECT_EQ(c.HeaderText(), c.prefix + c.quantity + " " + c.qualifier);
    ASSERT_GE(c.axis, 0);
    EXPECT_EQ(d.Axes()[static_cast<std::size_t>(c.axis)].name, c.AxisName());
    channelsSeen.insert(c.channel);
  }
  EXPECT_EQ(channelsSeen, (std::set<int>{0, 1}));
  // One axis per distinct quantity and unit: A and B share theirs.
  std::set<std::string> names;
  for (const TGraphLayItem& c : d.Curves()) names.insert(c.AxisName());
  EXPECT_EQ(d.Axes().size(), names.size());
  EXPECT_LT(d.Axes().size(), d.Curves().size());
  // The last curve's axis comes first.
  EXPECT_EQ(d.Curves().back().axis, 0);

  // Measured values of each channel, only that channel's records.
  const TGraphLayItem* va = nullptr;
  const TGraphLayItem* vb = nullptr;
  for (const TGraphLayItem& c : d.Curves()) {
    if (c.column != kColMeasure) continue;
    (c.channel == 0 ? va : vb) = &c;
  }
  ASSERT_TRUE(va && vb);
  EXPECT_EQ(va->axis, vb->axis);
  ASSERT_EQ(va->y.size(), 3u);
  ASSERT_EQ(vb->y.size(), 2u);
  EXPECT_GT(va->y[0], va->y[2]);
  EXPECT_GT(va->y[2], va->y[1]);  // 1500 > 7 > -20
  EXPECT_LT(vb->y[0], vb->y[1]);  // 250 < 300
  EXPECT_EQ(va->xFactor, 30);
  EXPECT_EQ(vb->xFactor, 60);
  EXPECT_TRUE(va->x.empty());  // no explicit times
  // Range: 0 .. the longest curve (A: 2 x 30 s, B: 1 x 60 s).
  EXPECT_EQ(d.XMode(), kXModeLinear);
  EXPECT_EQ(d.TimeMin(), 0);
  EXPECT_EQ(d.TimeMax(), 60);
  EXPECT_EQ(va->lastX, 60);
  EXPECT_EQ(vb->lastX, 60);
  EXPECT_EQ(d.SeriesStart(), MomentToDateTime(DateRecord{2005, 6, 15, 3}, 36000));
}

TEST(DiagramCurvesBuild, SingleChannelHasNoPrefixAndTheStyleWordComesBack) {
  sb::StreamSpec spec;
  spec.series[0].channels[0].parameters.StorageInterval(10);
  spec.series[0].records = {Rec(100), Rec(200), Rec(300), Rec(400)};
  Engine e(spec);
  const std::uint32_t style = e.out->Style();
  DiagramCurves d;
  NullProgress progress;
  ASSERT_EQ(d.Build(e.out.get(), 1, 0, progress), DiagramCurves::BuildResult::kBuilt);
  EXPECT_EQ(e.out->Style(), style);
  ASSERT_FALSE(d.Curves().empty());
  for (const TGraphLayItem& c : d.Curves()) {
    EXPECT_EQ(c.prefix, "");
    EXPECT_EQ(c.Name(), c.headline);
    EXPECT_NE(c.column, kColDate);
    EXPECT_NE(c.column, kColTime);
    EXPECT_EQ(c.y.size(), 4u);
  }
  EXPECT_EQ(d.TimeMax(), 30);

  // Same series, style and language: kept; another language: built again.
  EXPECT_EQ(d.Build(e.out.get(), 1, 0, progress), DiagramCurves::BuildResult::kKept);
  // Bits the load replaces anyway do not force a rebuild.
  e.out->SetStyle(style ^ 0x10);
  EXPECT_EQ(d.Build(e.out.get(), 1, 0, progress), DiagramCurves::BuildResult::kKept);
  e.out->SetStyle(style);
  EXPECT_EQ(d.Build(e.out.get(), 1, 1, progress), DiagramCurves::BuildResult::kBuilt);
  // Past the last series: everything removed.
  EXPECT_EQ(d.Build(e.out.get(), 2, 1, progress), DiagramCurves::BuildResult::kNoSeries);
  EXPECT_TRUE(d.Curves().empty());
  EXPECT_TRUE(d.Axes().empty());
  EXPECT_EQ(d.Build(nullptr, 1, 1, progress), DiagramCurves::BuildResult::kNoEngine);
}

TEST(DiagramCurvesBuild, TriggeredSeriesUseTheRecordTimes) {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.year = 2007;
  s.month = 3;
  s.day = 14;
  s.startSeconds = 6 * 3600;
  s.channels[0].storedValues = 0x1000;
  s.channels[0].parameters.StorageInterval(60);
  auto timed = [](std::int16_t v, int hour, int minute) {
    sb::FlaggedRecord r = Rec(v);
    r.timestamp = sb::PackTimestamp(2007, 3, 14, hour, minute, 0);
    return r;
  };
  s.records = {timed(10, 6, 0), timed(20, 7, 30), Rec(30), timed(40, 9, 15)};
  Engine e(spec);
  DiagramCurves d;
  NullProgress progress;
  ASSERT_EQ(d.Build(e.out.get(), 1, 0, progress), DiagramCurves::BuildResult::kBuilt);
  ASSERT_EQ(d.XMode(), kXModeExplicit);
  ASSERT_FALSE(d.Curves().empty());
  const TGraphLayItem& c = d.Curves().front();
  ASSERT_EQ(c.x.size(), 4u);
  const double day = MomentToDateTime(DateRecord{2007, 3, 14, 0}, 0);
  EXPECT_NEAR(static_cast<double>(c.x[0]), day + 0.25, 1e-9);
  EXPECT_NEAR(static_cast<double>(c.x[1]), day + 7.5 / 24, 1e-9);
  // A record without a timestamp runs on by the storage interval.
  EXPECT_NEAR(static_cast<double>(c.x[2]), day + (7.5 + 1.0 / 60) / 24, 1e-9);
  EXPECT_NEAR(static_cast<double>(c.x[3]), day + 9.25 / 24, 1e-9);
  EXPECT_NEAR(static_cast<double>(d.TimeMin()), d.SeriesStart(), 1e-9);
  EXPECT_NEAR(static_cast<double>(d.TimeMax()), day + 9.25 / 24, 1e-9);
}

TEST(DiagramTexts, TimeLabelsSwitchToMinutesAboveOneMinuteSteps) {
  const double start = MomentToDateTime(DateRecord{2007, 3, 12, 0}, 8 * 3600);
  EXPECT_EQ(TimeLabel(kXModeLinear, start, 90, 30), "08:01:30");
  EXPECT_EQ(TimeLabel(kXModeLinear, start, 90, 60), "08:01:30");
  EXPECT_EQ(TimeLabel(kXModeLinear, start, 3600, 61), "09:00");
  EXPECT_EQ(TimeLabel(kXModeExplicit, start, start + 0.5, 30.0 / 86400), "20:00:00");
  EXPECT_EQ(TimeLabel(kXModeExplicit, start, start + 0.5, 120.0 / 86400), "20:00");
}

TEST(DiagramTexts, ReadOuts) {
  const Locale de = Locale::German();
  EXPECT_EQ(CursorValueText(12.345L, 2, "m3/h", false, false, de), "12,35 m3/h");
  EXPECT_EQ(CursorValueText(-1, 0, "kW", true, false, de), "-1 kW (MIN)");
  EXPECT_EQ(CursorValueText(3, 1, "kW", false, true, Locale::English()), "3.0 kW (MAX)");
  EXPECT_EQ(CursorValueText(1.5e38L, 1, "kW", false, false, de), "");
  EXPECT_EQ(NoValueText(1.5e38L), "nicht gemessen");
  EXPECT_EQ(NoValueText(-1.5e38L), "nicht gespeichert");
  EXPECT_EQ(NoValueText(-1.6e38L), "");

  const double start = MomentToDateTime(DateRecord{2007, 3, 12, 0}, 8 * 3600);
  EXPECT_EQ(CursorTimeText(kXModeLinear, start, 3600, 6, de), "09:00:00\r12.03.2007 [7] ");
  EXPECT_EQ(CursorTimeText(kXModeExplicit, start, start + 1, 0, de), "08:00:00\r13.03.2007 [1] ");
  EXPECT_EQ(ElapsedText(kXModeLinear, start, 3723), "01:02:03");
  EXPECT_EQ(ElapsedText(kXModeLinear, start, 86400 + 7200), "1 Tag +02:00:00");
  EXPECT_EQ(ElapsedText(kXModeLinear, start, 3 * 86400), "3 Tage +00:00:00");
  EXPECT_EQ(ElapsedText(kXModeExplicit, start, start + 2.5), "2 Tage +12:00:00");
  EXPECT_EQ(ElapsedText(kXModeLinear, start, 86399.9L), "1 Tag +00:00:00");
}

TEST(DiagramZoom, WidthPositionAndMarkerRange) {
  // A tenth of a 1000-second axis on a 600-pixel plot: ten times as wide.
  EXPECT_EQ(ZoomWidth(100, 200, 0, 1000, 1, 650, 50), 6000);
  // Never below one second, never above 30000.
  EXPECT_EQ(ZoomWidth(100, 100, 0, 1000, 1, 650, 50), 30000);
  EXPECT_EQ(ZoomWidth(0, 1000, 0, 1000, 1, 650, 50), 600);
  EXPECT_EQ(ZoomWidth(0, 0, 0, 0, 0, 650, 50), 0);
  // Range at 650..1250 on screen, client right 650: centred.
  EXPECT_EQ(ZoomScrollPosition(50, 650, 650, 1250), 600);

  auto range = [](bool s, long double start, bool e, long double end, bool m = false,
                  long double mouse = 0) {
    const ZoomRange r = MarkerZoomRange(s, start, e, end, 0, 1000, m, mouse);
    return std::make_pair(r.low, r.high);
  };
  EXPECT_EQ(range(true, 100, true, 300), std::make_pair(100.0L, 300.0L));
  EXPECT_EQ(range(true, 100, false, 0), std::make_pair(100.0L, 1000.0L));
  EXPECT_EQ(range(false, 0, true, 300), std::make_pair(0.0L, 300.0L));
  // Reversed: the side of the mouse decides.
  EXPECT_EQ(range(true, 600, true, 300, true, 700), std::make_pair(600.0L, 1000.0L));
  EXPECT_EQ(range(true, 600, true, 300, true, 400), std::make_pair(0.0L, 300.0L));
  EXPECT_EQ(range(true, 600, true, 300), std::make_pair(0.0L, 300.0L));
}

TEST(DiagramStyles, KeysValuesAndLenientReading) {
  EXPECT_EQ(CurveStyleKey(3, 0), "CT03_0");
  EXPECT_EQ(CurveStyleKey(21, 1), "CT21_1");
  EXPECT_EQ(CurveStyleValue(CurveStyle{255, 2, false, true}), "255,2,0,1");

  CurveStyle s{123, 1, false, false};
  ApplyCurveStyleValue("16711680,3,1,0", s);
  EXPECT_EQ(s.color, 16711680u);
  EXPECT_EQ(s.mark, 3);
  EXPECT_TRUE(s.lines);
  EXPECT_FALSE(s.visible);

  s = CurveStyle{123, 1, false, false};
  ApplyCurveStyleValue("rot,7", s);  // bad colour: black; bad mark: kept; rest: on
  EXPECT_EQ(s.color, 0u);
  EXPECT_EQ(s.mark, 1);
  EXPECT_TRUE(s.lines);
  EXPECT_TRUE(s.visible);

  s = CurveStyle{};
  ApplyCurveStyleValue("", s);
  EXPECT_EQ(s.color, 0u);
  EXPECT_TRUE(s.visible);
  EXPECT_NE(DefaultCurveColor(0), DefaultCurveColor(1));
}

}  // namespace
}  // namespace gd
