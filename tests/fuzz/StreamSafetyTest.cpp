// Bounds safety of the parse and the navigator: every prefix of a valid
// stream, far addresses outside the stream, and counts too large for it.
#include <gtest/gtest.h>

#include "core/StreamParser.h"
#include "core/VXAblage.h"
#include "fuzz/CorpusStreams.h"

namespace gd::fuzz {
namespace {

using sb::ByteVec;

struct Walk {
  std::uint16_t status = 0;
  bool usable = false;
  std::vector<long> delivered;  // per series
  std::vector<bool> damaged;
  std::vector<int> channels;
};

Walk WalkStream(const ByteVec& bytes) {
  Walk w;
  const ByteView stream(bytes.data(), bytes.size());
  const ParsedStream parsed = ParseStream(stream);
  w.status = parsed.status;
  w.usable = parsed.Usable();
  if (!w.usable) return w;
  TVXAblage nav(stream, parsed);
  for (int n = 1; n <= nav.SeriesCount(); ++n) {
    TSeriesDescription d;
    nav.GetSeriesDescription(n, d);
    TValueRecord rec;
    long count = 0;
    while (nav.NextRecord(rec)) {
      if (!nav.IsShortRecordSeries()) nav.AttachChannel(rec);
      ++count;
    }
    w.delivered.push_back(count);
    w.damaged.push_back(d.damaged != 0 || nav.SeriesDamaged());
    w.channels.push_back(d.channelCount);
  }
  return w;
}

// Stream offsets inside a flagged record's extension chain after which a cut
// leaves a whole (shorter) record: after a block whose descriptor asks for a
// further one, the record ends when the stream does.
std::vector<std::size_t> ChainCuts(const sb::FlaggedRecord& r, std::size_t start) {
  std::vector<std::size_t> cuts;
  static constexpr std::size_t kSizes[8] = {2, 4, 6, 6, 1, 4, 6, 1};
  std::size_t pos = start + 1;
  const std::uint8_t f = r.Flags();
  for (int b = 0; b < 8; ++b) {
    if (f & (1u << b)) pos += kSizes[b];
  }
  pos -= 1;  // back to the first descriptor
  for (std::size_t i = 0; i + 1 < r.extensions.size(); ++i) {
    const sb::ExtensionBlock& e = r.extensions[i];
    pos += 1 + 2 * e.words.size() + 3 * e.triples.size() + 6 * e.reals.size();
    cuts.push_back(pos);
  }
  return cuts;
}

// Every prefix either fails to open or opens with exactly the records that
// are whole in it, the cut series reported as damaged.
void SweepPrefixes(const sb::StreamSpec& spec) {
  const sb::BuiltStream built = sb::Build(spec);
  const ByteVec& full = built.bytes;
  for (std::size_t len = 0; len <= full.size(); ++len) {
    SCOPED_TRACE(testing::Message() << "prefix of " << len << " bytes");
    const Walk w = WalkStream(sb::Truncated(full, len));
    if (len < built.tableSectionEnd) {
      ASSERT_FALSE(w.usable);
      ASSERT_NE(w.status & (len == 0   ? kStreamNoStream
                            : len < 32 ? kStreamBadIdentification
                                       : kStreamOutOfBounds),
                0);
      continue;
    }
    ASSERT_TRUE(w.usable);
    ASSERT_EQ(w.delivered.size(), spec.series.size());
    for (std::size_t si = 0; si < spec.series.size(); ++si) {
      const sb::SeriesSpec& ser = spec.series[si];
      const sb::SeriesLayout& lay = built.series[si];
      long whole = 0;
      for (std::size_t i = 0; i < lay.recordOffsets.size(); ++i) {
        const std::size_t end =
            i + 1 < lay.recordOffsets.size() ? lay.recordOffsets[i + 1] : lay.recordsEnd;
        bool ok = end <= len;
        if (!ok && !ser.TwoByte()) {
          for (std::size_t cut : ChainCuts(ser.records[i], lay.recordOffsets[i])) ok |= cut == len;
        }
        if (!ok) break;
        ++whole;
      }
      bool headsCut = lay.blockOffset + 1 + ser.channels.size() * sb::kChannelHeadSize > len;
      for (std::size_t off : lay.parameterOffsets) headsCut |= off + sb::kParameterSetSize > len;
      const bool recordsCut = whole < static_cast<long>(lay.recordOffsets.size());
      ASSERT_EQ(w.delivered[si], whole) << "series " << si + 1;
      ASSERT_EQ(w.damaged[si], headsCut || recordsCut) << "series " << si + 1;
    }
  }
}

TEST(StreamSafetyTest, EveryPrefixOpensOrFailsCleanly) {
  for (const CorpusStream& c : CorpusStreams()) {
    if (c.name == "large_small.sdx") continue;  // same shapes, only longer
    SCOPED_TRACE(c.name);
    SweepPrefixes(c.spec);
  }
}

TEST(StreamSafetyTest, FarAddressesOutsideTheStream) {
  sb::StreamSpec spec;
  spec.series[0].records = VariedRecords(5, 1);
  spec.series.push_back(spec.series[0]);
  spec.series.push_back(spec.series[0]);
  spec.series.push_back(spec.series[0]);
  spec.series[0].blockAddress = sb::MakeFar(0xF000, 0x0000);        // past the end
  spec.series[1].firstRecordAddress = sb::MakeFar(0x0000, 0x0010);  // before the data area
  spec.series[2].channels[0].parameterAddress = sb::MakeFar(0xFFFF, 0xFFFF);
  spec.series[3].firstRecordAddress = sb::MakeFar(0xFFFF, 0xFFFF);
  const Walk w = WalkStream(sb::BuildStream(spec));
  ASSERT_TRUE(w.usable);
  ASSERT_EQ(w.delivered.size(), 4u);
  // No series block: no channels, but the records are where the entry says.
  EXPECT_TRUE(w.damaged[0]);
  EXPECT_EQ(w.channels[0], 0);
  EXPECT_EQ(w.delivered[0], 5);
  // Records outside the stream: none delivered.
  EXPECT_TRUE(w.damaged[1]);
  EXPECT_EQ(w.delivered[1], 0);
  EXPECT_TRUE(w.damaged[3]);
  EXPECT_EQ(w.delivered[3], 0);
  // A parameter set outside the stream: the channel stays, its set is empty.
  EXPECT_TRUE(w.damaged[2]);
  EXPECT_EQ(w.channels[2], 1);
  EXPECT_EQ(w.delivered[2], 5);
}

TEST(StreamSafetyTest, CountsTooLargeForTheStream) {
  sb::StreamSpec spec;
  spec.series[0].records = VariedRecords(6, 1);

  sb::StreamSpec records = spec;
  records.series[0].recordCount = 0x7FFFFFFF;
  Walk w = WalkStream(sb::BuildStream(records));
  ASSERT_TRUE(w.usable);
  EXPECT_EQ(w.delivered[0], 6);
  EXPECT_TRUE(w.damaged[0]);

  sb::StreamSpec negative = spec;
  negative.series[0].recordCount = -5;
  w = WalkStream(sb::BuildStream(negative));
  ASSERT_TRUE(w.usable);
  EXPECT_EQ(w.delivered[0], 0);

  sb::StreamSpec channels = spec;  // a count byte above 8 reads 8 heads
  channels.series[0].channels.resize(8);
  channels.series[0].channelCountByte = 200;
  w = WalkStream(sb::BuildStream(channels));
  ASSERT_TRUE(w.usable);
  EXPECT_EQ(w.channels[0], 8);
  EXPECT_FALSE(w.damaged[0]);

  auto statusWith = [&](auto change) {
    sb::StreamSpec s = spec;
    change(s);
    return ParseStream(ByteView(sb::BuildStream(s))).status;
  };
  // Directory larger than the stream, and beyond the 16-bit directory size.
  EXPECT_NE(statusWith([](sb::StreamSpec& s) { s.measuringSets = 300; }) & kStreamOutOfBounds, 0);
  EXPECT_NE(statusWith([](sb::StreamSpec& s) { s.measuringSets = 2115; }) & kStreamOutOfBounds, 0);
  // A device table count whose items cannot be in the stream.
  EXPECT_NE(statusWith([](sb::StreamSpec& s) {
              s.patches = {{112, {255}}};
            }) & kStreamOutOfBounds,
            0);
  // A table section the prolog says ends past the stream.
  EXPECT_NE(statusWith([](sb::StreamSpec& s) { s.stringSize = 60000; }) & kStreamOutOfBounds, 0);
  // A name list count running past the end of the stream.
  EXPECT_FALSE(StreamUsable(statusWith([](sb::StreamSpec& s) {
    s.series.clear();
    s.patches = {{92, {255}}, {93, {255}}};
  })));
}

}  // namespace
}  // namespace gd::fuzz
