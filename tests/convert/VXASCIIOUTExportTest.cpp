// Whole exported series with their real parameter-set text: header,
// "\PARAMS", "\DATA", headline, rows, "\END" and "\END_OF_SET", compared byte
// for byte with texts laid out by hand (labels at column 1 or 2, ":" at 18,
// values at 20 + 20 per channel, units ten further right).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/VXASCIIOUT.h"
#include "core/ReihenMemoStrings.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::FlaggedRecord;

struct Export {
  sb::ByteVec bytes;
  std::string text;
  StringByteSink sink{text};
  std::unique_ptr<TVXASCIIOUT> out;

  Export(const sb::StreamSpec& spec, std::uint32_t style, std::string_view language = "")
      : bytes(sb::BuildStream(spec)) {
    out = std::make_unique<TVXASCIIOUT>("test.sdx", TranslateFunction{}, nullptr, language, style,
                                        nullptr, &sink, ByteView(bytes));
    out->SetLocale(Locale::German());
  }
};

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (std::string_view l : lines) {
    s += l;
    s += "\r\n";
  }
  return s;
}

std::string Sp(std::size_t n) { return std::string(n, ' '); }

const std::string kColons(36, ':');
const std::string kDashes(36, '-');

// Built-in steel, PVC and water (kind letter "R"), so their rows stay plain.
sb::StreamSpec PlainSpec() {
  sb::StreamSpec spec;
  spec.materials = {{"Stahl", 1, 'R'}, {"PVC", 2, 'R'}};
  spec.media = {{"Wasser", 10001, 'R'}};
  return spec;
}

// A velocity channel: pipe 114.3 x 6.0 mm, roughness 0.1, steel, water at
// 20.5 degrees, sensor list item 1, two sound paths, sensor distance 123.4 mm,
// damping 10 s, storing every 10 s, unit "m3/h" and quantity unit "m3".
sb::ChannelSpec PlainChannel(const std::string& name, const std::string& point) {
  sb::ChannelSpec c;
  c.measuringPoint = point;
  c.sensorText = "";
  c.parameters.Quantity(1)
      .Counted(0, 16, name)
      .I16(18, 1)
      .U16(26, 1143)
      .U16(28, 60)
      .U16(30, 1)
      .I16(33, 10001)
      .I16(57, 205)
      .U8(59, 1)
      .U8(80, 2)
      .I16(78, 1234)
      .Counted(106, 7, "m3")
      .U16(115, 10)
      .StorageInterval(10);
  return c;
}

FlaggedRecord Rec(std::optional<std::int16_t> v, std::optional<std::uint8_t> channel = {}) {
  FlaggedRecord r;
  r.velocity = v;
  r.channel = channel;
  return r;
}

std::string Header(std::string_view series = "01") {
  return Lines({"", kColons, "\\SOURCE=test.sdx[" + std::string(series) + "] (V 5.22)",
                "DEVICE           : GAUGEUNIT       ", "MODE             : STORED"});
}

const std::string kEnd = Lines({"\\END_OF_SET[1]", kDashes, "", "", ""});

// The default style in German: system decimal separator (","), TABs,
// headline, date and time, separate total columns, a run start.
TEST(VXASCIIOUTExport, SingleChannelGermanDefaultStyle) {
  sb::StreamSpec spec = PlainSpec();
  sb::SeriesSpec& s = spec.series[0];
  s.channels = {PlainChannel("PS1", "MP1")};
  s.channels[0].storedValues = 0x8001;  // positive total and input 1
  FlaggedRecord r1 = Rec(1234);
  r1.positiveTotal = 5.5;
  r1.temperatures = {{215, 300}};
  FlaggedRecord r2 = Rec(1500);
  r2.timestamp = sb::PackTimestamp(2005, 6, 15, 11, 0, 0, true);
  FlaggedRecord r3 = Rec(std::nullopt);
  r3.positiveTotal = 7.25;
  s.records = {r1, r2, r3};
  Export e(spec, kDefaultTextStyle);
  ASSERT_TRUE(e.out->WriteSeries(1));

  const std::string expected =
      Header() +
      Lines({"START            : 15.06.2005  10:00:00",
             "\\PARAMS",
             "Para.Satz        : PS1",
             "Me\xDF"
             "stelle Nr.:   : MP1",
             "Rohr             :",
             " Au\xDF"
             "endurchmesser:     114,3 mm",
             " Wanddicke       :       6,0 mm",
             " Rauhigkeit      :       0,1 mm",
             " Rohrmaterial    : Stahl",
             " Auskleidung     : OHNE AUSKLEIDUNG",
             "Medium           : Wasser",
             " Medientemperatur:        20 C",
             "Sensortyp        : M2N",
             "Schallweg        :         2 NUM",
             "Sensorabstand    :     123,4 mm",
             "D\xE4mpfung         :        10 s",
             "Ablagerate       :  00:00:10 SAMPLES",
             "Me\xDFgr\xF6\xDF"
             "e         : Geschw.",
             "Ma\xDF"
             "einheit       : [m3/h]/[m3]",
             "AnzahlMesswerte  : 3",
             "",
             "\\DATA",
             "\\*      DATE\t      TIME\t   MEASURE\t     Q_POS\t     Q_NEG\t        T1\t",
             " 15.06.2005\t 10:00:00\t  1234,00\t    +5,50\t          \t     21,5\t",
             "\\RUN=15.06.2005/11:00:00",
             " 15.06.2005\t 11:00:00\t  1500,00\t          \t          \t    ------\t",
             " 15.06.2005\t 11:00:10\t   -------\t      +???\t          \t    ------\t",
             "\\END",
             ""}) +
      kEnd;
  EXPECT_EQ(e.text, expected);
}

// Two channels with their sets side by side (the second at columns 40 and
// 50), semicolons, decimal point, quantities suppressed, date column and
// channel letters. Channel B is lined and has a user sensor, so the lining
// thickness and the sensor data rows appear for both channels.
TEST(VXASCIIOUTExport, TwoChannelsSideBySide) {
  sb::StreamSpec spec = PlainSpec();
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  s.name = "MESS";
  sb::ChannelSpec a = PlainChannel("PS1", "MP1");
  sb::ChannelSpec b = PlainChannel("PS2", "MP2");
  b.number = 1;
  b.sensorText = "$USER$";
  b.parameters.I16(18, 2)
      .U16(26, 2191)
      .U16(28, 45)
      .I16(57, -55)
      .U8(59, 0)
      .Real(62, 0.5)
      .U8(80, 1)
      .I16(78, 800)
      .U16(115, 20)
      .StorageInterval(60)
      .I16(173, 2)
      .U16(175, 23000)
      .LiningThickness(35);
  s.channels = {a, b};
  s.records = {Rec(1500, 1), Rec(250, 2), Rec(-20, 1)};
  const std::uint32_t style = 0x4 | kStyleAlwaysVelocMeasure | 0x100 | kStyleHeadlines |
                              kStyleDate | kStyleChannelBlocks | kStyleParamsSideBySide;
  Export e(spec, style);
  ASSERT_TRUE(e.out->WriteSeries(1));

  const std::string expected = Header() +
                               Lines({"NAME             : MESS",
                                      "CHAN             : 2 (:A:B)",
                                      "START            : 15.06.2005  10:00:00",
                                      "\\PARAMS",
                                      "Para.Satz        : PS1" + Sp(17) + "PS2",
                                      "Me\xDF"
                                      "stelle Nr.:   : A:MP1" +
                                          Sp(15) + "B:MP2",
                                      "Rohr             :",
                                      " Au\xDF"
                                      "endurchmesser:     114.3 mm" +
                                          Sp(12) + "219.1 mm",
                                      " Wanddicke       :       6.0 mm" + Sp(14) + "4.5 mm",
                                      " Rauhigkeit      :       0.1 mm" + Sp(14) + "0.1 mm",
                                      " Rohrmaterial    : Stahl" + Sp(15) + "PVC",
                                      " Auskleidung     : OHNE AUSKLEIDUNG" + Sp(4) + "PVC",
                                      " Auskleid.St\xE4rke :" + Sp(27) + "3.5 mm",
                                      "Medium           : Wasser" + Sp(14) + "Wasser",
                                      " Medientemperatur:        20 C" + Sp(16) + "-5 C",
                                      "Sensortyp        : M2N" + Sp(17) + "K1N",
                                      " Sensorwert1     :       0.0" + Sp(16) + "30.0",
                                      " Sensorwert2     :       0.0" + Sp(17) + "0.0",
                                      " Sensorwert3     :       0.0" + Sp(17) + "0.0",
                                      " Sensorwert4     :       0.0" + Sp(17) + "0.0",
                                      " Sensorwert5     :       0.0" + Sp(17) + "0.0",
                                      " Sensorwert6     :         0" + Sp(19) + "0",
                                      "Schallweg        :         2 NUM" + Sp(15) + "1 NUM",
                                      "Sensorabstand    :     123.4 mm" + Sp(13) + "80.0 mm",
                                      "D\xE4mpfung         :        10 s" + Sp(16) + "20 s",
                                      "Ablagerate       :  00:00:10 SAMPLES    00:01:00 SAMPLES",
                                      "Me\xDFgr\xF6\xDF"
                                      "e         : Geschw." +
                                          Sp(13) + "Geschw.",
                                      "Ma\xDF"
                                      "einheit       : [m3/h]/[m3]" +
                                          Sp(9) + "[m3/h]/[m3]",
                                      "AnzahlMesswerte  : 2" + Sp(19) + "1",
                                      "",
                                      "\\DATA",
                                      "\\*;        DATE;   MEASURE;",
                                      "A; 15.06.2005;  1500.00;",
                                      "A; 15.06.2005;   -20.00;",
                                      "\\END",
                                      "",
                                      "\\DATA",
                                      "\\*;        DATE;   MEASURE;",
                                      "B; 15.06.2005;   250.00;",
                                      "\\END",
                                      ""}) +
                               kEnd;
  EXPECT_EQ(e.text, expected);
}

// A heat-flow channel in sign mode (the measured value is the positive
// total) with its current loop and energy price, decimal comma without the
// system separator, blank separators.
TEST(VXASCIIOUTExport, HeatFlowChannel) {
  sb::StreamSpec spec = PlainSpec();
  sb::SeriesSpec& s = spec.series[0];
  sb::ChannelSpec c = PlainChannel("WMZ", "MP1");
  c.storedValues = 0xC000;
  c.outputFlags = 0x0001;  // current loop
  c.parameters.Quantity(3)
      .Unit("kW")
      .Counted(106, 7, "kWh")
      .U16(115, 10)
      .StorageInterval(60)
      .Real(120, 500.0)
      .U8(126, 1)
      .U8(131, 0x84)
      .U16(194, 125);
  s.channels = {c};
  FlaggedRecord r1 = Rec(100);
  r1.positiveTotal = 12.5;
  FlaggedRecord r2 = Rec(100);
  r2.negativeTotal = 4.0;
  FlaggedRecord r3 = Rec(100);
  r3.negativeTotal = -1.0;  // the stream's total error value
  s.records = {r1, r2, r3};
  const std::uint32_t style = kStyleDecimalComma | kStyleAlwaysVelocMeasure |
                              kStyleSeparateQuantCols | kStyleHeadlines | kStyleChannelBlocks;
  Export e(spec, style);
  ASSERT_TRUE(e.out->WriteSeries(1));

  const std::string expected = Header() +
                               Lines({"START            : 15.06.2005  10:00:00",
                                      "\\PARAMS",
                                      "Para.Satz        : WMZ",
                                      "Me\xDF"
                                      "stelle Nr.:   : MP1",
                                      " Energie-Preis   :     0,125 DM/kWh",
                                      "Rohr             :",
                                      " Au\xDF"
                                      "endurchmesser:     114,3 mm",
                                      " Wanddicke       :       6,0 mm",
                                      " Rauhigkeit      :       0,1 mm",
                                      " Rohrmaterial    : Stahl",
                                      " Auskleidung     : OHNE AUSKLEIDUNG",
                                      "Medium           : Wasser",
                                      " Medientemperatur:        20 C",
                                      "Sensortyp        : M2N",
                                      "Schallweg        :         2 NUM",
                                      "Sensorabstand    :     123,4 mm",
                                      "D\xE4mpfung         :        10 s",
                                      "Me\xDF"
                                      "bereich Ende  :    500,00 kW",
                                      "Schleifenmodus   :      4/20 mA",
                                      "Ablagerate       :  00:01:00 SAMPLES",
                                      "Me\xDFgr\xF6\xDF"
                                      "e         : Waermestrom",
                                      "Ma\xDF"
                                      "einheit       : [kW]/[kWh]",
                                      "AnzahlMesswerte  : 3",
                                      "",
                                      "\\DATA",
                                      "\\* MEASURE      Q_POS      Q_NEG ",
                                      "    12,50" + Sp(23),
                                      "       ???     +4,00" + Sp(12),
                                      "       ???" + Sp(12) + "    -0,00 ",
                                      "\\END",
                                      ""}) +
                               kEnd;
  EXPECT_EQ(e.text, expected);
}

// English labels, each set followed by its values, quoted parameter and run
// lines, DOS characters, trimmed rows, time, velocity and total columns
// always (both pairs: the second totals' columns stay empty), the reduced
// "uncorrected" label right after a value that fills its ten columns.
TEST(VXASCIIOUTExport, EnglishQuotedDosTrimmed) {
  sb::StreamSpec spec = PlainSpec();
  spec.media = {{"S\x84ure", 10001, 'R'}};  // DOS a-umlaut in the stream
  sb::SeriesSpec& s = spec.series[0];
  sb::ChannelSpec c = PlainChannel("PS1", "MP1");
  c.storedValues = 0x0002;  // input 2
  c.parameters.Counted(106, 7, "l").U8(131, 0x10);
  s.channels = {c};
  FlaggedRecord r1 = Rec(250);
  r1.temperatures = {{100, 187}};
  r1.positiveTotal = 1.5;
  FlaggedRecord r2 = Rec(-1000);
  r2.timestamp = sb::PackTimestamp(2005, 6, 15, 12, 30, 0, true);
  r2.negativeTotal = -2.25;
  s.records = {r1, r2, Rec(std::nullopt)};
  const std::uint32_t style =
      kStyleDecimalComma | 0x2 | kStyleParaDelimited | kStyleAlwaysVelocMeasure | 0x080 |
      kStyleTrimStrings | kStyleShowVeloc | kStyleTime | kStyleParamsEachChannel | kStyleDosCharset;
  Export e(spec, style, "044");
  ASSERT_TRUE(e.out->WriteSeries(1));

  const std::string expected = Header() +
                               Lines({"START            : 15.06.2005  10:00:00",
                                      "\\PARAMS",
                                      "\"Par.Record       : PS1\"",
                                      "\"Meas. Point No.: : MP1\"",
                                      "\"Pipe             :\"",
                                      "\" Outer Diameter  :     114,3 mm\"",
                                      "\" Wall Thickness  :       6,0 mm\"",
                                      "\" Roughness       :       0,1 mm\"",
                                      "\" Pipe Material   : Stahl\"",
                                      "\" Lining          : WITHOUT LINING\"",
                                      "\"Medium           : S\x84ure\"",
                                      "\" Medium Temperat.:        20 C\"",
                                      "\"Trancducer Type  : M2N\"",
                                      "\"Sound Path       :         2 NUM\"",
                                      "\"Transd. Distance :     123,4 mm\"",
                                      "\"Damping          :        10 s\"",
                                      "\"Storage Rate     :  00:00:10 SAMPLES\"",
                                      "\"Physic. Quant.   : Geschw.\"",
                                      "\"Unit Of Measure  : [m3/h]/[l]>UNCORR.<\"",
                                      "\"Numb.Of Meas.Val : 3\"",
                                      "\"\"",
                                      "\\DATA",
                                      "10:00:00\t0,250\t250,00\t+1,50\t\t\t\t18,7\t",
                                      "\"\\RUN=15.06.2005/12:30:00\"",
                                      "12:30:00\t-1,000\t-1000,00\t\t-2,25\t\t\t------\t",
                                      "12:30:10\t-------\t-------\t\t\t\t\t------\t",
                                      "\\END"}) +
                               kEnd;
  EXPECT_EQ(e.text, expected);
}

// Cancels from the given call of Cancelled() on.
class CancelAt final : public IProgress {
 public:
  explicit CancelAt(int call) : call_(call) {}
  void SetMaximum(std::int64_t) override {}
  void Advance(std::int64_t) override {}
  void LetEventsRun() override {}
  bool Cancelled() const override { return ++calls_ >= call_; }

 private:
  int call_;
  mutable int calls_ = 0;
};

// The default style with two channels: the comments, each channel's set
// under its own "\PARAMS", then the values channel by channel; cancelled
// while the second channel is written, so its block ends with "\BREAK" after
// the record the cancel was seen in, and nothing follows.
TEST(VXASCIIOUTExport, CommentsSetsOneByOneAndCancel) {
  sb::StreamSpec spec = PlainSpec();
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  s.name = "MESS";
  sb::ChannelSpec b = PlainChannel("PS2", "MP2");
  b.number = 1;
  b.parameters.StorageInterval(60);
  s.channels = {PlainChannel("PS1", "MP1"), b};
  s.records = {Rec(1500, 1), Rec(250, 2), Rec(-20, 1), Rec(300, 2)};
  Export e(spec, kDefaultTextStyle);
  CancelAt progress(6);  // four calls for channel A, the second record of B
  e.out->SetProgress(&progress, 4);
  TReihenMemoStrings comment(1);
  comment.TakeFromMemo(MemoField{"Messung\r\nzweite Zeile", true});
  EXPECT_FALSE(e.out->WriteSeries(1, std::span(&comment, 1)));

  auto set = [](std::string_view name, std::string_view point, std::string_view interval,
                std::string_view count) {
    return Lines({"Para.Satz        : " + std::string(name),
                  "Me\xDF"
                  "stelle Nr.:   : " +
                      std::string(point),
                  "Rohr             :",
                  " Au\xDF"
                  "endurchmesser:     114,3 mm",
                  " Wanddicke       :       6,0 mm", " Rauhigkeit      :       0,1 mm",
                  " Rohrmaterial    : Stahl", " Auskleidung     : OHNE AUSKLEIDUNG",
                  "Medium           : Wasser", " Medientemperatur:        20 C",
                  "Sensortyp        : M2N", "Schallweg        :         2 NUM",
                  "Sensorabstand    :     123,4 mm", "D\xE4mpfung         :        10 s",
                  "Ablagerate       :  " + std::string(interval) + " SAMPLES",
                  "Me\xDFgr\xF6\xDF"
                  "e         : Geschw.",
                  "Ma\xDF"
                  "einheit       : [m3/h]/[m3]",
                  "AnzahlMesswerte  : " + std::string(count), ""});
  };
  const std::string headline = "\\*\t        DATE\t      TIME\t   MEASURE\t";
  const std::string expected =
      Header() +
      Lines({"NAME             : MESS", "CHAN             : 2 (:A:B)",
             "START            : 15.06.2005  10:00:00", "\\COMMENTS", " Messung", " zweite Zeile",
             "\\PARAMS"}) +
      set("PS1", "A:MP1", "00:00:10", "2") + Lines({"\\PARAMS"}) +
      set("PS2", "B:MP2", "00:01:00", "2") +
      Lines({"\\DATA", headline, "A\t 15.06.2005\t 10:00:00\t  1500,00\t",
             "A\t 15.06.2005\t 10:00:10\t   -20,00\t", "\\END", "", "\\DATA", headline,
             "B\t 15.06.2005\t 10:00:00\t   250,00\t", "\\BREAK"});
  EXPECT_EQ(e.text, expected);
}

}  // namespace
}  // namespace gd
