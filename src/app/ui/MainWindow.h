// The main window: binds to the open document (OpenDocument.h: the file, its
// conversion object and series list), lists its series, shows the details or
// the comment of the selected one, keeps the Quick-Save list and runs the
// commands on files. All texts and rules come from the pure models
// (OpenDocument.h, SeriesList.h, MainWindowModel.h, QuickSave.h); the window
// only displays them and passes the user's actions on.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

#include "app/Configuration.h"
#include "app/GraphColors.h"
#include "app/GridColumnWidths.h"
#include "app/MainWindowModel.h"
#include "app/OpenDocument.h"
#include "app/QuickSave.h"
#include "app/SeriesList.h"
#include "app/WindowLayout.h"
#include "convert/TextStyle.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/MeasurementFile.h"
#include "device/LineSettings.h"
#include "view/SeriesSelection.h"

class QAction;
class QDialog;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace gd {
class ISerialPort;
class TVXASCIIOUT;
}  // namespace gd

namespace gd::ui {

// The dynamic property of the window that holds the open dialog's folder.
inline constexpr char kOpenFolderProperty[] = "gdOpenFolder";

class LanguageMenu;
class SeriesListItemModel;
class TDLG_ValuesInGrid;
class TDLG_Diagramm;

class RoutedMessages;
class SondAmComPortWindow;

// The file dialogs the window asks. The defaults are Qt's file dialogs;
// a caller (a test) may answer them itself.
struct FileDialogs {
  // The file to open; empty when cancelled.
  std::function<QString(QWidget* parent)> openName;
  // The save dialog: `name` comes in as the preset and goes out as the
  // chosen name, `filterIndex` (1-based, SaveDialogFilters) likewise.
  // False when cancelled.
  std::function<bool(QWidget* parent, QString& name, int& filterIndex)> saveName;
};

class TVELTRIXMAIN : public QMainWindow {
  Q_OBJECT
 public:
  explicit TVELTRIXMAIN(QWidget* parent = nullptr);
  ~TVELTRIXMAIN() override;

  // Opens a measurement file and lists its series (the command line and the
  // open command after its dialog); an unusable file is reported in an error
  // box and leaves the window reset. Returns whether it opened.
  bool OpenMeasurementFile(const QString& path);
  // Opens a file named on the command line or picked from the history: adds
  // it to the opened-files history and moves the open dialog's folder to it
  // first (MainWindowConfig.cpp).
  bool OpenAndRemember(const QString& path);
  // A file named on the command line: opened and remembered when it exists;
  // otherwise a message on stderr and in the status bar, and nothing else.
  bool OpenCommandLineFile(const QString& path);

  // The configuration file that windows created from now on read when they
  // are created and write when they close; empty (the default) for none, so
  // that a window made without one neither reads nor writes settings.
  static void SetConfigurationFile(const QString& path);
  static QString ConfigurationFile();
  // Where the program keeps its configuration: "<program>.INI" beside the
  // program file when that file exists there, else in the platform's folder
  // for application settings.
  static QString DefaultConfigurationFile();

  // The commands of the menus and buttons.
  void MEN_OpenFileClick();
  bool MEN_SAVEFILEClick();  // Save: selection, save dialog, rewrite with comments
  void ShowParameterSets();
  // MEN_Tabelle: the values of the selected series in the table view.
  void ShowValuesTable();
  // MEN_DIAGRAMM: the selected series in the diagram window.
  void ShowDiagram();
  void MEN_MWINFOClick();             // the series information of the selected series
  void MEN_DatiInformationenClick();  // the file information with the file's remarks
  void MEN_TextausgabeClick();
  void SetTimeMode(int mode);
  void SetCommentMode(bool commentMode);
  void SetQuickSaveVisible(bool visible);
  void IncludeBtnClick();
  void IncAllBtnClick();
  void ExcludeBtnClick();
  void ExAllBtnClick();
  bool BTN_SaveFromSelectedClick();
  void RunDoubleClickAction(DoubleClickAction action);

  // The device commands (MainWindowDevice.cpp).
  void MEN_MesswerteempfangenClick();  // receive the meter's memory
  void MEN_DatumZeitClick();
  void ShowDeviceTable(int table);  // 0 materials, 1 media, 2 languages
  void MEN_WMMKOEFFSClick();
  void MEN_COMPortResetClick();
  void MEN_ShowSondAmComPortClick();
  void MEN_SerielleSchnittstelleClick();
  SondAmComPortWindow* SondAmComPort() const;
  QMenu* DeviceMenu() const { return deviceMenu_; }
  const ComPortConfig& ComPortSettings() const { return comConfig_; }
  // Called with each device dialog once its event loop runs (tests answer it).
  void SetDeviceDialogHook(std::function<void(QDialog&)> hook) { dialogHook_ = std::move(hook); }

  // Writes the series of `selection` to `target`: text, ".xls" or a subset
  // ".sdx" by its extension, with a progress dialog that can cancel. Returns
  // whether the file was written whole.
  bool SaveSeries(const QString& target, const SeriesSelection& selection,
                  const CsvOptions& csv = {});
  // Rewrites the current file with the comments (an error box on failure).
  bool SaveMeasurementFile();
  // The close query; whether the window may close or another file be opened.
  bool CloseQueryAllows();

  // Message boxes go to `target` instead of Qt's boxes; null restores them.
  void RouteMessages(IMessages* target);
  void SetFileDialogs(FileDialogs dialogs);

  QAction* MEN_OpenFile() const { return menOpenFile_; }
  QAction* MEN_SAVEFILE() const { return menSaveFile_; }
  QAction* MEN_Parasaetze() const { return menParameterSets_; }
  QAction* MEN_Tabelle() const { return menTable_; }
  // The table view window, created on first use and kept (null before).
  TDLG_ValuesInGrid* ValuesInGrid() const { return valuesInGrid_; }
  QAction* MEN_DIAGRAMM() const { return menDiagram_; }
  // The diagram window, created on first use and kept (null before).
  TDLG_Diagramm* Diagram() const { return diagram_; }
  QAction* MEN_MWINFO() const { return menSeriesInfo_; }
  QAction* MEN_DatiInformationen() const { return menFileInfo_; }
  // The channel chosen in the last series information (0-based).
  std::size_t SelectedChannel() const { return selectedChannel_; }
  QAction* MEN_Exit() const { return menExit_; }
  QAction* MEN_Bemerkungenzeigen() const { return menComments_; }
  QAction* MEN_QuickSave() const { return menQuickSave_; }
  QAction* MEN_Textausgabe() const { return menTextOutput_; }
  const TextOutputOptions& TextOptions() const;
  QMenu* SeriesMenu() const { return seriesMenu_; }
  QTableView* SeriesList() const { return list_; }
  QLabel* SeriesLabel() const { return seriesLabel_; }
  QLabel* DetailsLabel() const { return detailsLabel_; }
  QPlainTextEdit* DetailsPanel() const { return details_; }
  QListWidget* QuickSaveList() const { return quickSaveList_; }
  const MeasurementFile& File() const { return document_->File(); }
  // The open document (file, conversion object, series list, comments).
  OpenDocument& Document() { return *document_; }
  const OpenDocument& Document() const { return *document_; }
  ui::LanguageMenu* LanguageMenu() const { return languageMenu_; }
  const HistoryLists& History() const { return history_; }
  // The numbered history entries at the end of the "&Datei" menu.
  QList<QAction*> OpenedHistoryActions() const;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A measurement file dropped on the window (MainWindowDrop.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Construction.
  void CreateMenus();
  void CreateToolBar();
  void CreateCentralArea();
  QWidget* CreateQuickSavePanel(QWidget* parent);
  void CreateListPopup();

  // Open and reset.
  void Reset();
  void AfterOpening();
  void UpdateCaption();
  void UpdateCommands();
  MainWindowState State() const;

  // The list and the selection.
  void FillSeriesList();
  // The list's texts changed (time column, locale), its rows did not.
  void RefillSeriesList();
  void SelectionChanged();
  std::vector<int> SelectedRowNumbers() const;
  int SelectedSeriesNumber() const;
  // The series a viewer (table, diagram) opens on: the selected one, else the
  // first; the comment being edited is kept first. 0 after telling the user
  // that no series is available.
  int SeriesForViewer();

  // Details and comments.
  void ShowPanel();
  // Puts the captions and the lines of the list rows (0-based) on the clipboard.
  void CopyRows(const std::vector<int>& rows) const;
  void CommitComment();
  bool CommentsChanged();

  // The table view (MainWindowTable.cpp).
  void CreateTableAction();
  void CreateDiagramAction();

  // Save.
  std::optional<SeriesSelection> ChooseSeries();
  bool SaveDialog(const SeriesSelection& selection);

  // Quick-Save.
  void FillQuickSaveList(std::optional<std::size_t> selectIndex = std::nullopt);
  void UpdateQuickSaveButtons();

  // Information dialogs (MainWindowInfo.cpp).
  void CreateInfoCommands();

  // Device commands (MainWindowDevice.cpp).
  void CreateDeviceMenu();
  void RetranslateDeviceMenu();
  bool RunDeviceCommand(const std::function<void()>& action, bool hideWindow = false);
  int ExecDeviceDialog(QDialog& dialog);
  void ReadDeviceConfiguration();
  void WriteDeviceConfiguration(IniFile& ini) const;
  // Opens a measurement file; `received` marks the temporary file of a download.
  bool OpenFile(const QString& path, bool received);

  // Drops (MainWindowDrop.cpp): takes a drag or drop of one measurement file
  // (true) or leaves it alone (false); the dropped file opens after the
  // close query, once the drop has ended.
  bool TakeDragEvent(QEvent* event);
  void OpenDroppedFile(const QString& path);

  // Language (MainWindowLanguage.cpp).
  void CreateLanguageMenu();
  void RetranslateUi();

  // Configuration (MainWindowConfig.cpp).
  void ReadConfigurationFile();
  void WriteConfigurationFile();
  void ApplyConfiguration();
  void CollectConfiguration();
  void RebuildHistoryMenu();
  void OpenedHistoryClick(const QString& caption);
  void SavedHistoryClick(const QString& caption);
  void RememberSaved(const QString& target);

  Locale locale_ = Locale::German();
  DiskFileStore files_;
  std::unique_ptr<RoutedMessages> messages_;
  // The open file with its conversion object and series list; the window
  // shows it and passes the user's actions on to it.
  std::unique_ptr<OpenDocument> document_;
  gd::QuickSaveList quickSave_;
  FileDialogs dialogs_;
  bool saveEmpty_ = false;
  bool commentMode_ = false;
  int commentRow_ = 0;  // the series whose comment the panel holds; 0 = none
  DoubleClickAction doubleClick_ = DoubleClickAction::kParameterSets;
  bool doubleClickChosen_ = false;  // false: the stored choice is one this window lacks
  QString lastSaveName_;
  QString configFile_;    // empty: no configuration file
  Configuration config_;  // as read, updated before it is written
  HistoryLists history_;
  WindowLayout layout_;  // [Layout]: the windows' places and sizes
  QMenu* fileMenu_ = nullptr;

  QAction* menOpenFile_ = nullptr;
  QAction* menSaveFile_ = nullptr;
  QAction* menExit_ = nullptr;
  QMenu* seriesMenu_ = nullptr;
  QAction* menParameterSets_ = nullptr;
  QAction* menTable_ = nullptr;
  TDLG_ValuesInGrid* valuesInGrid_ = nullptr;
  GridColumnWidths tableColumnWidths_ = DefaultGridColumnWidths();
  std::vector<int> tableColumns_;  // output columns last shown in the table view
  QAction* menDiagram_ = nullptr;
  TDLG_Diagramm* diagram_ = nullptr;
  // GRAPHCOLORS as read, with the diagram's changes.
  std::shared_ptr<GraphColorsStore> graphColors_ = std::make_shared<GraphColorsStore>();
  QAction* menSeriesInfo_ = nullptr;
  QAction* menFileInfo_ = nullptr;
  std::size_t selectedChannel_ = 0;
  QAction* menComments_ = nullptr;
  QAction* menQuickSave_ = nullptr;
  QAction* menTextOutput_ = nullptr;
  QActionGroup* doubleClickGroup_ = nullptr;
  QTableView* list_ = nullptr;
  SeriesListItemModel* listModel_ = nullptr;  // the list's cells, read from the document
  QLabel* seriesLabel_ = nullptr;
  QLabel* detailsLabel_ = nullptr;
  QLabel* fileLabel_ = nullptr;  // STA_File: the open file's path
  QMenu* openPopup_ = nullptr;   // SB_OPenFILE's popup: the opened-files history
  QMenu* savePopup_ = nullptr;   // SB_SaveFile's popup: the saved-files history
  QPlainTextEdit* details_ = nullptr;
  QToolButton* sbMemoAsValues_ = nullptr;
  QToolButton* sbMemoAsComment_ = nullptr;
  QWidget* quickSaveButtons_ = nullptr;
  QWidget* quickSavePanel_ = nullptr;
  QPushButton* includeBtn_ = nullptr;
  QPushButton* incAllBtn_ = nullptr;
  QPushButton* excludeBtn_ = nullptr;
  QPushButton* exAllBtn_ = nullptr;
  QPushButton* btnSaveFromSelected_ = nullptr;
  QListWidget* quickSaveList_ = nullptr;
  ui::LanguageMenu* languageMenu_ = nullptr;

  // The device link: the port first, so the window (which closes it) goes first.
  std::unique_ptr<ISerialPort> serialPort_;
  std::unique_ptr<SondAmComPortWindow> comWindow_;
  ComPortConfig comConfig_;
  std::function<void(QDialog&)> dialogHook_;
  QMenu* deviceMenu_ = nullptr;
  QAction* menReceive_ = nullptr;
  QAction* menShowComPort_ = nullptr;
};

}  // namespace gd::ui
