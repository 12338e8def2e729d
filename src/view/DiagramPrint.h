// The printed diagram page (`TDLG_Print`): the header block above the graph
// and where the graph goes on the page. Device units are printer pixels.
#pragma once

#include <string>
#include <vector>

#include "core/Locale.h"
#include "core/VXAblage.h"

namespace gd {

struct PrintHeaderLine {
  std::string label;  // "Datei:", "Start:", "Dauer:", "Name:"
  std::string value;
};

// The four header rows: window caption, series start "date / time", the
// series' duration as the series list shows it, and the measuring-point
// names of its channels in single quotes, separated by ";".
std::vector<PrintHeaderLine> PrintHeader(const std::string& caption,
                                         const TSeriesDescription& series, const Locale& locale);

struct PrintPage {
  int width = 0, height = 0;  // printable page in pixels
  int dpiX = 300, dpiY = 300;
  bool landscape = false;
};

struct PrintBox {
  int left = 0, top = 0, width = 0, height = 0;
};

struct PrintGeometry {
  int headerLeft = 0;  // label column
  int valueLeft = 0;   // value column: 10 average character widths further
  int headerTop = 0;
  int lineHeight = 0;
  int headerBottom = 0;
  PrintBox graph;  // where the graph is mapped to
};

// Margins: portrait top 2 cm and left 2.5 cm, right 1 cm; landscape top
// 2.5 cm, left and right 1 cm; 1.5 cm below the graph in both.
PrintGeometry ComputePrintGeometry(const PrintPage& page, int headerLines, int lineHeight,
                                   int averageCharWidth);

// Font size in printer points that makes an 8-point screen font come out at
// its screen size once the graph (laid out in screen pixels) is scaled onto
// the page.
double PrintGraphFontSize(int screenDpi, int printerDpi);

}  // namespace gd
