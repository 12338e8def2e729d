#include "app/ui/WindowGeometry.h"

#include <algorithm>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace gd::ui {
namespace {

Rect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

std::vector<Rect> AvailableScreens() {
  std::vector<Rect> screens;
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(ToRect(screen->availableGeometry()));
  return screens;
}

void RestoreWindowFrame(QWidget& window, const WindowLayout& layout, const std::string& key) {
  std::optional<Rect> frame = layout.Frame(key);
  if (!frame) return;
  // The window will not be smaller than its layout allows: clamp the size it
  // will really have, so that it does not grow off the screen afterwards.
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
  frame->width = std::max(frame->width, least.width());
  frame->height = std::max(frame->height, least.height());
  const Rect placed = ClampToScreens(*frame, AvailableScreens());
  window.resize(placed.width, placed.height);
  window.move(placed.x, placed.y);
  if (layout.Maximized(key)) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void StoreWindowFrame(const QWidget& window, WindowLayout& layout, const std::string& key) {
  const bool maximized = window.isMaximized();
  const QRect normal =
      maximized || window.isMinimized() ? window.normalGeometry() : window.geometry();
  if (normal.isValid()) layout.SetFrame(key, ToRect(normal));
  layout.SetMaximized(key, maximized);
}

void RestoreDialogSize(QWidget& dialog, const WindowLayout& layout, const std::string& key) {
  const std::optional<Rect> frame = layout.Frame(key);
  if (!frame) return;
  // Only the size counts: cut to the screen the dialog (or its parent) is on.
  const QWidget* anchor = dialog.parentWidget() ? dialog.parentWidget()->window() : &dialog;
  const QScreen* screen = anchor->screen();
  Rect size{0, 0, frame->width, frame->height};
  if (screen) {
    const Rect area = ToRect(screen->availableGeometry());
    size = ClampToScreens({area.x, area.y, frame->width, frame->height}, {area});
  }
  dialog.resize(size.width, size.height);
}

void StoreDialogSize(const QWidget& dialog, WindowLayout& layout, const std::string& key) {
  layout.SetFrame(key, {0, 0, dialog.width(), dialog.height()});
}

void RememberDialogSize(QDialog& dialog, WindowLayout& layout, const std::string& key) {
  RestoreDialogSize(dialog, layout, key);
  QObject::connect(&dialog, &QDialog::finished, &dialog,
                   [&dialog, &layout, key] { StoreDialogSize(dialog, layout, key); });
}

void RestoreSplitter(QSplitter& splitter, const WindowLayout& layout, const std::string& key) {
  const std::vector<int> sizes = layout.Splitter(key);
  if (static_cast<int>(sizes.size()) != splitter.count()) return;
  splitter.setSizes(QList<int>(sizes.begin(), sizes.end()));
}

void StoreSplitter(const QSplitter& splitter, WindowLayout& layout, const std::string& key) {
  const QList<int> sizes = splitter.sizes();
  layout.SetSplitter(key, std::vector<int>(sizes.begin(), sizes.end()));
}

}  // namespace gd::ui
