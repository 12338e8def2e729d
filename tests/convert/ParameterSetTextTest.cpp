#include "convert/ParameterSetText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "core/Bytes.h"
#include "core/Real48.h"
#include "core/Version.h"

namespace gd {
namespace {

using Lines = std::vector<std::string>;

// A parsed stream with a few list items and a series description filled by
// hand: built-in steel pipe, built-in water, and sets whose relevance word
// stays 0 unless a test sets a byte.
class ParameterSetTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stream_.materials.Add({"Stahl", 5, 'R', 0});
    stream_.materials.Add({"Gummi", 7, '*', 0});  // not built in
    stream_.media.Add({"Wasser", 10005, 'R', 0});
    stream_.sensorNames.Add("Sensor A");
    stream_.sensorNames.Add("Sensor B");
    stream_.quantityNames.Add("Volumenstrom");
    stream_.quantityNames.Add("Str\x94mung");  // DOS code, converted when placed
    StoreU16(&stream_.prolog.raw[TStreamProlog::kVersion], MakeVersion(5, 22));
    stream_.prolog.raw[TStreamProlog::kFactoryRMin] = 3;
    stream_.prolog.raw[TStreamProlog::kFactoryRMax] = 7;

    ctx_.labels = &labels_;
    ctx_.stream = &stream_;
    ctx_.format.styleBits = kDefaultTextStyle & ~kStyleParaShowAllData;
    ctx_.format.systemDecimalSeparator = ',';
    ctx_.locale = Locale::German();
    counts_ = {120, 120, 80, 0, 0, 0, 0, 0, 0};
  }

  // Channel k of the series with a plain set.
  TChannelDescription& Channel(int k, const std::string& point) {
    TChannelDescription& ch = series_.channels[static_cast<std::size_t>(k)];
    ch.head.raw[0] = static_cast<std::uint8_t>(k);
    StoreCountedField(&ch.head.raw[TChannelHead::kMeasuringPoint], 8, point);
    ch.letter = static_cast<std::uint8_t>('A' + k);
    ch.inputs.shortNames[0].Assign("T1");
    ch.inputs.shortNames[1].Assign("T2");
    std::uint8_t* p = ch.parameterSet.raw.data();
    StoreCountedField(p, 17, "PS" + std::to_string(k + 1));
    StoreU16(p + 18, 5);        // steel
    StoreU16(p + 20, 59200);    // c of the pipe material, tenths
    StoreU16(p + 26, 1143);     // outer diameter
    StoreU16(p + 28, 60);       // wall
    StoreU16(p + 30, 1);        // roughness
    StoreU16(p + 33, 10005);    // water
    StoreU16(p + 57, 205);      // medium temperature, tenths
    p[59] = 1;                  // sensor B
    StoreReal48(p + 62, 0.5L);  // sine of 30 degrees
    p[80] = 2;                  // sound path
    StoreU16(p + 78, 1234);     // sensor distance, tenths
    p[81] = 0;                  // volume flow
    StoreCountedField(p + 91, 14, "m3/h");
    StoreCountedField(p + 106, 8, "m3");
    StoreU16(p + 115, 10);  // damping
    StoreU16(p + 118, 90);  // storage interval
    StoreReal48(p + 120, 250.0L);
    series_.channelCount = static_cast<std::uint8_t>(std::max<int>(series_.channelCount, k + 1));
    return ch;
  }

  Lines Render(int kind, int first, int last, bool withCounts = true) {
    series_.entry.raw[0] = static_cast<std::uint8_t>(kind);
    Lines lines;
    ParameterSetText(ctx_).Write(series_.entry, first, last, withCounts ? &counts_ : nullptr,
                                 series_, lines);
    return lines;
  }

  // The line that starts with `start`; fails the test when there is none.
  static const std::string* Find(const Lines& lines, std::string_view start) {
    for (const std::string& l : lines) {
      if (l.compare(0, start.size(), start) == 0) return &l;
    }
    ADD_FAILURE() << "no line starts with \"" << start << "\"";
    static const std::string none;
    return &none;
  }
  static bool Has(const Lines& lines, std::string_view start) {
    return std::any_of(lines.begin(), lines.end(), [start](const std::string& l) {
      return l.compare(0, start.size(), start) == 0;
    });
  }

  TLabelTable labels_;
  ParsedStream stream_;
  ParameterSetContext ctx_;
  TSeriesDescription series_;
  std::array<std::int32_t, 9> counts_{};
};

TEST_F(ParameterSetTextTest, SingleChannelShowsOnlyTheRowsThatAlwaysCount) {
  Channel(0, "MP1");
  const Lines lines = Render(0, 0, 0);
  const Lines expected = {
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
      "Sensortyp        : Sensor B",
      "Schallweg        :         2 NUM",
      "Sensorabstand    :     123,4 mm",
      "D\xE4mpfung         :        10 s",
      "Ablagerate       :  00:01:30 SAMPLES",
      "Me\xDF"
      "gr\xF6\xDF"
      "e         : Volumenstrom",
      "Ma\xDF"
      "einheit       : [m3/h]/[m3]",
      "AnzahlMesswerte  : 120",
      "",  // between the passes; no computed channel follows
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ParameterSetTextTest, AllDataShowsEveryRowOfTheMeasuringPass) {
  Channel(0, "MP1");
  ctx_.format.styleBits |= kStyleParaShowAllData;
  const Lines lines = Render(0, 0, 0);
  ASSERT_EQ(lines.size(), 42u);  // 41 rows and the empty line
  EXPECT_EQ(lines[2], " Energie-Preis   :     0,000 DM/kWh");
  EXPECT_EQ(lines[8], " c-Material      :    5920,0 m/s");
  EXPECT_EQ(lines[10], " c-Material      :");  // no lining: label only
  EXPECT_EQ(lines[20], " Sensorwert1     :      30,0");
  // "T1:" and the correction padded to 7 fill columns 20..29; the unit follows at 30.
  EXPECT_EQ(lines[29], "Korr.Offset      : T1: ------C");
  EXPECT_EQ(lines[32], "Schleifenmodus   :      0/20 mA");
  EXPECT_EQ(lines[36], "Kalibrierdaten   : 0,000/0,0cm/s");
  EXPECT_EQ(lines[37], "Profile bounds   : 300/700");  // the factory bounds of the prolog

  // Older firmware knows no factory bounds; an unknown sine has no angle.
  StoreU16(&stream_.prolog.raw[TStreamProlog::kVersion], MakeVersion(5, 21));
  StoreReal48(&series_.channels[0].parameterSet.raw[62], 2.0L);
  const Lines old = Render(0, 0, 0);
  EXPECT_EQ(old[37], "Profile bounds   : >FACTORY<");
  EXPECT_EQ(old[20], " Sensorwert1     :       ???");
}

TEST_F(ParameterSetTextTest, RelevanceBringsBackTheRowsOfOneChannel) {
  TChannelDescription& ch = Channel(0, "MP1");
  std::uint8_t* p = ch.parameterSet.raw.data();
  StoreU16(&ch.head.raw[TChannelHead::kStoredValues], 0x0001);   // input 1 stored
  StoreU16(p + 197, static_cast<std::uint16_t>((25 << 3) | 6));  // corrected by 2.5
  StoreU16(&ch.head.raw[TChannelHead::kOutputFlags], 0x0001);    // current loop
  p[126] = 1;
  StoreU16(p + 187, static_cast<std::uint16_t>((1500 << 3) | 1));
  p[186] = static_cast<std::uint8_t>(-25);
  p[131] = 0x10;  // flow velocity shown uncorrected
  p[81] = 1;
  const Lines lines = Render(0, 0, 0);
  EXPECT_EQ(*Find(lines, "Korr.Offset"), "Korr.Offset      : T1:    2,5C");
  EXPECT_EQ(*Find(lines, "Schleifen"), "Schleifenmodus   :      4/20 mA");
  EXPECT_EQ(*Find(lines,
                  "Me\xDF"
                  "bereich"),
            "Me\xDF"
            "bereich Ende  :    250,00 m3/h");
  EXPECT_EQ(*Find(lines, "Kalibrier"), "Kalibrierdaten   : 1,500/-2,5cm/s");
  EXPECT_TRUE(Has(lines, " Druck im Vorlauf"));  // bit 9 also brings the pressure
  EXPECT_FALSE(Has(lines, "Impulswertigkeit"));  // no pulse output
  EXPECT_EQ(*Find(lines,
                  "Ma\xDF"
                  "einheit"),
            "Ma\xDF"
            "einheit       : [m3/h]/[m3] >UNKORR.<");
  EXPECT_EQ(*Find(lines,
                  "Me\xDF"
                  "gr\xF6\xDF"
                  "e"),
            "Me\xDF"
            "gr\xF6\xDF"
            "e         : Str\xF6mung");
}

TEST_F(ParameterSetTextTest, TwoChannelsSideBySideInEnglishWithAndWithoutLining) {
  Channel(0, "MP1");
  TChannelDescription& b = Channel(1, "POINT2LONG");
  std::uint8_t* p = b.parameterSet.raw.data();
  StoreU16(p + 173, 7);  // rubber lining, not built in
  StoreU16(p + 175, 15000);
  StoreU16(p + 181, 35);
  StoreU16(p + 26, 2191);
  StoreCountedField(&b.head.raw[TChannelHead::kSensorText], 16, "$USER$");
  labels_.SetLanguage("044");
  const Lines lines = Render(2, 0, 1);
  EXPECT_EQ(*Find(lines, "Par.Record"), "Par.Record       : PS1                 PS2");
  EXPECT_EQ(*Find(lines, "Meas. Point No.:"), "Meas. Point No.: : A:MP1               B:POINT2LO");
  EXPECT_EQ(*Find(lines, " Outer Diameter"), " Outer Diameter  :     114,3 mm            219,1 mm");
  EXPECT_EQ(*Find(lines, " Lining"), " Lining          : WITHOUT LINING      Gummi");
  // The lining rows appear for the lined channel only; the other stays blank.
  EXPECT_EQ(*Find(lines, " Liner Thickness"),
            " Liner Thickness :                           3,5 mm");
  // The pipe's sound speed row is left out (steel is built in); the lining's
  // is shown, for channel B only.
  EXPECT_EQ(
      std::count_if(lines.begin(), lines.end(),
                    [](const std::string& l) { return l.compare(0, 11, " c-Material") == 0; }),
      1);
  EXPECT_EQ(Find(lines, " c-Material")->substr(17), ":                        1500,0 m/s");
  // "$USER$" is no name: the list's sensor name stays and the sensor data show.
  EXPECT_EQ(*Find(lines, "Trancducer Type"), "Trancducer Type  : Sensor B            Sensor B");
  EXPECT_TRUE(Has(lines, " Transd. Data1"));
  EXPECT_EQ(*Find(lines, "Numb.Of Meas.Val"), "Numb.Of Meas.Val : 120                 80");
}

TEST_F(ParameterSetTextTest, ComputedChannelGoesToTheSecondPass) {
  Channel(0, "MP1");
  TChannelDescription& b = Channel(1, "SUM");
  std::uint8_t* p = b.parameterSet.raw.data();
  p[133] = 0x02;  // computed
  StoreCountedField(&b.head.raw[TChannelHead::kSensorText], 16, "A+B");
  StoreReal48(p + 45, 1.5L);
  StoreReal48(p + 39, -0.25L);
  ctx_.format.styleBits |= kStyleParaShowAllData;  // the second pass ignores it
  const Lines lines = Render(2, 0, 1, /*withCounts=*/false);
  const auto gap = std::find(lines.begin(), lines.end(), std::string());
  ASSERT_NE(gap, lines.end());
  const Lines first(lines.begin(), gap), second(gap + 1, lines.end());
  EXPECT_EQ(first.size(), 40u);  // every row but the value counts
  EXPECT_EQ(first[0], "Para.Satz        : PS1");
  const Lines expected = {
      "Para.Satz        : PS2",
      "Me\xDF"
      "stelle Nr.:   : B:SUM",
      " FUNCTION        : A+B",
      " +Schleichmenge  :      1,50 m3/h",
      " -Schleichmenge  :     -0,25 m3/h",
      "Ablagerate       :  00:01:30 SAMPLES",
      "Me\xDF"
      "gr\xF6\xDF"
      "e         : Volumenstrom",
      "Ma\xDF"
      "einheit       : [m3/h]/[m3]",
  };
  EXPECT_EQ(second, expected);
}

TEST_F(ParameterSetTextTest, NothingIsPlacedForOtherKindsOrAnEmptyRange) {
  Channel(0, "MP1");
  EXPECT_EQ(Render(1, 0, 0), Lines{""});
  EXPECT_EQ(Render(2, 3, 5), Lines{""});
  // Eight channels: the last unit column is cut at the end of the row.
  for (int k = 1; k < 8; ++k) Channel(k, "X");
  ctx_.format.styleBits |= kStyleParaShowAllData;
  const Lines lines = Render(2, 0, 7);
  for (const std::string& l : lines) EXPECT_LE(l.size(), 187u);
  EXPECT_EQ(Find(lines, " Energie-Preis")->substr(159), "    0,000 DM/kWh");
}

}  // namespace
}  // namespace gd
