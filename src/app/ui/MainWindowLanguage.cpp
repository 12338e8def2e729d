// The main window's part in the interface language: its language and help
// commands and the retranslation after a language change.
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>

#include "app/Edition.h"
#include "app/InterfaceLanguage.h"
#include "app/MainWindowModel.h"
#include "app/SeriesList.h"
#include "app/ui/Dictionary.h"
#include "app/ui/FormTranslator.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainWindow.h"
#include "convert/VXASCIIOUT.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {

void TVELTRIXMAIN::CreateLanguageMenu() {
  // The main window is made first and lives longest: it starts the
  // dictionary. Its texts are still German here, the source language.
  Dictionary::Instance().Activate();
  languageMenu_ = new ui::LanguageMenu(this);
  // Texts the window sets from its state are refreshed by RetranslateUi.
  SetFixedText(seriesLabel_);
  SetFixedText(detailsLabel_);
  SetFixedText(seriesMenu_->menuAction());
}

void TVELTRIXMAIN::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QMainWindow::changeEvent(event);
}

void TVELTRIXMAIN::RetranslateUi() {
  RetranslateForm(this, metaObject()->className());
  if (languageMenu_ != nullptr) languageMenu_->Refresh();
  // Dates, times and the decimal separator follow the language.
  locale_ = LocaleOfLanguage(Dictionary::Instance().Language());
  document_->SetLocale(locale_);
  document_->List().Refill();
  RefillSeriesList();  // the rows and their selection stay
  seriesLabel_->setText(FromAnsi(SeriesLabelText(document_->IsOpen(), document_->Received())));
  UpdateCaption();
  SelectionChanged();  // series menu caption, details label and panel
}

}  // namespace gd::ui
