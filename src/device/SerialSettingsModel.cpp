#include "device/SerialSettingsModel.h"

#include <algorithm>

namespace gd {

SerialSettingsModel::SerialSettingsModel() {
  for (int i = 0; i < kPortIndexCount; ++i) comPorts_.push_back({ComPortName(i), i});
  bauds_ = {{" 300", 2}, {" 600", 3}, {"1200", 4}, {"2400", 5}, {"4800", 6}, {"9600", 7}};
  data_ = {{"7", 2}, {"8", 3}};
  parities_ = {{"NONE", 0}, {"ODD", 1}, {"EVEN", 2}};
  stops_ = {{"1", 0}, {"2", 2}};
}

int SerialSettingsModel::RowOf(const std::vector<SettingsListEntry>& list, int ordinal) {
  for (std::size_t row = 0; row < list.size(); ++row)
    if (list[row].ordinal == ordinal) return static_cast<int>(row);
  return -1;
}

int SerialSettingsModel::OrdinalOf(const std::vector<SettingsListEntry>& list, int row,
                                   int fallback) {
  if (row < 0 || row >= static_cast<int>(list.size())) return fallback;
  return list[static_cast<std::size_t>(row)].ordinal;
}

void SerialSettingsModel::Open(int portIndex, const PortSettings& settings, int blocks) {
  comRow = RowOf(comPorts_, portIndex);
  baudRow = RowOf(bauds_, settings.baudOrdinal);
  dataRow = RowOf(data_, settings.dataOrdinal);
  parityRow = RowOf(parities_, settings.parityOrdinal);
  stopRow = RowOf(stops_, settings.stopOrdinal);
  blockSize = std::clamp(blocks, kMinBlockSize, kMaxBlockSize);
  CheckStandard();
}

int SerialSettingsModel::SelectedBaudOrdinal() const {
  return OrdinalOf(bauds_, baudRow, kStandardBaudOrdinal);
}
int SerialSettingsModel::SelectedDataOrdinal() const {
  return OrdinalOf(data_, dataRow, kStandardDataOrdinal);
}
int SerialSettingsModel::SelectedParityOrdinal() const {
  return OrdinalOf(parities_, parityRow, kStandardParityOrdinal);
}
int SerialSettingsModel::SelectedStopOrdinal() const {
  return OrdinalOf(stops_, stopRow, kStandardStopOrdinal);
}
int SerialSettingsModel::SelectedPortIndex() const { return OrdinalOf(comPorts_, comRow, -1); }

bool SerialSettingsModel::IsStandard() const {
  return SelectedBaudOrdinal() == kStandardBaudOrdinal &&
         SelectedDataOrdinal() == kStandardDataOrdinal &&
         SelectedParityOrdinal() == kStandardParityOrdinal &&
         SelectedStopOrdinal() == kStandardStopOrdinal;
}

void SerialSettingsModel::CheckStandard() {
  const bool standard = IsStandard();
  warningVisible = !standard;
  areaExpanded = !standard;
  protocolEnabled = standard;
  okEnabled = standard;
  okDefault = standard;
  listsEnabled = !standard;
  focusOnBauds = !standard;
}

void SerialSettingsModel::ProtocolClick() {
  areaExpanded = true;
  listsEnabled = true;
}

void SerialSettingsModel::DefaultSettingsClick() {
  baudRow = RowOf(bauds_, kStandardBaudOrdinal);
  dataRow = RowOf(data_, kStandardDataOrdinal);
  parityRow = RowOf(parities_, kStandardParityOrdinal);
  stopRow = RowOf(stops_, kStandardStopOrdinal);
  CheckStandard();
}

void SerialSettingsModel::TakeOverClick() {
  CheckStandard();
  areaExpanded = false;
  // A collapsed area leaves OK as the way out, also for a protocol that is
  // not the standard one (the warning stays visible).
  okEnabled = true;
  okDefault = true;
  protocolEnabled = true;
  listsEnabled = false;
}

SerialSettingsModel::Result SerialSettingsModel::Ok(int currentPortIndex,
                                                    const PortSettings& current) const {
  Result result{SelectedPortIndex() >= 0 ? SelectedPortIndex() : currentPortIndex, current,
                std::clamp(blockSize, kMinBlockSize, kMaxBlockSize)};
  result.settings.baudOrdinal = SelectedBaudOrdinal();
  result.settings.dataOrdinal = SelectedDataOrdinal();
  result.settings.parityOrdinal = SelectedParityOrdinal();
  result.settings.stopOrdinal = SelectedStopOrdinal();
  result.settings.hardwareFlow = true;
  return result;
}

}  // namespace gd
