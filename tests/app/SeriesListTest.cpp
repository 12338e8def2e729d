#include "app/SeriesList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/QuickSave.h"
#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::ChannelSpec;
using sb::SeriesSpec;
using sb::StreamSpec;

ChannelSpec Channel(std::uint8_t number, const std::string& point, const std::string& unit,
                    std::uint16_t interval, std::int32_t count) {
  ChannelSpec c;
  c.number = number;
  c.measuringPoint = point;
  c.parameters.Unit(unit).StorageInterval(interval);
  c.valueCount = count;
  return c;
}

SeriesSpec Series(std::uint16_t year, std::uint8_t month, std::uint8_t day, std::int32_t seconds,
                  std::vector<ChannelSpec> channels) {
  SeriesSpec s;
  s.kind = channels.size() > 1 ? 2 : 0;
  s.year = year;
  s.month = month;
  s.day = day;
  s.startSeconds = seconds;
  s.channels = std::move(channels);
  return s;
}

// Four series: A+B over 1 day 2 h 3 min 4 s; A+X (an extra channel with an
// 11-character name) over 3 days across a new year; a triggered one; one
// with a single value.
StreamSpec FourSeries() {
  StreamSpec spec;
  spec.series = {
      Series(2005, 6, 15, 36000,
             {Channel(0, "VORLAUF", "m3/h", 4, 23447), Channel(1, "RUECKL", "l/s", 4, 23447)}),
      Series(2005, 12, 31, 84600,
             {Channel(0, "VORLAUF", "m3/h", 65535, 5), Channel(2, "", "kW", 65535, 5)}),
      Series(2006, 1, 20, 29730, {Channel(0, "TRIG", "m/s", 1, 250)}),
      Series(2006, 2, 1, 45296, {Channel(0, "EINS", "m3/h", 10, 1)}),
  };
  spec.series[1].channels[1].headPatches = {{5, {11, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}}};
  spec.series[2].channels[0].storedValues = 0x1000;
  return spec;
}

struct Described {
  sb::BuiltStream built;
  ParsedStream parsed;
  std::unique_ptr<TVXAblage> nav;
  std::vector<TSeriesDescription> descriptions;

  explicit Described(const StreamSpec& spec)
      : built(sb::Build(spec)), parsed(ParseStream(ByteView(built.bytes))) {
    nav = std::make_unique<TVXAblage>(ByteView(built.bytes), parsed);
    descriptions.resize(static_cast<std::size_t>(nav->SeriesCount()));
    for (int n = 1; n <= nav->SeriesCount(); ++n)
      nav->GetSeriesDescription(n, descriptions[static_cast<std::size_t>(n - 1)]);
  }
  std::vector<const TSeriesDescription*> Pointers() const {
    std::vector<const TSeriesDescription*> out;
    for (const TSeriesDescription& d : descriptions) out.push_back(&d);
    return out;
  }
  const TSeriesDescription& operator[](int n) const {
    return descriptions[static_cast<std::size_t>(n - 1)];
  }
};

std::vector<std::string> Captions(const SeriesListModel& m) {
  std::vector<std::string> out;
  for (const SeriesListColumn& c : m.Columns()) out.push_back(c.caption);
  return out;
}

TEST(SeriesListTest, ColumnsPerChannelLetterAndRowCells) {
  Described d(FourSeries());
  ASSERT_TRUE(d.parsed.Usable());
  SeriesListModel m;
  m.Build(d.Pointers());
  EXPECT_EQ(m.Letters(), "ABX");
  EXPECT_EQ(Captions(m),
            (std::vector<std::string>{"NR", "START", "A:[...]", "A:Werte", "A:Name", "B:[...]",
                                      "B:Werte", "B:Name", "X:[...]", "X:Werte", "X:Name"}));
  EXPECT_TRUE(m.Columns()[3].rightAligned);
  EXPECT_FALSE(m.Columns()[4].rightAligned);
  ASSERT_EQ(m.RowCount(), 4);
  EXPECT_EQ(m.Cells(0),
            (std::vector<std::string>{"01", "15.06.2005  10:00:00", "m3/h", "23447", "'VORLAUF'",
                                      "l/s", "23447", "'RUECKL'", "", "", ""}));
  // Series 2 has no channel B; the 11-character name shows its first 8.
  EXPECT_EQ(m.RowLine(1), "02\t31.12.2005  23:30:00\tm3/h\t5\t'VORLAUF'\t\t\t\tkW\t5\t'ABCDEFGH'");
  EXPECT_EQ(
      m.CaptionLine(),
      "NR\tSTART\tA:[...]\tA:Werte\tA:Name\tB:[...]\tB:Werte\tB:Name\tX:[...]\tX:Werte\tX:Name");
  EXPECT_EQ(m.Cells(2)[1], "20.01.2006  08:15:30");
  // The copied text: captions, then the rows asked for in that order; rows
  // outside the list are skipped, nothing at all gives no captions either.
  EXPECT_EQ(m.CopyText({3, 1, 9, -1}),
            m.CaptionLine() + "\r\n" + m.RowLine(3) + "\r\n" + m.RowLine(1) + "\r\n");
  EXPECT_EQ(m.CopyText({}), "");
  EXPECT_EQ(m.CopyText({4}), "");

  // A list with one letter only keeps 2 + 3 columns.
  m.Build({&d[4]});
  EXPECT_EQ(Captions(m), (std::vector<std::string>{"NR", "START", "A:[...]", "A:Werte", "A:Name"}));
  EXPECT_EQ(m.RowLine(0), "01\t01.02.2006  12:34:56\tm3/h\t1\t'EINS'");
  m.Clear();
  EXPECT_EQ(m.RowCount(), 0);
  EXPECT_EQ(Captions(m), (std::vector<std::string>{"NR", "START"}));
}

// The series selection dialog tells the series apart by number, start and
// measuring points; the selection itself stays the series numbers, whatever
// the list's time column shows.
TEST(SeriesListTest, SelectionDialogItemsNameStartAndMeasuringPoints) {
  Described d(FourSeries());
  std::vector<const TSeriesDescription*> rows = d.Pointers();
  rows.push_back(nullptr);  // a series whose description could not be read
  SeriesListModel m;
  m.Build(rows);
  m.SetTimeMode(kTimeColumnDuration);
  const std::vector<SeriesListItem> items = SelectionDialogItems(m, {2, 5}, Locale::German());
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].caption, "01   15.06.2005  10:00:00   A:'VORLAUF' B:'RUECKL'");
  // the extra channel's 11-character name is cut as in the list
  EXPECT_EQ(items[1].caption, "02   31.12.2005  23:30:00   A:'VORLAUF' X:'ABCDEFGH'");
  EXPECT_EQ(items[3].caption, "04   01.02.2006  12:34:56   A:'EINS'");
  EXPECT_EQ(items[4].caption, "05   ** BAD BYTES **");
  EXPECT_EQ(items[1].seriesNumber, 2);
  EXPECT_TRUE(items[1].selected);
  EXPECT_FALSE(items[2].selected);
  EXPECT_TRUE(items[4].selected);

  SeriesSelectionModel dialog;
  dialog.Prepare(items);
  EXPECT_EQ(dialog.Result().ToString(), std::string("\x01\x04", 2));
  dialog.SetChoice(SeriesSelectionModel::Choice::kPick);
  dialog.SetSourceSelected(1, false);
  dialog.SetSourceSelected(4, false);
  dialog.SetSourceSelected(3, true);
  dialog.Include();
  EXPECT_EQ(dialog.Destination()[0].caption, items[3].caption);
  EXPECT_EQ(dialog.Result().ToString(), std::string("\x03", 1));
}

TEST(SeriesListTest, TimeColumnInItsThreeModes) {
  Described d(FourSeries());
  SeriesListModel m;
  m.Build(d.Pointers());
  auto column = [&m] {
    std::vector<std::string> out{m.Columns()[1].caption};
    for (int r = 0; r < m.RowCount(); ++r) out.push_back(m.Cells(r)[1]);
    return out;
  };
  m.SetTimeMode(kTimeColumnEnd);
  EXPECT_EQ(column(),
            (std::vector<std::string>{"ENDE", "16.06.2005  12:03:04", "04.01.2006  00:19:00",
                                      "? (TRIGGERED)", "01.02.2006  12:34:56"}));
  m.SetTimeMode(kTimeColumnDuration);
  EXPECT_EQ(column(),
            (std::vector<std::string>{"DAUER", "1 Tag + 02h:03min:04s", "3 Tage + 00h:49min:00s",
                                      "? (TRIGGERED)", "0h:00min:00s"}));
  EXPECT_TRUE(m.TimeColumnVisible());
  m.SetTimeMode(3);
  EXPECT_FALSE(m.TimeColumnVisible());
  EXPECT_FALSE(m.Columns()[1].visible);
  EXPECT_EQ(m.Cells(0)[1], "");

  m.SetTimeMode(kTimeColumnStart);
  m.SetLocale(Locale::English());
  EXPECT_EQ(m.Cells(0)[1], "15/06/2005  10:00:00");
  m.SetTimeMode(kTimeColumnEnd);
  EXPECT_EQ(m.Cells(1)[1], "04/01/2006  00:19:00");
}

TEST(SeriesListTest, DurationPatternsAndTranslation) {
  EXPECT_EQ(DurationText({0, 3723}), "1h:02min:03s");
  EXPECT_EQ(DurationText({0, 86399}), "23h:59min:59s");
  EXPECT_EQ(DurationText({1, 7384}), "1 Tag + 02h:03min:04s");
  EXPECT_EQ(DurationText({2, 0}), "2 Tage + 00h:00min:00s");
  EXPECT_EQ(DurationText({400, 59}), "400 Tage + 00h:00min:59s");

  SetTranslateFunction([](std::string_view t) -> std::string {
    if (t == "%d Tage + %2.2dh:%2.2dmin:%2.2ds") return "%d days + %2.2dh:%2.2dm:%2.2ds";
    if (t == "DAUER") return "DURATION";
    return std::string(t);
  });
  EXPECT_EQ(DurationText({3, 61}), "3 days + 00h:01m:01s");
  Described d(FourSeries());
  SeriesListModel m;
  m.Build(d.Pointers());
  m.SetTimeMode(kTimeColumnDuration);
  EXPECT_EQ(m.Columns()[1].caption, "DURATION");
  EXPECT_EQ(m.Cells(1)[1], "3 days + 00h:49m:00s");
  SetTranslateFunction({});
}

TEST(SeriesListTest, SpanOfTheFirstChannel) {
  Described d(FourSeries());
  // (count - 1) x interval of channel 1 only.
  EXPECT_EQ(SeriesSpan(d[1]), (Span{1, 7384}));
  EXPECT_EQ(SeriesSpan(d[4]), (Span{0, 0}));
  TSeriesDescription none;  // no channel: no span
  EXPECT_EQ(SeriesSpan(none), (Span{0, 0}));
  TSeriesDescription empty = d[4];
  empty.valueCounts[1] = 0;  // a negative product counts as 0
  EXPECT_EQ(SeriesSpan(empty), (Span{0, 0}));
  TSeriesDescription huge = d[4];
  huge.valueCounts[1] = 0x7FFFFFFF;
  huge.channels[0].parameterSet.raw[TParameterSet::kStorageInterval] = 0xFF;
  huge.channels[0].parameterSet.raw[TParameterSet::kStorageInterval + 1] = 0xFF;
  const std::int64_t seconds = std::int64_t{0x7FFFFFFE} * 65535;
  EXPECT_EQ(SeriesSpan(huge), (Span{static_cast<std::int32_t>(seconds / 86400),
                                    static_cast<std::int32_t>(seconds % 86400)}));
  // Only channel 1 decides whether a series is triggered.
  EXPECT_TRUE(SeriesTriggered(d[3]));
  EXPECT_FALSE(SeriesTriggered(d[1]));
}

TEST(SeriesListTest, StartTimeThatCannotBeShown) {
  StreamSpec spec = FourSeries();
  spec.series.resize(1);
  spec.series[0].startSeconds = 90000;
  Described d(spec);
  EXPECT_EQ(SeriesTimeCell(d[1], kTimeColumnStart, Locale::German()), "15.06.2005  ???");
  EXPECT_EQ(SeriesTimeCell(d[1], kTimeColumnEnd, Locale::German()), "16.06.2005  ???");
  EXPECT_EQ(SeriesDetailsLines(1, &d[1], Locale::German())[0],
            "Messwert-Reihe 01 vom *BAD DATE* enthaelt:");
}

TEST(SeriesListTest, DetailsOfNormalAndDamagedSeries) {
  Described d(FourSeries());
  EXPECT_EQ(SeriesDetailsLines(2, &d[2], Locale::German()),
            (std::vector<std::string>{"Messwert-Reihe 02 vom 31.12.2005  23:30:00 enthaelt:",
                                      "Kanal A:    5 Werte [m3/h] der Me\xDF"
                                      "stelle 'VORLAUF'",
                                      "Kanal X:    5 Werte [kW] der Me\xDF"
                                      "stelle 'ABCDEFGH'"}));
  EXPECT_EQ(SeriesDetailsText(1, &d[1], Locale::English()),
            "Messwert-Reihe 01 vom 15/06/2005  10:00:00 enthaelt:\r\n"
            "Kanal A: 23447 Werte [m3/h] der Me\xDF"
            "stelle 'VORLAUF'\r\n"
            "Kanal B: 23447 Werte [l/s] der Me\xDF"
            "stelle 'RUECKL'");

  // The directory promises 10 records, the stream holds 2.
  StreamSpec spec;
  spec.series[0].channels[0].measuringPoint = "KAPUTT";
  spec.series[0].records.resize(2);
  spec.series[0].records[0].velocity = 1;
  spec.series[0].records[1].velocity = 2;
  spec.series[0].recordCount = 10;
  Described bad(spec);
  ASSERT_TRUE(bad[1].damaged);
  EXPECT_EQ(SeriesDetailsLines(1, &bad[1], Locale::German()),
            (std::vector<std::string>{"Messwert-Reihe 01 vom 15.06.2005  10:00:00 enthaelt:",
                                      "Kanal A:    2 Werte [m3/h] der Me\xDF"
                                      "stelle 'KAPUTT'",
                                      "** BAD BYTES **"}));
  // A row without a description lists only its number.
  EXPECT_EQ(SeriesDetailsLines(3, nullptr, Locale::German()),
            (std::vector<std::string>{"** BAD BYTES **"}));
  SeriesListModel m;
  m.Build({&d[1], nullptr});
  EXPECT_EQ(m.RowLine(1), "02\t\t\t\t\t\t\t");
}

}  // namespace
}  // namespace gd
