#include <gtest/gtest.h>

#include <string>

#include "core/ReihenMemoStrings.h"
#include "core/UserData.h"

namespace gd {
namespace {

const CalendarTime kMonday{2026, 3, 2, 14, 5, 9};
const CalendarTime kTuesday{2026, 3, 3, 8, 0, 1};

Bytes Block(std::int32_t series, const std::string& text) {
  TReihenMemoStrings memo(series);
  memo.TakeFromMemo(MemoField{text, true});
  Bytes out;
  memo.Write(out, kMonday);
  return out;
}

TEST(TReihenMemoStrings, WritesHeadMarkChangeTimeAndZeroTerminatedText) {
  TReihenMemoStrings memo(3);
  memo.TakeFromMemo(MemoField{"ab\r\ncd", true});
  EXPECT_TRUE(memo.Modified());
  Bytes out{0xEE};  // blocks are appended
  memo.Write(out, kMonday);
  ASSERT_EQ(out.size(), 1u + 64 + 7);
  const std::uint8_t* b = &out[1];
  EXPECT_EQ(LoadI32(b), 3);
  EXPECT_EQ(LoadI32(b + 4), 7);
  const std::uint16_t stamp[6] = {2026, 3, 2, 14, 5, 9};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(LoadU16(b + 20 + 2 * i), stamp[i]) << i;
  EXPECT_EQ(b[32], 'M');
  for (std::size_t i : {8u, 19u, 33u, 63u}) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(std::string(b + 64, b + 71), std::string("ab\r\ncd\0", 7));
  EXPECT_FALSE(memo.Modified());

  // Unchanged since: a second write keeps the old change time.
  Bytes again;
  memo.Write(again, kTuesday);
  EXPECT_EQ(Bytes(out.begin() + 1, out.end()), again);
}

TEST(TReihenMemoStrings, EmptyEditFieldGivesLengthOne) {
  TReihenMemoStrings memo(1);
  EXPECT_EQ(memo.TextLength(), 0);
  MemoField field{"left over", true};
  memo.PutToMemo(field);  // no text: the field is cleared
  EXPECT_EQ(field.text, "");
  EXPECT_FALSE(field.modified);
  memo.TakeFromMemo(MemoField{"", false});
  EXPECT_EQ(memo.TextLength(), 1);
  EXPECT_TRUE(memo.HasText());
  EXPECT_FALSE(memo.Modified());
  MemoField shown{"old", true};
  memo.PutToMemo(shown);
  EXPECT_EQ(shown.text, "");
  EXPECT_FALSE(shown.modified);

  memo.TakeFromMemo(MemoField{"x", true});
  memo.PutToMemo(shown);
  EXPECT_EQ(shown.text, "x");
  EXPECT_TRUE(shown.modified);  // the field takes over the modified flag
}

TEST(TReihenMemoStrings, ReadKeepsReservedBytesAndRoundTrips) {
  Bytes block = Block(5, "Pumpe \xC4nderung");
  block[8] = 0x11;
  block[19] = 0x22;
  block[40] = 0x33;
  block[63] = 0x44;
  ByteReader in(block);
  TReihenMemoStrings memo(0);
  memo.SetModified(true);
  ASSERT_TRUE(memo.Read(in));
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(memo.Modified());
  EXPECT_EQ(memo.SeriesNumber(), 5);
  EXPECT_EQ(memo.Text(), "Pumpe \xC4nderung");
  EXPECT_EQ(memo.ChangeTime().minute, 5);
  Bytes written;
  memo.Write(written, kTuesday);
  EXPECT_EQ(written, block);
}

TEST(TReihenMemoStrings, RefusesBlocksThatAreNotWhole) {
  const Bytes good = Block(4, "abc");
  TReihenMemoStrings memo(9);
  memo.TakeFromMemo(MemoField{"keep", true});

  Bytes shortText(good.begin(), good.end() - 1);  // text one byte short
  Bytes shortHead(good.begin(), good.begin() + 63);
  Bytes negative = good;
  StoreU32(&negative[4], 0xFFFFFFFFu);
  Bytes huge = good;
  StoreU32(&huge[4], 0x7FFFFFFFu);
  for (const Bytes* bad : {&shortText, &shortHead, &negative, &huge}) {
    ByteReader in(*bad);
    EXPECT_FALSE(memo.Read(in));
    EXPECT_EQ(in.Pos(), 0u);
    EXPECT_EQ(memo.SeriesNumber(), 9);
    EXPECT_EQ(memo.Text(), "keep");
    EXPECT_TRUE(memo.Modified());
  }
}

TEST(TReihenMemoStrings, MoveIntoHandsOverHeadAndText) {
  TReihenMemoStrings source(2);
  source.TakeFromMemo(MemoField{"hello", true});
  TReihenMemoStrings target(2);
  source.MoveInto(target);
  EXPECT_EQ(target.Text(), "hello");
  EXPECT_EQ(target.TextLength(), 6);
  EXPECT_FALSE(source.HasText());
  EXPECT_TRUE(source.TextBytes().empty());
  EXPECT_FALSE(target.Modified());  // flags stay where they were
}

CommentSet ThreeRows() {
  CommentSet c;
  for (int n = 1; n <= 3; ++n) c.rows.emplace_back(n);
  return c;
}

TEST(UserData, WritesHeadFileCommentAndOnlySeriesWithText) {
  Bytes file(200, 0xAB);  // stands for the stream before the block
  CommentSet c = ThreeRows();
  c.fileCommentField = MemoField{"Anlage 7", true};
  c.rows[0].TakeFromMemo(MemoField{"erste", true});
  c.rows[2].TakeFromMemo(MemoField{"", true});  // emptied field: L = 1, written
  EXPECT_TRUE(c.Changed());

  EXPECT_EQ(WriteUserData(file, c, kMonday), 2);
  EXPECT_FALSE(c.rows[0].Modified());
  EXPECT_EQ(std::string(file.begin() + 200, file.begin() + 210), std::string("\x09USERSDATA"));
  for (std::size_t i : {210u, 215u, 222u, 263u}) EXPECT_EQ(file[i], 0) << i;
  EXPECT_EQ(LoadU16(&file[216]), 2);
  EXPECT_EQ(LoadU32(&file[218]), file.size());
  ASSERT_EQ(file.size(), 200u + 64 + (64 + 9) + (64 + 6) + (64 + 1));
  EXPECT_EQ(LoadI32(&file[264]), -1);
  EXPECT_EQ(LoadI32(&file[264 + 73]), 1);
  EXPECT_EQ(LoadI32(&file[264 + 73 + 70]), 3);
  EXPECT_EQ(LoadI32(&file[264 + 73 + 70 + 4]), 1);

  CommentSet back = ThreeRows();
  back.rows[1].SetModified(true);
  ByteReader in(file, 200);
  UserDataReadResult r = ReadUserData(in, back);
  EXPECT_TRUE(r.found);
  EXPECT_FALSE(r.incomplete);
  EXPECT_EQ(r.seriesBlocks, 2);
  EXPECT_EQ(back.fileCommentField.text, "Anlage 7");
  EXPECT_EQ(back.fileComment.SeriesNumber(), -1);
  EXPECT_EQ(back.rows[0].Text(), "erste");
  EXPECT_FALSE(back.rows[1].HasText());
  EXPECT_TRUE(back.rows[1].Modified());  // untouched: no block for it
  EXPECT_EQ(back.rows[2].TextLength(), 1);
  EXPECT_FALSE(back.rows[0].Modified());
  EXPECT_FALSE(back.fileCommentField.modified);
}

TEST(UserData, DropsBlocksOfSeriesOutsideTheList) {
  Bytes file;
  CommentSet c = ThreeRows();
  for (int i = 0; i < 3; ++i)
    c.rows[i].TakeFromMemo(MemoField{std::string(1, char('a' + i)), true});
  ASSERT_EQ(WriteUserData(file, c, kMonday), 3);

  CommentSet two;
  two.rows.emplace_back(1);
  two.rows.emplace_back(2);
  ByteReader in(file);
  UserDataReadResult r = ReadUserData(in, two);
  EXPECT_EQ(r.seriesBlocks, 3);
  EXPECT_EQ(r.dropped, 1);
  EXPECT_EQ(two.rows[0].Text(), "a");
  EXPECT_EQ(two.rows[1].Text(), "b");
}

TEST(UserData, IgnoresMissingShortOrUntaggedBlocks) {
  Bytes file;
  CommentSet c = ThreeRows();
  c.fileCommentField.text = "x";
  WriteUserData(file, c, kMonday);

  Bytes untagged = file;
  untagged[0] = 8;  // the length byte takes part in the comparison
  Bytes shortHead(file.begin(), file.begin() + 63);
  for (const Bytes* bad : {&untagged, &shortHead}) {
    CommentSet back = ThreeRows();
    ByteReader in(*bad);
    EXPECT_FALSE(ReadUserData(in, back).found);
    EXPECT_EQ(back.fileCommentField.text, "");
  }
}

TEST(UserData, TruncatedOrOverlongBlocksAreReadAsFarAsTheyAreWhole) {
  Bytes file;
  CommentSet c = ThreeRows();
  c.fileCommentField.text = "datei";
  c.rows[0].TakeFromMemo(MemoField{"eins", true});
  c.rows[1].TakeFromMemo(MemoField{"zwei", true});
  WriteUserData(file, c, kMonday);
  const std::size_t secondBlockAt = 64 + 70 + 69;

  {  // the file ends inside the second series block
    Bytes cut(file.begin(), file.end() - 2);
    CommentSet back = ThreeRows();
    ByteReader in(cut);
    UserDataReadResult r = ReadUserData(in, back);
    EXPECT_TRUE(r.incomplete);
    EXPECT_EQ(r.seriesBlocks, 1);
    EXPECT_EQ(back.rows[0].Text(), "eins");
    EXPECT_FALSE(back.rows[1].HasText());
  }
  {  // the head announces more blocks than there are
    Bytes more = file;
    StoreU16(&more[16], 60000);
    CommentSet back = ThreeRows();
    ByteReader in(more);
    UserDataReadResult r = ReadUserData(in, back);
    EXPECT_TRUE(r.incomplete);
    EXPECT_EQ(r.seriesBlocks, 2);
    EXPECT_EQ(back.rows[1].Text(), "zwei");
  }
  {  // a text length beyond the end of the file
    Bytes overlong = file;
    StoreU32(&overlong[secondBlockAt + 4], 0x40000000u);
    CommentSet back = ThreeRows();
    ByteReader in(overlong);
    UserDataReadResult r = ReadUserData(in, back);
    EXPECT_TRUE(r.incomplete);
    EXPECT_EQ(back.rows[0].Text(), "eins");
    EXPECT_FALSE(back.rows[1].HasText());
  }
  {  // even the file comment is cut off
    Bytes cut(file.begin(), file.begin() + 64 + 10);
    CommentSet back = ThreeRows();
    ByteReader in(cut);
    UserDataReadResult r = ReadUserData(in, back);
    EXPECT_TRUE(r.found);
    EXPECT_TRUE(r.incomplete);
    EXPECT_EQ(back.fileCommentField.text, "");
  }
}

TEST(CommentSet, ChangedSeesTheFileFieldAndEveryRow) {
  CommentSet c = ThreeRows();
  EXPECT_FALSE(c.Changed());
  c.rows[2].SetModified(true);
  EXPECT_TRUE(c.Changed());
  c.rows[2].SetModified(false);
  c.fileCommentField.modified = true;
  EXPECT_TRUE(c.Changed());
  c.Clear();
  EXPECT_FALSE(c.Changed());
  EXPECT_TRUE(c.rows.empty());
}

}  // namespace
}  // namespace gd
