#include "device/ui/WaitWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {

TWaitWindow::TWaitWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("WaitWindow");
  SetHelpTopic(this, help::kWaitWindow);
  setWindowTitle(FromAnsi(CoefficientDialogModel::WindowTexts().waitCaption));
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setAlignment(Qt::AlignCenter);
  gauge1_ = new QProgressBar(this);
  gauge1_->setObjectName("Gauge1");
  layout->addWidget(label1_);
  layout->addWidget(gauge1_);
  timer1_ = new QTimer(this);
  timer1_->setInterval(WaitWindowModel::kTickMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &TWaitWindow::Tick);
  setModal(true);
  resize(280, 100);
}

bool TWaitWindow::WaitFor(const std::string& text, int milliseconds) {
  model_.Start(text, milliseconds);
  label1_->setText(FromAnsi(model_.Text()));
  gauge1_->setRange(0, std::max(model_.Steps(), 1));
  gauge1_->setValue(0);
  timer1_->start();
  exec();
  timer1_->stop();
  return model_.Result();
}

void TWaitWindow::Tick() {
  const bool done = model_.Tick();
  gauge1_->setValue(model_.Progress());
  if (done) {
    timer1_->stop();
    accept();
  }
}

void TWaitWindow::closeEvent(QCloseEvent* event) {
  timer1_->stop();
  model_.Closed();
  QDialog::closeEvent(event);
}

}  // namespace gd::ui
