// The meter's clock: reading it as a text and setting it to the PC's time.
#include <array>
#include <cstdio>

#include "device/SondAmComPort.h"

namespace gd {

std::string TSondAmComPort::ReadDeviceTime() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kDateTime);
  std::array<std::uint8_t, 9> reply{};
  ReceiveBlock(reply);
  const int year = reply[0] | (reply[1] << 8);
  const int month = reply[2];
  const int day = reply[3];
  const std::uint32_t seconds = std::uint32_t{reply[5]} | (std::uint32_t{reply[6]} << 8) |
                                (std::uint32_t{reply[7]} << 16) | (std::uint32_t{reply[8]} << 24);
  const unsigned hour = seconds / 3600;
  const unsigned minute = seconds % 3600 / 60;
  const unsigned second = seconds % 60;
  char text[80];
  std::snprintf(text, sizeof text, "%2.2d.%2.2d.%2.2d / %2.2u:%2.2u:%2.2u", day, month, year, hour,
                minute, second);
  return text;
}

void TSondAmComPort::SetDeviceTime(const CalendarTime& now) {
  const std::array<std::uint8_t, 8> setting = {static_cast<std::uint8_t>(now.year & 0xFF),
                                               static_cast<std::uint8_t>((now.year >> 8) & 0xFF),
                                               static_cast<std::uint8_t>(now.month),
                                               static_cast<std::uint8_t>(now.day),
                                               0,
                                               static_cast<std::uint8_t>(now.hour),
                                               static_cast<std::uint8_t>(now.minute),
                                               static_cast<std::uint8_t>(now.second)};
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kSetHostDateTime);
  SendBlock(setting);
}

}  // namespace gd
