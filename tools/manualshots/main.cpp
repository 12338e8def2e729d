// manualshots: takes the user manual's pictures from the program itself.
// It opens the demo measurement file in the main window, opens one window
// after the other (modal ones through a timer that waits for them), saves
// each as a PNG and closes it again. With --metersim it also shows the
// device windows against the virtual meter on a pseudo-terminal.
//
//   manualshots --lang de|en --out DIR --demo FILE [--metersim PROGRAM]
//   manualshots --lang de|en --dump-menus   (the menus' captions, for the text)
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "app/InterfaceLanguage.h"
#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "device/ui/ComPortWindow.h"
#include "view/ui/DiagrammDlg.h"
#include "view/ui/DualListDlg.h"
#include "view/ui/ShowMemoLines.h"

namespace {

using gd::ui::TVELTRIXMAIN;

QString outFolder;
int failures = 0;

void Report(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }

void Settle(int ms = 150) {
  QTimer wait;
  wait.setSingleShot(true);
  wait.start(ms);
  while (wait.isActive()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Save(QWidget& window, const QString& name) {
  Settle();
  const QString path = QDir(outFolder).filePath(name + QStringLiteral(".png"));
  if (!window.grab().save(path)) {
    Report(QStringLiteral("cannot write ") + path);
    ++failures;
    return;
  }
  Report(QStringLiteral("wrote ") + path);
}

// Runs `open`, which shows a modal window; once it is up, `inside` runs with
// it and the window is closed. A window that does not come counts as a
// failure.
void WithModal(const QString& what, const std::function<void()>& open,
               const std::function<void(QDialog&)>& inside,
               const std::function<bool(QDialog&)>& ready = {}) {
  bool ran = false;
  int ticks = 0;
  QTimer timer;
  timer.setInterval(30);
  QPointer<QDialog> shown;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (ran) {
      // A window shown before its own event loop runs closes only then.
      if (shown && shown->isVisible()) shown->reject();
      return;
    }
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (++ticks > 600) {
      timer.stop();
      if (dialog) dialog->reject();
      return;
    }
    if (dialog == nullptr || !dialog->isVisible()) return;
    // A window that fills itself in steps runs them below this handler: wait
    // here for it, never inside.
    if (ready && !ready(*dialog)) return;
    timer.stop();
    shown = dialog;
    inside(*dialog);
    ran = true;
    if (shown && shown->isVisible()) shown->reject();
    timer.start();
  });
  timer.start();
  open();
  if (!ran) {
    Report(QStringLiteral("no window came up for ") + what);
    ++failures;
  }
}

void DumpMenu(QTextStream& out, QMenu* menu, int depth) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    out << QString(depth * 2, ' ') << action->text();
    if (!action->shortcut().isEmpty()) out << "    [" << action->shortcut().toString() << ']';
    out << '\n';
    if (action->menu() != nullptr) DumpMenu(out, action->menu(), depth + 1);
  }
}

void DumpMenus(TVELTRIXMAIN& w) {
  QTextStream out(stdout);
  for (QAction* top : w.menuBar()->actions()) {
    out << top->text() << '\n';
    if (top->menu() != nullptr) DumpMenu(out, top->menu(), 1);
  }
}

// The virtual meter on a pseudo-terminal; stopped with this object.
class Meter {
 public:
  explicit Meter(const QString& program) {
    process_.start(program, {QStringLiteral("--clock"), QStringLiteral("2024-05-14 09:30:00")});
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

void FileWindows(TVELTRIXMAIN& w) {
  w.SeriesList()->selectRow(1);
  Save(w, QStringLiteral("main-window"));
  WithModal(
      QStringLiteral("series information"), [&] { w.MEN_MWINFOClick(); },
      [](QDialog& d) { Save(d, QStringLiteral("series-info")); });
  WithModal(
      QStringLiteral("file information"), [&] { w.MEN_DatiInformationenClick(); },
      [](QDialog& d) { Save(d, QStringLiteral("file-info")); });
  w.ShowParameterSets();
  if (auto* sets = w.findChild<gd::ui::TDLG_ShowMemoLines*>(QStringLiteral("ParameterSetWindow"))) {
    sets->resize(640, 420);
    Save(*sets, QStringLiteral("parameter-sets"));
    sets->close();
  }
}

void ExportWindows(TVELTRIXMAIN& w) {
  w.SeriesList()->selectRow(0);
  WithModal(
      QStringLiteral("selection"), [&] { w.MEN_SAVEFILEClick(); },
      [](QDialog& d) {
        auto* pick = d.findChild<QRadioButton*>(QStringLiteral("RB_Auswahl"));
        if (pick) pick->click();
        Settle();
        if (auto* source = d.findChild<QListWidget*>(QStringLiteral("SrcList"))) {
          source->setCurrentRow(1);
          if (auto* add = d.findChild<QPushButton*>(QStringLiteral("IncludeBtn"))) add->click();
        }
        Save(d, QStringLiteral("selection"));
      });
  WithModal(
      QStringLiteral("text output"), [&] { w.MEN_TextausgabeClick(); },
      [](QDialog& d) { Save(d, QStringLiteral("text-options")); });
}

void ViewWindows(TVELTRIXMAIN& w) {
  w.SeriesList()->selectRow(1);
  WithModal(
      QStringLiteral("table view"), [&] { w.ShowValuesTable(); },
      [](QDialog& d) {
        d.resize(760, 480);
        Save(d, QStringLiteral("table-view"));
      },
      [](QDialog& d) {  // OK is enabled once the table is full
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("OKBtn"));
        return ok == nullptr || ok->isEnabled();
      });
  WithModal(
      QStringLiteral("diagram"), [&] { w.ShowDiagram(); },
      [](QDialog& d) {
        d.resize(900, 600);
        Settle(400);
        Save(d, QStringLiteral("diagram"));
        auto* statistics = d.findChild<QPushButton*>(QStringLiteral("BUT_Statistics"));
        if (statistics == nullptr) return;
        WithModal(
            QStringLiteral("statistics"), [&] { statistics->click(); },
            [](QDialog& s) { Save(s, QStringLiteral("statistics")); });
      });
}

void DeviceWindows(TVELTRIXMAIN& w, const QString& metersim, QTemporaryDir& dir) {
  Meter meter(metersim);
  if (meter.Path().isEmpty()) {
    Report(QStringLiteral("the virtual meter did not start"));
    ++failures;
    return;
  }
  // COM1 on the meter's terminal; the window reads its port when created.
  const QString ini = dir.filePath(QStringLiteral("device.ini"));
  QFile file(ini);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(QStringLiteral("[COMPORT]\r\nCOM=1\r\nPATH=%1\r\n").arg(meter.Path()).toLocal8Bit());
  file.close();
  TVELTRIXMAIN::SetConfigurationFile(ini);
  TVELTRIXMAIN device;
  device.resize(w.size());
  device.show();
  Settle();
  QString current;
  device.SetDeviceDialogHook([&current](QDialog& d) {
    if (d.objectName() == QStringLiteral("DLG_WMMKOEFFS")) d.resize(820, 520);
    Save(d, current);
    d.reject();
  });
  current = QStringLiteral("device-clock");
  device.MEN_DatumZeitClick();
  current = QStringLiteral("device-table");
  device.ShowDeviceTable(1);
  current = QStringLiteral("coefficients");
  device.MEN_WMMKOEFFSClick();
  current = QStringLiteral("serial-settings");
  device.MEN_SerielleSchnittstelleClick();
  device.MEN_ShowSondAmComPortClick();
  if (QWidget* com = device.SondAmComPort()) Save(*com, QStringLiteral("com-window"));
  device.SetDeviceDialogHook({});
  TVELTRIXMAIN::SetConfigurationFile({});
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString language = QStringLiteral("de");
  QString demo;
  QString metersim;
  bool dump = false;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == QStringLiteral("--lang") && hasValue) {
      language = args[++i];
    } else if (arg == QStringLiteral("--out") && hasValue) {
      outFolder = args[++i];
    } else if (arg == QStringLiteral("--demo") && hasValue) {
      demo = args[++i];
    } else if (arg == QStringLiteral("--metersim") && hasValue) {
      metersim = args[++i];
    } else if (arg == QStringLiteral("--dump-menus")) {
      dump = true;
    } else {
      Report(
          QStringLiteral("usage: manualshots --lang de|en (--dump-menus | --out DIR --demo "
                         "FILE [--metersim PROGRAM])"));
      return 2;
    }
  }
  const gd::InterfaceLanguage* chosen = gd::LanguageByCode(language.toStdString());
  if (chosen == nullptr || (!dump && (outFolder.isEmpty() || demo.isEmpty()))) {
    Report(QStringLiteral("manualshots: a known --lang, --out and --demo are needed"));
    return 2;
  }
  if (!dump && !QDir().mkpath(outFolder)) {
    Report(QStringLiteral("cannot make ") + outFolder);
    return 1;
  }
  // A configuration of its own, so the pictures show the defaults and no
  // user's settings are touched.
  QTemporaryDir dir;
  TVELTRIXMAIN::SetConfigurationFile(dir.filePath(QStringLiteral("gaugdata.ini")));
  TVELTRIXMAIN w;
  w.resize(900, 560);
  w.show();
  Settle();
  gd::ui::Dictionary::Instance().SetLanguage(chosen->number);
  Settle();
  if (dump) {
    DumpMenus(w);
    return 0;
  }
  if (!w.OpenMeasurementFile(demo)) {
    Report(QStringLiteral("cannot open ") + demo);
    return 1;
  }
  FileWindows(w);
  ExportWindows(w);
  ViewWindows(w);
  if (!metersim.isEmpty()) DeviceWindows(w, metersim, dir);
  return failures == 0 ? 0 : 1;
}
