// The Y scaling dialog's model and the printed page's header and geometry.
#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/StreamParser.h"
#include "support/StreamBuilder.h"
#include "view/DiagramPrint.h"
#include "view/YScaling.h"

namespace gd {
namespace {

TEST(YScaling, FormStartsWithUserRangeOrDataRange) {
  AxisScale axis{-1.5L, 20.25L, 0, 0, false, 2};
  YScalingForm f = OpenYScaling(axis, "Volumenstrom [m3/h]", Locale::German());
  EXPECT_EQ(f.caption, "Scaling of  Volumenstrom [m3/h]");
  EXPECT_TRUE(f.automatic);
  EXPECT_EQ(f.dataMinText, "-1,5");
  EXPECT_EQ(f.dataMaxText, "20,25");
  EXPECT_EQ(f.minText, "-1,5");  // no user range yet
  EXPECT_EQ(f.maxText, "20,25");

  axis.userMin = 0;
  axis.userMax = 100;
  axis.manual = true;
  f = OpenYScaling(axis, "X", Locale::English());
  EXPECT_FALSE(f.automatic);
  EXPECT_EQ(f.minText, "0");
  EXPECT_EQ(f.maxText, "100");
  EXPECT_EQ(f.dataMinText, "-1.5");
}

TEST(YScaling, OkStoresTheRangeOrRefusesBadInput) {
  const Locale de = Locale::German();
  AxisScale axis{0, 10, 0, 0, false, 1};
  YScalingForm f = OpenYScaling(axis, "X", de);
  f.automatic = false;
  f.minText = " -2,5 ";
  f.maxText = "1e2";
  EXPECT_EQ(ApplyYScaling(f, axis, de), std::nullopt);
  EXPECT_TRUE(axis.manual);
  EXPECT_EQ(axis.userMin, -2.5L);
  EXPECT_EQ(axis.userMax, 100);

  // Bad input: a message, the axis stays as it was.
  const AxisScale before = axis;
  f.minText = "abc";
  auto error = ApplyYScaling(f, axis, de);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("abc"), std::string::npos);
  f.minText = "5";
  f.maxText = "nan";
  EXPECT_TRUE(ApplyYScaling(f, axis, de));
  f.maxText = "1";
  EXPECT_EQ(ApplyYScaling(f, axis, de), std::string("Das Minimum ist gr\xF6\xDF"
                                                    "er als das Maximum"));
  EXPECT_EQ(axis.userMin, before.userMin);
  EXPECT_EQ(axis.userMax, before.userMax);
  EXPECT_TRUE(axis.manual);

  // Automatic: manual off; unusable edits are no error.
  f.automatic = true;
  f.minText = "x";
  EXPECT_EQ(ApplyYScaling(f, axis, de), std::nullopt);
  EXPECT_FALSE(axis.manual);
  EXPECT_EQ(axis.userMin, before.userMin);
}

TEST(DiagramPrint, HeaderNamesFileStartDurationAndMeasuringPoints) {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  s.year = 2007;
  s.month = 3;
  s.day = 13;
  s.startSeconds = 8 * 3600;
  sb::ChannelSpec a, b;
  a.measuringPoint = "VORLAUF";
  a.parameters.StorageInterval(1800);
  b.number = 1;
  b.measuringPoint = "BYPASS";
  b.parameters.StorageInterval(1800);
  s.channels = {a, b};
  for (int i = 0; i < 49; ++i) {
    sb::FlaggedRecord r;
    r.velocity = 100;
    r.channel = static_cast<std::uint8_t>(1 + i % 2);
    s.records.push_back(r);
  }
  const sb::ByteVec bytes = sb::BuildStream(spec);
  ParsedStream parsed = ParseStream(ByteView(bytes));
  TVXAblage nav(ByteView(bytes), parsed);
  TSeriesDescription d;
  nav.GetSeriesDescription(1, d);
  const std::vector<PrintHeaderLine> h = PrintHeader("demo.sdx[2]", d, Locale::German());
  ASSERT_EQ(h.size(), 4u);
  EXPECT_EQ(h[0].label, "Datei:");
  EXPECT_EQ(h[0].value, "demo.sdx[2]");
  EXPECT_EQ(h[1].label, "Start:");
  EXPECT_EQ(h[1].value, "13.03.2007 / 08:00:00");
  EXPECT_EQ(h[2].label, "Dauer:");
  EXPECT_EQ(h[2].value, "12h:00min:00s");  // 25 values of channel A, every 30 min
  EXPECT_EQ(h[3].label, "Name:");
  EXPECT_EQ(h[3].value, "'VORLAUF';'BYPASS'");
}

TEST(DiagramPrint, MarginsAndGraphBox) {
  // A4 at 300 dpi: 2480 x 3508.
  PrintGeometry p = ComputePrintGeometry(PrintPage{2480, 3508, 300, 300, false}, 4, 50, 20);
  EXPECT_EQ(p.headerLeft, 295);  // 2.5 cm
  EXPECT_EQ(p.headerTop, 236);   // 2 cm
  EXPECT_EQ(p.valueLeft, 295 + 200);
  EXPECT_EQ(p.headerBottom, 236 + 200);
  EXPECT_EQ(p.graph.left, 295);
  EXPECT_EQ(p.graph.top, 436);
  EXPECT_EQ(p.graph.width, 2480 - 295 - 118);
  EXPECT_EQ(p.graph.height, 3508 - 436 - 177);  // 1.5 cm below: stays on the page

  PrintGeometry l = ComputePrintGeometry(PrintPage{3508, 2480, 300, 300, true}, 4, 50, 20);
  EXPECT_EQ(l.headerLeft, 118);  // 1 cm
  EXPECT_EQ(l.headerTop, 295);   // 2.5 cm
  EXPECT_EQ(l.graph.width, 3508 - 2 * 118);
  EXPECT_EQ(l.graph.top + l.graph.height, 2480 - 177);

  // A page too small for the header still gives a box, never a negative one.
  PrintGeometry tiny = ComputePrintGeometry(PrintPage{100, 100, 300, 300, false}, 4, 50, 20);
  EXPECT_GE(tiny.graph.width, 1);
  EXPECT_GE(tiny.graph.height, 1);
  EXPECT_DOUBLE_EQ(PrintGraphFontSize(96, 600), 1.28);
}

}  // namespace
}  // namespace gd
