#include "Line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace gd::sim {
namespace {

volatile std::sig_atomic_t stopSignal = 0;
pid_t parentAtStart = 0;

void OnStopSignal(int signal) { stopSignal = signal; }

void CheckStop() {
  if (stopSignal != 0 || getppid() != parentAtStart) throw StopRequested{};
}

timespec ToTimespec(std::chrono::nanoseconds d) {
  if (d.count() < 0) d = std::chrono::nanoseconds(0);
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(d.count() / 1000000000);
  ts.tv_nsec = static_cast<long>(d.count() % 1000000000);
  return ts;
}

// ppoll with the stop signals let through, so a stop ends any wait at once.
int Poll(pollfd* fds, nfds_t n, std::chrono::nanoseconds timeout) {
  sigset_t none;
  sigemptyset(&none);
  const timespec ts = ToTimespec(timeout);
  const int r = ppoll(fds, n, &ts, &none);
  CheckStop();
  if (r < 0 && errno != EINTR)
    throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
  return r < 0 ? 0 : r;
}

void SleepUntil(std::chrono::steady_clock::time_point t) {
  for (;;) {
    const auto left = t - std::chrono::steady_clock::now();
    if (left <= std::chrono::nanoseconds(0)) return;
    Poll(nullptr, 0, left);
  }
}

long BaudOf(speed_t speed) {
  struct Entry {
    speed_t code;
    long baud;
  };
  static const Entry kTable[] = {
      {B50, 50},       {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
      {B200, 200},     {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
      {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
      {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600},
  };
  for (const Entry& e : kTable) {
    if (e.code == speed) return e.baud;
  }
  return 0;
}

}  // namespace

void InstallStopHandling() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigset_t blocked;
  sigemptyset(&blocked);
  for (int s : {SIGTERM, SIGINT, SIGHUP}) {
    sigaction(s, &action, nullptr);
    sigaddset(&blocked, s);
  }
  sigprocmask(SIG_BLOCK, &blocked, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  parentAtStart = getppid();
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  CheckStop();  // the parent may have ended before the request took hold
}

Line::Line(Log& log) : log_(log) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    throw std::runtime_error(std::string("cannot open a pseudo-terminal: ") + std::strerror(errno));
  }
  char name[256] = {};
  if (ptsname_r(master_, name, sizeof name) != 0) {
    throw std::runtime_error(std::string("ptsname: ") + std::strerror(errno));
  }
  slavePath_ = name;
  // Raw bytes at the meter's standard settings until the program sets its own.
  termios t{};
  if (tcgetattr(master_, &t) == 0) {
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag = (t.c_cflag & ~static_cast<tcflag_t>(CSIZE | PARODD)) | CS8 | PARENB | CSTOPB |
                CLOCAL | CREAD;
    tcsetattr(master_, TCSANOW, &t);
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

Line::~Line() {
  if (master_ >= 0) close(master_);
}

double Line::ByteTime() const {
  if (pacing_.baud == 0) return 0;
  long baud = pacing_.baud;
  if (baud < 0) {
    termios t{};
    baud = tcgetattr(master_, &t) == 0 ? BaudOf(cfgetospeed(&t)) : 9600;
  }
  if (baud <= 0) return 0;
  // A pseudo-terminal keeps no parity (the system forces 8 bits without
  // parity on it), so the frame is the meter's own: 8E2, 12 bits a byte.
  const int bits = pacing_.bitsPerByte > 0 ? pacing_.bitsPerByte : 12;
  return static_cast<double>(bits) / static_cast<double>(baud);
}

void Line::NoteOpen(bool open) {
  if (open == open_) return;
  open_ = open;
  log_.Write(open ? "line: the program opened the port" : "line: the program closed the port");
}

bool Line::Fill(Clock::time_point deadline, bool forever) {
  for (;;) {
    const auto now = Clock::now();
    if (!forever && now >= deadline) return false;
    auto slice = forever ? std::chrono::nanoseconds(std::chrono::milliseconds(200))
                         : std::chrono::nanoseconds(deadline - now);
    pollfd p{master_, POLLIN, 0};
    const int r = Poll(&p, 1, slice);
    if (r > 0 && (p.revents & POLLIN) != 0) {
      std::uint8_t buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n > 0) {
        NoteOpen(true);
        in_.insert(in_.end(), buffer, buffer + n);
        inTime_ = Clock::now();
        return true;
      }
      if (n < 0 && errno != EIO && errno != EAGAIN && errno != EINTR) {
        throw std::runtime_error(std::string("read: ") + std::strerror(errno));
      }
      if (n < 0 && errno == EIO) p.revents |= POLLHUP;
    }
    if ((p.revents & (POLLHUP | POLLERR)) != 0) {
      // Nobody holds the port: look again shortly.
      NoteOpen(false);
      const auto pause = std::chrono::milliseconds(10);
      SleepUntil(forever ? Clock::now() + pause : std::min(deadline, Clock::now() + pause));
    } else if (!open_) {
      NoteOpen(true);
    }
  }
}

std::optional<std::uint8_t> Line::Read(int timeoutMs) {
  if (inAt_ == in_.size()) {
    in_.clear();
    inAt_ = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    if (!Fill(deadline, timeoutMs < 0)) return std::nullopt;
  }
  const std::uint8_t byte = in_[inAt_++];
  const double t = ByteTime();
  if (t > 0) {
    // The byte is there only once its bits have crossed the line.
    const auto arrival = std::max(inTime_, inFree_) + std::chrono::duration_cast<Clock::duration>(
                                                          std::chrono::duration<double>(t));
    SleepUntil(arrival);
    inFree_ = arrival;
  }
  return byte;
}

void Line::Send(const std::vector<std::uint8_t>& bytes) { Send(bytes.data(), bytes.size()); }

void Line::Send(const std::uint8_t* data, std::size_t n) {
  const double t = ByteTime();
  const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(t));
  auto due = std::max(Clock::now(), outFree_);
  std::vector<std::uint8_t> batch;
  for (std::size_t i = 0; i < n; ++i) {
    if (Silent()) {
      log_.Write(Format("line: silent, %zu bytes not sent", n - i));
      break;
    }
    ++sent_;
    if (t > 0) {
      due += step;
      if (due > Clock::now()) {
        WriteRaw(batch.data(), batch.size());
        batch.clear();
        SleepUntil(due);
      }
      outFree_ = due;
    }
    if (dropped_.count(sent_) != 0) {
      log_.Write(Format("line: byte %llu (%02x) dropped", static_cast<unsigned long long>(sent_),
                        data[i]));
      continue;
    }
    batch.push_back(data[i]);
  }
  WriteRaw(batch.data(), batch.size());
}

void Line::WriteRaw(const std::uint8_t* data, std::size_t n) {
  const auto giveUp = Clock::now() + std::chrono::seconds(30);
  std::size_t done = 0;
  while (done < n) {
    pollfd p{master_, POLLOUT, 0};
    Poll(&p, 1, std::chrono::milliseconds(0));
    if ((p.revents & POLLHUP) != 0) {
      NoteOpen(false);
      log_.Write(Format("line: port closed, %zu bytes lost", n - done));
      return;
    }
    const ssize_t w = write(master_, data + done, n - done);
    if (w > 0) {
      done += static_cast<std::size_t>(w);
      continue;
    }
    if (w < 0 && errno == EIO) {
      NoteOpen(false);
      log_.Write(Format("line: port closed, %zu bytes lost", n - done));
      return;
    }
    if (w < 0 && errno != EAGAIN && errno != EINTR) {
      throw std::runtime_error(std::string("write: ") + std::strerror(errno));
    }
    if (Clock::now() > giveUp) {
      log_.Write(Format("line: the program reads nothing, %zu bytes lost", n - done));
      return;
    }
    p = pollfd{master_, POLLOUT, 0};
    Poll(&p, 1, std::chrono::milliseconds(50));
  }
}

}  // namespace gd::sim
