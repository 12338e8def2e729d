#include "cli/CliOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "cli/CliDevice.h"
#include "cli/CliText.h"
#include "convert/LabelTable.h"

namespace gd::cli {
namespace {

constexpr const char* kProgram = "gaugdata-cli";

// The help lines of the options every command takes. The language codes
// come from the label table, so the list cannot go stale.
std::string CommonOptionsHelp() {
  constexpr std::size_t kIndent = 24, kWidth = 79;
  std::string help =
      "Options of every command:\n"
      "  --locale de|en|da|fr  dates, times and the system decimal separator of that\n"
      "                        language (default de)\n"
      "  --style BITS          text style bits, decimal or 0x-hex (default 0x0031D033)\n"
      "  --col-length N        characters per number, 7..16 (default 9)\n"
      "  --separator C         the column separator character of the user's choice\n"
      "                        (default @; \"\" for none)\n"
      "  --language CODE       language of the parameter-set texts by its code:\n";
  std::string line(kIndent, ' ');
  for (int i = 0; i < TLabelTable::kLanguageCount; ++i) {
    const LabelLanguage& language = TLabelTable::Language(i);
    const std::string item = std::string(language.code) + " " + std::string(language.name) + ",";
    if (line.size() + 1 + item.size() > kWidth) {
      help += line + "\n";
      line.assign(kIndent, ' ');
    }
    if (line.size() > kIndent) line += ' ';
    line += item;
  }
  help += line + "\n";
  help +=
      "                        any other code (the default 000) selects the first,\n"
      "                        \"\" keeps the meter's own language\n"
      "  --help                show the help of the command\n";
  return help;
}

const std::vector<CommandSpec> kCommands = {
    {Command::kList, "list", "FILE [--time start|end|duration]",
     "list the measurement series of a file",
     "Prints a caption line, then one line per measurement series of FILE, the\n"
     "cells separated by one TAB, as the series list of the main window shows\n"
     "them: NR, the time column, and per channel letter the unit, the value count\n"
     "and the measuring point's name. A file without series prints its caption\n"
     "line, and the information text on stderr.\n",
     1, 1,
     "  --time start|end|duration\n"
     "                        what the time column shows: the start (default), the\n"
     "                        end or the duration of each series\n"},
    {Command::kDetails, "details", "FILE SERIES", "the details text of one series",
     "Prints the details text of series number SERIES (1, 2, ... as the list\n"
     "numbers them) of FILE: its start, and per channel the value count, unit\n"
     "and measuring point.\n",
     2, 2, ""},
    {Command::kParams, "params", "FILE [SERIES]", "the parameter sets of one series",
     "Prints the parameter sets of series number SERIES of FILE (series 1 when\n"
     "none is given) as the parameter-set window shows them. --style bit 0x20000\n"
     "puts the channels side by side, bit 0x40 shows all data; --language chooses\n"
     "the language of the labels.\n",
     1, 2, ""},
    {Command::kExport, "export", "FILE OUT [--series LIST] [--csv-excel-de]",
     "save series as text, .xls, .xlsx, .csv or .sdx",
     "Saves the chosen series of FILE to OUT, by OUT's extension: \".xls\" a\n"
     "spreadsheet file (16384 rows; series that need more are refused and nothing\n"
     "is written), \".xlsx\" the same cells as a current workbook (1048576 rows),\n"
     "\".csv\" a data table for data tools (UTF-8; one header row, then per value\n"
     "record series, channel, ISO 8601 time and the values), \".sdx\" a\n"
     "measurement file holding only those series with their comments, anything\n"
     "else a text file in the layout the text style bits choose. OUT is written\n"
     "in one piece and never onto FILE itself. A progress bar is shown on stderr\n"
     "when it is a terminal.\n",
     2, 2,
     "  --series LIST         the series to save: 1-based numbers separated by\n"
     "                        commas, in the order to save them (3,1), or all\n"
     "                        (default)\n"
     "  --csv-excel-de        a .csv with semicolons and decimal commas, as a\n"
     "                        German spreadsheet program opens it\n"},
    {Command::kPlot, "plot", "FILE SERIES -o OUT [--size WxH] [--from T --to T]",
     "draw the diagram of one series into a picture",
     "Draws the diagram of series number SERIES of FILE as the diagram window\n"
     "shows it (no display needed) into OUT: \".png\" a picture, \".svg\" a vector\n"
     "drawing, both --size pixels large (default 900x600), or \".pdf\" the printed\n"
     "page (A4 landscape) with its header rows. --from and --to zoom the time axis\n"
     "to a range: a clock time HH:MM[:SS] (the first one at or after the series\n"
     "start), a date and time DD.MM.YYYY HH:MM[:SS] or YYYY-MM-DDTHH:MM[:SS], or\n"
     "+SECONDS after the series start.\n",
     2, 2,
     "  -o, --output OUT      the file to write (.png, .svg or .pdf)\n"
     "  --size WxH            size of a .png or .svg in pixels (default 900x600)\n"
     "  --from T, --to T      the time range to show (default: the whole series)\n"},
    {Command::kStats, "stats", "FILE SERIES [--curve NAME] [--from N --to N]",
     "the statistics text of one diagram curve",
     "Prints the statistics of one curve of series number SERIES of FILE as the\n"
     "diagram's statistics window shows them: valid points, minimum and maximum\n"
     "with their samples, mean and standard deviation. --from and --to are sample\n"
     "numbers (1, 2, ...) where the start and end markers stand; an end before the\n"
     "start leaves out the samples between them, both included.\n",
     2, 2,
     "  --curve NAME          the curve as the diagram names it (\"A:MEASURE\");\n"
     "                        default: the first curve\n"
     "  --from N, --to N      the start and end marker samples (default: none)\n"},
    {Command::kInfo, "info", "FILE", "the technical listing of a file's stream",
     "Prints the technical listing of the measurement byte stream in FILE: prolog\n"
     "fields, firmware options, interfaces, name lists, coefficient sets and the\n"
     "input and output tables, one line per entry.\n",
     1, 1, ""},
    {Command::kDevice, "device", "ACTION [ARGUMENT]", "talk to a meter on a serial port",
     "Talks to a meter on a serial port. ACTION is one of:\n", 1, 2,
     "  --port NAME|PATH      the serial port: COM1 .. COM9, a system name\n"
     "                        (ttyUSB0) or a path (/dev/serial/by-id/...);\n"
     "                        default COM2\n"
     "  --baud N              110 .. 256000 (default 9600)\n"
     "  --data N              data bits 5 .. 8 (default 8)\n"
     "  --parity P            none, odd, even, mark or space (default even)\n"
     "  --stop N              stop bits 1, 1.5 or 2 (default 2)\n"
     "  --flow rtscts|none    RTS/CTS handshake (default rtscts)\n"
     "  --timeout MS          receive time-out per byte, 1 .. 600000 (default 2000)\n"
     "  --block-size N        bytes per values block of a download, 8 .. 2048\n"
     "                        (default 2048)\n"
     "  --trace FILE          log every byte sent and received with a time stamp\n"
     "                        in milliseconds\n"},
};

[[noreturn]] void Fail(const std::string& message, const CommandSpec* command) {
  throw UsageError(message, command);
}

std::optional<std::uint32_t> ParseBits(const std::string& text) {
  if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits[0] == '-' || digits[0] == '+' || digits[0] == ' ') {
    return std::nullopt;
  }
  errno = 0;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(digits.c_str(), &end, hex ? 16 : 10);
  if (errno != 0 || end == nullptr || *end != '\0' || value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::optional<int> ParseDecimal(const std::string& text, int min, int max) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int value = std::stoi(text);
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::vector<int> ParseSeriesList(const std::string& text, const CommandSpec* command) {
  std::vector<int> numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string item =
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const std::optional<int> n = ParseSeriesNumber(item);
    if (!n) {
      Fail("--series: \"" + item + "\" is not a series number (1, 2, ... or all)", command);
    }
    if (std::find(numbers.begin(), numbers.end(), *n) != numbers.end()) {
      Fail("--series: series " + std::to_string(*n) + " is named twice", command);
    }
    numbers.push_back(*n);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return numbers;
}

// The one option without a value.
constexpr const char* kCsvExcelDe = "csv-excel-de";

bool KnownOption(const std::string& name, const CommandSpec& command) {
  if (name == "locale" || name == "style" || name == "col-length" || name == "separator" ||
      name == "language") {
    return true;
  }
  if (command.command == Command::kDevice) return IsDeviceOption(name);
  if (name == "time") return command.command == Command::kList;
  if (name == "output" || name == "size") return command.command == Command::kPlot;
  if (name == "curve") return command.command == Command::kStats;
  if (name == "from" || name == "to")
    return command.command == Command::kPlot || command.command == Command::kStats;
  if (name == "series" || name == kCsvExcelDe) return command.command == Command::kExport;
  return false;
}

// Applies one option with its value to the request.
void ApplyOption(const std::string& name, const std::string& value, CliRequest& request) {
  const CommandSpec* command = request.command;
  if (name == "locale") {
    if (!Locale::FromCode(value, request.locale)) {
      Fail("--locale: \"" + value + "\" is not one of de, en, da, fr", command);
    }
    request.localeCode = value;
  } else if (name == "style") {
    const std::optional<std::uint32_t> bits = ParseBits(value);
    if (!bits)
      Fail("--style: \"" + value + "\" is not a 32-bit number (decimal or 0x-hex)", command);
    request.text.style = *bits;
  } else if (name == "col-length") {
    const std::optional<int> n = ParseDecimal(value, kMinColLength, kMaxColLength);
    if (!n) Fail("--col-length: \"" + value + "\" is not a number from 7 to 16", command);
    request.text.colLength = *n;
  } else if (name == "separator") {
    if (value.empty()) {
      request.text.separatorChar = '\0';
    } else {
      const std::optional<char> c = Utf8CharToWindows1252(value);
      if (!c || *c == '\0' || *c == '\r' || *c == '\n') {
        Fail("--separator: \"" + value + "\" is not a single character of Windows-1252", command);
      }
      request.text.separatorChar = *c;
    }
  } else if (name == "language") {
    const bool printable =
        std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7F; });
    if ((value.size() != 3 && !value.empty()) || !printable) {
      Fail("--language: \"" + value + "\" is not a 3-character language code", command);
    }
    request.text.language = value;
  } else if (name == "time") {
    if (value == "start") {
      request.timeMode = 0;
    } else if (value == "end") {
      request.timeMode = 1;
    } else if (value == "duration") {
      request.timeMode = 2;
    } else {
      Fail("--time: \"" + value + "\" is not one of start, end, duration", command);
    }
  } else if (command->command == Command::kDevice) {
    ApplyDeviceOption(name, value, request.device,
                      [command](const std::string& message) { Fail(message, command); });
  } else if (name == "output") {
    if (value.empty()) Fail("-o: OUT is an empty name", command);
    request.output = value;
  } else if (name == "size") {
    const std::size_t x = value.find_first_of("xX");
    const std::optional<int> w =
        x == std::string::npos ? std::nullopt : ParseDecimal(value.substr(0, x), 16, 8000);
    const std::optional<int> h =
        x == std::string::npos ? std::nullopt : ParseDecimal(value.substr(x + 1), 16, 8000);
    if (!w || !h) Fail("--size: \"" + value + "\" is not WIDTHxHEIGHT from 16 to 8000", command);
    request.width = *w;
    request.height = *h;
  } else if (name == "from" || name == "to") {
    if (command->command == Command::kStats && !ParseSeriesNumber(value)) {
      Fail("--" + name + ": \"" + value + "\" is not a sample number (1, 2, ...)", command);
    }
    (name == "from" ? request.from : request.to) = value;
  } else if (name == "curve") {
    request.curve = value;
  } else if (name == "series") {
    if (value == "all") {
      request.series.reset();
    } else {
      request.series = ParseSeriesList(value, command);
    }
  }
}

}  // namespace

const std::vector<CommandSpec>& Commands() { return kCommands; }

const CommandSpec* FindCommand(const std::string& name) {
  for (const CommandSpec& c : kCommands) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

std::optional<int> ParseSeriesNumber(const std::string& text) {
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  // Numbers beyond any file are still numbers: the command then says how many
  // series the file has, as for any other series that is not there.
  const std::size_t digits = text.size() - std::min(text.find_first_not_of('0'), text.size());
  if (digits > 9) return std::numeric_limits<int>::max();
  return ParseDecimal(text.substr(text.size() - std::max<std::size_t>(digits, 1)), 1,
                      std::numeric_limits<int>::max());
}

CliRequest ParseCommandLine(const std::vector<std::string>& arguments) {
  CliRequest request;
  if (arguments.empty()) Fail("no command given", nullptr);
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h" || first == "help") {
    request.action = CliRequest::Action::kHelp;
    if (first == "help" && arguments.size() > 1) {
      request.command = FindCommand(arguments[1]);
      if (!request.command) Fail("unknown command \"" + arguments[1] + "\"", nullptr);
    }
    return request;
  }
  if (first == "--version") {
    request.action = CliRequest::Action::kVersion;
    return request;
  }
  if (!first.empty() && first[0] == '-') Fail("a command must come first, not " + first, nullptr);
  request.command = FindCommand(first);
  if (!request.command) Fail("unknown command \"" + first + "\"", nullptr);
  const CommandSpec* command = request.command;

  // --help anywhere before "--" wins over everything else.
  for (std::size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
    if (arguments[i] == "--help" || arguments[i] == "-h") {
      request.action = CliRequest::Action::kHelp;
      return request;
    }
  }

  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    // "-1" is a (wrong) series number, not an option.
    const bool negativeNumber = arg.size() >= 2 && arg[0] == '-' &&
                                arg.find_first_not_of("0123456789", 1) == std::string::npos;
    if (optionsEnded || arg.size() < 2 || arg[0] != '-' || negativeNumber) {
      request.arguments.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "-o" && command->command == Command::kPlot) {
      if (i + 1 >= arguments.size()) Fail("option -o needs a value", command);
      ApplyOption("output", arguments[++i], request);
      continue;
    }
    std::string name;
    if (arg == "-o" && command->command == Command::kDevice) {
      name = "output";
    } else {
      if (arg[1] != '-') Fail("unknown option " + arg + " for " + command->name, command);
      name = arg.substr(2);
    }
    std::string value;
    const std::size_t equals = name.find('=');
    const bool inlineValue = equals != std::string::npos;
    if (inlineValue) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (!KnownOption(name, *command)) {
      Fail("unknown option --" + name + " for " + command->name, command);
    }
    if (name == kCsvExcelDe) {
      if (inlineValue) Fail("option --" + name + " takes no value", command);
      request.csv.excelDe = true;
      continue;
    }
    if (!inlineValue && command->command == Command::kDevice && IsDeviceFlag(name)) {
      value = "1";
    } else if (!inlineValue) {
      if (i + 1 >= arguments.size()) Fail("option --" + name + " needs a value", command);
      value = arguments[++i];
    }
    ApplyOption(name, value, request);
  }

  const int count = static_cast<int>(request.arguments.size());
  if (count < command->minArguments) {
    Fail(std::string("missing argument for ") + command->name, command);
  }
  if (count > command->maxArguments) {
    Fail("unexpected argument \"" +
             request.arguments[static_cast<std::size_t>(command->maxArguments)] + "\"",
         command);
  }
  if (command->command == Command::kDevice) {
    CheckDeviceArguments(request.arguments, request.device,
                         [command](const std::string& message) { Fail(message, command); });
    return request;
  }
  if (request.arguments[0].empty()) Fail("FILE is an empty name", command);
  if (command->command == Command::kExport && request.arguments[1].empty()) {
    Fail("OUT is an empty name", command);
  }
  if (command->command == Command::kPlot && request.output.empty()) {
    Fail("plot needs -o OUT", command);
  }
  if (command->command == Command::kDetails || command->command == Command::kParams ||
      command->command == Command::kPlot || command->command == Command::kStats) {
    if (count >= 2 && !ParseSeriesNumber(request.arguments[1])) {
      Fail("\"" + request.arguments[1] + "\" is not a series number (1, 2, ...)", command);
    }
  }
  return request;
}

std::string GeneralUsage() {
  std::ostringstream out;
  out << "Usage: " << kProgram << " COMMAND ARGUMENTS [OPTIONS]\n\n"
      << "Reads GaugData measurement files (.sdx) without a window.\n\nCommands:\n";
  std::size_t width = 0;
  for (const CommandSpec& c : kCommands) {
    width = std::max(width, std::string(c.name).size() + 1 + std::string(c.arguments).size());
  }
  for (const CommandSpec& c : kCommands) {
    const std::string head = std::string(c.name) + " " + c.arguments;
    out << "  " << head << std::string(width - head.size() + 2, ' ') << c.summary << '\n';
  }
  out << '\n'
      << CommonOptionsHelp() << '\n'
      << "Run '" << kProgram << " COMMAND --help' for the help of one command.\n"
      << "Exit status: 0 done, 1 an error (its message on stderr), 2 wrong usage.\n";
  return out.str();
}

std::string ShortUsage(const CommandSpec& command) {
  std::ostringstream out;
  out << "Usage: " << kProgram << ' ' << command.name << ' ' << command.arguments << " [OPTIONS]\n"
      << "Run '" << kProgram << ' ' << command.name << " --help' for the options.\n";
  return out.str();
}

std::string CommandUsage(const CommandSpec& command) {
  std::ostringstream out;
  out << "Usage: " << kProgram << ' ' << command.name << ' ' << command.arguments
      << " [OPTIONS]\n\n"
      << command.description;
  if (command.command == Command::kDevice) out << DeviceActionsHelp();
  out << '\n';
  if (*command.extraOptions != '\0') out << "Options:\n" << command.extraOptions << '\n';
  out << CommonOptionsHelp();
  return out.str();
}

}  // namespace gd::cli
