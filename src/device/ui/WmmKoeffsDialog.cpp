#include "device/ui/WmmKoeffsDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/FileStore.h"
#include "core/HelpTopics.h"
#include "core/Messages.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/ui/WaitWindow.h"

namespace gd::ui {
namespace {

constexpr const char* kCoefficientNames[TWMMKoeffs::kCoefficientCount] = {
    "h0", "a1", "a2", "a3", "a4", "r0", "b1", "b2", "b3", "b4"};

// "name|pattern|name|pattern" as Qt's ";;"-separated filters.
QString QtFilter(const std::string& filter) {
  const QStringList parts = FromAnsi(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    if (!name.contains('(')) name += " (" + parts[i + 1] + ")";
    filters << name;
  }
  return filters.join(";;");
}

QString ItemText(const std::string& text) {
  // The prefix and the medium's name are separated by a tab.
  QString shown = FromAnsi(text);
  shown.replace('\t', "   ");
  return shown;
}

}  // namespace

TDLG_WMMKOEFFS::TDLG_WMMKOEFFS(CoefficientMeter& meter, DeviceTables& tables, IMessages& messages,
                               std::string deviceName, QWidget* parent)
    : QDialog(parent), messages_(messages) {
  setObjectName("DLG_WMMKOEFFS");
  SetHelpTopic(this, help::kCoefficients);
  wait_ = std::make_unique<TWaitWindow>(this);
  model_ = std::make_unique<CoefficientDialogModel>(meter, tables, *wait_, messages,
                                                    std::move(deviceName));
  const CoefficientDialogModel::Texts texts = CoefficientDialogModel::WindowTexts();
  setWindowTitle(FromAnsi(model_->Caption()));
  fileName_ = [this, texts](bool save) {
    if (save) {
      QFileDialog dialog(this, FromAnsi(texts.saveDialogTitle), QString(),
                         QtFilter(texts.saveFilter));
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(FromAnsi(texts.defaultExtension));
      return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    return QFileDialog::getOpenFileName(this, QString(), QString(), QtFilter(texts.openFilter));
  };

  auto* layout = new QVBoxLayout(this);
  panel2_ = new QLabel(FromAnsi(texts.panelCaption), this);
  panel2_->setObjectName("Panel2");
  panel2_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel2_->setAlignment(Qt::AlignCenter);
  panel2_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* fontItem = new QAction(FromAnsi(texts.fontItem), panel2_);
  fontItem->setObjectName("POP_Font");
  connect(fontItem, &QAction::triggered, this, [this] {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, panel2_->font(), this);
    if (!ok) return;
    panel2_->setFont(font);
    combo_->setFont(font);
    edDesc_->setFont(font);
    for (QLineEdit* e : edits_) e->setFont(font);
  });
  panel2_->addAction(fontItem);
  layout->addWidget(panel2_);

  auto* columns = new QHBoxLayout;
  // The library.
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(FromAnsi(texts.libraryLabel), this));
  library_ = new QListWidget(this);
  library_->setObjectName("LBX_SONDMedienWithWMM");
  left->addWidget(library_, 1);
  columns->addLayout(left, 2);
  auto* toEdits = new QPushButton(">", this);
  toEdits->setObjectName("BT_SdxWmmMedien2Edits");
  toEdits->setToolTip(FromAnsi(texts.toEditsHint));
  toEdits->setFixedWidth(28);
  columns->addWidget(toEdits);

  // The edit area.
  auto* edit = new QWidget(this);
  edit->setObjectName("PAN_EditAREA");
  auto* grid = new QGridLayout(edit);
  labMedium_ = new QLabel(FromAnsi(model_->MediumLabel()), edit);
  labMedium_->setObjectName("LAB_FuerSondixMedium");
  grid->addWidget(labMedium_, 0, 0, 1, 4);
  combo_ = new QComboBox(edit);
  combo_->setObjectName("CB_FuerSDXMedium");
  grid->addWidget(combo_, 1, 0, 1, 3);
  sbSort_ = new QToolButton(edit);
  sbSort_->setObjectName("SB_SortSdxMedienCombo");
  sbSort_->setText("A-Z");
  sbSort_->setCheckable(true);
  grid->addWidget(sbSort_, 1, 3);
  grid->addWidget(new QLabel(FromAnsi(texts.descriptorLabel), edit), 2, 0);
  edDesc_ = new QLineEdit(edit);
  edDesc_->setObjectName("ED_DESC");
  grid->addWidget(edDesc_, 2, 1, 1, 3);
  for (std::size_t k = 0; k < edits_.size(); ++k) {
    const int row = 3 + static_cast<int>(k % 5);
    const int col = k < 5 ? 0 : 2;
    grid->addWidget(new QLabel(kCoefficientNames[k], edit), row, col);
    edits_[k] = new QLineEdit(edit);
    edits_[k]->setObjectName(QString("ED_") + kCoefficientNames[k]);
    grid->addWidget(edits_[k], row, col + 1);
    connect(edits_[k], &QLineEdit::textEdited, this,
            [this, k](const QString& text) { model_->SetCoefficientText(k, ToAnsi(text)); });
  }
  grid->setRowStretch(8, 1);
  columns->addWidget(edit, 3);

  auto* middle = new QVBoxLayout;
  auto* toDownload = new QPushButton(">", this);
  toDownload->setObjectName("BT_AktEdits2DownLoadList");
  toDownload->setToolTip(FromAnsi(texts.toDownloadHint));
  toDownload->setFixedWidth(28);
  auto* back = new QPushButton("<", this);
  back->setObjectName("BT_AktDownLoadList2Edi");
  back->setFixedWidth(28);
  middle->addStretch();
  middle->addWidget(toDownload);
  middle->addWidget(back);
  middle->addStretch();
  columns->addLayout(middle);

  // The download list.
  auto* right = new QVBoxLayout;
  labAvailable_ = new QLabel(FromAnsi(model_->AvailableLabel()).replace('\r', '\n'), this);
  labAvailable_->setObjectName("LAB_NachDemSendenVerfuegbar");
  right->addWidget(labAvailable_);
  download_ = new QListWidget(this);
  download_->setObjectName("LBX_DownLoadList");
  download_->installEventFilter(this);
  download_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* saveItem = new QAction(FromAnsi(texts.saveListItem), download_);
  saveItem->setObjectName("POP_ListeSpeichern");
  connect(saveItem, &QAction::triggered, this, &TDLG_WMMKOEFFS::SaveList);
  auto* openItem = new QAction(FromAnsi(texts.openListItem), download_);
  openItem->setObjectName("POP_ListeOeffnen");
  connect(openItem, &QAction::triggered, this, &TDLG_WMMKOEFFS::OpenList);
  download_->addAction(saveItem);
  download_->addAction(openItem);
  right->addWidget(download_, 1);
  butSend_ = new QPushButton(FromAnsi(model_->SendButtonText()), this);
  butSend_->setObjectName("BT_ZumSondixSenden");
  right->addWidget(butSend_);
  columns->addLayout(right, 2);
  layout->addLayout(columns, 1);

  connect(toEdits, &QPushButton::clicked, this, &TDLG_WMMKOEFFS::LibraryToEdits);
  connect(library_, &QListWidget::itemDoubleClicked, this, &TDLG_WMMKOEFFS::LibraryToEdits);
  connect(back, &QPushButton::clicked, this, &TDLG_WMMKOEFFS::DownloadToEdits);
  connect(download_, &QListWidget::itemDoubleClicked, this, &TDLG_WMMKOEFFS::DownloadToEdits);
  connect(toDownload, &QPushButton::clicked, this, &TDLG_WMMKOEFFS::EditsToDownload);
  connect(butSend_, &QPushButton::clicked, this, &TDLG_WMMKOEFFS::Send);
  connect(sbSort_, &QToolButton::clicked, this, &TDLG_WMMKOEFFS::ToggleSort);
  connect(library_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) model_->SelectLibrary(row);
  });
  connect(download_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) model_->SelectDownload(row);
  });
  connect(combo_, &QComboBox::activated, this, [this](int index) {
    model_->SelectCombo(index);
    Refresh();
  });
  connect(edDesc_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_->SetDescriptorText(ToAnsi(text));
    Refresh();
  });
  // No larger than designed or than the screen.
  resize(860, 440);
  setMaximumWidth(860);
}

TDLG_WMMKOEFFS::~TDLG_WMMKOEFFS() = default;

void TDLG_WMMKOEFFS::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  // The window is visible before the meter is asked.
  QTimer::singleShot(0, this, [this] {
    if (!Start()) reject();
  });
}

bool TDLG_WMMKOEFFS::Start() {
  try {
    model_->Start();
  } catch (const std::exception& e) {
    ShowError(e);
    return false;
  }
  Refresh();
  return true;
}

void TDLG_WMMKOEFFS::ShowError(const std::exception& e) {
  messages_.Show(MessageKind::Error, e.what());
}

void TDLG_WMMKOEFFS::Refresh() {
  refreshing_ = true;
  const auto fill = [](QListWidget* list, const std::vector<CoefficientListItem>& items,
                       int selection) {
    list->clear();
    for (const CoefficientListItem& item : items) list->addItem(ItemText(item.text));
    list->setCurrentRow(selection);
  };
  fill(library_, model_->Library(), model_->LibrarySelection());
  fill(download_, model_->DownloadList(), model_->DownloadSelection());
  combo_->clear();
  for (const MediumComboItem& item : model_->Combo()) combo_->addItem(FromAnsi(item.text));
  combo_->setCurrentIndex(model_->ComboSelection());
  if (edDesc_->text() != FromAnsi(model_->DescriptorText()))
    edDesc_->setText(FromAnsi(model_->DescriptorText()));
  for (std::size_t k = 0; k < edits_.size(); ++k)
    if (edits_[k]->text() != FromAnsi(model_->CoefficientText(k)))
      edits_[k]->setText(FromAnsi(model_->CoefficientText(k)));
  sbSort_->setChecked(model_->SortDown());
  sbSort_->setToolTip(FromAnsi(model_->SortHint()));
  const LabelStyle style = model_->AvailableLabelStyle();
  QFont font = labAvailable_->font();
  font.setBold(style.bold);
  font.setItalic(style.italic);
  labAvailable_->setFont(font);
  butSend_->setEnabled(model_->SendEnabled());
  refreshing_ = false;
}

void TDLG_WMMKOEFFS::LibraryToEdits() {
  model_->LibraryToEdits();
  Refresh();
}

void TDLG_WMMKOEFFS::DownloadToEdits() {
  model_->DownloadToEdits();
  Refresh();
}

void TDLG_WMMKOEFFS::EditsToDownload() {
  try {
    model_->AddEditsToDownload(true);
  } catch (const std::exception& e) {
    ShowError(e);
  }
  Refresh();
}

void TDLG_WMMKOEFFS::RemoveDownloadItem() {
  model_->RemoveDownloadItem();
  Refresh();
}

void TDLG_WMMKOEFFS::ToggleSort() {
  model_->ToggleSort();
  Refresh();
  combo_->setFocus();
  if (isVisible()) combo_->showPopup();
}

void TDLG_WMMKOEFFS::SaveList() {
  const QString path = fileName_(true);
  if (path.isEmpty()) return;
  DiskFileStore files;
  try {
    model_->SaveList(files, ToAnsi(path));
  } catch (const std::exception& e) {
    ShowError(e);
  }
}

void TDLG_WMMKOEFFS::OpenList() {
  const QString path = fileName_(false);
  if (path.isEmpty()) return;
  DiskFileStore files;
  try {
    model_->LoadList(files, ToAnsi(path));
  } catch (const std::exception& e) {
    ShowError(e);
  }
  Refresh();
}

void TDLG_WMMKOEFFS::Send() {
  if (model_->Busy()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  butSend_->setEnabled(false);
  try {
    model_->Send();
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    Refresh();
    ShowError(e);
    return;
  }
  QApplication::restoreOverrideCursor();
  Refresh();
}

bool TDLG_WMMKOEFFS::eventFilter(QObject* watched, QEvent* event) {
  if (watched == download_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RemoveDownloadItem();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace gd::ui
