#include "view/ui/StatisticsDlg.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {

TDLG_Statistics::TDLG_Statistics(QWidget* parent) : QDialog(parent) {
  setObjectName("TDLG_Statistics");
  SetHelpTopic(this, help::kStatistics);
  setWindowTitle(Tr("Statistik"));
  auto* layout = new QVBoxLayout(this);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  memo_->setFont(font);
  memo_->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 20);
  layout->addWidget(memo_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  showMinMax_ = new QPushButton(Tr("&Show Min/Max"), this);
  showMinMax_->setObjectName("BitBtn1");
  close_ = new QPushButton(Tr("&Schlie\xDF"
                              "en"),
                           this);
  close_->setObjectName("BitBtn2");
  close_->setDefault(true);
  row->addWidget(showMinMax_);
  row->addWidget(close_);
  layout->addLayout(row);
  connect(showMinMax_, &QPushButton::clicked, this, &QDialog::accept);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  resize(620, 320);
}

void TDLG_Statistics::SetText(const std::string& text) {
  QString t = FromAnsi(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memo_->setPlainText(t);
}

}  // namespace gd::ui
