// Building the diagram of a nearly full device memory (about 300 000 flagged
// records on two channels): the curves read through the conversion engine,
// and the same curves bound into a graph (samples moved into its layers).
// Goal: opening the diagram of a full memory ready to draw in about 0.15 s.
#include <benchmark/benchmark.h>

#include "convert/VXASCIIOUT.h"
#include "support/StreamBuilder.h"
#include "view/DiagramGraph.h"

namespace {

constexpr int kRecords = 300000;

const gd::sb::ByteVec& Bytes() {
  static const gd::sb::ByteVec bytes = gd::sb::BuildStream(gd::sb::LargeSpec(1, kRecords));
  return bytes;
}

void BM_BuildDiagramCurves(benchmark::State& state) {
  gd::TVXASCIIOUT out("bench.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, nullptr,
                      gd::ByteView(Bytes().data(), Bytes().size()));
  if (!out.Usable()) {
    state.SkipWithError("generated stream does not open");
    return;
  }
  gd::NullProgress progress;
  std::size_t samples = 0;
  int language = 0;
  for (auto _ : state) {
    gd::DiagramCurves curves;
    curves.Build(&out, 1, ++language, progress);
    samples = 0;
    for (const gd::TGraphLayItem& c : curves.Curves()) samples += c.y.size();
    benchmark::DoNotOptimize(samples);
  }
  state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(BM_BuildDiagramCurves)->Unit(benchmark::kMillisecond);

void BM_BuildAndBindDiagram(benchmark::State& state) {
  gd::TVXASCIIOUT out("bench.sdx", {}, nullptr, "", gd::kDefaultTextStyle, nullptr, nullptr,
                      gd::ByteView(Bytes().data(), Bytes().size()));
  gd::NullProgress progress;
  int language = 0;
  for (auto _ : state) {
    gd::DiagramCurves curves;
    curves.Build(&out, 1, ++language, progress);
    gd::GraphModel graph;
    gd::DiagramGraph diagram;
    diagram.Bind(graph, curves);
    benchmark::DoNotOptimize(diagram.CurveCount());
  }
}
BENCHMARK(BM_BuildAndBindDiagram)->Unit(benchmark::kMillisecond);

}  // namespace
