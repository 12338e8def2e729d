#include "view/ui/ValuesInGridDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <vector>

#include "convert/VXASCIIOUT.h"
#include "core/FormatText.h"
#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "core/ui/FontChoice.h"
#include "view/ValuesTableSave.h"
#include "view/ui/ShowOneParasatz.h"

namespace gd::ui {
namespace {

// The width of a column the configuration names none for (the main window
// hands its own widths in before showing the table).
constexpr int kDefaultColumnWidth = 0;  // none stored: sized to the contents

// "ASCII Text  (*.txt)|*.txt" in Qt's form, then the workbooks and data
// tables; the extension of the chosen name decides the kind of file, the
// filter adds it to a name without one and chooses the data table's layout.
QString DefaultSaveName(QWidget* parent, const QString& folder, const QStringList& history,
                        bool& csvExcelDe) {
  static const char* const kSuffixes[] = {"txt", "xls", "xlsx", "csv", "csv"};
  const QStringList filters = {Tr("ASCII Text  (*.txt)"), QStringLiteral("Excel (*.xls)"),
                               QStringLiteral("Excel 2007+ (*.xlsx)"),
                               QStringLiteral("CSV (*.csv)"),
                               QStringLiteral("CSV, Semikolon und Dezimalkomma (*.csv)")};
  QFileDialog dialog(parent, Tr(kTableSaveTitle), folder);
  dialog.setNameFilters(filters);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, filters](const QString& filter) {
                     const auto i = filters.indexOf(filter);
                     if (i >= 0) dialog.setDefaultSuffix(QString::fromLatin1(kSuffixes[i]));
                   });
  QStringList folders;
  for (const QString& name : history) {
    const QString f = QFileInfo(name).absolutePath();
    if (!folders.contains(f)) folders << f;
  }
  dialog.setHistory(folders);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  csvExcelDe = dialog.selectedNameFilter() == filters.last();
  return dialog.selectedFiles().front();
}

}  // namespace

// --- Model ---------------------------------------------------------------------

QVariant ValuesTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return FromAnsi(std::string(table_.Cell(index.row(), index.column())));
  }
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ValuesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columns_) return {};
  if (role == Qt::DisplayRole) return FromAnsi(table_.Header(section));
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

void ValuesTableModel::Clear() {
  beginResetModel();
  rows_ = columns_ = 0;
  endResetModel();
}

void ValuesTableModel::Sync() {
  const int rows = table_.RowCount(), columns = table_.ColumnCount();
  if (columns != columns_ || rows < rows_) {
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
  } else if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  }
}

// --- Dialog --------------------------------------------------------------------

TDLG_ValuesInGrid::TDLG_ValuesInGrid(QWidget* parent) : QDialog(parent) {
  setObjectName("TDLG_ValuesInGrid");
  SetHelpTopic(this, help::kTableWindow);
  setWindowTitle(Tr("Messwerte"));
  saveName = [this](QWidget* owner, const QString& folder, const QStringList& history) {
    return DefaultSaveName(owner, folder, history, csvExcelDe_);
  };
  columnWidths_.fill(kDefaultColumnWidth);
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  lbvSeries_ = new QLabel("00", this);
  lbvSeries_->setObjectName("LBV_MessreiheNr");
  lbvDateTime_ = new QLabel("$$.$$.$$/$$.$$.$$", this);
  lbvDateTime_->setObjectName("LBV_DateTime");
  labKanal_ = new QLabel(Tr("Kanal"), this);
  labKanal_->setObjectName("LAB_Kanal");
  SetHelpTopic(labKanal_, help::kTableChannel);
  combKanal_ = new QComboBox(this);
  combKanal_->setObjectName("Comb_Kanal");
  SetHelpTopic(combKanal_, help::kTableChannel);
  labKanal_->setBuddy(combKanal_);
  top->addWidget(lbvSeries_);
  top->addWidget(lbvDateTime_);
  top->addStretch(1);
  top->addWidget(labKanal_);
  top->addWidget(combKanal_);
  layout->addLayout(top);

  panExtract_ = new QWidget(this);
  panExtract_->setObjectName("PAN_ExtractViews");
  SetHelpTopic(panExtract_, help::kTableProgress);
  auto* pan = new QHBoxLayout(panExtract_);
  pan->setContentsMargins(0, 0, 0, 0);
  labGauge_ = new QLabel(Tr(kTableFillGauge), panExtract_);
  labGauge_->setObjectName("LAB_Gauge");
  gauge_ = new QProgressBar(panExtract_);
  gauge_->setObjectName("FillGridGauge");
  cbSpeedUp_ = new QCheckBox(Tr("&Beschleunigen"), panExtract_);
  cbSpeedUp_->setObjectName("CB_SpeedUp");
  bitBtn1_ = new QPushButton(Tr("&Abbrechen"), panExtract_);
  bitBtn1_->setObjectName("BitBtn1");
  pan->addWidget(labGauge_);
  pan->addWidget(gauge_, 1);
  pan->addWidget(cbSpeedUp_);
  pan->addWidget(bitBtn1_);
  panExtract_->hide();
  layout->addWidget(panExtract_);

  model_ = new ValuesTableModel(table_, this);
  grid_ = new QTableView(this);
  grid_->setObjectName("WerteStringGrid");
  SetHelpTopic(grid_, help::kTableGrid);
  grid_->setModel(model_);
  grid_->verticalHeader()->hide();
  grid_->setSortingEnabled(false);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  // Uniform rows: the row height follows the font ("X" + 4), and the view
  // never measures a row's contents.
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  SetGridFont(grid_->font());
  auto* font1 = new QAction(QStringLiteral("FONT..."), grid_);
  font1->setObjectName("FONT1");
  connect(font1, &QAction::triggered, this, [this] { FONT1Click(); });
  grid_->addAction(font1);
  grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(grid_);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, [this] { CopySelection(); });
  grid_->addAction(copy);
  layout->addWidget(grid_, 1);

  auto* buttons = new QHBoxLayout;
  butParams_ = new QPushButton(Tr("&Parametersatz..."), this);
  butParams_->setObjectName("BUT_ShowParasatz");
  SetHelpTopic(butParams_, help::kTableParameterSet);
  butSave_ = new QPushButton(Tr("Diese Tabelle &speichern..."), this);
  butSave_->setObjectName("BUT_SaveThisTable");
  SetHelpTopic(butSave_, help::kTableSave);
  okBtn_ = new QPushButton("OK", this);
  okBtn_->setObjectName("OKBtn");
  okBtn_->setDefault(true);
  buttons->addWidget(butParams_);
  buttons->addWidget(butSave_);
  buttons->addStretch(1);
  buttons->addWidget(okBtn_);
  layout->addLayout(buttons);

  connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(cbSpeedUp_, &QCheckBox::toggled, this, [this](bool on) { grid_->setVisible(!on); });
  connect(butParams_, &QPushButton::clicked, this, [this] { BUT_ShowParasatzClick(); });
  connect(butSave_, &QPushButton::clicked, this, [this] { BUT_SaveThisTableClick(); });
  connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(combKanal_, &QComboBox::currentIndexChanged, this,
          [this](int index) { ChannelChanged(index); });
  resize(760, 520);
}

void TDLG_ValuesInGrid::Prepare(const std::string& sourceName, TVXASCIIOUT* engine,
                                const QString& folder, int channel, int series) {
  sourceName_ = sourceName;
  engine_ = engine;
  folder_ = folder;
  channel_ = channel;
  series_ = series;
  firstActivation_ = true;
  setWindowTitle(FromAnsi(FormatText(Translate(kTableCaptionText), {sourceName})));

  // The channel letters of the series; the caller's channel, or the first.
  refilling_ = true;
  combKanal_->clear();
  if (engine_) {
    for (const std::string& item : ValuesTable::ChannelItemsOf(*engine_, series_))
      combKanal_->addItem(FromAnsi(item));
  }
  if (channel_ < 0 || channel_ >= combKanal_->count()) channel_ = 0;
  combKanal_->setCurrentIndex(combKanal_->count() > 0 ? channel_ : -1);
  refilling_ = false;
  butSave_->setEnabled(engine_ != nullptr);
  butParams_->setEnabled(engine_ != nullptr);
}

void TDLG_ValuesInGrid::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstActivation_) return;
  firstActivation_ = false;
  QMetaObject::invokeMethod(
      this, [this] { FillGrid(); }, Qt::QueuedConnection);
}

void TDLG_ValuesInGrid::ChannelChanged(int index) {
  if (refilling_ || index < 0 || index == channel_) return;
  channel_ = index;
  FillGrid();
}

void TDLG_ValuesInGrid::ShowBusy(bool busy, const char* gaugeText) {
  labGauge_->setText(Tr(gaugeText));
  panExtract_->setVisible(busy);
  gauge_->setVisible(busy);
  cbSpeedUp_->setChecked(false);
  butSave_->setEnabled(!busy && engine_ != nullptr);
  okBtn_->setEnabled(!busy);
  if (busy) {
    combKanal_->hide();
    labKanal_->hide();
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    combKanal_->setVisible(table_.MultiChannel());
    grid_->show();
  }
}

void TDLG_ValuesInGrid::FillGrid() {
  if (filling_ || !engine_ || !engine_->Usable()) return;
  filling_ = true;
  cancelled_ = false;
  ShowBusy(true, kTableFillGauge);
  lbvSeries_->setText(FromAnsi(FormatText("%2.2d", {series_})));
  model_->Clear();
  ValuesTable::FillResult result = ValuesTable::FillResult::kFilled;
  std::string failure;
  try {
    result = table_.Fill(*engine_, series_, channel_, *this);
    lbvDateTime_->setText(FromAnsi(SeriesStartText(table_.Description(), engine_->GetLocale())));
  } catch (const std::exception& e) {
    failure = e.what();
  }
  model_->Sync();
  ApplyColumnWidths();
  if (table_.RowCount() > 1) {
    grid_->selectRow(table_.RowCount() - 1);
    grid_->scrollToBottom();
  }
  filling_ = false;
  ShowBusy(false, kTableFillGauge);
  if (!failure.empty()) {
    QMessageBox::critical(this, windowTitle(), FromAnsi(failure));
  } else if (result == ValuesTable::FillResult::kNoSeries) {
    QMessageBox::information(this, windowTitle(), Tr(kNoSeriesContainedText));
  }
}

void TDLG_ValuesInGrid::SetMaximum(std::int64_t maximum) {
  gauge_->setRange(0, static_cast<int>(std::clamp<std::int64_t>(maximum, 0, INT32_MAX)));
  gauge_->setValue(0);
}

void TDLG_ValuesInGrid::Advance(std::int64_t steps) {
  gauge_->setValue(
      static_cast<int>(std::min<std::int64_t>(gauge_->value() + steps, gauge_->maximum())));
  if (filling_ && !cbSpeedUp_->isChecked()) {
    model_->Sync();
    grid_->scrollToBottom();
  }
}

void TDLG_ValuesInGrid::LetEventsRun() { QApplication::processEvents(); }

void TDLG_ValuesInGrid::reject() {
  // Closing while the table fills or saves stops that run first.
  if (filling_) {
    cancelled_ = true;
    return;
  }
  QDialog::reject();
}

void TDLG_ValuesInGrid::done(int result) {
  if (filling_) {
    cancelled_ = true;
    return;
  }
  TakeColumnWidths();
  // The window lives on; only the first rows stay, as a large table would
  // otherwise hold its memory until the next fill.
  table_.KeepRows(2);
  model_->Sync();
  // The parameter-set window belongs to this table and closes with it.
  if (!paraWindow_.isNull()) paraWindow_->close();
  QDialog::done(result);
}

std::vector<int> TDLG_ValuesInGrid::GridColumns() const {
  const std::vector<int>& map = table_.ColumnMap();
  std::vector<int> columns;
  for (std::size_t c = 1; c < map.size() && static_cast<int>(c) < model_->columnCount(); ++c) {
    if (map[c] >= 0) columns.push_back(map[c]);
  }
  return columns;
}

void TDLG_ValuesInGrid::ApplyColumnWidths() {
  const std::vector<int>& map = table_.ColumnMap();
  for (int c = 1; c < model_->columnCount() && c < static_cast<int>(map.size()); ++c) {
    const int index = map[static_cast<std::size_t>(c)];
    if (index >= 0 && index < kOutColumnCount) {
      const int width = columnWidths_[static_cast<std::size_t>(index)];
      // Without a stored width the column fits what it shows (dates and
      // totals are wider than the grid's default).
      if (width > 0) {
        grid_->setColumnWidth(c, width);
      } else {
        grid_->resizeColumnToContents(c);
      }
    }
  }
}

void TDLG_ValuesInGrid::TakeColumnWidths() {
  const std::vector<int>& map = table_.ColumnMap();
  for (int c = 1; c < model_->columnCount() && c < static_cast<int>(map.size()); ++c) {
    const int index = map[static_cast<std::size_t>(c)];
    if (index >= 0 && index < kOutColumnCount) {
      columnWidths_[static_cast<std::size_t>(index)] = grid_->columnWidth(c);
    }
  }
}

bool TDLG_ValuesInGrid::BUT_SaveThisTableClick() {
  if (!engine_ || filling_) return false;
  const QString name = saveName ? saveName(this, folder_, saveHistory_) : QString();
  if (name.isEmpty()) return false;
  const bool whole = SaveTable(name);
  // The name joins the history also when writing failed, as it was chosen.
  if (rememberSaved) rememberSaved(name);
  if (!saveHistory_.contains(name)) saveHistory_.prepend(name);
  folder_ = QFileInfo(name).absolutePath();
  return whole;
}

bool TDLG_ValuesInGrid::SaveTable(const QString& target) {
  if (!engine_ || filling_) return false;
  filling_ = true;
  cancelled_ = false;
  ShowBusy(true, kTableSaveGauge);
  bool whole = false;
  std::string failure;
  try {
    TableSaveRequest request{ToPath(target), ToAnsi(windowTitle()), {}};
    request.csv.excelDe = csvExcelDe_;
    whole = SaveValuesTable(*engine_, table_, request, files_, *this);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  filling_ = false;
  ShowBusy(false, kTableFillGauge);
  if (!failure.empty()) QMessageBox::critical(this, windowTitle(), FromAnsi(failure));
  return whole && failure.empty();
}

QDialog* TDLG_ValuesInGrid::ParameterSetWindow() const { return paraWindow_.data(); }

void TDLG_ValuesInGrid::BUT_ShowParasatzClick() {
  if (!engine_ || table_.Series() <= 0) return;
  // One parameter-set window per table window: a second click shows it again
  // with the present channel.
  if (paraWindow_.isNull()) {
    paraWindow_ = new TDLG_ShowOneParasatz(this);
    paraWindow_->setAttribute(Qt::WA_DeleteOnClose);
    if (parameterSetWindowCreated) parameterSetWindowCreated(*paraWindow_);
  }
  const std::string failure = paraWindow_->Prepare(engine_, table_.Series(), table_.Channel());
  if (!failure.empty()) {
    paraWindow_->close();
    QMessageBox::critical(this, windowTitle(), FromAnsi(failure));
    return;
  }
  paraWindow_->setWindowTitle(FromAnsi(sourceName_));
  paraWindow_->show();
  paraWindow_->raise();
}

void TDLG_ValuesInGrid::SetGridFont(const QFont& font) {
  grid_->setFont(font);
  grid_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).boundingRect('X').height() + 4);
}

QFont TDLG_ValuesInGrid::GridFont() const { return grid_->font(); }

void TDLG_ValuesInGrid::FONT1Click() {
  if (ChooseFontLive(this, grid_->font(), [this](const QFont& font) { SetGridFont(font); }) &&
      gridFontChosen)
    gridFontChosen(grid_->font());
}

QString TDLG_ValuesInGrid::SelectionText() const {
  const QItemSelectionModel* selection = grid_->selectionModel();
  if (!selection || !engine_) return {};
  std::vector<TableRange> ranges;
  for (const QItemSelectionRange& range : selection->selection())
    ranges.push_back({range.top(), range.left(), range.bottom(), range.right()});
  return FromAnsi(table_.SelectionText(ranges, *engine_));
}

void TDLG_ValuesInGrid::CopySelection() const {
  const QString text = SelectionText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

}  // namespace gd::ui
