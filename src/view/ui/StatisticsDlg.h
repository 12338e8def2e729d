// `TDLG_Statistics`: the statistics text of a diagram curve; "&Show Min/Max"
// closes with OK, which lets the diagram mark the minimum and maximum.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace gd::ui {

class TDLG_Statistics final : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_Statistics(QWidget* parent = nullptr);

  // The text (lines separated by CR LF or LF), Windows-1252.
  void SetText(const std::string& text);
  QPlainTextEdit* Memo1() const { return memo_; }
  QPushButton* BitBtn1() const { return showMinMax_; }
  QPushButton* CloseButton() const { return close_; }

 private:
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* showMinMax_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace gd::ui
