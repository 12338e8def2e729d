// The fixture of the device command tests: a virtual meter (tools/metersim)
// on a pseudo-terminal, and gaugdata-cli run as a process against it.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "support/MeterSimProcess.h"
#include "support/StreamBuilder.h"

namespace gd::test {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class DeviceCli : public ::testing::Test {
 protected:
  // Starts the meter; a failure when it does not come up.
  bool Meter(std::vector<std::string> args) {
    meter_.reset();
    meter_ = std::make_unique<MeterSim>(args, dir_.Path("meter.log"));
    EXPECT_TRUE(meter_->Ok()) << meter_->Error();
    return meter_->Ok();
  }

  // `gaugdata-cli device <args> --port <the meter>`.
  CliResult Device(std::vector<std::string> args) {
    args.insert(args.begin(), "device");
    args.push_back("--port");
    args.push_back(meter_->Port());
    return RunCli(args);
  }

  // The memory as the meter serves it, saved by the meter.
  std::string MemoryOf(std::vector<std::string> args) {
    const std::string path = dir_.Path("memory-" + std::to_string(++memories_) + ".bin").string();
    args.push_back("--write-memory");
    args.push_back(path);
    if (!Meter(args)) return {};
    return ReadFileBytes(path);
  }

  // A small valid measurement file, for transfers with many small blocks.
  std::string SmallMemoryFile() {
    sb::StreamSpec spec;
    return dir_.Put("small.sdx", sb::BuildStream(spec));
  }

  ScratchDir dir_;
  std::unique_ptr<MeterSim> meter_;
  int memories_ = 0;
};

}  // namespace gd::test
