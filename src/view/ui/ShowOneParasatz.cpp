#include "view/ui/ShowOneParasatz.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "view/InfoTexts.h"

namespace gd::ui {

TDLG_ShowOneParasatz::TDLG_ShowOneParasatz(QWidget* parent) : TDLG_ShowMemoLines(parent) {
  setObjectName("DLG_ShowOneParasatz");
  SetHelpTopic(help::kParameterSets);
  auto* header = new QWidget(this);
  header->setObjectName("PAN_Header");
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  auto* lbReihe = new QLabel(FromAnsi(Translate("MESSWERTREIHE:")), header);
  lbReihe->setObjectName("LB_MWReihe");
  lbvReihe_ = new QLabel(header);
  lbvReihe_->setObjectName("LBV_MWReihe");
  lbKanal_ = new QLabel(FromAnsi(Translate("KANAL:")), header);
  lbKanal_->setObjectName("LB_Kanal");
  lbvKanal_ = new QLabel(header);
  lbvKanal_->setObjectName("LBV_Kanal");
  for (QLabel* l : {lbReihe, lbvReihe_, lbKanal_, lbvKanal_}) row->addWidget(l);
  row->addStretch();
  MainLayout()->insertWidget(0, header);
}

std::string TDLG_ShowOneParasatz::Prepare(TVXASCIIOUT* engine, int seriesNumber, int channel) {
  const OneParameterSet set = PrepareOneParameterSet(engine, seriesNumber, channel);
  lbvReihe_->setText(FromAnsi(set.series));
  lbvKanal_->setText(FromAnsi(set.channel));
  lbKanal_->setVisible(set.channelVisible);
  lbvKanal_->setVisible(set.channelVisible);
  Memo()->clear();
  if (set.error.empty()) SetLines(set.lines);
  return set.error;
}

}  // namespace gd::ui
