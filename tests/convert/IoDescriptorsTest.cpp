#include "convert/IoDescriptors.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace gd {
namespace {

TEST(IoDescriptors, SignalKindsAndUnits) {
  EXPECT_EQ(SignalKindText(0), "NIX      ");
  EXPECT_EQ(SignalKindText(3), "FREQUENCY");
  EXPECT_EQ(SignalKindText(4), "BINARY   ");
  EXPECT_EQ(SignalKindText(5), "UNKNOWN  ");
  EXPECT_EQ(SignalKindText(-1), "UNKNOWN  ");
  EXPECT_EQ(SignalUnitText(0), "   ");
  EXPECT_EQ(SignalUnitText(2), "V  ");
  EXPECT_EQ(SignalUnitText(3), "kHz");
  EXPECT_EQ(SignalUnitText(200), "???");
  for (int k = -1; k < 7; ++k) {
    EXPECT_EQ(SignalKindText(k).size(), 9u);
    EXPECT_EQ(SignalUnitText(k).size(), 3u);
  }
}

TEST(IoDescriptors, OutputStages) {
  EXPECT_EQ(OutputStageText(0, 3), "nothing   ");
  EXPECT_EQ(OutputStageText(1, 0), "Generic   ");
  EXPECT_EQ(OutputStageText(1, 0x0A), "SemiActive");  // only the low three bits count
  EXPECT_EQ(OutputStageText(1, 4), "UNDEF_I   ");
  EXPECT_EQ(OutputStageText(2, 1), "default   ");
  EXPECT_EQ(OutputStageText(2, 2), "booster   ");
  EXPECT_EQ(OutputStageText(2, 0), "UNDEF_U   ");
  EXPECT_EQ(OutputStageText(3, 2), "TotemPool ");
  EXPECT_EQ(OutputStageText(4, 3), "Reed      ");
  EXPECT_EQ(OutputStageText(4, 7), "UNDEF_B   ");
  EXPECT_EQ(OutputStageText(5, 0), "UNDEF KIND");
  for (int kind = 0; kind < 6; ++kind)
    for (int s = 0; s < 8; ++s)
      EXPECT_EQ(OutputStageText(kind, static_cast<std::uint8_t>(s)).size(), 10u);
}

TEST(IoDescriptors, OutputSources) {
  EXPECT_EQ(OutputSourceText(0, false), "Measure");
  EXPECT_EQ(OutputSourceText(5, false), "Temperature diff.");
  EXPECT_EQ(OutputSourceText(9, false), "Others");
  EXPECT_EQ(OutputSourceText(9, true), "");
  EXPECT_EQ(OutputSourceText(8, true), "Impuls");
  EXPECT_EQ(OutputSourceText(10, false), "?");
  EXPECT_EQ(OutputSourceText(-1, true), "?");
}

std::array<std::uint8_t, 44> SetupItem(std::uint8_t source, std::uint8_t selector) {
  std::array<std::uint8_t, 44> s{};
  s[0] = 1;
  s[1] = source;
  s[2] = selector;
  return s;
}

std::string Describe(std::uint8_t source, std::uint8_t selector, const InputLinkRecord* links) {
  const auto s = SetupItem(source, selector);
  return OutputValueDescription(s, links);
}

TEST(IoDescriptors, ValueDescriptions) {
  InputLinkRecord links;
  const char* names[8] = {"T1", "T2", "", "FIX", "X5", "-", "?9?", "X8"};
  for (std::size_t i = 0; i < 8; ++i) links.names[i].Assign(names[i]);

  EXPECT_EQ(Describe(0, 0, nullptr), "Current measure");
  EXPECT_EQ(Describe(3, 0xFD, nullptr), "Flow");  // only v & 3
  EXPECT_EQ(Describe(2, 2, nullptr), "Heat");
  EXPECT_EQ(Describe(1, 3, nullptr), "UNKNOWN SPEC");

  EXPECT_EQ(Describe(4, 0 << 2, &links), "T-Inlet [1]=T1");
  EXPECT_EQ(Describe(4, 1 << 2, &links), "T-Outlet[2]=T2");
  EXPECT_EQ(Describe(4, 3 << 2, &links), "T[4]=FIX");
  EXPECT_EQ(Describe(4, 4 << 2, &links), "UNKNOWN SPEC");
  EXPECT_EQ(Describe(4, 0, nullptr), "UNKNOWN SPEC");

  EXPECT_EQ(Describe(5, 0 << 2, &links), "Tv(=T1)-Tr(=T2)");
  EXPECT_EQ(Describe(5, 1 << 2, &links), "Tv(=T1)-T?");  // empty third text
  EXPECT_EQ(Describe(5, 2 << 2, &links), "Tr(=T2)-T?");
  EXPECT_EQ(Describe(5, 3 << 2, &links), "Tv(=T1)-FIX");
  EXPECT_EQ(Describe(5, 4 << 2, &links), "Tr(=T2)-FIX");
  EXPECT_EQ(Describe(5, 5 << 2, &links), "T? - FIX");
  EXPECT_EQ(Describe(5, 6 << 2, &links), "UNKNOWN SPEC");
  EXPECT_EQ(Describe(5, 0, nullptr), "UNKNOWN SPEC");

  EXPECT_EQ(Describe(6, 0 << 2, &links), "X[1]=X5");
  EXPECT_EQ(Describe(6, 3 << 2, &links), "X[4]=X8");
  EXPECT_EQ(Describe(6, 4 << 2, &links), "UNKNOWN SPEC");
  EXPECT_EQ(Describe(6, 0, nullptr), "UNKNOWN SPEC");

  // Alarms and pulses use bits 5..6 and need no links.
  EXPECT_EQ(Describe(7, 0x00, nullptr), "R1");
  EXPECT_EQ(Describe(7, 0x7F, nullptr), "R4");
  EXPECT_EQ(Describe(8, 0x20, nullptr), "from x>0");
  EXPECT_EQ(Describe(8, 0x40, nullptr), "from x<0");
  EXPECT_EQ(Describe(8, 0x60, nullptr), "reserved");
  EXPECT_EQ(Describe(8, 0x1F, nullptr), "from abs(x)");

  EXPECT_EQ(Describe(9, 0 << 2, nullptr), "Sound velocity");
  EXPECT_EQ(Describe(9, 1 << 2, nullptr), "Concentration");
  EXPECT_EQ(Describe(9, 2 << 2, nullptr), "Signal");
  EXPECT_EQ(Describe(9, 3 << 2, nullptr), "UNKNOWN SPEC");
  EXPECT_EQ(Describe(10, 0, &links), "UNKNOWN SPEC");
}

std::array<std::uint8_t, 32> Hardware(std::uint8_t kind, std::uint8_t scale) {
  std::array<std::uint8_t, 32> h{};
  h[0] = 1;
  h[1] = kind;
  h[5] = scale;
  return h;
}

TEST(IoDescriptors, OutputValueTexts) {
  const auto current = Hardware(1, 4);                     // 0.02 per step
  EXPECT_EQ(OutputValueText(50, current, false), "1.00");  // 1.0 is not above 1
  EXPECT_EQ(OutputValueText(51, current, false), " 1.0");
  EXPECT_EQ(OutputValueText(200, current, true), " 4.0 mA ");
  EXPECT_EQ(OutputValueText(255, Hardware(2, 255), true), "325.1 V  ");  // wider than 4
  const auto binary = Hardware(4, 200);
  EXPECT_EQ(OutputValueText(3, binary, false), "   3");
  EXPECT_EQ(OutputValueText(3, binary, true), "ON  ");
  EXPECT_EQ(OutputValueText(0, binary, true), "OFF ");
  EXPECT_EQ(OutputValueText(9, ByteView(), true), "0.00    ");  // no hardware item
}

TEST(IoDescriptors, OnErrorAndInputModes) {
  const auto h = Hardware(1, 4);
  auto setup = SetupItem(0, 0);
  setup[17] = 200;
  setup[18] = 250;
  setup[21] = 10;
  const std::pair<std::uint8_t, std::string> cases[] = {
      {0x00, "MINIMUM ( 4.0 mA )"}, {0x81, "Hold Last Value"}, {0x0A, "MAXIMUM ( 5.0 mA )"},
      {0x03, "Output 0.20 mA "},    {0x04, "UNKNOWN MODE"},    {0x07, "UNKNOWN MODE"}};
  for (const auto& [mode, text] : cases) {
    setup[3] = mode;
    EXPECT_EQ(OnErrorText(setup, h), text) << int{mode};
  }
  setup[3] = 0x08;
  EXPECT_EQ(InputModeText(setup), "ABSOLUTE");
  setup[3] = 0xF7;
  EXPECT_EQ(InputModeText(setup), "SIGN");

  EXPECT_EQ(InputHardwareTypeText(1), "Pt100  ");
  EXPECT_EQ(InputHardwareTypeText(2), "0..1V  ");
  EXPECT_EQ(InputHardwareTypeText(3), "0..10V ");
  EXPECT_EQ(InputHardwareTypeText(4), "4..20mA");
  EXPECT_EQ(InputHardwareTypeText(0), "UNKNOWN");
}

}  // namespace
}  // namespace gd
