// The main window's part in the configuration file: the settings it reads
// when it is created and writes when it closes, and the opened-files history
// at the end of the "&Datei" menu.
//
// The file's place: "<program>.INI" beside the program file when such a file
// exists there (a portable installation keeps its settings with it);
// otherwise the platform's folder for application settings
// (QStandardPaths::AppConfigLocation, e.g. ~/.config/<program>/ on Linux),
// since the program's folder is usually not writable for the user.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QTableWidget>

#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "convert/VXASCIIOUT.h"
#include "core/ui/AnsiText.h"
#include "view/ui/DiagrammDlg.h"

namespace gd::ui {
namespace {

QString& ConfigurationFileSetting() {
  static QString path;
  return path;
}

constexpr char kHistoryEntryProperty[] = "gdHistoryEntry";

QString FolderOf(const QString& path) {
  return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

}  // namespace

void TVELTRIXMAIN::SetConfigurationFile(const QString& path) { ConfigurationFileSetting() = path; }

QString TVELTRIXMAIN::ConfigurationFile() { return ConfigurationFileSetting(); }

QString TVELTRIXMAIN::DefaultConfigurationFile() {
  const std::string program = ToAnsi(QCoreApplication::applicationFilePath());
  const QString beside = FromAnsi(ConfigurationFilePath(program, true, ""));
  const bool exists = QFileInfo::exists(beside);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return FromAnsi(ConfigurationFilePath(program, exists, ToAnsi(QDir::toNativeSeparators(folder))));
}

// --- Reading and writing ------------------------------------------------------

void TVELTRIXMAIN::ReadConfigurationFile() {
  configFile_ = ConfigurationFile();
  if (configFile_.isEmpty()) return;
  const IniFile ini = IniFile::Load(files_, ToAnsi(configFile_));
  config_ = ReadConfiguration(ini);
  history_.Load(ini);
  ReadGridColumnWidths(ini, tableColumnWidths_);
  graphColors_->Load(ini);
  ApplyConfiguration();
  RebuildHistoryMenu();
}

// Errors while writing are ignored: the window closes all the same. The file
// is read again first so that keys other windows wrote meanwhile stay, then
// replaced in one piece.
void TVELTRIXMAIN::WriteConfigurationFile() {
  if (configFile_.isEmpty()) return;
  CollectConfiguration();
  const std::string path = ToAnsi(configFile_);
  QDir().mkpath(QFileInfo(configFile_).absolutePath());
  IniFile ini = IniFile::Load(files_, path);
  WriteConfiguration(ini, config_);
  history_.Save(ini);
  WriteGridColumnWidths(ini, tableColumnWidths_, tableColumns_);
  if (diagram_) diagram_->StoreStyles();
  graphColors_->WriteTo(ini);
  ini.Save(files_, path);
}

void TVELTRIXMAIN::ApplyConfiguration() {
  document_->SetTextOptions(config_.textOptions);
  saveEmpty_ = config_.saveEmptyFiles;
  setProperty(kOpenFolderProperty, FromAnsi(config_.lastOpenPath));
  if (config_.showQuickSave) {
    menQuickSave_->setChecked(true);
    SetQuickSaveVisible(true);
  }
  SetTimeMode(config_.timeMode);
  if (auto* a = list_->findChild<QAction*>("POP_TimeMode" + QString::number(config_.timeMode)))
    a->setChecked(true);
  // A double-click action the window does not offer keeps the present one.
  if (auto* a =
          list_->findChild<QAction*>("POP_DoubleClick" + QString::number(config_.doubleClick))) {
    a->setChecked(true);
    doubleClick_ = static_cast<DoubleClickAction>(config_.doubleClick);
  }
  if (config_.language != -1) Dictionary::Instance().SetLanguage(config_.language);
  UpdateCommands();
}

void TVELTRIXMAIN::CollectConfiguration() {
  config_.textOptions = document_->TextOptions();
  config_.saveEmptyFiles = saveEmpty_;
  config_.showQuickSave = menQuickSave_->isChecked();
  config_.timeMode = document_->List().TimeMode();
  config_.doubleClick = static_cast<int>(doubleClick_);
  config_.language = Dictionary::Instance().Language();
  const QString openFolder = property(kOpenFolderProperty).toString();
  if (!openFolder.isEmpty()) config_.lastOpenPath = ToAnsi(openFolder);
  if (!lastSaveName_.isEmpty()) config_.lastSavePath = ToAnsi(FolderOf(lastSaveName_));
}

// --- History ------------------------------------------------------------------

bool TVELTRIXMAIN::OpenAndRemember(const QString& path) {
  const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  setProperty(kOpenFolderProperty, FolderOf(absolute) + QDir::separator());
  history_.opened.Add(ToAnsi(absolute));
  RebuildHistoryMenu();
  return OpenMeasurementFile(absolute);
}

void TVELTRIXMAIN::RememberSaved(const QString& target) {
  if (!target.endsWith(QStringLiteral(".sdx"), Qt::CaseInsensitive))
    history_.saved.Add(ToAnsi(target));
}

QList<QAction*> TVELTRIXMAIN::OpenedHistoryActions() const {
  QList<QAction*> entries;
  for (QAction* a : fileMenu_->actions())
    if (a->property(kHistoryEntryProperty).toBool() && !a->isSeparator()) entries << a;
  return entries;
}

// Removes exactly the items the history added after the menu's own ones (the
// separator included; they carry a mark) and adds them again.
void TVELTRIXMAIN::RebuildHistoryMenu() {
  for (QAction* a : fileMenu_->actions()) {
    if (!a->property(kHistoryEntryProperty).toBool()) continue;
    fileMenu_->removeAction(a);
    a->deleteLater();
  }
  const std::vector<std::string> captions = history_.opened.MenuCaptions();
  if (captions.empty()) return;
  QAction* separator = fileMenu_->addSeparator();
  separator->setProperty(kHistoryEntryProperty, true);
  for (const std::string& caption : captions) {
    QAction* a = fileMenu_->addAction(FromAnsi(caption));
    a->setProperty(kHistoryEntryProperty, true);
    const QString text = a->text();
    connect(a, &QAction::triggered, this, [this, text] { OpenedHistoryClick(text); });
  }
}

// A history pick opens like the open command without its dialog.
void TVELTRIXMAIN::OpenedHistoryClick(const QString& caption) {
  const std::optional<std::string> path = history_.opened.PathOfCaption(ToAnsi(caption));
  if (!path || !CloseQueryAllows()) return;
  OpenAndRemember(FromAnsi(*path));
}

}  // namespace gd::ui
