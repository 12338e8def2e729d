#include "Options.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace gd::sim {
namespace {

[[noreturn]] void Bad(const std::string& option, const std::string& what) {
  throw std::invalid_argument(option + ": " + what);
}

unsigned long long Number(const std::string& option, const std::string& text,
                          unsigned long long max) {
  if (text.empty() || text[0] == '-' || text[0] == '+') Bad(option, "expects a number");
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0') Bad(option, "\"" + text + "\" is not a number");
  if (v > max) Bad(option, text + " is larger than " + std::to_string(max));
  return v;
}

std::size_t Size(const std::string& option, std::string text) {
  unsigned long long unit = 1;
  if (!text.empty() && (text.back() == 'K' || text.back() == 'k')) unit = 1024;
  if (!text.empty() && (text.back() == 'M' || text.back() == 'm')) unit = 1024 * 1024;
  if (unit != 1) text.pop_back();
  return static_cast<std::size_t>(Number(option, text, 0x7FFFFFFFull / unit) * unit);
}

std::uint16_t FirmwareWord(const std::string& option, const std::string& text) {
  if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
    return static_cast<std::uint16_t>(Number(option, text, 0xFFFF));
  }
  const auto dot = text.find('.');
  if (dot == std::string::npos || text.size() - dot - 1 != 2) {
    Bad(option, "expects a version as major.minor with two digits (5.22) or a word (0x1605)");
  }
  const auto major = Number(option, text.substr(0, dot), 255);
  const auto minor = Number(option, text.substr(dot + 1), 99);
  return static_cast<std::uint16_t>(major | (minor << 8));
}

BlockFault Fault(const std::string& option, const std::string& text) {
  BlockFault f;
  std::string number = text;
  const auto colon = text.find(':');
  if (colon != std::string::npos) {
    const std::string when = text.substr(colon + 1);
    if (when == "always") {
      f.always = true;
    } else if (when != "once") {
      Bad(option, "expects N, N:once or N:always");
    }
    number = text.substr(0, colon);
  }
  f.block = static_cast<int>(Number(option, number, 0x7FFFFFFF));
  if (f.block == 0) Bad(option, "blocks are counted from 1");
  return f;
}

long long ClockStart(const std::string& option, const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char sep = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &y, &mo, &d, &sep, &h, &mi, &s) != 7 ||
      (sep != ' ' && sep != 'T') || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 ||
      s > 59 || y < 1) {
    Bad(option, "expects a local time as YYYY-MM-DD HH:MM:SS");
  }
  // Days from 1970-01-01 (proleptic Gregorian calendar).
  const int yy = y - (mo <= 2 ? 1 : 0);
  const int era = yy / 400;
  const int yoe = yy - era * 400;
  const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = era * 146097LL + doe - 719468;
  return days * 86400 + h * 3600 + mi * 60 + s;
}

}  // namespace

const char* UsageText() {
  return R"(usage: metersim [options]
A virtual GAUGEUNIT meter on a pseudo-terminal. Prints the terminal's path
as its first line, then serves the program on it until it is stopped.

Memory:
  --memory FILE          measurement memory from a .sdx file (default: the demo file)
  --generate SIZE        a memory of SIZE bytes (K, M suffixes) laid out like the
                         --memory file, its values area filled up to the size
  --write-memory FILE    save the memory as the meter sends it, then serve it
  --no-data              answer a download with "nothing to send"
Identification:
  --firmware V           firmware version, 5.22 or a word 0x1605 (default: the memory's)
  --firmware-date TEXT   (default 12.03.2024)
  --serial TEXT          serial number (default SDX-24-0815)
  --ident-a N            identification word A
  --ident-b N            identification word B (32 bits)
Tables and clock:
  --user-slots N         user coefficient slots, 0..255 (default 8)
  --user-sets N          slots holding a set at start (default 1)
  --materials N          entries of the materials table, 1..256 (default 7)
  --clock "YYYY-MM-DD HH:MM:SS"   the meter's clock at start (default: this computer's)
Line:
  --baud N|line          pace the meter's bytes at N baud, or at the rate the
                         program set on the port (default: no pacing)
  --bits N               bits a byte takes on the line (default 12, as at 8E2)
Faults:
  --corrupt-block N[:once|:always]  change a byte of the N-th values block
  --drop-block N[:once|:always]     leave a byte of the N-th values block out
  --drop-byte N          never send the N-th byte of the run (repeatable)
  --silent-after N       send nothing more after N bytes
  --bad-handshake[=N]    answer the first N handshakes (default: all) without READY
  --readback-fault[=once|always]  user sets read back after a recall differ
  --max-tries N          refusals of one block before the meter gives up (default 6)
  --arg-timeout MS       wait for a command's arguments (default 2000)
  --ack-timeout MS       wait for an acknowledgement (default 10000)
Other:
  --log FILE             log what the meter receives and does ("-": stderr)
  --help
Stops on SIGTERM, SIGINT, SIGHUP and when the process that started it ends.
)";
}

Options ParseOptions(int argc, char** argv, const std::string& defaultMemory) {
  Options o;
  o.memoryPath = defaultMemory;
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    const auto eq = name.find('=');
    if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    auto value = [&]() -> std::string {
      if (inlineValue) return *inlineValue;
      if (i + 1 >= args.size()) Bad(name, "needs a value");
      return args[++i];
    };
    MeterSettings& m = o.meter;
    if (name == "--help" || name == "-h") {
      o.help = true;
    } else if (name == "--memory") {
      o.memoryPath = value();
    } else if (name == "--generate") {
      o.generate = Size(name, value());
    } else if (name == "--write-memory") {
      o.writeMemory = value();
    } else if (name == "--no-data") {
      m.noData = true;
    } else if (name == "--firmware") {
      m.firmware = FirmwareWord(name, value());
      o.firmwareGiven = true;
    } else if (name == "--firmware-date" || name == "--serial") {
      const std::string text = value();
      if (text.size() > 255) Bad(name, "at most 255 characters");
      (name == "--serial" ? m.serialNumber : m.firmwareDate) = text;
    } else if (name == "--ident-a") {
      m.identWordA = static_cast<std::uint16_t>(Number(name, value(), 0xFFFF));
    } else if (name == "--ident-b") {
      m.identWordB = static_cast<std::uint32_t>(Number(name, value(), 0xFFFFFFFF));
    } else if (name == "--user-slots") {
      m.userSlots = static_cast<int>(Number(name, value(), 255));
    } else if (name == "--user-sets") {
      m.userSets = static_cast<int>(Number(name, value(), 255));
    } else if (name == "--materials") {
      m.materials = static_cast<int>(Number(name, value(), 256));
      if (m.materials == 0) Bad(name, "a table has at least one entry");
    } else if (name == "--clock") {
      m.clockStart = ClockStart(name, value());
    } else if (name == "--baud") {
      const std::string v = value();
      o.pacing.baud = v == "line" ? -1 : static_cast<long>(Number(name, v, 10000000));
    } else if (name == "--bits") {
      o.pacing.bitsPerByte = static_cast<int>(Number(name, value(), 64));
    } else if (name == "--corrupt-block") {
      m.corruptBlock = Fault(name, value());
    } else if (name == "--drop-block") {
      m.dropBlock = Fault(name, value());
    } else if (name == "--drop-byte") {
      const auto n = Number(name, value(), ~0ull);
      if (n == 0) Bad(name, "bytes are counted from 1");
      o.droppedBytes.insert(n);
    } else if (name == "--silent-after") {
      o.silentAfter = static_cast<std::int64_t>(Number(name, value(), 0x7FFFFFFFFFFFull));
    } else if (name == "--bad-handshake") {
      m.badHandshakes = inlineValue ? static_cast<int>(Number(name, *inlineValue, 1000000)) : -1;
    } else if (name == "--readback-fault") {
      const std::string v = inlineValue.value_or("once");
      if (v != "once" && v != "always") Bad(name, "expects once or always");
      m.readbackFaults = v == "once" ? 1 : -1;
    } else if (name == "--max-tries") {
      m.maxTries = static_cast<int>(Number(name, value(), 1000));
      if (m.maxTries == 0) Bad(name, "at least 1");
    } else if (name == "--arg-timeout") {
      m.argTimeoutMs = static_cast<int>(Number(name, value(), 3600000));
    } else if (name == "--ack-timeout") {
      m.ackTimeoutMs = static_cast<int>(Number(name, value(), 3600000));
    } else if (name == "--log") {
      o.logPath = value();
    } else {
      Bad(name, "unknown option (see --help)");
    }
  }
  return o;
}

}  // namespace gd::sim
