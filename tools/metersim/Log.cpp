#include "Log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <stdexcept>

namespace gd::sim {

Log::~Log() {
  if (own_ && file_ != nullptr) std::fclose(file_);
}

void Log::Open(const std::string& path) {
  if (path.empty()) return;
  if (path == "-") {
    file_ = stderr;
    return;
  }
  file_ = std::fopen(path.c_str(), "w");
  if (file_ == nullptr) {
    throw std::runtime_error("cannot write the log " + path + ": " + std::strerror(errno));
  }
  own_ = true;
}

void Log::Write(const std::string& text) {
  if (file_ == nullptr) return;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  std::fprintf(file_, "%10.4f %s\n", seconds, text.c_str());
  std::fflush(file_);
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

std::string Hex(const std::uint8_t* data, std::size_t n) {
  std::string text;
  for (std::size_t i = 0; i < n; ++i) {
    if (i != 0) text += ' ';
    text += Format("%02x", data[i]);
  }
  return text;
}

}  // namespace gd::sim
