#include "support/MeterSimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace gd::test {
namespace {

pid_t Spawn(const std::vector<std::string>& arguments, int out, int err) {
  std::vector<std::string> copies;
  copies.push_back(METERSIM_BINARY);
  copies.insert(copies.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    if (out >= 0) dup2(out, 1);
    if (err >= 0) dup2(err, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

int Wait(pid_t pid, int timeoutMs) {
  int status = 0;
  for (int waited = 0;; waited += 10) {
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (r < 0 && errno != EINTR) return -1;
    if (waited >= timeoutMs) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

MeterSim::MeterSim(const std::vector<std::string>& arguments, std::filesystem::path logPath)
    : log_(std::move(logPath)) {
  std::vector<std::string> all = arguments;
  all.push_back("--log");
  all.push_back(log_.string());
  int pipeFds[2];
  if (pipe(pipeFds) != 0) {
    error_ = "pipe failed";
    return;
  }
  pid_ = Spawn(all, pipeFds[1], -1);
  close(pipeFds[1]);
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd p{pipeFds[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c[256];
    const ssize_t n = read(pipeFds[0], c, sizeof c);
    if (n <= 0) break;
    line.append(c, static_cast<std::size_t>(n));
  }
  close(pipeFds[0]);
  const auto newline = line.find('\n');
  if (newline == std::string::npos || line.rfind("/dev/", 0) != 0) {
    error_ = "metersim printed no terminal path: \"" + line + "\"";
    return;
  }
  port_ = line.substr(0, newline);
}

MeterSim::~MeterSim() { Stop(); }

int MeterSim::Stop() {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  const int status = Wait(pid_, 10000);
  pid_ = -1;
  return status;
}

std::string MeterSim::Log() const {
  std::ifstream in(log_);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int MeterSim::Count(const std::string& text) const {
  std::istringstream in(Log());
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.find(text) != std::string::npos;
  return n;
}

int RunMeterSim(const std::vector<std::string>& arguments, std::string& err) {
  char path[] = "/tmp/metersim-errXXXXXX";
  const int fd = mkstemp(path);
  const int devNull = open("/dev/null", O_WRONLY);
  const pid_t pid = Spawn(arguments, devNull, fd);
  close(devNull);
  // A meter that starts despite the arguments serves until stopped.
  const int status = Wait(pid, 5000);
  std::ifstream in(path);
  err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  close(fd);
  unlink(path);
  return status;
}

RawPort::RawPort(const std::string& path, const std::string& settings) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return;
  termios t{};
  tcgetattr(fd_, &t);
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cflag |= settings.size() > 0 && settings[0] == '7' ? CS7 : CS8;
  if (settings.size() > 1 && settings[1] != 'N') t.c_cflag |= PARENB;
  if (settings.size() > 1 && settings[1] == 'O') t.c_cflag |= PARODD;
  if (settings.size() > 2 && settings[2] == '2') t.c_cflag |= CSTOPB;
  tcsetattr(fd_, TCSANOW, &t);
}

RawPort::~RawPort() {
  if (fd_ >= 0) close(fd_);
}

void RawPort::Write(const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno == EAGAIN || errno == EINTR) {
      pollfd p{fd_, POLLOUT, 0};
      poll(&p, 1, 100);
    } else {
      return;
    }
  }
}

void RawPort::Write(const std::string& text) { Write(Bytes(text.begin(), text.end())); }

Bytes RawPort::Read(std::size_t n, int timeoutMs) {
  Bytes out;
  while (out.size() < n) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) break;
    std::uint8_t buffer[4096];
    const std::size_t want = std::min(sizeof buffer, n - out.size());
    const ssize_t got = read(fd_, buffer, want);
    if (got <= 0) {
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      break;
    }
    out.insert(out.end(), buffer, buffer + got);
  }
  return out;
}

Bytes RawPort::Drain(int quietMs) { return Read(1 << 30, quietMs); }

}  // namespace gd::test
