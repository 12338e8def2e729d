#include "view/ui/DualListDlg.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {
TDualListDlg::TDualListDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("DualListDlg");
  SetHelpTopic(this, help::kSelection);
  setWindowTitle(FromAnsi(SeriesSelectionModel::Caption()));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the height follows the picker

  rbAll_ = new QRadioButton(this);
  rbAll_->setObjectName("RB_Alle");
  rbSelected_ = new QRadioButton(this);
  rbSelected_->setObjectName("RB_Selektierte");
  rbPick_ = new QRadioButton(Tr("Aus&waehlen..."), this);
  rbPick_->setObjectName("RB_Auswahl");
  for (QRadioButton* rb : {rbAll_, rbSelected_, rbPick_}) {
    layout->addWidget(rb);
    connect(rb, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ChoiceChanged();
    });
  }
  // A double click on "all" or "selected" acts as OK.
  rbAll_->installEventFilter(this);
  rbSelected_->installEventFilter(this);

  picker_ = new QWidget(this);
  auto* grid = new QGridLayout(picker_);
  grid->setContentsMargins(0, 0, 0, 4);
  srcList_ = new QListWidget(picker_);
  srcList_->setObjectName("SrcList");
  dstList_ = new QListWidget(picker_);
  dstList_->setObjectName("DstList");
  for (QListWidget* list : {srcList_, dstList_}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumHeight(160);
  }
  auto* srcLabel = new QLabel(Tr("&Messwertreihen:"), picker_);
  srcLabel->setObjectName("SrcLabel");
  srcLabel->setBuddy(srcList_);
  auto* dstLabel = new QLabel(Tr("Aus&geben:"), picker_);
  dstLabel->setObjectName("DstLabel");
  dstLabel->setBuddy(dstList_);
  auto* buttons = new QVBoxLayout;
  const auto makeButton = [&](QPushButton*& button, const char* name, const char* caption,
                              void (TDualListDlg::*click)()) {
    button = new QPushButton(QString::fromLatin1(caption), picker_);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
  };
  buttons->addStretch();
  makeButton(includeBtn_, "IncludeBtn", ">", &TDualListDlg::IncludeBtnClick);
  makeButton(incAllBtn_, "IncAllBtn", ">>", &TDualListDlg::IncAllBtnClick);
  makeButton(excludeBtn_, "ExcludeBtn", "<", &TDualListDlg::ExcludeBtnClick);
  makeButton(exAllBtn_, "ExAllBtn", "<<", &TDualListDlg::ExAllBtnClick);
  setTabOrder(exAllBtn_, dstList_);  // the tab key goes left to right: list, moves, list
  buttons->addStretch();
  grid->addWidget(srcLabel, 0, 0);
  grid->addWidget(dstLabel, 0, 2);
  grid->addWidget(srcList_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addWidget(dstList_, 1, 2);
  layout->addWidget(picker_);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(box);
}

void TDualListDlg::Prepare(const std::vector<SeriesListItem>& items) {
  model_.Prepare(items);
  rbAll_->setText(FromAnsi(model_.AllCaption()));
  rbSelected_->setText(FromAnsi(model_.SelectedCaption()));
  rbSelected_->setVisible(model_.SelectedChoiceVisible());
  const QSignalBlocker a(rbAll_), s(rbSelected_), p(rbPick_);
  (model_.GetChoice() == SeriesSelectionModel::Choice::kSelected ? rbSelected_ : rbAll_)
      ->setChecked(true);
  ChoiceChanged();
}

void TDualListDlg::ChoiceChanged() {
  using Choice = SeriesSelectionModel::Choice;
  model_.SetChoice(rbPick_->isChecked()       ? Choice::kPick
                   : rbSelected_->isChecked() ? Choice::kSelected
                                              : Choice::kAll);
  picker_->setVisible(model_.PickerVisible());
  FillLists();
}

void TDualListDlg::FillLists() {
  const auto fill = [](QListWidget* list, const std::vector<SeriesListItem>& items) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const SeriesListItem& item : items) {
      auto* row = new QListWidgetItem(FromAnsi(item.caption), list);
      row->setSelected(item.selected);
    }
  };
  fill(srcList_, model_.Source());
  fill(dstList_, model_.Destination());
  // Both lists are wide enough for the widest caption (number, start and
  // measuring points) without scrolling sideways.
  int widest = 0;
  for (const auto* items : {&model_.Source(), &model_.Destination()})
    for (const SeriesListItem& item : *items)
      widest = std::max(widest, srcList_->fontMetrics().horizontalAdvance(FromAnsi(item.caption)));
  const int width = widest + 2 * srcList_->frameWidth() +
                    srcList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
  for (QListWidget* list : {srcList_, dstList_}) list->setMinimumWidth(std::max(width, 120));
  includeBtn_->setEnabled(model_.IncludeEnabled());
  incAllBtn_->setEnabled(model_.IncludeEnabled());
  excludeBtn_->setEnabled(model_.ExcludeEnabled());
  exAllBtn_->setEnabled(model_.ExcludeEnabled());
}

// The lists' selections go to the model before every move.
void TDualListDlg::TakeSelections() {
  for (int i = 0; i < srcList_->count(); ++i)
    model_.SetSourceSelected(static_cast<std::size_t>(i), srcList_->item(i)->isSelected());
  for (int i = 0; i < dstList_->count(); ++i)
    model_.SetDestinationSelected(static_cast<std::size_t>(i), dstList_->item(i)->isSelected());
}

void TDualListDlg::IncludeBtnClick() {
  TakeSelections();
  model_.Include();
  FillLists();
}

void TDualListDlg::IncAllBtnClick() {
  model_.IncludeAll();
  FillLists();
}

void TDualListDlg::ExcludeBtnClick() {
  TakeSelections();
  model_.Exclude();
  FillLists();
}

void TDualListDlg::ExAllBtnClick() {
  model_.ExcludeAll();
  FillLists();
}

bool TDualListDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick &&
      (watched == rbAll_ || watched == rbSelected_)) {
    static_cast<QRadioButton*>(watched)->setChecked(true);
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace gd::ui
