#include "view/ui/ChanInfoDlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "view/InfoTexts.h"

namespace gd::ui {
namespace {

// The physical-quantity names a meter set to German stores in its files. The
// series information passes the stored name through the dictionary, which
// carries these; names of meters set to other languages stay as stored.
[[maybe_unused]] constexpr const char* kGermanQuantityNames[] = {
    QT_TRANSLATE_NOOP("GaugData", "Volumenstrom"), QT_TRANSLATE_NOOP("GaugData", "Geschw."),
    QT_TRANSLATE_NOOP("GaugData", "Massestrom"), QT_TRANSLATE_NOOP("GaugData", "Waermestrom")};

}  // namespace

TChanInfoDlg::TChanInfoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("ChanInfoDlg");
  SetHelpTopic(this, help::kChannelInfo);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int row = 0;
  AddRow(grid, row++, Tr("MESSSTELLE:"), "LB_MESSTELLE", "LBV_MESSTELLE");
  lbKanal_ = new QLabel(Tr("KANAL"), this);
  lbKanal_->setObjectName("LB_KANAL");
  lbvKanal_ = new QLabel(this);
  lbvKanal_->setObjectName("LBV_KANAL");
  combKanal_ = new QComboBox(this);
  combKanal_->setObjectName("Comb_Kanal");
  for (QLabel* l : {lbKanal_, lbvKanal_}) {
    l->installEventFilter(this);
    l->setCursor(Qt::PointingHandCursor);
  }
  connect(combKanal_, &QComboBox::activated, this,
          [this](int index) { SetChannel(static_cast<std::size_t>(index)); });
  auto* channelRow = new QHBoxLayout;
  channelRow->addWidget(lbvKanal_);
  channelRow->addWidget(combKanal_);
  channelRow->addStretch();
  grid->addWidget(lbKanal_, row, 0);
  grid->addLayout(channelRow, row++, 1);
  AddRow(grid, row++, Tr("START:"), "LB_START", "LBV_START");
  AddRow(grid, row++, Tr("DAUER:"), "LB_DAUER", "LBV_DAUER");
  AddRow(grid, row++, Tr("ENDE:"), "LB_ENDE", "LBV_ENDE");
  AddRow(grid, row++, Tr("MESSWERTE:"), "LB_AnzMesswerte", "LBV_AnzMesswerte");
  lbFunction_ = new QLabel(QStringLiteral("FUNCTION"), this);
  lbFunction_->setObjectName("LB_Function");
  grid->addWidget(lbFunction_, row++, 0, 1, 2);
  AddRow(grid, row, Tr("STRECKE:"), "LB_STRECKE", "LBV_STRECKE");
  lbStrecke_ = findChild<QLabel*>("LB_STRECKE");
  grid->addWidget(AddRow(grid, row, QString(), nullptr, "LBV_STRECKE2"), row, 2);
  ++row;
  AddRow(grid, row, Tr("SENSOR:"), "LB_SENSOR", "LBV_SENSOR");
  lbSensor_ = findChild<QLabel*>("LB_SENSOR");
  grid->addWidget(AddRow(grid, row, QString(), nullptr, "LBV_SENSOR2"), row, 2);
  ++row;
  AddRow(grid, row++, Tr("MESSGROESSE:"), "LB_MESSGROESSE", "LBV_MESSGROESSE");
  AddRow(grid, row++, Tr("KLEINSTER WERT:"), "LB_KLEINSTER", "LBV_KLEINSTER");
  lbKleinster_ = findChild<QLabel*>("LB_KLEINSTER");
  AddRow(grid, row++, Tr("GROESSTER WERT:"), "LB_GROESSTER", "LBV_GROESSTER");
  lbGroesster_ = findChild<QLabel*>("LB_GROESSTER");
  layout->addLayout(grid);

  lbEnthalten_ = new QLabel(Tr("ZUSAETZLICHE ABLAGEN:"), this);
  lbEnthalten_->setObjectName("LB_ENTHALTEN");
  memoEnthalten_ = new QPlainTextEdit(this);
  memoEnthalten_->setObjectName("MEMO_ENTHALTEN");
  memoEnthalten_->setReadOnly(true);
  memoEnthalten_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memoEnthalten_->setTabStopDistance(memoEnthalten_->fontMetrics().horizontalAdvance('x') * 4);
  layout->addWidget(lbEnthalten_);
  layout->addWidget(memoEnthalten_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("BUT_OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* help = new QPushButton(Tr("Hilfe"), this);
  help->setObjectName("BUT_HELP");
  connect(help, &QPushButton::clicked, this, [] { RequestHelp(help::kChannelInfo); });
  buttons->addWidget(ok);
  buttons->addWidget(help);
  layout->addLayout(buttons);
}

QLabel* TChanInfoDlg::AddRow(QGridLayout* grid, int row, const QString& caption,
                             const char* captionName, const char* valueName) {
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(captionName);
    grid->addWidget(label, row, 0);
  }
  auto* value = new QLabel(this);
  value->setObjectName(valueName);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  if (!caption.isEmpty()) grid->addWidget(value, row, 1);
  return value;
}

QLabel* TChanInfoDlg::Value(const char* name) const { return findChild<QLabel*>(name); }

void TChanInfoDlg::Prepare(const TSeriesDescription& series, const ParsedStream& parsed,
                           const Locale& locale, std::size_t channel) {
  series_ = &series;
  parsed_ = &parsed;
  locale_ = locale;
  combKanal_->clear();
  for (std::size_t k = 0; k < series.channelCount && k < kMaxChannels; ++k)
    combKanal_->addItem(FromAnsi(std::string(1, static_cast<char>(series.channels[k].letter))));
  SetChannel(channel);
}

void TChanInfoDlg::SetChannel(std::size_t channel) {
  if (!series_ || series_->channelCount == 0) return;
  channel_ = channel < series_->channelCount ? channel : 0;
  Show();
}

void TChanInfoDlg::StepChannel() {
  if (series_) SetChannel(NextChannel(channel_, series_->channelCount));
}

bool TChanInfoDlg::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == lbKanal_ || watched == lbvKanal_) &&
      event->type() == QEvent::MouseButtonRelease) {
    StepChannel();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TChanInfoDlg::Show() {
  const ChannelInfo info = BuildChannelInfo(*series_, channel_, *parsed_, locale_);
  const std::pair<const char*, const std::string*> values[] = {
      {"LBV_MESSTELLE", &info.measuringPoint},
      {"LBV_KANAL", &info.channel},
      {"LBV_START", &info.start},
      {"LBV_DAUER", &info.duration},
      {"LBV_ENDE", &info.end},
      {"LBV_AnzMesswerte", &info.valueCount},
      {"LBV_STRECKE", &info.section},
      {"LBV_STRECKE2", &info.medium},
      {"LBV_SENSOR", &info.sensor},
      {"LBV_SENSOR2", &info.sensorText},
      {"LBV_MESSGROESSE", &info.quantity},
      {"LBV_KLEINSTER", &info.smallest},
      {"LBV_GROESSTER", &info.largest}};
  for (const auto& [name, text] : values) Value(name)->setText(FromAnsi(*text));
  {
    const QSignalBlocker blocker(combKanal_);
    combKanal_->setCurrentIndex(static_cast<int>(channel_));
  }
  combKanal_->setVisible(info.channelChoiceVisible);
  lbKanal_->setVisible(info.channelLabelVisible);
  lbvKanal_->setVisible(info.channelLabelVisible);
  lbFunction_->setVisible(info.functionVisible);
  for (QLabel* l :
       {lbSensor_, Value("LBV_SENSOR"), lbStrecke_, Value("LBV_STRECKE"), Value("LBV_STRECKE2")})
    l->setVisible(info.sensorVisible);
  for (QLabel* l : {lbKleinster_, Value("LBV_KLEINSTER"), lbGroesster_, Value("LBV_GROESSTER")})
    l->setVisible(info.minMaxVisible);
  QString items = FromAnsi(info.additionalItems);
  items.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memoEnthalten_->setPlainText(items);
  lbEnthalten_->setVisible(info.additionalVisible);
  memoEnthalten_->setVisible(info.additionalVisible);
}

}  // namespace gd::ui
