#include "device/ui/SondTabelsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Collections.h"
#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "core/ui/FontChoice.h"
#include "device/DeviceTables.h"
#include "device/SondAmComPort.h"
#include "device/TableLoading.h"

namespace gd::ui {

TDLG_SondTabels::TDLG_SondTabels(TSondAmComPort& link, DeviceTables& tables, QWidget* parent)
    : QDialog(parent), link_(link), tables_(tables) {
  setObjectName("DLG_SondTabels");
  SetHelpTopic(this, help::kDeviceTables);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  chkValues_ = new QCheckBox(Tr("Tabellenwerte zeigen"), this);
  chkValues_->setObjectName("CHK_TabDatenZeigen");
  connect(chkValues_, &QCheckBox::toggled, this, [this] {
    try {
      Render();
    } catch (const std::exception&) {
      // The memo ends with the line that says the table could not be loaded.
    }
  });
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  memo_->setFont(mono);
  memo_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* font1 = new QAction(QStringLiteral("FONT..."), memo_);
  font1->setObjectName("FONT1");
  connect(font1, &QAction::triggered, this, &TDLG_SondTabels::FONT1Click);
  memo_->addAction(font1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Help)->setText(Tr("&Hilfe"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [] { RequestHelp(help::kDeviceTables); });
  layout->addWidget(chkValues_);
  layout->addWidget(memo_, 1);
  layout->addWidget(buttons);
  resize(460, 420);
}

void TDLG_SondTabels::FONT1Click() {
  if (ChooseFontLive(this, memo_->font(), [this](const QFont& font) { memo_->setFont(font); }))
    emit FontChosen(memo_->font());
}

void TDLG_SondTabels::Prepare(SondTable table) {
  table_ = table;
  setWindowTitle(QString());
  // Always a fresh load: the table may have changed in the meter.
  switch (table) {
    case SondTable::kMaterials:
      tables_.materials.Clear();
      break;
    case SondTable::kMedia:
      tables_.media.Clear();
      break;
    case SondTable::kLanguages:
      tables_.languages.Clear();
      break;
  }
  chkValues_->setVisible(table != SondTable::kLanguages);
  Render();
  setWindowTitle(FromAnsi(link_.SerialNumber()));
}

void TDLG_SondTabels::Render() {
  TNoSortStringCollection lines;
  const bool values = chkValues_->isChecked();
  struct Show {
    TDLG_SondTabels& dialog;
    TNoSortStringCollection& lines;
    // The lines rendered so far stand in the memo also when the load failed.
    ~Show() {
      QStringList text;
      for (const std::string& line : lines) text << FromAnsi(line);
      dialog.memo_->setPlainText(text.join('\n'));
    }
  } show{*this, lines};
  switch (table_) {
    case SondTable::kMaterials:
      RenderMaterials(lines, tables_.materials, values, [this] { LoadMaterials(link_, tables_); });
      break;
    case SondTable::kMedia:
      RenderMedia(lines, tables_.media, values, [this] { LoadMedia(link_, tables_); });
      break;
    case SondTable::kLanguages:
      RenderLanguages(lines, tables_.languages, [this] { LoadLanguages(link_, tables_); });
      break;
  }
}

}  // namespace gd::ui
