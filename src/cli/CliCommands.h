// The commands of gaugdata-cli on an opened measurement file.
//
// Each command reads the file through the measurement-file document (the
// same validation and messages as the program's window), asks the pure
// libraries for its texts and prints them. Errors are thrown as the
// libraries' exceptions; RunCli turns them into messages and exit statuses.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "view/DiagramGraph.h"
#include "view/DiagramPrint.h"

namespace gd::cli {

// What `plot` draws: the diagram's graph, built and styled as the diagram
// window builds it, the time range to zoom to, and where it goes.
struct PlotJob {
  GraphModel* graph = nullptr;
  DiagramGraph* diagram = nullptr;
  std::optional<ZoomRange> zoom;
  int width = 900, height = 600;
  std::string output;                   // .png, .svg or .pdf
  std::vector<PrintHeaderLine> header;  // the printed page's header rows
};
// Draws a plot job into its file (needs a drawing library, so the tool's
// main program installs it); false with `error` set when nothing usable was
// written.
using PlotRenderer = std::function<bool(PlotJob& job, std::string& error)>;
void SetPlotRenderer(PlotRenderer renderer);

// Runs `request` (action kRun). Returns the exit status.
int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& err);

}  // namespace gd::cli
