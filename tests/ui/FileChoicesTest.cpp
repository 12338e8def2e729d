// The main window's ways of choosing files and series: the series selection
// dialog's items, the history popups of the open and save buttons and the
// status-bar hints over the file path.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "ScreenshotSupport.h"
#include "app/InterfaceLanguage.h"
#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "view/ui/DualListDlg.h"

using gd::ui::TVELTRIXMAIN;

namespace {

// Runs `answer` with the modal widget of type T once it shows.
template <typename T>
void WhenModal(std::function<void(T*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      answer(widget);
    }
  });
  timer->start();
}

QStringList Texts(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// Clicks the entry `index` of the popup menu that `button` opens.
void PickFromPopup(QToolButton* button, int index, QStringList* entries) {
  QTimer::singleShot(0, [index, entries] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QList<QAction*> actions = popup->actions();
    for (QAction* a : actions) *entries << a->text();
    if (index >= actions.size()) {
      popup->close();
      return;
    }
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(actions[index]).center());
  });
  button->showMenu();
}

}  // namespace

class FileChoicesTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() {
    gd::ui::Dictionary::Instance().SetLanguage(gd::kLanguageGerman);
    TVELTRIXMAIN::SetConfigurationFile(QString());
  }

  // Each series shows its number, start and measuring points; what is
  // chosen is still the series numbers.
  void selectionDialogShowsStartAndMeasuringPoints() {
    TVELTRIXMAIN w;
    w.show();
    QVERIFY(gd::ui::Dictionary::Instance().SetLanguage(gd::kLanguageEnglish));
    QTRY_COMPARE(w.MEN_OpenFile()->text(), QStringLiteral("&Open..."));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    const int rows = w.SeriesList()->model()->rowCount();
    QVERIFY(rows > 3);
    QTableView* list = w.SeriesList();
    list->clearSelection();
    for (int row : {1, 3})
      list->selectionModel()->select(list->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // The list's own cells for comparison: the start column and a name.
    const QString start2 = list->model()->index(1, 1).data().toString();
    QString name2;
    for (int c = 2; c < list->model()->columnCount(); ++c) {
      const QString cell = list->model()->index(1, c).data().toString();
      if (cell.startsWith('\'') && cell.size() > 2) {
        name2 = cell;
        break;
      }
    }
    QVERIFY(!start2.isEmpty() && !name2.isEmpty());

    QStringList source, destination;
    bool saveAsked = false;
    gd::ui::FileDialogs dialogs;
    dialogs.saveName = [&](QWidget*, QString&, int&) {
      saveAsked = true;
      return false;
    };
    w.SetFileDialogs(dialogs);
    WhenModal<gd::ui::TDualListDlg>([&](gd::ui::TDualListDlg* dlg) {
      dlg->RB_Auswahl()->setChecked(true);
      source = Texts(dlg->SrcList());
      // the main list's selection comes along: series 2 and 4
      QVERIFY(dlg->SrcList()->item(1)->isSelected());
      QVERIFY(dlg->SrcList()->item(3)->isSelected());
      dlg->SrcList()->item(1)->setSelected(false);
      dlg->IncludeBtnClick();
      destination = Texts(dlg->DstList());
      // every caption fits the list without scrolling sideways
      for (QListWidget* l : {dlg->SrcList(), dlg->DstList()})
        for (int i = 0; i < l->count(); ++i)
          QVERIFY(l->fontMetrics().horizontalAdvance(l->item(i)->text()) <= l->viewport()->width());
      gd::testing::SaveScreenshot(*dlg, "selection-dialog-en.png");
      QCOMPARE(dlg->Result().Numbers(), (std::vector<int>{4}));
      dlg->accept();
    });
    QVERIFY(!w.MEN_SAVEFILEClick());
    QVERIFY(saveAsked);
    QCOMPARE(source.size(), rows);
    QVERIFY2(source[1].startsWith(QStringLiteral("02   ") + start2), qPrintable(source[1]));
    QVERIFY2(source[1].contains(QStringLiteral("A:") + name2), qPrintable(source[1]));
    QVERIFY(source[0].startsWith(QStringLiteral("01   ")));
    QCOMPARE(destination, QStringList{source[3]});
  }

  // The open button's popup lists the opened files, the save button's the
  // saved ones (as the configuration file holds them); picking an opened
  // file opens it, picking a saved one runs the save command with that name.
  void historyPopupsOfTheOpenAndSaveButtons() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString first = QDir::toNativeSeparators(dir.filePath(QStringLiteral("first.sdx")));
    const QString second = QDir::toNativeSeparators(dir.filePath(QStringLiteral("second.sdx")));
    for (const QString& f : {first, second})
      QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), f));
    const QString saved = QDir::toNativeSeparators(dir.filePath(QStringLiteral("out/werte.txt")));
    const QString older = QDir::toNativeSeparators(dir.filePath(QStringLiteral("older.xls")));
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    WriteFile(config, QStringLiteral("[HISTORY_OPENSDX]\r\nHistory0=%1\r\nHistory1=%2\r\n"
                                     "[HISTORY_SAVETXT]\r\nHistory0=%3\r\nHistory1=%4\r\n")
                          .arg(first, second, saved, older)
                          .toLatin1());
    TVELTRIXMAIN::SetConfigurationFile(config);
    TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* openButton = w.findChild<QToolButton*>(QStringLiteral("SB_OPenFILE"));
    auto* saveButton = w.findChild<QToolButton*>(QStringLiteral("SB_SaveFile"));
    QVERIFY(openButton && saveButton);

    QStringList entries;
    PickFromPopup(openButton, 1, &entries);
    QCOMPARE(entries, (QStringList{QStringLiteral("&1 ") + first, QStringLiteral("&2 ") + second}));
    QCOMPARE(QString::fromStdString(w.File().CurrentFileName()), second);
    // the file opened moves to the front of both the popup and the menu
    entries.clear();
    PickFromPopup(openButton, 99, &entries);
    QCOMPARE(entries, (QStringList{QStringLiteral("&1 ") + second, QStringLiteral("&2 ") + first}));
    QCOMPARE(w.OpenedHistoryActions().size(), 2);

    QString preset;
    gd::ui::FileDialogs dialogs;
    dialogs.saveName = [&preset](QWidget*, QString& name, int&) {
      preset = name;
      return false;
    };
    w.SetFileDialogs(dialogs);
    WhenModal<gd::ui::TDualListDlg>([](gd::ui::TDualListDlg* dlg) { dlg->accept(); });
    entries.clear();
    PickFromPopup(saveButton, 0, &entries);
    QCOMPARE(entries, (QStringList{QStringLiteral("&1 ") + saved, QStringLiteral("&2 ") + older}));
    QCOMPARE(QDir::toNativeSeparators(preset), saved);
  }

  // A tool button's hint covers the file path in the status bar while the
  // pointer is over it; the path comes back after it.
  void statusHintGivesThePathBack() {
    TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    auto* path = w.statusBar()->findChild<QLabel*>(QStringLiteral("STA_File"));
    QVERIFY(path);
    QVERIFY(path->isVisible());
    QVERIFY(path->text().endsWith(QStringLiteral("demo.sdx")));
    const QString shownPath = path->text();

    auto* saveButton = w.findChild<QToolButton*>(QStringLiteral("SB_SaveFile"));
    QVERIFY(saveButton);
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), saveButton->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(saveButton, &enter);
    QCOMPARE(w.statusBar()->currentMessage(),
             QString::fromUtf8("Speichern der gew\xC3\xA4hlten Messwertreihen"));
    QVERIFY(!path->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(saveButton, &leave);
    QCOMPARE(w.statusBar()->currentMessage(), QString());
    QVERIFY(path->isVisible());
    QCOMPARE(path->text(), shownPath);

    // a menu entry's hint likewise
    QMenu* fileMenu = w.MEN_OpenFile()->associatedObjects().isEmpty()
                          ? nullptr
                          : qobject_cast<QMenu*>(w.MEN_OpenFile()->associatedObjects().first());
    QVERIFY(fileMenu);
    w.menuBar()->setActiveAction(fileMenu->menuAction());
    QTRY_VERIFY(fileMenu->isVisible());
    // the keyboard walks to the entry as the pointer would
    while (fileMenu->activeAction() != w.MEN_OpenFile()) QTest::keyClick(fileMenu, Qt::Key_Down);
    QTRY_COMPARE(w.statusBar()->currentMessage(), QString::fromUtf8("\xC3\x96"
                                                                    "ffnen einer Messwertdatei"));
    fileMenu->close();
    QTRY_VERIFY(path->isVisible());
    QCOMPARE(path->text(), shownPath);
  }
};

QTEST_MAIN(FileChoicesTest)
#include "FileChoicesTest.moc"
