// Pins the builder's bytes to layouts written out by hand, so that tests built
// on it rest on the stored format and not on the builder's own idea of it.
#include "support/StreamBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gd::sb {
namespace {

ByteVec Slice(const ByteVec& b, std::size_t at, std::size_t n) {
  return ByteVec(b.begin() + static_cast<std::ptrdiff_t>(at),
                 b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

// The smallest stream: no name lists, V 3.15 (no version-gated table), one
// series with one channel. Table section = 31-byte entry + two 4-byte heads.
StreamSpec MinimalSpec() {
  StreamSpec spec;
  spec.version = kV315;
  spec.materials.clear();
  spec.media.clear();
  spec.sensorNames.clear();
  spec.quantityNames.clear();
  return spec;
}

TEST(StreamEncodingTest, Real48MatchesTheStoredLayout) {
  EXPECT_EQ(EncodeReal48(0.0), (Real48Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(EncodeReal48(1.0), (Real48Bytes{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(EncodeReal48(-1.0), (Real48Bytes{0x81, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(EncodeReal48(0.5), (Real48Bytes{0x80, 0, 0, 0, 0, 0}));
  EXPECT_EQ(EncodeReal48(2.5), (Real48Bytes{0x82, 0, 0, 0, 0, 0x20}));  // 1.25 * 2^1
  EXPECT_EQ(EncodeReal48(-3.0), (Real48Bytes{0x82, 0, 0, 0, 0, 0xC0}));
  // Smallest step above 1: fraction 1 in the lowest byte.
  EXPECT_EQ(EncodeReal48(1.0 + std::ldexp(1.0, -39)), (Real48Bytes{0x81, 1, 0, 0, 0, 0}));
  // Rounding that carries into the exponent.
  EXPECT_EQ(EncodeReal48(2.0 - std::ldexp(1.0, -45)), (Real48Bytes{0x82, 0, 0, 0, 0, 0}));
  EXPECT_THROW(EncodeReal48(std::nan("")), std::invalid_argument);
  EXPECT_THROW(EncodeReal48(std::ldexp(1.0, 200)), std::invalid_argument);
}

TEST(StreamEncodingTest, FarAddressesTimestampsAndVersions) {
  EXPECT_EQ(FarFromLinear(0x12345, FarStyle::kNormalized), MakeFar(0x1234, 0x0005));
  EXPECT_EQ(FarFromLinear(0x12345, FarStyle::kLargeOffset), MakeFar(0x0235, 0xFFF5));
  EXPECT_EQ(FarFromLinear(0x0800, FarStyle::kLargeOffset), MakeFar(0, 0x0800));
  EXPECT_EQ(FarLinear(MakeFar(0xFFFF, 0xFFFF)), 0x10FFEFu);
  EXPECT_THROW(FarFromLinear(0x10FFF0, FarStyle::kNormalized), std::invalid_argument);

  EXPECT_EQ(PackTimestamp(2004, 3, 1, 12, 34, 56), 0x2CF80B22u);
  EXPECT_EQ(PackTimestamp(2004, 3, 1, 12, 34, 56, true), 0x6CF80B22u);
  EXPECT_EQ(PackTimestamp(1993, 1, 31, 23, 59, 59), 0x007BFDFBu);

  EXPECT_EQ(VersionWord(3, 16), 0x1003);
  EXPECT_TRUE(VersionAtLeast(kV500, kV360));  // major first
  EXPECT_FALSE(VersionAtLeast(kV315, kV316));
  EXPECT_TRUE(VersionAtLeast(kV316, kV316));
}

TEST(StreamBuilderTest, MinimalStreamByteByByte) {
  StreamSpec spec = MinimalSpec();
  spec.series[0].records = {FlaggedRecord{}};
  const BuiltStream b = Build(spec);
  const ByteVec& s = b.bytes;
  // 160 prolog + 31 entry + 2 coefficient heads; then block (1 + 64),
  // parameter set (202), one record of one byte.
  ASSERT_EQ(b.tableSectionEnd, 199u);
  ASSERT_EQ(s.size(), 199u + 65 + 202 + 1);

  EXPECT_EQ(std::string(s.begin(), s.begin() + 32), "\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n");
  EXPECT_EQ(Slice(s, 60, 2), (ByteVec{0x03, 0x0F}));         // V 3.15 = word 0x0F03
  EXPECT_EQ(Slice(s, 64, 2), (ByteVec{0xA0, 0x00}));         // prolog size 160
  EXPECT_EQ(Slice(s, 66, 4), (ByteVec{0x01, 0x00, 31, 0}));  // one set, RCA 31
  EXPECT_EQ(Slice(s, 70, 4), (ByteVec{0x0C, 0x01, 0, 0}));   // data area 268
  EXPECT_EQ(Slice(s, 90, 6), (ByteVec{0, 0, 0, 0, 8, 0}));   // counts, string size 8
  EXPECT_EQ(Slice(s, 96, 4), (ByteVec{0xD3, 0x01, 0, 0}));   // stream size 467
  EXPECT_EQ(Slice(s, 100, 4), (ByteVec{0, 0, 0x00, 0x10}));  // 1000:0000
  EXPECT_EQ(s[122], 2);  // input hardware count is written, the table is not (V 3.15)

  // Directory entry.
  EXPECT_EQ(s[160], 0);
  EXPECT_EQ(Slice(s, 161, 4), (ByteVec{0x00, 0x00, 0x00, 0x10}));  // block at 1000:0000
  EXPECT_EQ(Slice(s, 165, 4), (ByteVec{0x0B, 0x00, 0x10, 0x10}));  // records at 1010:000B
  EXPECT_EQ(Slice(s, 169, 4), (ByteVec{1, 0, 0, 0}));
  EXPECT_EQ(Slice(s, 173, 9), (ByteVec{0xD5, 0x07, 6, 15, 3, 0xA0, 0x8C, 0x00, 0x00}));
  EXPECT_EQ(Slice(s, 182, 9), (ByteVec{6, 'S', 'E', 'R', 'I', 'E', 'S', 0, 0}));
  // Coefficient table heads: item size 62, tag.
  EXPECT_EQ(Slice(s, 191, 8), (ByteVec{62, 0, 0x4F, 0x52, 62, 0, 0x53, 0x55}));

  // Series block and channel head.
  EXPECT_EQ(s[199], 1);
  const std::size_t h = 200;
  EXPECT_EQ(s[h + 0], 0);
  EXPECT_EQ(Slice(s, h + 1, 4), (ByteVec{0x01, 0x00, 0x04, 0x10}));  // 1004:0001 = 0x10041
  EXPECT_EQ(Slice(s, h + 5, 3), (ByteVec{2, 'M', 'P'}));
  EXPECT_EQ(Slice(s, h + 34, 4), (ByteVec{1, 0, 0, 0}));
  EXPECT_EQ(Slice(s, h + 56, 4), (ByteVec{0x21, 0x43, 0x65, 0x87}));

  // Parameter set defaults at their offsets.
  const std::size_t p = 264;
  EXPECT_EQ(Slice(s, p + 26, 4), (ByteVec{100, 0, 2, 0}));
  EXPECT_EQ(Slice(s, p + 85, 6), (ByteVec{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Slice(s, p + 91, 5), (ByteVec{4, 'm', '3', '/', 'h'}));
  EXPECT_EQ(Slice(s, p + 118, 2), (ByteVec{10, 0}));
  EXPECT_EQ(s[466], 0x00);  // record with flag byte 0
}

TEST(StreamBuilderTest, TableSectionFollowsTheVersionGates) {
  auto stringSize = [](std::uint16_t version) {
    StreamSpec spec = MinimalSpec();
    spec.version = version;
    const ByteVec s = BuildStream(spec);
    return s[94] | (s[95] << 8);
  };
  EXPECT_EQ(stringSize(kV315), 8);
  EXPECT_EQ(stringSize(kV316), 8 + 4 + 2 * 12);  // input hardware with its two items
  EXPECT_EQ(stringSize(kV322), 8 + 28 + 4);
  EXPECT_EQ(stringSize(kV351), 8 + 28 + 4 + 8);
  EXPECT_EQ(stringSize(VersionWord(3, 60)), 48);
  EXPECT_EQ(stringSize(kV500), 48 + 8);  // 0x0005 is newer than every 3.xx

  StreamSpec spec = MinimalSpec();
  spec.materials = {{"Stahl", 0x0102, 0x0053}};
  spec.sensorNames = {"AB"};
  spec.perChannelPresent = true;
  spec.highestChannel = 2;
  const BuiltStream b = Build(spec);
  EXPECT_EQ(Slice(b.bytes, 191, 10), (ByteVec{5, 'S', 't', 'a', 'h', 'l', 0x02, 0x01, 0x53, 0}));
  EXPECT_EQ(Slice(b.bytes, 201, 5), (ByteVec{2, 'A', 'B', 0x00, 0x01}));  // name, then its word
  EXPECT_EQ(b.bytes[141], 1);
  EXPECT_EQ(b.tableSectionEnd, 160u + 31 + 10 + 5 + 8 + 3 * 90);
}

TEST(StreamBuilderTest, DeviceTableItemsAndParameterFields) {
  EXPECT_EQ(InputLinkItem({1, 2, 0, 15, 3, 9, 0, 0}), (ByteVec{0x21, 0xF0, 0x93, 0x00}));
  EXPECT_EQ(InputHardwareItem(2, "U1", 3), (ByteVec{1, 2, 0, 3, 0, 0, 0, 2, 'U', '1', 0, 0}));
  const ByteVec d = InputDescriptorItem(true, "Druck", "P", "bar");
  ASSERT_EQ(d.size(), 37u);
  EXPECT_EQ(Slice(d, 0, 7), (ByteVec{1, 5, 'D', 'r', 'u', 'c', 'k'}));
  EXPECT_EQ(Slice(d, 18, 7), (ByteVec{1, 'P', 0, 3, 'b', 'a', 'r'}));
  EXPECT_EQ(Slice(d, 30, 7), (ByteVec{0x81, 0, 0, 0, 0, 0, 1}));
  const ByteVec c = CoefficientItem(0x0105, {1, 0, 0, 0, 0, 0, 0, 0, 0, -0.5});
  ASSERT_EQ(c.size(), 62u);
  EXPECT_EQ(Slice(c, 0, 8), (ByteVec{0x05, 0x01, 0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Slice(c, 56, 6), (ByteVec{0x80, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(ExtendedItem(7, 0xEE).size(), 96u);
  EXPECT_THROW(InputHardwareItem(1, "TOOLONG"), std::invalid_argument);

  ParameterSet p;
  p.CoefficientKey(-2).Quantity(2).Density(1000.0).Raw(200, {0xAB, 0xCD});
  EXPECT_EQ(Slice(ByteVec(p.bytes.begin(), p.bytes.end()), 33, 2), (ByteVec{0xFE, 0xFF}));
  EXPECT_EQ(p.bytes[81], 2);
  EXPECT_EQ(Slice(ByteVec(p.bytes.begin(), p.bytes.end()), 51, 6),
            (ByteVec{0x8A, 0, 0, 0, 0, 0x7A}));  // 1000 = 1.953125 * 2^9
  EXPECT_EQ(p.bytes[201], 0xCD);
  EXPECT_THROW(p.Raw(201, {1, 2}), std::out_of_range);
}

TEST(StreamBuilderTest, FlaggedRecordsAndExtensionChains) {
  FlaggedRecord all;
  all.velocity = -2;
  all.timestamp = 0x01020304;
  all.positiveTotal = 1.0;
  all.negativeTotal = -1.0;
  all.channel = 2;
  all.temperatures = {{-10, 250}};
  all.measured = 0.5;
  all.extensions = {ExtensionBlock::Words({0x1ABC})};
  const ByteVec r = EncodeFlaggedRecord(all);
  EXPECT_EQ(r, (ByteVec{0xFF, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x81, 0,    0,    0,
                        0,    0,    0x81, 0,    0,    0,    0,    0x80, 0x02, 0xF6, 0xFF,
                        0xFA, 0x00, 0x80, 0,    0,    0,    0,    0,    0x10, 0xBC, 0x1A}));
  EXPECT_EQ(r.size(), 1u + 30 + 2);  // the 30 field bytes include the descriptor

  FlaggedRecord chain;
  chain.extensions = {ExtensionBlock::Words(
                          {ExtensionBlock::SlotWord(0, 0x123), ExtensionBlock::SlotWord(1, 0x045)}),
                      ExtensionBlock::Triples({{0x21, 0x22, 0x23}})};
  EXPECT_EQ(EncodeFlaggedRecord(chain),
            (ByteVec{0x80, 0x91, 0x23, 0x01, 0x45, 0x10, 0x20, 0x21, 0x22, 0x23}));

  FlaggedRecord reals;
  reals.extensions = {ExtensionBlock::Reals({1.0, -1.0, 0.5})};
  reals.extensions[0].descriptor = 0xB2;  // continuation bit with nothing after it
  EXPECT_EQ(EncodeFlaggedRecord(reals).size(), 1u + 1 + 18);
  EXPECT_EQ(EncodeFlaggedRecord(reals)[1], 0xB2);

  FlaggedRecord tooMany;
  tooMany.extensions = {ExtensionBlock::Words(std::vector<std::uint16_t>(9, 0))};
  EXPECT_THROW(EncodeFlaggedRecord(tooMany), std::invalid_argument);
}

TEST(StreamBuilderTest, LayoutReportAndBrokenStreams) {
  StreamSpec spec = MinimalSpec();
  spec.farStyle = FarStyle::kLargeOffset;
  spec.series[0].kind = 1;
  spec.series[0].shortRecords = {0x1234, 0xFFFF};
  SeriesSpec second;
  second.channels.resize(2);
  second.channels[1].number = 1;
  second.records.resize(3);
  second.records[1].channel = 2;
  spec.series.push_back(second);
  const BuiltStream b = Build(spec);
  const ByteVec& s = b.bytes;
  ASSERT_EQ(b.series.size(), 2u);
  const SeriesLayout& l0 = b.series[0];
  EXPECT_EQ(Slice(s, l0.firstRecordOffset, 4), (ByteVec{0x34, 0x12, 0xFF, 0xFF}));
  const SeriesLayout& l1 = b.series[1];
  EXPECT_EQ(l1.blockOffset, l0.recordsEnd);
  // Large-offset spelling: segment (linear - 0xFFFF + 15) / 16.
  const std::uint32_t linear =
      0x10000 + static_cast<std::uint32_t>(l1.blockOffset - b.tableSectionEnd);
  EXPECT_EQ(FarLinear(l1.blockFar), linear);
  EXPECT_GE(l1.blockFar & 0xFFFF, 0xFFF0u);
  EXPECT_EQ(s[l1.blockOffset], 2);
  // Value counts per channel: records without or with channel 1 go to the first.
  EXPECT_EQ(s[l1.blockOffset + 1 + 34], 2);
  EXPECT_EQ(s[l1.blockOffset + 1 + 64 + 34], 1);
  EXPECT_EQ(l1.recordOffsets,
            (std::vector<std::size_t>{l1.firstRecordOffset, l1.firstRecordOffset + 1,
                                      l1.firstRecordOffset + 3}));

  StreamSpec broken = MinimalSpec();
  broken.identification[27] = '5';
  broken.measuringSets = 500;
  broken.series[0].recordCount = 1000000;
  broken.series[0].channelCountByte = 9;
  broken.series[0].blockAddress = MakeFar(0xF000, 0);
  broken.patches = {{48, {0xAA, 0xBB}}};
  const ByteVec bs = BuildStream(broken);
  EXPECT_EQ(bs[27], '5');
  EXPECT_EQ(Slice(bs, 66, 2), (ByteVec{0xF4, 0x01}));
  EXPECT_EQ(Slice(bs, 161, 4), (ByteVec{0, 0, 0, 0xF0}));
  EXPECT_EQ(Slice(bs, 169, 4), (ByteVec{0x40, 0x42, 0x0F, 0}));
  EXPECT_EQ(bs[199], 9);
  EXPECT_EQ(Slice(bs, 48, 2), (ByteVec{0xAA, 0xBB}));
  EXPECT_EQ(Truncated(bs, 33).size(), 33u);
  EXPECT_THROW(Truncated(bs, bs.size() + 1), std::invalid_argument);
}

}  // namespace
}  // namespace gd::sb
