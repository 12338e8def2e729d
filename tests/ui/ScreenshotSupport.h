// Pictures of windows for looking at their layout: when the environment
// names a folder in GAUGDATA_SCREENSHOT_DIR, a test saves the window it has
// just set up there as a PNG. Without it nothing is written.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <QtTest>

namespace gd::testing {

inline void SaveScreenshot(QWidget& window, const char* fileName) {
  const QByteArray folder = qgetenv("GAUGDATA_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QVERIFY(QDir().mkpath(QString::fromLocal8Bit(folder)));
  const QString path = QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(fileName));
  QVERIFY2(window.grab().save(path), qPrintable(path));
}

}  // namespace gd::testing
