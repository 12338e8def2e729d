#include "view/InfoTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

// A kind-2 series with a measuring channel A and a second channel B whose
// head carries extremes as reals and several additional stored items.
sb::StreamSpec TwoChannelSpec() {
  sb::StreamSpec spec;
  sb::SeriesSpec s;
  s.kind = 2;
  s.year = 2005;
  s.month = 6;
  s.day = 15;
  s.startSeconds = 36000;
  sb::ChannelSpec a;
  a.number = 0;
  // A name of 12 characters in a field of 8, CR LF inside the first 8.
  a.headPatches = {{5, {12, 'V', 'O', 'R', '\r', '\n', 'L', 'A', 'U'}}};
  a.sensorCode = 'C';
  a.sensorText = "K1N 123";
  a.valueCount = 361;
  a.rawMin = -25;
  a.rawMax = 1234;
  a.storedValues = 0x8000 | 0x0400 | 0x0003 | 0x0010;
  a.extraValues = 0x02 | 0x08 | 0x40;
  a.parameters.OuterDiameter(1140)
      .WallThickness(40)
      .LiningThickness(10)
      .CoefficientKey(10001)
      .Quantity(0)
      .StorageInterval(10)
      .Unit("m3/h");
  sb::ChannelSpec b;
  b.number = 1;
  b.measuringPoint = "RUECK";
  b.sensorCode = 'Z';
  b.valueCount = 0;
  b.parameters.Quantity(9).Unit("kW");
  s.channels = {a, b};
  spec.series = {s};
  spec.highestMeasuringChannel = 1;
  spec.highestChannel = 1;
  return spec;
}

struct Fixture {
  sb::BuiltStream built = sb::Build(TwoChannelSpec());
  ParsedStream parsed = ParseStream(ByteView(built.bytes));
  TSeriesDescription series;
  Fixture() {
    TVXAblage nav(ByteView(built.bytes), parsed);
    nav.GetSeriesDescription(1, series);
  }
};

TEST(ChannelInfoTest, MeasuringChannelOfATwoChannelSeries) {
  Fixture f;
  ASSERT_EQ(f.series.channelCount, 2);
  const ChannelInfo a = BuildChannelInfo(f.series, 0, f.parsed, Locale::German());
  EXPECT_EQ(a.measuringPoint, "'   VORLAU'");
  EXPECT_EQ(a.channel, "A:");
  EXPECT_EQ(a.start, "15.06.2005  10:00:00");
  EXPECT_EQ(a.duration, "1h:00min:00s");
  EXPECT_EQ(a.end, "15.06.2005  11:00:00");
  EXPECT_EQ(a.valueCount, "361 (alle 10s)");
  // (1140 - 2 x (40 + 10)) / 10 = 104.0
  EXPECT_EQ(a.section.substr(0, 10), "DN=104,0  ");
  EXPECT_EQ(a.medium, "Wasser");
  EXPECT_EQ(a.sensor, SensorKindName('C'));
  EXPECT_NE(a.sensor, kUnknownSensorText);
  EXPECT_EQ(a.sensorText, "K1N 123");
  EXPECT_EQ(a.quantity, "Volumenstrom");
  const long double scale = Real48ToLongDouble(f.series.channels[0].scaledFactor);
  char expected[64];
  std::snprintf(expected, sizeof expected, "%12.2f m3/h", static_cast<double>(-25 * scale));
  std::string smallest = expected;
  for (char& c : smallest)
    if (c == '.') c = ',';
  EXPECT_EQ(a.smallest, smallest);
  EXPECT_TRUE(a.minMaxVisible);
  EXPECT_TRUE(a.sensorVisible);
  EXPECT_FALSE(a.functionVisible);
  EXPECT_TRUE(a.channelLabelVisible);
  EXPECT_TRUE(a.channelChoiceVisible);
  EXPECT_EQ(a.additionalItems,
            "Mengen:             \tQ_POS, FQ_NEG\r\n"
            "Temperaturen:       \tT1, T2\r\n"
            "Externe Inputs:     \t" +
                f.series.channels[0].inputs.shortNames[4].Text() +
                "\r\n"
                "Schallgeschwindigkeit Fluid\t\r\n"
                "Sensor Temp.:       \tTSR\r\n"
                "Unknown items:      \tADX6\r\n");
  EXPECT_TRUE(a.additionalVisible);
}

// The sensor kind and the quantity name read in the interface language: both
// pass through the dictionary, an unknown sensor too.
TEST(ChannelInfoTest, SensorKindAndQuantityAreTranslated) {
  Fixture f;
  SetTranslateFunction([](std::string_view t) { return "<" + std::string(t) + ">"; });
  const ChannelInfo a = BuildChannelInfo(f.series, 0, f.parsed, Locale::German());
  const ChannelInfo b = BuildChannelInfo(f.series, 1, f.parsed, Locale::German());
  SetTranslateFunction({});
  EXPECT_EQ(a.sensor, "<Clamp-On gross>");
  EXPECT_EQ(a.quantity, "<Volumenstrom>");
  EXPECT_EQ(b.sensor, "<UNKNOWN SENSOR>");
  EXPECT_EQ(b.quantity, kUndefText);
}

TEST(ChannelInfoTest, ChannelWithoutValuesOrItems) {
  Fixture f;
  const ChannelInfo b = BuildChannelInfo(f.series, 1, f.parsed, Locale::German());
  EXPECT_EQ(b.channel, "B:");
  EXPECT_EQ(b.measuringPoint, "'    RUECK'");
  EXPECT_EQ(b.sensor, kUnknownSensorText);
  EXPECT_EQ(b.quantity, kUndefText);
  EXPECT_FALSE(b.minMaxVisible);
  EXPECT_EQ(b.additionalItems, "");
  EXPECT_FALSE(b.additionalVisible);
  EXPECT_EQ(NextChannel(0, 2), 1u);
  EXPECT_EQ(NextChannel(1, 2), 0u);
  EXPECT_EQ(ChannelInfoCaption("demo.sdx", 3), "demo.sdx[3]");
}

TEST(ChannelInfoTest, OverflowWordsAndRealExtremes) {
  // The prolog's overflow words mark an unknown smallest or largest value.
  sb::StreamSpec spec = TwoChannelSpec();
  spec.series[0].channels[0].rawMin = 0x7FFF;
  spec.patches = {{78, {0xFF, 0x7F}}};
  sb::BuiltStream built = sb::Build(spec);
  ParsedStream parsed = ParseStream(ByteView(built.bytes));
  TVXAblage nav(ByteView(built.bytes), parsed);
  TSeriesDescription series;
  nav.GetSeriesDescription(1, series);
  ChannelInfo a = BuildChannelInfo(series, 0, parsed, Locale::German());
  EXPECT_EQ(a.smallest, "");
  EXPECT_NE(a.largest, "");
  // Bit 0x02 of parameter-set byte 133: the reals of the head, unscaled.
  series.channels[0].parameterSet.raw[133] = 0x02;
  StoreReal48(&series.channels[0].head.raw[TChannelHead::kMinValue], 1.5L);
  StoreReal48(&series.channels[0].head.raw[TChannelHead::kMaxValue], 2e38L);
  a = BuildChannelInfo(series, 0, parsed, Locale::German());
  EXPECT_EQ(a.smallest, "        1,50 m3/h");
  EXPECT_EQ(a.largest, "");
}

TEST(FileInfoTest, DemoFile) {
  std::ifstream in(GAUGDATA_DEMO_FILE, std::ios::binary);
  const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(file.empty());
  const ParsedStream parsed = ParseStream(ByteView(file));
  ASSERT_TRUE(parsed.Usable());
  FileFacts facts;
  facts.parsed = &parsed;
  facts.fileSize = file.size();
  facts.modified = DateRecord{2024, 3, 7, 0};
  facts.hasSeries = true;
  const FileInfo info = BuildFileInfo(facts, Locale::German());
  EXPECT_EQ(info.savedDate, "07.03.2024");
  EXPECT_EQ(info.fileSize, std::to_string(file.size()) + " Bytes");
  // The demo file holds comments behind its stream (a user-data block).
  EXPECT_TRUE(parsed.prolog.HasUserData());
  EXPECT_FALSE(info.sizeMismatch);
  EXPECT_EQ(info.seriesCount, std::to_string(parsed.prolog.MeasuringSets()));
  EXPECT_EQ(info.deviceNumber, "GAUGEUNIT 6000  ");
  EXPECT_TRUE(info.remarksVisible);
  EXPECT_EQ(info.receivedDate, ReceptionSet(ByteView(parsed.prolog.raw))
                                   ? ReceptionText(ByteView(parsed.prolog.raw))
                                   : info.savedDate);

  // A stream without its user-data block but with a stray byte is drawn red;
  // received data have no saving date.
  ParsedStream bare = parsed;
  bare.prolog.raw[TStreamProlog::kUserDataFlag] = 0;
  facts.parsed = &bare;
  facts.fileSize = static_cast<std::uint64_t>(bare.prolog.StreamSize()) + 1;
  facts.receivedNotLoaded = true;
  const FileInfo red = BuildFileInfo(facts, Locale::German());
  EXPECT_TRUE(red.sizeMismatch);
  EXPECT_EQ(red.savedDate, "");
  facts.fileSize = static_cast<std::uint64_t>(bare.prolog.StreamSize());
  EXPECT_FALSE(BuildFileInfo(facts, Locale::German()).sizeMismatch);

  // Without an engine everything but the date is empty and the remarks hidden.
  const FileInfo none = BuildFileInfo(FileFacts{}, Locale::German());
  EXPECT_EQ(none.fileSize, "");
  EXPECT_EQ(none.seriesCount, "");
  EXPECT_FALSE(none.remarksVisible);
}

TEST(FileInfoTest, DetailsListing) {
  EXPECT_EQ(FileDetailsLines(nullptr, 2), std::vector<std::string>{"*** NO DATA ***"});
  const sb::BuiltStream built = sb::Build(TwoChannelSpec());
  TVXASCIIOUT engine("x.sdx", nullptr, nullptr, "", 0, nullptr, nullptr, ByteView(built.bytes));
  const std::vector<std::string> all = FileDetailsLines(&engine, 0);
  const std::vector<std::string> shown = FileDetailsLines(&engine, 2);
  ASSERT_GT(all.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(all.begin() + 2, all.end()), shown);
  EXPECT_EQ(FileDetailsCaption("demo.sdx"), "Details about demo.sdx");
}

TEST(OneParameterSetTest, MessagesAndText) {
  EXPECT_EQ(PrepareOneParameterSet(nullptr, 1, 0).lines,
            std::vector<std::string>{" *** NO DATA ***"});
  const sb::BuiltStream built = sb::Build(TwoChannelSpec());
  TVXASCIIOUT engine("x.sdx", nullptr, nullptr, "", 0, nullptr, nullptr, ByteView(built.bytes));
  EXPECT_EQ(PrepareOneParameterSet(&engine, 2, 0).error, "Nur 1 Reihen enthalten");
  EXPECT_EQ(PrepareOneParameterSet(&engine, 1, 2).error, "Nur 2 Kanaele enthalten");
  const OneParameterSet set = PrepareOneParameterSet(&engine, 0, 1);
  EXPECT_EQ(set.series, "01");
  EXPECT_EQ(set.channel, "B");
  EXPECT_TRUE(set.channelVisible);
  EXPECT_TRUE(set.error.empty());
  EXPECT_FALSE(set.lines.empty());
}

}  // namespace
}  // namespace gd
