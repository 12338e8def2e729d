// The language and help commands of the main window: the "Sprache" item and
// its selection dialog, the language tool button with its flags popup, the
// help contents and the about box. The dictionary does the switching; this
// class shows its state.
#pragma once

#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;

namespace gd::ui {

class LanguageMenu : public QObject {
  Q_OBJECT
 public:
  // Adds the help menu (Sprache, In&halt, &Info...) to the window's menu bar
  // and the language button beside it.
  explicit LanguageMenu(QMainWindow* window);

  // After a language change: flag image, check marks, the "Sprache" caption
  // (upper case with an external dictionary) and whether the manual exists.
  void Refresh();

  QAction* MEN_Sprache() const { return menSprache_; }
  QAction* MEN_HilfeInhalt() const { return menHelp_; }
  QAction* About1() const { return about_; }
  QToolButton* TB_Language() const { return button_; }
  // POPFLAG_German, POPFLAG_England, POPFLAG_Danemark, POPFLAG_France.
  QAction* Flag(int tag) const;

  void MEN_SpracheClick();
  void MEN_HilfeInhaltClick();
  void About1Click();

 private:
  QMainWindow* window_;
  QMenu* menu_ = nullptr;
  QAction* menSprache_ = nullptr;
  QAction* menHelp_ = nullptr;
  QAction* about_ = nullptr;
  QToolButton* button_ = nullptr;
  std::array<QAction*, 4> flags_{};
};

}  // namespace gd::ui
