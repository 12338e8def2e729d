// Download of the meter's memory through `gaugdata-cli device download`
// against the virtual meter pacing its bytes at 9600 baud, 8E2 (800 bytes/s).
//
// Efficiency = memory bytes ÷ (elapsed × 800 bytes/s): how close the
// program comes to the line's own time. The protocol's overhead (18 bytes
// a values block and an acknowledgement) caps it near 99 % at block size
// 2048. The download is timed by the meter, from the command to the last
// acknowledgement; the whole run (connecting and identifying included) is
// reported beside it. The memories are scaled down from the full ~1 MB with
// the same block structure, to keep a run short:
//
//   build/bench/download_bench --benchmark_filter=64K      # about 85 s
//   build/bench/download_bench --benchmark_filter=1M       # about 22 min
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/MeterSimProcess.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
constexpr double kLineBytesPerSecond = 800.0;  // 9600 baud, 12 bits a byte

int Run(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::vector<std::string> copies = arguments;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// "download: done, N bytes of memory in T ms" from the meter's log.
bool MeterTiming(const std::string& log, double& bytes, double& ms) {
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const auto at = line.find("download: done, ");
    if (at == std::string::npos) continue;
    return std::sscanf(line.c_str() + at, "download: done, %lf bytes of memory in %lf ms", &bytes,
                       &ms) == 2;
  }
  return false;
}

void Download(benchmark::State& state, const char* size, int blockSize) {
  const fs::path dir = fs::temp_directory_path() / ("download-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path target = dir / "received.sdx";
  for (auto _ : state) {
    gd::test::MeterSim meter({"--generate", size, "--baud", "9600"}, dir / "meter.log");
    if (!meter.Ok()) {
      state.SkipWithError(meter.Error().c_str());
      break;
    }
    const auto start = std::chrono::steady_clock::now();
    const int status = Run({GAUGDATA_CLI_BINARY, "device", "download", "-o", target.string(),
                            "--port", meter.Port(), "--block-size", std::to_string(blockSize)});
    const double whole =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double bytes = 0;
    double ms = 0;
    if (status != 0 || !MeterTiming(meter.Log(), bytes, ms) || ms <= 0) {
      state.SkipWithError("the download failed");
      break;
    }
    state.SetIterationTime(ms / 1000);
    state.counters["bytes"] = bytes;
    state.counters["efficiency_%"] = 100 * bytes / (ms / 1000 * kLineBytesPerSecond);
    state.counters["whole_run_%"] = 100 * bytes / (whole * kLineBytesPerSecond);
    state.counters["received_file"] = static_cast<double>(fs::file_size(target));
  }
  fs::remove_all(dir);
}

BENCHMARK_CAPTURE(Download, 64K_block2048, "64K", 2048)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Download, 256K_block2048, "256K", 2048)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Download, 1M_block2048, "1M", 2048)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Download, 64K_block256, "64K", 256)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
