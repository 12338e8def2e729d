// The wait window (TWaitWindow, "BITTE WARTEN"): a text and a gauge that runs
// for the given time in steps of 100 ms, modal; closing it early ends the wait.
#pragma once

#include <QDialog>

#include "device/CoefficientDialogModel.h"
#include "device/WaitWindowModel.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace gd::ui {

class TWaitWindow final : public QDialog, public WaitWindow {
  Q_OBJECT
 public:
  explicit TWaitWindow(QWidget* parent = nullptr);
  bool WaitFor(const std::string& text, int milliseconds) override;
  const WaitWindowModel& Model() const { return model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tick();

  WaitWindowModel model_;
  QLabel* label1_ = nullptr;
  QProgressBar* gauge1_ = nullptr;
  QTimer* timer1_ = nullptr;
};

}  // namespace gd::ui
