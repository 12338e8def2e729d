// The virtual meter's debugging log: one line per event, with the seconds
// since start, flushed at once so a test can read it while the meter runs.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace gd::sim {

class Log {
 public:
  Log() = default;
  ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  // "-" logs to stderr; an empty path logs nothing. Throws std::runtime_error.
  void Open(const std::string& path);
  bool Enabled() const { return file_ != nullptr; }
  void Write(const std::string& text);

 private:
  std::FILE* file_ = nullptr;
  bool own_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Bytes as hex pairs separated by blanks ("9a 03").
std::string Hex(const std::uint8_t* data, std::size_t n);

}  // namespace gd::sim
