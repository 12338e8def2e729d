// The main window's information commands: the series information of the
// selected series ("&Info", also the double-click action) and the file
// information with the file's remarks ("&Informationen").
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/Edition.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "view/InfoTexts.h"
#include "view/ui/ChanInfoDlg.h"
#include "view/ui/DateiInfoDlg.h"

namespace gd::ui {
namespace {

// Inserts `action` into `menu` right after `after` (at the end without it).
void InsertAfter(QMenu* menu, QAction* after, QAction* action) {
  const QList<QAction*> actions = menu->actions();
  const qsizetype i = actions.indexOf(after);
  menu->insertAction(i >= 0 ? actions.value(i + 1) : nullptr, action);
}

}  // namespace

void TVELTRIXMAIN::CreateInfoCommands() {
  menFileInfo_ = new QAction(Tr("&Informationen"), this);
  menFileInfo_->setObjectName("MEN_DatiInformationen");
  connect(menFileInfo_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_DatiInformationenClick);
  InsertAfter(fileMenu_, menSaveFile_, menFileInfo_);

  menSeriesInfo_ = new QAction(Tr("&Info"), this);
  menSeriesInfo_->setObjectName("MEN_MWINFO");
  menSeriesInfo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
  connect(menSeriesInfo_, &QAction::triggered, this, &TVELTRIXMAIN::MEN_MWINFOClick);
  seriesMenu_->insertAction(menParameterSets_, menSeriesInfo_);
}

void TVELTRIXMAIN::MEN_MWINFOClick() {
  if (!document_->IsOpen() || !document_->File().IsOpen()) {
    messages_->Show(MessageKind::Information, Translate(kNoSeriesAvailableText));
    return;
  }
  if (document_->SeriesCount() <= 0) {
    messages_->Show(MessageKind::Information, Translate(kNoSeriesContainedText));
    return;
  }
  const int selected = SelectedSeriesNumber();
  const int n = selected > 0 ? selected : 1;
  const TSeriesDescription* series = document_->File().Row(n).Description();
  if (!series || series->channelCount == 0) {
    messages_->Show(MessageKind::Error, kBadBytesText);
    return;
  }
  TChanInfoDlg dialog(this);
  const std::string name = document_->DisplayName();
  dialog.setWindowTitle(
      FromAnsi(ChannelInfoCaption(ToAnsi(QFileInfo(FromAnsi(name)).fileName()), n)));
  dialog.Prepare(*series, document_->Converter()->Parsed(), locale_, 0);
  dialog.exec();
  selectedChannel_ = dialog.Channel();
}

void TVELTRIXMAIN::MEN_DatiInformationenClick() {
  CommitComment();
  const bool hasSeries = CommandStates(State()).save;
  TDLG_DateiInfo dialog(this);
  CommentSet& comments = document_->Comments();
  dialog.Prepare(document_->Converter(), document_->CurrentFileName(), hasSeries,
                 document_->Received(), document_->DisplayName(), comments.fileCommentField,
                 kShippedEdition, locale_);
  dialog.exec();
  // The remarks are kept whichever button closed the dialog, as the field
  // itself would keep them.
  if (hasSeries) comments.fileCommentField = dialog.Remarks();
}

}  // namespace gd::ui
