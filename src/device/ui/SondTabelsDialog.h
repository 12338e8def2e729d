// The device-table dialog (TDLG_SondTabels): the meter's materials, media or
// languages as text, with or without the table values. The memo's popup menu
// chooses its font (shown at once, Cancel restores the previous one); a chosen
// font is announced so that the configuration can keep it.
#pragma once

#include <QDialog>
#include <QFont>
#include <memory>

#include "device/DeviceTableDialogModel.h"

class QCheckBox;
class QPlainTextEdit;

namespace gd {
class TSondAmComPort;
}  // namespace gd

namespace gd::ui {

class TDLG_SondTabels final : public QDialog {
  Q_OBJECT
 public:
  TDLG_SondTabels(TSondAmComPort& link, DeviceTables& tables, QWidget* parent = nullptr);

  // Loads the table from the meter again and renders it; throws what the
  // load throws (the memo then ends with ">>KANN LISTE NICHT LADEN<<").
  void Prepare(DeviceTableMode mode);
  // Renders again with or without values (no new load).
  void Render();

  QCheckBox* ValuesCheckBox() const { return chkValues_; }
  QPlainTextEdit* Memo() const { return memo_; }
  void FONT1Click();

 signals:
  void FontChosen(const QFont& font);

 private:
  void ShowModel();  // memo lines and caption from the model

  TSondAmComPort& link_;
  DeviceTables& tables_;
  std::unique_ptr<DeviceTableDialogModel> model_;  // the table shown, from Prepare on
  QCheckBox* chkValues_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
};

}  // namespace gd::ui
