// TSondAmComPort: the link to the meter, as a model without a window.
//
// It holds every field of the link state and the texts of the communication
// window's status panels, and runs the byte layer (paced sending, timed
// receiving, opening and closing the port), the connection (slave mode and
// back, identification), the command start with its guard, the download of
// the measurement memory and the meter's clock. The window binds its panels
// to Panels() and implements LinkHost (letting events run inside every wait);
// the command-line tool uses it with SystemLinkHost.
//
// What higher layers (device tables, coefficient transfer) use:
//   * SendCommand(code) to start a command (guard, display name, state Run),
//     then SendByte / SendWord / SendDword / SendBlock for its arguments and
//     ReceiveByte / ReceiveWord / ReceiveDword / ReceiveBlock / ReceiveString
//     for its reply; a CommandIdleGuard (or SetCommandState(kIdle)) ends it,
//     also when it raises;
//   * AppendDoing(text) / ShowDoing(panel, text) and StartProgress(caption,
//     maximum, mode) for what the window shows;
//   * FirmwareAtLeast, FormatFirmwareVersion, RequireCoefficientFirmware,
//     RequireNamedTableFirmware, SerialNumber(), FirmwareVersion();
//   * Host().Pause(ms) for a wait that lets the window live.
// All byte operations throw the errors of SerialErrors.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "core/DateTime.h"
#include "device/LineSettings.h"
#include "device/SerialErrors.h"
#include "device/SerialPort.h"

namespace gd {

enum class CommandState : std::uint8_t { kIdle = 0, kRun = 1, kFail = 2 };
// "Idle", "Run ", "FAIL".
const char* CommandStateText(CommandState state);

// Switching state of the connection.
enum class SwitchState : std::uint8_t { kNone = 0, kToSlave = 1, kToMain = 2 };

// What the gauge counts.
enum class ProgressMode : std::uint8_t { kReceived = 0, kSent = 1, kBoth = 2 };

// The display name of a command code ("--cmd--" for codes without one).
const char* CommandDisplayName(std::uint8_t code);

// The names of the set LineError bits, concatenated in bit order
// ("Frame", "RxParity", "Overrun", "Break", "IO", "Mode", "RxOver", "TxFull").
std::string LineErrorNames(std::uint32_t errors);

// "V %d.%2.2d" for major 3 and above; older versions "V <major>.<minor>" with
// a minor below 10 multiplied by 10 first.
std::string FormatFirmwareVersion(std::uint16_t version);

// Firmware versions (low byte major, high byte minor) that operations need.
inline constexpr std::uint16_t kFirmwareCoefficients = 0x0203;  // V 3.02
inline constexpr std::uint16_t kFirmwareNamedTables = 0x0C03;   // V 3.12
inline constexpr std::uint16_t kFirmwareIdentWordB = 0x3003;    // V 3.48
inline constexpr std::uint16_t kFirmwareChecksummed = 0x1505;   // V 5.21

// Command codes sent by the program.
namespace cmd {
inline constexpr std::uint8_t kRomDataNamed = 0x58;
inline constexpr std::uint8_t kUserCoefficients = 0x5A;
inline constexpr std::uint8_t kIdentWordB = 0x56;
inline constexpr std::uint8_t kReturnFromSlave = 0x64;
inline constexpr std::uint8_t kSerialNumber = 0x67;
inline constexpr std::uint8_t kFirmwareVersion = 0x68;
inline constexpr std::uint8_t kFirmwareDate = 0x70;
inline constexpr std::uint8_t kRomData = 0x74;
inline constexpr std::uint8_t kSetHostDateTime = 0x7B;
inline constexpr std::uint8_t kDateTime = 0x7C;
inline constexpr std::uint8_t kHereAmI = 0x93;
inline constexpr std::uint8_t kSetLumi = 0x9A;
inline constexpr std::uint8_t kIdentWordA = 0xD7;
inline constexpr std::uint8_t kMeasuringValues = 0xBB;     // checksummed blocks
inline constexpr std::uint8_t kMeasuringValuesOld = 0xDB;  // before V 5.21
}  // namespace cmd

// The texts of the communication window, named after its controls.
struct ComPortPanels {
  std::string STA_DoingShort;
  std::string STA_DoingLong;
  std::string STA_CmdState;
  std::string STA_ComNr;
  bool comNrRed = false;
  std::string STA_ComSettings;
  std::string STA_ComLongText;
  std::string STA_InQUE;
  std::string STA_OUTQUE;
  std::string STA_GAUDOING;
  std::string LAB_RecTO;
  bool recTOVisible = false;
  std::string LAB_MAINDOING;
  bool mainDoingRed = false;
  std::string LAB_FirmwareVersion;
  std::string LAB_FirmwareDate;
  std::string firmwareHint;  // hint of BEV_FirmwareDateVer: "%.8x/%.8x" of word A and B
  std::string caption;       // window caption
  std::int64_t gaugeProgress = 0;
  std::int64_t gaugeMaximum = 0;
};

class TSondAmComPort {
 public:
  // `deviceName` is the edition's device name, used in the caption and texts.
  TSondAmComPort(ISerialPort& port, LinkHost& host, std::string deviceName = "SONDIX");
  // Deletes the temporary file of the last download.
  ~TSondAmComPort();
  TSondAmComPort(const TSondAmComPort&) = delete;
  TSondAmComPort& operator=(const TSondAmComPort&) = delete;

  // --- Settings -------------------------------------------------------------
  // Line settings used by the next open (the name is set by OpenPort).
  void SetLineSettings(const PortSettings& settings) { settings_ = settings; }
  const PortSettings& LineSettings() const { return settings_; }
  // The system port (or path) opened for "COMn"; empty: the name "COMn" itself.
  // Tools that name a port directly set its path here.
  void SetPortPath(std::string path) { portPath_ = std::move(path); }
  // The receive time-out of every WaitForInput, in ms.
  void SetTimeoutMs(int ms) { timeoutMs_ = ms; }
  int TimeoutMs() const { return timeoutMs_; }
  // Bytes per values block of a download; brought into 8 .. 2048.
  void SetBlockSize(int size);
  int BlockSize() const { return blockSize_; }
  // The folder for the temporary download file; empty: the system's.
  void SetTempFolder(std::string folder) { tempFolder_ = std::move(folder); }

  // --- Port -----------------------------------------------------------------
  // Throws EComPortFAIL "INVALID COM-Port" for an index outside 0 .. 8 and
  // "COM%d KANN NICHT BENUTZT WERDEN" when the port cannot be opened (the
  // cause then stands in STA_ComLongText).
  void OpenPort(int index);
  void ClosePort();
  // Closes and opens the open port again; false when it was closed or the
  // open fails (the error is swallowed).
  bool ReopenPort();
  bool PortOpen() const { return openIndex_ >= 0; }

  // --- Byte layer -----------------------------------------------------------
  // Waits until `n` bytes are waiting, within the receive time-out; throws
  // ESerialRecTRANS for a line error, ESerialRecTIME for the time-out and
  // ESerialCancelled after RequestCancel.
  void WaitForInput(std::size_t n);
  std::uint8_t ReceiveByte();
  std::uint16_t ReceiveWord();
  std::uint32_t ReceiveDword();
  // Each byte with its own wait; a failure shows "%d/%d" in LAB_RecTO.
  void ReceiveBlock(std::span<std::uint8_t> buffer);
  // Length byte and that many bytes, converted with DosToWindows.
  std::string ReceiveString();
  // At least 5 ms after the previous byte and with a drained send queue.
  void SendByte(std::uint8_t b);
  void SendWord(std::uint16_t w);
  void SendDword(std::uint32_t d);
  void SendBlock(std::span<const std::uint8_t> bytes);

  // --- Window state ---------------------------------------------------------
  void SetCommandState(CommandState state);
  CommandState GetCommandState() const { return commandState_; }
  // Panel 0 STA_DoingShort, 1 STA_DoingLong, 2 STA_ComNr, 3 STA_ComLongText.
  void ShowDoing(int panel, const std::string& text);
  // STA_DoingShort "CMD" and STA_DoingLong the name.
  void ShowCommand(const std::string& name);
  // Appends to STA_DoingLong.
  void AppendDoing(const std::string& text);
  void StartProgress(const std::string& caption, std::int64_t maximum, ProgressMode mode);
  // The 100 ms status refresh: queue panels, command state, gauge, caption.
  void Timer1Timer();
  // Shows the names of the line errors in STA_ComLongText.
  void MSCOMM1Error(std::uint32_t errors);
  const ComPortPanels& Panels() const { return panels_; }

  // --- Connection and commands ----------------------------------------------
  // Opens the port, enters slave mode and reads the identification; one
  // retry after a failure other than EComPortFAIL. True in slave mode.
  bool Connect(int portIndex);
  bool SwitchToSlaveMode();
  // Always ends with the port closed.
  bool SwitchToMainMode();
  bool WaitReady();
  // Throws EComPortFAIL "COM-Port Closed" or ECommandOverlapped "COMMAND
  // SHARING"; else state Run, shows the command and sends its code.
  void SendCommand(std::uint8_t code);
  bool FirmwareAtLeast(std::uint16_t required) const;
  std::uint16_t ReadFirmwareVersion();
  std::string ReadFirmwareDate();
  std::string ReadSerialNumber();
  std::uint16_t ReadIdentWordA();
  std::uint32_t ReadIdentWordB();
  void SetLumi(std::uint8_t level);
  void HereAmI();
  // Throw EVersionNotSupportet with the texts for coefficient commands (needs
  // V 3.02) and named tables (needs V 3.12) when the firmware is older.
  void RequireCoefficientFirmware() const;
  void RequireNamedTableFirmware() const;

  // --- Download -------------------------------------------------------------
  // The whole measurement memory into a new temporary file; returns its path.
  // A failed transfer deletes the partial file and throws.
  std::string DownloadToTempFile();
  // The transfer into `out` (named `outName` in a write error); returns
  // 0x1000 when the meter had nothing to send, else 0. The values go to
  // `out` block by block as they arrive.
  std::uint16_t DownloadImage(std::ostream& out, const std::string& outName = {});
  // One checksummed values block of n data bytes, appended to `out`; block
  // numbers count from 1 and name the block in the error after six failures.
  void ReceiveCheckedBlock(std::size_t n, std::ostream& out, std::size_t blockNumber);
  // The clock of the reception stamp (a local date-time value); the PC's
  // local time unless set.
  void SetReceptionClock(std::function<double()> clock) { receptionClock_ = std::move(clock); }
  const std::string& TempFileName() const { return tempFileName_; }

  // --- Clock ----------------------------------------------------------------
  // "dd.mm.yyyy / hh:mm:ss" of the meter's clock.
  std::string ReadDeviceTime();
  void SetDeviceTime(const CalendarTime& now);

  // --- Cancel ---------------------------------------------------------------
  // Asks the running wait to stop: it closes the port and throws
  // ESerialCancelled. Cleared by the next Connect.
  void RequestCancel() { cancelRequested_ = true; }
  bool CancelRequested() const { return cancelRequested_; }

  // --- Link state -----------------------------------------------------------
  int OpenIndex() const { return openIndex_; }
  int RequestedIndex() const { return requestedIndex_; }
  std::uint16_t FirmwareVersion() const { return firmwareVersion_; }
  const std::string& FirmwareDate() const { return firmwareDate_; }
  const std::string& SerialNumber() const { return serialNumber_; }
  std::uint16_t IdentWordA() const { return identWordA_; }
  std::uint16_t IdentWordB() const { return identWordB_; }
  ProgressMode GetProgressMode() const { return progressMode_; }
  std::uint32_t ReceivedBytes() const { return receivedBytes_; }
  std::uint32_t SentBytes() const { return sentBytes_; }
  std::uint32_t BlockRetries() const { return blockRetries_; }
  std::uint32_t ReceiveEvents() const { return receiveEvents_; }
  bool TimeoutFlag() const { return timeoutFlag_; }
  SwitchState Switching() const { return switching_; }
  bool SlaveMode() const { return slaveMode_; }
  const std::string& DeviceName() const { return deviceName_; }
  // The gauge position for the current progress mode.
  std::int64_t GaugeProgress() const;

  ISerialPort& Port() { return port_; }
  LinkHost& Host() { return host_; }

 private:
  [[noreturn]] void Cancel();
  void CheckCancel();
  void ReceiveRaw(std::span<std::uint8_t> buffer);
  void ResetIdentification();
  void WriteOut(std::ostream& out, std::span<const std::uint8_t> bytes);

  ISerialPort& port_;
  LinkHost& host_;
  std::string deviceName_;
  PortSettings settings_;
  std::string portPath_;
  std::string tempFolder_;
  ComPortPanels panels_;

  int openIndex_ = -1;
  int requestedIndex_ = -1;
  CommandState commandState_ = CommandState::kIdle;
  std::uint16_t firmwareVersion_ = 0;
  std::string firmwareDate_;
  std::string serialNumber_;
  std::uint16_t identWordA_ = 0;
  std::uint16_t identWordB_ = 0;
  ProgressMode progressMode_ = ProgressMode::kReceived;
  std::uint32_t receivedBytes_ = 0;
  std::uint32_t sentBytes_ = 0;
  std::uint32_t blockRetries_ = 0;
  std::uint32_t receiveEvents_ = 0;
  bool timeoutFlag_ = false;
  SwitchState switching_ = SwitchState::kNone;
  bool slaveMode_ = false;
  std::string tempFileName_;
  int blockSize_ = 2048;
  int timeoutMs_ = 2000;
  bool cancelRequested_ = false;
  std::function<double()> receptionClock_;
  std::array<std::uint8_t, 16> trailer_{};
  std::string outName_;
};

// Sets the command state to Idle when it goes out of scope: every command
// ends Idle, whether it succeeded or raised.
class CommandIdleGuard {
 public:
  explicit CommandIdleGuard(TSondAmComPort& link) : link_(link) {}
  ~CommandIdleGuard() { link_.SetCommandState(CommandState::kIdle); }
  CommandIdleGuard(const CommandIdleGuard&) = delete;
  CommandIdleGuard& operator=(const CommandIdleGuard&) = delete;

 private:
  TSondAmComPort& link_;
};

}  // namespace gd
