// Painting of precomputed graph geometry with QPainter, the graph's text
// metrics and its cursors.
#include <QBitmap>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygon>

#include "core/ui/AnsiText.h"
#include "view/ui/CrvGraph.h"

namespace gd::ui {

QFont ToQFont(const GraphFont& font) {
  QFont f(QString::fromStdString(font.name));
  f.setPointSize(font.size > 0 ? font.size : 8);
  return f;
}

QColor ToQColor(GraphColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

int QtGraphTextMetrics::TextWidth(const GraphFont& font, const std::string& text) const {
  const QFontMetrics fm(ToQFont(font), device_);
  return fm.horizontalAdvance(FromAnsi(text));
}

int QtGraphTextMetrics::TextHeight(const GraphFont& font) const {
  const QFontMetrics fm(ToQFont(font), device_);
  return fm.height();
}

QImage MarkerHatchPattern(GraphColor background) {
  QImage pattern(8, 8, QImage::Format_RGB32);
  const QRgb back = ToQColor(background).rgb();
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col)
      pattern.setPixel(col, row, row % 4 == col % 4 ? qRgb(0, 0, 0) : back);
  return pattern;
}

namespace {

QRect ToQRect(const GraphRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

void PaintVerticalAxis(QPainter& p, const VerticalAxisGeometry& g) {
  const QColor color = ToQColor(g.color);
  p.setPen(QPen(color, 0));
  p.setBrush(Qt::NoBrush);
  p.setFont(ToQFont(g.axis->font));
  const QFontMetrics fm = p.fontMetrics();
  // Caption rotated by 90 degrees, reading upward, at the strip's left edge.
  const QString caption = FromAnsi(g.caption);
  const int captionWidth = fm.horizontalAdvance(caption);
  p.save();
  p.translate(g.strip.left, (g.strip.top + g.strip.bottom) / 2);
  p.rotate(-90);
  p.drawText(QPoint(-captionWidth / 2, fm.ascent()), caption);
  p.restore();
  p.drawLine(g.axisX, g.yMin, g.axisX, g.yMax);
  for (const AxisTick& t : g.ticks) {
    p.drawLine(g.axisX, t.pos, g.axisX + 5, t.pos);
    p.drawText(QPoint(g.labelRight - t.labelWidth, t.pos - fm.height() / 2 + fm.ascent()),
               FromAnsi(t.label));
  }
}

void PaintHorizontalAxis(QPainter& p, const HorizontalAxisGeometry& g) {
  p.save();
  p.setClipRect(QRect(g.strip.left, g.strip.top, g.clipRight - g.strip.left, g.strip.Height()));
  p.setPen(QPen(ToQColor(g.color), 0));
  p.setBrush(Qt::NoBrush);
  p.setFont(ToQFont(g.axis->font));
  const QFontMetrics fm = p.fontMetrics();
  if (g.xMax > g.xMin) p.drawLine(g.xMin, g.axisY, g.xMax, g.axisY);
  for (int x : g.minors) p.drawLine(x, g.axisY - 2, x, g.axisY + 2);
  for (const AxisTick& t : g.majors) {
    p.drawLine(t.pos, g.axisY, t.pos, g.axisY - 9);
    p.drawText(QPoint(t.pos - t.labelWidth / 2, g.labelTop + fm.ascent()), FromAnsi(t.label));
  }
  p.restore();
}

void PaintMarkers(QPainter& p, const MarkerGeometry& m, const GraphPaintParams& params) {
  if (!m.hatch.empty()) {
    QBrush hatch(MarkerHatchPattern(params.blackAndWhite ? kGraphWhite : params.background));
    p.setBrushOrigin(0, 0);
    for (const GraphRect& r : m.hatch) p.fillRect(ToQRect(r), hatch);
  }
  const QColor blue(0, 0, 255);
  const QColor color = params.blackAndWhite ? QColor(Qt::black) : blue;
  for (const MarkerGeometry::Line& line : m.lines) {
    p.setPen(QPen(color, 0, Qt::DotLine));
    p.drawLine(line.x, params.frame.top, line.x, params.frame.bottom - 1);
    const int top = params.frame.top;
    const int dx = line.isStart ? 5 : -5;
    const QPolygon triangle(
        {QPoint(line.x, top), QPoint(line.x + dx, top + 5), QPoint(line.x, top + 10)});
    p.setPen(QPen(color, 0));
    p.setBrush(color);
    p.drawPolygon(triangle);
  }
}

void PaintMark(QPainter& p, const CurveMark& m, int style, const QColor& color,
               const QColor& highlight) {
  const QPoint c(m.at.x, m.at.y);
  switch (style) {
    case 1:
      p.setPen(QPen(m.notMeasured ? highlight : color, 0));
      p.setBrush(m.notMeasured ? highlight : color);
      p.drawEllipse(c, 2, 2);
      break;
    case 2:
      p.setPen(QPen(color, 0));
      if (m.notMeasured) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(c.x() - 2, c.y() - 2, 3, 3);
      } else {
        p.fillRect(c.x() - 2, c.y() - 2, 4, 4, color);
      }
      break;
    case 3:
      p.setPen(QPen(m.notMeasured ? highlight : color, 0));
      p.drawLine(c.x() - 3, c.y(), c.x() + 3, c.y());
      p.drawLine(c.x(), c.y() - 3, c.x(), c.y() + 3);
      break;
    default:
      break;
  }
}

void PaintCurve(QPainter& p, const CurvePrimitives& c, const GraphPaintParams& params) {
  p.save();
  p.setClipRect(ToQRect(c.clip).intersected(ToQRect(params.frame)));
  const QColor color = ToQColor(c.color);
  const QColor highlight = ToQColor(c.highlight);
  for (const GraphRect& r : c.notMeasured) p.fillRect(ToQRect(r), highlight);
  if (!c.breaks.empty()) {
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(highlight, Qt::DiagCrossPattern));
    for (const GraphRect& r : c.breaks) p.drawRect(ToQRect(r));
  }
  p.setPen(QPen(color, 0));
  p.setBrush(Qt::NoBrush);
  QPolygon polygon;
  for (const auto& line : c.polylines) {
    polygon.resize(static_cast<int>(line.size()));
    for (std::size_t i = 0; i < line.size(); ++i)
      polygon.setPoint(static_cast<int>(i), line[i].x, line[i].y);
    p.drawPolyline(polygon);
  }
  for (const ColumnSpan& s : c.columns) p.fillRect(s.x, s.top, 1, s.bottom - s.top + 1, color);
  for (const CurveSegment& s : c.segments) {
    p.setPen(QPen(ToQColor(s.color), 0));
    p.drawLine(s.from.x, s.from.y, s.to.x, s.to.y);
  }
  for (const CurveMark& m : c.marks) PaintMark(p, m, c.markStyle, color, highlight);
  const int bottom = c.clip.bottom;
  for (const MinMaxMarker& m : c.minMax) {
    p.setPen(QPen(color, 0, Qt::DotLine));
    p.drawLine(m.x, c.clip.top, m.x, bottom - 1);
    p.setPen(QPen(color, 0));
    p.setBrush(color);
    if (m.isMaximum) {
      p.drawPolygon(QPolygon(
          {QPoint(m.x, bottom - 10), QPoint(m.x - 3, bottom - 5), QPoint(m.x + 3, bottom - 5)}));
    } else {
      p.drawPolygon(QPolygon(
          {QPoint(m.x, bottom - 5), QPoint(m.x - 3, bottom - 10), QPoint(m.x + 3, bottom - 10)}));
    }
    p.setBrush(Qt::NoBrush);
  }
  p.restore();
}

}  // namespace

void PaintGraph(QPainter& p, const GraphPaintParams& params, const QPalette& palette) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(ToQRect(params.client),
             params.blackAndWhite ? QColor(Qt::white) : ToQColor(params.background));
  for (const VerticalAxisGeometry& g : params.vertical) PaintVerticalAxis(p, g);
  // 1-pixel 3D frame: shadow at the top and left, highlight at the bottom and right.
  const GraphRect& f = params.frame;
  p.setPen(QPen(palette.color(QPalette::Dark), 0));
  p.drawLine(f.left, f.top, f.right - 1, f.top);
  p.drawLine(f.left, f.top, f.left, f.bottom - 1);
  p.setPen(QPen(palette.color(QPalette::Light), 0));
  p.drawLine(f.left, f.bottom - 1, f.right - 1, f.bottom - 1);
  p.drawLine(f.right - 1, f.top, f.right - 1, f.bottom - 1);
  for (const HorizontalAxisGeometry& g : params.horizontal) PaintHorizontalAxis(p, g);
  p.setClipRect(ToQRect(f));
  PaintMarkers(p, params.markers, params);
  for (const CurvePrimitives& c : params.layers) PaintCurve(p, c, params);
  p.restore();
}

// ---- cursors -------------------------------------------------------------

namespace {

QCursor MakeCursor(int id) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  auto outlined = [&](auto draw) {
    p.setPen(QPen(Qt::white, 3));
    draw();
    p.setPen(QPen(Qt::black, 1));
    draw();
  };
  int hot = 8;
  switch (id) {
    case 1001:  // cross and a small chart
      outlined([&] {
        p.drawLine(8, 1, 8, 15);
        p.drawLine(1, 8, 15, 8);
        p.drawLine(16, 30, 16, 18);
        p.drawLine(16, 30, 30, 30);
        p.drawPolyline(QPolygon({QPoint(17, 27), QPoint(21, 22), QPoint(25, 25), QPoint(29, 19)}));
      });
      break;
    case 1002:  // cross and a vertical axis with ticks
      outlined([&] {
        p.drawLine(8, 1, 8, 15);
        p.drawLine(1, 8, 15, 8);
        p.drawLine(22, 16, 22, 30);
        for (int y = 17; y <= 29; y += 4) p.drawLine(22, y, 26, y);
      });
      break;
    case 1004:  // logo: a gauge
      hot = 16;
      outlined([&] {
        p.drawEllipse(QPoint(16, 16), 12, 12);
        p.drawLine(16, 16, 24, 9);
      });
      break;
    case 1005:  // diagonal cross
    default:
      hot = 8;
      outlined([&] {
        p.drawLine(2, 2, 14, 14);
        p.drawLine(14, 2, 2, 14);
      });
      break;
  }
  p.end();
  return QCursor(pixmap, hot, hot);
}

}  // namespace

QCursor GraphCursor(int id) {
  static QHash<int, QCursor> cursors;
  auto it = cursors.find(id);
  if (it == cursors.end()) it = cursors.insert(id, MakeCursor(id));
  return *it;
}

}  // namespace gd::ui
