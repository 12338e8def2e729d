// Drawing `gaugdata-cli plot` jobs without a display: a GUI application on
// the offscreen platform, made only when a plot is drawn, and the diagram
// window's own drawing into PNG, SVG or the printed page as PDF.
#pragma once

#include <string>

#include "cli/CliCommands.h"

namespace gd::cli {

bool RenderPlot(PlotJob& job, std::string& error);

}  // namespace gd::cli
