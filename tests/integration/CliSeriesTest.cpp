// gaugdata-cli list, details and params: the texts of the main window's
// series list, details panel and parameter-set window, printed as UTF-8.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "CliProcess.h"
#include "app/ParameterSetCommand.h"
#include "app/SeriesList.h"
#include "cli/CliText.h"
#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"

namespace gd::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kDemo = GAUGDATA_DEMO_FILE;

sb::ByteVec DemoBytes() {
  const std::string bytes = ReadFileBytes(kDemo);
  return sb::ByteVec(bytes.begin(), bytes.end());
}

std::string ToUtf8Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += cli::Windows1252ToUtf8(line) + "\n";
  return out;
}

// The series list of a stream as the library builds it.
std::string ExpectedList(const sb::ByteVec& bytes, int mode, const Locale& locale) {
  const ParsedStream parsed = ParseStream(bytes);
  TVXAblage navigator(bytes, parsed);
  std::vector<TSeriesDescription> descriptions(static_cast<std::size_t>(navigator.SeriesCount()));
  std::vector<const TSeriesDescription*> pointers;
  for (int n = 1; n <= navigator.SeriesCount(); ++n) {
    navigator.GetSeriesDescription(n, descriptions[static_cast<std::size_t>(n - 1)]);
    pointers.push_back(&descriptions[static_cast<std::size_t>(n - 1)]);
  }
  SeriesListModel model;
  model.Build(pointers);
  model.SetLocale(locale);
  model.SetTimeMode(mode);
  std::vector<std::string> lines{model.CaptionLine()};
  for (int row = 0; row < model.RowCount(); ++row) lines.push_back(model.RowLine(row));
  return ToUtf8Lines(lines);
}

TEST(CliList, TheDemoFileInAllThreeTimeModes) {
  const sb::ByteVec demo = DemoBytes();
  const CliResult start = RunCli({"list", kDemo});
  ASSERT_EQ(start.status, 0) << start.err;
  EXPECT_EQ(start.err, "");
  EXPECT_EQ(start.out, ExpectedList(demo, 0, Locale::German()));
  const std::vector<std::string> lines = SplitLines(start.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "NR\tSTART\tA:[...]\tA:Werte\tA:Name\tB:[...]\tB:Werte\tB:Name");
  EXPECT_EQ(lines[2], "02\t13.03.2007  08:00:00\tm3/h\t48\t'VORLAUF'\tm3/h\t48\t'BYPASS'");

  const CliResult end = RunCli({"list", kDemo, "--time", "end"});
  EXPECT_EQ(end.out, ExpectedList(demo, 1, Locale::German()));
  EXPECT_THAT(end.out, ::testing::StartsWith("NR\tENDE\t"));
  EXPECT_THAT(end.out, HasSubstr("\t? (TRIGGERED)\t"));

  const CliResult duration = RunCli({"list", "--time=duration", kDemo, "--locale", "en"});
  EXPECT_EQ(duration.out, ExpectedList(demo, 2, Locale::English()));
  EXPECT_THAT(duration.out, HasSubstr("\n01\t23h:50min:00s\t"));

  // The locale reaches the dates.
  EXPECT_THAT(RunCli({"list", kDemo, "--locale", "en"}).out,
              HasSubstr("\n01\t12/03/2007  00:00:00\t"));
  EXPECT_EQ(RunCli({"list", kDemo, "--time", "later"}).status, 2);
}

TEST(CliList, BuilderMadeFilesWithUmlautsAndWithoutSeries) {
  ScratchDir dir;
  sb::StreamSpec spec;
  spec.series[0].channels[0].measuringPoint =
      "K\x9A"
      "HLUNG";  // DOS code of "Ü"
  spec.series.push_back(spec.series[0]);
  spec.series[1].day = 16;
  const sb::ByteVec bytes = sb::BuildStream(spec);
  const CliResult r = RunCli({"list", dir.Put("two.sdx", bytes)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, ExpectedList(bytes, 0, Locale::German()));
  EXPECT_TRUE(cli::IsUtf8(r.out));
  EXPECT_THAT(SplitLines(r.out), ElementsAre(HasSubstr("NR"), HasSubstr("15.06.2005  10:00:00"),
                                             HasSubstr("16.06.2005  10:00:00")));

  sb::StreamSpec empty;
  empty.series.clear();
  const CliResult none = RunCli({"list", dir.Put("none.sdx", sb::BuildStream(empty))});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "NR\tSTART\n");
  EXPECT_EQ(none.err, "Keine Messwertreihen enthalten\n");
}

TEST(CliDetails, TheDetailsTextOfASeries) {
  const CliResult r = RunCli({"details", kDemo, "02"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Messwert-Reihe 02 vom 13.03.2007  08:00:00 enthaelt:\n"
            "Kanal A:   48 Werte [m3/h] der Me\xC3\x9Fstelle 'VORLAUF'\n"
            "Kanal B:   48 Werte [m3/h] der Me\xC3\x9Fstelle 'BYPASS'\n");

  const CliResult beyond = RunCli({"details", kDemo, "7"});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_EQ(beyond.err, "gaugdata-cli: Nur 6 Reihen enthalten\n");
  EXPECT_EQ(beyond.out, "");
  for (const char* wrong : {"0", "x", "-1", "1.5"}) {
    EXPECT_EQ(RunCli({"details", kDemo, "--", wrong}).status, 2) << wrong;
  }
  EXPECT_EQ(RunCli({"details", kDemo}).status, 2);

  ScratchDir dir;
  sb::StreamSpec empty;
  empty.series.clear();
  const CliResult none = RunCli({"details", dir.Put("none.sdx", sb::BuildStream(empty)), "1"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err,
            "Keine Messwertreihen enthalten\ngaugdata-cli: Keine Messwertreihen verfuegbar\n");
}

// The parameter-set window's lines as the library gives them.
std::string ExpectedParams(const sb::ByteVec& bytes, int series, const TextOutputOptions& options) {
  TVXASCIIOUT engine("x.sdx", {}, nullptr, options.language, options.style, nullptr, nullptr,
                     bytes);
  engine.SetOptions(options);
  TSeriesDescription d;
  engine.Navigator().GetSeriesDescription(series, d);
  ParameterSetRequest request;
  request.streamOpen = true;
  request.seriesCount = request.directoryCount = engine.Navigator().SeriesCount();
  request.selected = series;
  request.describe = [&d](int) { return &d; };
  request.textStyle = options.style;
  return ToUtf8Lines(BuildParameterSetWindow(request, ParameterSetWindowWriter(engine)).lines);
}

TEST(CliParams, TheParameterSetWindowText) {
  const sb::ByteVec demo = DemoBytes();
  const CliResult first = RunCli({"params", kDemo});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, ExpectedParams(demo, 1, TextOutputOptions{}));
  EXPECT_THAT(first.out, ::testing::StartsWith("===== PARAMTERSAETZE DER MESSWERTREIHE =====\n"));
  EXPECT_THAT(first.out, HasSubstr(" Au\xC3\x9F"
                                   "endurchmesser:"));

  // Two channels side by side, in English labels.
  TextOutputOptions options;
  options.style = kDefaultTextStyle | kStyleParamsSideBySide;
  options.language = "044";
  const CliResult side =
      RunCli({"params", kDemo, "2", "--style", std::to_string(options.style), "--language", "044"});
  ASSERT_EQ(side.status, 0) << side.err;
  EXPECT_EQ(side.out, ExpectedParams(demo, 2, options));
  EXPECT_NE(side.out, RunCli({"params", kDemo, "2"}).out);

  const CliResult beyond = RunCli({"params", kDemo, "9"});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_EQ(beyond.err, "gaugdata-cli: Nur 6 Reihen enthalten\n");
}

}  // namespace
}  // namespace gd::test
