#include "device/ComPortChoice.h"

#include <cctype>

namespace gd {
namespace {

// The index of "COMn" (n 1 .. 9, any case), or -1.
int ComIndexOf(const std::string& text) {
  if (text.size() != 4) return -1;
  for (std::size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) return -1;
  if (text[3] < '1' || text[3] > '9') return -1;
  return text[3] - '1';
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string PortFieldText(const PortChoice& current) {
  if (!current.path.empty()) return current.path;
  if (current.index >= 0 && current.index < kPortIndexCount) return ComPortName(current.index);
  return {};
}

PortChoice ParsePortField(const std::string& text, const PortChoice& current) {
  const std::string field = Trimmed(text);
  if (field.empty()) return current;
  PortChoice choice = current;
  if (const int index = ComIndexOf(field); index >= 0) {
    choice.index = index;
    choice.path.clear();
    return choice;
  }
  choice.path = field;
  if (choice.index < 0 || choice.index >= kPortIndexCount) choice.index = 0;
  return choice;
}

bool ApplyComPortConfig(const ComPortConfig& values, ComPortConfig& applied) {
  applied.portIndex = values.portIndex;
  applied.portPath = values.portPath;
  const auto take = [](int value, int low, int high, int& into) {
    if (value < low || value > high) return false;
    into = value;
    return true;
  };
  return take(values.baudOrdinal, 0, kBaudOrdinalCount - 1, applied.baudOrdinal) &&
         take(values.dataOrdinal, 0, kDataOrdinalCount - 1, applied.dataOrdinal) &&
         take(values.parityOrdinal, 0, kParityOrdinalCount - 1, applied.parityOrdinal) &&
         take(values.stopOrdinal, 0, kStopOrdinalCount - 1, applied.stopOrdinal) &&
         take(values.blockSize, kMinBlockSize, kMaxBlockSize, applied.blockSize) &&
         take(values.timeoutMs, 1, 600000, applied.timeoutMs);
}

}  // namespace gd
