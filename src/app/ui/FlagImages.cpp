#include "app/ui/FlagImages.h"

#include <QPainter>

namespace gd::ui {

QPixmap FlagPixmap(int image, int width, int height) {
  if (image < 0 || image > 3 || width <= 0 || height <= 0) return {};
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setPen(Qt::NoPen);
  const int w = width;
  const int h = height;
  switch (image) {
    case 0:  // black, red, gold
      p.fillRect(0, 0, w, h / 3, QColor(0, 0, 0));
      p.fillRect(0, h / 3, w, h - 2 * (h / 3), QColor(221, 0, 0));
      p.fillRect(0, h - h / 3, w, h / 3, QColor(255, 206, 0));
      break;
    case 1: {  // red cross on white
      const int bar = std::max(2, h / 5);
      p.fillRect(0, (h - bar) / 2, w, bar, QColor(200, 16, 46));
      p.fillRect((w - bar) / 2, 0, bar, h, QColor(200, 16, 46));
      break;
    }
    case 2: {  // white Nordic cross on red
      const int bar = std::max(2, h / 7);
      p.fillRect(0, 0, w, h, QColor(200, 16, 46));
      p.fillRect(0, (h - bar) / 2, w, bar, Qt::white);
      p.fillRect(w * 3 / 8 - bar / 2, 0, bar, h, Qt::white);
      break;
    }
    default:  // blue, white, red
      p.fillRect(0, 0, w / 3, h, QColor(0, 35, 149));
      p.fillRect(w - w / 3, 0, w / 3, h, QColor(237, 41, 57));
      break;
  }
  p.setPen(QColor(96, 96, 96));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
  return pixmap;
}

QIcon FlagIcon(int image) {
  const QPixmap pixmap = FlagPixmap(image);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

}  // namespace gd::ui
