// Connection to the meter: the slave-mode handshake with its timing, the
// identification on both sides of the V 3.48 check, the single retry, the
// return to main mode, firmware versions and their texts. Every byte the
// program sends and every reply it accepts is written out by hand here.
#include <gtest/gtest.h>

#include "device/FakeLink.h"
#include "device/SondAmComPort.h"

namespace gd {
namespace {

using test::B;
using test::ByteList;
using test::Cat;
using test::Exchange;

const ByteList kToken = B("HI SONDV3");
const ByteList kReady = B("\r\n\0READY");  // READY at positions 3..7
const ByteList kLumi3 = {0x9A, 0x03};
const ByteList kBackToMain = {0x9A, 0x04, 0x64};

// The identification of a meter with firmware V 5.21, serial "SN 4711".
std::vector<Exchange> Identification521() {
  return {
      {kLumi3, {}},
      {{0x68}, {0x05, 0x15}},
      {{0x70}, Cat({{10}, B("12.03.2019")})},
      {{0x67}, Cat({{7}, B("SN 4711")})},
      {{0xD7}, {0x34, 0x12}},
      {{0x56}, {0x78, 0x56, 0xCD, 0xAB}},
  };
}

class ConnectionTest : public ::testing::Test {
 protected:
  void Script(std::initializer_list<std::vector<Exchange>> parts) {
    for (const auto& p : parts) line.script.insert(line.script.end(), p.begin(), p.end());
  }

  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host, "GAUGEUNIT"};
};

TEST_F(ConnectionTest, ConnectReadsTheIdentification) {
  Script({{{kToken, kReady}}, Identification521()});
  ASSERT_TRUE(link.Connect(1));
  line.ExpectScriptDone();
  EXPECT_EQ(line.openedName, "COM2");
  EXPECT_TRUE(link.SlaveMode());
  EXPECT_EQ(link.FirmwareVersion(), 0x1505);
  EXPECT_EQ(link.FirmwareDate(), "12.03.2019");
  EXPECT_EQ(link.SerialNumber(), "SN 4711");
  EXPECT_EQ(link.IdentWordA(), 0x1234);
  EXPECT_EQ(link.IdentWordB(), 0x5678);
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  const ComPortPanels& p = link.Panels();
  EXPECT_EQ(p.LAB_FirmwareVersion, "V 5.21");
  EXPECT_EQ(p.LAB_FirmwareDate, "12.03.2019");
  EXPECT_EQ(p.firmwareHint, "00001234/00005678");
  EXPECT_EQ(p.caption, "SN 4711 SERIELL");
  EXPECT_EQ(p.STA_DoingShort, "");
  EXPECT_EQ(p.STA_DoingLong, ">GAUGEUNIT in SlaveMode<");
  EXPECT_EQ(p.LAB_MAINDOING, "");
  EXPECT_FALSE(p.mainDoingRed);
  link.Timer1Timer();
  EXPECT_EQ(link.Panels().STA_GAUDOING, "READY FOR COMMAND");
}

TEST_F(ConnectionTest, HandshakeWaitsMoreThanThirtyMsBeforeEachTokenByte) {
  Script({{{kToken, kReady}}, Identification521()});
  const std::int64_t start = line.now;
  ASSERT_TRUE(link.Connect(0));
  ASSERT_GE(line.writeTimes.size(), 9u);
  EXPECT_GE(line.writeTimes[0] - start, 31 + 5);
  for (std::size_t i = 1; i < 9; ++i)
    EXPECT_GE(line.writeTimes[i] - line.writeTimes[i - 1], 31 + 5) << "token byte " << i;
}

TEST_F(ConnectionTest, OlderFirmwareSkipsIdentWordBAndStringsAreCut) {
  Script({{{kToken, kReady},
           {kLumi3, {}},
           {{0x68}, {0x03, 0x0C}},  // V 3.12
           {{0x70}, Cat({{20}, B("01234567890123456789")})},
           {{0x67}, Cat({{3}, B("S\x81X")})},
           {{0xD7}, {0x01, 0x00}}}});
  ASSERT_TRUE(link.Connect(0));
  line.ExpectScriptDone();
  EXPECT_EQ(link.FirmwareDate(), "0123456789012345");  // 16 characters kept
  EXPECT_EQ(link.SerialNumber(), "S\xFCX");            // DOS letters converted
  EXPECT_EQ(link.IdentWordB(), 0);
  EXPECT_EQ(link.Panels().firmwareHint, "00000001/00000000");
}

TEST_F(ConnectionTest, ReplyWithoutReadyFailsWithoutRetry) {
  Script({{{kToken, B("HELLO..."), 0}}});
  EXPECT_FALSE(link.Connect(0));
  line.ExpectScriptDone();  // one token only
  EXPECT_FALSE(link.SlaveMode());
  EXPECT_TRUE(link.PortOpen());
  EXPECT_EQ(link.Panels().LAB_MAINDOING, "Fehler Verbindungsaufbau");
  EXPECT_TRUE(link.Panels().mainDoingRed);
  EXPECT_EQ(link.Panels().STA_DoingLong, "SwitchToSlaveMode FAIL");
  EXPECT_EQ(link.Panels().LAB_FirmwareVersion, "V 0.0");
  EXPECT_EQ(link.SerialNumber(), "?");
  EXPECT_EQ(link.Panels().caption, "GAUGEUNIT SERIELL");
}

TEST_F(ConnectionTest, SilenceRetriesOnceThroughMainMode) {
  // First token unanswered; back to main mode (unanswered too, its error is
  // ignored); the port is opened again and the second token succeeds.
  Script({{{kToken, {}}, {kBackToMain, {}}, {kToken, kReady}}, Identification521()});
  ASSERT_TRUE(link.Connect(0));
  line.ExpectScriptDone();
  EXPECT_TRUE(link.SlaveMode());
  EXPECT_TRUE(link.PortOpen());
}

TEST_F(ConnectionTest, SilenceTwiceRaisesTheTimeout) {
  Script({{{kToken, {}}, {kBackToMain, {}}, {kToken, {}}}});
  try {
    link.Connect(0);
    FAIL();
  } catch (const ESerialRecTIME& e) {
    EXPECT_STREQ(e.what(), "RECEIVE TIMEOUT");
  }
  line.ExpectScriptDone();
  EXPECT_EQ(link.Panels().LAB_MAINDOING, "Fehler Verbindungsaufbau");
  EXPECT_EQ(link.Switching(), SwitchState::kNone);
}

TEST_F(ConnectionTest, PortThatCannotOpenIsNotRetried) {
  line.openFails = true;
  EXPECT_THROW(link.Connect(0), EComPortFAIL);
  EXPECT_EQ(line.opens, 1);
  EXPECT_TRUE(line.written.empty());
}

TEST_F(ConnectionTest, CommandDuringTheHandshakeIsRefused) {
  Script({{{kToken, kReady}}, Identification521()});
  std::string refused;
  line.onEvents = [&] {
    if (link.Switching() == SwitchState::kToSlave && refused.empty()) {
      try {
        link.SendCommand(0x93);
      } catch (const ECommandOverlapped& e) {
        refused = e.what();
      }
    }
  };
  ASSERT_TRUE(link.Connect(0));
  EXPECT_EQ(refused, "COMMAND SHARING");
  line.ExpectScriptDone();  // no stray 0x93 on the line
}

TEST_F(ConnectionTest, SwitchToMainModeAlwaysClosesThePort) {
  Script({{{kToken, kReady}}, Identification521(), {{kBackToMain, kReady}}});
  ASSERT_TRUE(link.Connect(0));
  EXPECT_TRUE(link.SwitchToMainMode());
  line.ExpectScriptDone();
  EXPECT_FALSE(link.SlaveMode());
  EXPECT_FALSE(link.PortOpen());
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);

  // A silent meter: the error comes through, the port is closed anyway.
  test::FakeLine line2;
  test::FakePort port2{line2};
  test::FakeHost host2{line2};
  TSondAmComPort link2{port2, host2};
  line2.script = {{kToken, kReady}};
  const std::vector<Exchange> ident = Identification521();
  line2.script.insert(line2.script.end(), ident.begin(), ident.end());
  line2.script.push_back({kBackToMain, {}});
  ASSERT_TRUE(link2.Connect(0));
  EXPECT_THROW(link2.SwitchToMainMode(), ESerialRecTIME);
  EXPECT_FALSE(link2.PortOpen());
  EXPECT_EQ(link2.Panels().STA_GAUDOING, "FAIL");
  EXPECT_TRUE(link2.SlaveMode());  // stays as it was after a failure
  EXPECT_EQ(link2.GetCommandState(), CommandState::kIdle);
}

TEST_F(ConnectionTest, SetLumiAndHereAmI) {
  line.script = {{{0x9A, 0x07, 0x93}, {}}};
  link.OpenPort(0);
  link.SetLumi(7);
  EXPECT_EQ(link.Panels().STA_DoingLong, "SetLumi (#7)");
  link.HereAmI();
  EXPECT_EQ(link.Panels().STA_DoingLong, "Here am I");
  EXPECT_EQ(link.GetCommandState(), CommandState::kIdle);
  line.ExpectScriptDone();
}

TEST_F(ConnectionTest, CancelDuringTheHandshakeClosesThePort) {
  Script({{{kToken, kReady}}});
  line.onEvents = [&] {
    if (line.written.size() == 3) link.RequestCancel();
  };
  EXPECT_THROW(link.Connect(0), ESerialCancelled);
  EXPECT_FALSE(line.open);
  EXPECT_EQ(line.written.size(), 3u);
}

TEST(FirmwareTest, ComparisonIsMajorFirst) {
  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host};
  line.script = {{kToken, kReady}, {kLumi3, {}},  {{0x68}, {0x03, 0x0C}},
                 {{0x70}, {0}},    {{0x67}, {0}}, {{0xD7}, {0, 0}}};
  ASSERT_TRUE(link.Connect(0));
  EXPECT_TRUE(link.FirmwareAtLeast(0x0C03));
  EXPECT_FALSE(link.FirmwareAtLeast(0x1505));
  EXPECT_FALSE(link.FirmwareAtLeast(0x0D03));
  EXPECT_TRUE(link.FirmwareAtLeast(0x0B03));
  EXPECT_TRUE(link.FirmwareAtLeast(0x6302));  // 2.99 < 3.12
  EXPECT_NO_THROW(link.RequireNamedTableFirmware());
  EXPECT_NO_THROW(link.RequireCoefficientFirmware());
}

TEST(FirmwareTest, VersionTextsAndTooOldMessages) {
  EXPECT_EQ(FormatFirmwareVersion(0x0C03), "V 3.12");
  EXPECT_EQ(FormatFirmwareVersion(0x0502), "V 2.50");
  EXPECT_EQ(FormatFirmwareVersion(0x1402), "V 2.20");
  EXPECT_EQ(FormatFirmwareVersion(0x0203), "V 3.02");
  EXPECT_EQ(FormatFirmwareVersion(0), "V 0.0");

  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host};
  line.script = {{kToken, kReady}, {kLumi3, {}},  {{0x68}, {0x02, 40}},
                 {{0x70}, {0}},    {{0x67}, {0}}, {{0xD7}, {0, 0}}};
  ASSERT_TRUE(link.Connect(0));  // V 2.40
  const std::size_t sent = line.written.size();
  try {
    link.RequireCoefficientFirmware();
    FAIL();
  } catch (const EVersionNotSupportet& e) {
    EXPECT_STREQ(e.what(), "Firmware V 3.02 wird nicht unterstuetzt");
  }
  try {
    link.RequireNamedTableFirmware();
    FAIL();
  } catch (const EVersionNotSupportet& e) {
    EXPECT_STREQ(e.what(), "V 2.40 wird nicht unterst\xFCtzt");
  }
  EXPECT_EQ(line.written.size(), sent);
}

TEST(FirmwareTest, Version401PassesThe348Check) {
  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  TSondAmComPort link{port, host};
  // 0x0104 is V 4.01: the major number decides, so word B is read.
  line.script = {{kToken, kReady}, {kLumi3, {}},     {{0x68}, {0x04, 0x01}}, {{0x70}, {0}},
                 {{0x67}, {0}},    {{0xD7}, {0, 0}}, {{0x56}, {9, 0, 0, 0}}};
  ASSERT_TRUE(link.Connect(0));
  line.ExpectScriptDone();
  EXPECT_EQ(link.IdentWordB(), 9);
}

}  // namespace
}  // namespace gd
