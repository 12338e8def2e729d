// Filling the table view with one channel of a nearly full device memory
// (about 300 000 flagged records on two channels, the first channel taken):
// the rows the grid then shows. Goal: the fill of 300 000 records well under
// a second, so opening the table never waits on the grid's storage.
#include <benchmark/benchmark.h>

#include "convert/VXASCIIOUT.h"
#include "support/StreamBuilder.h"
#include "view/ValuesTable.h"

namespace {

constexpr int kRecords = 300000;

void BM_FillValuesTable(benchmark::State& state) {
  static const gd::sb::ByteVec bytes = gd::sb::BuildStream(gd::sb::LargeSpec(1, kRecords));
  gd::TVXASCIIOUT out("bench.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, nullptr,
                      gd::ByteView(bytes.data(), bytes.size()));
  if (!out.Usable()) {
    state.SkipWithError("generated stream does not open");
    return;
  }
  out.SetLocale(gd::Locale::German());
  gd::ValuesTable table;
  gd::NullProgress progress;
  for (auto _ : state) {
    table.Fill(out, 1, 0, progress);
    benchmark::DoNotOptimize(table.RowCount());
  }
  state.counters["rows"] = static_cast<double>(table.RowCount());
  state.counters["records_per_second"] =
      benchmark::Counter(static_cast<double>(kRecords) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FillValuesTable)->Unit(benchmark::kMillisecond);

}  // namespace
