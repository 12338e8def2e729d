// gaugdata-cli: GaugData's measurement files on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliRun.h"
#ifdef GAUGDATA_CLI_PLOT
#include "cli/ui/PlotRenderer.h"
#endif

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
#ifdef GAUGDATA_CLI_PLOT
  gd::cli::SetPlotRenderer(gd::cli::RenderPlot);
#endif
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return gd::cli::RunCli(arguments, std::cout, std::cerr);
}
