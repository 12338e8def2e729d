// The diagram from the main window: MEN_DIAGRAMM, its tool button
// SB_ShowDiagramm and the double-click action "&Diagramm".
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QStyle>

#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "app/ui/WindowGeometry.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "view/ui/DiagrammDlg.h"

namespace gd::ui {

void TVELTRIXMAIN::CreateDiagramAction() {
  menDiagram_ = seriesMenu_->addAction(FromAnsi(Translate("&Diagramm")));
  menDiagram_->setObjectName("MEN_DIAGRAMM");
  menDiagram_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  menDiagram_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  connect(menDiagram_, &QAction::triggered, this, &TVELTRIXMAIN::ShowDiagram);
}

void TVELTRIXMAIN::ShowDiagram() {
  const int series = SeriesForViewer();
  if (series == 0) return;
  if (!diagram_) {
    diagram_ = new TDLG_Diagramm(this);
    RememberDialogSize(*diagram_, layout_, "Diagram");
    diagram_->SetConfiguration(GraphColorsStore::Store(graphColors_));
  }
  diagram_->SetLocale(locale_);
  diagram_->SetLanguage(Dictionary::Instance().Language());
  diagram_->SetSource(document_->Converter(), series);
  const std::string name = document_->WindowName();
  diagram_->setWindowTitle(FromAnsi(name) + "[" + QString::number(series) + "]");
  diagram_->Build();
  diagram_->exec();
}

}  // namespace gd::ui
