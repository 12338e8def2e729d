// Connection to the meter (slave mode and back), the command start and the
// identification commands.
#include <cstdio>
#include <string>

#include "core/FormatText.h"
#include "core/TextTools.h"
#include "device/SondAmComPort.h"

namespace gd {
namespace {

// The token that switches the meter into slave mode.
constexpr char kSlaveToken[] = "HI SONDV3";
// Time before each byte of the token (on top of the send gap).
constexpr std::int64_t kTokenGapMs = 30;
// The identification keeps this many characters of the date and serial number.
constexpr std::size_t kIdentTextLength = 16;

std::string IdentHint(std::uint32_t a, std::uint32_t b) {
  char hint[24];
  std::snprintf(hint, sizeof hint, "%.8x/%.8x", static_cast<unsigned>(a), static_cast<unsigned>(b));
  return hint;
}

}  // namespace

const char* CommandDisplayName(std::uint8_t code) {
  switch (code) {
    case 0x53:
      return "Table";
    case 0x54:
      return "UserArea";
    case 0x55:
      return "ParamPool";
    case 0x57:
      return "PICMODS";
    case 0x58:
      return "RomData";
    case 0x59:
      return "PT-Card";
    case 0x64:
      return "Return from Slave";
    case 0x67:
      return "SerialNumber";
    case 0x68:
      return "FirmwareVersion";
    case 0x6A:
      return "Status";
    case 0x70:
      return "FirmwareDate";
    case 0x74:
      return "RomData";
    case 0x7B:
      return "Set HostDateTime";
    case 0x7C:
      return "DateTime";
    case 0x92:
      return "WriteLCD";
    case 0x93:
      return "Here am I";
    case 0x94:
      return "BeepGood";
    case 0x95:
      return "BeepBad";
    case 0x96:
      return "LightOn";
    case 0x97:
      return "LightOff";
    case 0x9A:
      return "SetLumi";
    case 0xBB:
    case 0xDB:
      return "Measuring Values";
    default:
      return "--cmd--";
  }
}

std::string FormatFirmwareVersion(std::uint16_t version) {
  const int major = version & 0xFF;
  int minor = version >> 8;
  if (major >= 3) {
    char text[16];
    std::snprintf(text, sizeof text, "V %d.%2.2d", major, minor);
    return text;
  }
  if (minor < 10) minor *= 10;
  return "V " + std::to_string(major) + "." + std::to_string(minor);
}

bool TSondAmComPort::FirmwareAtLeast(std::uint16_t required) const {
  const int major = firmwareVersion_ & 0xFF;
  const int requiredMajor = required & 0xFF;
  if (major != requiredMajor) return major > requiredMajor;
  return (firmwareVersion_ >> 8) >= (required >> 8);
}

void TSondAmComPort::RequireCoefficientFirmware() const {
  if (!FirmwareAtLeast(kFirmwareCoefficients))
    throw EVersionNotSupportet(FormatText(Translate("Firmware %s wird nicht unterstuetzt"),
                                          {FormatFirmwareVersion(kFirmwareCoefficients)}));
}

void TSondAmComPort::RequireNamedTableFirmware() const {
  // This text is not translated. "\xFC" is the Windows-1252 u-umlaut.
  if (!FirmwareAtLeast(kFirmwareNamedTables))
    throw EVersionNotSupportet(FormatFirmwareVersion(firmwareVersion_) +
                               " wird nicht unterst\xFCtzt");
}

void TSondAmComPort::SendCommand(std::uint8_t code) {
  if (!PortOpen()) throw EComPortFAIL(Translate("COM-Port Closed"));
  if (commandState_ == CommandState::kRun || switching_ != SwitchState::kNone)
    throw ECommandOverlapped(Translate("COMMAND SHARING"));
  SetCommandState(CommandState::kRun);
  ShowCommand(CommandDisplayName(code));
  SendByte(code);
}

// --- Identification commands ------------------------------------------------

std::uint16_t TSondAmComPort::ReadFirmwareVersion() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kFirmwareVersion);
  return ReceiveWord();
}

std::string TSondAmComPort::ReadFirmwareDate() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kFirmwareDate);
  return ReceiveString().substr(0, kIdentTextLength);
}

std::string TSondAmComPort::ReadSerialNumber() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kSerialNumber);
  return ReceiveString().substr(0, kIdentTextLength);
}

std::uint16_t TSondAmComPort::ReadIdentWordA() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kIdentWordA);
  return ReceiveWord();
}

std::uint32_t TSondAmComPort::ReadIdentWordB() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kIdentWordB);
  return ReceiveDword();
}

void TSondAmComPort::SetLumi(std::uint8_t level) {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kSetLumi);
  AppendDoing(" (#" + std::to_string(level) + ")");
  SendByte(level);
}

void TSondAmComPort::HereAmI() {
  CommandIdleGuard idle(*this);
  SendCommand(cmd::kHereAmI);
}

// --- Connection -------------------------------------------------------------

void TSondAmComPort::ResetIdentification() {
  firmwareVersion_ = 0;
  panels_.LAB_FirmwareVersion = FormatFirmwareVersion(0);
  firmwareDate_ = "?";
  panels_.LAB_FirmwareDate = firmwareDate_;
  serialNumber_ = "?";
  panels_.caption = FormatText(Translate("%s SERIELL"), {deviceName_});
}

bool TSondAmComPort::Connect(int portIndex) {
  panels_.mainDoingRed = false;
  panels_.LAB_MAINDOING = Translate("Verbindungsaufnahme");
  slaveMode_ = false;
  cancelRequested_ = false;
  host_.LetEventsRun();
  struct Finally {
    TSondAmComPort& link;
    ~Finally() {
      link.panels_.mainDoingRed = !link.slaveMode_;
      link.panels_.LAB_MAINDOING =
          link.slaveMode_ ? std::string() : Translate("Fehler Verbindungsaufbau");
    }
  } finally{*this};
  try {
    ClosePort();
    OpenPort(portIndex);
    SwitchToSlaveMode();
  } catch (const EComPortFAIL&) {
    throw;
  } catch (const ESerialCancelled&) {
    throw;
  } catch (const EGaugData&) {
    // One more attempt: back to main mode (its errors do not count) and in again.
    try {
      SwitchToMainMode();
    } catch (const EGaugData&) {
    }
    OpenPort(portIndex);
    SwitchToSlaveMode();
  }
  return slaveMode_;
}

bool TSondAmComPort::SwitchToSlaveMode() {
  if (switching_ == SwitchState::kToSlave) return false;
  ShowCommand("SwitchToSlaveMode");
  ShowCommand("SwitchToSlaveMode ....");
  switching_ = SwitchState::kToSlave;
  receivedBytes_ = 0;
  panels_.gaugeProgress = 0;
  panels_.gaugeMaximum = 0;
  panels_.STA_GAUDOING = "Connecting...";
  if (!ReopenPort()) {
    panels_.STA_ComLongText = "FAIL";
    switching_ = SwitchState::kNone;
    throw EComPortFAIL(Translate("COM-Port FAIL"));
  }
  bool ready = false;
  try {
    for (const char c : std::string_view(kSlaveToken)) {
      const std::int64_t start = host_.NowMs();
      while (host_.NowMs() - start <= kTokenGapMs) {
        CheckCancel();
        host_.Pause(kTokenGapMs + 1 - (host_.NowMs() - start));
      }
      SendByte(static_cast<std::uint8_t>(c));
    }
    ready = WaitReady();
  } catch (...) {
    switching_ = SwitchState::kNone;
    throw;
  }
  if (!ready) {
    slaveMode_ = false;
    ResetIdentification();
    panels_.STA_DoingShort.clear();
    panels_.STA_DoingLong = "SwitchToSlaveMode FAIL";
    return false;
  }
  SetLumi(3);
  StartProgress("Load Version", 28, ProgressMode::kReceived);
  slaveMode_ = true;
  firmwareVersion_ = ReadFirmwareVersion();
  panels_.LAB_FirmwareVersion = FormatFirmwareVersion(firmwareVersion_);
  firmwareDate_ = ReadFirmwareDate();
  panels_.LAB_FirmwareDate = firmwareDate_;
  serialNumber_ = ReadSerialNumber();
  identWordA_ = ReadIdentWordA();
  identWordB_ = 0;
  panels_.firmwareHint = IdentHint(identWordA_, identWordB_);
  if (FirmwareAtLeast(kFirmwareIdentWordB)) {
    identWordB_ = static_cast<std::uint16_t>(ReadIdentWordB() & 0xFFFF);
    panels_.firmwareHint = IdentHint(identWordA_, identWordB_);
  }
  panels_.caption = FormatText(Translate("%s SERIELL"), {serialNumber_});
  panels_.STA_DoingShort.clear();
  panels_.STA_DoingLong = ">" + deviceName_ + " in SlaveMode<";
  return true;
}

bool TSondAmComPort::WaitReady() {
  StartProgress("WAIT FOR  'READY'", 8, ProgressMode::kReceived);
  WaitForInput(8);
  std::string reply;
  try {
    for (int i = 0; i < 8; ++i) reply += static_cast<char>(ReceiveByte());
  } catch (...) {
    panels_.STA_GAUDOING = "FAIL";
    throw;
  }
  switching_ = SwitchState::kNone;
  const bool ready = reply.find("READY") != std::string::npos;
  if (ready) {
    panels_.gaugeProgress = 0;
    panels_.gaugeMaximum = 0;
    panels_.STA_GAUDOING = "DONE";
  }
  return ready;
}

bool TSondAmComPort::SwitchToMainMode() {
  panels_.STA_GAUDOING.clear();
  ShowCommand("SwitchToMainMode");
  if (switching_ == SwitchState::kToMain) return false;
  bool result = false;
  try {
    SetLumi(4);
    SendCommand(cmd::kReturnFromSlave);
    switching_ = SwitchState::kToMain;
    result = WaitReady();
  } catch (...) {
    panels_.STA_GAUDOING = "FAIL";
    SetCommandState(CommandState::kIdle);
    switching_ = SwitchState::kNone;
    ClosePort();
    throw;
  }
  SetCommandState(CommandState::kIdle);
  switching_ = SwitchState::kNone;
  ClosePort();
  if (result) slaveMode_ = false;
  return result;
}

}  // namespace gd
