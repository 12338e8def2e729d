#include "device/ui/ComPortWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/MessageText.h"

namespace gd::ui {
namespace {

QLabel* MakePanel(QWidget* parent, const char* name, int minWidth) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(minWidth);
  return label;
}

}  // namespace

SondAmComPortWindow::SondAmComPortWindow(ISerialPort& port, std::string deviceName, QWidget* parent)
    : QDialog(parent), deviceName_(std::move(deviceName)) {
  setObjectName("SondAmComPort");
  SetHelpTopic(this, help::kComPortWindow);
  clock_.start();
  link_ = std::make_unique<TSondAmComPort>(port, *this, deviceName_);

  auto* layout = new QVBoxLayout(this);
  labMainDoing_ = new QLabel(this);
  labMainDoing_->setObjectName("LAB_MAINDOING");
  QFont bold = labMainDoing_->font();
  bold.setBold(true);
  labMainDoing_->setFont(bold);
  layout->addWidget(labMainDoing_);

  auto* gaugeFrame = new QFrame(this);
  gaugeFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* gaugeLayout = new QVBoxLayout(gaugeFrame);
  staGauDoing_ = new QLabel(gaugeFrame);
  staGauDoing_->setObjectName("STA_GAUDOING");
  gauLocal_ = new QProgressBar(gaugeFrame);
  gauLocal_->setObjectName("GAU_LOCAL");
  gauLocal_->setTextVisible(true);
  gaugeLayout->addWidget(staGauDoing_);
  gaugeLayout->addWidget(gauLocal_);
  layout->addWidget(gaugeFrame);

  auto* middle = new QHBoxLayout;
  bevFirmware_ = new QFrame(this);
  bevFirmware_->setObjectName("BEV_FirmwareDateVer");
  static_cast<QFrame*>(bevFirmware_)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* fwLayout = new QHBoxLayout(bevFirmware_);
  labFirmwareVersion_ = new QLabel(bevFirmware_);
  labFirmwareVersion_->setObjectName("LAB_FirmwareVersion");
  labFirmwareDate_ = new QLabel(bevFirmware_);
  labFirmwareDate_->setObjectName("LAB_FirmwareDate");
  fwLayout->addWidget(labFirmwareVersion_);
  fwLayout->addWidget(labFirmwareDate_);
  middle->addWidget(bevFirmware_);
  labRecTO_ = new QLabel(this);
  labRecTO_->setObjectName("LAB_RecTO");
  labRecTO_->setStyleSheet("color: red");
  labRecTO_->setVisible(false);
  middle->addWidget(labRecTO_);
  middle->addStretch();
  cancelBtn_ = new QPushButton(this);
  cancelBtn_->setObjectName("BUT_Cancel");
  cancelBtn_->setAutoDefault(false);
  connect(cancelBtn_, &QPushButton::clicked, this, &SondAmComPortWindow::CancelTransfer);
  middle->addWidget(cancelBtn_);
  okBtn_ = new QPushButton(this);
  okBtn_->setObjectName("OKBtn");
  connect(okBtn_, &QPushButton::clicked, this, &QWidget::hide);
  middle->addWidget(okBtn_);
  layout->addLayout(middle);

  auto* status = new QHBoxLayout;
  status->setSpacing(2);
  staDoingShort_ = MakePanel(this, "STA_DoingShort", 36);
  staDoingLong_ = MakePanel(this, "STA_DoingLong", 160);
  staCmdState_ = MakePanel(this, "STA_CmdState", 36);
  staComNr_ = MakePanel(this, "STA_ComNr", 44);
  staComSettings_ = MakePanel(this, "STA_ComSettings", 72);
  staComLongText_ = MakePanel(this, "STA_ComLongText", 90);
  staInQue_ = MakePanel(this, "STA_InQUE", 50);
  staOutQue_ = MakePanel(this, "STA_OUTQUE", 50);
  for (QLabel* p : {staDoingShort_, staDoingLong_, staCmdState_, staComNr_, staComSettings_,
                    staComLongText_, staInQue_, staOutQue_})
    status->addWidget(p, p == staDoingLong_ || p == staComLongText_ ? 1 : 0);
  layout->addLayout(status);

  popStayOnTop_ = new QAction(this);
  popStayOnTop_->setObjectName("POP_ImmerImVordergrund");
  popStayOnTop_->setCheckable(true);
  connect(popStayOnTop_, &QAction::toggled, this, [this](bool on) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();
  });
  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(popStayOnTop_);

  timer1_ = new QTimer(this);
  timer1_->setInterval(100);
  connect(timer1_, &QTimer::timeout, this, &SondAmComPortWindow::Timer1Timer);
  timer1_->start();

  setModal(false);
  resize(620, 200);
  Retranslate();
  ShowPanels();
}

SondAmComPortWindow::~SondAmComPortWindow() {
  // The link closes the port and deletes its temporary file.
  link_.reset();
}

std::int64_t SondAmComPortWindow::NowMs() { return clock_.elapsed(); }

void SondAmComPortWindow::LetEventsRun() {
  QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void SondAmComPortWindow::Pause(std::int64_t ms) {
  const std::int64_t end = NowMs() + ms;
  for (std::int64_t left = ms; left > 0; left = end - NowMs()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (link_->CancelRequested()) return;
    QThread::msleep(static_cast<unsigned long>(std::min<std::int64_t>(left, 5)));
  }
}

bool SondAmComPortWindow::RunDeviceAction(int portIndex, IMessages& messages,
                                          const std::function<void()>& action,
                                          bool hideDuringAction) {
  if (busy_) {
    messages.Show(MessageKind::Error, Translate("COMMAND SHARING"));
    return false;
  }
  busy_ = true;
  bool done = false;
  std::string error;
  try {
    show();
    raise();
    if (link_->Connect(portIndex)) {
      if (hideDuringAction) hide();
      action();
      done = true;
    }
  } catch (const std::exception& e) {
    error = e.what();
  }
  try {
    link_->SwitchToMainMode();
  } catch (const std::exception&) {
    // Leaving slave mode may fail after a broken transfer; the port is closed all the same.
  }
  Timer1Timer();
  hide();
  busy_ = false;
  if (!error.empty()) messages.Show(MessageKind::Error, error);
  return done;
}

void SondAmComPortWindow::CancelTransfer() {
  if (busy_) link_->RequestCancel();
}

void SondAmComPortWindow::closeEvent(QCloseEvent* event) {
  // Closing the window while a command runs ends the command.
  CancelTransfer();
  QDialog::closeEvent(event);
}

void SondAmComPortWindow::showEvent(QShowEvent* event) {
  Retranslate();
  QDialog::showEvent(event);
}

void SondAmComPortWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void SondAmComPortWindow::Retranslate() {
  okBtn_->setText(Tr("OK"));
  cancelBtn_->setText(Tr("Abbrechen"));
  cancelBtn_->setToolTip(Tr("Laufende Uebertragung abbrechen"));
  popStayOnTop_->setText(Tr("Immer Im Vordergrund"));
  labFirmwareVersion_->setToolTip(Tr("Firmware-Version"));
  labFirmwareDate_->setToolTip(Tr("Firmwaredatum"));
  staDoingShort_->setToolTip(Tr("letzte Kommunikation"));
  staDoingLong_->setToolTip(Tr("letztes Kommando"));
  staCmdState_->setToolTip(Tr("Kommando-Status"));
  staComNr_->setToolTip(Tr("COM-Port"));
  staComSettings_->setToolTip(Tr("Einstellungen des COM-Ports"));
  staComLongText_->setToolTip(Tr("Status des COM-Ports"));
  staInQue_->setToolTip(Tr("Zeichen im Empfangsbuffer"));
  staOutQue_->setToolTip(Tr("Flags\\Zeichen im Sendebuffer"));
}

void SondAmComPortWindow::Timer1Timer() {
  link_->Timer1Timer();
  ShowPanels();
}

QString SondAmComPortWindow::GaugeText() const { return FromAnsi(progress_.Text()); }

void SondAmComPortWindow::ShowPanels() {
  const ComPortPanels& p = link_->Panels();
  const QString caption = FromAnsi(p.caption);
  setWindowTitle(caption.isEmpty() ? FromAnsi(FillMessage(Translate("%s SERIELL"), {deviceName_}))
                                   : caption);
  labMainDoing_->setText(FromAnsi(p.LAB_MAINDOING));
  labMainDoing_->setStyleSheet(p.mainDoingRed ? "color: red" : "");
  staDoingShort_->setText(FromAnsi(p.STA_DoingShort));
  staDoingLong_->setText(FromAnsi(p.STA_DoingLong));
  staCmdState_->setText(FromAnsi(p.STA_CmdState));
  staComNr_->setText(FromAnsi(p.STA_ComNr));
  staComNr_->setStyleSheet(p.comNrRed ? "color: red" : "");
  staComSettings_->setText(FromAnsi(p.STA_ComSettings));
  staComLongText_->setText(FromAnsi(p.STA_ComLongText));
  staInQue_->setText(FromAnsi(p.STA_InQUE));
  staOutQue_->setText(FromAnsi(p.STA_OUTQUE));
  labRecTO_->setText(FromAnsi(p.LAB_RecTO));
  labRecTO_->setVisible(p.recTOVisible);
  labFirmwareVersion_->setText(FromAnsi(p.LAB_FirmwareVersion));
  labFirmwareDate_->setText(FromAnsi(p.LAB_FirmwareDate));
  bevFirmware_->setToolTip(FromAnsi(p.firmwareHint));

  const std::int64_t maximum = std::max<std::int64_t>(p.gaugeMaximum, 0);
  const std::int64_t position = std::clamp<std::int64_t>(p.gaugeProgress, 0, maximum);
  progress_.Update(position, maximum, NowMs());
  // QProgressBar counts in int; scale large transfers down.
  const int scale = maximum > 1000000000 ? 1024 : 1;
  gauLocal_->setMaximum(static_cast<int>(maximum / scale));
  gauLocal_->setValue(static_cast<int>(position / scale));
  const bool transferring = link_->GetCommandState() == CommandState::kRun && maximum > 0;
  gauLocal_->setFormat(transferring ? GaugeText() : QStringLiteral("%p%"));
  staGauDoing_->setText(FromAnsi(p.STA_GAUDOING));
  cancelBtn_->setEnabled(busy_);
}

}  // namespace gd::ui
