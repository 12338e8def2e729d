#include "cli/CliCommands.h"

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "cli/CliText.h"
#include "convert/StreamInfo.h"
#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/MeasurementFile.h"
#include "core/Messages.h"
#include "core/ParsedStreamHandler.h"

namespace gd::cli {
namespace {

// Message boxes of the libraries become lines on stderr. There is nobody to
// answer a question, so every question is cancelled.
class StderrMessages final : public IMessages {
 public:
  explicit StderrMessages(std::ostream& err) : err_(err) {}
  void Show(MessageKind, const std::string& text) override { err_ << MessageToUtf8(text) << '\n'; }
  Answer Ask(MessageKind, const std::string& text) override {
    err_ << MessageToUtf8(text) << '\n';
    return Answer::Cancel;
  }

 private:
  std::ostream& err_;
};

// The measurement file named by the request's first argument, opened and
// validated with the parse and navigator of the core.
class OpenedFile {
 public:
  OpenedFile(const CliRequest& request, std::ostream& err)
      : messages_(err), document_(files_, handler_, messages_) {
    document_.SetLocale(request.locale);
    document_.Open(request.arguments.at(0), false);
  }

  MeasurementFile& Document() { return document_; }
  const TParsedStream& Parsed() const { return handler_.Parsed(); }
  TVXAblage& Navigator() {
    TVXAblage* navigator = handler_.Navigator();
    // Open succeeds only with a navigator; this guards against a change there.
    if (!navigator) throw EBinFileInvalid("no navigator over the stream");
    return *navigator;
  }

 private:
  DiskFileStore files_;
  ParsedStreamHandler handler_;
  StderrMessages messages_;
  MeasurementFile document_;
};

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) out << Windows1252ToUtf8(line) << '\n';
}

int RunInfo(OpenedFile& file, std::ostream& out) {
  PrintLines(StreamInfoLines(file.Parsed(), file.Navigator()), out);
  return kExitOk;
}

}  // namespace

int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& err) {
  OpenedFile file(request, err);
  switch (request.command->command) {
    case Command::kInfo:
      return RunInfo(file, out);
    case Command::kList:
    case Command::kDetails:
    case Command::kParams:
    case Command::kExport:
      break;
  }
  throw EGaugData(std::string("command not available: ") + request.command->name);
}

}  // namespace gd::cli
