#include "convert/ui/TextOutOptioDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {
namespace {

using Check = OutputOptionsModel::Check;

// The German source texts (Windows-1252), through the program's dictionary.

// Spin_cEdiSize: the arrows and the arrow keys change the value, typing does not.
class StepOnlySpinBox final : public QSpinBox {
 public:
  explicit StepOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

QGroupBox* Group(const char* name, const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QString::fromLatin1(name));
  return group;
}

}  // namespace

TTextOutOptioDlg::TTextOutOptioDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("TextOutOptioDlg");
  SetHelpTopic(this, help::kTextOptions);
  setWindowTitle(Tr("Einstellungen f\xFCr Textausgabe"));

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(CreateDecimalGroup());
  left->addWidget(CreateSeparatorGroup());
  left->addWidget(CreateTemperatureGroup());
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(CreateQuantityGroup());
  right->addWidget(CreateParameterSetGroup());
  right->addWidget(CreateLanguageGroup());
  right->addStretch(1);
  columns->addLayout(left);
  columns->addLayout(right);
  // Made in the order the tab key walks them: the groups above, the
  // options below them, then the buttons from left to right.
  QWidget* other = CreateOtherGroup();

  setDefaultBtn_ = new QPushButton(Tr("Set Default"), this);
  setDefaultBtn_->setObjectName("SetDefaultBtn");
  okBtn_ = new QPushButton(Tr("OK"), this);
  okBtn_->setObjectName("OKBtn");
  okBtn_->setDefault(true);
  cancelBtn_ = new QPushButton(Tr("&Abbruch"), this);
  cancelBtn_->setObjectName("CancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(setDefaultBtn_);
  buttons->addStretch(1);
  buttons->addWidget(okBtn_);
  buttons->addWidget(cancelBtn_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(other);
  layout->addLayout(buttons);

  ConnectControls();
  Refresh();
}

QRadioButton* TTextOutOptioDlg::MakeRadio(const char* name, const QString& caption,
                                          QWidget* parent) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QCheckBox* TTextOutOptioDlg::MakeCheck(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QWidget* TTextOutOptioDlg::CreateDecimalGroup() {
  QGroupBox* group = Group("GRP_DezimalTrenner", Tr("Trenner-Dezimal"), this);
  rbKommaWindows_ = MakeRadio("RB_KommaWindows", Tr("&Windows"), group);
  rbPunkt_ = MakeRadio("RB_Punkt", Tr("&Punkt    (9.9)"), group);
  rbKomma_ = MakeRadio("RB_Komma", Tr("&Komma (9,9)"), group);
  auto* sizeLabel = new QLabel(Tr("Zeichen pro Zahl"), group);
  spinCEdiSize_ = new StepOnlySpinBox(group);
  spinCEdiSize_->setObjectName("Spin_cEdiSize");
  spinCEdiSize_->setRange(OutputOptionsModel::ColLengthMin(), OutputOptionsModel::ColLengthMax());
  sizeLabel->setBuddy(spinCEdiSize_);

  auto* grid = new QGridLayout(group);
  grid->addWidget(rbKommaWindows_, 0, 0);
  grid->addWidget(rbPunkt_, 1, 0);
  grid->addWidget(rbKomma_, 2, 0);
  grid->addWidget(sizeLabel, 1, 1);
  grid->addWidget(spinCEdiSize_, 2, 1);
  grid->setColumnStretch(0, 1);
  return group;
}

QWidget* TTextOutOptioDlg::CreateSeparatorGroup() {
  QGroupBox* group = Group("GRP_SpaltenTrenner", Tr("Trenner-Spalten"), this);
  rbColSepaSemikolon_ = MakeRadio("RB_ColSepaSemikolon", Tr("Semikolon (&;)"), group);
  rbColSepaTabulator_ = MakeRadio("RB_ColSepaTabulator", Tr("&Tabulator"), group);
  rbColSepaLeerzeichen_ = MakeRadio("RB_ColSepaLeerzeichen", Tr("Leerzeichen "), group);
  rbColSepaAnderer_ = MakeRadio("RB_ColSepaAnderer", Tr("Anderer"), group);
  edOtherSepa_ = new QLineEdit(group);
  edOtherSepa_->setObjectName("ED_OtherSepa");
  edOtherSepa_->setMaxLength(1);
  edOtherSepa_->setFixedWidth(edOtherSepa_->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) +
                              12);
  // The row keeps its place while the field is hidden.
  QSizePolicy policy = edOtherSepa_->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  edOtherSepa_->setSizePolicy(policy);

  auto* grid = new QGridLayout(group);
  grid->addWidget(rbColSepaSemikolon_, 0, 0);
  grid->addWidget(rbColSepaTabulator_, 1, 0);
  grid->addWidget(rbColSepaLeerzeichen_, 2, 0);
  grid->addWidget(rbColSepaAnderer_, 3, 0);
  grid->addWidget(edOtherSepa_, 3, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* TTextOutOptioDlg::CreateQuantityGroup() {
  QGroupBox* group = Group("GRP_Mengenzaehlung", Tr("Spalten Mengenzaehlung"), this);
  rbMengeUnterdruecken_ = MakeRadio("RB_MengeUnterdruecken", Tr("unterdruecken"), group);
  rbMengeNurGespeichert_ =
      MakeRadio("RB_MengeNurGespeichert", Tr("nur f\xFCr gespeicherte &Mengen"), group);
  rbMengeAlwayS_ = MakeRadio("RB_MengeAlwayS", Tr("immer erzeugen"), group);
  cbSeprateQuantCols_ =
      MakeCheck("CB_SeprateQuantCols", Tr("separate Spalten  (Q_Pos;Q_Neg)"), group);
  auto* box = new QVBoxLayout(group);
  box->addWidget(rbMengeUnterdruecken_);
  box->addWidget(rbMengeNurGespeichert_);
  box->addWidget(rbMengeAlwayS_);
  box->addWidget(cbSeprateQuantCols_);
  return group;
}

QWidget* TTextOutOptioDlg::CreateTemperatureGroup() {
  QGroupBox* group = Group("GRP_Temperatur", Tr("Spalten Temperatur"), this);
  rbTempIfStored_ = MakeRadio("RB_TempIfStored", Tr("nur wenn gespeichert"), group);
  rbTempAllIfStored_ = MakeRadio("RB_TempAllIfStored", Tr("alle, wenn eine gespeichert"), group);
  auto* box = new QVBoxLayout(group);
  box->addWidget(rbTempIfStored_);
  box->addWidget(rbTempAllIfStored_);
  return group;
}

QWidget* TTextOutOptioDlg::CreateParameterSetGroup() {
  QGroupBox* group = Group("GRP_ParaSatz", Tr("Parametersatz"), this);
  auto* box = new QVBoxLayout(group);
  const auto add = [&](Check check, const char* name, const QString& caption) {
    QCheckBox* widget = MakeCheck(name, caption, group);
    checks_[static_cast<int>(check)] = widget;
    box->addWidget(widget);
  };
  add(Check::ParaShowAllData, "CB_ParaShowAllData", Tr("&Alle Daten ausgeben"));
  add(Check::ParaDelimited, "CB_ParaDelimited", Tr("Parametersatz in H&ochkommas  (\"...\")"));
  add(Check::PSnebenPS, "CB_PSnebenPS", Tr("Parametersaetze &nebeneinander (MUX)"));
  return group;
}

QWidget* TTextOutOptioDlg::CreateOtherGroup() {
  QGroupBox* group = Group("GRP_Sonstiges", Tr("Sonstiges"), this);
  auto* grid = new QGridLayout(group);
  int index = 0;
  const auto add = [&](Check check, const char* name, const QString& caption) {
    QCheckBox* widget = MakeCheck(name, caption, group);
    checks_[static_cast<int>(check)] = widget;
    // Two columns, filled top to bottom.
    grid->addWidget(widget, index % 4, index / 4);
    ++index;
  };
  add(Check::MakeHeadlines, "CB_MakeHeadlines", Tr("&Ueberschriften erzeugen"));
  add(Check::Date, "CB_Date", Tr("Spalte fuer Datum erzeugen"));
  add(Check::Time, "CB_Time", Tr("Spalte fuer &Zeit erzeugen"));
  add(Check::ShowVeloc, "CB_ShowVeloc", Tr("Spalte fuer &Stroemungswert [m/s] erzeugen"));
  add(Check::TrimStrings, "CB_TrimStrings", Tr("&Leerzeichen in allen Spalten unterdruecken"));
  add(Check::WrComments, "CB_WrComments", Tr("&Bemerkungen ausgeben"));
  add(Check::DOSSonderzeichen, "CB_DOSSonderzeichen",
      Tr("DOS-Sonderzeichen ausgeben (\xE4\xF6\xFC\xDF...)"));
  return group;
}

QWidget* TTextOutOptioDlg::CreateLanguageGroup() {
  QGroupBox* group = Group("GRP_Sprache", Tr("Sp&rache"), this);
  cbSprache_ = new QComboBox(group);
  cbSprache_->setObjectName("CB_Sprache");
  cbSprache_->setEditable(false);
  cbSprache_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* box = new QVBoxLayout(group);
  box->addWidget(cbSprache_);
  return group;
}

void TTextOutOptioDlg::ConnectControls() {
  using Decimal = OutputOptionsModel::DecimalChoice;
  using Separator = OutputOptionsModel::SeparatorChoice;
  using Quantity = OutputOptionsModel::QuantityChoice;
  using Temperature = OutputOptionsModel::TemperatureChoice;

  // Radio buttons report the one that became checked. While Refresh() sets
  // the widgets, their signals are not the user's and are ignored.
  const auto onChecked = [this](QRadioButton* button, auto action) {
    connect(button, &QRadioButton::toggled, this, [this, action](bool checked) {
      if (!checked || refreshing_) return;
      action();
      Refresh();
    });
  };
  onChecked(rbKommaWindows_, [this] { model_.ChooseDecimal(Decimal::Windows); });
  onChecked(rbPunkt_, [this] { model_.ChooseDecimal(Decimal::Point); });
  onChecked(rbKomma_, [this] { model_.ChooseDecimal(Decimal::Comma); });
  onChecked(rbColSepaSemikolon_, [this] { model_.ChooseSeparator(Separator::Semicolon); });
  onChecked(rbColSepaTabulator_, [this] { model_.ChooseSeparator(Separator::Tab); });
  onChecked(rbColSepaLeerzeichen_, [this] { model_.ChooseSeparator(Separator::Space); });
  onChecked(rbColSepaAnderer_, [this] { model_.ChooseSeparator(Separator::Other); });
  onChecked(rbMengeUnterdruecken_, [this] { model_.ChooseQuantity(Quantity::Suppress); });
  onChecked(rbMengeNurGespeichert_, [this] { model_.ChooseQuantity(Quantity::OnlyStored); });
  onChecked(rbMengeAlwayS_, [this] { model_.ChooseQuantity(Quantity::Always); });
  onChecked(rbTempIfStored_, [this] { model_.ChooseTemperature(Temperature::IfStored); });
  onChecked(rbTempAllIfStored_, [this] { model_.ChooseTemperature(Temperature::AllIfStored); });

  connect(cbSeprateQuantCols_, &QCheckBox::toggled, this, [this](bool checked) {
    if (refreshing_) return;
    model_.ClickSeprateQuantCols(checked);
    Refresh();
  });
  for (int i = 0; i < OutputOptionsModel::kCheckCount; ++i) {
    connect(checks_[i], &QCheckBox::toggled, this, [this, i](bool checked) {
      if (refreshing_) return;
      model_.SetChecked(static_cast<Check>(i), checked);
      Refresh();
    });
  }
  connect(spinCEdiSize_, &QSpinBox::valueChanged, this, [this](int value) {
    if (refreshing_) return;
    model_.SetColLength(value);
    Refresh();
  });
  connect(edOtherSepa_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (refreshing_) return;
    model_.SetOtherSepaText(ToAnsi(text));
    Refresh();
  });
  connect(cbSprache_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (refreshing_) return;
    model_.SelectLanguage(index);
    Refresh();
  });

  connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
  connect(setDefaultBtn_, &QPushButton::clicked, this, &TTextOutOptioDlg::SetDefault);
}

void TTextOutOptioDlg::Load(const TextOutputOptions& options,
                            const std::vector<std::string>* languageList) {
  model_.Load(options, languageList);
  if (languageList) {
    const QSignalBlocker block(cbSprache_);
    cbSprache_->clear();
    for (const std::string& line : model_.LanguageLines()) cbSprache_->addItem(FromAnsi(line));
  }
  Refresh();
}

void TTextOutOptioDlg::SetDefault() {
  model_.SetDefault();
  Refresh();
}

void TTextOutOptioDlg::Refresh() {
  using Decimal = OutputOptionsModel::DecimalChoice;
  using Separator = OutputOptionsModel::SeparatorChoice;
  using Quantity = OutputOptionsModel::QuantityChoice;
  using Temperature = OutputOptionsModel::TemperatureChoice;

  // Setting the widgets below must not reach the model as user changes.
  const QScopedValueRollback<bool> guard(refreshing_, true);

  const auto set = [](QAbstractButton* button, bool checked) { button->setChecked(checked); };
  set(rbKommaWindows_, model_.Decimal() == Decimal::Windows);
  set(rbPunkt_, model_.Decimal() == Decimal::Point);
  set(rbKomma_, model_.Decimal() == Decimal::Comma);
  spinCEdiSize_->setValue(model_.ColLength());

  set(rbColSepaSemikolon_, model_.Separator() == Separator::Semicolon);
  set(rbColSepaTabulator_, model_.Separator() == Separator::Tab);
  set(rbColSepaLeerzeichen_, model_.Separator() == Separator::Space);
  set(rbColSepaAnderer_, model_.Separator() == Separator::Other);
  const QString sepa = FromAnsi(model_.OtherSepaText());
  if (edOtherSepa_->text() != sepa) edOtherSepa_->setText(sepa);
  edOtherSepa_->setVisible(model_.OtherSepaVisible());

  set(rbMengeUnterdruecken_, model_.Quantity() == Quantity::Suppress);
  set(rbMengeNurGespeichert_, model_.Quantity() == Quantity::OnlyStored);
  set(rbMengeAlwayS_, model_.Quantity() == Quantity::Always);
  set(cbSeprateQuantCols_, model_.SeprateQuantColsChecked());
  cbSeprateQuantCols_->setEnabled(model_.SeprateQuantColsEnabled());

  set(rbTempIfStored_, model_.Temperature() == Temperature::IfStored);
  set(rbTempAllIfStored_, model_.Temperature() == Temperature::AllIfStored);

  for (int i = 0; i < OutputOptionsModel::kCheckCount; ++i)
    set(checks_[i], model_.Checked(static_cast<Check>(i)));

  cbSprache_->setCurrentIndex(model_.LanguageIndex());

  if (model_.TakeOtherSepaFocusRequest() && edOtherSepa_->isVisible()) {
    edOtherSepa_->setFocus(Qt::OtherFocusReason);
    edOtherSepa_->selectAll();
  }
}

bool ExecTextOutputDialog(QWidget* parent, TextOutputOptions& options,
                          const std::vector<std::string>& languageList) {
  TTextOutOptioDlg dialog(parent);
  dialog.Load(options, &languageList);
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Store();
  return true;
}

}  // namespace gd::ui
