// TDLG_ShowOneParasatz: the parameter set of one series and channel in the
// general text window, with the series number and channel letter above it.
#pragma once

#include <string>

#include "view/ui/ShowMemoLines.h"

class QLabel;

namespace gd {
class TVXASCIIOUT;
}

namespace gd::ui {

class TDLG_ShowOneParasatz : public TDLG_ShowMemoLines {
  Q_OBJECT
 public:
  explicit TDLG_ShowOneParasatz(QWidget* parent = nullptr);

  // Fills the window for series `seriesNumber` (1-based) and `channel`
  // (0-based) of `engine` (may be null). Returns the error message the
  // caller shows ("Nur %d Reihen enthalten", "Nur %d Kanaele enthalten"),
  // or "" when the text stands in the memo.
  std::string Prepare(TVXASCIIOUT* engine, int seriesNumber, int channel);

  QLabel* LBV_MWReihe() const { return lbvReihe_; }
  QLabel* LBV_Kanal() const { return lbvKanal_; }
  QLabel* LB_Kanal() const { return lbKanal_; }

 private:
  QLabel* lbvReihe_ = nullptr;
  QLabel* lbKanal_ = nullptr;
  QLabel* lbvKanal_ = nullptr;
};

}  // namespace gd::ui
