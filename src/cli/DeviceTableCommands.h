// The device-table and coefficient commands of gaugdata-cli, run on a link
// that is already connected to the meter (slave mode). The caller connects
// before and switches the meter back to main mode after.
//
//   device table languages|materials|media [--values]
//   device coefficients [--save FILE.wmm] [--send FILE.wmm]
#pragma once

#include <ostream>
#include <string>

#include "device/DeviceTableDialogModel.h"
#include "device/DeviceTables.h"

namespace gd {
class IMessages;
class TSondAmComPort;
}  // namespace gd

namespace gd::cli {

// "languages", "materials", "media"; false for anything else.
bool ParseDeviceTableMode(const std::string& word, DeviceTableMode& mode);
// The same under the names the device dispatch uses.
using DeviceTableChoice = DeviceTableMode;
inline bool ParseDeviceTableChoice(const std::string& word, DeviceTableChoice& choice) {
  return ParseDeviceTableMode(word, choice);
}

// Loads the table from the meter and prints its rendering (UTF-8, one line
// each). A failed load prints the rendering up to ">>KANN LISTE NICHT
// LADEN<<" and rethrows. Returns the exit status.
int RunDeviceTable(TSondAmComPort& link, DeviceTables& tables, DeviceTableMode mode,
                   bool withValues, std::ostream& out);

struct CoefficientRequest {
  std::string savePath;  // the meter's user sets into this file (before sending)
  std::string sendPath;  // the sets of this file to the meter
};

// Lists the meter's coefficient sets; saves and sends as asked, as the
// coefficient dialog does. Messages go through `messages`. Returns the exit
// status: 1 when the meter kept fewer sets than were sent.
int RunDeviceCoefficients(TSondAmComPort& link, DeviceTables& tables,
                          const CoefficientRequest& request, IMessages& messages,
                          std::ostream& out);

}  // namespace gd::cli
