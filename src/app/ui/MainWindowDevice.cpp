// The main window's device menu: receiving the meter's memory into the
// window, the clock, the three tables, the port reset, the communication
// window and the serial settings, and the COMPORT keys of the configuration.
// Every command runs inside one device connection of the communication window
// (connect, the command, back to main mode, window hidden).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "app/Edition.h"
#include "app/ui/FontSettings.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "app/ui/WindowGeometry.h"
#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/ComPortChoice.h"
#include "device/MessageText.h"
#include "device/TableLoading.h"
#include "device/port/SystemSerialPort.h"
#include "device/ui/ComPortWindow.h"
#include "device/ui/SerialSettingsDialog.h"
#include "device/ui/SetDateTimeDialog.h"
#include "device/ui/SondTabelsDialog.h"
#include "device/ui/WmmKoeffsDialog.h"

namespace gd::ui {

void TVELTRIXMAIN::CreateDeviceMenu() {
  serialPort_ = MakeSystemSerialPort();
  comWindow_ =
      std::make_unique<SondAmComPortWindow>(*serialPort_, CurrentEdition().deviceName, this);
  comWindow_->setWindowFlag(Qt::Tool, true);

  deviceMenu_ = new QMenu(FromAnsi(Translate(CurrentEdition().deviceMenuCaption)), this);
  deviceMenu_->setObjectName("MEN_Device");
  SetHelpTopic(deviceMenu_, help::kReceive);
  menuBar()->insertMenu(menuBar()->actions().value(2), deviceMenu_);
  const auto add = [this](const char* name, const char* caption, auto slot) {
    QAction* a = deviceMenu_->addAction(Tr(caption));
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  menReceive_ = add("MEN_Messwerteempfangen", QT_TRANSLATE_NOOP("GaugData", "&Messwerte empfangen"),
                    &TVELTRIXMAIN::MEN_MesswerteempfangenClick);
  menReceive_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  deviceMenu_->addSeparator();
  add("MEN_DatumZeit", QT_TRANSLATE_NOOP("GaugData", "Datum+&Uhrzeit"),
      &TVELTRIXMAIN::MEN_DatumZeitClick);
  QMenu* tables = deviceMenu_->addMenu(Tr("&Tabellen"));
  tables->setObjectName("MEN_Tabellen");
  const auto addTable = [this, tables](const QString& caption, const char* name, int table) {
    QAction* a = tables->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, table] { ShowDeviceTable(table); });
  };
  addTable(Tr("&Materialen"), "MEN_TAB_Materialen", 0);
  addTable(Tr("Me&dien"), "MEN_TAB_Medien", 1);
  addTable(Tr("&Sprachen"), "MEN_TAB_Sprachen", 2);
  add("MEN_WMMKOEFFS", QT_TRANSLATE_NOOP("GaugData", "&Waermestrom-Koeffizienten"),
      &TVELTRIXMAIN::MEN_WMMKOEFFSClick);
  deviceMenu_->addSeparator();
  add("MEN_COMPortReset", QT_TRANSLATE_NOOP("GaugData", "&COM-Port ruecksetzen"),
      &TVELTRIXMAIN::MEN_COMPortResetClick);
  menShowComPort_ =
      add("MEN_ShowSondAmComPort", QT_TRANSLATE_NOOP("GaugData", "Kommunikations&fenster"),
          &TVELTRIXMAIN::MEN_ShowSondAmComPortClick);
  menShowComPort_->setIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
  add("MEN_SerielleSchnittstelle1", QT_TRANSLATE_NOOP("GaugData", "&Serielle Schnittstelle"),
      &TVELTRIXMAIN::MEN_SerielleSchnittstelleClick);

  // The file menu's receive item and the two tool buttons.
  QAction* fileReceive = new QAction(Tr("&Empfangen..."), this);
  fileReceive->setObjectName("MEN_RecieveFile");
  connect(fileReceive, &QAction::triggered, this, &TVELTRIXMAIN::MEN_MesswerteempfangenClick);
  fileMenu_->insertAction(menOpenFile_, fileReceive);
  if (auto* bar = findChild<QToolBar*>("ToolBar")) {
    bar->insertAction(bar->actions().value(0), menReceive_);
    bar->widgetForAction(menReceive_)->setObjectName("SB_Receive");
    bar->addSeparator();
    bar->addAction(menShowComPort_);
    bar->widgetForAction(menShowComPort_)->setObjectName("SB_WatchComPort");
  }
  RetranslateDeviceMenu();
}

void TVELTRIXMAIN::RetranslateDeviceMenu() {
  deviceMenu_->setTitle(FromAnsi(Translate(CurrentEdition().deviceMenuCaption)));
  // "short|long": the short part is the button's hint, the long one the status line's.
  const QString hint =
      FromAnsi(FillMessage(Translate("Empfangen|Empfang der im %s gespeicherten Messwerte"),
                           {CurrentEdition().deviceName}));
  menReceive_->setToolTip(hint.section('|', 0, 0));
  menReceive_->setStatusTip(hint.section('|', 1));
}

SondAmComPortWindow* TVELTRIXMAIN::SondAmComPort() const { return comWindow_.get(); }

bool TVELTRIXMAIN::RunDeviceCommand(const std::function<void()>& action, bool hideWindow) {
  TSondAmComPort& link = comWindow_->Link();
  PortSettings settings = link.LineSettings();
  settings.baudOrdinal = comConfig_.baudOrdinal;
  settings.dataOrdinal = comConfig_.dataOrdinal;
  settings.parityOrdinal = comConfig_.parityOrdinal;
  settings.stopOrdinal = comConfig_.stopOrdinal;
  link.SetLineSettings(settings);
  link.SetTimeoutMs(comConfig_.timeoutMs);
  link.SetBlockSize(comConfig_.blockSize);
  const bool valid = comConfig_.portIndex >= 0 && comConfig_.portIndex < kPortIndexCount;
  link.SetPortPath(valid ? SystemPortName(comConfig_.portIndex, comConfig_.portPath) : "");
  return comWindow_->RunDeviceAction(comConfig_.portIndex, *messages_, action, hideWindow);
}

// Receive: the close query, the download into a temporary file, and that
// file opened as received data.
void TVELTRIXMAIN::MEN_MesswerteempfangenClick() {
  if (comWindow_->Busy()) {
    messages_->Show(MessageKind::Error, Translate("COMMAND SHARING"));
    return;
  }
  if (!CloseQueryAllows()) return;
  std::string path;
  if (!RunDeviceCommand([&] { path = comWindow_->Link().DownloadToTempFile(); })) {
    Reset();
    return;
  }
  OpenFile(FromPath(path), true);
}

void TVELTRIXMAIN::MEN_DatumZeitClick() {
  RunDeviceCommand([this] {
    TDLG_SetDateTime dialog(comWindow_->Link(), *messages_, CurrentEdition().deviceName, this);
    ExecDeviceDialog(dialog);
  });
}

void TVELTRIXMAIN::ShowDeviceTable(int table) {
  if (table < 0 || table > 2) return;
  RunDeviceCommand([this, table] {
    TDLG_SondTabels dialog(comWindow_->Link(), comWindow_->Tables(), this);
    dialog.Memo()->setFont(FontFromString(dialog.Memo()->font(), config_.fonts.deviceTables));
    RememberDialogSize(dialog, layout_, "DeviceTables");
    connect(&dialog, &TDLG_SondTabels::FontChosen, this, [this](const QFont& font) {
      config_.fonts.deviceTables = FontStringOf(font, config_.fonts.deviceTables);
    });
    constexpr DeviceTableMode kModes[] = {DeviceTableMode::kMaterials, DeviceTableMode::kMedia,
                                          DeviceTableMode::kLanguages};
    dialog.Prepare(kModes[table]);
    ExecDeviceDialog(dialog);
  });
}

// The coefficient dialog: the communication window shows only while the
// meter's tables load.
void TVELTRIXMAIN::MEN_WMMKOEFFSClick() {
  RunDeviceCommand(
      [this] {
        LinkCoefficientMeter meter(comWindow_->Link(),
                                   [this](bool visible) { comWindow_->setVisible(visible); });
        TDLG_WMMKOEFFS dialog(meter, comWindow_->Tables(), *messages_, CurrentEdition().deviceName,
                              this);
        ExecDeviceDialog(dialog);
      },
      true);
}

int TVELTRIXMAIN::ExecDeviceDialog(QDialog& dialog) {
  if (dialogHook_) QTimer::singleShot(0, &dialog, [this, &dialog] { dialogHook_(dialog); });
  return dialog.exec();
}

void TVELTRIXMAIN::MEN_COMPortResetClick() { comWindow_->Link().ClosePort(); }

void TVELTRIXMAIN::MEN_ShowSondAmComPortClick() {
  comWindow_->show();
  comWindow_->raise();
}

void TVELTRIXMAIN::MEN_SerielleSchnittstelleClick() {
  std::vector<std::string> ports;
  for (const SystemPortInfo& p : ListSystemPorts()) ports.push_back(p.location);
  TDLG_SerialSettings dialog(CurrentEdition().deviceName, ports, this);
  PortSettings settings = comWindow_->Link().LineSettings();
  settings.baudOrdinal = comConfig_.baudOrdinal;
  settings.dataOrdinal = comConfig_.dataOrdinal;
  settings.parityOrdinal = comConfig_.parityOrdinal;
  settings.stopOrdinal = comConfig_.stopOrdinal;
  dialog.Open({comConfig_.portIndex, comConfig_.portPath}, settings, comConfig_.blockSize);
  if (ExecDeviceDialog(dialog) != QDialog::Accepted) return;
  const TDLG_SerialSettings::Result r = dialog.TakeResult();
  comConfig_.portIndex = r.port.index;
  comConfig_.portPath = r.port.path;
  comConfig_.baudOrdinal = r.settings.baudOrdinal;
  comConfig_.dataOrdinal = r.settings.dataOrdinal;
  comConfig_.parityOrdinal = r.settings.parityOrdinal;
  comConfig_.stopOrdinal = r.settings.stopOrdinal;
  comConfig_.blockSize = r.blockSize;
}

// --- Configuration ------------------------------------------------------------

void TVELTRIXMAIN::ReadDeviceConfiguration() {
  ComPortConfig values;
  values.portIndex = config_.comPort - 1;
  values.baudOrdinal = config_.baudsOrd;
  values.dataOrdinal = config_.dataBitsOrd;
  values.parityOrdinal = config_.parityOrd;
  values.stopOrdinal = config_.stopBitsOrd;
  values.blockSize = config_.chunkSize;
  values.timeoutMs = config_.timeout;
  values.portPath = config_.comPortPath;
  if (!ApplyComPortConfig(values, comConfig_)) {
    // Shown once the window runs, so the box does not stop its construction.
    QTimer::singleShot(0, this, [this] {
      messages_->Show(MessageKind::Information, Translate("UNGUELTIGER INI-EINTRAG [COM]"));
    });
  }
}

void TVELTRIXMAIN::WriteDeviceConfiguration(IniFile& ini) const {
  ini.WriteInteger(ini::kComPort, "COM", comConfig_.portIndex + 1);
  ini.WriteInteger(ini::kComPort, "Bauds(ORD)", comConfig_.baudOrdinal);
  ini.WriteInteger(ini::kComPort, "DataL(ORD)", comConfig_.dataOrdinal);
  ini.WriteInteger(ini::kComPort, "Parit(ORD)", comConfig_.parityOrdinal);
  ini.WriteInteger(ini::kComPort, "Stops(ORD)", comConfig_.stopOrdinal);
  ini.WriteInteger(ini::kComPort, "SHUNKS", comConfig_.blockSize);
  if (!comConfig_.portPath.empty() || ini.HasKey(ini::kComPort, "PATH"))
    ini.WriteString(ini::kComPort, "PATH", comConfig_.portPath);
}

}  // namespace gd::ui
