// Runs gaugdata-cli as a process, the way a script does, and collects its
// exit status, stdout and stderr. The binary's path comes from the build.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/StreamBuilder.h"

namespace gd::test {

struct CliResult {
  int status = -1;  // exit status; -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// Runs the tool with `arguments` (no shell involved) in the current folder.
CliResult RunCli(const std::vector<std::string>& arguments);

// A folder of its own for one test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::filesystem::path Path(const std::string& name) const { return dir_ / name; }
  // Writes `bytes` to a file of that name and returns its path.
  std::string Put(const std::string& name, const sb::ByteVec& bytes) const;

 private:
  std::filesystem::path dir_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace gd::test
