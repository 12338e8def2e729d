// The port field of the serial settings, the COMPORT values as applied at
// start-up, and the gauge caption of a long transfer.
#include <gtest/gtest.h>

#include "device/ComPortChoice.h"
#include "device/TransferProgress.h"

namespace gd {
namespace {

TEST(PortField, TakesComNamesAndAnyPath) {
  const PortChoice com2{1, ""};
  EXPECT_EQ(PortFieldText(com2), "COM2");
  EXPECT_EQ(PortFieldText({12, ""}), "");
  EXPECT_EQ(PortFieldText({12, "/dev/ttyACM0"}), "/dev/ttyACM0");

  PortChoice c = ParsePortField("com7", {1, "/dev/ttyACM0"});
  EXPECT_EQ(c.index, 6);
  EXPECT_TRUE(c.path.empty());

  c = ParsePortField("  /dev/serial/by-id/usb-FTDI_1-if00-port0 ", com2);
  EXPECT_EQ(c.index, 1);  // the number stays for the panels
  EXPECT_EQ(c.path, "/dev/serial/by-id/usb-FTDI_1-if00-port0");

  c = ParsePortField("COM10", com2);  // not one of COM1 .. COM9: a name of the system
  EXPECT_EQ(c.path, "COM10");
  EXPECT_EQ(c.index, 1);

  // A path with an index outside COM1 .. COM9 still opens under a valid number.
  c = ParsePortField("/dev/ttyACM0", {12, ""});
  EXPECT_EQ(c.index, 0);
  EXPECT_EQ(c.path, "/dev/ttyACM0");

  // An empty field keeps what was there.
  c = ParsePortField(" ", {3, "/dev/x"});
  EXPECT_EQ(c.index, 3);
  EXPECT_EQ(c.path, "/dev/x");
}

TEST(ComPortConfig, StopsAtTheFirstBadValueKeepingWhatWasApplied) {
  ComPortConfig values;
  values.portIndex = 11;  // kept: the next connect reports it
  values.baudOrdinal = 13;
  values.dataOrdinal = 2;
  values.parityOrdinal = 7;  // bad
  values.stopOrdinal = 0;
  values.blockSize = 100;
  ComPortConfig applied;
  EXPECT_FALSE(ApplyComPortConfig(values, applied));
  EXPECT_EQ(applied.portIndex, 11);
  EXPECT_EQ(applied.baudOrdinal, 13);
  EXPECT_EQ(applied.dataOrdinal, 2);
  EXPECT_EQ(applied.parityOrdinal, 2);
  EXPECT_EQ(applied.stopOrdinal, 2);
  EXPECT_EQ(applied.blockSize, 2048);

  values.parityOrdinal = 1;
  values.blockSize = 7;  // below the smallest block
  applied = {};
  EXPECT_FALSE(ApplyComPortConfig(values, applied));
  EXPECT_EQ(applied.stopOrdinal, 0);
  EXPECT_EQ(applied.blockSize, 2048);

  values.blockSize = 512;
  values.timeoutMs = 300;
  EXPECT_TRUE(ApplyComPortConfig(values, applied));
  EXPECT_EQ(applied.blockSize, 512);
  EXPECT_EQ(applied.timeoutMs, 300);
}

TEST(TransferProgress, BytesRateAndTimeLeft) {
  TransferProgress p;
  EXPECT_EQ(p.Text(), "");
  p.Update(0, 96000, 10000);
  EXPECT_EQ(p.Text(), "0 / 96000 Bytes");
  p.Update(500, 96000, 10500);  // under a second: no rate yet
  EXPECT_EQ(p.SecondsLeft(), -1);
  p.Update(9600, 96000, 20000);  // 960 bytes/s, 86400 bytes to go
  EXPECT_EQ(p.BytesPerSecond(), 960);
  EXPECT_EQ(p.SecondsLeft(), 90);
  EXPECT_EQ(p.Text(), "9600 / 96000 Bytes, 960 Bytes/s, noch 1:30");
  // A block sent again moves the gauge back: the rate starts anew.
  p.Update(9000, 96000, 21000);
  EXPECT_EQ(p.SecondsLeft(), -1);
  // A new gauge (the next area) starts anew too.
  p.Update(0, 160, 22000);
  EXPECT_EQ(p.Text(), "0 / 160 Bytes");
  p.Update(160, 160, 24000);
  EXPECT_EQ(p.SecondsLeft(), 0);
}

}  // namespace
}  // namespace gd
