// The table view from the main window: MEN_Tabelle, its tool button and the
// double-click action "&Tabelle".
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "app/ui/FontSettings.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "app/ui/WindowGeometry.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "view/ui/ShowOneParasatz.h"
#include "view/ui/ValuesInGridDlg.h"

namespace gd::ui {

void TVELTRIXMAIN::CreateTableAction() {
  menTable_ = seriesMenu_->addAction(FromAnsi(Translate("&Tabelle")));
  menTable_->setObjectName("MEN_Tabelle");
  menTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
  menTable_->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
  connect(menTable_, &QAction::triggered, this, &TVELTRIXMAIN::ShowValuesTable);
}

void TVELTRIXMAIN::ShowValuesTable() {
  const int series = SeriesForViewer();
  if (series == 0) return;
  if (!valuesInGrid_) {
    valuesInGrid_ = new TDLG_ValuesInGrid(this);
    valuesInGrid_->rememberSaved = [this](const QString& target) { RememberSaved(target); };
    RememberDialogSize(*valuesInGrid_, layout_, "ValuesInGrid");
    valuesInGrid_->SetGridFont(FontFromString(valuesInGrid_->GridFont(), config_.fonts.grid));
    valuesInGrid_->gridFontChosen = [this](const QFont& font) {
      config_.fonts.grid = FontStringOf(font, config_.fonts.grid);
    };
    valuesInGrid_->parameterSetWindowCreated = [this](TDLG_ShowOneParasatz& window) {
      window.Memo()->setFont(FontFromString(window.Memo()->font(), config_.fonts.parameterSet));
      RememberDialogSize(window, layout_, "ParameterSet");
      connect(&window, &TDLG_ShowMemoLines::FontChosen, this, [this](const QFont& font) {
        config_.fonts.parameterSet = FontStringOf(font, config_.fonts.parameterSet);
      });
    };
  }
  const std::string name = document_->WindowName();
  const QString folder = !lastSaveName_.isEmpty()        ? QFileInfo(lastSaveName_).absolutePath()
                         : !config_.lastSavePath.empty() ? FromPath(config_.lastSavePath)
                                                         : QString();
  QStringList saved;
  for (const std::string& entry : history_.saved.Entries()) saved << FromPath(entry);
  valuesInGrid_->SetSaveHistory(saved);
  // The channel chosen in the last series information.
  valuesInGrid_->Prepare(name, document_->Converter(), folder, static_cast<int>(selectedChannel_),
                         series);
  valuesInGrid_->SetColumnWidths(tableColumnWidths_);
  valuesInGrid_->exec();
  tableColumnWidths_ = valuesInGrid_->GetColumnWidths();
  tableColumns_ = valuesInGrid_->GridColumns();
}

}  // namespace gd::ui
