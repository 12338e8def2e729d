// The series selection dialog `TDualListDlg` ("Speichern von Meßwertreihen"):
// all series, the series selected in the main list, or a free choice in two
// lists. A thin view over SeriesSelectionModel, which holds the lists, the
// moves and the result.
#pragma once

#include <QDialog>

#include <vector>

#include "view/SeriesSelection.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace gd::ui {

class TDualListDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TDualListDlg(QWidget* parent = nullptr);

  // The main list's entries with their selection state.
  void Prepare(const std::vector<SeriesListItem>& items);
  // The chosen series after OK.
  SeriesSelection Result() const { return model_.Result(); }

  // The moves of the two-list picker.
  void IncludeBtnClick();
  void IncAllBtnClick();
  void ExcludeBtnClick();
  void ExAllBtnClick();

  QRadioButton* RB_Alle() const { return rbAll_; }
  QRadioButton* RB_Selektierte() const { return rbSelected_; }
  QRadioButton* RB_Auswahl() const { return rbPick_; }
  QListWidget* SrcList() const { return srcList_; }
  QListWidget* DstList() const { return dstList_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChoiceChanged();
  void FillLists();
  void TakeSelections();

  SeriesSelectionModel model_;
  QRadioButton* rbAll_ = nullptr;
  QRadioButton* rbSelected_ = nullptr;
  QRadioButton* rbPick_ = nullptr;
  QWidget* picker_ = nullptr;
  QListWidget* srcList_ = nullptr;
  QListWidget* dstList_ = nullptr;
  QPushButton* includeBtn_ = nullptr;
  QPushButton* incAllBtn_ = nullptr;
  QPushButton* excludeBtn_ = nullptr;
  QPushButton* exAllBtn_ = nullptr;
};

}  // namespace gd::ui
