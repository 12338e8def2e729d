#include "app/ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QApplication>
#include <QDialog>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Edition.h"
#include "app/ParameterSetCommand.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "export/SaveSeries.h"
#include "app/ui/AnsiText.h"
#include "core/Errors.h"

namespace gd::ui {
namespace {

// The pure code's message boxes, shown as standard Qt boxes.
class QtMessages final : public IMessages {
public:
  explicit QtMessages(QWidget* parent) : parent_(parent) {}

  void Show(MessageKind kind, const std::string& text) override {
    const QString title = QString::fromLatin1(CurrentEdition().programName);
    const QString body = FromAnsi(text);
    switch (kind) {
      case MessageKind::Error:
        QMessageBox::critical(parent_, title, body);
        break;
      case MessageKind::Warning:
        QMessageBox::warning(parent_, title, body);
        break;
      default:
        QMessageBox::information(parent_, title, body);
        break;
    }
  }

  Answer Ask(MessageKind, const std::string& text) override {
    const auto button = QMessageBox::question(
        parent_, QString::fromLatin1(CurrentEdition().programName), FromAnsi(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
  }

private:
  QWidget* parent_;
};

// Progress of a save: a modal gauge whose cancel button stops the job at its
// next check; pending events run whenever the job lets them.
class QtProgress final : public IProgress {
public:
  QtProgress(QWidget* parent, const QString& caption)
      : dialog_(caption, QObject::tr("Abbrechen"), 0, 100, parent) {
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(300);
  }
  void SetMaximum(std::int64_t maximum) override {
    maximum_ = maximum > 0 ? maximum : 1;
    position_ = 0;
    dialog_.setValue(0);
  }
  void Advance(std::int64_t steps) override {
    position_ += steps;
    dialog_.setValue(static_cast<int>(std::min<std::int64_t>(100, position_ * 100 / maximum_)));
  }
  void LetEventsRun() override { QApplication::processEvents(); }
  bool Cancelled() const override { return dialog_.wasCanceled(); }

private:
  QProgressDialog dialog_;
  std::int64_t maximum_ = 1;
  std::int64_t position_ = 0;
};

}  // namespace

TVELTRIXMAIN::TVELTRIXMAIN(QWidget* parent) : QMainWindow(parent) {
  setObjectName("VELTRIXMAIN");
  setWindowTitle(QString::fromLatin1(CurrentEdition().programName));
  messages_ = std::make_unique<QtMessages>(this);
  file_ = std::make_unique<MeasurementFile>(files_, handler_, *messages_);
  file_->SetLocale(locale_);
  listModel_.SetLocale(locale_);
  CreateMenus();
  CreateCentralArea();
  statusBar();
  resize(900, 560);
}

TVELTRIXMAIN::~TVELTRIXMAIN() = default;

void TVELTRIXMAIN::CreateMenus() {
  QMenu* fileMenu = menuBar()->addMenu(tr("&Datei"));
  fileMenu->setObjectName("MEN_File");
  menOpenFile_ = fileMenu->addAction(tr("Oeff&nen..."));
  menOpenFile_->setObjectName("MEN_OpenFile");
  menOpenFile_->setShortcut(QKeySequence::Open);
  connect(menOpenFile_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_OpenFileClick);
  menSaveFile_ = fileMenu->addAction(tr("&Speichern..."));
  menSaveFile_->setObjectName("MEN_SAVEFILE");
  menSaveFile_->setShortcut(QKeySequence::Save);
  connect(menSaveFile_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_SAVEFILEClick);
  fileMenu->addSeparator();
  menExit_ = fileMenu->addAction(tr("&Beenden"));
  menExit_->setObjectName("MEN_Exit");
  connect(menExit_, &QAction::triggered, this, &QWidget::close);

  QMenu* seriesMenu = menuBar()->addMenu(tr("&Messwertreihe"));
  seriesMenu->setObjectName("MEN_Messwertreihe");
  menParameterSets_ = seriesMenu->addAction(tr("&Parametersaetze"));
  menParameterSets_->setObjectName("MEN_Parasaetze");
  connect(menParameterSets_, &QAction::triggered, this, &TVELTRIXMAIN::ShowParameterSets);
  UpdateEnabled();
}

void TVELTRIXMAIN::CreateCentralArea() {
  auto* splitter = new QSplitter(Qt::Vertical, this);
  list_ = new QTableWidget(splitter);
  list_->setObjectName("LV_Reihen");
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->setVisible(false);
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  list_->horizontalHeader()->setStretchLastSection(true);
  connect(list_, &QTableWidget::itemSelectionChanged, this, &TVELTRIXMAIN::ShowDetails);
  // The time column's popup: start, end or duration of each series.
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  const char* modes[] = {"S=Startzeit", "E=Endezeit", "D=Dauer"};
  for (int mode = 0; mode < 3; ++mode) {
    QAction* a = new QAction(tr(modes[mode]), list_);
    connect(a, &QAction::triggered, this, [this, mode] { SetTimeMode(mode); });
    list_->addAction(a);
  }

  auto* bottom = new QWidget(splitter);
  auto* layout = new QVBoxLayout(bottom);
  layout->setContentsMargins(4, 4, 4, 4);
  detailsLabel_ = new QLabel(FromAnsi(DetailsPanelLabel(false, 0)), bottom);
  details_ = new QPlainTextEdit(bottom);
  details_->setObjectName("MemoDetails");
  details_->setReadOnly(true);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  details_->setFont(mono);
  layout->addWidget(detailsLabel_);
  layout->addWidget(details_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  setCentralWidget(splitter);
}

bool TVELTRIXMAIN::OpenMeasurementFile(const QString& path) {
  listModel_.Clear();
  FillSeriesList();
  converter_.reset();
  try {
    file_->Open(ToAnsi(QDir::toNativeSeparators(path)), false);
    std::uint16_t status = 0;
    converter_ = std::make_unique<TVXASCIIOUT>(
        file_->CurrentFileName(), [](std::string_view text) { return Translate(text); }, &status,
        textOptions_.language, textOptions_.style, nullptr, nullptr, file_->Stream());
    if (!converter_->Usable()) throw EBinFileInvalid(Translate("BIN\xC4RDATEI IST UNGUELTIG"));
    converter_->SetOptions(textOptions_);
    converter_->SetLocale(locale_);
  } catch (const EGaugData& e) {
    converter_.reset();
    file_->Reset();
    statusBar()->clearMessage();
    setWindowTitle(QString::fromLatin1(CurrentEdition().programName));
    UpdateEnabled();
    messages_->Show(MessageKind::Error, e.what());
    return false;
  }
  listModel_.Build(file_->Comments().rows);
  FillSeriesList();
  setWindowTitle(QString::fromLatin1(CurrentEdition().programName) + " - " +
                 QFileInfo(path).fileName());
  statusBar()->showMessage(QDir::toNativeSeparators(path));
  if (list_->rowCount() > 0) list_->selectRow(0);
  UpdateEnabled();
  return true;
}

void TVELTRIXMAIN::UpdateEnabled() {
  const bool open = converter_ != nullptr && file_->SeriesCount() > 0;
  if (menSaveFile_) menSaveFile_->setEnabled(open);
  if (menParameterSets_) menParameterSets_->setEnabled(open);
}

void TVELTRIXMAIN::SetTimeMode(int mode) {
  listModel_.SetTimeMode(mode);
  const int selected = SelectedSeriesNumber();
  FillSeriesList();
  if (selected > 0) list_->selectRow(selected - 1);
}

std::vector<int> TVELTRIXMAIN::SelectedSeries() const {
  std::vector<int> series;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows())
    series.push_back(listModel_.SeriesNumber(index.row()));
  std::sort(series.begin(), series.end());
  if (series.empty())
    for (int row = 0; row < listModel_.RowCount(); ++row)
      series.push_back(listModel_.SeriesNumber(row));
  return series;
}

int TVELTRIXMAIN::SelectedSeriesNumber() const {
  const auto rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : listModel_.SeriesNumber(rows.first().row());
}

bool TVELTRIXMAIN::SaveSeries(const QString& target) {
  if (!converter_) return false;
  QtProgress progress(this, FromAnsi(Translate("Speichern")));
  SaveSeriesJob job(files_, *messages_, progress);
  SaveRequest request;
  request.converter = converter_.get();
  request.stream = file_->Stream();
  request.openFileName = file_->CurrentFileName();
  request.comments = &file_->Comments();
  request.selection = SelectedSeries();
  request.target = ToAnsi(QDir::toNativeSeparators(target));
  try {
    job.Prepare(std::move(request));
    const bool written = job.Run();
    if (written) statusBar()->showMessage(FromAnsi(job.Caption()));
    return written;
  } catch (const EGaugData& e) {
    messages_->Show(MessageKind::Error, e.what());
    return false;
  }
}

void TVELTRIXMAIN::MEN_SAVEFILEClick() {
  const QString target = QFileDialog::getSaveFileName(
      this, tr("Messwertreihen speichern"), QString(),
      tr("Textdateien (*.txt);;Tabellen (*.xls);;Messdateien (*.sdx);;Alle Dateien (*)"));
  if (!target.isEmpty()) SaveSeries(target);
}

void TVELTRIXMAIN::ShowParameterSets() {
  if (!converter_) return;
  ParameterSetRequest request;
  request.streamOpen = file_->IsOpen();
  request.seriesCount = file_->SeriesCount();
  request.directoryCount = static_cast<int>(handler_.Parsed().directory.size());
  request.selected = SelectedSeriesNumber();
  request.describe = [this](int n) -> const TSeriesDescription* {
    if (n < 1 || n > file_->SeriesCount()) return nullptr;
    return file_->Row(n).Description();
  };
  request.textStyle = textOptions_.style;
  request.windowName = ToAnsi(QFileInfo(FromAnsi(file_->CurrentFileName())).fileName());
  const ParameterSetWindow window =
      BuildParameterSetWindow(request, ParameterSetWindowWriter(*converter_));
  if (window.outcome != ParameterSetWindow::Outcome::kShown) {
    messages_->Show(window.outcome == ParameterSetWindow::Outcome::kNoSeries
                        ? MessageKind::Information
                        : MessageKind::Error,
                    window.message);
    return;
  }
  auto* dialog = new QDialog(this);
  dialog->setObjectName("ParameterSetWindow");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(FromAnsi(window.caption));
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QPlainTextEdit(dialog);
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(details_->font());
  QStringList lines;
  for (const std::string& line : window.lines) lines << FromAnsi(line);
  text->setPlainText(lines.join('\n'));
  layout->addWidget(text);
  dialog->resize(760, 560);
  dialog->show();
}

void TVELTRIXMAIN::FillSeriesList() {
  const auto& columns = listModel_.Columns();
  list_->clear();
  list_->setColumnCount(static_cast<int>(columns.size()));
  QStringList captions;
  for (const auto& c : columns) captions << FromAnsi(c.caption);
  list_->setHorizontalHeaderLabels(captions);
  list_->setRowCount(listModel_.RowCount());
  for (int row = 0; row < listModel_.RowCount(); ++row) {
    const auto& cells = listModel_.Cells(row);
    for (int col = 0; col < static_cast<int>(cells.size()) && col < list_->columnCount(); ++col) {
      auto* item = new QTableWidgetItem(FromAnsi(cells[static_cast<std::size_t>(col)]));
      if (columns[static_cast<std::size_t>(col)].rightAligned)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      list_->setItem(row, col, item);
    }
  }
  for (int col = 0; col < static_cast<int>(columns.size()); ++col)
    list_->setColumnHidden(col, !columns[static_cast<std::size_t>(col)].visible);
  list_->resizeColumnsToContents();
}

void TVELTRIXMAIN::ShowDetails() {
  const auto rows = list_->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    details_->clear();
    return;
  }
  const int row = rows.first().row();
  details_->setPlainText(FromAnsi(
      SeriesDetailsText(listModel_.SeriesNumber(row), listModel_.Description(row), locale_)));
}

void TVELTRIXMAIN::MEN_OpenFileClick() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Messdatei oeffnen"), QString(),
                                                    tr("Messdateien (*.sdx);;Alle Dateien (*)"));
  if (!path.isEmpty()) OpenMeasurementFile(path);
}

}  // namespace gd::ui
