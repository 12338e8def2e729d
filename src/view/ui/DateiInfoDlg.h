// TDLG_DateiInfo: the file information (saving and reception date, size,
// series count, device number) with the file's editable remarks, and its
// details listing in the general text window.
#pragma once

#include <QDialog>

#include <string>

#include "core/Locale.h"
#include "core/ReihenMemoStrings.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gd {
class TVXASCIIOUT;
}

namespace gd::ui {

class TDLG_DateiInfo : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_DateiInfo(QWidget* parent = nullptr);

  // `engine` may be null (nothing open) and must outlive the dialog;
  // `remarks` is the file's comment field, shown when `hasSeries` is set.
  // `edition` decides whether the details listing starts with its first
  // two lines.
  void Prepare(TVXASCIIOUT* engine, const std::string& fileName, bool hasSeries,
               bool receivedNotLoaded, const std::string& displayName, const MemoField& remarks,
               int edition, const Locale& locale);
  // The remarks as edited; `modified` is set when the user changed them
  // (or they were changed before).
  MemoField Remarks() const;

  // BitBtn1 "&Details...": the engine's header listing in a text window.
  void BitBtn1Click();

  QLabel* Value(const char* name) const;
  QPlainTextEdit* MEM_Dateinfo() const { return memDateinfo_; }
  QPushButton* BitBtn1() const { return bitBtn1_; }

 private:
  TVXASCIIOUT* engine_ = nullptr;
  std::string displayName_;
  int edition_ = 0;
  bool remarksModified_ = false;
  QLabel* lanMemo_ = nullptr;
  QPlainTextEdit* memDateinfo_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
};

}  // namespace gd::ui
