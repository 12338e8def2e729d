// TDLG_ShowMemoLines: the general text window. Callers fill the memo and set
// the caption; it shows parameter sets, the file details and device tables.
// The memo's popup menu chooses its font (taking effect while the font dialog
// is open; Cancel restores the previous font; a chosen font is announced so
// that it can be kept) and its background colour.
#pragma once

#include <QDialog>
#include <QFont>

#include <string>
#include <vector>

#include "core/HelpTopics.h"

class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace gd::ui {

class TDLG_ShowMemoLines : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_ShowMemoLines(QWidget* parent = nullptr);

  // Replaces the memo's text by `lines` (Windows-1252 byte strings).
  void SetLines(const std::vector<std::string>& lines);
  // The topic of this window and its "Hilfe" button (core/HelpTopics.h).
  void SetHelpTopic(int topic);

  QPlainTextEdit* Memo() const { return memo_; }
  QPushButton* BUT_OK() const { return butOk_; }
  QPushButton* BUT_HELP() const { return butHelp_; }

  void FONT1Click();
  void COLOR1Click();

 signals:
  void FontChosen(const QFont& font);

 protected:
  // Room above the memo for the header panel of derived windows.
  QVBoxLayout* MainLayout() const { return layout_; }

 private:
  QVBoxLayout* layout_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* butOk_ = nullptr;
  QPushButton* butHelp_ = nullptr;
  int helpTopic_ = help::kContents;
};

}  // namespace gd::ui
