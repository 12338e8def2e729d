// "In&halt", F1 and the "Hilfe" buttons open the manual's page of their
// topic in the interface language; the browser is stood in for by a handler
// of file URLs that records what it was asked to open.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>

#include "app/InterfaceLanguage.h"
#include "app/ui/Dictionary.h"
#include "app/ui/HelpBrowser.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainWindow.h"
#include "view/ui/DiagrammDlg.h"
#include "view/ui/ShowMemoLines.h"

using gd::ui::Dictionary;

class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
  // The page and anchor of the last URL, e.g. "en/files.html#series-info".
  QString Last() const {
    if (urls.isEmpty()) return {};
    const QString path = urls.last().toLocalFile();
    const QString page = path.section('/', -2);
    return urls.last().hasFragment() ? page + '#' + urls.last().fragment() : page;
  }
 public slots:
  void Open(const QUrl& url) { urls << url; }
};

namespace {

// Runs `inside` while the modal window of type T is shown by `show`.
template <typename T>
bool WhileModal(const std::function<void()>& show, const std::function<void(T&)>& inside) {
  bool ran = false;
  QTimer timer;
  timer.setInterval(20);
  int ticks = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (++ticks > 500) {
      timer.stop();
      if (dialog) dialog->reject();
      return;
    }
    if (!dialog || !dialog->isVisible()) return;
    timer.stop();
    inside(*dialog);
    ran = true;
    dialog->reject();
  });
  timer.start();
  show();
  return ran;
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    recorder_.urls.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder_, "Open");
  }
  void cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    Dictionary::Instance().SetLanguage(gd::kLanguageGerman);
  }

  void contentsAndHelpButtonsFollowTheInterfaceLanguage() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(1);
    QAction* contents = w.LanguageMenu()->MEN_HilfeInhalt();
    QVERIFY(contents->isVisible());
    contents->trigger();
    QCOMPARE(recorder_.Last(), QStringLiteral("de/index.html"));
    QVERIFY(QFileInfo::exists(recorder_.urls.last().toLocalFile()));

    QVERIFY(Dictionary::Instance().SetLanguage(gd::kLanguageEnglish));
    QVERIFY(WhileModal<QDialog>([&] { w.MEN_MWINFOClick(); },
                                [](QDialog& d) {
                                  auto* help =
                                      d.findChild<QPushButton*>(QStringLiteral("BUT_HELP"));
                                  QVERIFY(help);
                                  help->click();
                                }));
    QCOMPARE(recorder_.Last(), QStringLiteral("en/files.html#series-info"));

    // The file information and its details window share one topic.
    QVERIFY(WhileModal<QDialog>(
        [&] { w.MEN_DatiInformationenClick(); },
        [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("BUT_HELP"))->click(); }));
    QCOMPARE(recorder_.Last(), QStringLiteral("en/files.html#file-info"));

    // The parameter-set window (not modal).
    w.ShowParameterSets();
    auto* sets = w.findChild<gd::ui::TDLG_ShowMemoLines*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(sets);
    sets->BUT_HELP()->click();
    QCOMPARE(recorder_.Last(), QStringLiteral("en/files.html#parameter-sets"));
    sets->close();

    // Danish has no manual of its own: the English one opens.
    QVERIFY(Dictionary::Instance().SetLanguage(gd::kLanguageDanish));
    contents->trigger();
    QCOMPARE(recorder_.Last(), QStringLiteral("en/index.html"));
  }

  void f1OpensTheTopicOfTheFocusedControl() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(0);
    w.SeriesList()->setFocus();
    QTest::keyClick(w.SeriesList(), Qt::Key_F1);
    QCOMPARE(recorder_.Last(), QStringLiteral("de/files.html#series-list"));

    QVERIFY(WhileModal<gd::ui::TDLG_Diagramm>(
        [&] { w.ShowDiagram(); },
        [&](gd::ui::TDLG_Diagramm& d) {
          QTest::keyClick(d.CB_LayerInDiagramm(), Qt::Key_F1);
          QCOMPARE(recorder_.Last(), QStringLiteral("de/diagram.html#curve"));
          // The plot has no topic of its own:
          // the window's.
          auto* plot = d.findChild<QWidget*>(QStringLiteral("crvGraph"));
          QVERIFY(plot);
          plot->setFocus();
          QTest::keyClick(plot, Qt::Key_F1);
        }));
    QCOMPARE(recorder_.Last(), QStringLiteral("de/diagram.html#diagram"));
    // Shift+F1 is not help.
    const qsizetype before = recorder_.urls.size();
    QTest::keyClick(w.SeriesList(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(recorder_.urls.size(), before);
  }

 private:
  UrlRecorder recorder_;
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
