// `TDLG_Yscaling`: the scaling of one vertical axis of the diagram, over the
// YScalingForm model (view/YScaling.h).
#pragma once

#include <QDialog>

#include "core/Locale.h"
#include "view/YScaling.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace gd::ui {

class TDLG_Yscaling final : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_Yscaling(QWidget* parent = nullptr);

  // Shows the axis's state; Accepted() then tells whether OK stored it.
  void Load(const AxisScale& axis, const std::string& axisName, const Locale& locale);
  // OK: checks the edits and stores them into `axis`; a bad entry shows a
  // message and keeps the dialog open (false).
  bool OKBtnClick();
  const AxisScale& Result() const { return axis_; }

  QCheckBox* CB_AutoScale() const { return cbAuto_; }
  QLineEdit* EDI_YMIN() const { return ediMin_; }
  QLineEdit* EDI_YMAX() const { return ediMax_; }
  QPushButton* BUT_CurrMin() const { return butMin_; }
  QPushButton* BUT_CurrMax() const { return butMax_; }

 private:
  void AutoChanged();

  AxisScale axis_;
  Locale locale_;
  QCheckBox* cbAuto_ = nullptr;
  QLineEdit* ediMin_ = nullptr;
  QLineEdit* ediMax_ = nullptr;
  QPushButton* butMin_ = nullptr;
  QPushButton* butMax_ = nullptr;
};

}  // namespace gd::ui
