// The text-output options dialog `TTextOutOptioDlg`: a thin view over
// OutputOptionsModel (convert/OutputOptionsModel.h).
//
// Every control carries its control name as objectName (RB_Komma,
// Spin_cEdiSize, ED_OtherSepa, CB_Sprache, OKBtn, ...). The dialog decides
// nothing itself: each user change is handed to the model, and then the
// checked, enabled and visible state of every control is read back from it.
//
// Use:
//   TextOutputOptions options = ...;          // the current options
//   if (ExecTextOutputDialog(this, options, languageLines)) {
//     // OK was pressed: `options` holds the stored values
//   }
// or, to keep one dialog for the whole run:
//   TTextOutOptioDlg dialog(this);
//   dialog.Load(options, &languageLines);
//   if (dialog.exec() == QDialog::Accepted) options = dialog.Store();
//
// The language lines are Windows-1252 texts "code = name" (the first three
// characters are the code); the combo shows them sorted.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "convert/OutputOptionsModel.h"
#include "convert/TextStyle.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace gd::ui {

class TTextOutOptioDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TTextOutOptioDlg(QWidget* parent = nullptr);

  // Sets every control from the options; without a list the combo keeps the
  // lines it has.
  void Load(const TextOutputOptions& options, const std::vector<std::string>* languageList);
  // The options the controls hold now (only meaningful after Load).
  TextOutputOptions Store() const { return model_.Store(); }
  // What SetDefaultBtn does.
  void SetDefault();

  const OutputOptionsModel& Model() const { return model_; }

 private:
  QRadioButton* MakeRadio(const char* name, const QString& caption, QWidget* parent);
  QCheckBox* MakeCheck(const char* name, const QString& caption, QWidget* parent);
  QWidget* CreateDecimalGroup();
  QWidget* CreateSeparatorGroup();
  QWidget* CreateQuantityGroup();
  QWidget* CreateTemperatureGroup();
  QWidget* CreateParameterSetGroup();
  QWidget* CreateOtherGroup();
  QWidget* CreateLanguageGroup();
  void ConnectControls();
  // Reads the whole state back from the model, without the widgets' signals
  // reaching the model again.
  void Refresh();

  OutputOptionsModel model_;
  bool refreshing_ = false;

  QRadioButton* rbKommaWindows_ = nullptr;
  QRadioButton* rbPunkt_ = nullptr;
  QRadioButton* rbKomma_ = nullptr;
  QSpinBox* spinCEdiSize_ = nullptr;

  QRadioButton* rbColSepaSemikolon_ = nullptr;
  QRadioButton* rbColSepaTabulator_ = nullptr;
  QRadioButton* rbColSepaLeerzeichen_ = nullptr;
  QRadioButton* rbColSepaAnderer_ = nullptr;
  QLineEdit* edOtherSepa_ = nullptr;

  QRadioButton* rbMengeUnterdruecken_ = nullptr;
  QRadioButton* rbMengeNurGespeichert_ = nullptr;
  QRadioButton* rbMengeAlwayS_ = nullptr;
  QCheckBox* cbSeprateQuantCols_ = nullptr;

  QRadioButton* rbTempIfStored_ = nullptr;
  QRadioButton* rbTempAllIfStored_ = nullptr;

  // In the order of OutputOptionsModel::Check.
  QCheckBox* checks_[OutputOptionsModel::kCheckCount] = {};

  QComboBox* cbSprache_ = nullptr;

  QPushButton* okBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  QPushButton* setDefaultBtn_ = nullptr;
};

// Opens the dialog modally with `options` and the language list. On OK the
// stored values replace `options` and the result is true; on cancel
// `options` stays as it was.
bool ExecTextOutputDialog(QWidget* parent, TextOutputOptions& options,
                          const std::vector<std::string>& languageList);

}  // namespace gd::ui
