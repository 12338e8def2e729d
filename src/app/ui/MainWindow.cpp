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
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Edition.h"
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
  fileMenu->addSeparator();
  menExit_ = fileMenu->addAction(tr("&Beenden"));
  menExit_->setObjectName("MEN_Exit");
  connect(menExit_, &QAction::triggered, this, &QWidget::close);
}

void TVELTRIXMAIN::CreateCentralArea() {
  auto* splitter = new QSplitter(Qt::Vertical, this);
  list_ = new QTableWidget(splitter);
  list_->setObjectName("LV_Reihen");
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->setVisible(false);
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  list_->horizontalHeader()->setStretchLastSection(true);
  connect(list_, &QTableWidget::itemSelectionChanged, this, &TVELTRIXMAIN::ShowDetails);

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
  try {
    file_->Open(ToAnsi(QDir::toNativeSeparators(path)), false);
  } catch (const EGaugData& e) {
    statusBar()->clearMessage();
    setWindowTitle(QString::fromLatin1(CurrentEdition().programName));
    messages_->Show(MessageKind::Error, e.what());
    return false;
  }
  listModel_.Build(file_->Comments().rows);
  FillSeriesList();
  setWindowTitle(QString::fromLatin1(CurrentEdition().programName) + " - " +
                 QFileInfo(path).fileName());
  statusBar()->showMessage(QDir::toNativeSeparators(path));
  if (list_->rowCount() > 0) list_->selectRow(0);
  return true;
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
