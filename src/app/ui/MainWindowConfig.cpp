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
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTextStream>

#include "app/ui/Dictionary.h"
#include "app/ui/FormTranslator.h"
#include "app/ui/MainWindow.h"
#include "app/ui/WindowGeometry.h"
#include "convert/VXASCIIOUT.h"
#include "core/PathText.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "view/ui/DiagrammDlg.h"

namespace gd::ui {
namespace {

QString& ConfigurationFileSetting() {
  static QString path;
  return path;
}

constexpr char kHistoryEntryProperty[] = "gdHistoryEntry";
// The main window's keys in [Layout] (its frame, maximized and the splitter).
constexpr char kMainWindowLayoutKey[] = "MainWindow";

QString FolderOf(const QString& path) {
  return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

}  // namespace

void TVELTRIXMAIN::SetConfigurationFile(const QString& path) { ConfigurationFileSetting() = path; }

QString TVELTRIXMAIN::ConfigurationFile() { return ConfigurationFileSetting(); }

QString TVELTRIXMAIN::DefaultConfigurationFile() {
  const std::string program = ToPath(QCoreApplication::applicationFilePath());
  const QString beside = FromPath(ConfigurationFilePath(program, true, ""));
  const bool exists = QFileInfo::exists(beside);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return FromPath(ConfigurationFilePath(program, exists, ToPath(QDir::toNativeSeparators(folder))));
}

// --- Reading and writing ------------------------------------------------------

void TVELTRIXMAIN::ReadConfigurationFile() {
  configFile_ = ConfigurationFile();
  if (configFile_.isEmpty()) return;
  const IniFile ini = IniFile::Load(files_, ToPath(configFile_));
  config_ = ReadConfiguration(ini);
  // The dictionary may come as files beside the program instead of the
  // built-in ones.
  if (config_.tryExternalDict)
    Dictionary::Instance().TryExternalDictionary(QCoreApplication::applicationDirPath());
  history_.Load(ini);
  ReadGridColumnWidths(ini, tableColumnWidths_);
  graphColors_->Load(ini);
  ReadDeviceConfiguration();
  // The window's place and size and the list/details split as they were.
  layout_ = WindowLayout::Read(ini);
  RestoreWindowFrame(*this, layout_, kMainWindowLayoutKey);
  if (auto* splitter = qobject_cast<QSplitter*>(centralWidget()))
    RestoreSplitter(*splitter, layout_, kMainWindowLayoutKey);
  ApplyConfiguration();
  RebuildHistoryMenu();
}

// Errors while writing are ignored: the window closes all the same. The file
// is read again first so that keys other windows wrote meanwhile stay, then
// replaced in one piece.
void TVELTRIXMAIN::WriteConfigurationFile() {
  if (configFile_.isEmpty()) return;
  CollectConfiguration();
  const std::string path = ToPath(configFile_);
  QDir().mkpath(QFileInfo(configFile_).absolutePath());
  IniFile ini = IniFile::Load(files_, path);
  WriteConfiguration(ini, config_);
  WriteDeviceConfiguration(ini);
  history_.Save(ini);
  WriteGridColumnWidths(ini, tableColumnWidths_, tableColumns_);
  if (diagram_) diagram_->StoreStyles();
  graphColors_->WriteTo(ini);
  StoreWindowFrame(*this, layout_, kMainWindowLayoutKey);
  if (auto* splitter = qobject_cast<QSplitter*>(centralWidget()))
    StoreSplitter(*splitter, layout_, kMainWindowLayoutKey);
  layout_.Write(ini);
  ini.Save(files_, path);
}

void TVELTRIXMAIN::ApplyConfiguration() {
  document_->SetTextOptions(config_.textOptions);
  saveEmpty_ = config_.saveEmptyFiles;
  setProperty(kOpenFolderProperty, FromPath(config_.lastOpenPath));
  if (config_.showQuickSave) {
    menQuickSave_->setChecked(true);
    SetQuickSaveVisible(true);
  }
  SetTimeMode(config_.timeMode);
  if (auto* a = list_->findChild<QAction*>("POP_TimeMode" + QString::number(config_.timeMode)))
    a->setChecked(true);
  // A double-click action the window does not offer keeps the present one,
  // and the stored choice is written back unchanged until the user picks one.
  if (auto* a =
          list_->findChild<QAction*>("POP_DoubleClick" + QString::number(config_.doubleClick))) {
    a->setChecked(true);
    doubleClick_ = static_cast<DoubleClickAction>(config_.doubleClick);
    doubleClickChosen_ = true;
  }
  if (config_.language != -1) Dictionary::Instance().SetLanguage(config_.language);
  UpdateCommands();
}

void TVELTRIXMAIN::CollectConfiguration() {
  config_.textOptions = document_->TextOptions();
  config_.saveEmptyFiles = saveEmpty_;
  config_.showQuickSave = menQuickSave_->isChecked();
  config_.timeMode = document_->List().TimeMode();
  if (doubleClickChosen_) config_.doubleClick = static_cast<int>(doubleClick_);
  config_.language = Dictionary::Instance().Language();
  const QString openFolder = property(kOpenFolderProperty).toString();
  if (!openFolder.isEmpty()) config_.lastOpenPath = ToPath(openFolder);
  if (!lastSaveName_.isEmpty()) config_.lastSavePath = ToPath(FolderOf(lastSaveName_));
}

// --- History ------------------------------------------------------------------

bool TVELTRIXMAIN::OpenAndRemember(const QString& path) {
  const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  setProperty(kOpenFolderProperty, FolderOf(absolute) + QDir::separator());
  // Only a file that opened joins the history: a failed one would push the
  // files the user works with down the list.
  if (!OpenMeasurementFile(absolute)) return false;
  history_.opened.Add(ToPath(absolute));
  RebuildHistoryMenu();
  return true;
}

bool TVELTRIXMAIN::OpenCommandLineFile(const QString& path) {
  if (QFileInfo(path).isFile()) return OpenAndRemember(path);
  const QString text = FromAnsi(FormatMessageText(
      Translate("Die Datei %s kann nicht gelesen werden"), {PathText(ToPath(path))}));
  QTextStream(stderr) << text << '\n';
  statusBar()->showMessage(text);
  return false;
}

void TVELTRIXMAIN::RememberSaved(const QString& target) {
  if (!target.endsWith(QStringLiteral(".sdx"), Qt::CaseInsensitive)) {
    history_.saved.Add(ToPath(target));
    RebuildHistoryMenu();
  }
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
  // The tool buttons' popups hold the same numbered entries.
  const auto fillPopup = [this](QMenu* popup, const THistoryList& list, auto click) {
    if (popup == nullptr) return;
    popup->clear();
    for (const std::string& caption : list.MenuCaptions()) {
      QAction* a = popup->addAction(FromPath(caption));
      SetFixedText(a);  // a path, never translated
      const QString text = a->text();
      connect(a, &QAction::triggered, this, [this, click, text] { (this->*click)(text); });
    }
  };
  fillPopup(openPopup_, history_.opened, &TVELTRIXMAIN::OpenedHistoryClick);
  fillPopup(savePopup_, history_.saved, &TVELTRIXMAIN::SavedHistoryClick);
  const std::vector<std::string> captions = history_.opened.MenuCaptions();
  if (captions.empty()) return;
  QAction* separator = fileMenu_->addSeparator();
  separator->setProperty(kHistoryEntryProperty, true);
  for (const std::string& caption : captions) {
    QAction* a = fileMenu_->addAction(FromPath(caption));
    a->setProperty(kHistoryEntryProperty, true);
    const QString text = a->text();
    connect(a, &QAction::triggered, this, [this, text] { OpenedHistoryClick(text); });
  }
}

// A saved-files pick presets the save dialog's folder and name with that
// file and runs the save command.
void TVELTRIXMAIN::SavedHistoryClick(const QString& caption) {
  const std::optional<std::string> path = history_.saved.PathOfCaption(ToPath(caption));
  if (!path) return;
  lastSaveName_ = FromPath(*path);
  MEN_SAVEFILEClick();
}

// A history pick opens like the open command without its dialog.
void TVELTRIXMAIN::OpenedHistoryClick(const QString& caption) {
  const std::optional<std::string> path = history_.opened.PathOfCaption(ToPath(caption));
  if (!path || !CloseQueryAllows()) return;
  OpenAndRemember(FromPath(*path));
}

}  // namespace gd::ui
