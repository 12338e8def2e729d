#include "core/StreamParser.h"

#include <gtest/gtest.h>

#include "core/Version.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::StreamSpec;

ParsedStream Parse(const sb::ByteVec& bytes) { return ParseStream(ByteView(bytes)); }
ParsedStream Parse(const StreamSpec& spec) { return Parse(sb::BuildStream(spec)); }

TEST(VersionTest, ComparesMajorFirstAndPrintsTwoDigitMinor) {
  EXPECT_EQ(CompareVersion(0x1003, 0x1003), 1);
  EXPECT_EQ(CompareVersion(0x1003, 0x0F03), 0);
  EXPECT_EQ(CompareVersion(0x1003, 0x1103), 2);
  EXPECT_EQ(CompareVersion(kVersion360, kVersion500), 2);  // V 5.00 is newer than V 3.60
  EXPECT_EQ(CompareVersion(kVersion500, kVersion360), 0);
  EXPECT_EQ(CompareVersion(0x0004, 0x6304), 2);  // V 4.99 vs V 4.00
  EXPECT_EQ(VersionText(0x1003), "V 3.16");
  EXPECT_EQ(VersionText(0x0005), "V 5.00");
  EXPECT_EQ(VersionText(0x0103), "V 3.01");
}

TEST(StreamParserTest, ValidStreamYieldsProlog_ListsAndDataStart) {
  StreamSpec spec;
  spec.materials = {{"Stahl", 1, 'S'},
                    {"Gu\x94"
                     "eisen",
                     7, static_cast<std::uint16_t>('R' | 0x0300)}};
  spec.media = {{"Wasser", 10001, 'W'}};
  spec.sensorNames = {"K1N", "Gr\x81n"};
  spec.quantityNames = {"Volumenstrom", "Me\xE1wert"};
  spec.sensorWords = {0x1234, 0xABCD};
  const sb::BuiltStream built = sb::Build(spec);
  const ParsedStream p = Parse(built.bytes);

  EXPECT_EQ(p.status, 0);
  EXPECT_TRUE(p.Usable());
  EXPECT_EQ(p.Version(), spec.version);
  EXPECT_EQ(p.prolog.Language(), "GER");
  EXPECT_EQ(p.dataStart, built.tableSectionEnd);
  ASSERT_EQ(p.directory.size(), 1u);
  EXPECT_EQ(p.directory[0].Name(), "SERIES");

  ASSERT_EQ(p.materials.Count(), 2u);
  EXPECT_EQ(p.materials[1].name,
            "Gu\xF6"
            "eisen");  // converted from the DOS code page
  EXPECT_EQ(p.materials[1].code, 7);
  EXPECT_EQ(p.materials[1].kind, 'R');
  EXPECT_EQ(p.materials[1].extra, 3);
  ASSERT_EQ(p.media.Count(), 1u);
  EXPECT_EQ(p.media[0].code, 10001);
  ASSERT_EQ(p.sensorNames.Count(), 2u);
  EXPECT_EQ(p.sensorNames[1], "Gr\xFCn");
  ASSERT_EQ(p.quantityNames.Count(), 2u);
  EXPECT_EQ(p.quantityNames[1], "Me\xDFwert");
  EXPECT_EQ(p.sensorWords, (std::vector<std::uint16_t>{0x1234, 0xABCD}));
}

TEST(StreamParserTest, StatusFlags) {
  EXPECT_EQ(ParseStream(ByteView()).status, kStreamNoStream);

  // Any byte of the identification differing rejects the stream.
  const sb::ByteVec good = sb::BuildStream(StreamSpec{});
  for (std::size_t i = 0; i < kIdentificationSize; ++i) {
    sb::ByteVec bad = good;
    bad[i] ^= 0x01;
    EXPECT_EQ(Parse(bad).status, kStreamBadIdentification) << "byte " << i;
  }
  EXPECT_EQ(Parse(sb::Truncated(good, 20)).status, kStreamBadIdentification);

  StreamSpec empty;
  empty.series.clear();
  const ParsedStream e = Parse(empty);
  EXPECT_EQ(e.status, kStreamEmptyDirectory);
  EXPECT_TRUE(e.Usable());
  EXPECT_TRUE(e.directory.empty());

  // The table section ends before the prolog's offset (3 bytes the reader
  // does not know) or after it (the prolog says 3 bytes less): flag 0x0100,
  // and the data area starts where the prolog says.
  StreamSpec early;
  early.tableSectionTail = {1, 2, 3};
  const sb::BuiltStream eBuilt = sb::Build(early);
  const ParsedStream e1 = Parse(eBuilt.bytes);
  EXPECT_EQ(e1.status, kStreamTableSectionMoved);
  EXPECT_TRUE(e1.Usable());
  EXPECT_EQ(e1.dataStart, eBuilt.tableSectionEnd);

  StreamSpec late;
  const sb::BuiltStream plain = sb::Build(late);
  late.stringSize =
      static_cast<std::uint16_t>(plain.tableSectionEnd - kStreamPrologSize - kRcaEntrySize - 3);
  const ParsedStream l = Parse(late);
  EXPECT_EQ(l.status, kStreamTableSectionMoved);
  EXPECT_EQ(l.dataStart, plain.tableSectionEnd - 3);
  EXPECT_EQ(Parse(plain.bytes).status, 0);
}

TEST(StreamParserTest, StreamsLeavingTheBufferAreInvalid) {
  const sb::BuiltStream built = sb::Build(StreamSpec{});
  // Cut inside the prolog and inside the table section.
  EXPECT_EQ(Parse(sb::Truncated(built.bytes, 100)).status, kStreamOutOfBounds);
  for (std::size_t cut = kStreamPrologSize; cut < built.tableSectionEnd; ++cut) {
    const ParsedStream p = Parse(sb::Truncated(built.bytes, cut));
    EXPECT_TRUE(p.status & kStreamOutOfBounds) << "cut " << cut;
    EXPECT_FALSE(p.Usable());
  }
  // A data area that starts beyond the stream.
  StreamSpec far;
  far.stringSize = 0xFFF0;
  const ParsedStream f = Parse(far);
  EXPECT_TRUE(f.status & kStreamOutOfBounds);
  EXPECT_FALSE(f.Usable());
  // A directory count beyond the 16-bit directory size.
  StreamSpec big;
  big.measuringSets = 2115;
  EXPECT_EQ(Parse(big).status, kStreamOutOfBounds);
  // Counts that run past the end: 255 ROM coefficient items claimed, 0 stored.
  StreamSpec counts;
  counts.patches = {{TStreamProlog::kRomCoeffCount, {255}}};
  EXPECT_TRUE(Parse(counts).status & kStreamOutOfBounds);
}

TEST(StreamParserTest, DateRepair) {
  struct Case {
    std::uint16_t year;
    std::uint8_t month, day;
    bool valid;
  };
  const Case cases[] = {{1995, 2, 31, false}, {1989, 5, 5, false},  {97, 3, 4, true},
                        {1992, 2, 29, true},  {1993, 2, 29, false}, {2078, 12, 31, true},
                        {2079, 1, 1, false},  {2000, 4, 31, false}, {2000, 13, 1, false},
                        {2000, 1, 0, false},  {2000, 2, 29, true},  {1900, 2, 29, false}};
  StreamSpec spec;
  spec.series.clear();
  for (const Case& c : cases) {
    sb::SeriesSpec s;
    s.year = c.year;
    s.month = c.month;
    s.day = c.day;
    s.dateExtra = 7;
    spec.series.push_back(s);
  }
  const ParsedStream p = Parse(spec);
  ASSERT_EQ(p.status, 0);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const TRcaEntry& e = p.directory[i];
    if (cases[i].valid) {
      EXPECT_EQ(e.StartYear(), cases[i].year) << i;  // a two-digit year stays two-digit
      EXPECT_EQ(e.StartMonth(), cases[i].month) << i;
      EXPECT_EQ(e.StartDay(), cases[i].day) << i;
      EXPECT_EQ(e.DateSpare(), 7) << i;
    } else {
      EXPECT_EQ(e.StartYear(), 1990) << i;
      EXPECT_EQ(e.StartMonth(), 1) << i;
      EXPECT_EQ(e.StartDay(), 1) << i;
      EXPECT_EQ(e.DateSpare(), 0) << i;
    }
  }
}

// A spec whose gated tables all hold recognisable items.
StreamSpec GatedSpec(std::uint16_t version) {
  StreamSpec spec;
  spec.version = version;
  spec.inputHardware.items = {sb::InputHardwareItem(1, "TV"), sb::InputHardwareItem(2, "U1"),
                              sb::InputHardwareItem(4, "I1")};
  spec.inputDescriptors.items = {sb::InputDescriptorItem(true, "Druck", "P", "bar")};
  spec.extended.items = {sb::ExtendedItem(5, 0xEE)};
  spec.inputLinks.items = {sb::InputLinkItem({1, 2, 0, 15, 3, 9, 0, 0}),
                           sb::InputLinkItem({0, 0, 0, 0, 0, 0, 0, 1})};
  spec.outputHardware.items = {sb::ByteVec(32, 0x11)};
  spec.outputSetup.items = {sb::ByteVec(44, 0x22), sb::ByteVec(44, 0x33)};
  return spec;
}

TEST(StreamParserTest, VersionGatesAndDefaults) {
  // V 3.15: no input tables in the stream; defaults "T1", "T2" and "UNKNOWN_INPUT".
  const ParsedStream v315 = Parse(GatedSpec(0x0F03));
  ASSERT_EQ(v315.status, 0);
  ASSERT_EQ(v315.inputHardware.Count(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    ByteView item = v315.inputHardware.Item(i);
    EXPECT_EQ(item[0], 1);
    EXPECT_EQ(CountedField(&item[7], 4), i == 0 ? "T1" : "T2");
    for (std::size_t b = 1; b < 7; ++b) EXPECT_EQ(item[b], 0);
  }
  ASSERT_EQ(v315.inputDescriptors.Count(), 1u);
  ByteView d = v315.inputDescriptors.Item(0);
  EXPECT_EQ(d[0], 0);
  EXPECT_EQ(CountedField(&d[1], 16), "UNKNOWN_INPUT");
  EXPECT_EQ(CountedField(&d[18], 2), "X");
  EXPECT_EQ(CountedField(&d[21], 8), "------");
  EXPECT_EQ(Real48ToLongDouble(&d[30]), 1.0L);
  EXPECT_EQ(d[36], 1);
  EXPECT_EQ(v315.extended.Count(), 0u);
  EXPECT_TRUE(v315.inputLinkRecords.empty());
  EXPECT_EQ(v315.inputLinkCount, 0);

  // V 3.16: input hardware from the stream, descriptor still the default.
  const ParsedStream v316 = Parse(GatedSpec(kVersion316));
  ASSERT_EQ(v316.status, 0);
  ASSERT_EQ(v316.inputHardware.Count(), 3u);
  EXPECT_EQ(CountedField(&v316.inputHardware.Item(2)[7], 4), "I1");
  EXPECT_EQ(CountedField(&v316.inputDescriptors.Item(0)[1], 16), "UNKNOWN_INPUT");

  const ParsedStream v322 = Parse(GatedSpec(kVersion322));
  ASSERT_EQ(v322.status, 0);
  ASSERT_EQ(v322.inputDescriptors.Count(), 1u);
  EXPECT_EQ(CountedField(&v322.inputDescriptors.Item(0)[1], 16), "Druck");
  EXPECT_EQ(v322.extended.Count(), 0u);

  const ParsedStream v351 = Parse(GatedSpec(kVersion351));
  ASSERT_EQ(v351.status, 0);
  ASSERT_EQ(v351.extended.Count(), 1u);
  EXPECT_EQ(v351.extended.Item(0)[95], 0xEE);
  EXPECT_EQ(v351.inputLinks.Count(), 2u);
  EXPECT_EQ(v351.outputHardware.Count(), 0u);

  // V 5.00 is newer than V 3.60: everything is read.
  const ParsedStream v500 = Parse(GatedSpec(kVersion500));
  ASSERT_EQ(v500.status, 0);
  EXPECT_EQ(v500.extended.Count(), 1u);
  EXPECT_EQ(v500.inputLinks.Count(), 2u);
  ASSERT_EQ(v500.outputHardware.Count(), 1u);
  ASSERT_EQ(v500.outputSetup.Count(), 2u);
  EXPECT_EQ(v500.outputSetup.Item(1)[43], 0x33);
  EXPECT_EQ(v500.outputHardware.tag, 0x4F48);
  EXPECT_EQ(v500.outputHardware.itemSize, 32);
}

TEST(StreamParserTest, InputLinkNamesAndCount) {
  const ParsedStream p = Parse(GatedSpec(kVersion351));
  ASSERT_EQ(p.inputLinkRecords.size(), 2u);
  const auto& names = p.inputLinkRecords[0].names;
  const char* expected[8] = {"TV", "U1", "-", "FIX", "I1", "?9?", "-", "-"};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(names[i].View(), expected[i]) << i;
  for (std::size_t i = 8; i < 15; ++i) EXPECT_TRUE(names[i].Empty());
  EXPECT_EQ(p.inputLinkRecords[1].names[7].View(), "TV");
  EXPECT_EQ(p.inputLinkCount, 6);  // 5 + 1 non-zero nibbles
}

TEST(StreamParserTest, DeviceTablesReadFixedSizesWhateverTheHeadSays) {
  StreamSpec spec;
  spec.romCoefficients.itemSize = 99;  // head says 99, items are 62 bytes
  spec.romCoefficients.items = {sb::CoefficientItem(3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})};
  spec.perChannelPresent = true;
  spec.highestChannel = 3;
  spec.perChannel = {sb::ByteVec(90, 1), sb::ByteVec(90, 2), sb::ByteVec(90, 3),
                     sb::ByteVec(90, 4)};
  const ParsedStream p = Parse(spec);
  ASSERT_EQ(p.status, 0);
  EXPECT_EQ(p.romCoefficients.itemSize, 99);
  EXPECT_EQ(p.romCoefficients.tag, 0x524F);
  ASSERT_EQ(p.romCoefficients.Count(), 1u);
  EXPECT_EQ(Real48ToLongDouble(&p.romCoefficients.Item(0)[2 + 54]), 10.0L);
  ASSERT_EQ(p.channelTable.size(), 4u);
  EXPECT_EQ(p.channelTable[3][89], 4);
}

}  // namespace
}  // namespace gd
