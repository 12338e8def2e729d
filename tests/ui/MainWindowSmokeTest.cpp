#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ui/MainWindow.h"

class MainWindowSmokeTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithTitleAndFileMenu() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("GaugData - (untitled.sdx)"));
    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    QVERIFY(menus.contains(QStringLiteral("&Datei")));
    QCOMPARE(w.MEN_OpenFile()->text(), QStringLiteral("Oeff&nen..."));
    QCOMPARE(w.MEN_Exit()->text(), QStringLiteral("&Beenden"));
    w.MEN_Exit()->trigger();
    QVERIFY(!w.isVisible());
  }

  void listsTheSeriesOfTheDemoFile() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QCOMPARE(w.windowTitle(),
             QStringLiteral("GaugData - (%1)")
                 .arg(QDir::toNativeSeparators(QStringLiteral(GAUGDATA_DEMO_FILE))));
    QTableView* list = w.SeriesList();
    QCOMPARE(list->model()->rowCount(), 6);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("NR"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("START"));
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("01"));
    // the first row is selected and its details are shown
    QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Messwert-Reihe 01")));
    list->selectRow(1);
    QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Messwert-Reihe 02")));
  }

  void savesTheSelectedSeriesAndShowsParameterSets() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(!w.MEN_SAVEFILE()->isEnabled());
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QVERIFY(w.MEN_SAVEFILE()->isEnabled());

    QTemporaryDir dir;
    w.SeriesList()->selectRow(2);
    const QString text = dir.filePath(QStringLiteral("series3.txt"));
    QVERIFY(w.SaveSeries(text, gd::SeriesSelection(std::vector<int>{3})));
    QFile saved(text);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.contains("demo.sdx[03] (V 5.22)"));
    QVERIFY(bytes.contains("\\PARAMS"));
    QVERIFY(bytes.contains("\\END_OF_SET[3]\r\n"));

    // a subset file of the selected series opens with just that series
    const QString subset = dir.filePath(QStringLiteral("part.sdx"));
    QVERIFY(w.SaveSeries(subset, gd::SeriesSelection(std::vector<int>{3})));
    gd::ui::TVELTRIXMAIN other;
    QVERIFY(other.OpenMeasurementFile(subset));
    QCOMPARE(other.SeriesList()->model()->rowCount(), 1);
    QCOMPARE(other.SeriesList()->model()->index(0, 1).data().toString(),
             w.SeriesList()->model()->index(2, 1).data().toString());

    w.ShowParameterSets();
    auto* window = w.findChild<QDialog*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(window);
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Parametersaetze demo.sdx[3]")));
    QVERIFY(
        window->findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("WMZ UST1")));
  }

  void reportsAnInvalidFileAndListsNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.sdx"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n", 32);
    f.write(QByteArray(200, '\0'));
    f.close();

    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QString shown;
    QTimer::singleShot(0, [&shown] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->accept();
      }
    });
    QVERIFY(!w.OpenMeasurementFile(path));
    // The stream's verdict, with the file it is about.
    QCOMPARE(shown, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) +
                        QStringLiteral(":\r\nBIN\u00C4RDATEI IST UNGUELTIG"));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("GaugData - (untitled.sdx)"));
  }
};

QTEST_MAIN(MainWindowSmokeTest)
#include "MainWindowSmokeTest.moc"
