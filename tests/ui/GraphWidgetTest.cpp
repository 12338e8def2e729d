// The graph control rendered offscreen: curve pixels, marker hatching, the
// crosshair overlay, one-sample layers, long curves drawn from the envelope,
// the mouse rules and the wheel zoom.
#include <QApplication>
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
  GraphModel& Model() { return graph.Model(); }
  // Declared before the graph: axes and layers outlive it.
  TcrvHorizontalGraphAxis time;
  TcrvVerticalGraphAxis axis;
  std::vector<std::unique_ptr<TcrvLineGraphLayer>> layers;
  TcrvGraph graph;
};

void Move(TcrvGraph& graph, QPoint pos) {
  QMouseEvent event(QEvent::MouseMove, QPointF(pos), graph.mapToGlobal(QPointF(pos)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&graph, &event);
}

void Press(TcrvGraph& graph, QPoint pos, Qt::MouseButton button) {
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(pos), graph.mapToGlobal(QPointF(pos)), button,
                    button, Qt::NoModifier);
  QApplication::sendEvent(&graph, &event);
}

bool HasColor(const QImage& image, const QRect& area, QRgb color) {
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixel(x, y) == color) return true;
  return false;
}

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

  void markerHatchingUsesTheEightByEightPattern() {
    Fixture f;
    f.Curve({10, 10, 10, 10, 10}, kGraphRed);
    f.Finish(4);
    f.graph.Model().startMarker = 1;
    f.graph.Model().endMarker = 3;
    f.graph.RepaintPlot();
    const QImage image = f.graph.RenderImage();
    image.save("/tmp/graph/markers.png");
    const GraphRect plot = f.graph.Model().PlotRect();
    const int xs = f.time.ValueToPixel(1);
    const int xe = f.time.ValueToPixel(3);
    const int curveY = f.axis.ValueToPixel(10);
    // Left of the start and right of the end: black where row % 4 == column % 4.
    int checked = 0;
    for (int y = plot.top + 15; y < plot.bottom - 5; ++y) {
      if (std::abs(y - curveY) < 2) continue;
      for (int x : {plot.left + 2, plot.left + 5, xs - 3, xe + 3, xe + 6}) {
        const QRgb expected = (y % 4 == x % 4) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        QCOMPARE(image.pixel(x, y), expected);
        ++checked;
      }
      // Between the markers nothing is hatched.
      QCOMPARE(image.pixel((xs + xe) / 2, y), qRgb(255, 255, 255));
    }
    QVERIFY(checked > 100);
    // Dotted blue marker lines with their triangles at the top.
    QCOMPARE(image.pixel(xs + 1, plot.top + 5), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(xe - 1, plot.top + 5), qRgb(0, 0, 255));
    const QRect startLine(xs, plot.top + 12, 1, 20);
    QVERIFY(HasColor(image, startLine, qRgb(0, 0, 255)));
    QVERIFY(HasColor(image, startLine, qRgb(255, 255, 255)));  // dotted
    // Start after end: only the part between them.
    f.graph.Model().startMarker = 3;
    f.graph.Model().endMarker = 1;
    f.graph.RepaintPlot();
    const QImage between = f.graph.RenderImage();
    const int mid = (xs + xe) / 2;
    const int y = curveY + 20;
    QCOMPARE(between.pixel(mid, y), (y % 4 == mid % 4) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QCOMPARE(between.pixel(mid + 1, y),
             (y % 4 == (mid + 1) % 4) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QCOMPARE(between.pixel(plot.left + 3, y), qRgb(255, 255, 255));
  }

  void crosshairDrawnAndRemovedLeavesTheImageUnchanged() {
    Fixture f;
    std::vector<long double> v;
    for (int i = 0; i <= 50; ++i) v.push_back(std::sin(i / 5.0) * 10);
    f.Curve(v, kGraphBlue);
    f.Finish(50);
    f.graph.SelectLayer(0);
    std::vector<std::pair<std::int32_t, long double>> reports;
    f.graph.OnCursorValue = [&](TcrvGraph&, int layer, long double y, long double, std::int32_t i) {
      QCOMPARE(layer, 0);
      reports.emplace_back(i, y);
    };
    const QImage before = f.graph.grab().toImage();
    const GraphRect plot = f.graph.Model().PlotRect();
    const int x = f.time.ValueToPixel(20);
    Move(f.graph, QPoint(x + 1, (plot.top + plot.bottom) / 2));
    QVERIFY(f.graph.CrosshairShown());
    QCOMPARE(f.graph.Model().CrosshairIndex(), 20);
    QCOMPARE(f.graph.cursor().shape(), Qt::BlankCursor);
    QCOMPARE(reports.size(), std::size_t{1});
    QCOMPARE(reports[0].first, 20);
    QCOMPARE(reports[0].second, v[20]);
    QCOMPARE(f.graph.Model().MouseX(), 20.0L);  // snapped to the sample
    const QImage with = f.graph.grab().toImage();
    with.save("/tmp/graph/crosshair.png");
    QVERIFY(with != before);
    // The vertical line inverts the plot background under it.
    QCOMPARE(with.pixel(x, plot.top + 3), qRgb(0, 0, 0));
    // Moving to another sample and back out of the plot restores every pixel.
    Move(f.graph, QPoint(f.time.ValueToPixel(35), plot.top + 10));
    QCOMPARE(f.graph.Model().CrosshairIndex(), 35);
    reports.clear();
    Move(f.graph, QPoint(2, plot.bottom + 5));
    QVERIFY(!f.graph.CrosshairShown());
    QCOMPARE(f.graph.Model().CrosshairIndex(), -1);
    QCOMPARE(reports.size(), std::size_t{2});
    QCOMPARE(reports[0].first, -1);
    QCOMPARE(reports[0].second, 1.5e38L);
    QCOMPARE(reports[1].first, -1);
    QCOMPARE(reports[1].second, -1.6e38L);
    QCOMPARE(f.graph.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(f.graph.grab().toImage(), before);
  }

  void oneSampleLayerIsALineAcrossThePlot() {
    Fixture f;
    f.Curve({42}, kGraphRed);
    f.Finish(10);
    const QImage image = f.graph.RenderImage();
    const GraphRect plot = f.graph.Model().PlotRect();
    const int y = f.axis.ValueToPixel(42);
    for (int x = plot.left + 2; x < plot.right - 2; x += 7)
      QCOMPARE(image.pixel(x, y), qRgb(255, 0, 0));
    // Empty layers draw nothing and give no crosshair.
    Fixture empty;
    empty.Curve({}, kGraphRed);
    empty.Finish(10);
    empty.graph.SelectLayer(0);
    const QImage none = empty.graph.RenderImage();
    const GraphRect frame = empty.Model().FrameRect();
    QVERIFY(!HasColor(none, QRect(frame.left, frame.top, frame.Width(), frame.Height()),
                      qRgb(255, 0, 0)));
    QCOMPARE(empty.graph.ShowCrosshair(0), -1e38L);
  }

  void longCurveKeepsItsSpikeWhenZoomedOut() {
    Fixture f(500, 300);
    std::vector<long double> v(300000);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = (i % 50) * 0.02L;
    v[212345] = 30;
    f.Curve(v, kGraphRed);
    f.Finish(299999);
    const QImage image = f.graph.RenderImage();
    image.save("/tmp/graph/spike.png");
    const int x = f.time.ValueToPixel(212345);
    const int y = f.axis.ValueToPixel(30);
    QCOMPARE(image.pixel(x, y), qRgb(255, 0, 0));
    // Nothing else reaches that high.
    QVERIFY(!HasColor(image,
                      QRect(f.Model().PlotRect().left, y - 1, x - 3 - f.Model().PlotRect().left, 3),
                      qRgb(255, 0, 0)));
    // Zoomed in on the spike it is still there, drawn from the visible samples.
    f.graph.SetFixedWidth(30000);
    f.graph.SetScrollPosition(f.time.ValueToPixel(212345) + f.graph.ScrollPosition() - 250);
    const QImage zoomed = f.graph.RenderImage();
    QCOMPARE(zoomed.pixel(f.time.ValueToPixel(212345), y), qRgb(255, 0, 0));
  }

  void axisClickCyclesTheCurvesOfThatAxis() {
    Fixture f;
    f.Curve({1, 2, 3}, kGraphRed, "a");
    f.Curve({3, 2, 1}, kGraphBlue, "b");
    TcrvVerticalGraphAxis other;
    f.graph.AddAxis("Other", &other);
    auto& c = f.Curve({5, 6, 7}, 0x00FF00, "c");
    c.yAxis = &other;
    f.Finish(2);
    std::vector<int> changes;
    f.graph.OnLayerChange = [&](TcrvGraph&, int layer) { changes.push_back(layer); };
    f.graph.SelectLayer(0);
    const QPoint onAxis(f.axis.strip.left + 2, (f.axis.strip.top + f.axis.strip.bottom) / 2);
    Press(f.graph, onAxis, Qt::LeftButton);
    QCOMPARE(f.graph.Model().SelectedLayerIndex(), 1);
    Press(f.graph, onAxis, Qt::LeftButton);
    QCOMPARE(f.graph.Model().SelectedLayerIndex(), 0);  // wraps, skipping the other axis' curve
    QCOMPARE(changes, (std::vector<int>{0, 1, 0}));
    // The selected curve's axis takes its colour.
    const QImage image = f.graph.RenderImage();
    const GraphPaintParams params = f.graph.PaintParams();
    QCOMPARE(params.vertical[0].color, kGraphRed);
    QCOMPARE(image.pixel(params.vertical[0].axisX,
                         (params.vertical[0].yMin + params.vertical[0].yMax) / 2),
             qRgb(255, 0, 0));
    // Right click on an axis reports it; the cursor over an axis is the axis cursor.
    TcrvVerticalGraphAxis* reported = nullptr;
    f.graph.OnAxisRightClick = [&](TcrvGraph&, Qt::MouseButton, TcrvVerticalGraphAxis* axis, int,
                                   int) { reported = axis; };
    const QPoint onOther(other.strip.left + 2, (other.strip.top + other.strip.bottom) / 2);
    Press(f.graph, onOther, Qt::RightButton);
    QCOMPARE(reported, &other);
    Move(f.graph, onOther);
    QCOMPARE(f.graph.cursor().shape(), Qt::BitmapCursor);
    // A hidden selected curve shows the hidden-curve cursor in the plot.
    f.graph.Model().Layer(0)->visible = false;
    const GraphRect plot = f.graph.Model().PlotRect();
    Move(f.graph, QPoint((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2));
    QCOMPARE(f.graph.cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!f.graph.CrosshairShown());
  }

  void wheelZoomsAroundTheMouse() {
    Fixture f;
    std::vector<long double> v(1000);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<long double>(i % 17);
    f.Curve(v, kGraphRed);
    f.Finish(999);
    int zoom = -1;
    f.graph.OnZoomChange = [&](TcrvGraph&, int w) { zoom = w; };
    const GraphRect plot = f.graph.Model().PlotRect();
    const int mx = plot.left + 2 * plot.Width() / 3;
    const long double before = f.time.PixelToValue(mx);
    for (int step = 0; step < 4; ++step) {
      QWheelEvent wheel(QPointF(mx, 100), f.graph.mapToGlobal(QPointF(mx, 100)), QPoint(),
                        QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&f.graph, &wheel);
    }
    QVERIFY(f.graph.FixedWidth() > plot.Width());
    QCOMPARE(zoom, f.graph.FixedWidth());
    QVERIFY(f.graph.Model().ScrollBar().visible);
    QVERIFY(f.graph.ScrollPosition() > 0);
    QVERIFY(std::fabs(static_cast<double>(f.time.PixelToValue(mx) - before)) < 2);
    // Zooming back out ends at "fit to the window".
    for (int step = 0; step < 12; ++step) {
      QWheelEvent wheel(QPointF(mx, 100), f.graph.mapToGlobal(QPointF(mx, 100)), QPoint(),
                        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&f.graph, &wheel);
    }
    QCOMPARE(f.graph.FixedWidth(), 0);
    QCOMPARE(zoom, 0);
    QVERIFY(!f.graph.Model().ScrollBar().visible);
  }

  void pointClickAndLayerErrorsLeaveTheRestDrawn() {
    Fixture f;
    f.Curve({1, 2, 3, 4}, kGraphRed);
    auto& broken = f.Curve({9, 9, 9, 9}, kGraphBlue, "broken");
    broken.yAxis = nullptr;  // fails the draw check: left out, the rest is drawn
    f.Finish(3);
    f.graph.SelectLayer(0);
    std::int32_t clicked = -2;
    f.graph.OnPointClick = [&](TcrvGraph&, std::int32_t i) { clicked = i; };
    Press(f.graph, QPoint(f.time.ValueToPixel(2) + 1, 50), Qt::LeftButton);
    QCOMPARE(clicked, 2);
    const QImage image = f.graph.RenderImage();
    QCOMPARE(image.pixel(f.time.ValueToPixel(1), f.axis.ValueToPixel(2)), qRgb(255, 0, 0));
    QVERIFY(!HasColor(image, image.rect(), qRgb(0, 0, 255)));
  }
};

QTEST_MAIN(GraphWidgetTest)
#include "GraphWidgetTest.moc"
