// The line-setting tables of the serial link: baud, data-bit, parity and
// stop-bit ordinals as the configuration file and the status panel use them,
// and the COMPORT values of the configuration.
#pragma once

#include <string>

#include "device/SerialPort.h"

namespace gd {

inline constexpr int kBaudOrdinalCount = 16;
inline constexpr int kDataOrdinalCount = 4;
inline constexpr int kParityOrdinalCount = 5;
inline constexpr int kStopOrdinalCount = 3;

// The standard protocol of the meter: 9600 baud, 8 data bits, even parity,
// 2 stop bits.
inline constexpr int kStandardBaudOrdinal = 7;
inline constexpr int kStandardDataOrdinal = 3;
inline constexpr int kStandardParityOrdinal = 2;
inline constexpr int kStandardStopOrdinal = 2;

// Ports COM1 .. COM9 are the indexes 0 .. 8.
inline constexpr int kPortIndexCount = 9;

// "USER", "110", "300", ... "256000" for ordinals 0 .. 15; "" outside.
std::string BaudText(int ordinal);
// The rate in bits per second; 0 for "USER" (no rate of its own) and outside.
int BaudRate(int ordinal);
// 5 .. 8 for ordinals 0 .. 3; 0 outside.
int DataBits(int ordinal);
// "NONE", "ODD", "EVEN", "MARK", "SPACE" for ordinals 0 .. 4; "" outside.
std::string ParityName(int ordinal);
// "1", "1.5", "2" for ordinals 0 .. 2; "" outside.
std::string StopBitsText(int ordinal);
// The status-panel text "%4s:%1s%1s%1s": baud text, data-bit digit, first
// letter of the parity, first character of the stop bits ("9600:8E2").
std::string LineSettingsText(const PortSettings& settings);
// "COM%d" of index + 1.
std::string ComPortName(int index);

// The COMPORT section of the configuration as the link uses it.
struct ComPortConfig {
  int portIndex = 1;  // key "COM" is the number 1 .. 9; the index is number - 1
  int baudOrdinal = kStandardBaudOrdinal;
  int dataOrdinal = kStandardDataOrdinal;
  int parityOrdinal = kStandardParityOrdinal;
  int stopOrdinal = kStandardStopOrdinal;
  int blockSize = 2048;  // "SHUNKS": bytes per values block of a download
  int timeoutMs = 2000;  // "TIMEOUT": the receive time-out
  // The system port or path that stands for "COMn" on this machine; empty
  // for the default mapping (see SystemPortName in device/port/).
  std::string portPath;
};

// The smallest and largest values block the meter accepts.
inline constexpr int kMinBlockSize = 8;
inline constexpr int kMaxBlockSize = 2048;

}  // namespace gd
