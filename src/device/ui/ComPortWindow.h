// The communication window (form "SondAmComPort"): the panels of the link,
// its gauge with bytes, rate and time left, the firmware labels, the stay-on-
// top pop-up and a Cancel button. It is the link's host: every wait of the
// link lets the application's events run here, so the window repaints, menus
// answer and Cancel (or closing the window) ends a running transfer with the
// port closed.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <functional>
#include <memory>

#include "device/DeviceTables.h"
#include "device/SondAmComPort.h"
#include "device/TransferProgress.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace gd {
class IMessages;
}

namespace gd::ui {

class SondAmComPortWindow final : public QDialog, public LinkHost {
  Q_OBJECT
 public:
  // `port` outlives the window; `deviceName` brands the caption and texts.
  SondAmComPortWindow(ISerialPort& port, std::string deviceName, QWidget* parent = nullptr);
  ~SondAmComPortWindow() override;

  TSondAmComPort& Link() { return *link_; }
  DeviceTables& Tables() { return tables_; }
  const std::string& DeviceName() const { return deviceName_; }

  // LinkHost.
  std::int64_t NowMs() override;
  void LetEventsRun() override;
  void Pause(std::int64_t ms) override;

  // Runs one device command the usual way: Connect with `portIndex` (the
  // window shows itself), the action when slave mode was reached, then
  // SwitchToMainMode with its errors swallowed and the window hidden. Errors
  // go to `messages` as error boxes. A second command while one runs is
  // refused with "COMMAND SHARING". Returns whether the action ran to its end.
  bool RunDeviceAction(int portIndex, IMessages& messages, const std::function<void()>& action,
                       bool hideDuringAction = false);
  bool Busy() const { return busy_; }

  // The status refresh (also run by the 100 ms timer).
  void Timer1Timer();
  // The caption of the gauge during a transfer ("%d / %d Bytes, ...").
  QString GaugeText() const;

  // Cancel: the running transfer stops and the port is closed.
  void CancelTransfer();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void ShowPanels();

  std::string deviceName_;
  QElapsedTimer clock_;
  DeviceTables tables_;
  std::unique_ptr<TSondAmComPort> link_;
  TransferProgress progress_;
  bool busy_ = false;

  QTimer* timer1_ = nullptr;
  QLabel* labMainDoing_ = nullptr;
  QLabel* staGauDoing_ = nullptr;
  QProgressBar* gauLocal_ = nullptr;
  QLabel* labFirmwareVersion_ = nullptr;
  QLabel* labFirmwareDate_ = nullptr;
  QWidget* bevFirmware_ = nullptr;
  QLabel* labRecTO_ = nullptr;
  QPushButton* okBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  QAction* popStayOnTop_ = nullptr;
  QLabel* staDoingShort_ = nullptr;
  QLabel* staDoingLong_ = nullptr;
  QLabel* staCmdState_ = nullptr;
  QLabel* staComNr_ = nullptr;
  QLabel* staComSettings_ = nullptr;
  QLabel* staComLongText_ = nullptr;
  QLabel* staInQue_ = nullptr;
  QLabel* staOutQue_ = nullptr;
};

}  // namespace gd::ui
