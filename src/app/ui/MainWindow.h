// The main window: owns the open measurement file and the series list.
#pragma once

#include <QMainWindow>

class QAction;

namespace gd::ui {

class TVELTRIXMAIN : public QMainWindow {
  Q_OBJECT
public:
  explicit TVELTRIXMAIN(QWidget* parent = nullptr);

  QAction* MEN_Exit() const { return menExit_; }

private:
  void CreateMenus();

  QAction* menExit_ = nullptr;
};

}  // namespace gd::ui
