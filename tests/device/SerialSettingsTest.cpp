// The serial settings dialog's model and the byte trace.
#include <gtest/gtest.h>

#include <sstream>

#include "device/FakeLink.h"
#include "device/SerialSettingsModel.h"
#include "device/SondAmComPort.h"
#include "device/TracePort.h"

namespace gd {
namespace {

TEST(SerialSettingsModelTest, ListsAndOpeningSelectTheCurrentSettings) {
  SerialSettingsModel model;
  ASSERT_EQ(model.ComPorts().size(), 9u);
  EXPECT_EQ(model.ComPorts()[8].text, "COM9");
  ASSERT_EQ(model.Bauds().size(), 6u);
  EXPECT_EQ(model.Bauds()[0].text, " 300");
  EXPECT_EQ(model.Bauds()[0].ordinal, 2);
  EXPECT_EQ(model.StopBitsList()[1].ordinal, 2);

  model.Open(1, PortSettings{}, 2048);
  EXPECT_EQ(model.comRow, 1);
  EXPECT_EQ(model.baudRow, 5);
  EXPECT_TRUE(model.IsStandard());
  EXPECT_FALSE(model.warningVisible);
  EXPECT_FALSE(model.areaExpanded);
  EXPECT_TRUE(model.okEnabled);
  EXPECT_FALSE(model.listsEnabled);
}

TEST(SerialSettingsModelTest, SettingsOutsideTheListsSelectNothingAndReadBackAsStandard) {
  SerialSettingsModel model;
  PortSettings fast;
  fast.baudOrdinal = 9;  // 19200 is not offered
  model.Open(12, fast, 5000);
  EXPECT_EQ(model.comRow, -1);
  EXPECT_EQ(model.baudRow, -1);
  EXPECT_EQ(model.blockSize, 2048);
  EXPECT_EQ(model.SelectedBaudOrdinal(), 7);
  // Nothing selected reads as the standard protocol.
  EXPECT_TRUE(model.IsStandard());
  const auto result = model.Ok(4, fast);
  EXPECT_EQ(result.portIndex, 4);  // no port chosen: unchanged
  EXPECT_EQ(result.settings.baudOrdinal, 7);
  EXPECT_TRUE(result.settings.hardwareFlow);
}

TEST(SerialSettingsModelTest, NonStandardProtocolWarnsAndCanBeTakenOver) {
  SerialSettingsModel model;
  PortSettings slow;
  slow.baudOrdinal = 6;  // 4800
  slow.parityOrdinal = 0;
  model.Open(0, slow, 8);
  EXPECT_EQ(model.blockSize, 8);
  EXPECT_FALSE(model.IsStandard());
  EXPECT_TRUE(model.warningVisible);
  EXPECT_TRUE(model.areaExpanded);
  EXPECT_FALSE(model.okEnabled);
  EXPECT_FALSE(model.protocolEnabled);
  EXPECT_TRUE(model.listsEnabled);
  EXPECT_TRUE(model.focusOnBauds);

  model.TakeOverClick();
  EXPECT_FALSE(model.areaExpanded);
  EXPECT_TRUE(model.warningVisible);
  EXPECT_TRUE(model.okEnabled);
  const auto result = model.Ok(0, slow);
  EXPECT_EQ(result.settings.baudOrdinal, 6);
  EXPECT_EQ(result.settings.parityOrdinal, 0);

  model.ProtocolClick();
  EXPECT_TRUE(model.areaExpanded);
  model.DefaultSettingsClick();
  EXPECT_TRUE(model.IsStandard());
  EXPECT_FALSE(model.warningVisible);
  EXPECT_FALSE(model.areaExpanded);
  EXPECT_EQ(model.Ok(0, slow).settings.baudOrdinal, 7);
}

TEST(TracePortTest, LogsEveryByteWithItsTime) {
  test::FakeLine line;
  test::FakePort port{line};
  test::FakeHost host{line};
  std::ostringstream log;
  TracePort trace(port, host, log);
  TSondAmComPort link{trace, host};
  link.SetPortPath("/dev/pts/9");
  line.script = {{{0x68}, {0x05, 0x15}}};
  link.OpenPort(0);
  link.SendCommand(0x68);
  EXPECT_EQ(link.ReceiveWord(), 0x1505);
  line.lineErrors = kLineBreak;
  line.input = {1};
  EXPECT_THROW(link.ReceiveByte(), ESerialRecTRANS);
  link.ClosePort();
  const std::string text = log.str();
  EXPECT_NE(text.find("         0 open /dev/pts/9 9600:8E2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("         5 > 68\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" < 05 15\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" line error Break\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" close\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace gd
