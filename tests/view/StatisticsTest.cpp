// Statistics of a diagram curve: the ranges the markers leave, the
// accumulation and the text of the statistics dialog, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "export/CellConversions.h"
#include "view/Statistics.h"

namespace gd {
namespace {

constexpr long double kNotMeasured = 1.5e38L;
constexpr long double kNotStored = -1.5e38L;

std::vector<long double> Ramp(int n) {
  std::vector<long double> v;
  for (int i = 0; i < n; ++i) v.push_back(i);
  return v;
}

TEST(StatisticsRanges, MarkersChooseOneOrTwoRanges) {
  const std::vector<long double> s = Ramp(10);
  StatisticsRecord r = ComputeStatistics(s, std::nullopt, std::nullopt);
  EXPECT_FALSE(r.Subset());
  EXPECT_EQ(r.rangeStart, 0);
  EXPECT_EQ(r.rangeEnd, 9);
  EXPECT_EQ(r.visited, 10);

  r = ComputeStatistics(s, 6, std::nullopt);  // only start
  EXPECT_TRUE(r.Subset());
  EXPECT_EQ(r.rangeStart, 6);
  EXPECT_EQ(r.rangeEnd, 9);
  EXPECT_EQ(r.visited, 4);
  EXPECT_EQ(r.minimum, 6);

  r = ComputeStatistics(s, std::nullopt, 2);  // only end
  EXPECT_EQ(r.rangeStart, 0);
  EXPECT_EQ(r.rangeEnd, 2);
  EXPECT_EQ(r.maximum, 2);

  r = ComputeStatistics(s, 3, 5);  // both in order: markers included
  EXPECT_FALSE(r.twoRanges);
  EXPECT_EQ(r.visited, 3);
  EXPECT_EQ(r.minimumSample, 3);
  EXPECT_EQ(r.maximumSample, 5);

  r = ComputeStatistics(s, 4, 4);  // both on one sample
  EXPECT_EQ(r.visited, 1);
  EXPECT_EQ(r.minimum, 4);
}

TEST(StatisticsRanges, ReverseMarkersExcludeBothMarkerSamples) {
  const std::vector<long double> s = Ramp(10);
  const StatisticsRecord r = ComputeStatistics(s, 7, 3);
  EXPECT_TRUE(r.twoRanges);
  EXPECT_EQ(r.rangeStart, 0);
  EXPECT_EQ(r.rangeEnd, 2);
  EXPECT_EQ(r.secondStart, 8);
  EXPECT_EQ(r.secondEnd, 9);
  EXPECT_EQ(r.visited, 5);  // 0 1 2 8 9
  EXPECT_EQ(r.valid, 5);
  EXPECT_EQ(r.mean, (0 + 1 + 2 + 8 + 9) / 5.0L);
  EXPECT_EQ(r.maximumSample, 9);
  // Neighbouring markers leave nothing out but themselves.
  const StatisticsRecord n = ComputeStatistics(s, 1, 0);
  EXPECT_EQ(n.visited, 8);
  EXPECT_EQ(n.minimum, 2);
}

TEST(StatisticsRanges, MarkersOutsideTheCurveStayInsideIt) {
  const std::vector<long double> s = Ramp(5);
  StatisticsRecord r = ComputeStatistics(s, std::nullopt, 1000);  // end clamped to HighIndex
  EXPECT_EQ(r.endSample, 4);
  EXPECT_EQ(r.visited, 5);
  r = ComputeStatistics(s, 1000, std::nullopt);  // start after the last sample
  EXPECT_EQ(r.visited, 0);
  EXPECT_EQ(r.valid, 0);
  r = ComputeStatistics(s, -1, std::nullopt);  // a marker without a sample: from the first
  EXPECT_TRUE(r.Subset());
  EXPECT_EQ(r.visited, 5);
  r = ComputeStatistics({}, 2, 1);  // empty curve, reversed markers
  EXPECT_EQ(r.visited, 0);
  EXPECT_EQ(r.minimumSample, -1);
}

TEST(StatisticsRanges, ActionImageFollowsTheMarkers) {
  EXPECT_EQ(StatisticsImageIndex(false, 0, false, 0), 0);
  EXPECT_EQ(StatisticsImageIndex(true, 5, false, 0), 29);
  EXPECT_EQ(StatisticsImageIndex(false, 0, true, 5), 30);
  EXPECT_EQ(StatisticsImageIndex(true, 5, true, 5), 33);
  EXPECT_EQ(StatisticsImageIndex(true, 6, true, 5), 34);
}

TEST(StatisticsAccumulation, NoValuesMeanAndSampleStandardDeviation) {
  // 2 4 4 4 5 5 7 9: mean 5, squares 32, sample deviation sqrt(32 / 7).
  const std::vector<long double> s = {2, kNotMeasured, 4, 4, 4, kNotStored, 5, 5, 7, 9, -2e38L};
  const StatisticsRecord r = ComputeStatistics(s, std::nullopt, std::nullopt);
  EXPECT_EQ(r.visited, 11);
  EXPECT_EQ(r.valid, 8);
  EXPECT_EQ(r.mean, 5);
  EXPECT_NEAR(static_cast<double>(r.standardDeviation), std::sqrt(32.0 / 7.0), 1e-12);
  EXPECT_EQ(r.minimumSample, 0);
  EXPECT_EQ(r.maximumSample, 9);
  // Ties keep the first sample.
  const StatisticsRecord t = ComputeStatistics(std::vector<long double>{3, 1, 3, 1}, {}, {});
  EXPECT_EQ(t.minimumSample, 1);
  EXPECT_EQ(t.maximumSample, 0);
}

TEST(StatisticsAccumulation, OneValidSampleHasNoDeviation) {
  const std::vector<long double> s = {kNotMeasured, -7.25L, kNotStored};
  const StatisticsRecord r = ComputeStatistics(s, std::nullopt, std::nullopt);
  EXPECT_EQ(r.valid, 1);
  EXPECT_EQ(r.standardDeviation, 0);
  EXPECT_EQ(r.minimum, -7.25L);
  EXPECT_EQ(r.maximum, -7.25L);
  EXPECT_EQ(r.mean, -7.25L);
}

class StatisticsTextTest : public ::testing::Test {
 protected:
  // Every 10 minutes from 12.03.2007 00:00.
  std::vector<long double> samples{1.5L, 2.25L, kNotMeasured, -3.0L, 4.0L};
  StatisticsCurve Curve() const {
    StatisticsCurve c;
    c.name = "A:Volumenstrom";
    c.unit = "m3/h";
    c.decimals = 2;
    c.highIndex = static_cast<std::int32_t>(samples.size()) - 1;
    c.seriesStart = MomentToDateTime(DateRecord{2007, 3, 12, 0}, 0);
    c.xFactor = 600;
    return c;
  }
};

TEST_F(StatisticsTextTest, AllValues) {
  const StatisticsRecord r = ComputeStatistics(samples, std::nullopt, std::nullopt);
  const std::vector<std::string> expected = {
      "Curve              \tA:Volumenstrom",
      "",
      "Calculate:         \tAll Values",
      "",
      "Valid points       \t4 of 5",
      "Min                \t-3,00 m3/h\t[4]        00:30  12.03.2007",
      "Max                \t 4,00 m3/h\t[5]        00:40  12.03.2007",
      "Mean               \t 1,19 m3/h",
      "Standard Deviation \t2,982",
  };
  EXPECT_EQ(StatisticsLines(r, Curve(), Locale::German()), expected);
  EXPECT_EQ(StatisticsText(r, Curve(), Locale::German(), "\n").substr(0, 37),
            "Curve              \tA:Volumenstrom\n\nC");
}

TEST_F(StatisticsTextTest, OneRangeMarksBeginAndEnd) {
  const StatisticsRecord r = ComputeStatistics(samples, 0, 99);
  const std::vector<std::string> lines = StatisticsLines(r, Curve(), Locale::English());
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[2], "Calculate:         \tSubSet");
  EXPECT_EQ(lines[3], " -FROM             \t[1]        00:00  12/03/2007 (BEGIN)");
  EXPECT_EQ(lines[4], " -TO               \t[5]        00:40  12/03/2007 (END)");
  EXPECT_EQ(lines[8], "Max                \t 4.00 m3/h\t[5]        00:40  12/03/2007");

  // Inside the curve: no (BEGIN), no (END); the sample width follows the
  // larger number.
  std::vector<long double> many(120, 1.0L);
  StatisticsCurve c = Curve();
  c.highIndex = 119;
  const StatisticsRecord m = ComputeStatistics(many, 8, 100);
  const std::vector<std::string> ml = StatisticsLines(m, c, Locale::German());
  EXPECT_EQ(ml[3], " -FROM             \t[  9]        01:20  12.03.2007");
  EXPECT_EQ(ml[4], " -TO               \t[101]        16:40  12.03.2007");
  EXPECT_EQ(ml[6], "Valid points       \t93 of 93");
  EXPECT_EQ(ml[9], "Mean               \t1,00 m3/h");
  EXPECT_EQ(ml[10], "Standard Deviation \t0,000");
}

TEST_F(StatisticsTextTest, ReverseMarkersShowTheExcludedBlock) {
  const StatisticsRecord r = ComputeStatistics(samples, 3, 1);
  const std::vector<std::string> expected = {
      "Curve              \tA:Volumenstrom",
      "",
      "Calculate:         \tSubSet",
      " EXCLUDE VALUES    ",
      " -FROM             \t[2]        00:10  12.03.2007",
      " -TO               \t[4]        00:30  12.03.2007",
      "",
      "Valid points       \t2 of 2",
      "Min                \t1,50 m3/h\t[1]        00:00  12.03.2007",
      "Max                \t4,00 m3/h\t[5]        00:40  12.03.2007",
      "Mean               \t2,75 m3/h",
      "Standard Deviation \t1,768",
  };
  EXPECT_EQ(StatisticsLines(r, Curve(), Locale::German()), expected);
}

TEST_F(StatisticsTextTest, NoValidSampleShowsDashes) {
  const std::vector<long double> none = {kNotMeasured, kNotStored, kNotMeasured};
  StatisticsCurve c = Curve();
  c.highIndex = 2;
  const StatisticsRecord r = ComputeStatistics(none, std::nullopt, std::nullopt);
  const std::vector<std::string> expected = {
      "Curve              \tA:Volumenstrom",
      "",
      "Calculate:         \tAll Values",
      "",
      "Valid points       \t0 of 3",
      "Min                \t-",
      "Max                \t-",
      "Mean               \t-",
      "Standard Deviation \t-",
  };
  EXPECT_EQ(StatisticsLines(r, c, Locale::German()), expected);
}

TEST_F(StatisticsTextTest, ExplicitTimesComeFromTheXValues) {
  StatisticsCurve c = Curve();
  const double day = MomentToDateTime(DateRecord{2007, 3, 14, 0}, 0);
  const std::vector<long double> x = {day + 0.5, day + 0.75, day + 1.0, day + 1.25, day + 1.5};
  c.explicitX = x;
  const StatisticsRecord r = ComputeStatistics(samples, std::nullopt, std::nullopt);
  const std::vector<std::string> lines = StatisticsLines(r, c, Locale::German());
  EXPECT_EQ(lines[5], "Min                \t-3,00 m3/h\t[4]        06:00  15.03.2007");
  EXPECT_EQ(lines[6], "Max                \t 4,00 m3/h\t[5]        12:00  15.03.2007");
  EXPECT_EQ(ShortTimePattern(Locale::German()), "HH:mm");
}

}  // namespace
}  // namespace gd
