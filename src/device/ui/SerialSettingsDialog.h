// The serial settings dialog (TDLG_SerialSettings, "Serielle Schnittstelle")
// over SerialSettingsModel: the port field (COM1 .. COM9, the ports the
// system lists, or any path typed in), the protocol area with its four lists,
// and the block size.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "device/ComPortChoice.h"
#include "device/SerialSettingsModel.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace gd::ui {

class TDLG_SerialSettings final : public QDialog {
  Q_OBJECT
 public:
  // `systemPorts`: the system's ports offered after COM1 .. COM9.
  TDLG_SerialSettings(std::string deviceName, std::vector<std::string> systemPorts,
                      QWidget* parent = nullptr);

  void Open(const PortChoice& port, const PortSettings& settings, int blockSize);

  // What OK hands back.
  struct Result {
    PortChoice port;
    PortSettings settings;
    int blockSize = kMaxBlockSize;
  };
  Result TakeResult();

  bool ProtocolAreaExpanded() const { return model_.areaExpanded; }
  // BUT_Protokoll, BUT_DefaultSettings, BUT_SoUbernehmen.
  void ExpandProtocolArea();
  void SelectStandard();
  void TakeProtocol();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ReadWidgets();
  void ShowModel();

  std::string deviceName_;
  SerialSettingsModel model_;
  PortChoice port_;
  PortSettings settings_;
  QComboBox* cbComPort_ = nullptr;
  QComboBox* cbBauds_ = nullptr;
  QComboBox* cbData_ = nullptr;
  QComboBox* cbParity_ = nullptr;
  QComboBox* cbStopBits_ = nullptr;
  QSpinBox* speShunks_ = nullptr;
  QLabel* labWarning_ = nullptr;
  QLabel* labNeedEqual_ = nullptr;
  QLabel* labHotCode_ = nullptr;
  QFrame* protocolArea_ = nullptr;
  QPushButton* butProtokoll_ = nullptr;
  QPushButton* butDefault_ = nullptr;
  QPushButton* butTake_ = nullptr;
  QPushButton* okBtn_ = nullptr;
};

}  // namespace gd::ui
