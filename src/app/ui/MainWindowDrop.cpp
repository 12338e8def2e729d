// A measurement file dropped on the window (from a file manager) opens like
// one picked in the open dialog: the close query first, then the file joins
// the opened-files history. Other drops are refused.
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include "app/ui/MainWindow.h"

namespace gd::ui {
namespace {

// The one local measurement file (".sdx" in any case) a drag carries, or
// empty.
QString DroppedMeasurementFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  const QList<QUrl> urls = mime->urls();
  // The window holds one file: a drop of several is not taken.
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  const QFileInfo info(path);
  if (info.suffix().compare(QStringLiteral("sdx"), Qt::CaseInsensitive) != 0 || !info.isFile())
    return {};
  return path;
}

}  // namespace

bool TVELTRIXMAIN::TakeDragEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DroppedMeasurementFile(drag->mimeData()).isEmpty()) return false;
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = DroppedMeasurementFile(drop->mimeData());
      if (path.isEmpty()) return false;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // Opened once the drop has ended: the close query must not hold up the
      // program the file came from.
      QMetaObject::invokeMethod(
          this, [this, path] { OpenDroppedFile(path); }, Qt::QueuedConnection);
      return true;
    }
    default:
      return false;
  }
}

void TVELTRIXMAIN::OpenDroppedFile(const QString& path) {
  activateWindow();
  if (!CloseQueryAllows()) return;
  OpenAndRemember(path);
}

void TVELTRIXMAIN::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeDragEvent(event)) event->ignore();
}

void TVELTRIXMAIN::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeDragEvent(event)) event->ignore();
}

void TVELTRIXMAIN::dropEvent(QDropEvent* event) {
  if (!TakeDragEvent(event)) event->ignore();
}

}  // namespace gd::ui
