// gaugdata-cli as a function: runs one command line and returns the exit
// status (0 done, 1 an error, 2 wrong usage). Listings go to `out` as UTF-8,
// messages and the progress bar to `err`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace gd::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// `arguments` are those after the program name.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace gd::cli
