// `TDLG_Print`: printing the diagram — the current printer, the printer
// dialog (which also offers printing into a PDF file) and black-and-white.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace gd::ui {

class TDLG_Print final : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_Print(QWidget* parent = nullptr);
  ~TDLG_Print() override;

  QPrinter& Printer() { return *printer_; }
  bool BlackAndWhite() const;
  // BUT_PrinterSettings: the printer dialog; its choice becomes the printer.
  void BUT_PrinterSettingsClick();
  // "&Drucken": prints through `print` (the diagram's page) and closes.
  std::function<bool(QPrinter& printer, bool blackAndWhite)> print;
  void PrintClick();

  QLabel* LAV_AktPrinter() const { return lavPrinter_; }
  QCheckBox* CB_PrintBlackWithe() const { return cbBlackWhite_; }

 private:
  void ShowPrinter();

  std::unique_ptr<QPrinter> printer_;
  QLabel* lavPrinter_ = nullptr;
  QCheckBox* cbBlackWhite_ = nullptr;
  QPushButton* butSettings_ = nullptr;
  QPushButton* butPrint_ = nullptr;
};

}  // namespace gd::ui
