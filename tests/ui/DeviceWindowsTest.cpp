// The device windows against the virtual meter on a pseudo-terminal:
// receiving the memory into the main window, a corrupted block, a time-out,
// the clock, the tables, the coefficient dialog, the serial settings, the
// firmware check, a second command during a transfer and Cancel.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <memory>

#include "ScreenshotSupport.h"
#include "ScriptedMessages.h"
#include "app/InterfaceLanguage.h"
#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "device/ui/ComPortWindow.h"
#include "device/ui/SerialSettingsDialog.h"
#include "device/ui/SetDateTimeDialog.h"
#include "device/ui/SondTabelsDialog.h"
#include "device/ui/WmmKoeffsDialog.h"

namespace {

using gd::ui::TVELTRIXMAIN;

// Closes a dialog when the hook ends, also when a check in it failed.
struct CloseAtEnd {
  QDialog& dialog;
  ~CloseAtEnd() {
    if (dialog.isVisible()) dialog.reject();
  }
};

// The virtual meter, started with `options`; stopped with the test.
class Meter {
 public:
  explicit Meter(const QStringList& options, const QString& log = {}) {
    QStringList args = options;
    if (!log.isEmpty()) args << "--log" << log;
    process_.start(QStringLiteral(GAUGDATA_METERSIM), args);
    if (!process_.waitForStarted(5000)) return;
    for (int i = 0; i < 100 && !process_.canReadLine(); ++i) process_.waitForReadyRead(100);
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  }
  ~Meter() {
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
  }
  const QString& Path() const { return path_; }

 private:
  QProcess process_;
  QString path_;
};

class DeviceWindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  // A configuration that puts COM1 on the meter's terminal, with a short
  // time-out.
  QString Configure(const Meter& meter, const QString& extra = {}) {
    const QString ini = dir_.filePath(QStringLiteral("gaugdata.ini"));
    QFile f(ini);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    f.write(QStringLiteral("[COMPORT]\r\nCOM=1\r\nPATH=%1\r\nTIMEOUT=400\r\n%2")
                .arg(meter.Path(), extra)
                .toLocal8Bit());
    f.close();
    TVELTRIXMAIN::SetConfigurationFile(ini);
    return ini;
  }

  static QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }
  void cleanup() { TVELTRIXMAIN::SetConfigurationFile({}); }

  // The demo memory into the main window, saved under a new name (the
  // temporary file goes, the name joins the history) and opened again.
  void receiveSaveAndReopen() {
    const QString memory = dir_.filePath("served.sdx");
    Meter meter({"--write-memory", memory});
    QVERIFY(!meter.Path().isEmpty());
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.MEN_MesswerteempfangenClick();
    QVERIFY2(messages.shown.empty(), messages.All().c_str());
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
    QVERIFY(w.File().Received());
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("EMPFANGENE MESS&WERTREIHEN:"));
    QVERIFY(w.windowTitle().contains("(empfangene Daten)"));
    QVERIFY(!w.SondAmComPort()->isVisible());
    QVERIFY(!w.SondAmComPort()->Link().PortOpen());
    const QString temp = QString::fromLocal8Bit(w.File().CurrentFileName().c_str());
    QVERIFY(QFile::exists(temp));

    // The received image is the meter's memory; only the reception stamp differs.
    QByteArray got = ReadAll(temp);
    QByteArray served = ReadAll(memory);
    QCOMPARE(got.size(), served.size());
    got.remove(154, 6);
    served.remove(154, 6);
    QVERIFY(got == served);

    // Received data: the close query asks first; Cancel keeps them.
    messages.answers = {gd::Answer::Cancel};
    QVERIFY(!w.CloseQueryAllows());
    QCOMPARE(messages.asked.size(), std::size_t{1});
    QVERIFY(messages.asked[0].find("Empfangene Daten erst speichern") != std::string::npos);

    const QString target = dir_.filePath("received.sdx");
    gd::ui::FileDialogs dialogs;
    dialogs.saveName = [&](QWidget*, QString& name, int& filter) {
      name = target;
      filter = 2;
      return true;
    };
    w.SetFileDialogs(dialogs);
    w.IncAllBtnClick();
    QVERIFY(w.BTN_SaveFromSelectedClick());
    QVERIFY(!w.File().Received());
    QVERIFY(QFile::exists(target));
    QVERIFY(!QFile::exists(temp));
    QVERIFY(!w.History().opened.Entries().empty());
    QCOMPARE(QString::fromLocal8Bit(w.History().opened.Entries().front().c_str()),
             QDir::toNativeSeparators(target));
    QVERIFY(w.OpenMeasurementFile(target));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
    QVERIFY(!w.File().Received());
  }

  // A block that arrives corrupted is refused and sent again.
  void corruptedBlockIsRetried() {
    const QString log = dir_.filePath("corrupt.log");
    Meter meter({"--corrupt-block", "2"}, log);
    Configure(meter, "SHUNKS=512\r\n");
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.MEN_MesswerteempfangenClick();
    QVERIFY2(messages.shown.empty(), messages.All().c_str());
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
    const QByteArray trace = ReadAll(log);
    QVERIFY2(trace.contains("download: block 2 sent corrupted"), trace.constData());
    QVERIFY2(trace.contains("download: block 2 refused"), trace.constData());
  }

  // A meter that falls silent: an error box, the window reset and usable.
  void receiveTimeOutLeavesWindowUsable() {
    Meter meter({"--silent-after", "400"});
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    w.MEN_MesswerteempfangenClick();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].first, gd::MessageKind::Error);
    QCOMPARE(messages.shown[0].second, std::string("RECEIVE TIMEOUT"));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
    QVERIFY(!w.SondAmComPort()->Busy());
    QVERIFY(!w.SondAmComPort()->Link().PortOpen());
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    QCOMPARE(w.SeriesList()->model()->rowCount(), 6);
  }

  // Reading the meter's clock and setting it to the PC's time.
  void clockReadAndSet() {
    const QString log = dir_.filePath("clock.log");
    Meter meter({"--clock", "2020-01-02 03:04:05"}, log);
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    QString before, after;
    w.SetDeviceDialogHook([&](QDialog& d) {
      CloseAtEnd closer{d};
      auto* dialog = qobject_cast<gd::ui::TDLG_SetDateTime*>(&d);
      QVERIFY(dialog);
      QTRY_VERIFY(!dialog->DeviceTimeText().isEmpty());
      before = dialog->DeviceTimeText();
      dialog->SetToPcTime();
      after = dialog->DeviceTimeText();
      QVERIFY(dialog->findChild<QPushButton*>("BUT_OK")->isVisibleTo(dialog));
      QVERIFY(!dialog->findChild<QPushButton*>("BUT_SetdDT")->isVisibleTo(dialog));
      QCOMPARE(dialog->findChild<QLabel*>("LAB_PcWarSdxIst")->text(),
               QStringLiteral("GAUGEUNIT-Zeit ist:"));
      dialog->accept();
    });
    w.MEN_DatumZeitClick();
    QVERIFY2(messages.shown.empty(), messages.All().c_str());
    QVERIFY(before.startsWith("02.01.2020 / 03:04:"));
    // Set to the PC's time: the date read back is today's.
    QVERIFY(after.startsWith(QDate::currentDate().toString("dd.MM.yyyy")) ||
            after.startsWith(QDate::currentDate().addDays(-1).toString("dd.MM.yyyy")));
    QVERIFY(!w.SondAmComPort()->Link().PortOpen());
  }

  // Each table with and without its values.
  void deviceTables() {
    Meter meter({});
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    QString plain, withValues, languages;
    bool checkVisible = false;
    QFont chosen, shown;
    bool fontChosen = false;
    w.SetDeviceDialogHook([&](QDialog& d) {
      CloseAtEnd closer{d};
      auto* dialog = qobject_cast<gd::ui::TDLG_SondTabels*>(&d);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("SDX-24-0815"));
      // The first table's FONT... choice is the font of the next ones.
      shown = dialog->Memo()->font();
      if (!fontChosen) {
        fontChosen = true;
        QTimer::singleShot(0, [] {
          auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
          QVERIFY(fonts);
          QFont font = fonts->currentFont();
          font.setPointSize(font.pointSize() == 24 ? 18 : 24);
          fonts->setCurrentFont(font);
          fonts->accept();
        });
        dialog->Memo()->findChild<QAction*>(QStringLiteral("FONT1"))->trigger();
        chosen = dialog->Memo()->font();
        QVERIFY(chosen.pointSize() != shown.pointSize());
      }
      checkVisible = dialog->ValuesCheckBox()->isVisibleTo(dialog);
      plain = dialog->Memo()->toPlainText();
      if (checkVisible) {
        dialog->ValuesCheckBox()->setChecked(true);
        withValues = dialog->Memo()->toPlainText();
      }
      dialog->accept();
    });
    w.ShowDeviceTable(0);
    QVERIFY2(messages.shown.empty(), messages.All().c_str());
    QVERIFY(checkVisible);
    QVERIFY(plain.startsWith("*** MATERIALIEN ***"));
    QVERIFY(!plain.contains("Descriptor"));
    QVERIFY(withValues.contains(" Descriptor      : "));
    QVERIFY(withValues.contains(" Rauhigkeit      : "));
    QVERIFY(withValues.count('\n') > plain.count('\n'));

    w.ShowDeviceTable(1);
    QCOMPARE(shown.family(), chosen.family());
    QCOMPARE(shown.pointSizeF(), chosen.pointSizeF());
    QVERIFY(plain.startsWith("*** MEDIEN ***"));
    QVERIFY(withValues.contains(" Viskositaet_MIN : "));

    w.ShowDeviceTable(2);
    QVERIFY(!checkVisible);
    QVERIFY(plain.startsWith("*** SPRACHEN ***"));
    QVERIFY(plain.contains("DE= "));
    QVERIFY2(messages.shown.empty(), messages.All().c_str());
  }

  // Sets from the library, typed values and a file, sent to a meter with
  // fewer slots than selected sets.
  void coefficientsToSmallMeter() {
    const QString log = dir_.filePath("coeff.log");
    Meter meter({"--user-slots", "2"}, log);
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    int libraryCount = 0, selectedBefore = 0, selectedAfterFile = 0;
    w.SetDeviceDialogHook([&](QDialog& d) {
      CloseAtEnd closer{d};
      auto* dialog = qobject_cast<gd::ui::TDLG_WMMKOEFFS*>(&d);
      QVERIFY(dialog);
      QTRY_VERIFY(dialog->Library()->count() > 0);
      libraryCount = dialog->Library()->count();
      // A library set into the edits and on to the download list.
      dialog->Library()->setCurrentRow(0);
      dialog->LibraryToEdits();
      QVERIFY(!dialog->DescriptorEdit()->text().isEmpty());
      // Typed values for another medium.
      dialog->MediumCombo()->setCurrentIndex(1);
      emit dialog->MediumCombo()->activated(1);
      for (std::size_t k = 0; k < 10; ++k) {
        dialog->CoefficientEdit(k)->setText(QString::number(0.5 + static_cast<double>(k)));
        emit dialog->CoefficientEdit(k)->textEdited(dialog->CoefficientEdit(k)->text());
      }
      dialog->EditsToDownload();
      selectedBefore = dialog->Model().SelectedCount();
      // And the sets of a file.
      dialog->SetFileNames([](bool) { return QStringLiteral(GAUGDATA_DEMO_WMM); });
      dialog->OpenList();
      selectedAfterFile = dialog->Model().SelectedCount();
      dialog->Send();
      dialog->accept();
    });
    w.MEN_WMMKOEFFSClick();
    QVERIFY(libraryCount > 0);
    QVERIFY(selectedBefore >= 1);
    QVERIFY(selectedAfterFile > 2);
    QVERIFY2(messages.Saw("konnte nur USER-Koeffizientensaetze"), messages.All().c_str());
    QVERIFY2(messages.Saw("2 Medien"), messages.All().c_str());
    QVERIFY(!w.SondAmComPort()->Link().PortOpen());
  }

  // A meter whose firmware knows no named tables is refused before anything
  // is sent, for the coefficients (which start with the media table) and for
  // the materials table.
  void firmwareTooOld() {
    const QString log = dir_.filePath("old.log");
    Meter meter({"--firmware", "3.11"}, log);
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    bool dialogShown = false;
    w.SetDeviceDialogHook([&](QDialog& d) {
      dialogShown = true;
      d.reject();
    });
    w.MEN_WMMKOEFFSClick();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].second, std::string("V 3.11 wird nicht unterst\xFCtzt"));
    dialogShown = false;
    w.ShowDeviceTable(0);
    QVERIFY(!dialogShown);
    QCOMPARE(messages.shown.size(), std::size_t{2});
    QCOMPARE(messages.shown[1].second, std::string("V 3.11 wird nicht unterst\xFCtzt"));
    QVERIFY(!ReadAll(log).contains("cmd 58"));
    QVERIFY(!w.SondAmComPort()->Link().PortOpen());
  }

  // During a running download a second command is refused, the gauge shows
  // bytes and rate, and Cancel ends the transfer with the port closed.
  void commandSharingAndCancel() {
    Meter meter({"--generate", "60K", "--baud", "19200"});
    Configure(meter);
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    auto* com = w.SondAmComPort();
    QString gauge;
    QTimer probe;
    probe.setInterval(100);
    connect(&probe, &QTimer::timeout, this, [&] {
      const QString text = com->findChild<QProgressBar*>("GAU_LOCAL")->format();
      if (text.contains("Bytes/s") && gauge.isEmpty()) {
        gauge = text;
        w.MEN_DatumZeitClick();  // a second command while the first runs
        com->findChild<QPushButton*>("BUT_Cancel")->click();
      }
    });
    probe.start();
    w.MEN_MesswerteempfangenClick();
    probe.stop();
    QVERIFY2(!gauge.isEmpty(), messages.All().c_str());
    QVERIFY(gauge.contains(" / "));
    QVERIFY(messages.Saw("COMMAND SHARING"));
    QCOMPARE(messages.shown.back().first, gd::MessageKind::Error);
    QVERIFY(!com->Link().PortOpen());
    QVERIFY(!com->Busy());
    QCOMPARE(w.SeriesList()->model()->rowCount(), 0);
  }

  // The settings dialog: a non-standard protocol opens expanded; the
  // standard button collapses it; a typed path is taken; the keys go back
  // to the configuration file.
  void serialSettings() {
    Meter meter({});
    const QString ini = Configure(meter, "Parit(ORD)=0\r\n");
    gd::ComPortConfig taken;
    {
      TVELTRIXMAIN w;
      ScriptedMessages messages;
      w.RouteMessages(&messages);
      bool expanded = false, collapsedAfter = true;
      w.SetDeviceDialogHook([&](QDialog& d) {
        CloseAtEnd closer{d};
        auto* dialog = qobject_cast<gd::ui::TDLG_SerialSettings*>(&d);
        QVERIFY(dialog);
        expanded = dialog->ProtocolAreaExpanded();
        QCOMPARE(dialog->findChild<QComboBox*>("CB_Parity")->currentText(), QStringLiteral("NONE"));
        QVERIFY(dialog->findChild<QLabel*>("LAB_WarningNoStandard")->isVisibleTo(dialog));
        dialog->SelectStandard();
        collapsedAfter = !dialog->ProtocolAreaExpanded();
        dialog->findChild<QComboBox*>("CB_ComPort")->setEditText("/dev/serial/by-id/usb-x");
        dialog->findChild<QPushButton*>("OKBtn")->click();
      });
      w.MEN_SerielleSchnittstelleClick();
      QVERIFY(expanded);
      QVERIFY(collapsedAfter);
      taken = w.ComPortSettings();
      w.close();
    }
    QCOMPARE(taken.parityOrdinal, 2);
    QCOMPARE(taken.portPath, std::string("/dev/serial/by-id/usb-x"));
    const QByteArray written = ReadAll(ini);
    QVERIFY2(written.contains("Parit(ORD)=2"), written.constData());
    QVERIFY(written.contains("PATH=/dev/serial/by-id/usb-x"));
    QVERIFY(written.contains("COM=1"));
  }

  // Pictures of the windows in German and English, when a folder is named
  // in GAUGDATA_SCREENSHOT_DIR: the communication window during a download,
  // the serial settings expanded, the materials with values and the
  // coefficient dialog.
  void screenshots() {
    if (qgetenv("GAUGDATA_SCREENSHOT_DIR").isEmpty()) QSKIP("no screenshot folder named");
    const std::pair<int, QString> languages[] = {{gd::kLanguageGerman, "de"},
                                                 {gd::kLanguageEnglish, "en"}};
    for (const auto& [language, suffix] : languages) {
      QVERIFY(gd::ui::Dictionary::Instance().SetLanguage(language));
      const auto name = [&](const char* base) {
        return QStringLiteral("%1-%2.png").arg(QLatin1String(base), suffix).toStdString();
      };
      {
        Meter meter({"--generate", "60K", "--baud", "19200"});
        Configure(meter);
        TVELTRIXMAIN w;
        ScriptedMessages messages;
        w.RouteMessages(&messages);
        auto* com = w.SondAmComPort();
        bool shot = false;
        QTimer probe;
        probe.setInterval(100);
        connect(&probe, &QTimer::timeout, this, [&] {
          const QString text = com->findChild<QProgressBar*>("GAU_LOCAL")->format();
          if (!shot && text.contains("/s")) {
            shot = true;
            gd::testing::SaveScreenshot(*com, name("communication-download").c_str());
            com->findChild<QPushButton*>("BUT_Cancel")->click();
          }
        });
        probe.start();
        w.MEN_MesswerteempfangenClick();
        QVERIFY(shot);
      }
      Meter meter({});
      Configure(meter, "Parit(ORD)=0\r\n");
      TVELTRIXMAIN w;
      ScriptedMessages messages;
      w.RouteMessages(&messages);
      w.SetDeviceDialogHook([&](QDialog& d) {
        CloseAtEnd closer{d};
        if (auto* settings = qobject_cast<gd::ui::TDLG_SerialSettings*>(&d)) {
          gd::testing::SaveScreenshot(*settings, name("serial-settings").c_str());
        } else if (auto* tables = qobject_cast<gd::ui::TDLG_SondTabels*>(&d)) {
          tables->ValuesCheckBox()->setChecked(true);
          gd::testing::SaveScreenshot(*tables, name("device-table").c_str());
        } else if (auto* coefficients = qobject_cast<gd::ui::TDLG_WMMKOEFFS*>(&d)) {
          QTRY_VERIFY(coefficients->Library()->count() > 0);
          coefficients->Library()->setCurrentRow(0);
          coefficients->LibraryToEdits();
          gd::testing::SaveScreenshot(*coefficients, name("coefficients").c_str());
        }
      });
      w.MEN_SerielleSchnittstelleClick();
      w.ShowDeviceTable(0);
      w.MEN_WMMKOEFFSClick();
      QVERIFY2(messages.shown.empty(), messages.All().c_str());
    }
    QVERIFY(gd::ui::Dictionary::Instance().SetLanguage(gd::kLanguageGerman));
  }

  // A bad value in the COMPORT section is reported; values before it stay.
  void invalidComPortEntry() {
    Meter meter({});
    Configure(meter, "Bauds(ORD)=6\r\nParit(ORD)=9\r\nSHUNKS=100\r\n");
    TVELTRIXMAIN w;
    ScriptedMessages messages;
    w.RouteMessages(&messages);
    QTRY_VERIFY(messages.Saw("UNGUELTIGER INI-EINTRAG [COM]"));
    QCOMPARE(w.ComPortSettings().baudOrdinal, 6);
    QCOMPARE(w.ComPortSettings().parityOrdinal, 2);
    QCOMPARE(w.ComPortSettings().blockSize, 2048);
  }
};

}  // namespace

QTEST_MAIN(DeviceWindowsTest)
#include "DeviceWindowsTest.moc"
