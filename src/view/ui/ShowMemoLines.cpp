#include "view/ui/ShowMemoLines.h"

#include <QAction>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "core/ui/FontChoice.h"

namespace gd::ui {
TDLG_ShowMemoLines::TDLG_ShowMemoLines(QWidget* parent) : QDialog(parent) {
  setObjectName("DLG_ShowMemoLines");
  setWindowTitle(QStringLiteral("Dialog"));
  setSizeGripEnabled(true);
  layout_ = new QVBoxLayout(this);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  memo_->setFont(font);
  memo_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QAction* font1 = new QAction(QStringLiteral("FONT..."), memo_);
  font1->setObjectName("FONT1");
  connect(font1, &QAction::triggered, this, &TDLG_ShowMemoLines::FONT1Click);
  QAction* color1 = new QAction(QStringLiteral("COLOR..."), memo_);
  color1->setObjectName("COLOR1");
  connect(color1, &QAction::triggered, this, &TDLG_ShowMemoLines::COLOR1Click);
  memo_->addActions({font1, color1});
  layout_->addWidget(memo_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  butOk_ = new QPushButton(QStringLiteral("OK"), this);
  butOk_->setObjectName("BUT_OK");
  butOk_->setDefault(true);
  connect(butOk_, &QPushButton::clicked, this, &QDialog::accept);
  butHelp_ = new QPushButton(Tr("Hilfe"), this);
  butHelp_->setObjectName("BUT_HELP");
  connect(butHelp_, &QPushButton::clicked, this, [this] { RequestHelp(helpTopic_); });
  buttons->addWidget(butOk_);
  buttons->addWidget(butHelp_);
  layout_->addLayout(buttons);
  resize(760, 560);
}

void TDLG_ShowMemoLines::SetLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << FromAnsi(line);
  memo_->setPlainText(text.join('\n'));
}

void TDLG_ShowMemoLines::FONT1Click() {
  if (ChooseFontLive(this, memo_->font(), [this](const QFont& font) { memo_->setFont(font); }))
    emit FontChosen(memo_->font());
}

void TDLG_ShowMemoLines::COLOR1Click() {
  QPalette palette = memo_->palette();
  const QColor color = QColorDialog::getColor(palette.color(QPalette::Base), this);
  if (!color.isValid()) return;
  palette.setColor(QPalette::Base, color);
  memo_->setPalette(palette);
}

void TDLG_ShowMemoLines::SetHelpTopic(int topic) {
  helpTopic_ = topic;
  ui::SetHelpTopic(this, topic);
}

}  // namespace gd::ui
