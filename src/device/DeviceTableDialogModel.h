// The device-table dialog (TDLG_SondTabels) without its window: which table
// it shows, its caption, the "Tabellenwerte zeigen" check box and the lines
// of its memo.
//
// Opening loads the table from the meter again (replacing what was loaded
// before) and renders it; the check box renders again with or without the
// values, without loading.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "device/DeviceTables.h"

namespace gd {

enum class DeviceTableMode { kLanguages, kMaterials, kMedia };

class DeviceTableDialogModel {
 public:
  // Loads the mode's table into `tables` from the meter (throws on failure).
  using Load = std::function<void(DeviceTableMode, DeviceTables&)>;

  DeviceTableDialogModel(DeviceTableMode mode, DeviceTables& tables, Load load,
                         std::function<std::string()> serialNumber);

  // Caption empty, the table loaded again, caption the meter's serial
  // number, then rendered. A failed load leaves the rendering up to
  // ">>KANN LISTE NICHT LADEN<<" in the memo and rethrows.
  void Open();
  // CHK_TabDatenZeigen clicked: renders again with or without the values.
  void SetShowValues(bool show);

  DeviceTableMode Mode() const { return mode_; }
  const std::string& Caption() const { return caption_; }
  bool ShowValues() const { return showValues_; }
  // The check box is offered for materials and media only.
  bool CheckBoxVisible() const { return mode_ != DeviceTableMode::kLanguages; }
  static std::string CheckBoxText();
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void Render();

  DeviceTableMode mode_;
  DeviceTables& tables_;
  Load load_;
  std::function<std::string()> serialNumber_;
  std::string caption_;
  bool showValues_ = false;
  std::vector<std::string> lines_;
};

}  // namespace gd
