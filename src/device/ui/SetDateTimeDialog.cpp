#include "device/ui/SetDateTimeDialog.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DateTime.h"
#include "core/HelpTopics.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "device/MessageText.h"
#include "device/SondAmComPort.h"

namespace gd::ui {

TDLG_SetDateTime::TDLG_SetDateTime(TSondAmComPort& link, IMessages& messages,
                                   std::string deviceName, QWidget* parent)
    : QDialog(parent), link_(link), messages_(messages), deviceName_(std::move(deviceName)) {
  setObjectName("DLG_SetDateTime");
  SetHelpTopic(this, help::kDeviceClock);
  setWindowTitle(Tr("Datum & Uhrzeit"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  labSdxDt_ = new QLabel(this);
  labSdxDt_->setObjectName("LAB_SDXDT");
  labPcWarSdxIst_ = new QLabel(this);
  labPcWarSdxIst_->setObjectName("LAB_PcWarSdxIst");
  lavSondTime_ = new QLabel(this);
  lavSondTime_->setObjectName("LAV_SONDTIME");
  labPcTime_ = new QLabel(this);
  labPcTime_->setObjectName("LAB_PCTIME");
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  lavSondTime_->setFont(mono);
  labPcTime_->setFont(mono);
  grid->addWidget(labSdxDt_, 0, 0);
  grid->addWidget(lavSondTime_, 0, 1);
  grid->addWidget(labPcWarSdxIst_, 1, 0);
  grid->addWidget(labPcTime_, 1, 1);
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  butSetDt_ = new QPushButton(Tr("Aktuelle PC-Zeit setzen"), this);
  butSetDt_->setObjectName("BUT_SetdDT");
  butCancel_ = new QPushButton(Tr("Abbrechen"), this);
  butCancel_->setObjectName("BUT_Cancel");
  butOk_ = new QPushButton(Tr("OK"), this);
  butOk_->setObjectName("BUT_OK");
  connect(butSetDt_, &QPushButton::clicked, this, &TDLG_SetDateTime::SetToPcTime);
  connect(butCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(butOk_, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(butSetDt_);
  buttons->addStretch();
  buttons->addWidget(butCancel_);
  buttons->addWidget(butOk_);
  layout->addLayout(buttons);
  butOk_->setVisible(false);
}

QString TDLG_SetDateTime::DeviceTimeText() const { return lavSondTime_->text(); }
QString TDLG_SetDateTime::PcTimeText() const { return labPcTime_->text(); }

void TDLG_SetDateTime::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window is visible before the meter is asked.
  QTimer::singleShot(0, this, &TDLG_SetDateTime::AfterShow);
}

void TDLG_SetDateTime::AfterShow() {
  labSdxDt_->setText(FromAnsi(FillMessage(Translate("%s-Zeit war:"), {deviceName_})));
  labPcWarSdxIst_->setText(Tr("PC-Zeit war:"));
  butOk_->setVisible(false);
  butCancel_->setVisible(true);
  butSetDt_->setVisible(true);
  butSetDt_->setFocus();
  Refresh();
}

void TDLG_SetDateTime::Refresh() {
  try {
    lavSondTime_->setText(FromAnsi(link_.ReadDeviceTime()));
  } catch (const std::exception& e) {
    messages_.Show(MessageKind::Error, e.what());
  }
  labPcTime_->setText(QDateTime::currentDateTime().toString("dd.MM.yyyy' / 'HH:mm:ss"));
}

void TDLG_SetDateTime::SetToPcTime() {
  try {
    link_.SetDeviceTime(CurrentCalendarTime());
  } catch (const std::exception& e) {
    messages_.Show(MessageKind::Error, e.what());
    return;
  }
  Refresh();
  butOk_->setVisible(true);
  butCancel_->setVisible(false);
  butSetDt_->setVisible(false);
  butOk_->setFocus();
  labPcWarSdxIst_->setText(FromAnsi(FillMessage(Translate("%s-Zeit ist:"), {deviceName_})));
}

}  // namespace gd::ui
