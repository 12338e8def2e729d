// Saving a whole meter memory (one series of 300 000 flagged records, and one
// of 30 000 to compare) as a data table (".csv") and as a workbook (".xlsx"),
// through the save job as the program and the command-line tool run it.
// Reports records per second and the peak memory of each save (the process's
// high-water mark is reset before it), so that memory independent of the
// series length shows as the same figure for both lengths.
// Goals: at least 1 000 000 records/s for ".csv", 300 000 records/s for ".xlsx".
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "convert/VXASCIIOUT.h"
#include "core/Messages.h"
#include "export/SaveSeries.h"
#include "support/StreamBuilder.h"

namespace {

namespace fs = std::filesystem;

struct Quiet : gd::IMessages {
  void Show(gd::MessageKind, const std::string&) override {}
  gd::Answer Ask(gd::MessageKind, const std::string&) override { return gd::Answer::No; }
};

const gd::sb::ByteVec& Stream(int records) {
  static std::map<int, gd::sb::ByteVec> streams;
  auto it = streams.find(records);
  if (it == streams.end()) {
    it = streams.emplace(records, gd::sb::BuildStream(gd::sb::LargeSpec(1, records))).first;
  }
  return it->second;
}

// Resets the high-water mark of the resident memory (Linux 4.0 and later).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// VmHWM of /proc/self/status in MiB; 0 where there is none.
double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

void Save(benchmark::State& state, const char* extension) {
  const int records = static_cast<int>(state.range(0));
  Stream(30000);  // both streams exist before any is measured, so the peaks compare
  Stream(300000);
  const gd::sb::ByteVec& bytes = Stream(records);
  gd::TVXASCIIOUT out("bench.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, nullptr,
                      gd::ByteView(bytes.data(), bytes.size()));
  if (!out.Usable()) {
    state.SkipWithError("generated stream does not open");
    return;
  }
  out.SetLocale(gd::Locale::German());
  const fs::path dir = fs::temp_directory_path() / ("gd_exportbench_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string target = (dir / (std::string("out") + extension)).string();
  gd::DiskFileStore disk;
  Quiet quiet;
  gd::NullProgress progress;
  double peak = 0;
  std::uintmax_t size = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResetPeakMemory();
    state.ResumeTiming();
    gd::SaveSeriesJob job(disk, quiet, progress);
    job.Prepare(gd::SaveRequest{
        &out, gd::ByteView(bytes.data(), bytes.size()), "bench.sdx", nullptr, {1}, target});
    if (!job.Run()) state.SkipWithError("the save did not finish");
    state.PauseTiming();
    peak = std::max(peak, PeakMemoryMiB());
    size = fs::file_size(target);
    state.ResumeTiming();
  }
  fs::remove_all(dir);
  state.counters["records_per_second"] =
      benchmark::Counter(static_cast<double>(records) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["peak_MiB"] = peak;
  state.counters["stream_MiB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
  state.counters["file_MiB"] = static_cast<double>(size) / (1024.0 * 1024.0);
}

void BM_SaveDataTable(benchmark::State& state) { Save(state, ".csv"); }
void BM_SaveWorkbook(benchmark::State& state) { Save(state, ".xlsx"); }

BENCHMARK(BM_SaveDataTable)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkbook)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

}  // namespace
