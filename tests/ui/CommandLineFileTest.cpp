#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/MainWindow.h"

// The desktop starts the program with the opened file as its one argument
// (the desktop entry's %f): a local path as the file system spells it, with
// blanks and any letters.
class CommandLineFileTest : public QObject {
  Q_OBJECT
 private slots:
  void opensAFileWhoseNameHasBlanksAndNonLatinLetters() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Messungen Kühlwasser Ω"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Zähler 3 – Ørsted 測定.sdx");
    QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path));

    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenCommandLineFile(path));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
    // The caption and the history of opened files show the file's own name.
    QVERIFY2(w.windowTitle().endsWith(QDir::toNativeSeparators(path) + QStringLiteral(")")),
             qPrintable(w.windowTitle()));
    const QList<QAction*> history = w.OpenedHistoryActions();
    QCOMPARE(history.size(), 1);
    QVERIFY(history[0]->text().endsWith(path));
  }

  void reportsAMissingFileAndStaysEmpty() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nicht da Ü.sdx"));
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(!w.OpenCommandLineFile(path));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
    QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("nicht da \u00dc.sdx")));
    QVERIFY(!w.OpenCommandLineFile(dir.path()));  // a folder is no measurement file
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
  }
};

QTEST_MAIN(CommandLineFileTest)
#include "CommandLineFileTest.moc"
