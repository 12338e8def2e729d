// ISerialPort on QSerialPort.
#pragma once

#include <QSerialPort>
#include <cstdint>
#include <string>

#include "device/SerialPort.h"

namespace gd {

class QtSerialPort final : public ISerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  PortOpenResult Open(const PortSettings& settings) override;
  void Close() override;
  bool IsOpen() const override;
  void Write(std::span<const std::uint8_t> bytes) override;
  std::size_t BytesWaiting() override;
  std::size_t BytesNotYetSent() override;
  std::size_t Read(std::span<std::uint8_t> bytes) override;
  void WaitForInput(int timeoutMs) override;
  void WaitForSent(int timeoutMs) override;
  std::uint32_t TakeLineErrors() override;
  void Purge(bool input, bool output) override;

 private:
  // Looks at the port's error after a call: a lost device closes the port,
  // read and write errors become line errors, the rest is cleared.
  void CheckError();
  // Bytes handed to the system that the line has not sent yet.
  std::size_t SystemOutputQueue() const;

  QSerialPort port_;
  std::uint32_t lineErrors_ = 0;
};

}  // namespace gd
