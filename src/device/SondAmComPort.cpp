// The byte layer of the link and the state of the communication window.
#include "device/SondAmComPort.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {
namespace {

// Time between two bytes sent.
constexpr std::int64_t kSendGapMs = 5;
// How long the send queue may take to drain before a byte.
constexpr std::int64_t kSendDrainMs = 2000;
// The longest single wait on the port, so that events run often enough.
constexpr std::int64_t kWaitSliceMs = 20;

// A translated pattern with "%x" filled by `value` in lower-case hex.
std::string FillHex(std::string_view pattern, unsigned value) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%x", value);
  std::string text(pattern);
  if (const auto at = text.find("%x"); at != std::string::npos) text.replace(at, 2, hex);
  return text;
}

}  // namespace

std::int64_t SystemLinkHost::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SystemLinkHost::Pause(std::int64_t ms) {
  // sleep_for may wake early on some systems; wait out the full time.
  const std::int64_t end = NowMs() + ms;
  for (std::int64_t now = NowMs(); now < end; now = NowMs())
    std::this_thread::sleep_for(std::chrono::milliseconds(end - now));
}

const char* CommandStateText(CommandState state) {
  switch (state) {
    case CommandState::kIdle:
      return "Idle";
    case CommandState::kRun:
      return "Run ";
    case CommandState::kFail:
      return "FAIL";
  }
  return "";
}

std::string LineErrorNames(std::uint32_t errors) {
  static constexpr std::array<const char*, 8> kNames = {"Frame", "RxParity", "Overrun", "Break",
                                                        "IO",    "Mode",     "RxOver",  "TxFull"};
  std::string names;
  for (std::size_t bit = 0; bit < kNames.size(); ++bit)
    if (errors & (1u << bit)) names += kNames[bit];
  return names;
}

TSondAmComPort::TSondAmComPort(ISerialPort& port, LinkHost& host, std::string deviceName)
    : port_(port), host_(host), deviceName_(std::move(deviceName)) {
  panels_.caption = FormatText(Translate("%s SERIELL"), {deviceName_});
  panels_.STA_CmdState = CommandStateText(commandState_);
}

TSondAmComPort::~TSondAmComPort() {
  if (!tempFileName_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(tempFileName_, ignored);
  }
}

void TSondAmComPort::SetBlockSize(int size) {
  blockSize_ = std::clamp(size, kMinBlockSize, kMaxBlockSize);
}

// --- Port -------------------------------------------------------------------

void TSondAmComPort::OpenPort(int index) {
  requestedIndex_ = index;
  openIndex_ = index;
  panels_.STA_ComNr = ComPortName(index);
  panels_.comNrRed = false;
  panels_.STA_DoingShort.clear();
  panels_.STA_DoingLong.clear();
  panels_.STA_CmdState.clear();
  host_.LetEventsRun();
  if (index < 0 || index >= kPortIndexCount) {
    openIndex_ = -1;
    panels_.comNrRed = true;
    panels_.STA_ComLongText = "UNSPEC COM";
    panels_.STA_ComSettings = "-";
    throw EComPortFAIL(Translate("INVALID COM-Port"));
  }
  settings_.name = portPath_.empty() ? ComPortName(index) : portPath_;
  const PortOpenResult opened = port_.Open(settings_);
  if (!opened.ok) {
    openIndex_ = -1;
    panels_.comNrRed = true;
    panels_.STA_ComLongText = opened.cause;
    panels_.STA_ComSettings = "-";
    throw EComPortFAIL(FormatText(Translate("COM%d KANN NICHT BENUTZT WERDEN"), {index + 1}));
  }
  panels_.comNrRed = false;
  panels_.STA_ComLongText = "OPEN";
  panels_.STA_ComSettings = LineSettingsText(settings_);
}

void TSondAmComPort::ClosePort() {
  if (openIndex_ < 0) return;
  panels_.STA_ComLongText = "CLOSING...";
  host_.LetEventsRun();
  // The port drops RTS itself when it closes.
  port_.Close();
  panels_.STA_ComLongText = "CLOSED";
  openIndex_ = -1;
}

bool TSondAmComPort::ReopenPort() {
  if (openIndex_ < 0) return false;
  const int index = openIndex_;
  ClosePort();
  try {
    OpenPort(index);
    return true;
  } catch (const EGaugData&) {
    return false;
  }
}

// --- Cancel -----------------------------------------------------------------

void TSondAmComPort::Cancel() {
  SetCommandState(CommandState::kFail);
  ClosePort();
  throw ESerialCancelled(Translate("ABBRUCH DURCH BENUTZER"));
}

void TSondAmComPort::CheckCancel() {
  if (cancelRequested_) Cancel();
}

// --- Receiving --------------------------------------------------------------

void TSondAmComPort::WaitForInput(std::size_t n) {
  timeoutFlag_ = false;
  const std::int64_t start = host_.NowMs();
  std::size_t seen = 0;
  for (;;) {
    host_.LetEventsRun();
    CheckCancel();
    if (!port_.IsOpen()) {
      // The adapter closes the port when the device is gone.
      openIndex_ = -1;
      panels_.STA_ComLongText = "CLOSED";
      SetCommandState(CommandState::kFail);
      throw EComPortFAIL(Translate("COM-Port Closed"));
    }
    const std::size_t waiting = port_.BytesWaiting();
    if (waiting > seen) ++receiveEvents_;
    seen = waiting;
    if (timeoutFlag_ && waiting >= n) timeoutFlag_ = false;
    if (waiting >= n || timeoutFlag_) break;
    const std::int64_t remaining = start + timeoutMs_ - host_.NowMs();
    if (remaining <= 0) {
      // Look at the count once more: bytes that arrived with the time-out count.
      timeoutFlag_ = true;
      continue;
    }
    port_.WaitForInput(static_cast<int>(std::min(remaining, kWaitSliceMs)));
  }
  if (const std::uint32_t errors = port_.TakeLineErrors()) {
    MSCOMM1Error(errors);
    SetCommandState(CommandState::kFail);
    throw ESerialRecTRANS(Translate("SERIAL RECIEVE ERROR"));
  }
  if (timeoutFlag_) {
    SetCommandState(CommandState::kFail);
    throw ESerialRecTIME(Translate("RECEIVE TIMEOUT"));
  }
}

void TSondAmComPort::ReceiveRaw(std::span<std::uint8_t> buffer) {
  std::size_t got = 0;
  while (got < buffer.size()) {
    const std::size_t n = port_.Read(buffer.subspan(got));
    // WaitForInput saw the bytes; a port that still gives none is broken.
    if (n == 0) {
      SetCommandState(CommandState::kFail);
      throw ESerialRecTRANS(Translate("SERIAL RECIEVE ERROR"));
    }
    got += n;
  }
  receivedBytes_ += static_cast<std::uint32_t>(buffer.size());
}

std::uint8_t TSondAmComPort::ReceiveByte() {
  WaitForInput(1);
  std::uint8_t b = 0;
  ReceiveRaw(std::span<std::uint8_t>(&b, 1));
  return b;
}

std::uint16_t TSondAmComPort::ReceiveWord() {
  WaitForInput(2);
  std::array<std::uint8_t, 2> b{};
  ReceiveRaw(b);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t TSondAmComPort::ReceiveDword() {
  const std::uint32_t low = ReceiveWord();
  const std::uint32_t high = ReceiveWord();
  return low | (high << 16);
}

void TSondAmComPort::ReceiveBlock(std::span<std::uint8_t> buffer) {
  panels_.recTOVisible = false;
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    try {
      buffer[i] = ReceiveByte();
    } catch (...) {
      panels_.LAB_RecTO = std::to_string(i + 1) + "/" + std::to_string(buffer.size());
      panels_.recTOVisible = true;
      throw;
    }
  }
  panels_.recTOVisible = false;
}

std::string TSondAmComPort::ReceiveString() {
  const std::size_t length = ReceiveByte();
  if (length == 0) return {};
  WaitForInput(length);
  std::string text(length, '\0');
  ReceiveRaw(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(text.data()), length));
  return DosToWindows(text);
}

// --- Sending ----------------------------------------------------------------

void TSondAmComPort::SendByte(std::uint8_t b) {
  CheckCancel();
  host_.Pause(kSendGapMs);
  CheckCancel();
  if (!port_.IsOpen()) {
    openIndex_ = -1;
    SetCommandState(CommandState::kFail);
    throw EComPortFAIL(Translate("COM-Port Closed"));
  }
  const std::int64_t t0 = host_.NowMs();
  while (port_.BytesNotYetSent() > 0) {
    // A clock that goes backwards counts as elapsed time too.
    const std::int64_t elapsed = host_.NowMs() - t0;
    const std::int64_t magnitude = elapsed < 0 ? -elapsed : elapsed;
    if (magnitude > kSendDrainMs) {
      SetCommandState(CommandState::kFail);
      throw ESerialSendTIME(FillHex(Translate("SERIAL SEND ERROR %x"), 0));
    }
    port_.WaitForSent(static_cast<int>(std::min(kSendDrainMs + 1 - magnitude, kWaitSliceMs)));
    host_.LetEventsRun();
    CheckCancel();
  }
  port_.Write(std::span<const std::uint8_t>(&b, 1));
  ++sentBytes_;
}

void TSondAmComPort::SendWord(std::uint16_t w) {
  SendByte(static_cast<std::uint8_t>(w & 0xFF));
  SendByte(static_cast<std::uint8_t>(w >> 8));
}

void TSondAmComPort::SendDword(std::uint32_t d) {
  SendWord(static_cast<std::uint16_t>(d & 0xFFFF));
  SendWord(static_cast<std::uint16_t>(d >> 16));
}

void TSondAmComPort::SendBlock(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) SendByte(b);
}

// --- Window state -----------------------------------------------------------

void TSondAmComPort::SetCommandState(CommandState state) {
  commandState_ = state;
  panels_.STA_CmdState = CommandStateText(state);
}

void TSondAmComPort::ShowDoing(int panel, const std::string& text) {
  switch (panel) {
    case 0:
      panels_.STA_DoingShort = text;
      break;
    case 1:
      panels_.STA_DoingLong = text;
      break;
    case 2:
      panels_.STA_ComNr = text;
      break;
    case 3:
      panels_.STA_ComLongText = text;
      break;
    default:
      break;
  }
}

void TSondAmComPort::ShowCommand(const std::string& name) {
  ShowDoing(0, "CMD");
  ShowDoing(1, name);
}

void TSondAmComPort::AppendDoing(const std::string& text) { panels_.STA_DoingLong += text; }

void TSondAmComPort::StartProgress(const std::string& caption, std::int64_t maximum,
                                   ProgressMode mode) {
  receivedBytes_ = 0;
  sentBytes_ = 0;
  panels_.gaugeProgress = 0;
  panels_.gaugeMaximum = maximum;
  panels_.STA_GAUDOING = caption;
  progressMode_ = mode;
}

std::int64_t TSondAmComPort::GaugeProgress() const {
  switch (progressMode_) {
    case ProgressMode::kReceived:
      return receivedBytes_;
    case ProgressMode::kSent:
      return sentBytes_;
    case ProgressMode::kBoth:
      return std::int64_t{receivedBytes_} + sentBytes_;
  }
  return 0;
}

void TSondAmComPort::Timer1Timer() {
  if (openIndex_ >= 0 && port_.IsOpen()) {
    panels_.STA_InQUE = std::to_string(port_.BytesWaiting()) + "\\" + std::to_string(blockRetries_);
    panels_.STA_OUTQUE = "00\\" + std::to_string(port_.BytesNotYetSent());
  } else {
    panels_.STA_InQUE.clear();
    panels_.STA_OUTQUE.clear();
  }
  panels_.STA_CmdState = CommandStateText(commandState_);
  panels_.gaugeProgress = GaugeProgress();
  panels_.STA_GAUDOING =
      commandState_ == CommandState::kIdle && switching_ == SwitchState::kNone && slaveMode_
          ? "READY FOR COMMAND"
          : "";
}

void TSondAmComPort::MSCOMM1Error(std::uint32_t errors) {
  panels_.STA_ComLongText = LineErrorNames(errors);
}

}  // namespace gd
