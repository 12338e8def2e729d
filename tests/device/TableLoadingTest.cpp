// Table loads and user coefficient commands on a scripted line: the bytes the
// program sends and the replies it accepts, written down by hand.
#include <gtest/gtest.h>

#include "core/Messages.h"
#include "device/FakeLink.h"
#include "device/SondAmComPort.h"
#include "device/TableLoading.h"

namespace gd {
namespace {

using test::B;
using test::ByteList;
using test::Cat;
using test::Exchange;

ByteList Str(std::string_view text) {
  ByteList out;
  out.reserve(text.size() + 1);
  out.push_back(static_cast<std::uint8_t>(text.size()));
  for (const char c : text) out.push_back(static_cast<std::uint8_t>(c));
  return out;
}

class TableLoadingTest : public ::testing::Test {
 protected:
  // Connects to a meter with firmware `version`; `exchanges` follow.
  void Connect(std::uint16_t version, std::vector<Exchange> exchanges) {
    line.script = {
        {B("HI SONDV3"), B("READY   ")},
        {{0x9A, 3}, {}},
        {{0x68}, {static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(version >> 8)}},
        {{0x70}, Str("12.03.04")},
        {{0x67}, Str("SN4711")},
        {{0xD7}, {0x34, 0x12}}};
    line.script.insert(line.script.end(), exchanges.begin(), exchanges.end());
    ASSERT_TRUE(link.Connect(0));
    ASSERT_EQ(link.FirmwareVersion(), version);
    connected = line.written.size();
  }
  // Bytes written after the connection.
  ByteList Sent() const {
    return ByteList(line.written.begin() + static_cast<std::ptrdiff_t>(connected),
                    line.written.end());
  }

  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host, "GAUGEUNIT"};
  std::size_t connected = 0;
};

TEST_F(TableLoadingTest, PlainTableTakesWholeRecordsOfTheAnnouncedTotal) {
  ByteList records(60);
  for (std::size_t i = 0; i < records.size(); ++i) records[i] = static_cast<std::uint8_t>(i);
  Connect(0x0C03, {{{0x74, 17}, Cat({{20, 0, 70, 0}, records})}, {{0x74, 26}, {0, 0, 5, 0}}});
  DeviceTables tables;
  LoadLanguages(link, tables);
  EXPECT_TRUE(tables.languages.loaded);
  ASSERT_EQ(tables.languages.records.Count(), 3u);
  EXPECT_EQ(tables.languages.records.RecordSize(), 20);
  EXPECT_EQ(tables.languages.records[2][0], 40);
  EXPECT_EQ(link.Panels().STA_DoingLong, "RomData\\SprachCodes");
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);

  // Record size 0: an empty table that counts as loaded.
  LoadFactoryCoefficients(link, tables.factoryCoefficients);
  EXPECT_TRUE(tables.factoryCoefficients.loaded);
  EXPECT_EQ(tables.factoryCoefficients.records.Count(), 0u);
  EXPECT_EQ(link.Panels().STA_DoingLong, "RomData\\WMM-FIRMKoeffs");
  line.ExpectScriptDone();
}

TEST_F(TableLoadingTest, AFailedLoadKeepsTheRecordsReceivedButIsNotLoaded) {
  Connect(0x0C03, {{{0x74, 27}, Cat({{10, 0, 30, 0}, ByteList(15, 7)})}});
  TFRD_Tabelle table;
  table.loaded = true;
  EXPECT_THROW(LoadUserCoefficients(link, table), ESerialRecTIME);
  EXPECT_FALSE(table.loaded);
  EXPECT_EQ(table.records.Count(), 1u);
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  EXPECT_EQ(link.Panels().LAB_RecTO, "6/10");
}

// Media table of four entries, 0 and 3 editable.
Exchange MediaExchange(std::uint8_t kind) {
  return {{0x58, kind},
          Cat({{3},
               {6, 0},
               {2, 0, 3},
               Str("MEDIEN-TABELLE-LANG"),
               Str("  Wasser "),
               Str("   "),
               Str("\x94l"),  // DOS o-umlaut
               Str("Frei"),
               {12, 0},
               {0x11, 0x27, 1, 2, 3, 4},
               {0x12, 0x27, 5, 6, 7, 8}})};
}

TEST_F(TableLoadingTest, NamedTableWithEditableEntries) {
  Connect(0x0C03, {MediaExchange(2), MediaExchange(1)});
  DeviceTables tables;
  LoadMedia(link, tables);
  const TFRD_MenuAndTab& media = tables.media;
  EXPECT_TRUE(media.loaded);
  EXPECT_EQ(media.name, "MEDIEN-TABELLE-L");
  EXPECT_EQ(media.entryNames.Items(), (std::vector<std::string>{"Wasser", ".", "\xF6l", "Frei"}));
  EXPECT_EQ(media.EditMark(0), "EDITIERBAR");
  EXPECT_EQ(media.EditMark(1), "");
  EXPECT_EQ(media.EditMark(3), "EDITIERBAR");
  ASSERT_EQ(media.records.Count(), 4u);
  EXPECT_EQ(ByteList(media.records[0].begin(), media.records[0].end()),
            (ByteList{0x10, 0x27, 0, 0, 0, 0}));
  EXPECT_EQ(ByteList(media.records[1].begin(), media.records[1].end()),
            (ByteList{0x11, 0x27, 1, 2, 3, 4}));
  EXPECT_EQ(ByteList(media.records[3].begin(), media.records[3].end()),
            (ByteList{0x10, 0x27, 0, 0, 0, 0}));
  EXPECT_EQ(link.Panels().STA_DoingLong, "RomData\\Medien");

  LoadMaterials(link, tables);
  EXPECT_EQ(ByteList(tables.materials.records[0].begin(), tables.materials.records[0].end()),
            ByteList(6, 0));
  EXPECT_EQ(link.Panels().STA_DoingLong, "RomData\\Materialien");
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  line.ExpectScriptDone();
}

TEST_F(TableLoadingTest, ATableOf256EntriesIsReadWholeAndTheLineStaysInStep) {
  // Count byte 255: 256 entries of one byte; entries 0x81 and 0x94 editable.
  ByteList reply = {255, 1, 0, 2, 0x81, 0x94};
  reply = Cat({reply, Str("GROSS")});
  for (int i = 0; i < 256; ++i) reply = Cat({reply, Str("E" + std::to_string(i))});
  reply = Cat({reply, {254, 0}});
  for (int i = 0; i < 256; ++i) {
    if (i != 0x81 && i != 0x94) reply.push_back(static_cast<std::uint8_t>(i));
  }
  Connect(0x0C03, {{{0x58, 2}, reply}, {{0x74, 17}, {0, 0, 0, 0}}});
  DeviceTables tables;
  LoadMedia(link, tables);
  ASSERT_EQ(tables.media.EntryCount(), 256u);
  ASSERT_EQ(tables.media.records.Count(), 256u);
  EXPECT_EQ(tables.media.entryNames[255], "E255");
  EXPECT_EQ(tables.media.records[255][0], 255);
  EXPECT_EQ(tables.media.records[0xFC][0], 0xFC);  // not taken for 0x81 by the DOS conversion
  EXPECT_EQ(tables.media.EditMark(0x81), "EDITIERBAR");
  EXPECT_EQ(tables.media.EditMark(0xFC), "");
  EXPECT_EQ(tables.media.records[0x81][0], 0);
  LoadLanguages(link, tables);  // the next command finds the line in step
  EXPECT_TRUE(tables.languages.loaded);
  line.ExpectScriptDone();

  TNoSortStringCollection list;
  RenderMedia(list, tables.media, false, nullptr);
  EXPECT_EQ(list.Count(), 258u);
}

TEST_F(TableLoadingTest, CountByteZeroMeansOneEntry) {
  Connect(0x0C03, {{{0x58, 1}, Cat({{0, 2, 0, 0}, Str("M"), Str("Stahl"), {2, 0}, {5, 0}})}});
  DeviceTables tables;
  LoadMaterials(link, tables);
  EXPECT_EQ(tables.materials.EntryCount(), 1u);
  EXPECT_EQ(tables.materials.records[0][0], 5);
  line.ExpectScriptDone();
}

TEST_F(TableLoadingTest, TooOldFirmwareSendsNothing) {
  Connect(0x0203, {});  // V 3.02: coefficients yes, named tables no
  DeviceTables tables;
  try {
    LoadMedia(link, tables);
    FAIL();
  } catch (const EVersionNotSupportet& e) {
    EXPECT_STREQ(e.what(), "V 3.02 wird nicht unterst\xFCtzt");
  }
  EXPECT_TRUE(Sent().empty());
  line.ExpectScriptDone();
}

TEST_F(TableLoadingTest, CoefficientCommandsNeedV302) {
  Connect(0x0103, {});  // V 3.01
  TFRD_Tabelle table;
  const Bytes record(62, 1);
  auto expectRefused = [&](const std::function<void()>& f) {
    try {
      f();
      ADD_FAILURE() << "no error";
    } catch (const EVersionNotSupportet& e) {
      EXPECT_STREQ(e.what(), "Firmware V 3.02 wird nicht unterstuetzt");
    }
  };
  expectRefused([&] { LoadUserCoefficients(link, table); });
  expectRefused([&] { LoadFactoryCoefficients(link, table); });
  expectRefused([&] { SendUserSet(link, 1, record); });
  expectRefused([&] { StoreUserSets(link); });
  expectRefused([&] { RecallUserSets(link); });
  EXPECT_TRUE(Sent().empty());
}

TEST_F(TableLoadingTest, UserSetCommands) {
  Bytes record(62);
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(100 + i);
  Connect(0x0203, {{{0x5A, 3, 1}, {0}},
                   {ByteList(record.begin(), record.end()), {}},
                   {{0x5A, 3, 9}, {1}},
                   {{0x5A, 4}, {}},
                   {{0x5A, 5}, {}}});
  EXPECT_EQ(SendUserSet(link, 1, record), 0);
  EXPECT_EQ(link.Panels().STA_DoingLong, "--cmd--\\RecieveUser");
  EXPECT_EQ(SendUserSet(link, 9, record), 1);  // no such slot: the record stays here
  StoreUserSets(link);
  EXPECT_EQ(link.Panels().STA_DoingLong, "--cmd--\\StoreUser");
  RecallUserSets(link);
  EXPECT_EQ(link.Panels().STA_DoingLong, "--cmd--\\RecallUser");
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  EXPECT_THROW(SendUserSet(link, 2, Bytes(61)), EGaugData);
  line.ExpectScriptDone();
}

class NoQuestions : public IMessages {
 public:
  void Show(MessageKind, const std::string& text) override { shown.push_back(text); }
  Answer Ask(MessageKind, const std::string&) override { return Answer::Yes; }
  std::vector<std::string> shown;
};

class NoWait : public WaitWindow {
 public:
  bool WaitFor(const std::string&, int ms) override {
    waited += ms;
    return true;
  }
  int waited = 0;
};

TEST_F(TableLoadingTest, TheDialogModelSendsOverTheLink) {
  // One medium (10001), one user slot holding a set for it, no factory sets.
  TWMMKoeffs set;
  set.descriptor = 10001;
  set.SetValue(0, 1.5L);
  const Bytes record = set.ToRecord();
  const ByteList rec(record.begin(), record.end());
  const Exchange media = {
      {0x58, 2},
      Cat({{0, 8, 0, 0}, Str("M"), Str("Wasser"), {8, 0}, {0x11, 0x27, 0, 0, 0, 0, 0, 0}})};
  const Exchange user = {{0x74, 27}, Cat({{62, 0, 62, 0}, rec})};
  const Exchange factory = {{0x74, 26}, {62, 0, 0, 0}};
  Connect(0x0C03, {media,
                   user,
                   factory,
                   {{0x5A, 3, 1}, {0}},
                   {rec, {}},
                   {{0x5A, 3, 2}, {1}},
                   {{0x5A, 4}, {}},
                   {{0x5A, 5}, {}},
                   user,
                   user,
                   factory});
  DeviceTables tables;
  NoQuestions messages;
  NoWait wait;
  std::vector<bool> shown;
  LinkCoefficientMeter meter(link, [&](bool v) { shown.push_back(v); });
  CoefficientDialogModel model(meter, tables, wait, messages);
  model.Start();
  ASSERT_EQ(model.DownloadList().size(), 1u);
  EXPECT_EQ(model.DownloadList()[0].text, "U\tWasser");
  model.Send();
  line.ExpectScriptDone();
  EXPECT_EQ(model.Limit(), 1);
  EXPECT_EQ(wait.waited, 1500);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(shown, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace gd
