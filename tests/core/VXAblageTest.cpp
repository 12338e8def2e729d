#include "core/VXAblage.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "core/StreamParser.h"
#include "core/Version.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::ExtensionBlock;
using sb::FlaggedRecord;
using sb::StreamSpec;

// A built stream, its parse and a navigator over both.
struct Opened {
  sb::BuiltStream built;
  ParsedStream parsed;
  std::unique_ptr<TVXAblage> nav;

  explicit Opened(sb::BuiltStream b)
      : built(std::move(b)), parsed(ParseStream(ByteView(built.bytes))) {
    nav = std::make_unique<TVXAblage>(ByteView(built.bytes), parsed);
  }
  explicit Opened(const StreamSpec& spec) : Opened(sb::Build(spec)) {}
  Opened(const Opened&) = delete;
};

StreamSpec WithRecords(std::vector<FlaggedRecord> records) {
  StreamSpec spec;
  spec.series[0].records = std::move(records);
  return spec;
}

std::vector<TValueRecord> ReadAll(TVXAblage& nav, int series) {
  nav.SelectSeries(series);
  std::vector<TValueRecord> out;
  TValueRecord rec;
  while (nav.NextRecord(rec)) out.push_back(rec);
  return out;
}

long double R(const Real48& r) { return Real48ToLongDouble(r); }

TEST(VXAblageTest, FixedFieldsAndRecordSizes) {
  FlaggedRecord empty;  // F = 0x00: one byte
  FlaggedRecord full;
  full.velocity = -1234;
  full.timestamp = 0x4ABCDEF1;
  full.positiveTotal = 12.5;
  full.negativeTotal = -3.25;
  full.channel = 1;
  full.temperatures = {{215, -40}};
  full.measured = 0.75;
  full.extensions = {ExtensionBlock::Words({ExtensionBlock::SlotWord(4, 0x123)})};
  Opened o(WithRecords({empty, full, empty}));
  ASSERT_EQ(o.parsed.status, 0);
  const auto& lay = o.built.series[0];
  o.nav->SelectSeries(1);
  TValueRecord rec;
  ASSERT_TRUE(o.nav->NextRecord(rec));
  EXPECT_EQ(rec.flags, 0);
  EXPECT_EQ(o.nav->NextRecordPos(), lay.recordOffsets[1]);
  ASSERT_TRUE(o.nav->NextRecord(rec));
  EXPECT_EQ(o.nav->NextRecordPos() - lay.recordOffsets[1], 1u + 30u + 2u);  // F=0xFF, D=0x10
  EXPECT_EQ(rec.flags, 0xFF);
  EXPECT_EQ(rec.velocity, -1234);
  EXPECT_EQ(rec.timestamp, 0x4ABCDEF1u);
  EXPECT_EQ(R(rec.positiveTotal), 12.5L);
  EXPECT_EQ(R(rec.negativeTotal), -3.25L);
  EXPECT_EQ(rec.channel, 1);
  EXPECT_EQ(rec.temperatures[0], 215);
  EXPECT_EQ(rec.temperatures[1], -40);
  EXPECT_EQ(R(rec.measuredValue), 0.75L);
  EXPECT_EQ(rec.descriptor, 0x10);
  EXPECT_EQ(rec.words[4], 0x8123);
  for (int s = 0; s < 8; ++s) {
    if (s != 4) {
      EXPECT_EQ(rec.words[static_cast<std::size_t>(s)], 0);
    }
  }
  // The next record starts clean: nothing of the previous one survives.
  ASSERT_TRUE(o.nav->NextRecord(rec));
  EXPECT_EQ(rec.flags, 0);
  EXPECT_EQ(rec.velocity, 0);
  EXPECT_EQ(rec.words[4], 0);
  EXPECT_EQ(rec.channelPart.parameterSet, nullptr);
  EXPECT_FALSE(o.nav->NextRecord(rec));
  EXPECT_FALSE(o.nav->SeriesDamaged());
}

TEST(VXAblageTest, ExtensionBlocks) {
  // Descriptor 0x91, then 0x20: two words, then one 3-byte item.
  FlaggedRecord chain;
  chain.extensions = {ExtensionBlock::Words(
                          {ExtensionBlock::SlotWord(0, 0x456), ExtensionBlock::SlotWord(1, 0x00F)}),
                      ExtensionBlock::Triples({{{0xA1, 0x02, 0x03}}})};
  // One negative Real48 goes to slot 1 only; three values fill slots 0 and 1
  // (the third replaces the second).
  FlaggedRecord oneNegative;
  oneNegative.extensions = {ExtensionBlock::Reals({-7.5})};
  FlaggedRecord onePositive;
  onePositive.extensions = {ExtensionBlock::Reals({7.5})};
  FlaggedRecord three;
  three.extensions = {ExtensionBlock::Reals({1.0, 2.0, -3.0})};
  // A block of another kind carries no items; its chain continues. The slots
  // of a second 0x20 block replace the mask of the first.
  FlaggedRecord other;
  ExtensionBlock unknown;
  unknown.kind = 0x50;
  unknown.otherCount = 3;
  other.extensions = {ExtensionBlock::Triples({{{0x00, 1, 1}}}), unknown,
                      ExtensionBlock::Triples({{{0xE0, 9, 9}}, {{0x60, 8, 8}}})};
  // Bit 7 of the last descriptor set at the very end of the stream: the record ends there.
  FlaggedRecord atEnd;
  ExtensionBlock last = ExtensionBlock::Words({ExtensionBlock::SlotWord(5, 1)});
  last.descriptor = 0x90;
  atEnd.extensions = {last};

  Opened o(WithRecords({chain, oneNegative, onePositive, three, other, atEnd}));
  ASSERT_EQ(o.parsed.status, 0);
  ASSERT_EQ(o.built.series[0].recordsEnd, o.built.bytes.size());
  const auto recs = ReadAll(*o.nav, 1);
  ASSERT_EQ(recs.size(), 6u);

  EXPECT_EQ(recs[0].descriptor, 0x91);
  EXPECT_EQ(recs[0].words[0], 0x8456);
  EXPECT_EQ(recs[0].words[1], 0x800F);
  EXPECT_EQ(recs[0].inputMask, 1u << 5);
  EXPECT_EQ(recs[0].inputs[5], (std::array<std::uint8_t, 3>{0xA1, 0x02, 0x03}));

  EXPECT_EQ(recs[1].realMask, 2);
  EXPECT_EQ(R(recs[1].reals[1]), -7.5L);
  EXPECT_EQ(R(recs[1].reals[0]), 0.0L);
  EXPECT_EQ(recs[2].realMask, 1);
  EXPECT_EQ(R(recs[2].reals[0]), 7.5L);
  EXPECT_EQ(recs[3].realMask, 3);
  EXPECT_EQ(R(recs[3].reals[0]), 1.0L);
  EXPECT_EQ(R(recs[3].reals[1]), -3.0L);

  EXPECT_EQ(recs[4].inputMask, (1u << 7) | (1u << 3));
  EXPECT_EQ(recs[4].inputs[0][1], 1);  // stored by the first block, mask bit cleared
  EXPECT_EQ(recs[4].inputs[7][1], 9);
  EXPECT_EQ(recs[4].inputs[3][1], 8);

  EXPECT_EQ(recs[5].words[5], 0x8001);
  EXPECT_FALSE(o.nav->SeriesDamaged());
}

TEST(VXAblageTest, TwoByteRecordsAndRecordCounts) {
  StreamSpec spec;
  spec.series[0].kind = 1;
  spec.series[0].shortRecords = {0x0102, 0xFFFE, 0x7FFF};
  sb::SeriesSpec none;
  none.recordCount = 0;
  none.records = {FlaggedRecord{}};
  sb::SeriesSpec fewer;  // fewer records counted than stored
  fewer.records = {FlaggedRecord{}, FlaggedRecord{}, FlaggedRecord{}};
  fewer.recordCount = 2;
  spec.series.push_back(none);
  spec.series.push_back(fewer);
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);

  o.nav->SelectSeries(1);
  EXPECT_TRUE(o.nav->IsShortRecordSeries());
  TValueRecord rec;
  rec.flags = 0x55;
  rec.channel = 9;
  std::vector<std::int16_t> values;
  while (o.nav->NextRecord(rec)) values.push_back(rec.velocity);
  EXPECT_EQ(values, (std::vector<std::int16_t>{0x0102, -2, 0x7FFF}));
  EXPECT_EQ(rec.flags, 0x55);  // a 2-byte record touches only its value
  EXPECT_EQ(rec.channel, 9);

  EXPECT_TRUE(ReadAll(*o.nav, 2).empty());
  EXPECT_EQ(ReadAll(*o.nav, 3).size(), 2u);
  EXPECT_THROW(o.nav->SelectSeries(4), std::out_of_range);
  EXPECT_THROW(o.nav->SelectSeries(0), std::out_of_range);
}

TEST(VXAblageTest, FarAddressesInEitherStyle) {
  for (sb::FarStyle style : {sb::FarStyle::kNormalized, sb::FarStyle::kLargeOffset}) {
    StreamSpec spec;
    spec.farStyle = style;
    spec.dataLinear = 0x12345;
    FlaggedRecord r;
    r.velocity = 77;
    spec.series[0].records = {r, r};
    Opened o(spec);
    ASSERT_EQ(o.parsed.status, 0);
    const auto& lay = o.built.series[0];
    EXPECT_EQ(o.nav->StreamPos(lay.blockFar), static_cast<std::int64_t>(lay.blockOffset));
    EXPECT_EQ(o.nav->StreamPos(lay.firstRecordFar),
              static_cast<std::int64_t>(lay.firstRecordOffset));
    const auto recs = ReadAll(*o.nav, 1);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].velocity, 77);
    EXPECT_EQ(o.nav->ParameterSet(0).OuterDiameter(), 100);
  }
}

TEST(VXAblageTest, SeriesDescription) {
  StreamSpec spec;
  spec.highestMeasuringChannel = 1;
  spec.highestChannel = 3;
  spec.firstExtraLetter = 'X';
  spec.version = kVersion360;
  spec.userCoefficients.items = {sb::CoefficientItem(9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})};
  sb::SeriesSpec& s = spec.series[0];
  s.kind = 2;
  sb::ChannelSpec a, b, c;
  a.number = 0;
  a.valueCount = 11;
  a.parameters.OuterDiameter(100).WallThickness(2).LiningThickness(1).Quantity(0).Factor(2.0);
  a.parameters.CoefficientKey(9);
  b.number = 1;
  b.valueCount = 22;
  b.storedValues = 0x1000;  // triggered
  b.parameters.Quantity(1).Factor(3.0);
  c.number = 2;  // an extra channel
  c.valueCount = 33;
  c.parameters.OuterDiameter(54).WallThickness(2).Quantity(2).Density(1000.0).Factor(0.5);
  s.channels = {a, b, c};
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);

  TSeriesDescription d;
  d.channels[5].letter = 'Q';  // the description is cleared first
  o.nav->GetSeriesDescription(1, d);
  EXPECT_EQ(d.entry.raw, o.parsed.directory[0].raw);
  EXPECT_EQ(d.channelCount, 3);
  EXPECT_EQ(d.valueCounts, (std::array<std::int32_t, 9>{11, 11, 22, 33, 0, 0, 0, 0, 0}));
  EXPECT_EQ(d.kind2, 1);
  EXPECT_EQ(d.triggered, 1);
  EXPECT_EQ(d.damaged, 0);
  EXPECT_EQ(d.channels[5].letter, 0);

  const long double pi = std::numbers::pi_v<long double>;
  const long double areaA = 94.0L * 94.0L * pi / 400.0L;  // 100 - 2 * (2 + 1)
  EXPECT_EQ(R(d.channels[0].area), RoundToReal48(areaA));
  EXPECT_EQ(R(d.channels[0].scaledFactor), RoundToReal48(2.0L * areaA));
  EXPECT_EQ(Real48ToLongDouble(&d.channels[0].coefficients[54]), 10.0L);
  EXPECT_EQ(R(d.channels[1].scaledFactor), 3.0L);  // flow velocity: factor alone
  const long double areaC = 50.0L * 50.0L * pi / 400.0L;
  EXPECT_EQ(R(d.channels[2].scaledFactor), RoundToReal48(0.5L * areaC * 1000.0L));
  EXPECT_EQ(d.channels[1].coefficients, (std::array<std::uint8_t, 60>{}));

  EXPECT_EQ(d.channels[0].letter, 'A');
  EXPECT_EQ(d.channels[1].letter, 'B');
  EXPECT_EQ(d.channels[2].letter, 'X');
  EXPECT_EQ(d.channels[0].extraChannel, 0);
  EXPECT_EQ(d.channels[1].extraChannel, 0);
  EXPECT_EQ(d.channels[2].extraChannel, 1);
  EXPECT_EQ(d.channels[2].parameterSet.Density(), 1000.0L);
  EXPECT_EQ(d.channels[1].head.Triggered(), true);
  EXPECT_EQ(d.channels[0].inputs.shortNames[0].View(), "T1");
  // Left selected at the first record.
  EXPECT_EQ(o.nav->CurrentSeries(), 1);
  EXPECT_EQ(o.nav->NextRecordNumber(), 1);
  EXPECT_TRUE(o.nav->IsKind2());
}

TEST(VXAblageTest, AttachChannelUsesTheRecordsChannelOrChannelOne) {
  StreamSpec spec;
  sb::ChannelSpec a, b;
  a.number = 0;
  a.storedValues = 0x00C3;
  a.extraValues = 0x11;
  a.parameters.Factor(1.0).Quantity(1);
  b.number = 1;
  b.storedValues = 0x4001;
  b.extraValues = 0x22;
  b.inputs = {0x12, 0x00, 0x00, 0x00};
  b.parameters.Factor(4.0).Quantity(1);
  spec.series[0].channels = {a, b};
  std::vector<FlaggedRecord> recs(4);
  recs[0].channel = 2;
  recs[1].channel = 0;
  recs[2].channel = 3;
  // recs[3] has no channel field
  spec.series[0].records = recs;
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);
  o.nav->SelectSeries(1);
  const std::uint16_t expectStored[4] = {0x4001, 0x00C3, 0x00C3, 0x00C3};
  for (int i = 0; i < 4; ++i) {
    TValueRecord rec;
    ASSERT_TRUE(o.nav->NextRecord(rec));
    o.nav->AttachChannel(rec);
    EXPECT_EQ(rec.channelPart.storedValues, expectStored[i]) << i;
    const bool second = i == 0;
    EXPECT_EQ(rec.channelPart.extraValues, second ? 0x22 : 0x11);
    EXPECT_EQ(rec.channelPart.parameterSet, &o.nav->ParameterSet(second ? 1 : 0));
    EXPECT_EQ(R(rec.channelPart.scaledFactor), second ? 4.0L : 1.0L);
    EXPECT_EQ(rec.channelPart.inputs.shortNames[0].View(), second ? "T2" : "T1");
    EXPECT_EQ(rec.channelPart.inputs.shortNames[1].View(), second ? "T1" : "T2");
  }
}

TEST(VXAblageTest, ChannelLetters) {
  StreamSpec spec;
  spec.highestMeasuringChannel = 1;
  spec.highestChannel = 4;
  spec.firstExtraLetter = 0x58;
  spec.version = kVersion360;
  Opened newer(spec);
  EXPECT_EQ(newer.nav->ChannelLetter(0), 'A');
  EXPECT_EQ(newer.nav->ChannelLetter(1), 'B');
  EXPECT_EQ(newer.nav->ChannelLetter(2), 'X');
  EXPECT_EQ(newer.nav->ChannelLetter(3), 'Y');
  spec.version = kVersion351;
  Opened older(spec);
  EXPECT_EQ(older.nav->ChannelLetter(3), 'D');
  spec.version = kVersion500;  // V 5.00 counts as at least V 3.60
  Opened five(spec);
  EXPECT_EQ(five.nav->ChannelLetter(3), 'Y');
  EXPECT_EQ(five.nav->ChannelLetter(200), (200 + 0x58 - 1 - 1) & 0xFF);
  EXPECT_EQ(older.nav->ChannelLetter(250), (250 + 65) & 0xFF);
}

TEST(VXAblageTest, CoefficientAndExtendedSetPrecedence) {
  StreamSpec spec;
  spec.romCoefficients.items = {sb::CoefficientItem(1, {11}), sb::CoefficientItem(2, {21}),
                                sb::CoefficientItem(2, {22}), sb::CoefficientItem(0xFFFF, {99})};
  spec.userCoefficients.items = {sb::CoefficientItem(2, {31}), sb::CoefficientItem(3, {41}),
                                 sb::CoefficientItem(3, {42})};
  spec.extended.items = {sb::ExtendedItem(5, 0xA0), sb::ExtendedItem(5, 0xA1),
                         sb::ExtendedItem(6, 0xB0)};
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);
  auto first = [&](std::uint16_t key) -> long double {
    const std::uint8_t* body = o.nav->FindCoefficientSet(key);
    return body ? Real48ToLongDouble(body) : -1.0L;
  };
  EXPECT_EQ(first(1), 11.0L);       // ROM only
  EXPECT_EQ(first(2), 31.0L);       // user before ROM
  EXPECT_EQ(first(3), 42.0L);       // last match within the table
  EXPECT_EQ(first(0xFFFF), 99.0L);  // a negative key in a parameter set reads as this word
  EXPECT_EQ(o.nav->FindCoefficientSet(4), nullptr);
  ASSERT_NE(o.nav->FindExtendedSet(5), nullptr);
  EXPECT_EQ(o.nav->FindExtendedSet(5)[0], 0xA1);
  EXPECT_EQ(o.nav->FindExtendedSet(5) - o.parsed.extended.Item(1).data(), 2);
  EXPECT_EQ(o.nav->FindExtendedSet(7), nullptr);
}

TEST(VXAblageTest, DecodeInputsWithDescriptorOverrides) {
  StreamSpec spec;
  spec.version = kVersion351;
  spec.inputHardware.items = {
      sb::InputHardwareItem(1, "TV"),    sb::InputHardwareItem(2, "U1"),
      sb::InputHardwareItem(3, "U2"),    sb::InputHardwareItem(4, "I1"),
      sb::InputHardwareItem(7, "XX"),    sb::InputHardwareItem(1, "P1", 1),  // active descriptor
      sb::InputHardwareItem(1, "P2", 2),   // inactive descriptor: ignored
      sb::InputHardwareItem(1, "P3", 3)};  // link = count: outside, ignored
  spec.inputDescriptors.items = {sb::InputDescriptorItem(true, "Zero item", "Z", "z"),
                                 sb::InputDescriptorItem(true, "Druck vorne", "P", "bar"),
                                 sb::InputDescriptorItem(false, "Aus", "A", "a")};
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);
  struct Expect {
    const char *shortName, *name, *unit;
    std::uint8_t index;
  };
  auto check = [&](const std::uint8_t(&bytes)[4], const Expect(&want)[8]) {
    InputNames in;
    o.nav->DecodeInputs(bytes, in);
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(in.shortNames[i].View(), want[i].shortName) << i;
      EXPECT_EQ(in.names[i].View(), want[i].name) << i;
      EXPECT_EQ(in.units[i].View(), want[i].unit) << i;
      EXPECT_EQ(in.indices[i], want[i].index) << i;
    }
  };
  check({0x21, 0x43, 0x65, 0x87}, {{"TV", "Temperatur",
                                    "\xB0"
                                    "C",
                                    1},
                                   {"U1", "Spannung", "V", 2},
                                   {"U2", "Spannung", "V", 3},
                                   {"I1", "Strom", "mA", 4},
                                   {"XX", "Input", "", 5},
                                   {"P", "Druck vorne", "bar", 6},
                                   {"P2", "Temperatur",
                                    "\xB0"
                                    "C",
                                    7},
                                   {"P3", "Temperatur",
                                    "\xB0"
                                    "C",
                                    8}});
  check({0x90, 0x0F, 0x00, 0x00}, {{"?", "?", "?", 0},
                                   {"??", "??", "??", 0},
                                   {"??", "??", "??", 0},
                                   {"?", "?", "?", 0},
                                   {"?", "?", "?", 0},
                                   {"?", "?", "?", 0},
                                   {"?", "?", "?", 0},
                                   {"?", "?", "?", 0}});
}

TEST(VXAblageTest, OldFirmwareGetsDefaultAssignments) {
  StreamSpec spec;
  spec.version = 0x0F03;  // V 3.15
  spec.series[0].channels[0].inputs = {0x00, 0x00, 0x00, 0x00};
  Opened o(spec);
  ASSERT_EQ(o.parsed.status, 0);
  TSeriesDescription d;
  o.nav->GetSeriesDescription(1, d);
  const auto* assign = d.channels[0].head.InputAssignments();
  EXPECT_EQ(assign[0], 0x21);
  EXPECT_EQ(assign[3], 0x87);
  EXPECT_EQ(d.channels[0].inputs.shortNames[0].View(), "T1");
  EXPECT_EQ(d.channels[0].inputs.shortNames[1].View(), "T2");
  EXPECT_EQ(d.channels[0].inputs.indices[1], 2);
  EXPECT_EQ(d.channels[0].inputs.shortNames[2].View(), "??");  // beyond the two defaults

  spec.version = kVersion316;
  Opened newer(spec);
  newer.nav->GetSeriesDescription(1, d);
  EXPECT_EQ(d.channels[0].head.InputAssignments()[0], 0x00);
  EXPECT_EQ(d.channels[0].inputs.shortNames[0].View(), "?");
}

TEST(VXAblageTest, ChannelCountIsCappedAtEight) {
  StreamSpec spec;
  spec.series[0].channels.resize(9);
  for (std::size_t k = 0; k < 9; ++k)
    spec.series[0].channels[k].number = static_cast<std::uint8_t>(k);
  spec.series[0].channels[7].parameters.Factor(8.0).Quantity(1);
  Opened o(spec);
  TSeriesDescription d;
  o.nav->GetSeriesDescription(1, d);
  EXPECT_EQ(d.channelCount, 8);
  EXPECT_EQ(d.channels[7].head.ChannelNumber(), 7);
  // The ninth head is not read.
  EXPECT_EQ(R(d.channels[7].scaledFactor), 8.0L);
  EXPECT_EQ(d.damaged, 0);
}

// --- Bounds safety -----------------------------------------------------------

TEST(VXAblageTest, RecordsLeavingTheStreamEndTheSeriesAsDamaged) {
  FlaggedRecord r;
  r.velocity = 5;
  r.positiveTotal = 1.0;
  r.extensions = {ExtensionBlock::Words({1, 2}), ExtensionBlock::Triples({{{0, 0, 0}}})};
  const sb::BuiltStream full = sb::Build(WithRecords({r, r, r}));
  const auto& lay = full.series[0];
  // Every cut inside the third record leaves two whole records, except the
  // cut right after its word block: a chain ends where the stream ends.
  const std::size_t chainEnd = lay.recordOffsets[2] + 1 + 2 + 6 + 1 + 4;
  for (std::size_t cut = lay.recordOffsets[2]; cut < lay.recordsEnd; ++cut) {
    Opened o(sb::BuiltStream{sb::Truncated(full.bytes, cut), full.tableSectionEnd, full.series,
                             full.dataLinear});
    ASSERT_TRUE(o.parsed.Usable());
    TSeriesDescription d;
    o.nav->GetSeriesDescription(1, d);
    const int whole = cut == chainEnd ? 3 : 2;
    EXPECT_EQ(d.damaged, cut == chainEnd ? 0 : 1) << cut;
    EXPECT_EQ(d.wholeRecords, whole) << cut;
    EXPECT_EQ(ReadAll(*o.nav, 1).size(), static_cast<std::size_t>(whole)) << cut;
    EXPECT_EQ(o.nav->SeriesDamaged(), cut != chainEnd);
  }

  // 2-byte records: a count beyond the stored records.
  StreamSpec shortSpec;
  shortSpec.series[0].kind = 1;
  shortSpec.series[0].shortRecords = {1, 2, 3};
  shortSpec.series[0].recordCount = 1000;
  Opened s(shortSpec);
  TSeriesDescription d;
  s.nav->GetSeriesDescription(1, d);
  EXPECT_EQ(d.damaged, 1);
  EXPECT_EQ(d.wholeRecords, 3);
  EXPECT_EQ(ReadAll(*s.nav, 1).size(), 3u);
}

TEST(VXAblageTest, BlockAndParameterAddressesOutsideTheStream) {
  StreamSpec spec;
  spec.series.push_back(sb::SeriesSpec{});
  spec.series.push_back(sb::SeriesSpec{});
  spec.series.push_back(sb::SeriesSpec{});
  spec.series[0].blockAddress = 0xFFFF0000;  // beyond the end
  spec.series[1].blockAddress = 0x00000000;  // before the data area
  spec.series[2].channels[0].parameterAddress = 0x7FFF0000;
  spec.series[3].firstRecordAddress = 0xFFFFFFFF;
  for (auto& s : spec.series) s.records = {FlaggedRecord{}};
  Opened o(spec);
  ASSERT_TRUE(o.parsed.Usable());
  TSeriesDescription d;
  for (int n = 1; n <= 2; ++n) {
    o.nav->GetSeriesDescription(n, d);
    EXPECT_EQ(d.damaged, 1) << n;
    EXPECT_EQ(d.channelCount, 0) << n;
    // Its records still carry a parameter set (all zeros) for consumers.
    o.nav->SelectSeries(n);
    TValueRecord rec;
    ASSERT_TRUE(o.nav->NextRecord(rec)) << n;
    o.nav->AttachChannel(rec);
    ASSERT_NE(rec.channelPart.parameterSet, nullptr) << n;
    EXPECT_EQ(rec.channelPart.parameterSet->raw, (std::array<std::uint8_t, 202>{})) << n;
  }
  o.nav->GetSeriesDescription(3, d);
  EXPECT_EQ(d.damaged, 1);
  EXPECT_EQ(d.channelCount, 1);
  EXPECT_EQ(d.channels[0].parameterSet.raw, (std::array<std::uint8_t, 202>{}));
  o.nav->GetSeriesDescription(4, d);
  EXPECT_EQ(d.damaged, 1);
  EXPECT_EQ(d.wholeRecords, 0);
  EXPECT_TRUE(ReadAll(*o.nav, 4).empty());

  // A block at the end of the stream claiming 3 heads with room for one.
  StreamSpec cutSpec;
  const sb::BuiltStream plain = sb::Build(cutSpec);
  const std::size_t at = plain.bytes.size() - 1 - kChannelHeadSize;
  cutSpec.series[0].blockAddress = plain.FarOf(at);
  sb::ByteVec block(1 + kChannelHeadSize, 0);
  block[0] = 3;
  sb::PutU32At(block.data(), 1 + 1, plain.series[0].parameterFars[0]);
  cutSpec.patches = {{at, block}};
  Opened cut(cutSpec);
  cut.nav->GetSeriesDescription(1, d);
  EXPECT_EQ(d.damaged, 1);
  EXPECT_EQ(d.channelCount, 1);
  EXPECT_EQ(d.channels[0].parameterSet.OuterDiameter(), 100);
}

}  // namespace
}  // namespace gd
