#include "view/ui/DiagramRender.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <algorithm>

#include "core/ui/AnsiText.h"
#include "view/GraphGeometry.h"
#include "view/ui/CrvGraph.h"

namespace gd::ui {
namespace {

QSize Bounded(QSize size) {
  return QSize(std::clamp(size.width(), 1, 20000), std::clamp(size.height(), 1, 20000));
}

void LayOut(GraphModel& graph, const GraphTextMetrics& metrics, QSize size) {
  graph.Layout(metrics, GraphRect{0, 0, size.width(), size.height()});
}

// The graph drawn in screen pixels as a vector drawing: rendered into a box
// on another device it scales as a whole, its texts included.
QByteArray GraphSvg(GraphModel& graph, QSize size, bool blackAndWhite) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kGraphScreenDpi);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  QtGraphTextMetrics metrics(&svg);
  LayOut(graph, metrics, size);
  QPainter painter(&svg);
  PaintGraph(painter, ComputePaintParams(graph, metrics, blackAndWhite), QPalette());
  painter.end();
  return buffer.data();
}

}  // namespace

QImage RenderDiagramImage(GraphModel& graph, QSize size, bool blackAndWhite) {
  size = Bounded(size);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QtGraphTextMetrics metrics(&image);
  LayOut(graph, metrics, size);
  QPainter painter(&image);
  PaintGraph(painter, ComputePaintParams(graph, metrics, blackAndWhite), QPalette());
  return image;
}

bool SaveDiagramImage(GraphModel& graph, QSize size, const QString& path, QString* error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  auto fail = [&](const QString& text) {
    if (error) *error = text;
    return false;
  };
  size = Bounded(size);
  QSaveFile file(path);
  if (suffix == "png") {
    const QImage image = RenderDiagramImage(graph, size);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
      return fail(Tr("Datei kann nicht geschrieben werden: %s").replace("%s", path));
    return true;
  }
  if (suffix == "svg") {
    if (!file.open(QIODevice::WriteOnly))
      return fail(Tr("Datei kann nicht geschrieben werden: %s").replace("%s", path));
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(kGraphScreenDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("GaugData"));
    QtGraphTextMetrics metrics(&svg);
    LayOut(graph, metrics, size);
    QPainter painter(&svg);
    PaintGraph(painter, ComputePaintParams(graph, metrics, false), QPalette());
    painter.end();
    if (!file.commit())
      return fail(Tr("Datei kann nicht geschrieben werden: %s").replace("%s", path));
    return true;
  }
  return fail(Tr("Unbekannte Bildart (PNG oder SVG): %s").replace("%s", path));
}

bool PrintDiagramPage(QPagedPaintDevice& device, GraphModel& graph, QSize graphSize,
                      const std::vector<PrintHeaderLine>& header, bool blackAndWhite,
                      QString* error) {
  graphSize = Bounded(graphSize);
  // Before the painter starts the job: laying out again must not happen
  // with the printer's metrics.
  QSvgRenderer drawing(GraphSvg(graph, graphSize, blackAndWhite));
  QPainter painter;
  if (!painter.begin(&device)) {
    if (error) *error = Tr("Der Druck kann nicht gestartet werden");
    return false;
  }
  const int dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
  PrintPage page{device.width(), device.height(), dpiX, dpiY, device.width() > device.height()};
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(10);
  painter.setFont(font);
  const QFontMetrics fm(font, &device);
  const PrintGeometry g = ComputePrintGeometry(page, static_cast<int>(header.size()), fm.height(),
                                               fm.averageCharWidth());
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < header.size(); ++i) {
    const int y = g.headerTop + static_cast<int>(i) * g.lineHeight + fm.ascent();
    painter.drawText(g.headerLeft, y, FromAnsi(header[i].label));
    painter.drawText(g.valueLeft, y, FromAnsi(header[i].value));
  }
  // The graph's pixels mapped onto the box, each direction on its own.
  drawing.setAspectRatioMode(Qt::IgnoreAspectRatio);
  drawing.render(&painter, QRectF(g.graph.left, g.graph.top, g.graph.width, g.graph.height));
  if (!painter.end()) {
    if (error) *error = Tr("Der Druck ist fehlgeschlagen");
    return false;
  }
  return true;
}

}  // namespace gd::ui
