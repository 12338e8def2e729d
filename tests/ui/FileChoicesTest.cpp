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
};

QTEST_MAIN(FileChoicesTest)
#include "FileChoicesTest.moc"
