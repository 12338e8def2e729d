#include "export/SaveSubset.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/MeasurementFile.h"
#include "core/ParsedStreamHandler.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"
#include "export/SaveTarget.h"
#include "export/SaveTestSupport.h"
#include "support/StreamBuilder.h"
#include "support/TestFolder.h"

namespace gd {
namespace {
namespace fs = std::filesystem;

constexpr CalendarTime kNow{2026, 3, 2, 14, 5, 9};

// The decoded record without the channel pointers, as bytes to compare.
Bytes RecordBytes(const TValueRecord& r) {
  Bytes b;
  PutU8(b, r.flags);
  PutU16(b, static_cast<std::uint16_t>(r.velocity));
  PutU32(b, r.timestamp);
  for (const Real48* x : {&r.positiveTotal, &r.negativeTotal, &r.measuredValue})
    b.insert(b.end(), x->begin(), x->end());
  PutU8(b, r.channel);
  PutU16(b, static_cast<std::uint16_t>(r.temperatures[0]));
  PutU16(b, static_cast<std::uint16_t>(r.temperatures[1]));
  PutU8(b, r.descriptor);
  for (std::uint16_t w : r.words) PutU16(b, w);
  PutU8(b, r.inputMask);
  for (const auto& t : r.inputs) b.insert(b.end(), t.begin(), t.end());
  PutU8(b, r.realMask);
  for (const auto& x : r.reals) b.insert(b.end(), x.begin(), x.end());
  const RecordChannel& c = r.channelPart;
  b.insert(b.end(), c.scaledFactor.begin(), c.scaledFactor.end());
  b.insert(b.end(), c.area.begin(), c.area.end());
  PutU16(b, c.storedValues);
  PutU8(b, c.extraValues);
  for (const auto& s : c.inputs.names) b.insert(b.end(), s.raw.begin(), s.raw.end());
  return b;
}

// What a reader sees of series n: its description (addresses left out) and
// its records.
struct SeenSeries {
  Bytes description;
  std::vector<Bytes> records;
  bool damaged = false;
};

SeenSeries See(ByteView stream, const ParsedStream& parsed, int n) {
  TVXAblage nav(stream, parsed);
  TSeriesDescription d;
  nav.GetSeriesDescription(n, d);
  SeenSeries seen;
  Bytes& b = seen.description;
  TRcaEntry entry = d.entry;
  std::fill_n(entry.raw.begin() + TRcaEntry::kBlockAddress, 8, 0);
  b.insert(b.end(), entry.raw.begin(), entry.raw.end());
  PutU8(b, d.channelCount);
  for (std::int32_t c : d.valueCounts) PutU32(b, static_cast<std::uint32_t>(c));
  PutU8(b, d.kind2);
  PutU8(b, d.triggered);
  for (int k = 0; k < d.channelCount; ++k) {
    TChannelHead head = d.channels[static_cast<std::size_t>(k)].head;
    std::fill_n(head.raw.begin() + TChannelHead::kParameterAddress, 4, 0);
    b.insert(b.end(), head.raw.begin(), head.raw.end());
    const TChannelDescription& c = d.channels[static_cast<std::size_t>(k)];
    b.insert(b.end(), c.parameterSet.raw.begin(), c.parameterSet.raw.end());
    b.insert(b.end(), c.coefficients.begin(), c.coefficients.end());
    PutU8(b, c.letter);
    PutU8(b, c.extraChannel);
  }
  nav.SelectSeries(n);
  TValueRecord rec;
  while (nav.NextRecord(rec)) {
    if (!nav.IsShortRecordSeries()) nav.AttachChannel(rec);
    seen.records.push_back(RecordBytes(rec));
  }
  seen.damaged = nav.SeriesDamaged();
  return seen;
}

sb::SeriesSpec Series(const std::string& name, int records, int channels = 1) {
  sb::SeriesSpec s;
  s.name = name;
  s.channels.clear();
  for (int c = 0; c < channels; ++c) {
    sb::ChannelSpec ch;
    ch.number = static_cast<std::uint8_t>(c);
    ch.measuringPoint = name + "-" + std::to_string(c);
    ch.parameters.OuterDiameter(static_cast<std::uint16_t>(100 + 10 * c)).StorageInterval(30);
    s.channels.push_back(ch);
  }
  for (int i = 0; i < records; ++i) {
    sb::FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(100 * i - 7);
    if (channels > 1) r.channel = static_cast<std::uint8_t>(1 + i % channels);
    if (i % 3 == 0) r.positiveTotal = 10.5 * i;
    if (i % 4 == 1) r.temperatures = {{static_cast<std::int16_t>(200 + i), 150}};
    if (i % 5 == 2) r.extensions.push_back(sb::ExtensionBlock::Words({0x1234, 0x5001}));
    s.records.push_back(r);
  }
  return s;
}

sb::StreamSpec ThreeSeries() {
  sb::StreamSpec spec;
  spec.series = {Series("EINS", 5), Series("ZWEI", 7, 2), Series("DREI", 4)};
  spec.series[1].kind = 2;
  return spec;
}

CommentSet CommentsFor(int series) {
  CommentSet c;
  c.fileCommentField = MemoField{"Rohrleitung Nord\r\nZeile 2", false};
  for (int n = 1; n <= series; ++n) c.rows.emplace_back(n);
  return c;
}

void SetComment(CommentSet& c, int n, const std::string& text) {
  c.rows[static_cast<std::size_t>(n - 1)].TakeFromMemo(MemoField{text, false});
}

std::optional<SubsetFile> Build(const Bytes& stream, const ParsedStream& parsed,
                                std::vector<int> selection, const CommentSet* comments = nullptr) {
  NullProgress progress;
  return BuildSubset(SubsetSource{stream, &parsed, comments}, selection, kNow, progress);
}

// Every chosen series reads in the new file exactly as in the original.
void ExpectSameSeries(const Bytes& original, const Bytes& subset, const std::vector<int>& sel) {
  const ParsedStream from = ParseStream(original);
  const ParsedStream to = ParseStream(subset);
  ASSERT_TRUE(to.Usable()) << std::hex << to.status;
  EXPECT_EQ((to.status & kStreamTableSectionMoved), (from.status & kStreamTableSectionMoved));
  ASSERT_EQ(to.directory.size(), sel.size());
  for (std::size_t k = 0; k < sel.size(); ++k) {
    const SeenSeries a = See(original, from, sel[k]);
    const SeenSeries b = See(subset, to, static_cast<int>(k) + 1);
    EXPECT_EQ(a.description, b.description) << "series " << sel[k];
    EXPECT_EQ(a.records, b.records) << "series " << sel[k];
    EXPECT_FALSE(b.damaged);
  }
}

TEST(SaveSubsetBuild, OneAndSeveralSeriesReadAsInTheOriginal) {
  const Bytes original = sb::BuildStream(ThreeSeries());
  const ParsedStream parsed = ParseStream(original);
  ASSERT_TRUE(parsed.Usable());
  for (const std::vector<int>& sel : {std::vector<int>{2}, std::vector<int>{3, 1},
                                      std::vector<int>{1, 2, 3}, std::vector<int>{2, 2}}) {
    const auto file = Build(original, parsed, sel);
    ASSERT_TRUE(file);
    ExpectSameSeries(original, file->bytes, sel);
    const ParsedStream to = ParseStream(file->bytes);
    // Counts and sizes of the new layout; the table section is the original's.
    EXPECT_EQ(to.prolog.MeasuringSets(), sel.size());
    EXPECT_EQ(to.prolog.RcaSize(), 31 * sel.size());
    EXPECT_EQ(to.prolog.StringSize(), parsed.prolog.StringSize());
    EXPECT_EQ(to.prolog.MeasDataSize(),
              static_cast<std::int32_t>(to.prolog.StreamSize() - to.dataStart));
    // Small files hold plain file positions, as the meter's own layout would.
    EXPECT_EQ(to.prolog.DataOffset(), to.dataStart);
    EXPECT_EQ(to.directory[0].BlockAddress(), to.dataStart);
    // Prolog bytes other than counts, sizes and the user-data flag are copied.
    for (std::size_t i : {32u, 54u, 60u, 62u, 82u, 104u, 116u, 134u, 136u, 154u})
      EXPECT_EQ(to.prolog.raw[i], parsed.prolog.raw[i]) << "prolog byte " << i;
  }
}

TEST(SaveSubsetBuild, RecordsOfEveryKindAndOldFirmwareHeadsAreCopiedAsStored) {
  sb::StreamSpec spec;
  spec.version = sb::kV315;  // the navigator gives these heads default assignments
  spec.series = {Series("A", 3), Series("KURZ", 0), Series("C", 6, 3)};
  spec.series[1].kind = 1;
  spec.series[1].shortRecords = {1, 0xFFFF, 0x8000, 42};
  spec.series[2].channels[1].inputs = {0x31, 0x00, 0x00, 0x00};
  spec.series[0].year = 1989;  // repaired by the parse, kept in the file
  const sb::BuiltStream built = sb::Build(spec);
  const ParsedStream parsed = ParseStream(built.bytes);
  const auto file = Build(built.bytes, parsed, {3, 2, 1});
  ASSERT_TRUE(file);
  ExpectSameSeries(built.bytes, file->bytes, {3, 2, 1});

  const ParsedStream to = ParseStream(file->bytes);
  TVXAblage nav(file->bytes, to);
  const std::size_t block = static_cast<std::size_t>(nav.StreamPos(to.directory[0].BlockAddress()));
  const std::size_t srcBlock = built.series[2].blockOffset;
  EXPECT_EQ(Bytes(file->bytes.begin() + static_cast<std::ptrdiff_t>(block) + 1 + 64 + 56,
                  file->bytes.begin() + static_cast<std::ptrdiff_t>(block) + 1 + 64 + 60),
            Bytes(built.bytes.begin() + static_cast<std::ptrdiff_t>(srcBlock) + 1 + 64 + 56,
                  built.bytes.begin() + static_cast<std::ptrdiff_t>(srcBlock) + 1 + 64 + 60));
  EXPECT_EQ(LoadU16(&file->bytes[kStreamPrologSize + 2 * 31 + TRcaEntry::kStartYear]), 1989);
}

TEST(SaveSubsetBuild, FilesBeyond64KiBAddressTheirOwnPositions) {
  const Bytes original = sb::BuildStream(sb::LargeSpec(3, 12000));
  const ParsedStream parsed = ParseStream(original);
  ASSERT_TRUE(parsed.Usable());
  const std::vector<int> sel{3, 1, 2};
  const auto file = Build(original, parsed, sel);
  ASSERT_TRUE(file);
  ExpectSameSeries(original, file->bytes, sel);
  const ParsedStream to = ParseStream(file->bytes);
  // The last series lies beyond 64 KiB, where a far address needs a segment.
  EXPECT_GT(to.directory[2].BlockAddress() >> 16, 0u);
  TVXAblage nav(file->bytes, to);
  EXPECT_GT(nav.StreamPos(to.directory[2].FirstRecordAddress()), 0x10000);
}

TEST(SaveSubsetBuild, AFullMemoryStaysAddressableAndMoreIsRefused) {
  // A memory filled up to the address reach behind a long table section: the
  // new file's positions run past the reach, its data area does not.
  sb::StreamSpec spec = sb::LargeSpec(6, 52500);
  spec.tableSectionTail.assign(30000, 0xA5);
  const Bytes original = sb::BuildStream(spec);
  const ParsedStream parsed = ParseStream(original);
  ASSERT_TRUE(parsed.Usable());
  const std::vector<int> all{6, 5, 4, 3, 2, 1};
  const auto file = Build(original, parsed, all);
  ASSERT_TRUE(file);
  ASSERT_GT(file->bytes.size(), kMaxFarLinear);
  // Every series delivers all its records from where the new file holds them.
  const ParsedStream to = ParseStream(file->bytes);
  ASSERT_TRUE(to.Usable());
  EXPECT_EQ(FarLinear(to.prolog.DataOffset()), 0u);
  TVXAblage nav(file->bytes, to);
  TVXAblage src(original, parsed);
  for (int k = 1; k <= 6; ++k) {
    nav.SelectSeries(k);
    src.SelectSeries(7 - k);
    const std::size_t from = nav.NextRecordPos(), srcFrom = src.NextRecordPos();
    TValueRecord rec;
    int count = 0;
    while (nav.NextRecord(rec)) ++count;
    while (src.NextRecord(rec)) {
    }
    EXPECT_EQ(count, 52500);
    EXPECT_FALSE(nav.SeriesDamaged());
    EXPECT_TRUE(std::equal(file->bytes.begin() + static_cast<std::ptrdiff_t>(from),
                           file->bytes.begin() + static_cast<std::ptrdiff_t>(nav.NextRecordPos()),
                           original.begin() + static_cast<std::ptrdiff_t>(srcFrom),
                           original.begin() + static_cast<std::ptrdiff_t>(src.NextRecordPos())));
  }
  // Twice the memory does not fit the address reach: a clear error.
  EXPECT_THROW(Build(original, parsed, {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6}), EGaugData);
}

TEST(SaveSubsetBuild, FarAddressesMapBackToTheirLinearValue) {
  for (std::uint32_t linear : {0u, 0xFFFFu, 0x10000u, 0x12345u, 0xFFFF0u, 0x10FFEFu}) {
    const auto far = FarAddressOf(linear);
    ASSERT_TRUE(far) << linear;
    EXPECT_EQ(FarLinear(*far), linear);
  }
  EXPECT_EQ(*FarAddressOf(0x1234u), 0x1234u);
  EXPECT_FALSE(FarAddressOf(0x10FFF0u));
}

TEST(SaveSubsetBuild, ARecordSequenceRunningOffTheStreamIsCutToItsWholeRecords) {
  sb::StreamSpec spec;
  spec.series = {Series("A", 3), Series("B", 4)};
  spec.series[1].recordCount = 9;  // the last five are not there
  const Bytes original = sb::BuildStream(spec);
  const ParsedStream parsed = ParseStream(original);
  const auto file = Build(original, parsed, {2, 1});
  ASSERT_TRUE(file);
  EXPECT_EQ(file->shortenedSeries, std::vector<int>{1});
  const ParsedStream to = ParseStream(file->bytes);
  EXPECT_EQ(to.directory[0].RecordCount(), 4);
  const SeenSeries b = See(file->bytes, to, 1);
  EXPECT_EQ(b.records.size(), 4u);
  EXPECT_FALSE(b.damaged);  // and series 2 (was 1) is not read as its records
  EXPECT_EQ(See(file->bytes, to, 2).records, See(original, parsed, 1).records);
}

TEST(SaveSubsetBuild, BadSelectionsAndStreamsAreErrors) {
  const Bytes original = sb::BuildStream(ThreeSeries());
  const ParsedStream parsed = ParseStream(original);
  EXPECT_THROW(Build(original, parsed, {4}), EGaugData);
  EXPECT_THROW(Build(original, parsed, {0}), EGaugData);
  const ParsedStream broken = ParseStream(sb::Truncated(original, 100));
  EXPECT_THROW(Build(original, broken, {1}), EBinFileInvalid);

  // Tables that run on past the section the prolog gives: reading tolerates
  // it, but the new file would not hold them.
  Bytes overlapping = original;
  StoreU16(&overlapping[TStreamProlog::kStringSize],
           static_cast<std::uint16_t>(LoadU16(&overlapping[TStreamProlog::kStringSize]) - 20));
  const ParsedStream overlapped = ParseStream(overlapping);
  ASSERT_TRUE(overlapped.Usable());
  EXPECT_THROW(Build(overlapping, overlapped, {1}), EBinFileInvalid);
}

// --- Comments --------------------------------------------------------------

class SaveSubsetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = gd::test::FreshTestFolder("gd_subset_");
    fs::create_directories(dir / "sub");
    original = sb::BuildStream(ThreeSeries());
    parsed = ParseStream(original);
    openFile = (dir / "open.sdx").string();
    DiskFileStore().WriteWhole(openFile, original);
  }
  void TearDown() override { fs::remove_all(dir); }

  SaveOutcome Save(const std::string& target, std::vector<int> selection, IFileStore& store,
                   const CommentSet* comments = nullptr, IProgress* progress = nullptr) {
    NullProgress none;
    return SaveSubset(SubsetSource{original, &parsed, comments}, openFile, selection, target, store,
                      messages, progress ? *progress : none, kNow);
  }
  std::set<std::string> Names() {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }

  fs::path dir;
  Bytes original;
  ParsedStream parsed;
  std::string openFile;
  DiskFileStore disk;
  RecordedMessages messages;
};

TEST_F(SaveSubsetFile, CommentsAreRenumberedAndShownWhenTheFileIsOpened) {
  CommentSet comments = CommentsFor(3);
  SetComment(comments, 1, "erste");
  SetComment(comments, 3, "dritte\r\nzweite Zeile");
  const std::string target = (dir / "teil.sdx").string();
  ASSERT_EQ(Save(target, {3, 2}, disk, &comments), SaveOutcome::Saved);

  // Opened the way the program opens files: the flag makes the comments visible.
  ParsedStreamHandler handler;
  MeasurementFile doc(disk, handler, messages);
  doc.Open(target, false);
  ASSERT_EQ(doc.SeriesCount(), 2);
  EXPECT_TRUE(doc.UserDataRead().found);
  EXPECT_EQ(doc.UserDataRead().seriesBlocks, 1);
  EXPECT_EQ(doc.Row(1).Text(), "dritte\r\nzweite Zeile");
  EXPECT_EQ(doc.Row(1).SeriesNumber(), 1);
  EXPECT_FALSE(doc.Row(2).HasText());
  EXPECT_EQ(doc.Comments().fileCommentField.text, "Rohrleitung Nord\r\nZeile 2");
  EXPECT_EQ(doc.Comments().rows[0].Description()->entry.Name(), "DREI");
  // The original comments are left as they were.
  EXPECT_EQ(comments.rows[2].SeriesNumber(), 3);
}

TEST_F(SaveSubsetFile, SavingOntoTheOpenFileIsRefusedHoweverItIsSpelt) {
  std::vector<std::string> spellings{openFile, (dir / "sub" / ".." / "open.sdx").string()};
  std::error_code ec;
  fs::create_symlink(openFile, dir / "link.sdx", ec);
  if (!ec) spellings.push_back((dir / "link.sdx").string());
  fs::create_hard_link(openFile, dir / "hard.sdx", ec);
  if (!ec) spellings.push_back((dir / "hard.sdx").string());
  for (const std::string& target : spellings) {
    messages.shown.clear();
    EXPECT_EQ(Save(target, {1}, disk), SaveOutcome::Refused) << target;
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].second, "Current file\r\n" + target +
                                            "\r\n can not saved to itself.\r\nChoose another "
                                            "filename !");
  }
  EXPECT_EQ(disk.ReadWhole(openFile), original);
  // A different file of the same name elsewhere is not the open file.
  EXPECT_EQ(Save((dir / "sub" / "open.sdx").string(), {1}, disk), SaveOutcome::Saved);
}

TEST_F(SaveSubsetFile, AFailedWriteLeavesTheTargetAsItWasAndNoTemporaryFile) {
  const std::string target = (dir / "teil.sdx").string();
  FailingStore store;
  store.failWrite = true;
  EXPECT_THROW(Save(target, {1}, store), EGaugData);
  EXPECT_FALSE(fs::exists(target));
  DiskFileStore().WriteWhole(target, Bytes{1, 2, 3});
  store.failWrite = false;
  store.failRename = true;
  EXPECT_THROW(Save(target, {1}, store), EGaugData);
  EXPECT_EQ(disk.ReadWhole(target), (Bytes{1, 2, 3}));
  EXPECT_EQ(Names(), (std::set<std::string>{"open.sdx", "sub", "teil.sdx"}));
  // Replacing an existing target works once the disk does.
  store.failRename = false;
  EXPECT_EQ(Save(target, {1}, store), SaveOutcome::Saved);
  EXPECT_TRUE(ParseStream(disk.ReadWhole(target)).Usable());
}

struct CancelAfter : IProgress {
  void SetMaximum(std::int64_t m) override { maximum = m; }
  void Advance(std::int64_t s) override { position += s; }
  void LetEventsRun() override { ++events; }
  bool Cancelled() const override { return events > after; }
  std::int64_t maximum = 0, position = 0;
  int events = 0, after = 0;
};

TEST_F(SaveSubsetFile, ProgressCountsRecordsAndACancelWritesNothing) {
  const std::string target = (dir / "teil.sdx").string();
  CancelAfter progress;
  progress.after = 100;
  EXPECT_EQ(Save(target, {1, 3}, disk, nullptr, &progress), SaveOutcome::Saved);
  EXPECT_EQ(progress.maximum, 9);
  EXPECT_EQ(progress.position, 9);
  fs::remove(target);
  progress = CancelAfter{};
  progress.after = 1;
  EXPECT_EQ(Save(target, {1, 2, 3}, disk, nullptr, &progress), SaveOutcome::Cancelled);
  EXPECT_FALSE(fs::exists(target));
}

TEST(SaveTarget, TheExtensionChoosesTheKindOfFile) {
  EXPECT_EQ(SaveKindOf("a/b.sdx"), SaveKind::Subset);
  EXPECT_EQ(SaveKindOf("C:\\Daten\\B.SDX"), SaveKind::Subset);
  EXPECT_EQ(SaveKindOf("b.XLS"), SaveKind::Spreadsheet);
  EXPECT_EQ(SaveKindOf("b.xls.txt"), SaveKind::Text);
  EXPECT_EQ(SaveKindOf("b"), SaveKind::Text);
  EXPECT_EQ(SaveKindOf("ordner.sdx/b"), SaveKind::Text);
  EXPECT_EQ(SaveKindOf("b.sdxx"), SaveKind::Text);
  EXPECT_EQ(FileNameOnly("C:\\Daten\\b.txt"), "b.txt");
  EXPECT_EQ(FileNameOnly("/tmp/b.txt"), "b.txt");
}

}  // namespace
}  // namespace gd
