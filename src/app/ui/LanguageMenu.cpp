#include "app/ui/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/InterfaceLanguage.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/Dictionary.h"
#include "app/ui/FlagImages.h"
#include "app/ui/FormTranslator.h"
#include "app/ui/HelpBrowser.h"
#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {
namespace {

constexpr const char* kFlagNames[] = {"POPFLAG_German", "POPFLAG_England", "POPFLAG_Danemark",
                                      "POPFLAG_France"};

// The language selection dialog: the four languages, the current one chosen.
// Returns the chosen language number, 0 when cancelled.
int ChooseLanguage(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("LanguageDialog");
  dialog.setWindowTitle(FromAnsi(Dictionary::Instance().State().LanguageMenuCaption()));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setObjectName("LBX_Sprachen");
  for (const InterfaceLanguage& language : InterfaceLanguages()) {
    auto* item =
        new QListWidgetItem(FlagIcon(FlagImage(language.primary)), FromAnsi(language.name), list);
    item->setData(Qt::UserRole, language.number);
    if (language.number == Dictionary::Instance().Language()) list->setCurrentItem(item);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) return 0;
  return list->currentItem()->data(Qt::UserRole).toInt();
}

}  // namespace

LanguageMenu::LanguageMenu(QMainWindow* window) : QObject(window), window_(window) {
  setObjectName("LanguageMenu");
  menu_ = window->menuBar()->addMenu(QString());
  menu_->setObjectName("MEN_Hilfe");
  // The menu and the language button belong to the menu bar, whose chain of
  // owners does not lead to this class: Refresh sets their texts itself.
  SetFixedText(menu_->menuAction());
  menSprache_ = new QAction(FromAnsi(Dictionary::Instance().State().LanguageMenuCaption()), this);
  menSprache_->setObjectName("MEN_Sprache");
  SetFixedText(menSprache_);  // its caption follows the dictionary's state
  connect(menSprache_, &QAction::triggered, this, &LanguageMenu::MEN_SpracheClick);
  menu_->addAction(menSprache_);
  menu_->addSeparator();
  menHelp_ = new QAction(tr("In&halt"), this);
  menHelp_->setObjectName("MEN_HilfeInhalt");
  // F1 is context help in every window (InstallContextHelp); in the main
  // window it opens the contents too.
  menHelp_->setShortcut(QKeySequence::HelpContents);
  connect(menHelp_, &QAction::triggered, this, &LanguageMenu::MEN_HilfeInhaltClick);
  menu_->addAction(menHelp_);
  about_ = new QAction(tr("&Info..."), this);
  about_->setObjectName("About1");
  connect(about_, &QAction::triggered, this, &LanguageMenu::About1Click);
  menu_->addAction(about_);

  // The language button: its flag shows the current language, its popup
  // switches directly.
  auto* popup = new QMenu(window);
  popup->setObjectName("POP_Flags");
  auto* group = new QActionGroup(this);
  for (const InterfaceLanguage& language : InterfaceLanguages()) {
    QAction* flag =
        new QAction(FlagIcon(FlagImage(language.primary)), FromAnsi(language.name), this);
    flag->setObjectName(kFlagNames[language.number - 1]);
    flag->setData(language.number);  // the tag
    flag->setCheckable(true);
    SetFixedText(flag);  // language names stand in their own language
    group->addAction(flag);
    popup->addAction(flag);
    const int tag = language.number;
    connect(flag, &QAction::triggered, this, [tag] { Dictionary::Instance().SetLanguage(tag); });
    flags_[static_cast<std::size_t>(language.number - 1)] = flag;
  }
  button_ = new QToolButton(window->menuBar());
  button_->setObjectName("TB_Language");
  button_->setAutoRaise(true);
  button_->setPopupMode(QToolButton::MenuButtonPopup);
  button_->setMenu(popup);
  SetFixedText(button_);
  connect(button_, &QToolButton::clicked, this, &LanguageMenu::MEN_SpracheClick);
  window->menuBar()->setCornerWidget(button_, Qt::TopRightCorner);
  InstallContextHelp();
  Refresh();
}

QAction* LanguageMenu::Flag(int tag) const {
  if (tag < 1 || tag > 4) return nullptr;
  return flags_[static_cast<std::size_t>(tag - 1)];
}

void LanguageMenu::Refresh() {
  const Dictionary& dictionary = Dictionary::Instance();
  const int image = FlagImage(dictionary.Primary());
  button_->setIcon(image >= 0 ? FlagIcon(image) : QIcon());
  if (QAction* flag = Flag(dictionary.Language())) flag->setChecked(true);
  menSprache_->setText(FromAnsi(dictionary.State().LanguageMenuCaption()));
  menu_->setTitle(tr("&Hilfe"));
  button_->setToolTip(tr("Sprache der Oberflaeche"));
  menHelp_->setVisible(ManualAvailable());
}

void LanguageMenu::MEN_SpracheClick() {
  const int number = ChooseLanguage(window_);
  if (number > 0) Dictionary::Instance().SetLanguage(number);
}

void LanguageMenu::MEN_HilfeInhaltClick() { ShowHelpTopic(help::kContents, window_); }

void LanguageMenu::About1Click() { ShowAboutBox(window_); }

}  // namespace gd::ui
