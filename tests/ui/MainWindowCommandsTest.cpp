// The main window's commands on files: captions and enable rules, comment
// editing with the close query, saving several series through the selection
// dialog, and the Quick-Save list.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <deque>
#include <functional>

#include "ScriptedMessages.h"
#include "app/ui/MainWindow.h"
#include "view/ui/DualListDlg.h"

namespace {

// Answers the window's questions from a queue and records what it was told.
QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy of the demo file that the test may rewrite.
QString CopyOfDemo(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("demo.sdx"));
  QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path);
  QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return path;
}

// The save dialog answered with a fixed name and filter.
void AnswerSaveDialog(gd::ui::TVELTRIXMAIN& w, const QString& name, int filter,
                      QString* preset = nullptr) {
  gd::ui::FileDialogs dialogs;
  dialogs.saveName = [=](QWidget*, QString& chosen, int& filterIndex) {
    if (preset) *preset = chosen;
    chosen = name;
    filterIndex = filter;
    return true;
  };
  w.SetFileDialogs(dialogs);
}

// Runs `answer` on the series selection dialog once it is shown modally.
void WhenSelectionDialogShows(std::function<void(gd::ui::TDualListDlg*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (auto* dlg = qobject_cast<gd::ui::TDualListDlg*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      answer(dlg);
    }
  });
  timer->start();
}

void SelectRows(QTableView* list, std::initializer_list<int> rows) {
  list->clearSelection();
  for (int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class MainWindowCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void captionsAndEnableRulesAfterOpenAndReset() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    const auto* values = w.findChild<QToolButton*>(QStringLiteral("SB_MemoAsValues"));
    QVERIFY(values);
    QCOMPARE(w.windowTitle(), QStringLiteral("GaugData - (untitled.sdx)"));
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("Messwertreihen"));
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Messwertreihe"));
    QVERIFY(!w.SeriesMenu()->menuAction()->isEnabled());
    QVERIFY(!w.MEN_SAVEFILE()->isEnabled());
    QVERIFY(!w.MEN_Parasaetze()->isEnabled());
    QVERIFY(!values->isVisible());

    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("MESS&WERTREIHEN DER DATEI: "));
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Messwertreihe 01"));
    QVERIFY(w.SeriesMenu()->menuAction()->isEnabled());
    QVERIFY(w.MEN_SAVEFILE()->isEnabled() && w.MEN_Parasaetze()->isEnabled());
    QVERIFY(values->isVisible());
    QCOMPARE(w.DetailsLabel()->text(), QStringLiteral("Details der Messwertreihe:"));
    w.SeriesList()->selectRow(4);
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Messwertreihe 05"));
    w.SeriesList()->clearSelection();
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Messwertreihe"));
    QVERIFY(!w.SeriesMenu()->menuAction()->isEnabled());

    // A file that does not open resets the window.
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.sdx"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(300, '\x01'));
    f.close();
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    QVERIFY(!w.OpenMeasurementFile(broken));
    QCOMPARE(messages.texts.size(), std::size_t{1});
    QCOMPARE(w.windowTitle(), QStringLiteral("GaugData - (untitled.sdx)"));
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("Messwertreihen"));
    QVERIFY(!w.MEN_SAVEFILE()->isEnabled());
    QVERIFY(!values->isVisible());
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
  }

  void commentEditingAndTheCloseQuery() {
    QTemporaryDir dir;
    const QString path = CopyOfDemo(dir);
    const QByteArray original = ReadAll(path);
    ScriptedMessages messages;
    const std::string question = "Bemerkungen wurden geaendert. Speichern?";
    {
      gd::ui::TVELTRIXMAIN w;
      w.RouteMessages(&messages);
      w.show();
      QVERIFY(w.OpenMeasurementFile(path));
      QVERIFY(w.DetailsPanel()->isReadOnly());
      w.MEN_Bemerkungenzeigen()->trigger();
      QVERIFY(w.MEN_Bemerkungenzeigen()->isChecked());
      QVERIFY(!w.DetailsPanel()->isReadOnly());
      QCOMPARE(w.DetailsLabel()->text(), QStringLiteral("&Bemerkungen zur Messwertreihe 01:"));
      // The stored comment is shown; the user replaces it.
      QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Tagesgang")));
      QVERIFY(!w.DetailsPanel()->document()->isModified());
      w.DetailsPanel()->selectAll();
      QTest::keyClicks(w.DetailsPanel(), QStringLiteral("Rohr 1"));
      QTest::keyClick(w.DetailsPanel(), Qt::Key_Return);
      QTest::keyClicks(w.DetailsPanel(), QStringLiteral("gereinigt"));

      // Another row: the first keeps the text with CR LF lines.
      w.SeriesList()->selectRow(1);
      QCOMPARE(w.DetailsLabel()->text(), QStringLiteral("&Bemerkungen zur Messwertreihe 02:"));
      QVERIFY(!w.DetailsPanel()->toPlainText().contains(QStringLiteral("Rohr 1")));
      QCOMPARE(w.File().Comments().rows[0].Text(), std::string("Rohr 1\r\ngereinigt"));
      w.SeriesList()->selectRow(0);
      QCOMPARE(w.DetailsPanel()->toPlainText(), QStringLiteral("Rohr 1\ngereinigt"));

      // Details again: read-only, the details text.
      w.SetCommentMode(false);
      QVERIFY(w.DetailsPanel()->isReadOnly());
      QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Messwert-Reihe 01")));

      messages.answers = {gd::Answer::Cancel};
      QVERIFY(!w.close());
      QVERIFY(w.isVisible());
      QCOMPARE(messages.texts.back(), question);
      // Opening another file is guarded by the same query.
      gd::ui::FileDialogs dialogs;
      bool asked = false;
      dialogs.openName = [&asked](QWidget*) {
        asked = true;
        return QString();
      };
      w.SetFileDialogs(dialogs);
      messages.answers = {gd::Answer::Cancel};
      w.MEN_OpenFileClick();
      QVERIFY(!asked);

      messages.answers = {gd::Answer::No};
      QVERIFY(w.close());
      QCOMPARE(ReadAll(path), original);  // No: nothing written
    }
    {
      gd::ui::TVELTRIXMAIN w;
      w.RouteMessages(&messages);
      w.show();
      QVERIFY(w.OpenMeasurementFile(path));
      w.SetCommentMode(true);
      w.SeriesList()->selectRow(2);
      w.DetailsPanel()->selectAll();
      QTest::keyClicks(w.DetailsPanel(), QStringLiteral("Reihe drei"));
      messages.answers = {gd::Answer::Yes};
      QVERIFY(w.close());
      QVERIFY(QFile::exists(dir.filePath(QStringLiteral("demo.~SD"))));
      QCOMPARE(ReadAll(dir.filePath(QStringLiteral("demo.~SD"))), original);
    }
    gd::ui::TVELTRIXMAIN reopened;
    reopened.RouteMessages(&messages);
    QVERIFY(reopened.OpenMeasurementFile(path));
    QCOMPARE(reopened.File().Comments().rows[2].Text(), std::string("Reihe drei"));
    reopened.SetCommentMode(true);
    reopened.SeriesList()->selectRow(2);
    QCOMPARE(reopened.DetailsPanel()->toPlainText(), QStringLiteral("Reihe drei"));
    // Saved comments are no change: closing asks nothing.
    messages.texts.clear();
    QVERIFY(reopened.close());
    QVERIFY(messages.texts.empty());
  }

  // File and folder names outside ASCII, one character outside Latin-1:
  // opened, shown, saved with comments and backed up under their own names.
  void opensAndSavesFilesWithUmlautsAndOtherCharacters() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("\u00c4nderung")));
    const QString path = dir.filePath(QStringLiteral("\u00c4nderung/M\u00fcller \u03a9.sdx"));
    QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path));
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ScriptedMessages messages;
    gd::ui::TVELTRIXMAIN w;
    w.RouteMessages(&messages);
    w.show();
    QVERIFY(w.OpenMeasurementFile(path));
    QVERIFY(messages.texts.empty());
    QCOMPARE(QString::fromStdString(w.File().CurrentFileName()),
             QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    QVERIFY(w.windowTitle().contains(QStringLiteral("M\u00fcller \u03a9.sdx")));
    w.SetCommentMode(true);
    w.SeriesList()->selectRow(0);
    w.DetailsPanel()->selectAll();
    QTest::keyClicks(w.DetailsPanel(), QStringLiteral("neu"));
    w.SeriesList()->selectRow(1);
    QVERIFY(w.SaveMeasurementFile());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("\u00c4nderung/M\u00fcller \u03a9.~SD"))));
    gd::ui::TVELTRIXMAIN reopened;
    QVERIFY(reopened.OpenMeasurementFile(path));
    QCOMPARE(reopened.File().Comments().rows[0].Text(), std::string("neu"));
  }

  void savesSeveralSeriesThroughTheSelectionDialog() {
    QTemporaryDir dir;
    const QString path = CopyOfDemo(dir);
    gd::ui::TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.show();
    QVERIFY(w.OpenMeasurementFile(path));
    w.SeriesList()->selectRow(0);

    const QString text = dir.filePath(QStringLiteral("out.sdx"));
    QString preset = QStringLiteral("unset");
    AnswerSaveDialog(w, text, gd::kSaveFilterText, &preset);
    bool allChecked = false;
    WhenSelectionDialogShows([&](gd::ui::TDualListDlg* dlg) {
      // One of six selected: "all" is checked, "selected" only offered.
      allChecked = dlg->RB_Alle()->isChecked() && dlg->RB_Selektierte()->isVisible();
      dlg->RB_Auswahl()->setChecked(true);
      // The source list comes with the main list's selection (series 1).
      QVERIFY(dlg->SrcList()->item(0)->isSelected());
      dlg->SrcList()->clearSelection();
      dlg->SrcList()->item(1)->setSelected(true);
      dlg->SrcList()->item(3)->setSelected(true);
      dlg->findChild<QPushButton*>(QStringLiteral("IncludeBtn"))->click();
      dlg->accept();
    });
    QVERIFY(w.MEN_SAVEFILEClick());
    QVERIFY(allChecked);
    QCOMPARE(preset, QString());  // the open .sdx is not proposed
    // The text filter made the name a text file; series 4 before 2, as moved.
    const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("out.txt")));
    QVERIFY(!QFile::exists(text));
    const auto four = bytes.indexOf("demo.sdx[04]");
    const auto two = bytes.indexOf("demo.sdx[02]");
    QVERIFY(four >= 0 && two > four);
    QVERIFY(!bytes.contains("demo.sdx[01]"));
    // The measurement file was rewritten with its comments, the old one kept.
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("demo.~SD"))));

    // The measurement-file filter writes a subset of the chosen series.
    AnswerSaveDialog(w, dir.filePath(QStringLiteral("part.txt")), gd::kSaveFilterMeasurement);
    WhenSelectionDialogShows([](gd::ui::TDualListDlg* dlg) {
      dlg->RB_Auswahl()->setChecked(true);
      dlg->findChild<QPushButton*>(QStringLiteral("IncAllBtn"))->click();
      dlg->DstList()->item(0)->setSelected(true);
      dlg->findChild<QPushButton*>(QStringLiteral("ExcludeBtn"))->click();
      dlg->accept();
    });
    QVERIFY(w.MEN_SAVEFILEClick());
    gd::ui::TVELTRIXMAIN other;
    other.RouteMessages(&messages);
    QVERIFY(other.OpenMeasurementFile(dir.filePath(QStringLiteral("part.sdx"))));
    QCOMPARE(other.SeriesList()->model()->rowCount(), 5);

    // A cancelled selection saves nothing.
    AnswerSaveDialog(w, dir.filePath(QStringLiteral("never.txt")), gd::kSaveFilterText);
    WhenSelectionDialogShows([](gd::ui::TDualListDlg* dlg) { dlg->reject(); });
    QVERIFY(!w.MEN_SAVEFILEClick());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("never.txt"))));
  }

  void selectionDialogChoices() {
    gd::ui::TDualListDlg dlg;
    std::vector<gd::SeriesListItem> items;
    for (int n = 1; n <= 5; ++n) items.push_back({"0" + std::to_string(n), n, n == 2 || n == 4});
    dlg.Prepare(items);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Speichern von Me\u00DFwertreihen"));
    QCOMPARE(dlg.RB_Alle()->text(), QStringLiteral("&Alle (5 Reihen)"));
    QCOMPARE(dlg.RB_Selektierte()->text(), QStringLiteral("&Selektierte (2 Reihen)"));
    QVERIFY(dlg.RB_Selektierte()->isChecked());
    QVERIFY(!dlg.SrcList()->isVisible());
    QCOMPARE(dlg.Result().Numbers(), (std::vector<int>{2, 4}));
    dlg.RB_Auswahl()->setChecked(true);
    QVERIFY(dlg.SrcList()->isVisible());
    QVERIFY(!dlg.findChild<QPushButton*>(QStringLiteral("ExcludeBtn"))->isEnabled());
    dlg.IncludeBtnClick();
    QCOMPARE(dlg.DstList()->item(0)->text(), QStringLiteral("04"));
    QCOMPARE(dlg.Result().Numbers(), (std::vector<int>{4, 2}));
    QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("ExcludeBtn"))->isEnabled());

    for (auto& item : items) item.selected = true;
    dlg.Prepare(items);
    QVERIFY(!dlg.RB_Selektierte()->isVisible());
    QVERIFY(dlg.RB_Alle()->isChecked());
    QCOMPARE(dlg.DstList()->count(), 0);
    QCOMPARE(dlg.Result().Numbers(), (std::vector<int>{1, 2, 3, 4, 5}));
  }

  void quickSaveMovesAndExport() {
    QTemporaryDir dir;
    gd::ui::TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.show();
    QVERIFY(w.OpenMeasurementFile(CopyOfDemo(dir)));
    auto* panel = w.findChild<QWidget*>(QStringLiteral("PAN_QuickSave"));
    auto button = [&w](const char* name) {
      return w.findChild<QPushButton*>(QString::fromLatin1(name));
    };
    QVERIFY(!panel->isVisible());
    w.MEN_QuickSave()->trigger();
    QVERIFY(panel->isVisible() && w.MEN_QuickSave()->isChecked());
    QVERIFY(!button("BTN_SaveFromSelected")->isEnabled());

    SelectRows(w.SeriesList(), {2});
    button("IncludeBtn")->click();
    QVERIFY(!button("IncludeBtn")->isEnabled());  // the selected row is in the list
    SelectRows(w.SeriesList(), {0, 2});
    QVERIFY(button("IncludeBtn")->isEnabled());
    button("IncludeBtn")->click();
    QVERIFY(!button("IncludeBtn")->isEnabled());
    QListWidget* quick = w.QuickSaveList();
    QCOMPARE(quick->count(), 2);
    QCOMPARE(quick->item(0)->text(), QStringLiteral("03"));
    QCOMPARE(quick->item(1)->text(), QStringLiteral("01"));
    QCOMPARE(quick->currentRow(), 1);  // the entry appended last
    QVERIFY(button("BTN_SaveFromSelected")->isEnabled());

    // "Diese Reihen Speichern" writes 03 then 01, without the selection dialog.
    AnswerSaveDialog(w, dir.filePath(QStringLiteral("quick.txt")), gd::kSaveFilterText);
    QVERIFY(w.BTN_SaveFromSelectedClick());
    const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("quick.txt")));
    const auto three = bytes.indexOf("demo.sdx[03]");
    const auto one = bytes.indexOf("demo.sdx[01]");
    QVERIFY(three >= 0 && one > three);
    QVERIFY(!bytes.contains("demo.sdx[02]"));

    // The same series as a workbook and as a data table for a German
    // spreadsheet program; the filter gives a name without extension its kind.
    AnswerSaveDialog(w, dir.filePath(QStringLiteral("quick")), gd::kSaveFilterWorkbook);
    QVERIFY(w.BTN_SaveFromSelectedClick());
    QVERIFY(ReadAll(dir.filePath(QStringLiteral("quick.xlsx"))).startsWith("PK"));
    AnswerSaveDialog(w, dir.filePath(QStringLiteral("quick")), gd::kSaveFilterDataTableDe);
    QVERIFY(w.BTN_SaveFromSelectedClick());
    const QByteArray table = ReadAll(dir.filePath(QStringLiteral("quick.csv")));
    QVERIFY(table.startsWith("\xEF\xBB\xBFseries;channel;time;"));
    QVERIFY(table.contains("\r\n3;A;2007-03-14 06:45:00;191,77;"));
    QVERIFY(table.indexOf("\r\n3;") < table.indexOf("\r\n1;"));

    button("IncAllBtn")->click();
    QCOMPARE(quick->count(), 6);
    QCOMPARE(quick->item(2)->text(), QStringLiteral("02"));
    quick->clearSelection();
    quick->item(0)->setSelected(true);
    quick->item(5)->setSelected(true);
    button("ExcludeBtn")->click();
    QCOMPARE(quick->count(), 4);
    QCOMPARE(quick->item(0)->text(), QStringLiteral("01"));
    button("ExAllBtn")->click();
    QCOMPARE(quick->count(), 0);
    QVERIFY(!button("ExcludeBtn")->isEnabled() && !button("BTN_SaveFromSelected")->isEnabled());

    // Opening a file empties the list.
    button("IncAllBtn")->click();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QCOMPARE(quick->count(), 0);
  }

  void textOutputOptionsReachTheConversion() {
    QTemporaryDir dir;
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    const QString before = dir.filePath(QStringLiteral("before.txt"));
    QVERIFY(w.SaveSeries(before, gd::SeriesSelection(std::vector<int>{1})));
    const std::uint32_t style = w.TextOptions().style;

    bool offered = false;
    QTimer::singleShot(0, [&offered] {
      QWidget* dlg = QApplication::activeModalWidget();
      if (!dlg || dlg->objectName() != QStringLiteral("TextOutOptioDlg")) return;
      auto* languages = dlg->findChild<QComboBox*>(QStringLiteral("CB_Sprache"));
      offered = languages && languages->findText(QStringLiteral("000 = GAUGEUNIT-Sprache")) >= 0;
      dlg->findChild<QRadioButton*>(QStringLiteral("RB_Punkt"))->click();
      dlg->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    w.MEN_Textausgabe()->trigger();
    QVERIFY(offered);
    QVERIFY(w.TextOptions().style != style);
    // The open conversion writes with the new decimal point.
    const QString after = dir.filePath(QStringLiteral("after.txt"));
    QVERIFY(w.SaveSeries(after, gd::SeriesSelection(std::vector<int>{1})));
    const QByteArray a = ReadAll(before), b = ReadAll(after);
    QVERIFY(a.count(',') > b.count(','));
    QVERIFY(a.count('.') < b.count('.'));
  }

  void listShowsTheModelsCellsAndKeepsTheSelectionWhenItsTextsChange() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QAbstractItemModel* model = w.SeriesList()->model();
    const gd::SeriesListModel& list = w.Document().List();
    QCOMPARE(model->rowCount(), list.RowCount());
    QCOMPARE(model->columnCount(), static_cast<int>(list.Columns().size()));
    for (int row = 0; row < list.RowCount(); ++row)
      for (int col = 0; col < model->columnCount(); ++col)
        QCOMPARE(model->index(row, col).data().toString(),
                 QString::fromLatin1(list.Cells(row)[static_cast<std::size_t>(col)].c_str()));
    // the value counts stand right-aligned, the other cells as the style has them
    for (int col = 0; col < model->columnCount(); ++col) {
      const QVariant align = model->index(0, col).data(Qt::TextAlignmentRole);
      QCOMPARE(align.isValid() && (align.toInt() & Qt::AlignRight),
               list.Columns()[static_cast<std::size_t>(col)].rightAligned);
    }

    SelectRows(w.SeriesList(), {1, 3});
    w.SeriesList()->findChild<QAction*>(QStringLiteral("POP_TimeMode2"))->trigger();
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("DAUER"));
    QCOMPARE(model->index(0, 1).data().toString(), QString::fromLatin1(list.Cells(0)[1].c_str()));
    QList<int> selected;
    for (const QModelIndex& index : w.SeriesList()->selectionModel()->selectedRows())
      selected << index.row();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, (QList<int>{1, 3}));

    // another file starts over: its rows, no stale ones
    QTemporaryDir dir;
    QVERIFY(w.SaveSeries(dir.filePath(QStringLiteral("two.sdx")),
                         gd::SeriesSelection(std::vector<int>{2, 5})));
    QVERIFY(w.OpenMeasurementFile(dir.filePath(QStringLiteral("two.sdx"))));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("02"));
    QVERIFY(!model->index(2, 0).isValid());
  }

  void doubleClickRunsTheCheckedAction() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QAction* para = nullptr;
    for (QAction* a : w.SeriesList()->actions())
      if (a->text() == QStringLiteral("&Parametersaetze")) para = a;
    QVERIFY(para && para->isChecked());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SeriesList()->selectRow(1);
    QTableView* list = w.SeriesList();
    const QPoint cell = list->visualRect(list->model()->index(1, 0)).center();
    // A double click is a click followed by the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
    auto* window = w.findChild<QDialog*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(window);
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Parametersaetze demo.sdx[2]")));
  }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
