#include "cli/CliDevice.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/Edition.h"
#include "cli/CliRun.h"
#include "cli/CliText.h"
#include "cli/DeviceTableCommands.h"
#include "cli/TerminalProgress.h"
#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/FormatText.h"
#include "core/MeasurementFile.h"
#include "core/Messages.h"
#include "core/ParsedStreamHandler.h"
#include "core/TextTools.h"
#include "device/LineSettings.h"
#include "device/TracePort.h"
#include "device/port/SystemSerialPort.h"

namespace gd::cli {
namespace {

// A text of the meter or the link (Windows-1252) for the terminal.
std::string Utf8(const std::string& text) { return MessageToUtf8(text); }

std::optional<int> ParseNumber(const std::string& text, int min, int max) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int value = std::stoi(text);
  if (value < min || value > max) return std::nullopt;
  return value;
}

// "COM1" .. "COM9" (any case) as a port index.
std::optional<int> ComIndex(const std::string& name) {
  if (name.size() != 4) return std::nullopt;
  std::string upper = name.substr(0, 3);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper != "COM" || name[3] < '1' || name[3] > '9') return std::nullopt;
  return name[3] - '1';
}

// --- The actions ------------------------------------------------------------

int RunPorts(const CliRequest&, DeviceSession*, std::ostream& out, std::ostream& err) {
  const std::vector<SystemPortInfo> ports = ListSystemPorts();
  if (ports.empty()) {
    err << "no serial ports found (pseudo-terminals and /dev/serial/by-id links can still be"
           " named with --port PATH)\n";
    return kExitOk;
  }
  for (const SystemPortInfo& p : ports) {
    out << p.name << '\t' << p.location << '\t' << p.description;
    if (!p.manufacturer.empty()) out << " (" << p.manufacturer << ')';
    if (!p.serialNumber.empty()) out << " serial " << p.serialNumber;
    out << '\n';
  }
  return kExitOk;
}

int RunIdentify(const CliRequest&, DeviceSession* session, std::ostream& out, std::ostream&) {
  TSondAmComPort& link = session->Link();
  out << "Serial number\t" << Utf8(link.SerialNumber()) << '\n'
      << "Firmware\t" << FormatFirmwareVersion(link.FirmwareVersion()) << '\n'
      << "Firmware date\t" << Utf8(link.FirmwareDate()) << '\n'
      << "Identification\t" << link.Panels().firmwareHint << '\n'
      << "Download\t"
      << (link.FirmwareAtLeast(kFirmwareChecksummed) ? "checksummed blocks" : "plain blocks")
      << '\n';
  return kExitOk;
}

// Message boxes of saving received data: the overwrite question is answered
// by --force, everything else goes to stderr.
class DownloadMessages final : public IMessages {
 public:
  DownloadMessages(std::ostream& err, bool force) : err_(err), force_(force) {}
  void Show(MessageKind, const std::string& text) override {
    err_ << "gaugdata-cli: " << Utf8(Lines(text)) << '\n';
  }
  Answer Ask(MessageKind, const std::string& text) override {
    if (force_) return Answer::Yes;
    err_ << "gaugdata-cli: " << Utf8(Lines(text)) << "\n(--force overwrites it)\n";
    return Answer::Cancel;
  }

 private:
  static std::string Lines(const std::string& text) {
    std::string lines;
    for (char c : text)
      if (c != '\r') lines += c;
    return lines;
  }
  std::ostream& err_;
  bool force_;
};

int RunDownload(const CliRequest& request, DeviceSession* session, std::ostream& out,
                std::ostream& err) {
  TSondAmComPort& link = session->Link();
  link.SetBlockSize(request.device.blockSize);
  if (StderrIsTerminal()) session->Host().ShowProgress(&link, &err);
  std::string temp;
  try {
    temp = link.DownloadToTempFile();
  } catch (...) {
    session->Host().EndProgress();
    throw;
  }
  session->Host().EndProgress();
  std::error_code ignored;
  if (std::filesystem::file_size(temp, ignored) == 0)
    throw EGaugData("the meter has no measured values to send; nothing was written");

  // Saved as the program's window saves received data: opened and checked
  // as a measurement file, then copied to the target with the reception
  // stamp, through a temporary file beside it.
  DiskFileStore files;
  ParsedStreamHandler handler;
  DownloadMessages messages(err, request.device.force);
  MeasurementFile document(files, handler, messages);
  document.SetLocale(request.locale);
  document.Open(temp, true);
  const std::string& target = request.device.output;
  const bool existed = std::filesystem::exists(target, ignored);
  if (!document.SaveReceivedAs(target)) return kExitError;
  // Saving keeps the previous content as "<name>.~SD"; a new file has none.
  if (!existed) std::filesystem::remove(ChangeFileExt(target, kBackupExtension), ignored);
  out << "received " << document.StreamSize() << " bytes";
  if (document.SeriesCount() > 0) out << ", " << document.SeriesCount() << " series";
  out << " into " << request.device.output << '\n';
  return kExitOk;
}

int RunClock(const CliRequest& request, DeviceSession* session, std::ostream& out, std::ostream&) {
  TSondAmComPort& link = session->Link();
  const std::string device = link.DeviceName();
  auto pcTime = [] {
    const CalendarTime now = CurrentCalendarTime();
    char text[48];
    std::snprintf(text, sizeof text, "%2.2d.%2.2d.%4.4d / %2.2d:%2.2d:%2.2d", now.day, now.month,
                  now.year, now.hour, now.minute, now.second);
    return std::string(text);
  };
  if (request.device.set) {
    link.SetDeviceTime(CurrentCalendarTime());
    out << Utf8(FormatText(Translate("%s-Zeit ist:"), {device})) << '\t' << link.ReadDeviceTime()
        << '\n';
    out << Utf8(Translate("PC-Zeit war:")) << '\t' << pcTime() << '\n';
    return kExitOk;
  }
  out << Utf8(FormatText(Translate("%s-Zeit war:"), {device})) << '\t' << link.ReadDeviceTime()
      << '\n';
  out << Utf8(Translate("PC-Zeit war:")) << '\t' << pcTime() << '\n';
  return kExitOk;
}

int RunTable(const CliRequest& request, DeviceSession* session, std::ostream& out, std::ostream&) {
  DeviceTableChoice choice{};
  ParseDeviceTableChoice(request.arguments.at(1), choice);
  return RunDeviceTable(session->Link(), session->Tables(), choice, request.device.values, out);
}

int RunCoefficients(const CliRequest& request, DeviceSession* session, std::ostream& out,
                    std::ostream& err) {
  DownloadMessages messages(err, false);
  CoefficientRequest coefficients{request.device.save, request.device.send};
  return RunDeviceCoefficients(session->Link(), session->Tables(), coefficients, messages, out);
}

const std::vector<DeviceAction> kActions = {
    {"ports", "", "list the system's serial ports", 0, RunPorts, false},
    {"identify", "", "serial number, firmware version and date of the meter", 0, RunIdentify},
    {"download", "-o FILE.sdx [--force]",
     "fetch the meter's measurement memory into a measurement file", 0, RunDownload},
    {"clock", "[--set]", "show the meter's clock; --set sets it to the PC's time", 0, RunClock},
    {"table", "languages|materials|media [--values]", "show one of the meter's tables", 1,
     RunTable},
    {"coefficients", "[--save FILE.wmm] [--send FILE.wmm]",
     "list, save or send the heat-flow coefficient sets", 0, RunCoefficients},
};

}  // namespace

const std::vector<DeviceAction>& DeviceActions() { return kActions; }

const DeviceAction* FindDeviceAction(const std::string& name) {
  for (const DeviceAction& a : kActions)
    if (name == a.name) return &a;
  return nullptr;
}

std::string DeviceActionsHelp() {
  std::ostringstream out;
  for (const DeviceAction& a : kActions) {
    std::string head = std::string(a.name) + (*a.arguments ? " " : "") + a.arguments;
    out << "  " << head;
    if (head.size() < 30)
      out << std::string(30 - head.size(), ' ');
    else
      out << "\n" << std::string(32, ' ');
    out << a.summary << '\n';
  }
  out << "Link messages go to stderr; -o is written only when the whole memory\n"
         "arrived (never a partial file under its name).\n";
  return out.str();
}

bool IsDeviceOption(const std::string& name) {
  static const char* const kNames[] = {"port",    "baud",       "data",  "parity", "stop", "flow",
                                       "timeout", "block-size", "trace", "output", "set",  "force",
                                       "values",  "save",       "send",  "locale"};
  return std::any_of(std::begin(kNames), std::end(kNames),
                     [&](const char* n) { return name == n; });
}

bool IsDeviceFlag(const std::string& name) {
  return name == "set" || name == "force" || name == "values";
}

void ApplyDeviceOption(const std::string& name, const std::string& value, DeviceOptions& options,
                       const std::function<void(const std::string&)>& fail) {
  if (name == "port") {
    if (value.empty()) fail("--port: the port name is empty");
    options.port = value;
  } else if (name == "baud") {
    const std::optional<int> rate = ParseNumber(value, 1, 1000000);
    int ordinal = -1;
    for (int o = 1; rate && o < kBaudOrdinalCount; ++o)
      if (BaudRate(o) == *rate) ordinal = o;
    if (ordinal < 0) fail("--baud: \"" + value + "\" is not one of 110, 300, ... 256000");
    options.baudOrdinal = ordinal;
  } else if (name == "data") {
    const std::optional<int> bits = ParseNumber(value, 5, 8);
    if (!bits) fail("--data: \"" + value + "\" is not 5, 6, 7 or 8");
    options.dataOrdinal = *bits - 5;
  } else if (name == "parity") {
    int ordinal = -1;
    for (int o = 0; o < kParityOrdinalCount; ++o) {
      std::string upper = value;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (ParityName(o) == upper) ordinal = o;
    }
    if (ordinal < 0) fail("--parity: \"" + value + "\" is not none, odd, even, mark or space");
    options.parityOrdinal = ordinal;
  } else if (name == "stop") {
    int ordinal = -1;
    for (int o = 0; o < kStopOrdinalCount; ++o)
      if (StopBitsText(o) == value) ordinal = o;
    if (ordinal < 0) fail("--stop: \"" + value + "\" is not 1, 1.5 or 2");
    options.stopOrdinal = ordinal;
  } else if (name == "flow") {
    if (value == "rtscts") {
      options.hardwareFlow = true;
    } else if (value == "none") {
      options.hardwareFlow = false;
    } else {
      fail("--flow: \"" + value + "\" is not rtscts or none");
    }
  } else if (name == "timeout") {
    const std::optional<int> ms = ParseNumber(value, 1, 600000);
    if (!ms) fail("--timeout: \"" + value + "\" is not a number of ms from 1 to 600000");
    options.timeoutMs = *ms;
  } else if (name == "block-size") {
    const std::optional<int> n = ParseNumber(value, kMinBlockSize, kMaxBlockSize);
    if (!n) fail("--block-size: \"" + value + "\" is not a number from 8 to 2048");
    options.blockSize = *n;
  } else if (name == "trace") {
    if (value.empty()) fail("--trace: the file name is empty");
    options.trace = value;
  } else if (name == "output") {
    if (value.empty()) fail("-o: the file name is empty");
    options.output = value;
  } else if (name == "set") {
    options.set = true;
  } else if (name == "force") {
    options.force = true;
  } else if (name == "values") {
    options.values = true;
  } else if (name == "save") {
    if (value.empty()) fail("--save: the file name is empty");
    options.save = value;
  } else if (name == "send") {
    if (value.empty()) fail("--send: the file name is empty");
    options.send = value;
  }
}

void CheckDeviceArguments(const std::vector<std::string>& arguments, const DeviceOptions& options,
                          const std::function<void(const std::string&)>& fail) {
  const DeviceAction* action = FindDeviceAction(arguments.at(0));
  if (!action) fail("unknown device action \"" + arguments[0] + "\"");
  const int extra = static_cast<int>(arguments.size()) - 1;
  if (extra > action->extraArguments)
    fail("unexpected argument \"" +
         arguments[static_cast<std::size_t>(action->extraArguments) + 1] + "\" for device " +
         action->name);
  const std::string name = action->name;
  if (name == "download") {
    if (options.output.empty()) fail("device download needs -o FILE.sdx");
    std::string ext = std::filesystem::path(options.output).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".sdx") fail("-o: \"" + options.output + "\" does not end in .sdx");
  } else if (!options.output.empty()) {
    fail("-o is an option of device download only");
  }
  if (name == "table") {
    DeviceTableChoice choice{};
    if (arguments.size() < 2 || !ParseDeviceTableChoice(arguments[1], choice))
      fail("device table needs languages, materials or media");
  }
  if (options.values && name != "table") fail("--values is an option of device table only");
  if ((!options.save.empty() || !options.send.empty()) && name != "coefficients")
    fail("--save and --send are options of device coefficients only");
  if (options.set && name != "clock") fail("--set is an option of device clock only");
  if (options.force && name != "download") fail("--force is an option of device download only");
}

// --- Progress ---------------------------------------------------------------

std::string CliLinkHost::ProgressLine(const std::string& caption, std::int64_t position,
                                      std::int64_t maximum, double bytesPerSecond) {
  std::string line = TerminalProgress::BarText(caption, position, maximum);
  line += "  " + std::to_string(position) + "/" + std::to_string(maximum) + " B";
  if (bytesPerSecond > 0) {
    line += "  " + std::to_string(static_cast<long long>(bytesPerSecond)) + " B/s";
    if (maximum > position) {
      const long long left =
          static_cast<long long>(static_cast<double>(maximum - position) / bytesPerSecond + 0.5);
      char text[32];
      std::snprintf(text, sizeof text, "  %lld:%02lld left", left / 60, left % 60);
      line += text;
    }
  }
  return line;
}

void CliLinkHost::ShowProgress(const TSondAmComPort* link, std::ostream* err) {
  link_ = link;
  err_ = err;
  caption_.clear();
}

void CliLinkHost::EndProgress() {
  if (err_ && lineOpen_) *err_ << '\n' << std::flush;
  lineOpen_ = false;
  link_ = nullptr;
  err_ = nullptr;
}

void CliLinkHost::LetEventsRun() {
  if (!link_ || !err_) return;
  const std::int64_t now = NowMs();
  const std::string& caption = link_->Panels().STA_GAUDOING;
  if (caption.empty()) return;
  if (caption != caption_) {
    if (lineOpen_) *err_ << '\n';
    lineOpen_ = false;
    caption_ = caption;
    captionStart_ = now;
    lastDraw_ = 0;
  }
  if (now - lastDraw_ < 200) return;
  lastDraw_ = now;
  const std::int64_t position = link_->GaugeProgress();
  const double seconds = static_cast<double>(now - captionStart_) / 1000.0;
  const double rate = seconds > 0.5 ? static_cast<double>(position) / seconds : 0.0;
  *err_ << '\r' << ProgressLine(caption, position, link_->Panels().gaugeMaximum, rate) << "\x1b[K"
        << std::flush;
  lineOpen_ = true;
}

// --- Session ----------------------------------------------------------------

DeviceSession::DeviceSession(const CliRequest& request, std::ostream& err) : err_(err) {
  const DeviceOptions& o = request.device;
  systemPort_ = MakeSystemSerialPort();
  ISerialPort* port = systemPort_.get();
  if (!o.trace.empty()) {
    traceFile_.open(o.trace, std::ios::out | std::ios::trunc);
    if (!traceFile_)
      throw EGaugData(
          FormatMessageText(Translate("Die Datei %s kann nicht geschrieben werden"), {o.trace}));
    tracePort_ = std::make_unique<TracePort>(*systemPort_, host_, traceFile_);
    port = tracePort_.get();
  }
  link_ = std::make_unique<TSondAmComPort>(*port, host_, CurrentEdition().deviceName);
  PortSettings settings;
  settings.baudOrdinal = o.baudOrdinal;
  settings.dataOrdinal = o.dataOrdinal;
  settings.parityOrdinal = o.parityOrdinal;
  settings.stopOrdinal = o.stopOrdinal;
  settings.hardwareFlow = o.hardwareFlow;
  link_->SetLineSettings(settings);
  link_->SetTimeoutMs(o.timeoutMs);
  link_->SetBlockSize(o.blockSize);
  if (const std::optional<int> index = ComIndex(o.port)) {
    portIndex_ = *index;
    portName_ = SystemPortName(*index);
  } else {
    portIndex_ = 0;
    portName_ = o.port;
  }
  link_->SetPortPath(portName_);
}

DeviceSession::~DeviceSession() {
  try {
    if (link_->PortOpen()) link_->SwitchToMainMode();
  } catch (const std::exception&) {
    // The meter returns to main mode on its own after a while; the port is closed.
  }
  link_->ClosePort();
}

void DeviceSession::Connect() {
  try {
    if (link_->Connect(portIndex_)) return;
  } catch (const EComPortFAIL& e) {
    const std::string cause = link_->Panels().STA_ComLongText;
    throw EComPortFAIL(std::string(e.what()) + " (" + portName_ +
                       (cause.empty() || cause == "CLOSED" ? "" : ": " + cause) + ")");
  }
  throw EGaugData(Translate("Fehler Verbindungsaufbau"));
}

int RunDeviceCommand(const CliRequest& request, std::ostream& out, std::ostream& err) {
  const DeviceAction* action = FindDeviceAction(request.arguments.at(0));
  if (!action) throw EGaugData("unknown device action " + request.arguments[0]);
  if (!action->needsMeter) return action->run(request, nullptr, out, err);
  DeviceSession session(request, err);
  session.Connect();
  return action->run(request, &session, out, err);
}

}  // namespace gd::cli
