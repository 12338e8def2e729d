// Runs the virtual meter (tools/metersim) as a process for tests and
// benchmarks, and talks to it over its pseudo-terminal with raw bytes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gd::test {

using Bytes = std::vector<std::uint8_t>;

class MeterSim {
 public:
  // Starts the meter with `arguments` and a log in `logPath`, and waits for
  // its terminal path. `Ok()` tells whether it came up; `Error()` says why not.
  MeterSim(const std::vector<std::string>& arguments, std::filesystem::path logPath);
  ~MeterSim();
  MeterSim(const MeterSim&) = delete;
  MeterSim& operator=(const MeterSim&) = delete;

  bool Ok() const { return !port_.empty(); }
  const std::string& Error() const { return error_; }
  const std::string& Port() const { return port_; }
  std::string Log() const;
  // Log lines that contain `text`.
  int Count(const std::string& text) const;
  // SIGTERM, then the exit status (-1 when it did not exit by itself).
  int Stop();

 private:
  pid_t pid_ = -1;
  std::string port_;
  std::string error_;
  std::filesystem::path log_;
};

// Runs the meter to completion (for option errors); returns the exit status
// and collects stderr.
int RunMeterSim(const std::vector<std::string>& arguments, std::string& err);

// The program's end of the line, opened raw like a serial port.
class RawPort {
 public:
  // `settings` like "8E2" or "8N1"; baud 9600.
  explicit RawPort(const std::string& path, const std::string& settings = "8E2");
  ~RawPort();
  RawPort(const RawPort&) = delete;
  RawPort& operator=(const RawPort&) = delete;

  bool Ok() const { return fd_ >= 0; }
  void Write(const Bytes& bytes);
  void Write(const std::string& text);
  // Up to `n` bytes: fewer when nothing more came for `timeoutMs`.
  Bytes Read(std::size_t n, int timeoutMs = 3000);
  // Everything that comes until the line stays quiet for `quietMs`.
  Bytes Drain(int quietMs = 200);

 private:
  int fd_ = -1;
};

}  // namespace gd::test
