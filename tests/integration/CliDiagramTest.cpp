// gaugdata-cli stats and the command-line checks of plot: the statistics
// text as the diagram's statistics window shows it, and clear errors for
// what cannot be drawn. (Pictures drawn by plot are looked at in the window
// tests, which have the image readers.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "CliProcess.h"

namespace gd::test {
namespace {

using ::testing::HasSubstr;

constexpr const char* kDemo = GAUGDATA_DEMO_FILE;

TEST(CliStats, FirstCurveOfASeriesWithAllValues) {
  const CliResult r = RunCli({"stats", kDemo, "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Curve              \tMEASURE");
  EXPECT_EQ(lines[2], "Calculate:         \tAll Values");
  EXPECT_EQ(lines[4], "Valid points       \t144 of 144");
  EXPECT_THAT(lines[5], HasSubstr("Min                \t"));
  EXPECT_THAT(lines[5], HasSubstr(" m3/h\t["));
  EXPECT_THAT(lines[8], HasSubstr("Standard Deviation \t"));
}

TEST(CliStats, ReverseSampleNumbersExcludeTheMarkedPart) {
  const CliResult all = RunCli({"stats", kDemo, "2", "--curve", "B:MEASURE"});
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(SplitLines(all.out)[4], "Valid points       \t48 of 48");
  const CliResult r = RunCli(
      {"stats", kDemo, "2", "--curve", "B:MEASURE", "--from", "10", "--to", "5", "--locale", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = SplitLines(r.out);
  EXPECT_EQ(lines[0], "Curve              \tB:MEASURE");
  EXPECT_EQ(lines[2], "Calculate:         \tSubSet");
  EXPECT_EQ(lines[3], " EXCLUDE VALUES    ");
  EXPECT_EQ(lines[4], " -FROM             \t[ 5]        08:20  13/03/2007");
  EXPECT_EQ(lines[5], " -TO               \t[10]        08:45  13/03/2007");
  // Samples 5..10 left out: 48 - 6.
  EXPECT_EQ(lines[7], "Valid points       \t42 of 42");

  const CliResult one = RunCli({"stats", kDemo, "2", "--from", "3", "--to", "3"});
  ASSERT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(SplitLines(one.out)[6], "Valid points       \t1 of 1");
  EXPECT_THAT(SplitLines(one.out)[10], HasSubstr("Standard Deviation \t0,"));
}

TEST(CliStats, WrongCurveSeriesOrSampleIsAClearError) {
  CliResult r = RunCli({"stats", kDemo, "2", "--curve", "C:MEASURE"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("A:MEASURE"));  // names the curves there are
  r = RunCli({"stats", kDemo, "9"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("Nur 6 Reihen enthalten"));
  r = RunCli({"stats", kDemo, "1", "--from", "0"});
  EXPECT_EQ(r.status, 2);
  r = RunCli({"stats", kDemo, "1", "--size", "10x10"});
  EXPECT_EQ(r.status, 2);
}

TEST(CliPlot, UsageErrorsWriteNothing) {
  ScratchDir dir;
  const std::string png = dir.Path("p.png").string();
  CliResult r = RunCli({"plot", kDemo, "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, HasSubstr("-o OUT"));
  r = RunCli({"plot", kDemo, "1", "-o", png, "--size", "12x600"});
  EXPECT_EQ(r.status, 2);
  // A build without the windows (the sanitizer build) cannot draw: the
  // errors below are found only by one that can.
  r = RunCli({"plot", kDemo, "1", "-o", png, "--from", "12:00", "--to", "06:00"});
  if (r.err.find("cannot draw") != std::string::npos) {
    EXPECT_FALSE(std::filesystem::exists(png));
    GTEST_SKIP() << "this gaugdata-cli cannot draw";
  }
  EXPECT_EQ(r.status, 1);
  r = RunCli({"plot", kDemo, "1", "-o", png, "--from", "25:61"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("is not a time"));
  r = RunCli({"plot", kDemo, "1", "-o", dir.Path("p.bmp").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(png));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("p.bmp")));
}

}  // namespace
}  // namespace gd::test
