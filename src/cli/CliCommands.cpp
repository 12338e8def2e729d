#include "cli/CliCommands.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/OpenDocument.h"
#include "app/ParameterSetCommand.h"
#include "app/SeriesList.h"
#include "cli/CliDevice.h"
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
#include "view/DiagramCurves.h"
#include "view/Statistics.h"

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

// A name typed in UTF-8 as the libraries' Windows-1252 bytes; characters
// the code page lacks become '?'.
std::string ToWindows1252(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC0 ? 2
                                         : 1;
    const std::optional<char> c = Utf8CharToWindows1252(utf8.substr(i, n));
    out += c ? *c : '?';
    i += n;
  }
  return out;
}

PlotRenderer& Renderer() {
  static PlotRenderer renderer;
  return renderer;
}

// The curves of the series the request names, as the diagram builds them.
void BuildCurves(const CliRequest& request, OpenedFile& file, TVXASCIIOUT& engine,
                 DiagramCurves& curves) {
  const int n = SeriesArgument(request);
  file.Document().CheckSeriesNumber(n);
  NullProgress quiet;
  curves.Build(&engine, n, 0, quiet);
}

// A time of the plot's range as an X value of the time axis; nullopt when
// the text is none of the forms the help names.
std::optional<long double> PlotTime(const std::string& text, const DiagramCurves& curves) {
  const double start = curves.SeriesStart();
  auto toX = [&](double dateTime) -> long double {
    return curves.XMode() == kXModeExplicit ? dateTime : (dateTime - start) * 86400.0L;
  };
  int d = 0, mo = 0, y = 0, h = 0, mi = 0, sec = 0;
  char tail = 0;
  if (!text.empty() && text[0] == '+') {
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str() + 1, &end);
    if (end == text.c_str() + 1 || *end != '\0' || !std::isfinite(seconds) || seconds < 0)
      return std::nullopt;
    return toX(start + seconds / 86400.0);
  }
  auto dateTime = [&](int year, int month, int day) -> std::optional<long double> {
    const DateRecord date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(month),
                          static_cast<std::uint8_t>(day), 0};
    if (!IsCalendarDate(date) || h > 23 || mi > 59 || sec > 59) return std::nullopt;
    return toX(MomentToDateTime(date, h * 3600 + mi * 60 + sec));
  };
  if (std::sscanf(text.c_str(), "%d.%d.%d %d:%d:%d%c", &d, &mo, &y, &h, &mi, &sec, &tail) == 6 ||
      (sec = 0, std::sscanf(text.c_str(), "%d.%d.%d %d:%d%c", &d, &mo, &y, &h, &mi, &tail) == 5))
    return dateTime(y, mo, d);
  if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%c", &y, &mo, &d, &h, &mi, &sec, &tail) == 6 ||
      (sec = 0, std::sscanf(text.c_str(), "%d-%d-%dT%d:%d%c", &y, &mo, &d, &h, &mi, &tail) == 5))
    return dateTime(y, mo, d);
  sec = 0;
  if (std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &mi, &sec, &tail) == 3 ||
      (sec = 0, std::sscanf(text.c_str(), "%d:%d%c", &h, &mi, &tail) == 2)) {
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || sec < 0 || sec > 59) return std::nullopt;
    // The first such clock time at or after the series start.
    const double day = std::floor(start);
    double t = day + (h * 3600 + mi * 60 + sec) / 86400.0;
    if (t + 1e-9 < start) t += 1;
    return toX(t);
  }
  return std::nullopt;
}

int RunStats(const CliRequest& request, OpenedFile& file, std::ostream& out) {
  TVXASCIIOUT& engine = *file.Document().Converter();
  DiagramCurves curves;
  BuildCurves(request, file, engine, curves);
  GraphModel graph;
  DiagramGraph diagram;
  diagram.Bind(graph, curves);
  int k = 0;
  if (request.curve) {
    k = -1;
    const std::string wanted = ToWindows1252(*request.curve);
    for (int i = 0; i < diagram.CurveCount() && k < 0; ++i)
      if (diagram.Item(i).Name() == wanted) k = i;
    if (k < 0) {
      std::string names;
      for (int i = 0; i < diagram.CurveCount(); ++i)
        names += (i ? ", " : "") + diagram.Item(i).Name();
      throw EGaugData("no curve \"" + wanted + "\" in this series; its curves: " + names);
    }
  }
  if (diagram.CurveCount() == 0) throw EGaugData("the series has no curves");
  // The markers at the samples given, as the graph would place them.
  const TcrvLineGraphLayer& layer = diagram.Layer(k);
  if (request.from) graph.startMarker = layer.IndexToX(*ParseSeriesNumber(*request.from) - 1);
  if (request.to) graph.endMarker = layer.IndexToX(*ParseSeriesNumber(*request.to) - 1);
  const StatisticsRecord r = diagram.Statistics(k);
  for (const std::string& line : StatisticsLines(r, diagram.StatisticsCurveOf(k), request.locale))
    out << Windows1252ToUtf8(line) << '\n';
  return kExitOk;
}

int RunPlot(const CliRequest& request, OpenedFile& file) {
  if (!Renderer()) throw EGaugData("plot: this build of gaugdata-cli cannot draw");
  TVXASCIIOUT& engine = *file.Document().Converter();
  DiagramCurves curves;
  BuildCurves(request, file, engine, curves);
  PlotJob job;
  if (request.from || request.to) {
    ZoomRange range{curves.TimeMin(), curves.TimeMax()};
    if (request.from) {
      const auto x = PlotTime(*request.from, curves);
      if (!x) throw EGaugData("--from: \"" + *request.from + "\" is not a time");
      range.low = *x;
    }
    if (request.to) {
      const auto x = PlotTime(*request.to, curves);
      if (!x) throw EGaugData("--to: \"" + *request.to + "\" is not a time");
      range.high = *x;
    }
    if (range.high <= range.low) throw EGaugData("--from must lie before --to");
    job.zoom = range;
  }
  GraphModel graph;
  DiagramGraph diagram;
  diagram.Bind(graph, curves);
  diagram.ApplyStyles(GraphStyleStore{});
  job.graph = &graph;
  job.diagram = &diagram;
  job.width = request.width;
  job.height = request.height;
  job.output = request.arguments.size() > 2 ? request.arguments[2] : request.output;
  const int n = SeriesArgument(request);
  job.header = PrintHeader(file.Document().WindowName() + "[" + std::to_string(n) + "]",
                           curves.Description(), request.locale);
  std::string error;
  if (!Renderer()(job, error)) throw EGaugData(error);
  return kExitOk;
}

int RunInfo(OpenedFile& file, std::ostream& out) {
  TVXAblage* navigator = file.Document().Navigator();
  // Open succeeds only with a navigator; this guards against a change there.
  if (!navigator) throw EBinFileInvalid(Translate(kBinFileInvalidText));
  PrintLines(StreamInfoLines(file.Document().Parsed(), *navigator), out);
  return kExitOk;
}

}  // namespace

void SetPlotRenderer(PlotRenderer renderer) { Renderer() = std::move(renderer); }

int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& err) {
  if (request.command->command == Command::kDevice) return RunDeviceCommand(request, out, err);
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
    case Command::kPlot:
      return RunPlot(request, file);
    case Command::kStats:
      return RunStats(request, file, out);
    case Command::kDevice:
      break;
  }
  throw EGaugData(std::string("command not available: ") + request.command->name);
}

}  // namespace gd::cli
