#include "device/TracePort.h"

#include <cstdio>

#include "device/LineSettings.h"
#include "device/SondAmComPort.h"

namespace gd {

TracePort::TracePort(ISerialPort& port, LinkHost& clock, std::ostream& log)
    : port_(port), clock_(clock), log_(log), start_(clock.NowMs()) {}

std::ostream& TracePort::Line() {
  char stamp[24];
  std::snprintf(stamp, sizeof stamp, "%10lld ", static_cast<long long>(clock_.NowMs() - start_));
  return log_ << stamp;
}

void TracePort::Bytes(char direction, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  Line() << direction;
  char hex[4];
  for (const std::uint8_t b : bytes) {
    std::snprintf(hex, sizeof hex, " %02X", b);
    log_ << hex;
  }
  log_ << '\n';
  log_.flush();
}

PortOpenResult TracePort::Open(const PortSettings& settings) {
  const PortOpenResult result = port_.Open(settings);
  Line() << "open " << settings.name << ' ' << LineSettingsText(settings)
         << (result.ok ? std::string() : " failed: " + result.cause) << '\n';
  return result;
}

void TracePort::Close() {
  if (port_.IsOpen()) Line() << "close\n";
  port_.Close();
  log_.flush();
}

void TracePort::Write(std::span<const std::uint8_t> bytes) {
  Bytes('>', bytes);
  port_.Write(bytes);
}

std::size_t TracePort::Read(std::span<std::uint8_t> bytes) {
  const std::size_t n = port_.Read(bytes);
  Bytes('<', bytes.first(n));
  return n;
}

std::uint32_t TracePort::TakeLineErrors() {
  const std::uint32_t errors = port_.TakeLineErrors();
  if (errors) Line() << "line error " << LineErrorNames(errors) << '\n';
  return errors;
}

void TracePort::Purge(bool input, bool output) {
  Line() << "purge" << (input ? " input" : "") << (output ? " output" : "") << '\n';
  port_.Purge(input, output);
}

}  // namespace gd
