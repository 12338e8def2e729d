// The byte layer of the link: opening and closing, paced sending, timed
// receiving, line errors, the window's panels and the command start.
#include <gtest/gtest.h>

#include "device/FakeLink.h"
#include "device/LineSettings.h"
#include "device/SondAmComPort.h"

namespace gd {
namespace {

using test::B;
using test::ByteList;
using test::Cat;

class LinkTest : public ::testing::Test {
 protected:
  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host, "GAUGEUNIT"};
};

TEST(LineSettingsTest, TablesAndStatusText) {
  EXPECT_EQ(BaudText(0), "USER");
  EXPECT_EQ(BaudRate(7), 9600);
  EXPECT_EQ(BaudRate(13), 115200);
  EXPECT_EQ(BaudRate(0), 0);
  EXPECT_EQ(BaudRate(16), 0);
  EXPECT_EQ(DataBits(0), 5);
  EXPECT_EQ(DataBits(3), 8);
  EXPECT_EQ(ParityName(4), "SPACE");
  EXPECT_EQ(StopBitsText(1), "1.5");
  EXPECT_EQ(LineSettingsText(PortSettings{}), "9600:8E2");
  PortSettings slow{"COM1", 2, 2, 1, 1};
  EXPECT_EQ(LineSettingsText(slow), " 300:7O1");
  PortSettings fast{"COM1", 13, 3, 0, 0};
  EXPECT_EQ(LineSettingsText(fast), "115200:8N1");
  EXPECT_EQ(ComPortName(1), "COM2");
}

TEST_F(LinkTest, OpenShowsSettingsAndCloseShowsClosed) {
  link.OpenPort(1);
  EXPECT_TRUE(link.PortOpen());
  EXPECT_EQ(line.openedName, "COM2");
  EXPECT_EQ(link.Panels().STA_ComNr, "COM2");
  EXPECT_FALSE(link.Panels().comNrRed);
  EXPECT_EQ(link.Panels().STA_ComLongText, "OPEN");
  EXPECT_EQ(link.Panels().STA_ComSettings, "9600:8E2");
  link.ClosePort();
  EXPECT_EQ(link.OpenIndex(), -1);
  EXPECT_EQ(link.Panels().STA_ComLongText, "CLOSED");
  EXPECT_FALSE(line.open);
  link.ClosePort();  // closed: nothing happens
  EXPECT_EQ(line.closes, 1);
}

TEST_F(LinkTest, PortPathOverridesTheComName) {
  link.SetPortPath("/dev/pts/7");
  link.OpenPort(0);
  EXPECT_EQ(line.openedName, "/dev/pts/7");
  EXPECT_EQ(link.Panels().STA_ComNr, "COM1");
}

TEST_F(LinkTest, InvalidIndexAndFailedOpen) {
  try {
    link.OpenPort(9);
    FAIL();
  } catch (const EComPortFAIL& e) {
    EXPECT_STREQ(e.what(), "INVALID COM-Port");
  }
  EXPECT_EQ(link.Panels().STA_ComLongText, "UNSPEC COM");
  EXPECT_EQ(link.Panels().STA_ComSettings, "-");
  EXPECT_TRUE(link.Panels().comNrRed);
  EXPECT_EQ(line.opens, 0);
  EXPECT_THROW(link.OpenPort(-1), EComPortFAIL);

  line.openFails = true;
  line.openCause = "Permission denied: not in the dialout group";
  try {
    link.OpenPort(3);
    FAIL();
  } catch (const EComPortFAIL& e) {
    EXPECT_STREQ(e.what(), "COM4 KANN NICHT BENUTZT WERDEN");
  }
  EXPECT_EQ(link.OpenIndex(), -1);
  EXPECT_EQ(link.RequestedIndex(), 3);
  EXPECT_EQ(link.Panels().STA_ComLongText, "Permission denied: not in the dialout group");
  EXPECT_TRUE(link.Panels().comNrRed);
}

TEST_F(LinkTest, ReopenOnlyWhenOpen) {
  EXPECT_FALSE(link.ReopenPort());
  link.OpenPort(0);
  EXPECT_TRUE(link.ReopenPort());
  EXPECT_EQ(line.opens, 2);
  line.openFails = true;
  EXPECT_FALSE(link.ReopenPort());
  EXPECT_FALSE(link.PortOpen());
}

TEST_F(LinkTest, SendIsLittleEndianAndPacedAtLeastFiveMs) {
  line.script = {{{0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB}, {}}};
  link.OpenPort(0);
  link.SendWord(0x1234);
  link.SendDword(0x12345678);
  const ByteList block = {0xAA, 0xBB};
  link.SendBlock(block);
  line.ExpectScriptDone();
  EXPECT_EQ(link.SentBytes(), 8u);
  ASSERT_EQ(line.writeTimes.size(), 8u);
  for (std::size_t i = 1; i < line.writeTimes.size(); ++i)
    EXPECT_GE(line.writeTimes[i] - line.writeTimes[i - 1], 5) << "byte " << i;
}

TEST_F(LinkTest, SendWaitsForTheQueueAndFailsAfterTwoSeconds) {
  line.script = {{{0x01}, {}}};
  link.OpenPort(0);
  line.notYetSent = 3;  // drains at the first wait
  link.SendByte(1);
  EXPECT_EQ(line.written, ByteList{1});

  line.notYetSent = 3;
  line.queueStuck = true;
  const std::int64_t before = line.now;
  try {
    link.SendByte(2);
    FAIL();
  } catch (const ESerialSendTIME& e) {
    EXPECT_STREQ(e.what(), "SERIAL SEND ERROR 0");
  }
  EXPECT_GT(line.now - before, 2000);
  EXPECT_EQ(link.GetCommandState(), CommandState::kFail);
  EXPECT_EQ(line.written, ByteList{1});  // nothing written after the stuck queue
}

TEST_F(LinkTest, ReceiveWordsAndBlocks) {
  link.OpenPort(0);
  line.input = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 7, 8, 9};
  EXPECT_EQ(link.ReceiveWord(), 0x1234);
  EXPECT_EQ(link.ReceiveDword(), 0x12345678u);
  std::array<std::uint8_t, 3> block{};
  link.ReceiveBlock(block);
  EXPECT_EQ(block, (std::array<std::uint8_t, 3>{7, 8, 9}));
  EXPECT_EQ(link.ReceivedBytes(), 9u);
  EXPECT_FALSE(link.Panels().recTOVisible);
  link.ReceiveBlock({});  // n = 0 receives nothing
}

TEST_F(LinkTest, TimeoutIsPerCallAndShowsTheBlockPosition) {
  link.OpenPort(0);
  link.SetTimeoutMs(2000);
  // Bytes 1 and 2 come at once, byte 3 never: the third wait times out
  // 2000 ms after it began, not after the block began.
  line.input = {1, 2};
  std::array<std::uint8_t, 5> block{};
  const std::int64_t start = line.now;
  try {
    link.ReceiveBlock(block);
    FAIL();
  } catch (const ESerialRecTIME& e) {
    EXPECT_STREQ(e.what(), "RECEIVE TIMEOUT");
  }
  EXPECT_GE(line.now - start, 2000);
  EXPECT_LT(line.now - start, 2100);
  EXPECT_TRUE(link.Panels().recTOVisible);
  EXPECT_EQ(link.Panels().LAB_RecTO, "3/5");
  EXPECT_EQ(link.GetCommandState(), CommandState::kFail);
  EXPECT_TRUE(link.TimeoutFlag());

  // A slow meter whose every byte arrives within the time-out is fine.
  link.SetTimeoutMs(100);
  line.pending = {{line.now + 90, {1}}, {line.now + 180, {2}}, {line.now + 270, {3}}};
  std::array<std::uint8_t, 3> slow{};
  link.ReceiveBlock(slow);
  EXPECT_EQ(slow, (std::array<std::uint8_t, 3>{1, 2, 3}));
}

TEST_F(LinkTest, BytesArrivingWithTheTimeoutCount) {
  link.OpenPort(0);
  link.SetTimeoutMs(100);
  line.pending = {{line.now + 100, {0x42}}};
  EXPECT_EQ(link.ReceiveByte(), 0x42);
  EXPECT_FALSE(link.TimeoutFlag());
}

TEST_F(LinkTest, LineErrorRaisesEvenWhenTheBytesArrived) {
  link.OpenPort(0);
  line.input = {1};
  line.lineErrors = kLineFrame | kLineOverrun;
  try {
    link.ReceiveByte();
    FAIL();
  } catch (const ESerialRecTRANS& e) {
    EXPECT_STREQ(e.what(), "SERIAL RECIEVE ERROR");
  }
  EXPECT_EQ(link.Panels().STA_ComLongText, "FrameOverrun");
  EXPECT_EQ(link.GetCommandState(), CommandState::kFail);
  EXPECT_EQ(LineErrorNames(0xFF), "FrameRxParityOverrunBreakIOModeRxOverTxFull");
}

TEST_F(LinkTest, ReceiveStringConvertsDosLetters) {
  link.OpenPort(0);
  line.input = {4, 'M', 0x81, 0x99, 0xE1, 0};
  EXPECT_EQ(link.ReceiveString(), "M\xFC\x99\xDF");
  const std::int64_t before = line.now;
  EXPECT_EQ(link.ReceiveString(), "");  // length 0: no wait
  EXPECT_EQ(line.now, before);
  EXPECT_EQ(link.ReceivedBytes(), 6u);
}

TEST_F(LinkTest, PortLostDuringAWaitIsClosedNotATimeout) {
  link.OpenPort(0);
  line.onEvents = [&] { line.open = false; };
  EXPECT_THROW(link.ReceiveByte(), EComPortFAIL);
  EXPECT_FALSE(link.PortOpen());
}

TEST_F(LinkTest, CancelClosesThePortAndRaises) {
  link.OpenPort(0);
  line.onEvents = [&] {
    if (line.now > 1500) link.RequestCancel();
  };
  try {
    link.ReceiveByte();
    FAIL();
  } catch (const ESerialCancelled& e) {
    EXPECT_STREQ(e.what(), "ABBRUCH DURCH BENUTZER");
  }
  EXPECT_LT(line.now, 1600);
  EXPECT_FALSE(link.PortOpen());
  EXPECT_FALSE(line.open);
}

TEST_F(LinkTest, SendCommandGuardsAndShowsTheName) {
  EXPECT_THROW(
      {
        try {
          link.SendCommand(0x68);
        } catch (const EComPortFAIL& e) {
          EXPECT_STREQ(e.what(), "COM-Port Closed");
          throw;
        }
      },
      EComPortFAIL);
  line.script = {{{0x68}, {}}};
  link.OpenPort(0);
  link.SendCommand(0x68);
  EXPECT_EQ(link.GetCommandState(), CommandState::kRun);
  EXPECT_EQ(link.Panels().STA_CmdState, "Run ");
  EXPECT_EQ(link.Panels().STA_DoingShort, "CMD");
  EXPECT_EQ(link.Panels().STA_DoingLong, "FirmwareVersion");
  try {
    link.SendCommand(0x67);
    FAIL();
  } catch (const ECommandOverlapped& e) {
    EXPECT_STREQ(e.what(), "COMMAND SHARING");
  }
  EXPECT_EQ(link.GetCommandState(), CommandState::kRun);  // the running command goes on
  line.ExpectScriptDone();
  EXPECT_STREQ(CommandDisplayName(0xDB), "Measuring Values");
  EXPECT_STREQ(CommandDisplayName(0xD7), "--cmd--");
  EXPECT_STREQ(CommandDisplayName(0x58), "RomData");
}

TEST_F(LinkTest, StatusRefreshAndProgress) {
  link.Timer1Timer();
  EXPECT_EQ(link.Panels().STA_InQUE, "");
  EXPECT_EQ(link.Panels().STA_CmdState, "Idle");
  link.OpenPort(0);
  line.input = {1, 2, 3};
  line.notYetSent = 4;
  link.StartProgress("Load Prolog", 160, ProgressMode::kReceived);
  EXPECT_EQ(link.Panels().STA_GAUDOING, "Load Prolog");
  link.ReceiveByte();
  link.Timer1Timer();
  EXPECT_EQ(link.Panels().STA_InQUE, "2\\0");
  EXPECT_EQ(link.Panels().STA_OUTQUE, "00\\4");
  EXPECT_EQ(link.Panels().gaugeProgress, 1);
  EXPECT_EQ(link.Panels().gaugeMaximum, 160);
  EXPECT_EQ(link.Panels().STA_GAUDOING, "");  // not in slave mode
}

}  // namespace
}  // namespace gd
