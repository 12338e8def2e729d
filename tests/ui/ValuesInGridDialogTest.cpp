// The table view over the demo file. The dialog is driven directly, without
// polling: filling, saving and copying series 1, the channel choice of a
// two-channel series, cancelling a fill, the parameter-set window and the
// column widths; and once opened from the main window as the user opens it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "ScreenshotSupport.h"
#include "app/ui/MainWindow.h"
#include "convert/VXASCIIOUT.h"
#include "view/ui/ShowOneParasatz.h"
#include "view/ui/ValuesInGridDlg.h"

namespace {

QByteArray DemoBytes() {
  QFile f(QStringLiteral(GAUGDATA_DEMO_FILE));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Text(QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

QString Heading(QTableView* grid, int column) {
  return grid->model()->headerData(column, Qt::Horizontal).toString().trimmed();
}

int ColumnHeaded(QTableView* grid, const QString& heading) {
  for (int c = 0; c < grid->model()->columnCount(); ++c)
    if (Heading(grid, c) == heading) return c;
  return -1;
}

}  // namespace

class ValuesInGridDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    bytes_ = DemoBytes();
    QVERIFY(!bytes_.isEmpty());
    std::uint16_t status = 0;
    engine_ = std::make_unique<gd::TVXASCIIOUT>(
        "demo.sdx", gd::TranslateFunction{}, &status, "", gd::kDefaultTextStyle, nullptr, nullptr,
        gd::ByteView(reinterpret_cast<const std::uint8_t*>(bytes_.constData()),
                     static_cast<std::size_t>(bytes_.size())));
    QVERIFY(engine_->Usable());
    dlg_ = std::make_unique<gd::ui::TDLG_ValuesInGrid>();
  }
  void cleanup() {
    dlg_.reset();
    engine_.reset();
  }

  void fillsSavesAndCopiesSeriesOne() {
    dlg_->Prepare("demo.sdx", engine_.get(), QString(), 0, 1);
    QCOMPARE(dlg_->windowTitle(), QString::fromUtf8("Me\xC3\x9Fwertreihe aus demo.sdx"));
    dlg_->FillGrid();
    QTableView* grid = dlg_->WerteStringGrid();
    QCOMPARE(grid->model()->rowCount(), 144);
    QVERIFY(!dlg_->Comb_Kanal()->isVisibleTo(dlg_.get()));  // one channel
    QCOMPARE(Heading(grid, 0), QString());
    QCOMPARE(Text(grid, 0, 0), QStringLiteral("1"));
    QCOMPARE(Text(grid, 143, 0), QStringLiteral("144"));

    // No width stored: every column fits its texts (dates and totals are
    // wider than a grid's default column).
    const int date = ColumnHeaded(grid, QStringLiteral("DATE"));
    const int total = ColumnHeaded(grid, QStringLiteral("Q_POS"));
    QVERIFY(date > 0 && total > 0);
    for (int c : {date, total}) {
      const int needed = grid->fontMetrics().horizontalAdvance(Text(grid, 0, c));
      QVERIFY2(
          grid->columnWidth(c) >= needed,
          qPrintable(
              QStringLiteral("column %1: %2 < %3").arg(c).arg(grid->columnWidth(c)).arg(needed)));
    }

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("tabelle.txt"));
    dlg_->saveName = [&](QWidget*, const QString&, const QStringList&) { return target; };
    QVERIFY(dlg_->BUT_SaveThisTableClick());
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.startsWith("\\SOURCE=" + dlg_->windowTitle().toLatin1() + "[01]\r\n"));
    QVERIFY(text.endsWith("\\END\r\n"));
    QVERIFY(text.count("\r\n") >= 144 + 6);

    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    const QString copied = dlg_->SelectionText();
    QVERIFY(copied.startsWith(QStringLiteral("1")));
    QCOMPARE(copied.count(QStringLiteral("\r\n")), 2);
    QVERIFY(copied.contains(Text(grid, 0, 1).trimmed()));

    // Closing keeps the first rows and takes the widths back per column.
    grid->setColumnWidth(1, 123);
    dlg_->OKBtn()->click();
    QCOMPARE(dlg_->Table().RowCount(), 2);
    const std::vector<int> columns = dlg_->GridColumns();
    QCOMPARE(dlg_->GetColumnWidths()[static_cast<std::size_t>(columns[0])], 123);
  }

  void switchesChannelsOfATwoChannelSeries() {
    dlg_->Prepare("demo.sdx", engine_.get(), QString(), 1, 2);  // series 2, channel B
    QCOMPARE(dlg_->Comb_Kanal()->count(), 2);
    QCOMPARE(dlg_->Comb_Kanal()->currentText(), QStringLiteral("B:"));
    dlg_->FillGrid();
    QTableView* grid = dlg_->WerteStringGrid();
    QCOMPARE(Heading(grid, 0), QStringLiteral("B:"));
    QCOMPARE(grid->model()->rowCount(), 48);
    QVERIFY(dlg_->Comb_Kanal()->isVisibleTo(dlg_.get()));
    const int measure = ColumnHeaded(grid, QStringLiteral("MEASURE"));
    const QString channelB = Text(grid, 0, measure);

    // Choosing A refills the table with channel A's records.
    dlg_->Comb_Kanal()->setCurrentIndex(0);
    QCOMPARE(Heading(grid, 0), QStringLiteral("A:"));
    QCOMPARE(grid->model()->rowCount(), 48);
    QVERIFY(Text(grid, 0, measure) != channelB);
    QVERIFY(!dlg_->Filling());
  }

  void cancelMarksThePartialTable() {
    dlg_->Prepare("demo.sdx", engine_.get(), QString(), 0, 1);
    // The fill lets events run every 10th record: the cancel button is
    // pressed at the first of them.
    QTimer::singleShot(0, dlg_.get(), [this] { dlg_->BitBtn1Click(); });
    dlg_->FillGrid();
    QTableView* grid = dlg_->WerteStringGrid();
    QCOMPARE(grid->model()->rowCount(), 10);
    QCOMPARE(Text(grid, 8, 0), QStringLiteral("9"));
    QCOMPARE(Text(grid, 9, 0), QStringLiteral("10"));
    QCOMPARE(Text(grid, 9, 1).trimmed(), QStringLiteral("**BREAK**"));
    QCOMPARE(Text(grid, 9, 2).trimmed(), QStringLiteral("(10 of 144)"));
    QVERIFY(!dlg_->Filling());
    QVERIFY(dlg_->OKBtn()->isEnabled());
  }

  void parameterSetWindowClosesWithTheTable() {
    dlg_->Prepare("demo.sdx", engine_.get(), QString(), 1, 2);
    dlg_->FillGrid();
    QVERIFY(dlg_->BUT_ShowParasatz()->isEnabled());
    dlg_->BUT_ShowParasatz()->click();
    QPointer<QDialog> window = dlg_->ParameterSetWindow();
    QVERIFY(window);
    auto* parasatz = qobject_cast<gd::ui::TDLG_ShowOneParasatz*>(window.data());
    QVERIFY(parasatz);
    QVERIFY(parasatz->isVisible());
    QCOMPARE(parasatz->windowTitle(), QStringLiteral("demo.sdx"));
    QCOMPARE(parasatz->LBV_MWReihe()->text(), QStringLiteral("02"));
    QVERIFY(parasatz->LBV_Kanal()->text().startsWith(QStringLiteral("B")));
    QVERIFY(!parasatz->Memo()->toPlainText().isEmpty());
    QVERIFY(parasatz->BUT_OK() && parasatz->BUT_HELP());
    dlg_->show();
    gd::testing::SaveScreenshot(*dlg_, "table-view.png");
    gd::testing::SaveScreenshot(*parasatz, "table-parameter-set.png");
    // A second click shows the same window.
    dlg_->BUT_ShowParasatz()->click();
    QCOMPARE(dlg_->ParameterSetWindow(), window.data());

    dlg_->OKBtn()->click();
    QVERIFY(!window || !window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
  }

  // From the main window, modal as the user sees it: the first activation
  // fills the table; the dialog is answered once, after that fill.
  void opensFromTheMainWindow() {
    gd::ui::TVELTRIXMAIN w;
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(0);
    QVERIFY(w.MEN_Tabelle()->isEnabled());
    int rows = -1;
    QString caption;
    // Posted before the dialog runs, so it comes after the fill that its
    // first activation posts only if it fills itself first.
    QTimer::singleShot(0, &w, [&] {
      auto* dlg = qobject_cast<gd::ui::TDLG_ValuesInGrid*>(QApplication::activeModalWidget());
      if (!dlg) return;
      if (dlg->Table().RowCount() < 2) dlg->FillGrid();
      QCoreApplication::removePostedEvents(dlg, QEvent::MetaCall);
      rows = dlg->WerteStringGrid()->model()->rowCount();
      caption = dlg->windowTitle();
      dlg->OKBtn()->click();
    });
    w.MEN_Tabelle()->trigger();
    QCOMPARE(rows, 144);
    QCOMPARE(caption, QString::fromUtf8("Me\xC3\x9Fwertreihe aus demo.sdx"));
    QVERIFY(w.ValuesInGrid());
    QCOMPARE(w.ValuesInGrid()->Table().RowCount(), 2);
  }

 private:
  QByteArray bytes_;
  std::unique_ptr<gd::TVXASCIIOUT> engine_;
  std::unique_ptr<gd::ui::TDLG_ValuesInGrid> dlg_;
};

QTEST_MAIN(ValuesInGridDialogTest)
#include "ValuesInGridDialogTest.moc"
