#include "view/ui/PrintDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {

TDLG_Print::TDLG_Print(QWidget* parent)
    : QDialog(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName("TDLG_Print");
  SetHelpTopic(this, help::kDiagramPrint);
  setWindowTitle(Tr("Drucken"));
  printer_->setFullPage(true);
  auto* layout = new QVBoxLayout(this);
  lavPrinter_ = new QLabel(this);
  lavPrinter_->setObjectName("LAV_AktPrinter");
  layout->addWidget(lavPrinter_);
  cbBlackWhite_ = new QCheckBox(Tr("&Schwarz/Wei\xDF Drucken"), this);
  cbBlackWhite_->setObjectName("CB_PrintBlackWithe");
  layout->addWidget(cbBlackWhite_);
  auto* row = new QHBoxLayout;
  butSettings_ = new QPushButton(Tr("Drucker&einrichtung..."), this);
  butSettings_->setObjectName("BUT_PrinterSettings");
  butPrint_ = new QPushButton(Tr("&Drucken"), this);
  butPrint_->setObjectName("BUT_Print");
  butPrint_->setDefault(true);
  auto* cancel = new QPushButton(Tr("Abbrechen"), this);
  row->addWidget(butSettings_);
  row->addStretch();
  row->addWidget(butPrint_);
  row->addWidget(cancel);
  layout->addLayout(row);
  connect(butSettings_, &QPushButton::clicked, this, &TDLG_Print::BUT_PrinterSettingsClick);
  connect(butPrint_, &QPushButton::clicked, this, &TDLG_Print::PrintClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowPrinter();
}

TDLG_Print::~TDLG_Print() = default;

bool TDLG_Print::BlackAndWhite() const { return cbBlackWhite_->isChecked(); }

void TDLG_Print::ShowPrinter() {
  QString name = printer_->outputFormat() == QPrinter::PdfFormat
                     ? QStringLiteral("PDF: ") + QFileInfo(printer_->outputFileName()).fileName()
                     : printer_->printerName();
  if (name.isEmpty()) name = QPrinterInfo::defaultPrinterName();
  if (name.isEmpty()) name = Tr("(kein Drucker)");
  lavPrinter_->setText(name);
}

void TDLG_Print::BUT_PrinterSettingsClick() {
  QPrintDialog dialog(printer_.get(), this);
  dialog.exec();
  printer_->setFullPage(true);
  ShowPrinter();
}

void TDLG_Print::PrintClick() {
  // Without a printer and without a file, the printer dialog chooses one
  // (it offers printing into a PDF file).
  if (printer_->outputFormat() != QPrinter::PdfFormat && !printer_->isValid()) {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    printer_->setFullPage(true);
    ShowPrinter();
  }
  if (print && print(*printer_, BlackAndWhite())) accept();
}

}  // namespace gd::ui
