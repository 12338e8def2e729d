// The heat-flow coefficient dialog (TDLG_WMMKOEFFS) over
// CoefficientDialogModel: the library of the meter's sets, the download list,
// the edit area with the medium combo and its sort toggle, the list files and
// sending with the wait window.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "device/CoefficientDialogModel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace gd {
class IMessages;
}

namespace gd::ui {

class TWaitWindow;

class TDLG_WMMKOEFFS final : public QDialog {
  Q_OBJECT
 public:
  // `fileName(save)` answers the file dialogs (empty: cancelled); the default
  // shows Qt's dialogs.
  TDLG_WMMKOEFFS(CoefficientMeter& meter, DeviceTables& tables, IMessages& messages,
                 std::string deviceName, QWidget* parent = nullptr);
  ~TDLG_WMMKOEFFS() override;

  void SetFileNames(std::function<QString(bool save)> fileName) { fileName_ = std::move(fileName); }

  // Loads the meter's tables and fills the lists (run once after showing);
  // false when the meter could not be read (the error was shown).
  bool Start();
  CoefficientDialogModel& Model() { return *model_; }

  // The user's actions.
  void LibraryToEdits();
  void DownloadToEdits();
  void EditsToDownload();
  void RemoveDownloadItem();
  void ToggleSort();
  void SaveList();
  void OpenList();
  void Send();

  QListWidget* Library() const { return library_; }
  QListWidget* DownloadList() const { return download_; }
  QComboBox* MediumCombo() const { return combo_; }
  QLineEdit* DescriptorEdit() const { return edDesc_; }
  QLineEdit* CoefficientEdit(std::size_t k) const { return edits_.at(k); }
  QLabel* AvailableLabel() const { return labAvailable_; }
  QPushButton* SendButton() const { return butSend_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  void ShowError(const std::exception& e);

  IMessages& messages_;
  std::unique_ptr<TWaitWindow> wait_;
  std::unique_ptr<CoefficientDialogModel> model_;
  std::function<QString(bool)> fileName_;
  bool started_ = false;
  bool refreshing_ = false;

  QLabel* panel2_ = nullptr;
  QListWidget* library_ = nullptr;
  QListWidget* download_ = nullptr;
  QLineEdit* edDesc_ = nullptr;
  std::array<QLineEdit*, TWMMKoeffs::kCoefficientCount> edits_{};
  QComboBox* combo_ = nullptr;
  QToolButton* sbSort_ = nullptr;
  QLabel* labMedium_ = nullptr;
  QLabel* labAvailable_ = nullptr;
  QPushButton* butSend_ = nullptr;
};

}  // namespace gd::ui
