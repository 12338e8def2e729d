// The serial port as the link sees it, and the host that lets it wait.
//
// ISerialPort is everything the link needs of a port; the real one is the
// QSerialPort adapter in device/port/, tests use a scripted fake. LinkHost is
// the clock and the "let events run" hook: waits of the link never sleep or
// spin on their own but go through it, so a window stays responsive (and can
// cancel) and tests run on a fake clock without real sleeping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace gd {

// Line errors as reported by ISerialPort::TakeLineErrors, in bit order.
enum LineError : std::uint32_t {
  kLineFrame = 0x01,
  kLineRxParity = 0x02,
  kLineOverrun = 0x04,
  kLineBreak = 0x08,
  kLineIO = 0x10,
  kLineMode = 0x20,
  kLineRxOver = 0x40,
  kLineTxFull = 0x80,
};

// The line settings of a port, as the ordinals of the tables in
// LineSettings.h, and the port's name (a system name such as "COM2" or
// "ttyUSB0", or any path such as "/dev/pts/3").
struct PortSettings {
  std::string name;
  int baudOrdinal = 7;    // 9600
  int dataOrdinal = 3;    // 8 data bits
  int parityOrdinal = 2;  // even
  int stopOrdinal = 2;    // 2 stop bits
  // RTS/CTS handshake: RTS held by the port's handshake, output paced by CTS.
  bool hardwareFlow = true;
};

struct PortOpenResult {
  bool ok = false;
  // On failure a short text naming the cause ("Permission denied: not in the
  // dialout group", "Device busy", ...), shown beside the link's own message.
  std::string cause;
};

class ISerialPort {
 public:
  virtual ~ISerialPort() = default;

  // Opens the named port with the settings. Never throws.
  virtual PortOpenResult Open(const PortSettings& settings) = 0;
  // Closes the port; nothing happens when it is closed.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Queues the bytes for sending.
  virtual void Write(std::span<const std::uint8_t> bytes) = 0;
  // Bytes received and not yet read.
  virtual std::size_t BytesWaiting() = 0;
  // Bytes queued and not yet handed to the line.
  virtual std::size_t BytesNotYetSent() = 0;
  // Takes up to bytes.size() received bytes; returns how many were taken.
  virtual std::size_t Read(std::span<std::uint8_t> bytes) = 0;

  // Returns when new input arrived (beyond what is waiting already) or after
  // at most `timeoutMs`. Lets the port's own machinery run; never busy-spins.
  virtual void WaitForInput(int timeoutMs) = 0;
  // Returns when the send queue is empty or after at most `timeoutMs`.
  virtual void WaitForSent(int timeoutMs) = 0;

  // The LineError bits pending since the last call; reading clears them.
  virtual std::uint32_t TakeLineErrors() = 0;
  // Discards pending input and/or output.
  virtual void Purge(bool input, bool output) = 0;
};

// The clock and event hook of the link.
class LinkHost {
 public:
  virtual ~LinkHost() = default;
  // A monotonic clock in milliseconds.
  virtual std::int64_t NowMs() = 0;
  // Gives the front end the chance to handle pending input (repaint, a
  // cancel button). Called inside every wait of the link.
  virtual void LetEventsRun() = 0;
  // Lets events run until at least `ms` milliseconds have passed.
  virtual void Pause(std::int64_t ms) = 0;
};

// A host on the system's steady clock that sleeps in Pause and has no events
// to run (the command-line tool).
class SystemLinkHost : public LinkHost {
 public:
  std::int64_t NowMs() override;
  void LetEventsRun() override {}
  void Pause(std::int64_t ms) override;
};

}  // namespace gd
