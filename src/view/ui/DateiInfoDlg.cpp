#include "view/ui/DateiInfoDlg.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "convert/VXASCIIOUT.h"
#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "view/InfoTexts.h"
#include "view/ui/ShowMemoLines.h"

namespace gd::ui {
TDLG_DateiInfo::TDLG_DateiInfo(QWidget* parent) : QDialog(parent) {
  setObjectName("DLG_DateiInfo");
  SetHelpTopic(this, help::kFileDetails);
  setWindowTitle(Tr("Datei-Informationen"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  const std::pair<const char*, const char*> rows[] = {{"LAB_Speicherdat", "Speicherdatum="},
                                                      {"LAB_FileSize", "Dateigroesse="},
                                                      {"LAB_Empfangsdat", "Empfangen am="},
                                                      {"LAB_AnzReihen", "Messwertreihen="},
                                                      {"LAB_Seriennummer", "Geraetenummer="}};
  for (const auto& [name, caption] : rows) {
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(Tr(caption), value);
  }
  layout->addLayout(form);
  lanMemo_ = new QLabel(Tr("&Bemerkungen"), this);
  lanMemo_->setObjectName("LAN_MEMOBEMERKUNGEN");
  memDateinfo_ = new QPlainTextEdit(this);
  memDateinfo_->setObjectName("MEM_Dateinfo");
  lanMemo_->setBuddy(memDateinfo_);
  layout->addWidget(lanMemo_);
  layout->addWidget(memDateinfo_, 1);

  auto* buttons = new QHBoxLayout;
  bitBtn1_ = new QPushButton(Tr("&Details..."), this);
  bitBtn1_->setObjectName("BitBtn1");
  connect(bitBtn1_, &QPushButton::clicked, this, &TDLG_DateiInfo::BitBtn1Click);
  buttons->addWidget(bitBtn1_);
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("BUT_OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* help = new QPushButton(Tr("Hilfe"), this);
  help->setObjectName("BUT_HELP");
  connect(help, &QPushButton::clicked, this, [] { RequestHelp(help::kFileDetails); });
  buttons->addWidget(ok);
  buttons->addWidget(help);
  layout->addLayout(buttons);
  resize(480, 420);
}

QLabel* TDLG_DateiInfo::Value(const char* name) const { return findChild<QLabel*>(name); }

void TDLG_DateiInfo::Prepare(TVXASCIIOUT* engine, const std::string& fileName, bool hasSeries,
                             bool receivedNotLoaded, const std::string& displayName,
                             const MemoField& remarks, int edition, const Locale& locale) {
  engine_ = engine;
  displayName_ = displayName;
  edition_ = edition;
  FileFacts facts;
  facts.parsed = engine ? &engine->Parsed() : nullptr;
  const QFileInfo file(FromPath(fileName));
  if (file.isFile()) {
    facts.fileSize = static_cast<std::uint64_t>(file.size());
    const QDate date = file.lastModified().date();
    if (date.isValid())
      facts.modified = DateRecord{static_cast<std::uint16_t>(date.year()),
                                  static_cast<std::uint8_t>(date.month()),
                                  static_cast<std::uint8_t>(date.day()), 0};
  }
  facts.hasSeries = hasSeries;
  facts.receivedNotLoaded = receivedNotLoaded;
  const FileInfo info = BuildFileInfo(facts, locale);
  Value("LAB_Speicherdat")->setText(FromAnsi(info.savedDate));
  QLabel* size = Value("LAB_FileSize");
  size->setText(FromAnsi(info.fileSize));
  QPalette palette = size->palette();
  palette.setColor(QPalette::WindowText, info.sizeMismatch ? QColor(Qt::red) : QColor(Qt::black));
  size->setPalette(palette);
  Value("LAB_Empfangsdat")->setText(FromAnsi(info.receivedDate));
  Value("LAB_AnzReihen")->setText(FromAnsi(info.seriesCount));
  Value("LAB_Seriennummer")->setText(FromAnsi(info.deviceNumber));
  memDateinfo_->setPlainText(MemoToField(remarks.text));
  memDateinfo_->document()->setModified(false);
  remarksModified_ = remarks.modified;
  lanMemo_->setVisible(info.remarksVisible);
  memDateinfo_->setVisible(info.remarksVisible);
}

MemoField TDLG_DateiInfo::Remarks() const {
  return MemoField{FieldToMemo(memDateinfo_->toPlainText()),
                   remarksModified_ || memDateinfo_->document()->isModified()};
}

void TDLG_DateiInfo::BitBtn1Click() {
  TDLG_ShowMemoLines details(this);
  details.setWindowTitle(FromAnsi(FileDetailsCaption(displayName_)));
  details.SetLines(FileDetailsLines(engine_, edition_));
  details.SetHelpTopic(help::kFileDetails);
  details.exec();
}

}  // namespace gd::ui
