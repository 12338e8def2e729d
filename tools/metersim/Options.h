// The virtual meter's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "Line.h"
#include "Meter.h"

namespace gd::sim {

struct Options {
  std::string memoryPath;               // a .sdx file
  std::optional<std::size_t> generate;  // total size of a generated memory
  std::string writeMemory;              // where to save the memory as served
  std::string logPath;
  Pacing pacing;
  std::set<std::uint64_t> droppedBytes;
  std::int64_t silentAfter = -1;
  MeterSettings meter;
  bool firmwareGiven = false;
  bool help = false;
};

// Throws std::invalid_argument with a message naming the option.
Options ParseOptions(int argc, char** argv, const std::string& defaultMemory);
const char* UsageText();

}  // namespace gd::sim
