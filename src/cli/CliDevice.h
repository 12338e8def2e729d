// `gaugdata-cli device ACTION ...`: the meter on a serial port.
//
// Each action is a row of DeviceActions(): its name, arguments, help line and
// the function that runs it. Actions that need the meter run inside a
// DeviceSession, which opens the port with the request's line settings,
// connects (slave mode and identification), and at the end switches the meter
// back to main mode and closes the port, whatever happened. New actions add
// a row and a function; the option parser and the help take them from here.
#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "device/DeviceTables.h"
#include "device/SondAmComPort.h"

namespace gd::cli {

class DeviceSession;

struct DeviceAction {
  const char* name;
  const char* arguments;  // after the action's name, e.g. "-o FILE.sdx"
  const char* summary;
  int extraArguments;  // arguments after the action's name (0 or 1)
  // Runs the action; returns the exit status. Connected actions get a
  // session that is already in slave mode; `ports` gets none.
  std::function<int(const CliRequest&, DeviceSession*, std::ostream& out, std::ostream& err)> run;
  bool needsMeter = true;
};

const std::vector<DeviceAction>& DeviceActions();
const DeviceAction* FindDeviceAction(const std::string& name);
// The help lines listing the actions.
std::string DeviceActionsHelp();

// Option parsing for the device command (used by ParseCommandLine).
bool IsDeviceOption(const std::string& name);
// Options without a value (--set, --force, --values).
bool IsDeviceFlag(const std::string& name);
void ApplyDeviceOption(const std::string& name, const std::string& value, DeviceOptions& options,
                       const std::function<void(const std::string&)>& fail);
// Checks ACTION and its arguments.
void CheckDeviceArguments(const std::vector<std::string>& arguments, const DeviceOptions& options,
                          const std::function<void(const std::string&)>& fail);

// The host of the command-line tool: a steady clock, real pauses, and a
// progress bar on a terminal while a download runs.
class CliLinkHost final : public SystemLinkHost {
 public:
  void LetEventsRun() override;
  // Draws the link's gauge on `err` (when not null) from now on.
  void ShowProgress(const TSondAmComPort* link, std::ostream* err);
  // Ends the bar's line.
  void EndProgress();

  // "Load Values [####    ]  45%  12345/27000 B  790 B/s  0:18 left".
  static std::string ProgressLine(const std::string& caption, std::int64_t position,
                                  std::int64_t maximum, double bytesPerSecond);

 private:
  const TSondAmComPort* link_ = nullptr;
  std::ostream* err_ = nullptr;
  std::int64_t lastDraw_ = 0;
  std::string caption_;
  std::int64_t captionStart_ = 0;
  std::int64_t lastPosition_ = 0;
  bool lineOpen_ = false;
};

// A port opened with the request's settings and a connected meter.
class DeviceSession {
 public:
  DeviceSession(const CliRequest& request, std::ostream& err);
  // Back to main mode (errors ignored); the port ends closed.
  ~DeviceSession();

  // Opens the port and connects; throws the link's errors, or EGaugData with
  // "Fehler Verbindungsaufbau" when the meter does not answer as it should.
  void Connect();
  TSondAmComPort& Link() { return *link_; }
  CliLinkHost& Host() { return host_; }
  // The tables loaded from the meter, held beside the link.
  DeviceTables& Tables() { return tables_; }
  std::ostream& Err() { return err_; }

 private:
  std::ostream& err_;
  CliLinkHost host_;
  std::unique_ptr<ISerialPort> systemPort_;
  std::ofstream traceFile_;
  std::unique_ptr<ISerialPort> tracePort_;
  std::unique_ptr<TSondAmComPort> link_;
  DeviceTables tables_;
  int portIndex_ = 0;
  std::string portName_;
};

// Runs `gaugdata-cli device ...`.
int RunDeviceCommand(const CliRequest& request, std::ostream& out, std::ostream& err);

}  // namespace gd::cli
