#include "CliProcess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

#include <fstream>
#include <iterator>
#include <sstream>

#include "support/TestFolder.h"

namespace gd::test {
namespace fs = std::filesystem;

CliResult RunCli(const std::vector<std::string>& arguments) {
  CliResult result;
  ScratchDir capture;
  const std::string outPath = capture.Path("stdout").string();
  const std::string errPath = capture.Path("stderr").string();

  std::vector<char*> argv;
  std::string program = GAUGDATA_CLI_BINARY;
  argv.push_back(program.data());
  std::vector<std::string> copies(arguments);
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return result;
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFileBytes(outPath);
  result.err = ReadFileBytes(errPath);
  return result;
}

ScratchDir::ScratchDir() {
  static int counter = 0;
  dir_ = gd::test::FreshTestFolder("gaugdata-cli-", "-" + std::to_string(++counter));
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

std::string ScratchDir::Put(const std::string& name, const sb::ByteVec& bytes) const {
  const fs::path path = dir_ / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace gd::test
