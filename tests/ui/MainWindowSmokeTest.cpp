#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/ui/MainWindow.h"

class MainWindowSmokeTest : public QObject {
  Q_OBJECT
private slots:
  void opensWithTitleAndFileMenu() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("GaugData"));
    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    QVERIFY(menus.contains(QStringLiteral("&Datei")));
    QCOMPARE(w.MEN_Exit()->text(), QStringLiteral("&Beenden"));
    w.MEN_Exit()->trigger();
    QVERIFY(!w.isVisible());
  }
};

QTEST_MAIN(MainWindowSmokeTest)
#include "MainWindowSmokeTest.moc"
