// The table view opened from the main window for the demo file: 144 rows of
// series 1, the caption, saving the table as text and copying cells.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ui/MainWindow.h"
#include "view/ui/ValuesInGridDlg.h"

class ValuesInGridDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensSeriesOneWith144Rows();
};

void ValuesInGridDialogTest::OpensSeriesOneWith144Rows() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  w.SeriesList()->selectRow(0);
  QVERIFY(w.MEN_Tabelle()->isEnabled());

  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("tabelle.txt"));
  bool checked = false;
  int rows = 0;
  QString caption, copied;
  qint64 lines = 0;
  bool saved = false;
  auto* timer = new QTimer(&w);
  timer->setInterval(20);
  int ticks = 0;
  QObject::connect(timer, &QTimer::timeout, [&] {
    auto* dlg = qobject_cast<gd::ui::TDLG_ValuesInGrid*>(QApplication::activeModalWidget());
    if (++ticks > 500) {  // a dialog that never fills ends the test
      timer->stop();
      if (dlg) dlg->done(0);
      return;
    }
    if (!dlg || dlg->Filling() || dlg->Table().RowCount() < 2) return;
    timer->stop();
    rows = dlg->WerteStringGrid()->model()->rowCount();
    caption = dlg->windowTitle();
    dlg->saveName = [&](QWidget*, const QString&, const QStringList&) { return target; };
    saved = dlg->BUT_SaveThisTableClick();
    QFile f(target);
    if (f.open(QIODevice::ReadOnly)) lines = f.readAll().count("\r\n");
    QTableView* grid = dlg->WerteStringGrid();
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    copied = dlg->SelectionText();
    grid->setColumnWidth(1, 123);
    checked = true;
    dlg->OKBtn()->click();
  });
  timer->start();
  w.MEN_Tabelle()->trigger();

  QVERIFY(checked);
  QCOMPARE(rows, 144);
  QCOMPARE(caption, QString::fromUtf8("Me\xC3\x9Fwertreihe aus demo.sdx"));
  QVERIFY(saved);
  auto* dlg = w.ValuesInGrid();
  QVERIFY(dlg);
  QCOMPARE(dlg->Table().RowCount(), 2);  // closing keeps the first rows only
  QVERIFY(!dlg->PAN_ExtractViews()->isVisible());
  // Closing takes the grid's widths back per output column.
  const std::vector<int> columns = dlg->GridColumns();
  QCOMPARE(static_cast<int>(columns.size()), dlg->Table().ColumnCount() - 1);
  QCOMPARE(dlg->GetColumnWidths()[static_cast<std::size_t>(columns[0])], 123);
  // The file: at least the source, start, params, data, heading, 144 rows and end.
  QVERIFY(lines >= 144 + 6);
  QFile f(target);
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  QVERIFY(text.startsWith("\\SOURCE=" + caption.toLatin1() + "[01]\r\n"));
  QVERIFY(text.endsWith("\\END\r\n"));
  const QString first = QString::fromLatin1(dlg->Table().Cell(0, 1).data(),
                                            static_cast<qsizetype>(dlg->Table().Cell(0, 1).size()));
  QVERIFY(copied.startsWith(QStringLiteral("1")));
  QCOMPARE(copied.count(QStringLiteral("\r\n")), 2);
  QVERIFY(copied.contains(first));
}

QTEST_MAIN(ValuesInGridDialogTest)
#include "ValuesInGridDialogTest.moc"
