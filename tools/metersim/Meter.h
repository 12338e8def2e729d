// The meter's side of the serial protocol: main mode with the handshake,
// slave mode with its command set, the tables, the clock, the user
// coefficient slots and the download of the measurement memory, with the
// faults a test asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "DeviceTables.h"
#include "Line.h"
#include "Log.h"
#include "MemoryImage.h"

namespace gd::sim {

// A fault that hits a values block the first time it is sent, or every time.
struct BlockFault {
  int block = 0;  // 1-based over the values blocks of a transfer; 0 none
  bool always = false;
};

struct MeterSettings {
  std::uint16_t firmware = 0x1605;  // low byte major, high byte minor
  std::string firmwareDate = "12.03.2024";
  std::string serialNumber = "SDX-24-0815";
  std::uint16_t identWordA = 0x2A17;
  std::uint32_t identWordB = 0x00051234;
  int userSlots = 8;
  int userSets = 1;  // slots in use at start
  int materials = 7;
  bool noData = false;  // answer the download with "nothing to send"
  int maxTries = 6;     // refusals of one values block before the meter gives up
  int argTimeoutMs = 2000;
  int ackTimeoutMs = 10000;
  std::optional<long long> clockStart;  // local time as seconds since 1970-01-01 00:00:00
  // Faults.
  BlockFault corruptBlock;
  BlockFault dropBlock;
  int badHandshakes = 0;   // handshakes answered without READY; negative: all
  int readbackFaults = 0;  // user-set reads after a recall that differ; negative: all
};

class Meter {
 public:
  Meter(Line& line, Log& log, MemoryImage memory, MeterSettings settings);

  // Serves the program until a stop is requested (StopRequested escapes).
  [[noreturn]] void Run();

 private:
  struct Abandon {
    std::string why;
  };

  void MainMode();
  void Command(std::uint8_t code);
  bool Firmware(std::uint16_t least) const;

  std::uint8_t Arg(const char* what);
  std::uint8_t Ack(const char* what);
  void SendWord(std::uint16_t v);
  void SendDword(std::uint32_t v);
  void SendString(const std::string& text);
  void Handshake();
  bool TokenRest();

  void PlainTableCommand();
  void NamedTableCommand();
  void ClockRead();
  void ClockSet();
  void UserSetCommand();
  void Download(bool checked);
  void SendCheckedBlocks(std::size_t blockSize);
  void SendPlainBlocks(std::size_t blockSize);
  bool Faulty(const BlockFault& fault, int block, std::set<int>& done);

  Line& line_;
  Log& log_;
  MemoryImage memory_;
  MeterSettings settings_;
  bool slave_ = false;
  int handshakes_ = 0;
  long long clockBase_ = 0;  // local seconds at clockSet_
  std::int64_t clockSetAt_ = 0;
  std::vector<Record> working_, stored_, active_;
  bool recalled_ = false;
  int readbacks_ = 0;
  std::set<int> corrupted_, dropped_;
  int acks_ = 0;  // answers to values blocks in the running download, and their waits
  double ackWaitMs_ = 0;
  double ackWaitMaxMs_ = 0;
};

}  // namespace gd::sim
