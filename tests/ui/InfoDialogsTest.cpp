// The information dialogs from the main window: the file remarks edited in
// the file information make the close query ask and are saved with the file;
// the series information hands its channel back.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <deque>
#include <functional>

#include "ScriptedMessages.h"
#include "app/ui/MainWindow.h"
#include "view/ui/ChanInfoDlg.h"
#include "view/ui/DateiInfoDlg.h"

namespace {

// Runs `step` on the modal dialog of type T once it is shown.
template <typename T>
void WhenShown(std::function<void(T&)> step) {
  QTimer::singleShot(0, [step] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    step(*dialog);
  });
}

}  // namespace

class InfoDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  // A save stamps the reception time into a file that had none; the file
  // information shows it at once, not only after the file is opened again.
  void fileInformationShowsWhatTheSaveWrote() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.sdx"));
    QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(154));
    f.write(QByteArray(6, '\0'));  // no reception stamp
    f.close();
    gd::ui::TVELTRIXMAIN w;
    QVERIFY(w.OpenMeasurementFile(path));
    QVERIFY(w.SaveMeasurementFile());
    QString received;
    WhenShown<gd::ui::TDLG_DateiInfo>([&received](gd::ui::TDLG_DateiInfo& d) {
      received = d.Value("LAB_Empfangsdat")->text();
      d.accept();
    });
    w.MEN_DatiInformationenClick();
    // The stamp's text carries the time of day: "dd.mm yyyy / hh:mm".
    QVERIFY2(received.contains(QStringLiteral(" / ")), qPrintable(received));
  }

  void fileRemarksAreAskedForAndSaved() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.sdx"));
    QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), path));
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
      gd::ui::TVELTRIXMAIN w;
      ScriptedMessages messages;
      w.RouteMessages(&messages);
      QVERIFY(!w.MEN_DatiInformationen()->isEnabled());
      QVERIFY(w.OpenMeasurementFile(path));
      QVERIFY(w.MEN_DatiInformationen()->isEnabled());
      QVERIFY(w.CloseQueryAllows());  // nothing changed: no question
      QVERIFY(messages.texts.empty());

      WhenShown<gd::ui::TDLG_DateiInfo>([](gd::ui::TDLG_DateiInfo& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Datei-Informationen"));
        QVERIFY(!d.Value("LAB_AnzReihen")->text().isEmpty());
        QVERIFY(d.Value("LAB_FileSize")->text().endsWith(QStringLiteral(" Bytes")));
        QVERIFY(d.MEM_Dateinfo()->isVisibleTo(&d));
        d.MEM_Dateinfo()->moveCursor(QTextCursor::End);
        QTest::keyClicks(d.MEM_Dateinfo(), QStringLiteral("Pumpe getauscht"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BUT_OK")), Qt::LeftButton);
      });
      w.MEN_DatiInformationenClick();

      messages.answers = {gd::Answer::Cancel};
      QVERIFY(!w.CloseQueryAllows());
      QVERIFY(messages.Told("Bemerkungen wurden geaendert. Speichern?"));
      messages.answers = {gd::Answer::Yes};
      QVERIFY(w.CloseQueryAllows());
    }
    gd::ui::TVELTRIXMAIN reopened;
    QVERIFY(reopened.OpenMeasurementFile(path));
    const gd::MemoField& field = reopened.File().Comments().fileCommentField;
    QVERIFY(field.text.find("Pumpe getauscht") != std::string::npos);
    QVERIFY(!field.modified);
  }

  void seriesInformationHandsBackItsChannel() {
    gd::ui::TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.MEN_MWINFOClick();
    QVERIFY(messages.Told("Keine Messwertreihen verfuegbar"));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(1);
    QString caption;
    std::size_t channels = 0;
    WhenShown<gd::ui::TChanInfoDlg>([&](gd::ui::TChanInfoDlg& d) {
      caption = d.windowTitle();
      QCOMPARE(d.Channel(), std::size_t{0});
      QVERIFY(d.Value("LBV_KANAL")->text().endsWith(':'));
      channels = static_cast<std::size_t>(d.Comb_Kanal()->count());
      d.StepChannel();
      d.accept();
    });
    w.RunDoubleClickAction(gd::DoubleClickAction::kInfo);
    QCOMPARE(caption, QStringLiteral("demo.sdx[2]"));
    QVERIFY(channels > 0);
    QCOMPARE(w.SelectedChannel(), channels > 1 ? std::size_t{1} : std::size_t{0});
  }
};

QTEST_MAIN(InfoDialogsTest)
#include "InfoDialogsTest.moc"
