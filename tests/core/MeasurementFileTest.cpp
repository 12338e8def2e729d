#include "core/MeasurementFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/ParsedStreamHandler.h"
#include "core/TextTools.h"
#include "support/StreamBuilder.h"
#include "support/TestFolder.h"

namespace gd {
namespace {
namespace fs = std::filesystem;
using std::chrono::system_clock;

// The disk, with faults to order: a write that stops half-way, renames that
// fail, and a fixed modification time.
class FaultyFileStore : public IFileStore {
 public:
  Bytes ReadWhole(const std::string& path) override {
    if (failReadOf == path) throw EGaugData("read failed");
    return disk.ReadWhole(path);
  }
  bool Exists(const std::string& path) override { return disk.Exists(path); }
  bool Remove(const std::string& path) override { return disk.Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    if (failRenameTo.count(to)) return false;
    if (failTempRename && from.find(".~tmp") != std::string::npos) return false;
    return disk.Rename(from, to);
  }
  std::string CreateTemporary(const std::string& besidePath) override {
    return disk.CreateTemporary(besidePath);
  }
  void WriteWhole(const std::string& path, ByteView data) override {
    if (failWrites) {
      disk.WriteWhole(path, data.first(data.size() / 2));  // a disk that fills up
      throw EGaugData("disk full");
    }
    disk.WriteWhole(path, data);
  }
  std::optional<system_clock::time_point> ModificationTime(const std::string& path) override {
    if (fixedTime) return fixedTime;
    return disk.ModificationTime(path);
  }

  DiskFileStore disk;
  bool failWrites = false;
  std::string failReadOf;
  std::set<std::string> failRenameTo;
  bool failTempRename = false;  // a temporary file cannot be put in place
  std::optional<system_clock::time_point> fixedTime;
};

class RecordedMessages : public IMessages {
 public:
  void Show(MessageKind kind, const std::string& text) override { shown.push_back({kind, text}); }
  Answer Ask(MessageKind kind, const std::string& text) override {
    asked.push_back({kind, text});
    return answer;
  }
  std::vector<std::pair<MessageKind, std::string>> shown, asked;
  Answer answer = Answer::Yes;
};

system_clock::time_point LocalPoint(int y, int mo, int d, int h, int mi) {
  std::tm parts{};
  parts.tm_year = y - 1900;
  parts.tm_mon = mo - 1;
  parts.tm_mday = d;
  parts.tm_hour = h;
  parts.tm_min = mi;
  parts.tm_isdst = -1;
  return system_clock::from_time_t(std::mktime(&parts));
}

sb::StreamSpec TwoSeries() {
  sb::StreamSpec spec;
  spec.series.push_back(sb::SeriesSpec{});
  spec.series[1].name = "ZWEI";
  return spec;
}

class MeasurementFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = gd::test::FreshTestFolder("gd_mfile_");
    doc.SetClock([] { return CalendarTime{2026, 3, 2, 14, 5, 9}; });
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Put(const std::string& name, const Bytes& content) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()),
               static_cast<std::streamsize>(content.size()));
    return path;
  }
  Bytes Get(const std::string& path) { return DiskFileStore().ReadWhole(path); }
  std::set<std::string> Names() {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }
  // Opens a file expected to fail and returns the message.
  std::string OpenFailure(const std::string& path) {
    try {
      doc.Open(path, false);
    } catch (const EBinFileInvalid& e) {
      return e.what();
    }
    return "(opened)";
  }

  fs::path dir;
  FaultyFileStore files;
  ParsedStreamHandler handler;
  RecordedMessages messages;
  MeasurementFile doc{files, handler, messages};
};

TEST_F(MeasurementFileTest, OpensAValidFileWithItsSeriesAndNoUserData) {
  Bytes stream = sb::BuildStream(TwoSeries());
  const std::size_t streamSize = stream.size();
  // Bytes after the stream are not read while byte 153 bit 0 is clear, even a
  // well-formed user-data block.
  CommentSet other;
  other.fileCommentField.text = "fremd";
  WriteUserData(stream, other, CalendarTime{});
  const std::string path = Put("a.sdx", stream);

  doc.Open(path, false);
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_EQ(doc.SeriesCount(), 2);
  EXPECT_EQ(doc.StreamSize(), streamSize);
  ASSERT_EQ(doc.Comments().rows.size(), 2u);
  ASSERT_NE(doc.Row(2).Description(), nullptr);
  EXPECT_EQ(doc.Row(2).Description()->entry.Name(), "ZWEI");
  EXPECT_FALSE(doc.UserDataRead().found);
  EXPECT_EQ(doc.Comments().fileCommentField.text, "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MeasurementFileTest, SeriesAreReadFromTheStreamProperNeverFromTheCommentsBehindIt) {
  // The last series claims more records than the stream holds; a user-data
  // block follows the stream. Its bytes must not be decoded as records.
  sb::StreamSpec spec = TwoSeries();
  spec.series[1].records.resize(3);
  spec.series[1].recordCount = 50;
  Bytes file = sb::BuildStream(spec);
  const std::size_t streamSize = file.size();
  file[153] |= 1;
  CommentSet comments;
  comments.fileCommentField.text = std::string(400, 'x');
  WriteUserData(file, comments, CalendarTime{});
  doc.Open(Put("c.sdx", file), false);

  EXPECT_EQ(doc.Stream().size(), streamSize);
  const TSeriesDescription* second = doc.Row(2).Description();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->damaged, 1);
  EXPECT_EQ(second->wholeRecords, 3);
  EXPECT_EQ(doc.Comments().fileCommentField.text, std::string(400, 'x'));
}

TEST_F(MeasurementFileTest, RejectsInvalidAndEmptyFilesWithTheTwoTexts) {
  sb::StreamSpec wrongId;
  wrongId.identification[28] = '5';  // "\3.05"
  const std::string tooOld = "VERSION DER BINAERDATEI IST ZU ALT";
  const std::string invalid = "BIN\xC4RDATEI IST UNGUELTIG";
  EXPECT_EQ(OpenFailure(Put("id.sdx", sb::BuildStream(wrongId))), tooOld);
  EXPECT_EQ(OpenFailure(Put("empty.sdx", {})), tooOld);
  EXPECT_FALSE(doc.IsOpen());
  EXPECT_TRUE(doc.Stream().empty());

  const Bytes good = sb::BuildStream(TwoSeries());
  EXPECT_EQ(OpenFailure(Put("cut.sdx", sb::Truncated(good, 200))), invalid);
  // With comments behind it, a stream size that ends inside the tables
  // cannot be the stream: saving would cut off tables and records.
  sb::StreamSpec shorter = TwoSeries();
  shorter.streamSizeField = 200;
  shorter.patches.push_back({153, {1}});
  EXPECT_EQ(OpenFailure(Put("short.sdx", sb::BuildStream(shorter))), invalid);
  EXPECT_EQ(doc.CurrentFileName(), (dir / "short.sdx").string());
  EXPECT_EQ(doc.SeriesCount(), 0);

  // Both texts pass through the dictionary.
  SetTranslateFunction([](std::string_view t) { return "T:" + std::string(t); });
  EXPECT_EQ(OpenFailure((dir / "id.sdx").string()), "T:" + tooOld);
  SetTranslateFunction({});

  // A file that cannot be read at all: the file layer's error.
  EXPECT_THROW(doc.Open((dir / "missing.sdx").string(), false), EGaugData);
}

// Series 1 with 4 records, series 2 with 6, each 3 bytes; series 2's records
// end the file.
sb::BuiltStream TwoSeriesWithRecords() {
  sb::StreamSpec spec = TwoSeries();
  sb::FlaggedRecord velocity;  // flag byte and a 2-byte velocity
  velocity.velocity = 100;
  spec.series[0].records.assign(4, velocity);
  spec.series[1].records.assign(6, velocity);
  return sb::Build(spec);
}

TEST_F(MeasurementFileTest, ATruncatedFileOpensWithWhatItHoldsButRefusesToSaveComments) {
  const sb::BuiltStream built = TwoSeriesWithRecords();
  // An interrupted transfer: the file ends inside the last record of series 2.
  const Bytes cut = sb::Truncated(built.bytes, built.bytes.size() - 2);
  const std::string path = Put("cut.sdx", cut);
  doc.Open(path, false);
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_TRUE(doc.SizeMismatch());
  EXPECT_EQ(doc.Stream().size(), cut.size());
  ASSERT_EQ(doc.SeriesCount(), 2);
  EXPECT_EQ(doc.Row(1).Description()->damaged, 0);
  EXPECT_EQ(doc.Row(1).Description()->wholeRecords, 4);
  EXPECT_EQ(doc.Row(2).Description()->damaged, 1);
  EXPECT_EQ(doc.Row(2).Description()->wholeRecords, 5);

  // Saving comments would write a size the file does not have: refused with
  // a message naming the file, nothing touched.
  doc.Comments().fileCommentField = MemoField{"neu", true};
  try {
    doc.Save();
    ADD_FAILURE() << "saved a truncated file";
  } catch (const EGaugData& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_EQ(Get(path), cut);
  EXPECT_EQ(Names(), std::set<std::string>{"cut.sdx"});

  // The same file with comments announced: the comments are missing, the
  // series are read as before.
  Bytes flagged = cut;
  flagged[153] |= 1;
  doc.Open(Put("flagged.sdx", flagged), false);
  EXPECT_TRUE(doc.SizeMismatch());
  EXPECT_EQ(doc.Row(2).Description()->wholeRecords, 5);
  EXPECT_FALSE(doc.UserDataRead().found);

  // An intact file is no mismatch.
  doc.Open(Put("whole.sdx", built.bytes), false);
  EXPECT_FALSE(doc.SizeMismatch());
  EXPECT_NO_THROW(doc.Save());
}

TEST_F(MeasurementFileTest, RecordsBehindAShortStreamSizeAreKeptWhenNoCommentsFollow) {
  const sb::BuiltStream built = TwoSeriesWithRecords();
  // The stream size stops 2 bytes before the end: without comments those
  // bytes belong to the last record and are kept.
  Bytes file = built.bytes;
  StoreU32(&file[96], static_cast<std::uint32_t>(file.size() - 2));
  doc.Open(Put("runs-on.sdx", file), false);
  EXPECT_TRUE(doc.SizeMismatch());
  EXPECT_EQ(doc.Stream().size(), file.size());
  EXPECT_EQ(doc.Row(2).Description()->damaged, 0);
  EXPECT_EQ(doc.Row(2).Description()->wholeRecords, 6);
  EXPECT_THROW(doc.Save(), EGaugData);

  // With comments announced, the bytes behind the size are theirs.
  file[153] |= 1;
  doc.Open(Put("with-comments.sdx", file), false);
  EXPECT_FALSE(doc.SizeMismatch());
  EXPECT_EQ(doc.Stream().size(), file.size() - 2);
  EXPECT_EQ(doc.Row(2).Description()->damaged, 1);
}

// A comment block that cannot be read is lost by the next save: the user is
// asked first, and the backup of the original keeps it through later saves.
TEST_F(MeasurementFileTest, UnreadableCommentsAreDroppedOnlyWhenAgreedAndTheOriginalIsKept) {
  Bytes file = sb::BuildStream(TwoSeries());
  file[153] |= 1;
  CommentSet comments;
  comments.fileCommentField = MemoField{"Datei", true};
  comments.rows.emplace_back(1);
  comments.rows.emplace_back(2);
  comments.rows[0].TakeFromMemo(MemoField{"eins", true});
  comments.rows[1].TakeFromMemo(MemoField{std::string(40, 'z'), true});
  WriteUserData(file, comments, CalendarTime{});
  file.resize(file.size() - 10);  // the last block's text runs off the end
  const std::string path = Put("damaged.sdx", file);
  const std::string backup = (dir / "damaged.~SD").string();

  doc.Open(path, false);
  ASSERT_TRUE(doc.UserDataRead().incomplete);
  EXPECT_EQ(doc.Row(1).Text(), "eins");
  messages.answer = Answer::No;
  EXPECT_FALSE(doc.Save());
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].first, MessageKind::Warning);
  EXPECT_NE(messages.asked[0].second.find(path), std::string::npos);
  EXPECT_NE(messages.asked[0].second.find(backup), std::string::npos);
  EXPECT_EQ(Get(path), file);
  EXPECT_EQ(Names(), std::set<std::string>{"damaged.sdx"});

  messages.answer = Answer::Yes;
  EXPECT_TRUE(doc.Save());
  EXPECT_EQ(Get(backup), file);
  // A second save asks no more and keeps the original as the backup.
  EXPECT_TRUE(doc.Save());
  EXPECT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(Get(backup), file);
  doc.Open(path, false);
  EXPECT_FALSE(doc.UserDataRead().incomplete);
  EXPECT_EQ(doc.Row(1).Text(), "eins");
}

TEST_F(MeasurementFileTest, ToleratedFlagsOpenNormallyAndNoSeriesIsReported) {
  sb::StreamSpec moved = TwoSeries();
  moved.tableSectionTail = {1, 2, 3};  // table section ends early: flag 0x0100
  moved.stringSize.reset();
  doc.Open(Put("moved.sdx", sb::BuildStream(moved)), false);
  EXPECT_EQ(handler.Parsed().status, 0x0100);
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_EQ(doc.SeriesCount(), 2);

  sb::StreamSpec none;
  none.series.clear();
  doc.Open(Put("none.sdx", sb::BuildStream(none)), true);
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_TRUE(doc.Received());
  EXPECT_EQ(doc.SeriesCount(), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].first, MessageKind::Information);
  EXPECT_EQ(messages.shown[0].second, "Keine Messwertreihen enthalten");
}

TEST_F(MeasurementFileTest, SavedTwiceKeepsOneUserDataBlockAndTheComments) {
  const Bytes original = sb::BuildStream(TwoSeries());
  const std::string path = Put("m.sdx", original);
  doc.Open(path, false);
  doc.Comments().fileCommentField = MemoField{"Datei", true};
  doc.Row(2).TakeFromMemo(MemoField{"zweite\r\nZeile", true});
  doc.Save();
  const Bytes first = Get(path);
  EXPECT_FALSE(doc.Comments().Changed());

  doc.Open(path, false);
  EXPECT_TRUE(doc.UserDataRead().found);
  EXPECT_EQ(doc.Comments().fileCommentField.text, "Datei");
  EXPECT_FALSE(doc.Row(1).HasText());
  EXPECT_EQ(doc.Row(2).Text(), "zweite\r\nZeile");
  EXPECT_FALSE(doc.Comments().Changed());
  doc.Save();
  const Bytes second = Get(path);

  EXPECT_EQ(second, first);
  const std::size_t blocks = 64 + (64 + 6) + (64 + 14);
  ASSERT_EQ(second.size(), original.size() + blocks);
  EXPECT_EQ(LoadU16(&second[original.size() + 16]), 1);
  EXPECT_EQ(second[153], 1);
  // Apart from bytes 153..159 the stream is kept byte for byte.
  EXPECT_TRUE(std::equal(original.begin(), original.begin() + 153, second.begin()));
  EXPECT_TRUE(std::equal(original.begin() + 160, original.end(), second.begin() + 160));
}

TEST_F(MeasurementFileTest, EmptiedCommentIsWrittenAndUnknownSeriesAreDropped) {
  const std::string path = Put("m.sdx", sb::BuildStream(TwoSeries()));
  doc.Open(path, false);
  doc.Row(1).TakeFromMemo(MemoField{"", true});
  doc.Save();
  Bytes file = Get(path);
  const std::size_t head = doc.StreamSize();
  EXPECT_EQ(LoadU16(&file[head + 16]), 1);  // the L = 1 block counts

  // Append a block for series 3 and count it: it is read and dropped.
  Bytes extra;
  TReihenMemoStrings third(3);
  third.TakeFromMemo(MemoField{"drei", true});
  third.Write(extra, CalendarTime{});
  file.insert(file.end(), extra.begin(), extra.end());
  StoreU16(&file[head + 16], 2);
  Put("m.sdx", file);
  doc.Open(path, false);
  EXPECT_EQ(doc.Row(1).TextLength(), 1);
  EXPECT_EQ(doc.UserDataRead().seriesBlocks, 2);
  EXPECT_EQ(doc.UserDataRead().dropped, 1);
}

TEST_F(MeasurementFileTest, ReceptionIsStampedOnlyWhenNotSetAndKeptLater) {
  sb::StreamSpec spec = TwoSeries();
  spec.patches.push_back({154, {0xCC, 0x07, 9, 9, 9, 9}});  // year 1996: not set
  const std::string path = Put("m.sdx", sb::BuildStream(spec));
  files.fixedTime = LocalPoint(2026, 11, 30, 17, 45);
  doc.Open(path, false);
  doc.Save();
  const Bytes saved = Get(path);
  EXPECT_EQ(LoadU16(&saved[154]), 2026);
  EXPECT_EQ(Bytes(saved.begin() + 156, saved.begin() + 160), (Bytes{11, 30, 17, 45}));
  EXPECT_EQ(Bytes(doc.Stream().begin() + 153, doc.Stream().begin() + 160),
            Bytes(saved.begin() + 153, saved.begin() + 160));

  files.fixedTime = LocalPoint(2027, 1, 2, 3, 4);
  doc.Save();
  const Bytes again = Get(path);
  EXPECT_EQ(Bytes(again.begin() + 154, again.begin() + 160),
            Bytes(saved.begin() + 154, saved.begin() + 160));

  // A stamp from the download (1997 and later) is never replaced.
  spec.patches[0].second = {0xCD, 0x07, 5, 6, 7, 8};
  Put("m.sdx", sb::BuildStream(spec));
  doc.Open(path, false);
  doc.Save();
  const Bytes kept = Get(path);
  EXPECT_EQ(Bytes(kept.begin() + 154, kept.begin() + 160), (Bytes{0xCD, 0x07, 5, 6, 7, 8}));
}

TEST_F(MeasurementFileTest, SaveKeepsThePreviousFileAsBackup) {
  const Bytes original = sb::BuildStream(TwoSeries());
  const std::string path = Put("Messung.v1.sdx", original);
  Put("Messung.v1.~SD", {1, 2, 3});  // an older backup is replaced
  doc.Open(path, false);
  doc.Save();
  EXPECT_EQ(Get((dir / "Messung.v1.~SD").string()), original);
  const Bytes firstSave = Get(path);
  doc.Save();
  EXPECT_EQ(Get((dir / "Messung.v1.~SD").string()), firstSave);
  EXPECT_EQ(Names(), (std::set<std::string>{"Messung.v1.sdx", "Messung.v1.~SD"}));

  // A backup that cannot be made does not stop the save.
  files.failRenameTo.insert((dir / "Messung.v1.~SD").string());
  doc.Row(1).TakeFromMemo(MemoField{"neu", true});
  doc.Save();
  doc.Open(path, false);
  EXPECT_EQ(doc.Row(1).Text(), "neu");
}

TEST_F(MeasurementFileTest, FailedWriteLeavesThePreviousFileAndTheChanges) {
  const Bytes original = sb::BuildStream(TwoSeries());
  const std::string path = Put("m.sdx", original);
  Put("m.~SD", {7, 7});
  doc.Open(path, false);
  doc.Row(2).TakeFromMemo(MemoField{"ungespeichert", true});
  files.failWrites = true;
  EXPECT_THROW(doc.Save(), EGaugData);
  EXPECT_EQ(Get(path), original);
  EXPECT_EQ(Get((dir / "m.~SD").string()), (Bytes{7, 7}));
  EXPECT_EQ(Names(), (std::set<std::string>{"m.sdx", "m.~SD"}));  // no partial file left
  EXPECT_TRUE(doc.Comments().Changed());                          // the close query will still ask
  EXPECT_EQ(doc.Stream()[153], original[153]);

  // The new file cannot be put in place: the previous one comes back.
  files.failWrites = false;
  files.failTempRename = true;
  EXPECT_THROW(doc.Save(), EGaugData);
  EXPECT_EQ(Get(path), original);
  EXPECT_EQ(Names(), (std::set<std::string>{"m.sdx"}));
  EXPECT_TRUE(doc.Comments().Changed());

  files.failTempRename = false;
  doc.Save();
  doc.Open(path, false);
  EXPECT_EQ(doc.Row(2).Text(), "ungespeichert");
}

TEST_F(MeasurementFileTest, ReceivedDataSavedUnderANewName) {
  const Bytes stream = sb::BuildStream(TwoSeries());
  const std::string download = Put("download.tmp", stream);
  doc.Open(download, true);
  doc.Row(1).TakeFromMemo(MemoField{"vor Ort", true});

  EXPECT_FALSE(doc.SaveReceivedAs((dir / "neu.txt").string()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            std::make_pair(MessageKind::Error, std::string("Ungueltiger Dateiname (*.SDX)")));
  EXPECT_FALSE(doc.SaveReceivedAs((dir / "neu").string()));

  const std::string target = Put("Alt.SdX", {1});
  files.fixedTime = LocalPoint(2025, 4, 5, 6, 7);
  messages.answer = Answer::Cancel;
  EXPECT_FALSE(doc.SaveReceivedAs(target));
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].first, MessageKind::Warning);
  EXPECT_EQ(messages.asked[0].second, "Das Binaerfile\r" + target +
                                          "\r(vom 05.04.2025 06:07:00) existiert bereits !\r"
                                          "Datei ueberschreiben ?");
  messages.answer = Answer::No;
  EXPECT_FALSE(doc.SaveReceivedAs(target));
  EXPECT_EQ(Get(target), Bytes{1});
  EXPECT_TRUE(doc.Received());

  messages.answer = Answer::Yes;
  files.fixedTime.reset();
  EXPECT_TRUE(doc.SaveReceivedAs(target));
  EXPECT_FALSE(doc.Received());
  EXPECT_EQ(doc.CurrentFileName(), target);
  EXPECT_FALSE(fs::exists(download));
  EXPECT_EQ(Get((dir / "Alt.~SD").string()), stream);  // the plain copy, then rewritten
  doc.Open(target, false);
  EXPECT_EQ(doc.Row(1).Text(), "vor Ort");
}

TEST_F(MeasurementFileTest, FailedCopyOfReceivedDataKeepsTheDownload) {
  const std::string download = Put("download.tmp", sb::BuildStream(TwoSeries()));
  doc.Open(download, true);
  const std::string target = (dir / "ziel.sdx").string();
  files.failWrites = true;
  EXPECT_FALSE(doc.SaveReceivedAs(target));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].second,
            "Die Binaerdatei\r" + target + "\rkonnte nicht geschrieben werden ");
  EXPECT_TRUE(doc.Received());
  EXPECT_EQ(doc.CurrentFileName(), download);
  EXPECT_EQ(Names(), (std::set<std::string>{"download.tmp"}));
}

TEST_F(MeasurementFileTest, OpeningAnotherFileForgetsThePreviousComments) {
  const std::string a = Put("a.sdx", sb::BuildStream(TwoSeries()));
  doc.Open(a, false);
  doc.Comments().fileCommentField = MemoField{"zu a", true};
  doc.Save();
  doc.Open(a, false);
  EXPECT_EQ(doc.Comments().fileCommentField.text, "zu a");

  doc.Open(Put("b.sdx", sb::BuildStream(TwoSeries())), true);
  EXPECT_EQ(doc.Comments().fileCommentField.text, "");
  doc.Reset();
  EXPECT_EQ(doc.CurrentFileName(), "untitled.sdx");
  EXPECT_FALSE(doc.IsOpen());
  doc.Save();  // nothing open: nothing written
  EXPECT_FALSE(fs::exists("untitled.sdx"));
}

}  // namespace
}  // namespace gd
