#include "view/ui/YscalingDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {

TDLG_Yscaling::TDLG_Yscaling(QWidget* parent) : QDialog(parent) {
  setObjectName("TDLG_Yscaling");
  SetHelpTopic(this, help::kDiagramScaling);
  auto* layout = new QVBoxLayout(this);
  cbAuto_ = new QCheckBox(Tr("Automatic"), this);
  cbAuto_->setObjectName("CB_AutoScale");
  layout->addWidget(cbAuto_);
  auto* grid = new QGridLayout;
  // Made row by row, the order the tab key walks them.
  ediMax_ = new QLineEdit(this);
  ediMax_->setObjectName("EDI_YMAX");
  butMax_ = new QPushButton(this);
  butMax_->setObjectName("BUT_CurrMax");
  ediMin_ = new QLineEdit(this);
  ediMin_->setObjectName("EDI_YMIN");
  butMin_ = new QPushButton(this);
  butMin_->setObjectName("BUT_CurrMin");
  auto* maxLabel = new QLabel(QStringLiteral("M&ax"), this);
  maxLabel->setBuddy(ediMax_);
  auto* minLabel = new QLabel(QStringLiteral("M&in"), this);
  minLabel->setBuddy(ediMin_);
  grid->addWidget(maxLabel, 0, 0);
  grid->addWidget(ediMax_, 0, 1);
  grid->addWidget(butMax_, 0, 2);
  grid->addWidget(minLabel, 1, 0);
  grid->addWidget(ediMin_, 1, 1);
  grid->addWidget(butMin_, 1, 2);
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (OKBtnClick()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cbAuto_, &QCheckBox::toggled, this, &TDLG_Yscaling::AutoChanged);
  connect(butMin_, &QPushButton::clicked, this, [this] { ediMin_->setText(butMin_->text()); });
  connect(butMax_, &QPushButton::clicked, this, [this] { ediMax_->setText(butMax_->text()); });
}

void TDLG_Yscaling::Load(const AxisScale& axis, const std::string& axisName, const Locale& locale) {
  axis_ = axis;
  locale_ = locale;
  const YScalingForm f = OpenYScaling(axis, axisName, locale);
  setWindowTitle(FromAnsi(f.caption));
  cbAuto_->setChecked(f.automatic);
  ediMin_->setText(FromAnsi(f.minText));
  ediMax_->setText(FromAnsi(f.maxText));
  butMin_->setText(FromAnsi(f.dataMinText));
  butMax_->setText(FromAnsi(f.dataMaxText));
  AutoChanged();
}

void TDLG_Yscaling::AutoChanged() {
  const bool manual = !cbAuto_->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(ediMin_), static_cast<QWidget*>(ediMax_),
                     static_cast<QWidget*>(butMin_), static_cast<QWidget*>(butMax_)})
    w->setEnabled(manual);
}

bool TDLG_Yscaling::OKBtnClick() {
  YScalingForm f;
  f.automatic = cbAuto_->isChecked();
  f.minText = ToAnsi(ediMin_->text());
  f.maxText = ToAnsi(ediMax_->text());
  AxisScale next = axis_;
  if (auto error = ApplyYScaling(f, next, locale_)) {
    QMessageBox::warning(this, windowTitle(), FromAnsi(*error));
    return false;
  }
  axis_ = next;
  return true;
}

}  // namespace gd::ui
