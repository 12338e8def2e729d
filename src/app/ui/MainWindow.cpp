#include "app/ui/MainWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>

#include "app/Edition.h"

namespace gd::ui {

TVELTRIXMAIN::TVELTRIXMAIN(QWidget* parent) : QMainWindow(parent) {
  setObjectName("VELTRIXMAIN");
  setWindowTitle(QString::fromLatin1(CurrentEdition().programName));
  CreateMenus();
  statusBar();
  resize(800, 500);
}

void TVELTRIXMAIN::CreateMenus() {
  QMenu* fileMenu = menuBar()->addMenu(tr("&Datei"));
  fileMenu->setObjectName("MEN_File");
  menExit_ = fileMenu->addAction(tr("&Beenden"));
  menExit_->setObjectName("MEN_Exit");
  connect(menExit_, &QAction::triggered, this, &QWidget::close);
}

}  // namespace gd::ui
