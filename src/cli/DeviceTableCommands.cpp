#include "cli/DeviceTableCommands.h"

#include <algorithm>

#include "app/Edition.h"
#include "cli/CliRun.h"
#include "cli/CliText.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "device/CoefficientDialogModel.h"
#include "device/SondAmComPort.h"
#include "device/TableLoading.h"

namespace gd::cli {
namespace {

// The wait after storing lets the link's host run; nothing to show here.
class HostWait final : public WaitWindow {
 public:
  explicit HostWait(TSondAmComPort& link) : link_(link) {}
  bool WaitFor(const std::string&, int milliseconds) override {
    link_.Host().Pause(milliseconds);
    return true;
  }

 private:
  TSondAmComPort& link_;
};

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) out << Windows1252ToUtf8(line) << '\n';
}

// One set: its list text and descriptor, then the ten values in two rows.
void PrintSet(const CoefficientListItem& item, std::ostream& out) {
  std::string head = item.text;
  for (char& c : head) {
    if (c == '\t') c = ' ';
  }
  out << Windows1252ToUtf8(head) << "  DESCRIPTOR=" << item.set.descriptor << '\n';
  for (std::size_t k = 0; k < TWMMKoeffs::kCoefficientCount; ++k) {
    out << (k % 5 == 0 ? "   " : "") << ' ' << kCoefficientNames[k] << '='
        << CoefficientValueText(item.set.Value(k)) << (k % 5 == 4 ? "\n" : "");
  }
}

}  // namespace

bool ParseDeviceTableMode(const std::string& word, DeviceTableMode& mode) {
  if (word == "languages") {
    mode = DeviceTableMode::kLanguages;
  } else if (word == "materials") {
    mode = DeviceTableMode::kMaterials;
  } else if (word == "media") {
    mode = DeviceTableMode::kMedia;
  } else {
    return false;
  }
  return true;
}

int RunDeviceTable(TSondAmComPort& link, DeviceTables& tables, DeviceTableMode mode,
                   bool withValues, std::ostream& out) {
  DeviceTableDialogModel dialog(
      mode, tables, [&](DeviceTableMode m, DeviceTables& t) { LoadTableFor(link, m, t); },
      [&] { return link.SerialNumber(); });
  try {
    dialog.Open();
  } catch (...) {
    PrintLines(dialog.Lines(), out);
    throw;
  }
  if (withValues) dialog.SetShowValues(true);
  PrintLines(dialog.Lines(), out);
  return kExitOk;
}

int RunDeviceCoefficients(TSondAmComPort& link, DeviceTables& tables,
                          const CoefficientRequest& request, IMessages& messages,
                          std::ostream& out) {
  LinkCoefficientMeter meter(link);
  HostWait wait(link);
  CoefficientDialogModel model(meter, tables, wait, messages, link.DeviceName());
  model.Start();

  const EditionNames& edition = CurrentEdition();
  CoefficientFileStyle style;
  style.programName = Translate(edition.programName);
  style.deviceName = Translate(edition.deviceName);
  DiskFileStore files;
  if (!request.savePath.empty()) model.SaveList(files, request.savePath, style);

  int status = kExitOk;
  if (!request.sendPath.empty()) {
    // No sets in the file: the reader has said why, and nothing is sent.
    if (model.LoadList(files, request.sendPath) == 0) return kExitError;
    const int wanted = model.SelectedCount();
    model.Send();
    out << "sent " << std::min(wanted, model.Limit()) << " of " << wanted
        << " sets; user slots in the meter: " << model.Limit() << '\n';
    if (model.Limit() < wanted) status = kExitError;
  }

  for (const CoefficientListItem& item : model.Library()) PrintSet(item, out);
  return status;
}

}  // namespace gd::cli
