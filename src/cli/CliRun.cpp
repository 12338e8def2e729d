#include "cli/CliRun.h"

#include <exception>
#include <new>

#include "app/Edition.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliText.h"
#include "core/Errors.h"

namespace gd::cli {

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  CliRequest request;
  try {
    request = ParseCommandLine(arguments);
  } catch (const UsageError& e) {
    err << "gaugdata-cli: " << e.what() << '\n'
        << (e.Command() ? ShortUsage(*e.Command()) : GeneralUsage());
    return kExitUsage;
  }

  switch (request.action) {
    case CliRequest::Action::kHelp:
      out << (request.command ? CommandUsage(*request.command) : GeneralUsage());
      return kExitOk;
    case CliRequest::Action::kVersion:
      out << "gaugdata-cli " << kProgramVersion << '\n';
      return kExitOk;
    case CliRequest::Action::kRun:
      break;
  }

  try {
    const int status = RunCommand(request, out, err);
    out.flush();
    if (!out) {
      err << "gaugdata-cli: the output could not be written\n";
      return kExitError;
    }
    return status;
  } catch (const EGaugData& e) {
    err << "gaugdata-cli: " << MessageToUtf8(e.what()) << '\n';
  } catch (const std::bad_alloc&) {
    err << "gaugdata-cli: not enough memory\n";
  } catch (const std::exception& e) {
    err << "gaugdata-cli: " << MessageToUtf8(e.what()) << '\n';
  }
  return kExitError;
}

}  // namespace gd::cli
