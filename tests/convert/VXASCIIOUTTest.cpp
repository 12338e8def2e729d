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
  EXPECT_EQ(out.FormatNumber(2, 0.125), "     0,13");  // half away from zero
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
            Lines({"", kColons, "\\SOURCE=test.sdx[01] (V 5.22)",
                   "DEVICE           : GAUGEUNIT       ", "MODE             : STORED",
                   "START            : 15.06.2005  10:00:00", "\\COMMENTS", " Erste Zeile",
                   " zweite", "\\PARAMS", "PS 0..0 n=3", "\\DATA",
                   "\\*      DATE\t      TIME\t   MEASURE\t     Q_POS\t     Q_NEG\t        T1\t",
                   " 15.06.2005\t 10:00:00\t  1234,00\t    +5,50\t          \t     21,5\t",
                   " 15.06.2005\t 10:00:10\t       ???\t      +???\t          \t    ------\t",
                   " 15.06.2005\t 10:00:20\t   -------\t          \t          \t    ?UNDEF\t",
                   "\\END", "", "\\END_OF_SET[1]", kDashes, "", "", ""}));
}

}  // namespace
}  // namespace gd
