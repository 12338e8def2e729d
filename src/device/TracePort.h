// A port that writes every byte sent and received, with a millisecond time
// stamp, to a log, and passes everything on to the real port. Field
// engineers ask for such a raw log when a line misbehaves.
//
// Lines of the log (time in ms since the trace began):
//        12 open /dev/ttyUSB0 9600:8E2
//        48 > 48
//        95 < 52 45 41 44 59
//      2095 purge input
//      3001 close
#pragma once

#include <ostream>

#include "device/SerialPort.h"

namespace gd {

class TracePort final : public ISerialPort {
 public:
  TracePort(ISerialPort& port, LinkHost& clock, std::ostream& log);

  PortOpenResult Open(const PortSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return port_.IsOpen(); }
  void Write(std::span<const std::uint8_t> bytes) override;
  std::size_t BytesWaiting() override { return port_.BytesWaiting(); }
  std::size_t BytesNotYetSent() override { return port_.BytesNotYetSent(); }
  std::size_t Read(std::span<std::uint8_t> bytes) override;
  void WaitForInput(int timeoutMs) override { port_.WaitForInput(timeoutMs); }
  void WaitForSent(int timeoutMs) override { port_.WaitForSent(timeoutMs); }
  std::uint32_t TakeLineErrors() override;
  void Purge(bool input, bool output) override;

 private:
  std::ostream& Line();
  void Bytes(char direction, std::span<const std::uint8_t> bytes);

  ISerialPort& port_;
  LinkHost& clock_;
  std::ostream& log_;
  std::int64_t start_;
};

}  // namespace gd
