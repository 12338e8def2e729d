// The commands of gaugdata-cli on an opened measurement file.
//
// Each command reads the file through the measurement-file document (the
// same validation and messages as the program's window), asks the pure
// libraries for its texts and prints them. Errors are thrown as the
// libraries' exceptions; RunCli turns them into messages and exit statuses.
#pragma once

#include <ostream>

#include "cli/CliOptions.h"

namespace gd::cli {

// Runs `request` (action kRun). Returns the exit status.
int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& err);

}  // namespace gd::cli
