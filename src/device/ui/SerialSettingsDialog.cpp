#include "device/ui/SerialSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/MessageText.h"

namespace gd::ui {
namespace {

QComboBox* MakeList(QWidget* parent, const char* name,
                    const std::vector<SettingsListEntry>& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const SettingsListEntry& c : items) box->addItem(FromAnsi(c.text), c.ordinal);
  return box;
}

}  // namespace

TDLG_SerialSettings::TDLG_SerialSettings(std::string deviceName,
                                         std::vector<std::string> systemPorts, QWidget* parent)
    : QDialog(parent), deviceName_(std::move(deviceName)) {
  setObjectName("DLG_SerialSettings");
  SetHelpTopic(this, help::kSerialSettings);
  setWindowTitle(Tr("Serielle Schnittstelle"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* top = new QFormLayout;
  cbComPort_ = new QComboBox(this);
  cbComPort_->setObjectName("CB_ComPort");
  cbComPort_->setEditable(true);
  cbComPort_->setInsertPolicy(QComboBox::NoInsert);
  cbComPort_->setMinimumWidth(220);
  for (const SettingsListEntry& port : model_.ComPorts()) cbComPort_->addItem(FromAnsi(port.text));
  for (const std::string& port : systemPorts) cbComPort_->addItem(QString::fromStdString(port));
  cbComPort_->setToolTip(Tr("COM-Port, Name oder Pfad der seriellen Schnittstelle"));
  top->addRow(Tr("COM-Port"), cbComPort_);
  auto* shunks = new QWidget(this);
  shunks->setObjectName("PAN_Shunks");
  auto* shunksLayout = new QHBoxLayout(shunks);
  shunksLayout->setContentsMargins(0, 0, 0, 0);
  speShunks_ = new QSpinBox(shunks);
  speShunks_->setObjectName("SPE_SHUNKS");
  speShunks_->setRange(kMinBlockSize, kMaxBlockSize);
  shunksLayout->addWidget(speShunks_);
  shunksLayout->addStretch();
  top->addRow(Tr("Blocksize"), shunks);
  layout->addLayout(top);

  auto* buttons = new QHBoxLayout;
  butProtokoll_ = new QPushButton(Tr("&Protokoll..."), this);
  butProtokoll_->setObjectName("BUT_Protokoll");
  connect(butProtokoll_, &QPushButton::clicked, this, &TDLG_SerialSettings::ExpandProtocolArea);
  okBtn_ = new QPushButton(Tr("OK"), this);
  okBtn_->setObjectName("OKBtn");
  connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(Tr("Abbrechen"), this);
  cancel->setObjectName("CancelBtn");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(butProtokoll_);
  buttons->addStretch();
  buttons->addWidget(okBtn_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  protocolArea_ = new QFrame(this);
  protocolArea_->setObjectName("Bevel_ProtokollArea");
  protocolArea_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* area = new QVBoxLayout(protocolArea_);
  labWarning_ = new QLabel(Tr("KEIN STANDARD-PROTOKOLL !"), protocolArea_);
  labWarning_->setObjectName("LAB_WarningNoStandard");
  labWarning_->setStyleSheet("color: red; font-weight: bold");
  area->addWidget(labWarning_);
  auto* lists = new QFormLayout;
  cbBauds_ = MakeList(protocolArea_, "CB_Bauds", model_.Bauds());
  cbData_ = MakeList(protocolArea_, "CB_Data", model_.DataBitsList());
  cbParity_ = MakeList(protocolArea_, "CB_Parity", model_.Parities());
  cbStopBits_ = MakeList(protocolArea_, "CB_StopBits", model_.StopBitsList());
  lists->addRow(Tr("Baud"), cbBauds_);
  lists->addRow(Tr("Datenbits"), cbData_);
  lists->addRow(Tr("Paritaet"), cbParity_);
  lists->addRow(Tr("Stopbits"), cbStopBits_);
  area->addLayout(lists);
  labNeedEqual_ = new QLabel(protocolArea_);
  labNeedEqual_->setObjectName("LAB_NeedEqualProtocol");
  labNeedEqual_->setWordWrap(true);
  labHotCode_ = new QLabel(protocolArea_);
  labHotCode_->setObjectName("LAB_UsesHotCode");
  labHotCode_->setWordWrap(true);
  area->addWidget(labNeedEqual_);
  area->addWidget(labHotCode_);
  auto* areaButtons = new QHBoxLayout;
  butDefault_ = new QPushButton(Tr("S&tandard-Protokoll"), protocolArea_);
  butDefault_->setObjectName("BUT_DefaultSettings");
  connect(butDefault_, &QPushButton::clicked, this, &TDLG_SerialSettings::SelectStandard);
  butTake_ = new QPushButton(Tr("So ueber&nehmen"), protocolArea_);
  butTake_->setObjectName("BUT_SoUbernehmen");
  connect(butTake_, &QPushButton::clicked, this, &TDLG_SerialSettings::TakeProtocol);
  areaButtons->addWidget(butDefault_);
  areaButtons->addStretch();
  areaButtons->addWidget(butTake_);
  area->addLayout(areaButtons);
  layout->addWidget(protocolArea_);
  for (QComboBox* box : {cbBauds_, cbData_, cbParity_, cbStopBits_})
    connect(box, &QComboBox::activated, this, [this] { ReadWidgets(); });
}

void TDLG_SerialSettings::Open(const PortChoice& port, const PortSettings& settings,
                               int blockSize) {
  port_ = port;
  settings_ = settings;
  model_.Open(port.index, settings, blockSize);
  ShowModel();
}

void TDLG_SerialSettings::ShowModel() {
  const QString port = FromAnsi(PortFieldText(port_));
  const int row = cbComPort_->findText(port);
  if (row >= 0)
    cbComPort_->setCurrentIndex(row);
  else
    cbComPort_->setEditText(port);
  cbBauds_->setCurrentIndex(model_.baudRow);
  cbData_->setCurrentIndex(model_.dataRow);
  cbParity_->setCurrentIndex(model_.parityRow);
  cbStopBits_->setCurrentIndex(model_.stopRow);
  speShunks_->setValue(model_.blockSize);
  labWarning_->setVisible(model_.warningVisible);
  protocolArea_->setVisible(model_.areaExpanded);
  butProtokoll_->setEnabled(model_.protocolEnabled);
  okBtn_->setEnabled(model_.okEnabled);
  okBtn_->setDefault(model_.okDefault);
  butTake_->setDefault(!model_.okDefault);
  for (QWidget* w : std::initializer_list<QWidget*>{cbBauds_, cbData_, cbParity_, cbStopBits_,
                                                    butDefault_, butTake_})
    w->setEnabled(model_.listsEnabled);
  if (model_.focusOnBauds) cbBauds_->setFocus();
}

void TDLG_SerialSettings::ReadWidgets() {
  port_ = ParsePortField(ToAnsi(cbComPort_->currentText()), port_);
  model_.baudRow = cbBauds_->currentIndex();
  model_.dataRow = cbData_->currentIndex();
  model_.parityRow = cbParity_->currentIndex();
  model_.stopRow = cbStopBits_->currentIndex();
  model_.blockSize = speShunks_->value();
}

void TDLG_SerialSettings::ExpandProtocolArea() {
  ReadWidgets();
  model_.ProtocolClick();
  ShowModel();
}

void TDLG_SerialSettings::SelectStandard() {
  ReadWidgets();
  model_.DefaultSettingsClick();
  ShowModel();
}

void TDLG_SerialSettings::TakeProtocol() {
  ReadWidgets();
  model_.TakeOverClick();
  ShowModel();
}

TDLG_SerialSettings::Result TDLG_SerialSettings::TakeResult() {
  ReadWidgets();
  const SerialSettingsModel::Result r = model_.Ok(port_.index, settings_);
  Result result;
  result.port = port_;
  result.settings = r.settings;
  result.blockSize = r.blockSize;
  return result;
}

void TDLG_SerialSettings::showEvent(QShowEvent* event) {
  labNeedEqual_->setText(FromAnsi(FillMessage(
      Translate("Dieses Protokoll muss mit dem %s-Protokoll uebereinstimmen !"), {deviceName_})));
  labHotCode_->setText(FromAnsi(FillMessage(
      Translate("Verwenden Sie ggf. den %s- HotCode \"418-7-\"  zum Aendern"), {deviceName_})));
  QDialog::showEvent(event);
}

}  // namespace gd::ui
