// The meter's end of the serial line: the master side of a pseudo-terminal.
//
// The program opens the slave side like any serial port. Bytes the meter
// sends can be paced at an emulated baud rate, so that a transfer takes the
// time it takes on a real line: 12 bits a byte, as the meter's 8E2 frame
// has them (a pseudo-terminal cannot tell the program's parity setting).
// Incoming bytes are delayed by their line time the same way.
// The line also injects the byte-level faults: bytes left out, and silence
// after a number of bytes.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Log.h"

namespace gd::sim {

// Thrown out of every wait when the meter has to end (SIGTERM, SIGINT,
// SIGHUP, or the process that started it is gone).
struct StopRequested {};

// Blocks the stop signals (they are taken only inside the line's waits) and
// asks the system to stop the meter when its parent ends.
void InstallStopHandling();

struct Pacing {
  long baud = 0;        // emulated rate; 0 none; -1 the rate the program set
  int bitsPerByte = 0;  // 0: 12, start bit + 8 data bits + parity + 2 stop bits
};

class Line {
 public:
  explicit Line(Log& log);  // throws std::runtime_error
  ~Line();
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;

  const std::string& SlavePath() const { return slavePath_; }

  void SetPacing(const Pacing& pacing) { pacing_ = pacing; }
  // Output bytes (1-based, counted over the whole run) that are never sent.
  void SetDroppedBytes(std::set<std::uint64_t> positions) { dropped_ = std::move(positions); }
  // After this many bytes the meter sends nothing more; negative: never.
  void SetSilentAfter(std::int64_t bytes) { silentAfter_ = bytes; }

  // The next received byte, or nothing when none came within `timeoutMs`
  // (negative: wait as long as it takes).
  std::optional<std::uint8_t> Read(int timeoutMs);
  void Send(const std::vector<std::uint8_t>& bytes);
  void Send(const std::uint8_t* data, std::size_t n);

  std::uint64_t BytesSent() const { return sent_; }
  bool Silent() const {
    return silentAfter_ >= 0 && sent_ >= static_cast<std::uint64_t>(silentAfter_);
  }
  // Seconds a byte takes on the emulated line now (0 without pacing).
  double ByteTime() const;

 private:
  using Clock = std::chrono::steady_clock;

  bool Fill(Clock::time_point deadline, bool forever);
  void WriteRaw(const std::uint8_t* data, std::size_t n);
  void NoteOpen(bool open);

  Log& log_;
  int master_ = -1;
  std::string slavePath_;
  Pacing pacing_;
  std::set<std::uint64_t> dropped_;
  std::int64_t silentAfter_ = -1;
  std::uint64_t sent_ = 0;  // bytes the meter meant to send (dropped ones included)
  std::vector<std::uint8_t> in_;
  std::size_t inAt_ = 0;
  Clock::time_point inTime_{};  // when the buffered input was read
  Clock::time_point inFree_{};  // when the incoming line is free again
  Clock::time_point outFree_{};
  bool open_ = true;  // false once the program closed the slave side
};

}  // namespace gd::sim
