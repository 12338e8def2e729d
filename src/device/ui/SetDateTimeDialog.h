// The clock dialog (TDLG_SetDateTime, "Datum & Uhrzeit"): the meter's time
// beside the PC's, and setting the meter's clock to the PC's time.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace gd {
class IMessages;
class TSondAmComPort;
}  // namespace gd

namespace gd::ui {

class TDLG_SetDateTime final : public QDialog {
  Q_OBJECT
 public:
  // Link errors of its commands go to `messages`; the dialog stays open.
  TDLG_SetDateTime(TSondAmComPort& link, IMessages& messages, std::string deviceName,
                   QWidget* parent = nullptr);

  // Reads the meter's clock and the PC's into the two value labels.
  void Refresh();
  // BUT_SetdDT: the meter's clock to the PC's time, then read back.
  void SetToPcTime();

  QString DeviceTimeText() const;
  QString PcTimeText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AfterShow();

  TSondAmComPort& link_;
  IMessages& messages_;
  std::string deviceName_;
  QLabel* labSdxDt_ = nullptr;
  QLabel* labPcWarSdxIst_ = nullptr;
  QLabel* lavSondTime_ = nullptr;
  QLabel* labPcTime_ = nullptr;
  QPushButton* butSetDt_ = nullptr;
  QPushButton* butCancel_ = nullptr;
  QPushButton* butOk_ = nullptr;
};

}  // namespace gd::ui
