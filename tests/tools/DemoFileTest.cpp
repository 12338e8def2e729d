// The committed demo file must be exactly what the generator makes, and it must
// open as a measurement file with the series and comments it promises.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "DemoFile.h"
#include "core/StreamParser.h"
#include "core/UserData.h"
#include "core/VXAblage.h"

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

}  // namespace
