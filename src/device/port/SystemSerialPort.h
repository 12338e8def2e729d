// The system's serial ports for the link: the port behind ISerialPort on
// QSerialPort, the list of the system's ports, and the system name that
// stands for "COMn". This header includes no Qt, so the command-line tool
// and the pure code above it stay free of Qt.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/SerialPort.h"

namespace gd {

// A new port on QSerialPort. Creates the Qt core application object the port
// needs when the program has none (the command-line tool).
std::unique_ptr<ISerialPort> MakeSystemSerialPort();

struct SystemPortInfo {
  std::string name;         // "ttyUSB0", "COM3"
  std::string location;     // "/dev/ttyUSB0", "\\\\.\\COM3"
  std::string description;  // what the system says about the device, may be empty
  std::string manufacturer;
  std::string serialNumber;
};

// The serial ports the system lists (pseudo-terminals and links such as
// /dev/serial/by-id/... are not listed but can be opened by path).
std::vector<SystemPortInfo> ListSystemPorts();

// The port opened for "COMn" (index n - 1): `overridePath` when it is not
// empty; on Windows "COMn" itself; elsewhere /dev/ttyUSB<n-1> when it exists,
// else /dev/ttyS<n-1>.
std::string SystemPortName(int index, const std::string& overridePath = {});

}  // namespace gd
