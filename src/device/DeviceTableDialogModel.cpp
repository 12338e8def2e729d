#include "device/DeviceTableDialogModel.h"

#include "core/TextTools.h"

namespace gd {

DeviceTableDialogModel::DeviceTableDialogModel(DeviceTableMode mode, DeviceTables& tables,
                                               Load load, std::function<std::string()> serialNumber)
    : mode_(mode),
      tables_(tables),
      load_(std::move(load)),
      serialNumber_(std::move(serialNumber)) {}

std::string DeviceTableDialogModel::CheckBoxText() { return Translate("Tabellenwerte zeigen"); }

void DeviceTableDialogModel::Open() {
  caption_.clear();
  lines_.clear();
  switch (mode_) {
    case DeviceTableMode::kLanguages:
      tables_.languages.Clear();
      break;
    case DeviceTableMode::kMaterials:
      tables_.materials.Clear();
      break;
    case DeviceTableMode::kMedia:
      tables_.media.Clear();
      break;
  }
  TNoSortStringCollection list;
  try {
    const auto load = [this] {
      if (load_) load_(mode_, tables_);
    };
    switch (mode_) {
      case DeviceTableMode::kLanguages:
        RenderLanguages(list, tables_.languages, load);
        break;
      case DeviceTableMode::kMaterials:
        RenderMaterials(list, tables_.materials, showValues_, load);
        break;
      case DeviceTableMode::kMedia:
        RenderMedia(list, tables_.media, showValues_, load);
        break;
    }
  } catch (...) {
    lines_ = list.Items();
    throw;
  }
  if (serialNumber_) caption_ = serialNumber_();
  lines_ = list.Items();
}

void DeviceTableDialogModel::SetShowValues(bool show) {
  showValues_ = show;
  Render();
}

void DeviceTableDialogModel::Render() {
  TNoSortStringCollection list;
  // The table is loaded already; a table that is not renders its failure line.
  switch (mode_) {
    case DeviceTableMode::kLanguages:
      RenderLanguages(list, tables_.languages, nullptr);
      break;
    case DeviceTableMode::kMaterials:
      RenderMaterials(list, tables_.materials, showValues_, nullptr);
      break;
    case DeviceTableMode::kMedia:
      RenderMedia(list, tables_.media, showValues_, nullptr);
      break;
  }
  lines_ = list.Items();
}

}  // namespace gd
