// The graph control with a full memory: curves of 300 000 samples built,
// then the control repainted zoomed out and zoomed in, and the crosshair
// moved, rendered offscreen into an image as the window would.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <memory>
#include <vector>

#include "view/ui/CrvGraph.h"

namespace {

constexpr int kSamples = 300000;
constexpr int kCurves = 6;

struct FullGraph {
  FullGraph() {
    time.xMode = 1;
    time.min = 0;
    time.max = (kSamples - 1) * 10.0L;
    graph.resize(1000, 600);
    graph.AddAxis("Time", &time);
    for (int a = 0; a < 3; ++a) {
      axes.push_back(std::make_unique<gd::TcrvVerticalGraphAxis>());
      graph.AddAxis("Axis " + std::to_string(a), axes.back().get());
    }
    Build();
    graph.Layout();
    graph.SelectLayer(0);
  }
  // What the diagram does after loading: fill the arrays, then one range
  // computation (which builds every curve's envelope).
  void Build() {
    for (auto& l : layers) graph.RemoveLayer(l.get());
    layers.clear();
    for (int c = 0; c < kCurves; ++c) {
      auto layer = std::make_unique<gd::TcrvLineGraphLayer>();
      layer->xAxis = &time;
      layer->yAxis = axes[static_cast<std::size_t>(c % 3)].get();
      layer->xFactor = 10;
      layer->color = static_cast<gd::GraphColor>(0x202020 * (c + 1));
      for (int i = 0; i < kSamples; ++i)
        layer->y.SetValue(i, 100 + 50 * std::sin(i * 0.001 * (c + 1)) + (i % 977 == 0 ? 80 : 0));
      graph.AddLayer("Curve " + std::to_string(c), layer.get());
      layers.push_back(std::move(layer));
    }
    graph.ComputeRanges();
  }
  gd::TcrvHorizontalGraphAxis time;
  std::vector<std::unique_ptr<gd::TcrvVerticalGraphAxis>> axes;
  std::vector<std::unique_ptr<gd::TcrvLineGraphLayer>> layers;
  gd::ui::TcrvGraph graph;
};

FullGraph& Graph() {
  static FullGraph g;
  return g;
}

void BM_BuildCurves(benchmark::State& state) {
  FullGraph& g = Graph();
  for (auto _ : state) g.Build();
  state.counters["samples"] = kSamples * kCurves;
}
BENCHMARK(BM_BuildCurves)->Unit(benchmark::kMillisecond);

void Repaint(benchmark::State& state, int fixedWidth, int scroll) {
  FullGraph& g = Graph();
  g.graph.SetFixedWidth(fixedWidth);
  g.graph.SetScrollPosition(scroll);
  QImage image(g.graph.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    g.graph.Render(painter);
  }
  g.graph.SetFixedWidth(0);
}

void BM_RepaintZoomedOut(benchmark::State& state) { Repaint(state, 0, 0); }
BENCHMARK(BM_RepaintZoomedOut)->Unit(benchmark::kMillisecond);

void BM_RepaintZoomedIn(benchmark::State& state) { Repaint(state, 30000, 12000); }
BENCHMARK(BM_RepaintZoomedIn)->Unit(benchmark::kMillisecond);

// One mouse move over the plot: sample search, crosshair moved, the widget
// repainting the two dirty regions from its cached plot.
void BM_CrosshairMove(benchmark::State& state) {
  FullGraph& g = Graph();
  g.graph.show();
  g.graph.Layout();
  QImage warm = g.graph.grab().toImage();
  const gd::GraphRect plot = g.graph.Model().PlotRect();
  int x = plot.left + 20;
  for (auto _ : state) {
    x = x + 7 < plot.right - 20 ? x + 7 : plot.left + 20;
    QMouseEvent move(QEvent::MouseMove, QPointF(x, (plot.top + plot.bottom) / 2.0),
                     QPointF(x, (plot.top + plot.bottom) / 2.0), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&g.graph, &move);
    g.graph.repaint();
  }
}
BENCHMARK(BM_CrosshairMove)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
