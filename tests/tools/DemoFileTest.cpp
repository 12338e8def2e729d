// The committed demo file must be exactly what the generator makes, and it must
// open as a measurement file with the series and comments it promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "DemoFile.h"
#include "convert/VXASCIIOUT.h"
#include "core/StreamParser.h"
#include "core/UserData.h"
#include "core/VXAblage.h"
#include "view/InfoTexts.h"

namespace {

std::vector<std::uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DemoFile, CommittedBytesEqualTheGenerator) {
  const auto committed = ReadFile(GAUGDATA_DEMO_FILE);
  ASSERT_FALSE(committed.empty()) << "missing " << GAUGDATA_DEMO_FILE;
  EXPECT_TRUE(committed == gd::demo::BuildDemoFile())
      << "examples/demo.sdx is out of date: rebuild it with make-demo-file";
}

TEST(DemoFile, OpensWithItsSeriesAndComments) {
  const auto file = gd::demo::BuildDemoFile();
  const gd::ParsedStream parsed = gd::ParseStream(file);
  ASSERT_TRUE(parsed.Usable()) << parsed.status;
  EXPECT_GE(parsed.Version(), 0x1605);  // V 5.22

  gd::TVXAblage nav(file, parsed);
  ASSERT_EQ(nav.SeriesCount(), 6);
  int triggered = 0, kind2 = 0, heat = 0;
  for (int n = 1; n <= 6; ++n) {
    gd::TSeriesDescription d;
    nav.GetSeriesDescription(n, d);
    EXPECT_FALSE(d.damaged) << "series " << n;
    triggered += d.triggered;
    kind2 += d.kind2;
    for (int k = 0; k < d.channelCount; ++k) {
      if (d.channels[static_cast<std::size_t>(k)].parameterSet.raw[81] == 3) {
        ++heat;
        EXPECT_NE(nav.FindCoefficientSet(12), nullptr);
      }
    }
    nav.SelectSeries(n);
    gd::TValueRecord rec;
    int records = 0;
    while (nav.NextRecord(rec)) ++records;
    EXPECT_EQ(records, d.wholeRecords);
    EXPECT_GT(records, 0);
  }
  EXPECT_EQ(triggered, 1);
  EXPECT_EQ(kind2, 1);
  EXPECT_EQ(heat, 1);

  gd::ByteReader in(file);
  in.Seek(static_cast<std::size_t>(parsed.prolog.StreamSize()));
  gd::CommentSet comments;
  for (int n = 1; n <= 6; ++n) comments.rows.emplace_back(n);
  const auto result = gd::ReadUserData(in, comments);
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.seriesBlocks, 3);
  EXPECT_FALSE(result.incomplete);
  EXPECT_NE(comments.fileCommentField.text.find("Musterstadt"), std::string::npos);
  EXPECT_TRUE(comments.rows[2].HasText());
  EXPECT_FALSE(comments.rows[1].HasText());
}

// The number at the start of an information text such as "  1234,56 m3/h".
double NumberOf(const std::string& text) {
  std::string number = text.substr(0, text.find(" ", text.find_first_not_of(' ')));
  for (char& c : number)
    if (c == ',') c = '.';
  return std::stod(number);
}

// What the series information shows must be what a real meter fills in and
// agree with the table: a known sensor kind, and the smallest and largest
// value the table of that channel holds.
TEST(DemoFile, SeriesInformationIsPlausibleAndAgreesWithTheValues) {
  const auto file = gd::demo::BuildDemoFile();
  gd::TVXASCIIOUT out("demo.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, nullptr,
                      gd::ByteView(file));
  ASSERT_TRUE(out.Usable());
  gd::TVXAblage& nav = out.Navigator();
  for (int n = 1; n <= nav.SeriesCount(); ++n) {
    gd::TSeriesDescription d;
    nav.GetSeriesDescription(n, d);
    for (std::size_t k = 0; k < d.channelCount; ++k) {
      SCOPED_TRACE("series " + std::to_string(n) + " channel " + std::to_string(k));
      const gd::ChannelInfo info = gd::BuildChannelInfo(d, k, out.Parsed(), gd::Locale::German());
      EXPECT_NE(info.sensor, gd::kUnknownSensorText);
      ASSERT_FALSE(info.smallest.empty());
      ASSERT_FALSE(info.largest.empty());

      double low = 1e300, high = -1e300;
      nav.SelectSeries(n);
      out.StartChannelClocks(d.entry, d);
      gd::TValueRecord rec;
      while (nav.NextRecord(rec)) {
        nav.AttachChannel(rec);
        int number = -1;
        if (rec.flags & 0x10) {
          if (rec.channel != k + 1) continue;
          number = d.channels[k].head.ChannelNumber();
        }
        out.ConvertRecord(number, rec);
        const double m = static_cast<double>(out.Column(gd::kColMeasure).numeric);
        if (std::fabs(m) >= 1e38) continue;
        low = std::min(low, m);
        high = std::max(high, m);
      }
      ASSERT_LT(low, high);
      const bool heat = d.channels[k].parameterSet.raw[81] == 3;
      // Heat flow is computed from the coefficient set; the head's extremes
      // come from the meter's own computation and may differ a little.
      const double tolerance = heat ? 0.1 * std::fabs(high) : 0.006;
      EXPECT_NEAR(NumberOf(info.smallest), low, tolerance) << info.smallest;
      EXPECT_NEAR(NumberOf(info.largest), high, tolerance) << info.largest;
    }
  }
}

}  // namespace
