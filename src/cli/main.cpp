// gaugdata-cli: GaugData's measurement files on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRun.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return gd::cli::RunCli(arguments, std::cout, std::cerr);
}
