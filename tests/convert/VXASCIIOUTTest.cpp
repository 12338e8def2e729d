// Whole exported series from streams of the stream builder, compared byte for
// byte with texts written by hand from the layout rules.
#include "convert/VXASCIIOUT.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/ReihenMemoStrings.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::FlaggedRecord;

// Builds the stream and keeps it alive for the conversion object.
struct Fixture {
  sb::ByteVec bytes;
  std::string text;
  StringByteSink sink{text};
  std::unique_ptr<TVXASCIIOUT> out;

  explicit Fixture(const sb::StreamSpec& spec, std::uint32_t style) : bytes(sb::BuildStream(spec)) {
    out = std::make_unique<TVXASCIIOUT>("test.sdx", TranslateFunction{}, nullptr, "", style,
                                        nullptr, &sink, ByteView(bytes));
    out->SetLocale(Locale::German());
    // A short stand-in for the parameter-set text: which channels, which count.
    out->SetParameterSetWriter([](const TRcaEntry&, int first, int last,
                                  const std::array<std::int32_t, 9>* counts,
                                  const TSeriesDescription&, std::vector<std::string>& lines) {
      lines.push_back("PS " + std::to_string(first) + ".." + std::to_string(last) +
                      " n=" + (counts ? std::to_string((*counts)[first + 1]) : "-"));
    });
  }
};

// One velocity channel (factor 1: MEASURE is the velocity in mm/s) that
// stores the positive total and input 1.
sb::StreamSpec VelocitySpec(std::vector<FlaggedRecord> records) {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.channels[0].storedValues = 0x8001;
  s.channels[0].parameters.Quantity(1);
  s.records = std::move(records);
  return spec;
}

FlaggedRecord Rec(std::optional<std::int16_t> v) {
  FlaggedRecord r;
  r.velocity = v;
  return r;
}

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (std::string_view l : lines) {
    s += l;
    s += "\r\n";
  }
  return s;
}

const std::string kColons(36, ':');
const std::string kDashes(36, '-');

TEST(VXASCIIOUTNumbers, FormatNumberWidthSeparatorsAndExponent) {
  const sb::ByteVec bytes = sb::BuildStream(sb::StreamSpec{});
  TVXASCIIOUT out("x", {}, nullptr, "", kStyleDecimalComma, nullptr, nullptr, ByteView(bytes));
  Locale english = Locale::English();  // system separator "."
  out.SetLocale(english);
  EXPECT_EQ(out.FormatNumber(2, -1234.5), " -1234,50");
  EXPECT_EQ(out.FormatNumber(0, 7), "        7");
  EXPECT_EQ(out.FormatNumber(2, 0.125), "     0,13");   // half away from zero
  EXPECT_EQ(out.FormatNumber(2, -0.001), "     0,00");  // no sign on a zero
  // More integer digits than ColLength: exponent notation.
  EXPECT_EQ(out.FormatNumber(2, 1234567890.0), "1,23456789E9");
  out.SetColLength(7);
  // Digits beyond the precision are zeros.
  EXPECT_EQ(out.FormatNumber(2, 1234567.891), "1234568,00");
  out.SetStyle(0);
  EXPECT_EQ(out.FormatNumber(3, 1.5), "  1.500");
  // The system separator whatever the comma bit says.
  out.SetStyle(kStyleSystemDecimal | kStyleDecimalComma);
  EXPECT_EQ(out.FormatNumber(1, 2.25), "    2.3");
  out.SetLocale(Locale::German());
  out.SetStyle(kStyleSystemDecimal);
  EXPECT_EQ(out.FormatNumber(1, 2.25), "    2,3");
}

TEST(VXASCIIOUTNumbers, CharsetQuotesAndSeparators) {
  const sb::ByteVec bytes = sb::BuildStream(sb::StreamSpec{});
  std::string text;
  StringByteSink sink(text);
  TVXASCIIOUT out("x", {}, nullptr, "", kStyleDosCharset | kStyleParaDelimited, nullptr, &sink,
                  ByteView(bytes));
  out.WriteLine("\xC4\xD6\xDC\xDF\xE4\xF6\xFC");
  out.WriteDelimited(nullptr, "Gr\xFC\xDF");
  std::vector<std::string> list;
  out.WriteDelimited(&list, "a");
  EXPECT_EQ(text, "\x8E\xD6\x9A\xE1\x84\x94\x81\r\n\"Gr\x81\xE1\"\r\n");
  EXPECT_EQ(list, std::vector<std::string>{"\"a\""});

  std::string s;
  for (std::uint32_t kind : {0u, 2u, 4u, 6u}) {
    out.SetStyle(kind);
    out.ColumnSeparator(s);
  }
  out.SetSeparatorChar('|');
  out.ColumnSeparator(s);
  EXPECT_EQ(s, " \t;@|");
}

TEST(VXASCIIOUTCreate, StatusWithoutStreamAndWithBadIdentification) {
  std::uint16_t status = 0;
  TVXASCIIOUT none("x", {}, &status, "", kDefaultTextStyle, nullptr, nullptr, ByteView{});
  EXPECT_EQ(status, kStreamNoStream);
  EXPECT_FALSE(none.Usable());
  EXPECT_THROW(none.WriteSeries(0), EBinFileInvalid);

  sb::StreamSpec spec;
  spec.identification[10] = 'X';
  const sb::ByteVec bytes = sb::BuildStream(spec);
  status = 0;
  TVXASCIIOUT bad("x", {}, &status, "", kDefaultTextStyle, nullptr, nullptr, ByteView(bytes));
  EXPECT_EQ(status & kStreamBadIdentification, kStreamBadIdentification);
  EXPECT_FALSE(bad.Usable());
  // The refusal speaks the interface language, through the object's dictionary.
  TVXASCIIOUT translated(
      "x", [](std::string_view t) { return "EN:" + std::string(t); }, &status, "",
      kDefaultTextStyle, nullptr, nullptr, ByteView(bytes));
  try {
    translated.Navigator();
    ADD_FAILURE() << "a navigator over a bad stream";
  } catch (const EBinFileInvalid& e) {
    EXPECT_EQ(std::string(e.what()), "EN:BIN\xC4RDATEI IST UNGUELTIG");
  }

  const sb::ByteVec good = sb::BuildStream(sb::StreamSpec{});
  status = 0x7777;
  TVXASCIIOUT ok("x", {}, &status, "044", kDefaultTextStyle, nullptr, nullptr, ByteView(good));
  EXPECT_EQ(status, 0x7777);  // untouched: nothing to report
  EXPECT_TRUE(ok.Usable());
  EXPECT_EQ(ok.Labels().LanguageCode(), "044");
  ok.SetLanguage("000");  // unknown: the first language
  EXPECT_EQ(ok.Labels().LanguageCode(), "049");
}

// The default text style: decimal comma through the system separator, TAB
// separators, headlines, date and time, separate total columns, comments,
// each channel's parameter set and then its values.
TEST(VXASCIIOUTSeries, DefaultStyleWholeSeries) {
  FlaggedRecord r1 = Rec(1234);
  r1.positiveTotal = 5.5;
  r1.temperatures = {{215, 300}};
  FlaggedRecord r2 = Rec(-32768);  // the stream's error value
  r2.positiveTotal = 6.25;
  FlaggedRecord r3 = Rec(std::nullopt);
  r3.temperatures = {{-32767, 0}};
  Fixture f(VelocitySpec({r1, r2, r3}), kDefaultTextStyle);
  TReihenMemoStrings comment(1);
  comment.TakeFromMemo(MemoField{"Erste Zeile\r\nzweite\r\n", true});
  ASSERT_TRUE(f.out->WriteSeries(1, std::span(&comment, 1)));

  EXPECT_EQ(f.text,
            Lines({"",
                   kColons,
                   "\\SOURCE=test.sdx[01] (V 5.22)",
                   "DEVICE           : GAUGEUNIT       ",
                   "MODE             : STORED",
                   "START            : 15.06.2005  10:00:00",
                   "\\COMMENTS",
                   " Erste Zeile",
                   " zweite",
                   "\\PARAMS",
                   "PS 0..0 n=3",
                   "\\DATA",
                   "\\*      DATE\t      TIME\t   MEASURE\t     Q_POS\t     Q_NEG\t        T1\t",
                   " 15.06.2005\t 10:00:00\t  1234,00\t    +5,50\t          \t     21,5\t",
                   " 15.06.2005\t 10:00:10\t       ???\t      +???\t          \t    ------\t",
                   " 15.06.2005\t 10:00:20\t   -------\t          \t          \t    ?UNDEF\t",
                   "\\END",
                   "",
                   "\\END_OF_SET[1]",
                   kDashes,
                   "",
                   "",
                   ""}));
}

// Semicolons, decimal point, no headline, time and velocity columns, totals
// always (both pairs), trimmed rows, quoted parameter and run lines, DOS characters, and
// each channel's parameter set followed by its values; a two-channel series
// with a name, so rows carry channel letters.
TEST(VXASCIIOUTSeries, SemicolonPointTrimQuotesDosTwoChannels) {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  s.name = "MESS";
  sb::ChannelSpec a, b;
  a.number = 0;
  a.parameters.Quantity(1);
  b.number = 1;
  b.parameters.Quantity(1).StorageInterval(60);
  s.channels = {a, b};
  FlaggedRecord r1 = Rec(1500);
  r1.channel = 1;
  r1.timestamp = sb::PackTimestamp(2005, 6, 15, 12, 0, 0, true);
  FlaggedRecord r2 = Rec(-250);
  r2.channel = 2;
  r2.negativeTotal = -3.5;
  FlaggedRecord r3 = Rec(1600);
  r3.channel = 1;
  r3.positiveTotal = 10.0;
  r3.negativeTotal = -2.0;
  s.records = {r1, r2, r3};
  const std::uint32_t style = 0x4 | kStyleParaDelimited | kStyleAlwaysVelocMeasure | 0x080 |
                              kStyleTrimStrings | kStyleShowVeloc | kStyleTime |
                              kStyleChannelBlocks | kStyleParamsEachChannel | kStyleDosCharset |
                              kStyleComments;
  Fixture f(spec, style);
  TReihenMemoStrings comment(1);
  comment.TakeFromMemo(
      MemoField{"Gr\xFC\xDF"
                "e",
                true});
  ASSERT_TRUE(f.out->WriteSeries(0, std::span(&comment, 1)));

  EXPECT_EQ(f.text, Lines({"",
                           kColons,
                           "\\SOURCE=test.sdx[01] (V 5.22)",
                           "DEVICE           : GAUGEUNIT       ",
                           "MODE             : STORED",
                           "NAME             : MESS",
                           "CHAN             : 2 (:A:B)",
                           "START            : 15.06.2005  10:00:00",
                           "\\COMMENTS",
                           " Gr\x81\xE1"
                           "e",
                           "\\PARAMS",
                           "\"PS 0..0 n=2\"",
                           "\\DATA",
                           "\"A\\RUN=15.06.2005/12:00:00\"",
                           "A;12:00:00;1.500;1500.00;;;;;",
                           "A;12:00:10;1.600;1600.00;+10.00;-2.00;;;",
                           "\\END",
                           "\\PARAMS",
                           "\"PS 1..1 n=1\"",
                           "\\DATA",
                           "B;10:00:00;-0.250;-250.00;;-3.50;;;",
                           "\\END",
                           "\\END_OF_SET[1]",
                           kDashes,
                           "",
                           "",
                           ""}));
}

// The user's separator, side-by-side parameter sets, the single (QUANT)
// column holding the negative total's text when a record has both, the last
// of several series chosen from the end, and no series at all.
TEST(VXASCIIOUTSeries, UserSeparatorSideBySideQuantColumnAndSelectors) {
  sb::StreamSpec spec;
  spec.series[0].channels[0].parameters.Quantity(1);
  spec.series[0].records = {Rec(1)};
  sb::SeriesSpec second = spec.series[0];
  second.day = 16;
  second.channels[0].storedValues = 0xC000;  // both totals stored
  FlaggedRecord r = Rec(2000);
  r.positiveTotal = 1.0;
  r.negativeTotal = -7.25;
  FlaggedRecord q = Rec(2000);
  q.positiveTotal = 8.0;
  second.records = {r, q};
  spec.series.push_back(second);
  const std::uint32_t style = 0x6 | kStyleHeadlines | kStyleParamsSideBySide;
  Fixture f(spec, style);
  f.out->SetSeparatorChar('|');
  ASSERT_TRUE(f.out->WriteSeries(-1));
  EXPECT_EQ(f.text, Lines({"", kColons, "\\SOURCE=test.sdx[02] (V 5.22)",
                           "DEVICE           : GAUGEUNIT       ", "MODE             : STORED",
                           "START            : 16.06.2005  10:00:00", "\\PARAMS", "PS 0..0 n=2",
                           "\\* MEASURE|   (QUANT)|", "  2000.00|    -7.25|",
                           "  2000.00|    +8.00|", "\\END_OF_SET[2]", kDashes, "", "", ""}));

  sb::StreamSpec empty;
  empty.series.clear();
  Fixture none(empty, kDefaultTextStyle);
  ASSERT_TRUE(none.out->WriteSeries(0));
  EXPECT_EQ(none.text, Lines({"\\SOURCE=test.sdx (V 5.22)", "NO MEASURING DATA", "\\END"}));
}

// A heat-flow channel in sign mode: the measured value is the positive
// total; only the negative total is shown, moved to the positive side when it
// is not negative, and 0 when it is the stream's total error value (-1).
// Then a heat-flow channel with an undefined supply temperature.
TEST(VXASCIIOUTSeries, HeatFlowChannel) {
  sb::StreamSpec spec;
  sb::SeriesSpec& s = spec.series[0];
  s.channels[0].storedValues = 0xC000;
  s.channels[0].parameters.Quantity(3).U8(131, 0x04);
  FlaggedRecord r1 = Rec(100);
  r1.positiveTotal = 12.5;
  FlaggedRecord r2 = Rec(100);
  r2.negativeTotal = 4.0;
  FlaggedRecord r3 = Rec(100);
  r3.negativeTotal = -1.0;
  s.records = {r1, r2, r3};
  sb::SeriesSpec heat = s;
  heat.channels[0].parameters.U8(131, 0).CoefficientKey(7);
  FlaggedRecord t = Rec(500);
  t.temperatures = {{-32767, 400}};
  heat.records = {t};
  spec.series.push_back(heat);
  spec.userCoefficients.items.push_back(
      sb::CoefficientItem(7, {1.5, 0.25, -0.125, 0, 0, 2.5, 0.5, 0, 0, 0}));

  Fixture f(spec, kStyleSeparateQuantCols | kStyleChannelBlocks);
  ASSERT_TRUE(f.out->WriteSeries(1));
  const std::string rows = f.text.substr(f.text.find("\\DATA\r\n") + 7);
  EXPECT_EQ(
      rows.substr(0, rows.find("\\END")),
      Lines({"    12.50" + std::string(23, ' '), "       ???     +4.00" + std::string(12, ' '),
             "       ???" + std::string(12, ' ') + "    -0.00 "}));

  f.text.clear();
  ASSERT_TRUE(f.out->WriteSeries(2));
  EXPECT_NE(f.text.find("\\DATA\r\n       ???" + std::string(23, ' ') + "\r\n"), std::string::npos)
      << f.text;
  EXPECT_EQ(f.out->Column(kColMeasure).numeric, kInvalidMarker);
}

// Cancels from the given call of Cancelled() on and counts what it was told.
class CancelAt final : public IProgress {
 public:
  explicit CancelAt(int call) : call_(call) {}
  void SetMaximum(std::int64_t) override {}
  void Advance(std::int64_t steps) override { advanced += steps; }
  void LetEventsRun() override { ++eventRuns; }
  bool Cancelled() const override { return ++calls_ >= call_; }
  std::int64_t advanced = 0;
  int eventRuns = 0;

 private:
  int call_;
  mutable int calls_ = 0;
};

TEST(VXASCIIOUTSeries, CancelEndsWithBreakAfterTheRecordItWasSeenIn) {
  std::vector<FlaggedRecord> records;
  for (std::int16_t v = 1; v <= 5; ++v) records.push_back(Rec(v));
  Fixture f(VelocitySpec(records), kStyleChannelBlocks);
  CancelAt progress(3);
  f.out->SetProgress(&progress, 5);  // one step per record
  EXPECT_FALSE(f.out->WriteSeries(1));
  EXPECT_TRUE(f.out->Cancelled());
  EXPECT_EQ(progress.advanced, 3);
  EXPECT_EQ(progress.eventRuns, 3);
  const std::string data = f.text.substr(f.text.find("\\DATA\r\n") + 7);
  // MEASURE, a blank Q_POS and an input 1 without a value in these records.
  EXPECT_EQ(data, Lines({"     1.00                ------ ", "     2.00                ------ ",
                         "     3.00                ------ ", "\\BREAK"}));
}

// Records cells and rows of the spreadsheet and grid forms.
struct Sheet final : ISpreadsheetSink, IGridSink {
  std::vector<std::string> cells;
  void Label(int c, int r, std::string_view t) override { Add("L", c, r, std::string(t)); }
  void Number(int c, int r, double v) override { Add("N", c, r, std::to_string(v)); }
  void Date(int c, int r, double v) override { Add("D", c, r, std::to_string(v)); }
  void Time(int c, int r, double v) override { Add("T", c, r, std::to_string(v)); }
  int AddRow() override { return rows++; }
  void SetCell(int c, int r, std::string_view t) override { Add("G", c, r, std::string(t)); }
  void Add(const char* kind, int c, int r, const std::string& v) {
    cells.push_back(std::string(kind) + std::to_string(r) + "," + std::to_string(c) + "=" + v);
  }
  int rows = 0;
};

TEST(VXASCIIOUTSeries, SpreadsheetCellsAndGridRows) {
  FlaggedRecord r1 = Rec(1234);
  r1.positiveTotal = 5.5;
  r1.temperatures = {{215, 300}};
  FlaggedRecord r2 = Rec(-32768);
  Fixture f(VelocitySpec({r1, r2}), kDefaultTextStyle & ~kStyleSeparateQuantCols);
  Sheet sheet;
  f.out->SetSpreadsheet(&sheet);
  f.out->SetRow(0);
  f.out->Navigator().SelectSeries(1);
  TSeriesDescription d;
  f.out->Navigator().GetSeriesDescription(1, d);
  f.out->StartChannelClocks(d.entry, d);
  f.out->ConvertRecords(1, true);
  const double day = 38518.0 + 10.0 / 24;  // 2005-06-15 10:00
  EXPECT_EQ(sheet.cells, (std::vector<std::string>{
                             "L0,0=DATE", "L0,1=TIME", "L0,2=MEASURE", "L0,3=Q_POS", "L0,4=T1",  //
                             "D1,0=" + std::to_string(day), "T1,1=" + std::to_string(day),
                             "N1,2=1234.000000", "N1,3=5.500000", "N1,4=21.500000",  //
                             "D2,0=" + std::to_string(day + 10.0 / 86400),
                             "T2,1=" + std::to_string(day + 10.0 / 86400)}));
  EXPECT_EQ(f.out->Row(), 3);
  EXPECT_TRUE(f.text.empty());

  // The grid form: a headline row, then rows numbered in column 0.
  sheet.cells.clear();
  f.out->SetSpreadsheet(nullptr);
  f.out->SetGrid(&sheet);
  f.out->Navigator().SelectSeries(1);
  f.out->StartChannelClocks(d.entry, d);
  f.out->SetStyle(kStyleHeadlines);
  f.out->ConvertRecords(1, true);
  EXPECT_EQ(sheet.cells, (std::vector<std::string>{
                             "G0,1=   MEASURE", "G0,2=     Q_POS", "G0,3=        T1", "G1,0=1",
                             "G1,1=  1234.00", "G1,2=    +5.50", "G1,3=     21.5", "G2,0=2",
                             "G2,1=       ???", "G2,2=          ", "G2,3=    ------"}));
}

// Totals stored with the sign of the other column keep their own sign in
// text and cell; a measured value the meter stored as invalid stays invalid
// instead of giving way to the one computed from the velocity.
TEST(VXASCIIOUTSeries, StoredSignsAndStoredInvalidMeasuredValues) {
  FlaggedRecord r1 = Rec(1000);
  r1.positiveTotal = -5.0;
  r1.negativeTotal = 3.0;
  FlaggedRecord r2 = Rec(1000);
  r2.measured = 1.6e38;  // at least 0.95 x 1.678e38: the meter's invalid value
  FlaggedRecord r3 = Rec(1000);
  r3.measured = 12.5;
  sb::StreamSpec spec = VelocitySpec({r1, r2, r3});
  spec.series[0].channels[0].storedValues = 0xC000;  // both totals
  const std::uint32_t style = 0x4 | kStyleSeparateQuantCols | kStyleTrimStrings;
  Fixture f(spec, style);
  f.out->Navigator().SelectSeries(1);
  TSeriesDescription d;
  f.out->Navigator().GetSeriesDescription(1, d);
  f.out->StartChannelClocks(d.entry, d);
  f.out->ConvertRecords(1, false);
  EXPECT_EQ(f.text, Lines({"1000.00;-5.00;+3.00;", "???;;;", "12.50;;;"}));

  Sheet sheet;
  f.out->SetSpreadsheet(&sheet);
  f.out->SetRow(0);
  f.out->Navigator().SelectSeries(1);
  f.out->StartChannelClocks(d.entry, d);
  f.out->ConvertRecords(1, false);
  EXPECT_EQ(sheet.cells, (std::vector<std::string>{"L0,0=MEASURE", "L0,1=Q_POS", "L0,2=Q_NEG",
                                                   "N1,0=1000.000000", "N1,1=-5.000000",
                                                   "N1,2=3.000000", "N3,0=12.500000"}));
}

TEST(VXASCIIOUTColumns, QuantityRules) {
  const sb::ByteVec bytes = sb::BuildStream(sb::StreamSpec{});
  TVXASCIIOUT out("x", {}, nullptr, "", 0, nullptr, nullptr, ByteView(bytes));
  TParameterSet set;
  InputNames inputs;
  auto enabled = [&](std::uint32_t style, std::uint16_t stored, std::uint8_t modeBits = 0) {
    out.SetStyle(style);
    set.raw[131] = modeBits;
    out.SetupColumns(false, stored, set, 0, inputs);
    std::string s;
    for (int i = kColQuant; i <= kColFQNeg; ++i) s += out.Column(i).enabled ? '1' : '0';
    return s;
  };
  EXPECT_EQ(enabled(0, 0x8000), "010000");  // only stored: positive alone
  EXPECT_EQ(enabled(0, 0x4000), "001000");
  EXPECT_EQ(enabled(0x180, 0xC000), "100000");    // both: the single column
  EXPECT_EQ(enabled(0x20, 0x8000), "011000");     // separate columns
  EXPECT_EQ(enabled(0, 0xC000, 0x08), "011000");  // both and byte 131 bit 3
  EXPECT_EQ(enabled(0, 0xC000, 0x0C), "100000");  // ... not with bit 2
  EXPECT_EQ(enabled(0x080, 0), "011011");         // always
  EXPECT_EQ(enabled(0x100, 0xCE00), "000000");    // suppress
  EXPECT_EQ(enabled(0, 0x0200), "000010");        // second totals
  EXPECT_EQ(enabled(0, 0x0600), "000100");
  EXPECT_EQ(enabled(0, 0x0800), "000011");
  // Temperatures by stored bits or the all-temperatures bit; extra values by bits 1..7.
  out.SetStyle(kStyleAllTemperatures);
  out.SetupColumns(true, 0x0010, set, 0x82, inputs);
  EXPECT_TRUE(out.Column(kColLetter).enabled);
  EXPECT_TRUE(out.Column(kColInput1).enabled && out.Column(kColInput2).enabled);
  EXPECT_TRUE(out.Column(kColInput5).enabled);  // stored-values bit 4: input 5
  EXPECT_FALSE(out.Column(kColInput5 + 1).enabled);
  EXPECT_TRUE(out.Column(kColSoundSpeed).enabled && out.Column(kColAdx7).enabled);
  EXPECT_FALSE(out.Column(kColSensorTempV).enabled);
}

// Headlines are padded to ColLength + 1 characters and fit a 16-character
// field: at ColLength 16 the padding gives way, never the name.
TEST(VXASCIIOUTColumns, HeadlinesKeepTheirNamesAtEveryColumnLength) {
  const sb::ByteVec bytes = sb::BuildStream(sb::StreamSpec{});
  TVXASCIIOUT out("x", {}, nullptr, "", 0, nullptr, nullptr, ByteView(bytes));
  TParameterSet set;
  StoreU16(&set.raw[197], 6 | (1 << 3));  // input 1 corrected
  InputNames inputs;
  inputs.shortNames[0].Assign("T1");
  inputs.shortNames[2].Assign("T3");
  inputs.shortNames[3].Assign("T4");
  for (int colLength : {7, 9, 14, 15, 16}) {
    SCOPED_TRACE(colLength);
    out.SetColLength(colLength);
    out.SetupColumns(false, 0x000C, set, 0, inputs);
    auto expect = [&](int column, std::string name) {
      const std::string& h = out.Column(column).header;
      const std::size_t width =
          std::min<std::size_t>(std::max<std::size_t>(colLength + 1, name.size()), 16);
      EXPECT_EQ(h, std::string(width - name.size(), ' ') + name);
    };
    expect(kColVeloc, "VELOC");
    expect(kColMeasure, "MEASURE");
    expect(kColQuant, "(QUANT)");
    expect(kColFQuant, "(FQUANT)");
    expect(kColInput1, "T1(KOR)");
    expect(kColInput3, "T3");
    expect(kColInput4, "T4");
  }
}

// A series of 2-byte records holds velocities only: each one is a value with
// a velocity, not a record without one. A series whose records leave the
// stream ends its rows with a marker instead of silently.
TEST(VXASCIIOUTSeries, TwoByteRecordsAndDamagedSeries) {
  sb::StreamSpec spec;
  spec.series[0].kind = 1;
  spec.series[0].channels[0].parameters.Quantity(1);
  spec.series[0].shortRecords = {1234, 0x8000};
  sb::SeriesSpec cut;
  cut.channels[0].parameters.Quantity(1);
  cut.records = {Rec(7)};
  cut.recordCount = 3;
  spec.series.push_back(cut);
  Fixture f(spec, kStyleChannelBlocks);
  ASSERT_TRUE(f.out->WriteSeries(1));
  std::string data = f.text.substr(f.text.find("\\DATA\r\n") + 7);
  EXPECT_EQ(data.substr(0, data.find("\\END\r\n")), Lines({"  1234.00 ", "       ??? "}));
  f.text.clear();
  ASSERT_TRUE(f.out->WriteSeries(2));
  data = f.text.substr(f.text.find("\\DATA\r\n") + 7);
  EXPECT_EQ(data.substr(0, data.find("\\END\r\n")), Lines({"     7.00 ", "** BAD BYTES **"}));
}

// Without a stand-in the "\PARAMS" block is the parameter-set text in the
// label language, quoted like every parameter line.
TEST(VXASCIIOUTSeries, ParamsBlockHoldsTheParameterSetText) {
  const sb::ByteVec bytes = sb::BuildStream(VelocitySpec({Rec(1)}));
  std::string text;
  StringByteSink sink(text);
  TVXASCIIOUT out("p.sdx", {}, nullptr, "044", kStyleParaDelimited | kStyleChannelBlocks, nullptr,
                  &sink, ByteView(bytes));
  ASSERT_TRUE(out.WriteSeries(1));
  const std::size_t from = text.find("\\PARAMS\r\n") + 9;
  const std::string block = text.substr(from, text.find("\\DATA\r\n") - from);
  EXPECT_EQ(block.rfind("\"Par.Record", 0), 0u) << block;
  for (std::size_t pos = 0; pos < block.size();) {
    const std::size_t end = block.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(block[pos], '"');
    EXPECT_EQ(block[end - 1], '"');
    pos = end + 2;
  }
}

}  // namespace
}  // namespace gd
