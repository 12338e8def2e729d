// Converting a nearly full device memory to text: one series of about
// 300 000 flagged records on two channels (a heat-flow channel and a mass
// flow channel) written with the default text style, as the text export does.
// Goal: at least 2 million converted records per second.
#include <benchmark/benchmark.h>

#include <string>

#include "convert/VXASCIIOUT.h"
#include "support/StreamBuilder.h"

namespace {

constexpr int kRecords = 300000;

const gd::sb::ByteVec& FullSeries() {
  static const gd::sb::ByteVec bytes = gd::sb::BuildStream(gd::sb::LargeSpec(1, kRecords));
  return bytes;
}

void BM_ConvertSeriesToText(benchmark::State& state) {
  const gd::sb::ByteVec& bytes = FullSeries();
  std::string text;
  gd::StringByteSink sink(text);
  gd::TVXASCIIOUT out("bench.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, &sink,
                      gd::ByteView(bytes.data(), bytes.size()));
  if (!out.Usable()) {
    state.SkipWithError("generated stream does not open");
    return;
  }
  out.SetLocale(gd::Locale::German());
  for (auto _ : state) {
    text.clear();
    out.WriteSeries(1);
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["records_per_second"] =
      benchmark::Counter(static_cast<double>(kRecords) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["text_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ConvertSeriesToText)->Unit(benchmark::kMillisecond);

}  // namespace
