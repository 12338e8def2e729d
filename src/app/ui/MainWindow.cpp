// The main window's construction, opening and resetting, and the series list.
// Comments and the close query are in MainWindowComments.cpp, saving and the
// Quick-Save list in MainWindowSave.cpp.
#include "app/ui/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Edition.h"
#include "app/ui/QtMessages.h"
#include "app/ui/SeriesListItemModel.h"
#include "convert/VXASCIIOUT.h"
#include "convert/ui/TextOutOptioDialog.h"
#include "core/Errors.h"
#include "core/HelpTopics.h"
#include "core/MessageTexts.h"
#include "core/PathText.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/SerialPort.h"
#include "device/ui/ComPortWindow.h"

namespace gd::ui {
namespace {

FileDialogs QtFileDialogs() {
  FileDialogs d;
  d.openName = [](QWidget* parent) {
    // The window keeps the dialog's folder as a property (MainWindowConfig.cpp).
    const QString folder = parent ? parent->property(kOpenFolderProperty).toString() : QString();
    return QFileDialog::getOpenFileName(parent,
                                        Tr("\xD6"
                                           "ffnen"),
                                        folder, Tr("Messdateien (*.sdx);;Alle Dateien (*)"));
  };
  d.saveName = [](QWidget* parent, QString& name, int& filterIndex) {
    QStringList filters;
    for (const SaveFileFilter& f : SaveDialogFilters()) filters << FromAnsi(f.caption);
    QString chosenFilter = filters.value(filterIndex - 1);
    const QString chosen = QFileDialog::getSaveFileName(parent, Tr("Speichern"), name,
                                                        filters.join(";;"), &chosenFilter);
    if (chosen.isEmpty()) return false;
    name = chosen;
    filterIndex = static_cast<int>(filters.indexOf(chosenFilter)) + 1;
    if (filterIndex < 1) filterIndex = kSaveFilterText;
    return true;
  };
  return d;
}

}  // namespace

TVELTRIXMAIN::TVELTRIXMAIN(QWidget* parent) : QMainWindow(parent) {
  setObjectName("VELTRIXMAIN");
  SetHelpTopic(this, help::kMainWindow);
  messages_ = std::make_unique<RoutedMessages>(this);
  dialogs_ = QtFileDialogs();
  document_ = std::make_unique<OpenDocument>(files_, *messages_);
  document_->SetLocale(locale_);
  CreateMenus();
  CreateInfoCommands();
  CreateToolBar();
  CreateCentralArea();
  CreateListPopup();
  CreateDeviceMenu();
  CreateLanguageMenu();
  // The open file's path stays in the status bar; hints show over it and
  // give it back when they end.
  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName("STA_File");
  statusBar()->addWidget(fileLabel_, 1);
  resize(900, 560);
  Reset();
  ReadConfigurationFile();
}

TVELTRIXMAIN::~TVELTRIXMAIN() {
  // The communication window closes the port before the port goes.
  comWindow_.reset();
  // The list's model reads the document, which goes before the widgets do
  // (a visible window still lays out its list while it is destroyed).
  listModel_->Clear();
}

void TVELTRIXMAIN::RouteMessages(IMessages* target) { messages_->Route(target); }

void TVELTRIXMAIN::SetFileDialogs(FileDialogs dialogs) {
  if (!dialogs.openName) dialogs.openName = QtFileDialogs().openName;
  if (!dialogs.saveName) dialogs.saveName = QtFileDialogs().saveName;
  dialogs_ = std::move(dialogs);
}

// --- Construction --------------------------------------------------------------

void TVELTRIXMAIN::CreateMenus() {
  QMenu* fileMenu = menuBar()->addMenu(Tr("&Datei"));
  fileMenu_ = fileMenu;
  fileMenu->setObjectName("MEN_File");
  SetHelpTopic(fileMenu, help::kOpenFile);
  menOpenFile_ = fileMenu->addAction(Tr("Oeff&nen..."));
  menOpenFile_->setObjectName("MEN_OpenFile");
  menOpenFile_->setShortcut(QKeySequence::Open);
  menOpenFile_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  connect(menOpenFile_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_OpenFileClick);
  menSaveFile_ = fileMenu->addAction(Tr("&Speichern..."));
  menSaveFile_->setObjectName("MEN_SAVEFILE");
  menSaveFile_->setShortcut(QKeySequence::Save);
  menSaveFile_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  connect(menSaveFile_, &QAction::triggered, this, [this] { MEN_SAVEFILEClick(); });
  fileMenu->addSeparator();
  menExit_ = fileMenu->addAction(Tr("&Beenden"));
  menExit_->setObjectName("MEN_EXIT");
  menExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(menExit_, &QAction::triggered, this, &QWidget::close);

  seriesMenu_ = menuBar()->addMenu(Tr("&Messwertreihe"));
  seriesMenu_->setObjectName("MEN_Messwertreihe");
  menParameterSets_ = seriesMenu_->addAction(Tr("&Parametersaetze"));
  menParameterSets_->setObjectName("MEN_Parasaetze");
  menParameterSets_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  menParameterSets_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  connect(menParameterSets_, &QAction::triggered, this, &TVELTRIXMAIN::ShowParameterSets);
  CreateTableAction();
  CreateDiagramAction();
  seriesMenu_->addSeparator();
  menComments_ = seriesMenu_->addAction(Tr("&Bemerkungen zeigen"));
  menComments_->setObjectName("MEN_Bemerkungenzeigen");
  menComments_->setCheckable(true);
  connect(menComments_, &QAction::triggered, this, &TVELTRIXMAIN::SetCommentMode);

  QMenu* optionsMenu = menuBar()->addMenu(Tr("&Optionen"));
  optionsMenu->setObjectName("MEN_Optionen");
  menTextOutput_ = optionsMenu->addAction(Tr("Text&ausgabe"));
  menTextOutput_->setObjectName("MEN_Textausgabe");
  connect(menTextOutput_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_TextausgabeClick);
  menQuickSave_ = optionsMenu->addAction(Tr("&Quick-Save zeigen"));
  menQuickSave_->setObjectName("MEN_QuickSave");
  menQuickSave_->setCheckable(true);
  connect(menQuickSave_, &QAction::triggered, this, &TVELTRIXMAIN::SetQuickSaveVisible);
}

void TVELTRIXMAIN::CreateToolBar() {
  QToolBar* bar = addToolBar(Tr("Werkzeuge"));
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  const std::pair<QAction*, const char*> buttons[] = {{menOpenFile_, "SB_OPenFILE"},
                                                      {menSaveFile_, "SB_SaveFile"},
                                                      {menParameterSets_, "SB_ShowParaSatz"},
                                                      {menTable_, "SB_ShowValuesInGrid"},
                                                      {menDiagram_, "SB_ShowDiagramm"}};
  for (const auto& [action, name] : buttons) {
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(name);
  }
  // The open and save buttons carry the histories of opened and saved files
  // as their popups.
  const std::pair<QAction*, QMenu**> popups[] = {{menOpenFile_, &openPopup_},
                                                 {menSaveFile_, &savePopup_}};
  for (const auto& [action, popup] : popups) {
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    *popup = new QMenu(button);
    (*popup)->setObjectName(action == menOpenFile_ ? "POP_OpenHistory" : "POP_SaveHistory");
    button->setMenu(*popup);
    button->setPopupMode(QToolButton::MenuButtonPopup);
  }
  // Status-bar hints: the tool tip says what a button is, the status bar
  // what it does.
  menOpenFile_->setStatusTip(
      Tr("\xD6"
         "ffnen einer Messwertdatei"));
  menSaveFile_->setStatusTip(Tr("Speichern der gew\xE4hlten Messwertreihen"));
  menParameterSets_->setStatusTip(Tr("Parameters\xE4tze der gew\xE4hlten Messwertreihe zeigen"));
  menTable_->setStatusTip(Tr("Messwerte der gew\xE4hlten Messwertreihe als Tabelle zeigen"));
  menExit_->setStatusTip(Tr("Programm beenden"));
}

void TVELTRIXMAIN::CreateCentralArea() {
  auto* splitter = new QSplitter(Qt::Vertical, this);

  auto* top = new QWidget(splitter);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(4, 4, 4, 0);
  seriesLabel_ = new QLabel(top);
  seriesLabel_->setObjectName("LAB_Messwertreihen");
  topLayout->addWidget(seriesLabel_);
  auto* row = new QHBoxLayout;
  row->setSpacing(5);  // the list ends 5 pixels left of the move buttons
  list_ = new QTableView(top);
  list_->setObjectName("LV_Reihen");
  listModel_ = new SeriesListItemModel(document_->List(), list_);
  list_->setModel(listModel_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setWordWrap(false);
  list_->verticalHeader()->setVisible(false);
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  list_->horizontalHeader()->setStretchLastSection(true);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TVELTRIXMAIN::SelectionChanged);
  connect(list_, &QTableView::doubleClicked, this, [this] { RunDoubleClickAction(doubleClick_); });
  list_->installEventFilter(this);  // Enter on a row runs the double-click action
  seriesLabel_->setBuddy(list_);
  row->addWidget(list_, 1);
  row->addWidget(CreateQuickSavePanel(top));
  topLayout->addLayout(row);

  auto* bottom = new QWidget(splitter);
  auto* layout = new QVBoxLayout(bottom);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* labelRow = new QHBoxLayout;
  detailsLabel_ = new QLabel(bottom);
  detailsLabel_->setObjectName("LAB_Details");
  labelRow->addWidget(detailsLabel_, 1);
  sbMemoAsValues_ = new QToolButton(bottom);
  sbMemoAsValues_->setObjectName("SB_MemoAsValues");
  sbMemoAsValues_->setText(Tr("De&tails"));
  sbMemoAsComment_ = new QToolButton(bottom);
  sbMemoAsComment_->setObjectName("SB_MemoAsComment");
  sbMemoAsComment_->setText(Tr("Bemer&kungen"));
  for (QToolButton* b : {sbMemoAsValues_, sbMemoAsComment_}) {
    b->setCheckable(true);
    b->setAutoRaise(true);
    labelRow->addWidget(b);
  }
  connect(sbMemoAsValues_, &QToolButton::clicked, this, [this] { SetCommentMode(false); });
  connect(sbMemoAsComment_, &QToolButton::clicked, this, [this] { SetCommentMode(true); });
  details_ = new QPlainTextEdit(bottom);
  details_->setObjectName("MemoDetails");
  SetHelpTopic(details_, help::kComments);
  details_->installEventFilter(this);
  details_->viewport()->installEventFilter(this);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  details_->setFont(mono);
  detailsLabel_->setBuddy(details_);
  layout->addLayout(labelRow);
  layout->addWidget(details_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  setCentralWidget(splitter);
  setAcceptDrops(true);  // a measurement file from the file manager
  SetCommentMode(false);
}

QWidget* TVELTRIXMAIN::CreateQuickSavePanel(QWidget* parent) {
  auto* holder = new QWidget(parent);
  auto* layout = new QHBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);

  quickSaveButtons_ = new QWidget(holder);
  quickSaveButtons_->setObjectName("PAN_QuickSaveButtons");
  auto* buttons = new QVBoxLayout(quickSaveButtons_);
  buttons->setContentsMargins(0, 0, 0, 0);
  const auto makeButton = [&](QPushButton*& button, const char* name, const char* caption,
                              void (TVELTRIXMAIN::*click)()) {
    button = new QPushButton(QString::fromLatin1(caption), quickSaveButtons_);
    button->setObjectName(name);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("<<<<") + 16);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
  };
  buttons->addStretch();
  makeButton(includeBtn_, "IncludeBtn", ">", &TVELTRIXMAIN::IncludeBtnClick);
  makeButton(incAllBtn_, "IncAllBtn", ">>", &TVELTRIXMAIN::IncAllBtnClick);
  makeButton(excludeBtn_, "ExcludeBtn", "<", &TVELTRIXMAIN::ExcludeBtnClick);
  makeButton(exAllBtn_, "ExAllBtn", "<<", &TVELTRIXMAIN::ExAllBtnClick);
  buttons->addStretch();
  layout->addWidget(quickSaveButtons_);

  quickSavePanel_ = new QWidget(holder);
  quickSavePanel_->setObjectName("PAN_QuickSave");
  SetHelpTopic(quickSavePanel_, help::kSaveSubset);
  auto* panel = new QVBoxLayout(quickSavePanel_);
  panel->setContentsMargins(0, 0, 0, 0);
  quickSaveList_ = new QListWidget(quickSavePanel_);
  quickSaveList_->setObjectName("LBX_QuickSave");
  quickSaveList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  quickSaveList_->installEventFilter(this);  // Ctrl+C copies the entries' rows
  quickSaveList_->setFixedWidth(quickSaveList_->fontMetrics().horizontalAdvance("Diese Reihen") +
                                40);
  btnSaveFromSelected_ = new QPushButton(Tr("Diese Reihen Speichern"), quickSavePanel_);
  btnSaveFromSelected_->setObjectName("BTN_SaveFromSelected");
  connect(btnSaveFromSelected_, &QPushButton::clicked, this,
          [this] { BTN_SaveFromSelectedClick(); });
  panel->addWidget(quickSaveList_);
  panel->addWidget(btnSaveFromSelected_);
  layout->addWidget(quickSavePanel_);
  SetQuickSaveVisible(false);
  return holder;
}

// The popup of the list: the time column's mode and what a double click does.
void TVELTRIXMAIN::CreateListPopup() {
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* timeGroup = new QActionGroup(list_);
  const char* modes[] = {"S=Startzeit", "E=Endezeit", "D=Dauer"};
  for (int mode = 0; mode < 3; ++mode) {
    QAction* a = timeGroup->addAction(Tr(modes[mode]));
    a->setObjectName("POP_TimeMode" + QString::number(mode));
    a->setCheckable(true);
    a->setChecked(mode == document_->List().TimeMode());
    connect(a, &QAction::triggered, this, [this, mode] { SetTimeMode(mode); });
    list_->addAction(a);
  }
  auto* separator = new QAction(list_);
  separator->setSeparator(true);
  list_->addAction(separator);

  doubleClickGroup_ = new QActionGroup(list_);
  // The diagram joins this group when its window exists.
  for (DoubleClickAction action : {DoubleClickAction::kInfo, DoubleClickAction::kParameterSets,
                                   DoubleClickAction::kTable, DoubleClickAction::kDiagram}) {
    QAction* a = doubleClickGroup_->addAction(FromAnsi(DoubleClickActionCaption(action)));
    a->setObjectName("POP_DoubleClick" + QString::number(static_cast<int>(action)));
    a->setCheckable(true);
    a->setChecked(action == doubleClick_);
    connect(a, &QAction::triggered, this, [this, action] {
      doubleClick_ = action;
      doubleClickChosen_ = true;
      RunDoubleClickAction(action);
    });
    list_->addAction(a);
  }
}

// The text-output options: on OK they are kept and passed to the open
// conversion object.
void TVELTRIXMAIN::MEN_TextausgabeClick() {
  TextOutputOptions options = document_->TextOptions();
  if (!ExecTextOutputDialog(this, options, TextOutputLanguageList(CurrentEdition().deviceName)))
    return;
  document_->SetTextOptions(options);
}

const TextOutputOptions& TVELTRIXMAIN::TextOptions() const { return document_->TextOptions(); }

// --- Open and reset --------------------------------------------------------------

MainWindowState TVELTRIXMAIN::State() const {
  return {document_->IsOpen(), document_->SeriesCount(), document_->Received(), saveEmpty_};
}

void TVELTRIXMAIN::Reset() {
  commentRow_ = 0;
  document_->Reset();
  quickSave_.Clear();
  FillSeriesList();
  FillQuickSaveList();
  details_->clear();
  seriesLabel_->setText(FromAnsi(SeriesLabelText(false, false)));
  statusBar()->clearMessage();
  fileLabel_->clear();
  UpdateCaption();
  UpdateCommands();
  SelectionChanged();
}

void TVELTRIXMAIN::UpdateCaption() {
  if (document_->Received()) {
    setWindowTitle(
        FromAnsi(MainWindowCaption(CurrentEdition().programName, document_->DisplayName())));
    return;
  }
  // A title bar is no stored text: it shows the file's own name, also letters
  // the code page of texts does not have.
  static const std::string kName = "\x01";
  setWindowTitle(FromAnsi(MainWindowCaption(CurrentEdition().programName, kName))
                     .replace(QChar(1), QDir::toNativeSeparators(
                                            FromPath(document_->File().CurrentFileName()))));
}

void TVELTRIXMAIN::UpdateCommands() {
  const MainCommandStates states = CommandStates(State());
  menSaveFile_->setEnabled(states.save);
  menParameterSets_->setEnabled(states.parameterSets);
  menTable_->setEnabled(states.parameterSets);
  menDiagram_->setEnabled(states.parameterSets);
  menFileInfo_->setEnabled(states.fileInformation);
  sbMemoAsValues_->setVisible(states.commentSwitches);
  sbMemoAsComment_->setVisible(states.commentSwitches);
}

bool TVELTRIXMAIN::OpenMeasurementFile(const QString& path) { return OpenFile(path, false); }

bool TVELTRIXMAIN::OpenFile(const QString& path, bool received) {
  Reset();
  try {
    document_->Open(ToPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())), received);
  } catch (const EGaugData& e) {
    // The stream's own verdict does not say which file it is about.
    std::string message = e.what();
    if (dynamic_cast<const EBinFileInvalid*>(&e) != nullptr)
      message = PathText(ToPath(QDir::toNativeSeparators(path))) + ":\r\n" + message;
    Reset();
    messages_->Show(MessageKind::Error, message);
    return false;
  }
  AfterOpening();
  return true;
}

void TVELTRIXMAIN::AfterOpening() {
  seriesLabel_->setText(FromAnsi(SeriesLabelText(true, document_->Received())));
  UpdateCaption();
  FillSeriesList();
  UpdateCommands();
  if (CommandStates(State()).commentSwitches) SetCommentMode(commentMode_);
  fileLabel_->setText(FromPath(document_->CurrentFileName()));
  // The first row alone, whatever modifier keys are down (selectRow would
  // take a held Ctrl or Shift as a toggle or range).
  if (listModel_->rowCount() > 0)
    list_->selectionModel()->setCurrentIndex(
        listModel_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TVELTRIXMAIN::MEN_OpenFileClick() {
  if (!CloseQueryAllows()) return;
  const QString path = dialogs_.openName(this);
  if (!path.isEmpty()) OpenAndRemember(path);
}

// --- The list --------------------------------------------------------------------

void TVELTRIXMAIN::SetTimeMode(int mode) {
  document_->List().SetTimeMode(mode);
  RefillSeriesList();  // the rows and their selection stay
}

void TVELTRIXMAIN::FillSeriesList() {
  const auto& columns = document_->List().Columns();
  list_->setVisible(false);  // hidden while it is rebuilt
  listModel_->Rebuild();
  for (int col = 0; col < static_cast<int>(columns.size()); ++col)
    list_->setColumnHidden(col, !columns[static_cast<std::size_t>(col)].visible);
  list_->resizeColumnsToContents();
  list_->setVisible(true);
}

void TVELTRIXMAIN::RefillSeriesList() {
  const auto& columns = document_->List().Columns();
  listModel_->Refresh();
  for (int col = 0; col < static_cast<int>(columns.size()); ++col)
    list_->setColumnHidden(col, !columns[static_cast<std::size_t>(col)].visible);
  list_->resizeColumnsToContents();
}

std::vector<int> TVELTRIXMAIN::SelectedRowNumbers() const {
  std::vector<int> series;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows())
    series.push_back(document_->List().SeriesNumber(index.row()));
  std::sort(series.begin(), series.end());
  return series;
}

int TVELTRIXMAIN::SelectedSeriesNumber() const {
  const QModelIndex current = list_->currentIndex();
  if (current.isValid() && list_->selectionModel()->isRowSelected(current.row(), QModelIndex()))
    return document_->List().SeriesNumber(current.row());
  const std::vector<int> selected = SelectedRowNumbers();
  return selected.empty() ? 0 : selected.front();
}

int TVELTRIXMAIN::SeriesForViewer() {
  if (!document_->IsOpen() || !document_->File().IsOpen() || document_->SeriesCount() <= 0) {
    messages_->Show(MessageKind::Information, Translate(kNoSeriesAvailableText));
    return 0;
  }
  // As for the parameter sets, no selection means the first series.
  const int selected = SelectedSeriesNumber();
  CommitComment();
  return selected > 0 ? selected : 1;
}

void TVELTRIXMAIN::SelectionChanged() {
  // The comment in the panel belongs to the row selected before.
  CommitComment();
  const int selected = SelectedSeriesNumber();
  seriesMenu_->setTitle(FromAnsi(SeriesMenuCaption(selected)));
  seriesMenu_->menuAction()->setEnabled(selected > 0);
  UpdateQuickSaveButtons();
  ShowPanel();
}

void TVELTRIXMAIN::RunDoubleClickAction(DoubleClickAction action) {
  switch (action) {
    case DoubleClickAction::kInfo:
      MEN_MWINFOClick();
      break;
    case DoubleClickAction::kParameterSets:
      ShowParameterSets();
      break;
    case DoubleClickAction::kTable:
      ShowValuesTable();
      break;
    case DoubleClickAction::kDiagram:
      ShowDiagram();
      break;
  }
}

}  // namespace gd::ui
