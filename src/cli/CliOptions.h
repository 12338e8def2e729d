// The command line of gaugdata-cli: commands, their arguments and options,
// and the usage texts.
//
//   gaugdata-cli COMMAND ARGUMENTS [OPTIONS]
//
// Options may stand anywhere after the command, as "--name value" or
// "--name=value"; "--" ends the options (for file names that start with a
// dash). Every value is checked here, so a command only runs with a
// request that makes sense; anything else is a UsageError (exit status 2).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/TextStyle.h"
#include "core/Locale.h"
#include "export/CsvExport.h"

namespace gd::cli {

enum class Command { kList, kDetails, kParams, kInfo, kExport, kPlot, kStats, kDevice };

struct CommandSpec {
  Command command;
  const char* name;
  const char* arguments;    // synopsis after the name, without the common options
  const char* summary;      // one line for the overview
  const char* description;  // the command's help text
  int minArguments;
  int maxArguments;
  const char* extraOptions;  // help lines of the command's own options, or ""
};

// The commands the tool offers, in the order of the overview.
const std::vector<CommandSpec>& Commands();
const CommandSpec* FindCommand(const std::string& name);

// Options of the device commands (`gaugdata-cli device ...`).
struct DeviceOptions {
  std::string port = "COM2";  // --port: "COMn", a system name or a path
  int baudOrdinal = 7;        // --baud 9600
  int dataOrdinal = 3;        // --data 8
  int parityOrdinal = 2;      // --parity even
  int stopOrdinal = 2;        // --stop 2
  bool hardwareFlow = true;   // --flow rtscts|none
  int timeoutMs = 2000;       // --timeout MS
  int blockSize = 2048;       // --block-size N (8 .. 2048)
  std::string trace;          // --trace FILE
  std::string output;         // -o / --output FILE
  bool set = false;           // --set (clock)
  bool force = false;         // --force: overwrite the output file
  bool values = false;        // --values (tables)
  std::string save;           // --save FILE (coefficients)
  std::string send;           // --send FILE (coefficients)
};

struct CliRequest {
  enum class Action { kRun, kHelp, kVersion };
  Action action = Action::kRun;
  const CommandSpec* command = nullptr;    // null with kHelp: the overview
  std::vector<std::string> arguments;      // FILE, SERIES, OUT as given
  int timeMode = 0;                        // list: 0 start, 1 end, 2 duration
  std::optional<std::vector<int>> series;  // export: the chosen series; none = all
  std::string localeCode = "de";
  Locale locale = Locale::German();
  TextOutputOptions text;  // style, ColLength, separator, output language
  // plot: -o OUT, --size WxH, --from T, --to T; stats: --curve NAME, --from N, --to N.
  std::string output;
  int width = 900, height = 600;
  std::optional<std::string> from, to;
  std::optional<std::string> curve;
  CsvOptions csv;        // export: the layout of a .csv target
  DeviceOptions device;  // device: ACTION is arguments[0]
};

// Wrong usage: the message and the command it concerns (null: none known).
class UsageError : public std::runtime_error {
 public:
  UsageError(const std::string& message, const CommandSpec* command)
      : std::runtime_error(message), command_(command) {}
  const CommandSpec* Command() const { return command_; }

 private:
  const CommandSpec* command_;
};

// Parses the arguments after the program name. Throws UsageError.
CliRequest ParseCommandLine(const std::vector<std::string>& arguments);

// A series number as the user writes it ("3", "03"): digits only, at least 1;
// numbers too large for an int give INT_MAX. Else nothing.
std::optional<int> ParseSeriesNumber(const std::string& text);

// The overview of all commands, and the help of one command.
std::string GeneralUsage();
std::string CommandUsage(const CommandSpec& command);
// The synopsis of a command and where its help is, for wrong usage.
std::string ShortUsage(const CommandSpec& command);

}  // namespace gd::cli
