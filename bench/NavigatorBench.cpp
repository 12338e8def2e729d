// Walking a full device memory: about 300 000 flagged records in six series,
// far addresses up to the device's 1.1 MB reach, each record decoded by
// NextRecord and given its channel by AttachChannel. Goal: at least 10 million
// records per second.
#include <benchmark/benchmark.h>

#include "core/StreamParser.h"
#include "core/VXAblage.h"
#include "support/StreamBuilder.h"

namespace {

const gd::sb::ByteVec& FullMemory() {
  static const gd::sb::ByteVec bytes = gd::sb::BuildStream(gd::sb::LargeSpec(6, 50000));
  return bytes;
}

void BM_WalkFullMemory(benchmark::State& state) {
  const gd::sb::ByteVec& bytes = FullMemory();
  const gd::ByteView stream(bytes.data(), bytes.size());
  const gd::ParsedStream parsed = gd::ParseStream(stream);
  if (!parsed.Usable()) {
    state.SkipWithError("generated stream does not open");
    return;
  }
  gd::TVXAblage nav(stream, parsed);
  gd::TValueRecord rec;
  std::int64_t records = 0;
  for (auto _ : state) {
    for (int n = 1; n <= nav.SeriesCount(); ++n) {
      nav.SelectSeries(n);
      while (nav.NextRecord(rec)) {
        nav.AttachChannel(rec);
        benchmark::DoNotOptimize(rec);
        ++records;
      }
    }
  }
  state.counters["records"] =
      benchmark::Counter(static_cast<double>(records) / static_cast<double>(state.iterations()));
  state.counters["records_per_second"] =
      benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_WalkFullMemory)->Unit(benchmark::kMillisecond);

// Opening the same memory: the parse of prolog and tables and describing
// every series, as the main window's list does.
void BM_OpenAndDescribe(benchmark::State& state) {
  const gd::sb::ByteVec& bytes = FullMemory();
  const gd::ByteView stream(bytes.data(), bytes.size());
  for (auto _ : state) {
    const gd::ParsedStream parsed = gd::ParseStream(stream);
    gd::TVXAblage nav(stream, parsed);
    gd::TSeriesDescription d;
    for (int n = 1; n <= nav.SeriesCount(); ++n) {
      nav.GetSeriesDescription(n, d);
      benchmark::DoNotOptimize(d);
    }
  }
}
BENCHMARK(BM_OpenAndDescribe)->Unit(benchmark::kMillisecond);

}  // namespace
