// The main window from the keyboard and the file manager: measurement files
// dropped on it, the shortcuts of its commands, Enter and Ctrl+C in the series
// list and Ctrl+C in the table view. Offscreen, with the demo file.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <deque>
#include <functional>

#include "ScreenshotSupport.h"
#include "ScriptedMessages.h"
#include "app/ui/MainWindow.h"
#include "core/Messages.h"
#include "view/ui/ChanInfoDlg.h"
#include "view/ui/DiagrammDlg.h"
#include "view/ui/DualListDlg.h"
#include "view/ui/ValuesInGridDlg.h"

namespace {

QString CopyOfDemo(const QTemporaryDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path);
  QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return path;
}

// Drags `urls` (and `text`, as a file manager adds the paths) over `target`
// and drops them where it was accepted. Returns whether the drag was
// accepted; the drop is sent only then, as a real drag does.
bool DragAndDrop(QWidget* target, const QList<QUrl>& urls, const QString& text = {}) {
  QMimeData mime;
  mime.setUrls(urls);
  if (!text.isEmpty()) mime.setText(text);
  const QPoint pos = target->rect().center();
  QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &mime,
                        Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &mime,
                  Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

// Waits for a modal dialog of type T, runs `step` on it and closes it. The
// name of the dialog's class goes to `seen`.
template <typename T>
void WhenModal(QString* seen, std::function<void(T&)> step = {}) {
  auto poll = std::make_shared<std::function<void()>>();
  auto tries = std::make_shared<int>(500);  // gives up after about 5 s
  *poll = [seen, step, poll, tries] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      if (--*tries > 0) QTimer::singleShot(10, *poll);
      return;
    }
    *seen = QString::fromLatin1(dialog->metaObject()->className());
    if (step) step(*dialog);
    dialog->reject();
  };
  QTimer::singleShot(0, *poll);
}

// Makes `w` the active window again once a dialog has closed; shortcuts of
// its menus only reach an active window.
bool Activate(QWidget& w) {
  w.activateWindow();
  return QTest::qWaitFor(
      [&w] {
        return QApplication::activeModalWidget() == nullptr && QApplication::activeWindow() == &w;
      },
      5000);
}

// Selects exactly `rows` of the list, whatever modifier keys an earlier key
// click left behind.
void SelectRows(QTableView* list, std::initializer_list<int> rows) {
  list->clearSelection();
  for (int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class MainWindowInputTest : public QObject {
  Q_OBJECT
 private slots:
  void dropOpensAMeasurementFileAndRefusesOthers() {
    QTemporaryDir dir;
    const QString sdx = CopyOfDemo(dir, QStringLiteral("Dropped.SDX"));
    const QString txt = dir.filePath(QStringLiteral("notes.txt"));
    QFile(sdx).copy(txt);  // a measurement file under another name is still refused
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.sdx")));
    ScriptedMessages messages;
    gd::ui::TVELTRIXMAIN w;
    w.RouteMessages(&messages);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.acceptDrops());

    QVERIFY(!DragAndDrop(&w, {QUrl::fromLocalFile(txt)}));
    QVERIFY(!DragAndDrop(&w, {QUrl::fromLocalFile(dir.filePath(QStringLiteral("folder.sdx")))}));
    QVERIFY(!DragAndDrop(&w, {QUrl::fromLocalFile(sdx), QUrl::fromLocalFile(sdx)}));
    QVERIFY(!DragAndDrop(&w, {QUrl(QStringLiteral("https://example.org/a.sdx"))}));
    QApplication::processEvents();
    QVERIFY(!w.Document().IsOpen());
    QVERIFY(messages.texts.empty());

    QVERIFY(DragAndDrop(&w, {QUrl::fromLocalFile(sdx)}));
    QTRY_VERIFY(w.Document().IsOpen());
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
    QVERIFY(w.windowTitle().contains(QStringLiteral("Dropped.SDX")));
    // like a file picked in the open dialog, it joins the opened-files history
    QCOMPARE(w.History().opened.Entries().size(), std::size_t{1});
    QVERIFY(messages.texts.empty());
  }

  void dropWithUnsavedCommentsAsksFirst() {
    QTemporaryDir dir;
    const QString first = CopyOfDemo(dir, QStringLiteral("first.sdx"));
    const QString second = CopyOfDemo(dir, QStringLiteral("second.sdx"));
    ScriptedMessages messages;
    gd::ui::TVELTRIXMAIN w;
    w.RouteMessages(&messages);
    w.show();
    QVERIFY(w.OpenMeasurementFile(first));
    w.MEN_Bemerkungenzeigen()->trigger();
    w.DetailsPanel()->setFocus();
    w.DetailsPanel()->selectAll();
    QTest::keyClicks(w.DetailsPanel(), QStringLiteral("neu"));

    // Dropped on the comment being edited: the window takes the file, the
    // comment does not take its path.
    messages.answers = {gd::Answer::Cancel};
    QVERIFY(DragAndDrop(w.DetailsPanel()->viewport(), {QUrl::fromLocalFile(second)}, second));
    QTRY_VERIFY(messages.Told("Bemerkungen wurden geaendert. Speichern?"));
    QCOMPARE(w.DetailsPanel()->toPlainText(), QStringLiteral("neu"));
    QVERIFY(w.windowTitle().contains(QStringLiteral("first.sdx")));

    messages.texts.clear();
    messages.answers = {gd::Answer::No};
    QVERIFY(DragAndDrop(&w, {QUrl::fromLocalFile(second)}));
    QTRY_VERIFY(w.windowTitle().contains(QStringLiteral("second.sdx")));
    QVERIFY(messages.Told("Bemerkungen wurden geaendert. Speichern?"));
  }

  void shortcutsRunTheCommands() {
    gd::ui::TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    bool openAsked = false;
    gd::ui::FileDialogs dialogs;
    dialogs.openName = [&openAsked](QWidget*) {
      openAsked = true;
      return QString();
    };
    w.SetFileDialogs(dialogs);
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    SelectRows(w.SeriesList(), {1});
    w.SeriesList()->setFocus();
    QVERIFY(Activate(w));

    // the menus show the keys
    QCOMPARE(w.MEN_Exit()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(w.MEN_MWINFO()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+I")));
    QCOMPARE(w.MEN_Parasaetze()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QCOMPARE(w.MEN_Tabelle()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    QCOMPARE(w.MEN_DIAGRAMM()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+D")));

    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QVERIFY(openAsked);

    QString seen;
    QVERIFY(Activate(w));
    WhenModal<gd::ui::TDualListDlg>(&seen);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(seen, QStringLiteral("gd::ui::TDualListDlg"));

    QVERIFY(Activate(w));
    seen.clear();
    WhenModal<gd::ui::TChanInfoDlg>(&seen);
    QTest::keyClick(&w, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(seen, QStringLiteral("gd::ui::TChanInfoDlg"));

    // Ctrl+C in the table view copies its selected cells.
    QVERIFY(Activate(w));
    seen.clear();
    QString copied, expected;
    WhenModal<gd::ui::TDLG_ValuesInGrid>(&seen, [&](gd::ui::TDLG_ValuesInGrid& d) {
      QTableView* grid = d.WerteStringGrid();
      QTRY_VERIFY(grid->model()->rowCount() > 3 && !d.Filling());
      grid->setFocus();
      grid->selectionModel()->select(
          QItemSelection(grid->model()->index(1, 0), grid->model()->index(2, 1)),
          QItemSelectionModel::ClearAndSelect);
      expected = d.SelectionText();
      QApplication::clipboard()->clear();
      QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
      copied = QApplication::clipboard()->text();
    });
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(seen, QStringLiteral("gd::ui::TDLG_ValuesInGrid"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(copied, expected);
    QCOMPARE(expected.count(QStringLiteral("\r\n")), 2);

    QVERIFY(Activate(w));
    seen.clear();
    WhenModal<gd::ui::TDLG_Diagramm>(&seen);
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(seen, QStringLiteral("gd::ui::TDLG_Diagramm"));

    QVERIFY(Activate(w));
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* sets = w.findChild<QDialog*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(sets);
    QVERIFY(sets->windowTitle().startsWith(QStringLiteral("Parametersaetze demo.sdx[2]")));
    sets->close();

    QVERIFY(Activate(w));
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
    QVERIFY(messages.texts.empty());
  }

  void copyAndEnterInTheSeriesList() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QTableView* list = w.SeriesList();
    list->setFocus();
    // the first row is selected after opening; a second one joins it
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::clipboard()->clear();
    gd::testing::SaveScreenshot(w, "main-window-list-model.png");
    w.SeriesMenu()->popup(w.mapToGlobal(QPoint(40, 40)));
    gd::testing::SaveScreenshot(*w.SeriesMenu(), "series-menu-keys.png");
    w.SeriesMenu()->close();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);  // captions, rows 01 and 03, the end of the last line
    QVERIFY(lines[0].startsWith(QStringLiteral("NR\tSTART\t")));
    QCOMPARE(lines[1].section(QLatin1Char('\t'), 0, 0), QStringLiteral("01"));
    QCOMPARE(lines[2].section(QLatin1Char('\t'), 0, 0), QStringLiteral("03"));
    QCOMPARE(lines[1].count(QLatin1Char('\t')), list->model()->columnCount() - 1);
    QCOMPARE(lines[2].section(QLatin1Char('\t'), 1, 1),
             list->model()->index(2, 1).data().toString());
    QVERIFY(lines[3].isEmpty());

    // The Quick-Save list copies the rows of its selected entries, in its order.
    w.SetQuickSaveVisible(true);
    SelectRows(list, {4});
    w.IncludeBtnClick();
    SelectRows(list, {1});
    w.IncludeBtnClick();
    w.QuickSaveList()->selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(w.QuickSaveList(), Qt::Key_C, Qt::ControlModifier);
    const QStringList quick = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(quick.size(), 4);
    QCOMPARE(quick[0], lines[0]);
    QCOMPARE(quick[1].section(QLatin1Char('\t'), 0, 0), QStringLiteral("05"));
    QCOMPARE(quick[2].section(QLatin1Char('\t'), 0, 0), QStringLiteral("02"));

    // Enter runs the double-click action (the parameter sets) on the row.
    SelectRows(list, {3});
    QTest::keyClick(list, Qt::Key_Return);
    auto* sets = w.findChild<QDialog*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(sets);
    QVERIFY(sets->windowTitle().startsWith(QStringLiteral("Parametersaetze demo.sdx[4]")));
  }
};

QTEST_MAIN(MainWindowInputTest)
#include "MainWindowInputTest.moc"
