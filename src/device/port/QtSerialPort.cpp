#include "device/port/QtSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>

#include "device/LineSettings.h"
#include "device/port/SystemSerialPort.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace gd {
namespace {

// QSerialPort needs a core application object for its notifiers.
void EnsureCoreApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "gaugdata";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
}

QSerialPort::Parity ParityOf(int ordinal) {
  switch (ordinal) {
    case 0:
      return QSerialPort::NoParity;
    case 1:
      return QSerialPort::OddParity;
    case 3:
      return QSerialPort::MarkParity;
    case 4:
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::EvenParity;
  }
}

QSerialPort::StopBits StopBitsOf(int ordinal) {
  switch (ordinal) {
    case 0:
      return QSerialPort::OneStop;
    case 1:
      return QSerialPort::OneAndHalfStop;
    default:
      return QSerialPort::TwoStop;
  }
}

// The file behind a port name as QSerialPort resolves it.
QString LocationOf(const QString& name) {
  if (name.startsWith('/') || name.startsWith("./") || name.startsWith("../")) return name;
#ifdef Q_OS_WIN
  return name;
#else
  return "/dev/" + name;
#endif
}

// Why a port could not be opened, in words a user can act on.
std::string OpenFailureCause(QSerialPort::SerialPortError error, const QString& errorText,
                             const QString& location) {
  std::string cause = errorText.toStdString();
#ifndef Q_OS_WIN
  const QByteArray path = QFile::encodeName(location);
  if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(location))
    return "no such port: " + location.toStdString();
  if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
    return "permission denied on " + location.toStdString() +
           " (is the user in the dialout group?)";
  if (errorText.contains("locked", Qt::CaseInsensitive))
    return cause + ": another program uses " + location.toStdString() +
           ", or a stale lock file was left behind";
  if (error == QSerialPort::PermissionError)
    return cause + ": " + location.toStdString() + " is busy (used by another program?)";
#else
  (void)location;
  if (error == QSerialPort::PermissionError)
    return cause + " (port busy: used by another program?)";
#endif
  if (cause.empty()) cause = "Unable to open com port";
  return cause;
}

}  // namespace

QtSerialPort::QtSerialPort() { EnsureCoreApplication(); }

QtSerialPort::~QtSerialPort() { Close(); }

PortOpenResult QtSerialPort::Open(const PortSettings& settings) {
  Close();
  lineErrors_ = 0;
  const int baud = BaudRate(settings.baudOrdinal);
  const int dataBits = DataBits(settings.dataOrdinal);
  if (baud == 0) return {false, "no baud rate for setting " + BaudText(settings.baudOrdinal)};
  if (dataBits == 0) return {false, "invalid data bits"};
  // A name or any path: pseudo-terminals and /dev/serial/by-id links are
  // opened by path, they are not in the system's port list.
  port_.setPortName(QString::fromStdString(settings.name));
  port_.setBaudRate(baud);
  port_.setDataBits(static_cast<QSerialPort::DataBits>(dataBits));
  port_.setParity(ParityOf(settings.parityOrdinal));
  port_.setStopBits(StopBitsOf(settings.stopOrdinal));
  port_.setFlowControl(settings.hardwareFlow ? QSerialPort::HardwareControl
                                             : QSerialPort::NoFlowControl);
  port_.setReadBufferSize(0);
  if (!port_.open(QIODevice::ReadWrite)) {
    const auto error = port_.error();
    const QString text = port_.errorString();
    port_.clearError();
    return {false, OpenFailureCause(error, text, LocationOf(port_.portName()))};
  }
  // DTR held off. A pseudo-terminal refuses modem-line calls
  // (UnsupportedOperationError); that does not matter to the link.
  port_.setDataTerminalReady(false);
  port_.clearError();
  port_.clear(QSerialPort::AllDirections);
  port_.clearError();
  return {true, {}};
}

void QtSerialPort::Close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool QtSerialPort::IsOpen() const { return port_.isOpen(); }

void QtSerialPort::CheckError() {
  switch (port_.error()) {
    case QSerialPort::NoError:
      return;
    case QSerialPort::ResourceError:
      // The adapter was unplugged: the port is gone for good.
      port_.clearError();
      port_.close();
      lineErrors_ |= kLineIO;
      return;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
      lineErrors_ |= kLineIO;
      break;
    default:
      // Time-outs of the waits and refused modem-line calls on
      // pseudo-terminals are no line errors.
      break;
  }
  port_.clearError();
}

void QtSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen()) return;
  port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  // Hands the bytes to the system at once, without waiting for the line.
  port_.flush();
  CheckError();
}

std::size_t QtSerialPort::BytesWaiting() {
  if (!port_.isOpen()) return 0;
  // Takes what the system holds into the port's buffer, without waiting.
  if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
  CheckError();
  return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0;
}

std::size_t QtSerialPort::SystemOutputQueue() const {
#ifndef Q_OS_WIN
  int queued = 0;
  if (port_.isOpen() && ::ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &queued) == 0 &&
      queued > 0)
    return static_cast<std::size_t>(queued);
#endif
  return 0;
}

std::size_t QtSerialPort::BytesNotYetSent() {
  if (!port_.isOpen()) return 0;
  // flush() only hands bytes to the system; the line has sent them when the
  // port's own buffer and the system's output queue are both empty.
  return static_cast<std::size_t>(port_.bytesToWrite()) + SystemOutputQueue();
}

std::size_t QtSerialPort::Read(std::span<std::uint8_t> bytes) {
  if (!port_.isOpen()) return 0;
  const qint64 n =
      port_.read(reinterpret_cast<char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  CheckError();
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void QtSerialPort::WaitForInput(int timeoutMs) {
  if (!port_.isOpen()) return;
  // Waits for bytes beyond those already in the buffer.
  port_.waitForReadyRead(std::max(timeoutMs, 0));
  CheckError();
}

void QtSerialPort::WaitForSent(int timeoutMs) {
  if (!port_.isOpen()) return;
  if (port_.bytesToWrite() > 0) {
    port_.waitForBytesWritten(std::max(timeoutMs, 0));
    CheckError();
    return;
  }
  // Bytes in the system's queue: a short sleep, the line sends about one
  // byte a millisecond at 9600 baud.
  if (SystemOutputQueue() > 0)
    QThread::msleep(static_cast<unsigned long>(std::clamp(timeoutMs, 0, 2)));
}

std::uint32_t QtSerialPort::TakeLineErrors() {
  // Qt 6 no longer reports parity, framing, overrun or break conditions, so
  // only read and write errors of the port come through here; the block
  // checksums and the receive time-outs guard the transfer instead.
  const std::uint32_t errors = lineErrors_;
  lineErrors_ = 0;
  return errors;
}

void QtSerialPort::Purge(bool input, bool output) {
  if (!port_.isOpen()) return;
  QSerialPort::Directions directions;
  if (input) directions |= QSerialPort::Input;
  if (output) directions |= QSerialPort::Output;
  // What the system holds arrives in the port's buffer first, then both go.
  if (input) {
    port_.waitForReadyRead(0);
    port_.readAll();
  }
  port_.clear(directions);
  port_.clearError();
}

std::unique_ptr<ISerialPort> MakeSystemSerialPort() { return std::make_unique<QtSerialPort>(); }

std::vector<SystemPortInfo> ListSystemPorts() {
  EnsureCoreApplication();
  std::vector<SystemPortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    ports.push_back({info.portName().toStdString(), info.systemLocation().toStdString(),
                     info.description().toStdString(), info.manufacturer().toStdString(),
                     info.serialNumber().toStdString()});
  std::sort(ports.begin(), ports.end(),
            [](const SystemPortInfo& a, const SystemPortInfo& b) { return a.name < b.name; });
  return ports;
}

std::string SystemPortName(int index, const std::string& overridePath) {
  if (!overridePath.empty()) return overridePath;
#ifdef Q_OS_WIN
  return ComPortName(index);
#else
  const std::string usb = "/dev/ttyUSB" + std::to_string(index);
  if (QFileInfo::exists(QString::fromStdString(usb))) return usb;
  return "/dev/ttyS" + std::to_string(index);
#endif
}

}  // namespace gd
