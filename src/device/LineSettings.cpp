#include "device/LineSettings.h"

#include <array>
#include <cstdio>

namespace gd {
namespace {

struct BaudEntry {
  const char* text;
  int rate;
};

constexpr std::array<BaudEntry, kBaudOrdinalCount> kBauds = {{
    {"USER", 0},
    {"110", 110},
    {"300", 300},
    {"600", 600},
    {"1200", 1200},
    {"2400", 2400},
    {"4800", 4800},
    {"9600", 9600},
    {"14400", 14400},
    {"19200", 19200},
    {"38400", 38400},
    {"56000", 56000},
    {"57600", 57600},
    {"115200", 115200},
    {"128000", 128000},
    {"256000", 256000},
}};

constexpr std::array<const char*, kParityOrdinalCount> kParities = {"NONE", "ODD", "EVEN", "MARK",
                                                                    "SPACE"};
constexpr std::array<const char*, kStopOrdinalCount> kStops = {"1", "1.5", "2"};

}  // namespace

std::string BaudText(int ordinal) {
  if (ordinal < 0 || ordinal >= kBaudOrdinalCount) return {};
  return kBauds[static_cast<std::size_t>(ordinal)].text;
}

int BaudRate(int ordinal) {
  if (ordinal < 0 || ordinal >= kBaudOrdinalCount) return 0;
  return kBauds[static_cast<std::size_t>(ordinal)].rate;
}

int DataBits(int ordinal) {
  if (ordinal < 0 || ordinal >= kDataOrdinalCount) return 0;
  return 5 + ordinal;
}

std::string ParityName(int ordinal) {
  if (ordinal < 0 || ordinal >= kParityOrdinalCount) return {};
  return kParities[static_cast<std::size_t>(ordinal)];
}

std::string StopBitsText(int ordinal) {
  if (ordinal < 0 || ordinal >= kStopOrdinalCount) return {};
  return kStops[static_cast<std::size_t>(ordinal)];
}

std::string LineSettingsText(const PortSettings& settings) {
  const int data = DataBits(settings.dataOrdinal);
  const std::string dataText = data ? std::to_string(data) : std::string();
  const std::string parity = ParityName(settings.parityOrdinal).substr(0, 1);
  const std::string stop = StopBitsText(settings.stopOrdinal).substr(0, 1);
  std::string baud = BaudText(settings.baudOrdinal);
  if (baud.size() < 4) baud.insert(0, 4 - baud.size(), ' ');
  auto field = [](const std::string& s) { return s.empty() ? std::string(" ") : s; };
  return baud + ":" + field(dataText) + field(parity) + field(stop);
}

std::string ComPortName(int index) { return "COM" + std::to_string(index + 1); }

}  // namespace gd
