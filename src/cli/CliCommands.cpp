#include "cli/CliCommands.h"

#include <memory>
#include <string>
#include <vector>

#include "app/OpenDocument.h"
#include "app/ParameterSetCommand.h"
#include "app/SeriesList.h"
#include "cli/CliRun.h"
#include "cli/CliText.h"
#include "cli/TerminalProgress.h"
#include "convert/StreamInfo.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "export/SaveSeries.h"

namespace gd::cli {
namespace {

// Message boxes of the libraries become lines on stderr: errors and warnings
// after the program's name, information as it is. There is nobody to answer
// a question, so every question is cancelled.
class StderrMessages final : public IMessages {
 public:
  explicit StderrMessages(std::ostream& err) : err_(err) {}
  void Show(MessageKind kind, const std::string& text) override { Print(kind, text); }
  Answer Ask(MessageKind kind, const std::string& text) override {
    Print(kind, text);
    return Answer::Cancel;
  }

 private:
  void Print(MessageKind kind, const std::string& text) {
    if (kind == MessageKind::Error || kind == MessageKind::Warning) err_ << "gaugdata-cli: ";
    // Message boxes break lines with CR LF; a terminal wants LF alone.
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      lines += text[i];
    }
    err_ << MessageToUtf8(lines) << '\n';
  }

  std::ostream& err_;
};

// The measurement file named by the request's first argument, opened as the
// window opens it: validated, with its conversion object and series list.
class OpenedFile {
 public:
  OpenedFile(const CliRequest& request, std::ostream& err)
      : messages_(err), document_(files_, messages_) {
    document_.SetLocale(request.locale);
    document_.SetTextOptions(request.text);
    document_.List().SetTimeMode(request.timeMode);
    document_.Open(request.arguments.at(0));
  }

  OpenDocument& Document() { return document_; }
  IFileStore& Files() { return files_; }
  IMessages& Messages() { return messages_; }

 private:
  DiskFileStore files_;
  StderrMessages messages_;
  OpenDocument document_;
};

// Texts from the file (names, units) may hold any byte; a TAB, CR or LF in
// them would split a printed line or a listing's cell, so control characters
// are printed as blanks.
std::string OneLine(std::string text) {
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return Windows1252ToUtf8(text);
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) out << OneLine(line) << '\n';
}

// A listing line: the cells, each on one line, separated by one TAB.
std::string ListingLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += OneLine(cells[i]);
  }
  return line;
}

// The series number argument (checked by the parser), or 1 when none.
int SeriesArgument(const CliRequest& request) {
  if (request.arguments.size() < 2) return 1;
  return ParseSeriesNumber(request.arguments[1]).value_or(1);
}

int RunList(OpenedFile& file, std::ostream& out) {
  const SeriesListModel& model = file.Document().List();
  std::vector<std::string> captions;
  for (const SeriesListColumn& column : model.Columns()) captions.push_back(column.caption);
  out << ListingLine(captions) << '\n';
  for (int row = 0; row < model.RowCount(); ++row) out << ListingLine(model.Cells(row)) << '\n';
  return kExitOk;
}

int RunDetails(const CliRequest& request, OpenedFile& file, std::ostream& out) {
  OpenDocument& document = file.Document();
  const int n = SeriesArgument(request);
  document.CheckSeriesNumber(n);
  PrintLines(SeriesDetailsLines(n, document.File().Row(n).Description(), request.locale), out);
  return kExitOk;
}

int RunParams(const CliRequest& request, OpenedFile& file, std::ostream& out) {
  OpenDocument& document = file.Document();
  TVXASCIIOUT& engine = *document.Converter();

  ParameterSetRequest command;
  command.streamOpen = document.File().IsOpen() && engine.Usable();
  command.seriesCount = document.SeriesCount();
  command.directoryCount = static_cast<int>(document.Parsed().directory.size());
  command.selected = SeriesArgument(request);
  command.describe = [&document](int n) -> const TSeriesDescription* {
    if (n < 1 || n > document.SeriesCount()) return nullptr;
    return document.File().Row(n).Description();
  };
  command.textStyle = request.text.style;
  command.windowName = document.WindowName();

  const ParameterSetWindow window =
      BuildParameterSetWindow(command, ParameterSetWindowWriter(engine));
  if (window.outcome != ParameterSetWindow::Outcome::kShown) throw EGaugData(window.message);
  PrintLines(window.lines, out);
  return kExitOk;
}

int RunExport(const CliRequest& request, OpenedFile& file, std::ostream& err) {
  OpenDocument& document = file.Document();
  std::vector<int> selection;
  if (request.series) {
    selection = *request.series;
    for (int n : selection) document.CheckSeriesNumber(n);
  } else {
    for (int n = 1; n <= document.SeriesCount(); ++n) selection.push_back(n);
  }

  NullProgress quiet;
  std::unique_ptr<TerminalProgress> bar;
  if (StderrIsTerminal()) bar = std::make_unique<TerminalProgress>(err, "gaugdata-cli export");
  SaveSeriesJob job(file.Files(), file.Messages(), bar ? static_cast<IProgress&>(*bar) : quiet);
  SaveRequest save;
  save.converter = document.Converter();
  save.stream = document.File().Stream();
  save.openFileName = document.CurrentFileName();
  save.comments = &document.Comments();
  save.selection = selection;
  save.target = request.arguments.at(1);
  save.csv = request.csv;
  job.Prepare(std::move(save));
  const bool written = job.Run();
  if (bar) bar->Finish();
  // Not written: the target is the open file, whose error text is out.
  return written ? kExitOk : kExitError;
}

int RunInfo(OpenedFile& file, std::ostream& out) {
  TVXAblage* navigator = file.Document().Navigator();
  // Open succeeds only with a navigator; this guards against a change there.
  if (!navigator) throw EBinFileInvalid(Translate(kBinFileInvalidText));
  PrintLines(StreamInfoLines(file.Document().Parsed(), *navigator), out);
  return kExitOk;
}

}  // namespace

int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& err) {
  OpenedFile file(request, err);
  switch (request.command->command) {
    case Command::kInfo:
      return RunInfo(file, out);
    case Command::kList:
      return RunList(file, out);
    case Command::kDetails:
      return RunDetails(request, file, out);
    case Command::kParams:
      return RunParams(request, file, out);
    case Command::kExport:
      return RunExport(request, file, err);
  }
  throw EGaugData(std::string("command not available: ") + request.command->name);
}

}  // namespace gd::cli
