#include "device/ui/SondTabelsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "core/ui/FontChoice.h"
#include "device/DeviceTableDialogModel.h"
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
  connect(chkValues_, &QCheckBox::toggled, this, &TDLG_SondTabels::Render);
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

void TDLG_SondTabels::Prepare(DeviceTableMode mode) {
  model_ = std::make_unique<DeviceTableDialogModel>(
      mode, tables_, [this](DeviceTableMode m, DeviceTables& t) { LoadTableFor(link_, m, t); },
      [this] { return link_.SerialNumber(); });
  chkValues_->setVisible(model_->CheckBoxVisible());
  // The lines loaded so far stand in the memo also when the load failed.
  struct Show {
    TDLG_SondTabels& dialog;
    ~Show() { dialog.ShowModel(); }
  } show{*this};
  model_->Open();
  if (chkValues_->isChecked()) model_->SetShowValues(true);
}

void TDLG_SondTabels::Render() {
  if (!model_) return;
  model_->SetShowValues(chkValues_->isChecked());
  ShowModel();
}

void TDLG_SondTabels::ShowModel() {
  QStringList text;
  for (const std::string& line : model_->Lines()) text << FromAnsi(line);
  memo_->setPlainText(text.join('\n'));
  setWindowTitle(FromAnsi(model_->Caption()));
}

}  // namespace gd::ui
