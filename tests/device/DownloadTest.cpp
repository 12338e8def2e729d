// Download of the measurement memory on both firmware paths: the order of
// the areas, acknowledgements, checksum refusals and retries, the reception
// stamp, the progress maxima, and the temporary file. The meter's side is
// written out byte by byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/DateTime.h"
#include "device/FakeLink.h"
#include "device/SondAmComPort.h"
#include "support/TestFolder.h"

namespace gd {
namespace {

using test::B;
using test::ByteList;
using test::Cat;
using test::Exchange;

const ByteList kToken = B("HI SONDV3");
const ByteList kReady = B("READY...");
const ByteList kEnd = {0x9A, 0x04, 0x93};  // SetLumi(4), Here am I

// A prolog announcing an RCA size `rca`, a string size `str` and values `v`.
ByteList Prolog(std::uint16_t rca, std::uint16_t str, std::uint32_t v) {
  ByteList p(160);
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = static_cast<std::uint8_t>(i);
  auto put = [&p](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      p[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put(68, rca, 2);
  put(94, str, 2);
  put(70, v, 4);
  return p;
}

ByteList Values(std::size_t n, std::uint8_t first) {
  ByteList v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(first + 7 * i);
  return v;
}

std::uint8_t Sum(const ByteList& data) {
  unsigned s = 0;
  for (auto b : data) s += b;
  return static_cast<std::uint8_t>(s);
}

// A checksummed values block: header, data, trailer with `check` first.
ByteList Block(const ByteList& data, int check = -1) {
  ByteList trailer(16, 0xEE);
  trailer[0] = check < 0 ? Sum(data) : static_cast<std::uint8_t>(check);
  return Cat({{0x55, 0x66}, data, trailer});
}

class DownloadTest : public ::testing::Test {
 protected:
  // Connects to a meter with the firmware word `firmware`.
  void ConnectTo(std::uint16_t firmware) {
    line.script = {
        {kToken, kReady},
        {{0x9A, 0x03}, {}},
        {{0x68},
         {static_cast<std::uint8_t>(firmware & 0xFF), static_cast<std::uint8_t>(firmware >> 8)}},
        {{0x70}, {0}},
        {{0x67}, {0}},
        {{0xD7}, {0, 0}}};
    const int major = firmware & 0xFF, minor = firmware >> 8;
    if (major > 3 || (major == 3 && minor >= 48)) line.script.push_back({{0x56}, {0, 0, 0, 0}});
    ASSERT_TRUE(link.Connect(0));
    ASSERT_EQ(line.step, line.script.size());
    link.SetReceptionClock([] {
      return MomentToDateTime(DateRecord{2026, 12, 8, 0}, 13 * 3600 + 45 * 60 + 30);
    });
  }
  void Then(std::initializer_list<Exchange> exchanges) {
    line.script.insert(line.script.end(), exchanges.begin(), exchanges.end());
  }
  static ByteList Stamped(ByteList prolog) {
    prolog[154] = 0xEA;  // 2026
    prolog[155] = 0x07;
    prolog[156] = 12;
    prolog[157] = 8;
    prolog[158] = 13;
    prolog[159] = 45;
    return prolog;
  }
  ByteList Downloaded() {
    std::ostringstream out;
    EXPECT_EQ(link.DownloadImage(out), 0);
    const std::string s = out.str();
    return ByteList(s.begin(), s.end());
  }

  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host};
};

TEST_F(DownloadTest, ChecksummedPathAcknowledgesEachBlockWithItsChecksum) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(3, 2, 20);
  const ByteList strings = B("ABCDE");
  const ByteList v1 = Values(8, 1), v2 = Values(8, 2), v3 = Values(4, 3);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, strings},
        {{0x01}, Block(v1)},
        {{Sum(v1)}, Block(v2)},
        {{Sum(v2)}, Block(v3)},
        {{Sum(v3)}, {}},
        {kEnd, {}}});
  std::int64_t valuesMaximum = -1;
  line.onEvents = [&] {
    if (link.Panels().STA_GAUDOING == "Load Values") valuesMaximum = link.Panels().gaugeMaximum;
  };
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), strings, v1, v2, v3}));
  line.ExpectScriptDone();
  EXPECT_EQ(valuesMaximum, 2 * 26 + 4 + 18);
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
}

TEST_F(DownloadTest, ValuesFillingWholeBlocksEndWithAnEmptyBlock) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(0, 0, 16);
  const ByteList v1 = Values(8, 1), v2 = Values(8, 2);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {}},
        {{0x01}, Block(v1)},
        {{Sum(v1)}, Block(v2)},
        {{Sum(v2)}, Block({})},
        {{0x00}, {}},
        {kEnd, {}}});
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), v1, v2}));
  line.ExpectScriptDone();
}

TEST_F(DownloadTest, WrongChecksumIsRefusedAndTheBlockStoredOnce) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(0, 1, 8);
  ByteList v = Values(8, 0);
  v[7] = static_cast<std::uint8_t>(v[7] + 0x36 - Sum(v));  // data sum 0x36
  ASSERT_EQ(Sum(v), 0x36);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {'S'}},
        {{0x01}, Block(v, 0x37)},
        {{0x9D}, Block(v)},  // 0x37 ^ 0xAA: refused, sent again
        {{0x36}, Block({})},
        {{0x00}, {}},
        {kEnd, {}}});
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), {'S'}, v}));
  line.ExpectScriptDone();
}

TEST_F(DownloadTest, SixChecksumFailuresEndTheDownloadNamingTheBlock) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(0, 0, 16);
  const ByteList v1 = Values(8, 1), v2 = Values(8, 2);
  const std::uint8_t bad = static_cast<std::uint8_t>(Sum(v2) + 1);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {}},
        {{0x01}, Block(v1)},
        {{Sum(v1)}, Block(v2, bad)}});
  for (int i = 0; i < 5; ++i) Then({{{static_cast<std::uint8_t>(bad ^ 0xAA)}, Block(v2, bad)}});
  Then({{{static_cast<std::uint8_t>(bad ^ 0xAA)}, {}}, {kEnd, {}}});
  std::ostringstream out;
  try {
    link.DownloadImage(out);
    FAIL();
  } catch (const ESerialRecTRANS& e) {
    EXPECT_STREQ(e.what(), "PRUEFSUMMENFEHLER IN BLOCK 2");
  }
  line.ExpectScriptDone();
  EXPECT_EQ(link.BlockRetries(), 6u);
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
}

TEST_F(DownloadTest, LinkErrorInABlockPurgesRefusesAndRetries) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  link.SetTimeoutMs(50);
  const ByteList prolog = Prolog(0, 0, 8);
  const ByteList v = Values(8, 4);
  const ByteList whole = Block(v);
  // The first attempt stops after 5 bytes: the refusal is the (still empty)
  // trailer's first byte XOR 0xAA.
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {}},
        {{0x01}, ByteList(whole.begin(), whole.begin() + 5)},
        {{0xAA}, Block(v)},
        {{Sum(v)}, Block({})},
        {{0x00}, {}},
        {kEnd, {}}});
  std::int64_t gaugeAfterRetry = -1;
  line.onEvents = [&] {
    if (line.written.back() == 0xAA && gaugeAfterRetry < 0) gaugeAfterRetry = link.GaugeProgress();
  };
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), v}));
  line.ExpectScriptDone();
  EXPECT_GE(line.purges, 1);
  EXPECT_EQ(gaugeAfterRetry, 0);  // the gauge fell back to the block's start
}

TEST_F(DownloadTest, SixLinkErrorsPropagateTheLastError) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  link.SetTimeoutMs(50);
  const ByteList prolog = Prolog(0, 0, 8);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {}},
        {{0x01}, {}}});
  for (int i = 0; i < 6; ++i) Then({{{0xAA}, {}}});  // a refusal after every failure
  Then({{kEnd, {}}});
  std::ostringstream out;
  EXPECT_THROW(link.DownloadImage(out), ESerialRecTIME);
  line.ExpectScriptDone();
  EXPECT_EQ(link.BlockRetries(), 6u);
}

TEST_F(DownloadTest, OlderFirmwareSendsPlainBlocksAndNoFinalAcknowledgement) {
  ConnectTo(0x0C03);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(1, 1, 20);
  const ByteList strings = {'x', 'y'};
  const ByteList v1 = Values(8, 1), v2 = Values(8, 2), v3 = Values(4, 3);
  Then({{{0x9A, 0x03}, {}},
        {{0xDB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, Cat({strings, v1})},
        {{0x01}, v2},
        {{0x01}, v3},
        {kEnd, {}}});
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), strings, v1, v2, v3}));
  line.ExpectScriptDone();
}

TEST_F(DownloadTest, OlderFirmwareWithoutValuesStillWritesTheStrings) {
  ConnectTo(0x0C03);
  link.SetBlockSize(2048);
  const ByteList prolog = Prolog(2, 0, 0);
  Then({{{0x9A, 0x03}, {}},
        {{0xDB}, Cat({{1}, prolog})},
        {{0x01, 0x00, 0x08, 0x00, 0x00}, {'a', 'b'}},
        {kEnd, {}}});
  EXPECT_EQ(Downloaded(), Cat({Stamped(prolog), {'a', 'b'}}));
  line.ExpectScriptDone();
}

TEST_F(DownloadTest, NothingToSendGivesTheStatusAndNoBytes) {
  ConnectTo(0x1505);
  Then({{{0x9A, 0x03}, {}}, {{0xBB}, {0}}, {kEnd, {}}});
  std::ostringstream out;
  EXPECT_EQ(link.DownloadImage(out), 0x1000);
  EXPECT_TRUE(out.str().empty());
  line.ExpectScriptDone();
}

TEST_F(DownloadTest, AnErrorOfTheFinalCommandsReplacesTheTransferError) {
  ConnectTo(0x1505);
  link.SetTimeoutMs(50);
  // Silence after the command; then the final SetLumi cannot be sent because
  // the queue is stuck.
  Then({{{0x9A, 0x03}, {}}, {{0xBB}, {}}});
  line.onEvents = [&] {
    if (link.TimeoutFlag()) {
      line.notYetSent = 1;
      line.queueStuck = true;
    }
  };
  std::ostringstream out;
  EXPECT_THROW(link.DownloadImage(out), ESerialSendTIME);
}

class TempFileTest : public DownloadTest {
 protected:
  void SetUp() override {
    folder = gd::test::FreshTestFolder("gaugdata-dl-");
    link.SetTempFolder(folder.string());
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
  }
  std::filesystem::path folder;
};

TEST_F(TempFileTest, ImageLandsInAFreshTempFileThatTheNextDownloadRemoves) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  const ByteList prolog = Prolog(0, 1, 3);
  const ByteList v = Values(3, 9);
  for (int round = 0; round < 2; ++round)
    Then({{{0x9A, 0x03}, {}},
          {{0xBB}, Cat({{1}, prolog})},
          {{0x01, 0x08, 0x00, 0x00, 0x00}, {'s'}},
          {{0x01}, Block(v)},
          {{Sum(v)}, {}},
          {kEnd, {}}});
  const std::string first = link.DownloadToTempFile();
  EXPECT_EQ(std::filesystem::path(first).filename().string().substr(0, 3), "SDX");
  EXPECT_EQ(std::filesystem::path(first).extension(), ".tmp");
  std::ifstream in(first, std::ios::binary);
  const ByteList content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, Cat({Stamped(prolog), {'s'}, v}));
  const std::string second = link.DownloadToTempFile();
  EXPECT_NE(first, second);
  EXPECT_FALSE(std::filesystem::exists(first));
  EXPECT_TRUE(std::filesystem::exists(second));
  EXPECT_EQ(FilesInFolder(), 1u);
  line.ExpectScriptDone();
}

TEST_F(TempFileTest, FailedDownloadLeavesNoFileBehind) {
  ConnectTo(0x1505);
  link.SetBlockSize(8);
  link.SetTimeoutMs(50);
  const ByteList prolog = Prolog(0, 0, 8);
  Then({{{0x9A, 0x03}, {}},
        {{0xBB}, Cat({{1}, prolog})},
        {{0x01, 0x08, 0x00, 0x00, 0x00}, {}},
        {{0x01}, {}}});
  for (int i = 0; i < 6; ++i) Then({{{0xAA}, {}}});
  Then({{kEnd, {}}});
  EXPECT_THROW(link.DownloadToTempFile(), ESerialRecTIME);
  EXPECT_TRUE(link.TempFileName().empty());
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(TempFileTest, DestroyingTheLinkRemovesTheFile) {
  std::string name;
  {
    test::FakeLine line2;
    test::FakePort port2{line2};
    test::FakeHost host2{line2};
    TSondAmComPort link2{port2, host2};
    link2.SetTempFolder(folder.string());
    line2.script = {
        {kToken, kReady}, {{0x9A, 0x03}, {}},     {{0x68}, {5, 0x15}}, {{0x70}, {0}}, {{0x67}, {0}},
        {{0xD7}, {0, 0}}, {{0x56}, {0, 0, 0, 0}}, {{0x9A, 0x03}, {}},  {{0xBB}, {0}}, {kEnd, {}}};
    ASSERT_TRUE(link2.Connect(0));
    name = link2.DownloadToTempFile();
    EXPECT_TRUE(std::filesystem::exists(name));
    EXPECT_EQ(std::filesystem::file_size(name), 0u);
  }
  EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(DownloadTest, ClockReplyAndSetting) {
  ConnectTo(0x1505);
  // 2026-12-07, seconds 45296 = 12:34:56.
  Then({{{0x7C}, {0xEA, 0x07, 12, 7, 0xFF, 0xF0, 0xB0, 0x00, 0x00}},
        {{0x7B, 0xEA, 0x07, 12, 7, 0, 23, 59, 59}, {}}});
  EXPECT_EQ(link.ReadDeviceTime(), "07.12.2026 / 12:34:56");
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  link.SetDeviceTime(CalendarTime{2026, 12, 7, 23, 59, 59});
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  line.ExpectScriptDone();
}

}  // namespace
}  // namespace gd
