// The model behind the serial settings dialog TDLG_SerialSettings
// ("Serielle Schnittstelle"): its lists, the selection read from the port's
// settings, the standard-protocol check with the state of the protocol area,
// reading the selection back and what OK hands to the main window.
#pragma once

#include <string>
#include <vector>

#include "device/LineSettings.h"

namespace gd {

struct SettingsListEntry {
  std::string text;
  int ordinal;
};

class SerialSettingsModel {
 public:
  SerialSettingsModel();

  // The lists as the dialog shows them.
  const std::vector<SettingsListEntry>& ComPorts() const { return comPorts_; }  // ordinal = index
  const std::vector<SettingsListEntry>& Bauds() const { return bauds_; }
  const std::vector<SettingsListEntry>& DataBitsList() const { return data_; }
  const std::vector<SettingsListEntry>& Parities() const { return parities_; }
  const std::vector<SettingsListEntry>& StopBitsList() const { return stops_; }

  // Opening: selects the port index (none when outside the list) and the
  // entries whose ordinals equal the settings (none when not in a list);
  // the block size is brought into 8 .. 2048. Runs the standard check.
  void Open(int portIndex, const PortSettings& settings, int blockSize);

  // Selected rows (-1: none), as the window sets them when the user chooses.
  int comRow = -1, baudRow = -1, dataRow = -1, parityRow = -1, stopRow = -1;
  int blockSize = 2048;  // SPE_SHUNKS

  // The ordinals of the selection; a list without selection yields the
  // standard ordinal (7, 3, 2, 2).
  int SelectedBaudOrdinal() const;
  int SelectedDataOrdinal() const;
  int SelectedParityOrdinal() const;
  int SelectedStopOrdinal() const;
  // The selected port index; -1 when none is selected.
  int SelectedPortIndex() const;
  bool IsStandard() const;

  // Standard check: collapses the protocol area for the standard protocol,
  // else expands it with the warning.
  void CheckStandard();
  // BUT_Protokoll: expands the area.
  void ProtocolClick();
  // BUT_DefaultSettings: selects 9600 8E2 and checks again.
  void DefaultSettingsClick();
  // BUT_SoUbernehmen: checks again and collapses the area.
  void TakeOverClick();

  // What the window shows.
  bool warningVisible = false;  // LAB_WarningNoStandard "KEIN STANDARD-PROTOKOLL !"
  bool areaExpanded = false;    // protocol area shown (client height to its bottom + 4)
  bool protocolEnabled = true;  // BUT_Protokoll
  bool okEnabled = true;        // OKBtn
  bool okDefault = true;        // OKBtn default, else BUT_SoUbernehmen
  bool listsEnabled = false;    // the four lists, BUT_DefaultSettings, BUT_SoUbernehmen
  bool focusOnBauds = false;

  // OK: the new port index (unchanged `current` when none is selected), the
  // selected line settings with the RTS handshake forced, and the block size.
  struct Result {
    int portIndex;
    PortSettings settings;
    int blockSize;
  };
  Result Ok(int currentPortIndex, const PortSettings& current) const;

  static constexpr const char* kWarningText = "KEIN STANDARD-PROTOKOLL !";

 private:
  static int RowOf(const std::vector<SettingsListEntry>& list, int ordinal);
  static int OrdinalOf(const std::vector<SettingsListEntry>& list, int row, int fallback);

  std::vector<SettingsListEntry> comPorts_, bauds_, data_, parities_, stops_;
};

}  // namespace gd
