#include "app/ParameterSetCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using Lines = std::vector<std::string>;
using Outcome = ParameterSetWindow::Outcome;

// Records each call as one line "first-last counts:<n>".
ParameterSetWriter Recorder() {
  return [](const TRcaEntry&, int first, int last, const std::array<std::int32_t, 9>* counts,
            const TSeriesDescription&, Lines& lines) {
    lines.push_back(std::to_string(first) + "-" + std::to_string(last) +
                    " counts:" + (counts ? std::to_string((*counts)[1]) : "none"));
  };
}

struct TwoSeries {
  TSeriesDescription one, two;
  TwoSeries() {
    one.channelCount = 1;
    one.valueCounts = {7, 7, 0, 0, 0, 0, 0, 0, 0};
    two.channelCount = 3;
    two.valueCounts = {9, 9, 8, 7, 0, 0, 0, 0, 0};
  }
  ParameterSetRequest Request(int selected, std::uint32_t style) const {
    ParameterSetRequest r;
    r.streamOpen = true;
    r.seriesCount = 2;
    r.directoryCount = 2;
    r.selected = selected;
    r.describe = [this](int n) -> const TSeriesDescription* {
      return n == 1 ? &one : n == 2 ? &two : nullptr;
    };
    r.textStyle = style;
    r.windowName = "messung.sdx";
    return r;
  }
};

TEST(ParameterSetCommandTest, MessagesInsteadOfTheText) {
  TwoSeries s;
  ParameterSetRequest none = s.Request(1, kDefaultTextStyle);
  none.streamOpen = false;
  ParameterSetWindow w = BuildParameterSetWindow(none, Recorder());
  EXPECT_EQ(w.outcome, Outcome::kNoSeries);
  EXPECT_EQ(w.message, "Keine Messwertreihen verfuegbar");
  none.streamOpen = true;
  none.seriesCount = 0;
  EXPECT_EQ(BuildParameterSetWindow(none, Recorder()).outcome, Outcome::kNoSeries);

  w = BuildParameterSetWindow(s.Request(3, kDefaultTextStyle), Recorder());
  EXPECT_EQ(w.outcome, Outcome::kTooFewSeries);
  EXPECT_EQ(w.message, "Nur 2 Reihen enthalten");
  EXPECT_TRUE(w.lines.empty());

  ParameterSetRequest unreadable = s.Request(1, kDefaultTextStyle);
  unreadable.describe = [](int) -> const TSeriesDescription* { return nullptr; };
  w = BuildParameterSetWindow(unreadable, Recorder());
  EXPECT_EQ(w.outcome, Outcome::kNoDescription);
  EXPECT_EQ(w.message, "** BAD BYTES **");
}

TEST(ParameterSetCommandTest, OneCallPerChannelOrAllSideBySide) {
  TwoSeries s;
  // The default style has bit 17 clear: one call per channel, an empty line after each.
  ParameterSetWindow w = BuildParameterSetWindow(s.Request(2, kDefaultTextStyle), Recorder());
  EXPECT_EQ(w.outcome, Outcome::kShown);
  EXPECT_EQ(w.caption, "Parametersaetze messung.sdx[2]");
  EXPECT_EQ(w.lines, (Lines{"===== PARAMTERSAETZE DER MESSWERTREIHE =====", "0-0 counts:9", "",
                            "1-1 counts:9", "", "2-2 counts:9", ""}));

  w = BuildParameterSetWindow(s.Request(2, kDefaultTextStyle | kStyleParamsSideBySide), Recorder());
  EXPECT_EQ(w.lines, (Lines{"===== PARAMTERSAETZE DER MESSWERTREIHE =====", "0-2 counts:9"}));

  // Nothing selected: series 1.
  w = BuildParameterSetWindow(s.Request(0, kDefaultTextStyle), Recorder());
  EXPECT_EQ(w.series, 1);
  EXPECT_EQ(w.caption, "Parametersaetze messung.sdx[1]");
  EXPECT_EQ(w.lines, (Lines{"===== PARAMTERSAETZE DER MESSWERTREIHE =====", "0-0 counts:7", ""}));

  s.two.damaged = 1;
  w = BuildParameterSetWindow(s.Request(2, kDefaultTextStyle | kStyleParamsSideBySide), Recorder());
  EXPECT_EQ(w.lines.back(), "** BAD BYTES **");
}

TEST(ParameterSetCommandTest, TextOfTheConversionForABuiltStream) {
  sb::StreamSpec spec;
  spec.series[0].channels[0].measuringPoint = "MP\x84";  // DOS code of a-umlaut
  spec.series[0].channels[0].valueCount = 42;
  const sb::BuiltStream built = sb::Build(spec);
  TVXASCIIOUT engine("demo.sdx", {}, nullptr, "000", kDefaultTextStyle, nullptr, nullptr,
                     ByteView(built.bytes));
  ASSERT_TRUE(engine.Usable());
  TSeriesDescription d;
  engine.Navigator().GetSeriesDescription(1, d);

  ParameterSetRequest r;
  r.streamOpen = true;
  r.seriesCount = r.directoryCount = 1;
  r.describe = [&d](int) { return &d; };
  r.textStyle = kDefaultTextStyle;
  r.windowName = "(empfangene Daten)";
  const ParameterSetWindow w = BuildParameterSetWindow(r, ParameterSetWindowWriter(engine));
  ASSERT_EQ(w.outcome, Outcome::kShown);
  EXPECT_EQ(w.caption, "Parametersaetze (empfangene Daten)[1]");
  ASSERT_GE(w.lines.size(), 3u);
  EXPECT_EQ(w.lines[0], "===== PARAMTERSAETZE DER MESSWERTREIHE =====");
  EXPECT_EQ(w.lines.back(), "");
  const auto has = [&w](const std::string& line) {
    return std::find(w.lines.begin(), w.lines.end(), line) != w.lines.end();
  };
  EXPECT_TRUE(
      has("Me\xDF"
          "stelle Nr.:   : MP\xE4"));
  EXPECT_TRUE(has("AnzahlMesswerte  : 42"));
}

}  // namespace
}  // namespace gd
