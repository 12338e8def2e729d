// Loading the meter's tables over the link, and the user coefficient
// commands (send one set, store, recall).
//
// Every operation starts its command with SendCommand and ends Idle, also
// when it raises. Link errors propagate; a table whose load failed stays
// not loaded.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Bytes.h"
#include "device/CoefficientDialogModel.h"
#include "device/DeviceTableDialogModel.h"
#include "device/DeviceTables.h"

namespace gd {

class TSondAmComPort;

// Command 0x74: a plain table of fixed-size records.
void LoadDeviceTable(TSondAmComPort& link, std::uint8_t kind, TFRD_Tabelle& table);
// Command 0x58 (firmware V 3.12 on): a named table with entry names and
// editable entries, whose records the meter does not send.
void LoadMenuTable(TSondAmComPort& link, std::uint8_t kind, TFRD_MenuAndTab& table);

// The tables the program uses. The coefficient tables need firmware V 3.02
// and raise EVersionNotSupportet before anything is sent.
void LoadLanguages(TSondAmComPort& link, DeviceTables& tables);
void LoadMaterials(TSondAmComPort& link, DeviceTables& tables);
void LoadMedia(TSondAmComPort& link, DeviceTables& tables);
void LoadFactoryCoefficients(TSondAmComPort& link, TFRD_Tabelle& table);
void LoadUserCoefficients(TSondAmComPort& link, TFRD_Tabelle& table);
// The table the device-table dialog shows in `mode`.
void LoadTableFor(TSondAmComPort& link, DeviceTableMode mode, DeviceTables& tables);

// Command 0x5A with sub-command 3: one user set (its 62-byte record) into
// `slot`. Returns the meter's status: 0 when it took the set, non-zero when
// it has no such slot (the record is then not sent).
std::uint8_t SendUserSet(TSondAmComPort& link, std::uint8_t slot, ByteView record);
// Sub-command 4: the meter saves its user sets.
void StoreUserSets(TSondAmComPort& link);
// Sub-command 5: the meter takes its saved user sets back.
void RecallUserSets(TSondAmComPort& link);

// The coefficient dialog's meter over a connected link.
class LinkCoefficientMeter final : public CoefficientMeter {
 public:
  // `showWindow` shows or hides the communication window (may be empty).
  explicit LinkCoefficientMeter(TSondAmComPort& link, std::function<void(bool)> showWindow = {})
      : link_(link), showWindow_(std::move(showWindow)) {}

  void LoadMediaTable(TFRD_MenuAndTab& table) override;
  void LoadUserSets(TFRD_Tabelle& table) override;
  void LoadFactorySets(TFRD_Tabelle& table) override;
  std::uint8_t SendUserSet(std::uint8_t slot, ByteView record) override;
  void StoreUserSets() override;
  void RecallUserSets() override;
  void ShowCommunicationWindow(bool visible) override {
    if (showWindow_) showWindow_(visible);
  }

 private:
  TSondAmComPort& link_;
  std::function<void(bool)> showWindow_;
};

}  // namespace gd
