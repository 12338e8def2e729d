#include "view/DiagramPrint.h"

#include <algorithm>
#include <cmath>

#include "core/SeriesTimes.h"
#include "core/TextTools.h"

namespace gd {
namespace {

int Cm(double cm, int dpi) { return static_cast<int>(std::lround(cm / 2.54 * dpi)); }

}  // namespace

std::vector<PrintHeaderLine> PrintHeader(const std::string& caption,
                                         const TSeriesDescription& series, const Locale& locale) {
  std::vector<PrintHeaderLine> lines;
  lines.push_back({Translate("Datei:"), caption});
  const Moment start = SeriesStart(series.entry);
  const std::string date = ShortDateText(start.date, locale).value_or(kUnformedPartText);
  const std::string time = LongTimeText(start.seconds, locale).value_or(kUnformedPartText);
  lines.push_back({Translate("Start:"), date + " / " + time});
  lines.push_back({Translate("Dauer:"), SeriesTimeCell(series, kTimeColumnDuration, locale)});
  std::string names;
  const int channels = std::min<int>(series.channelCount, static_cast<int>(kMaxChannels));
  for (int k = 0; k < channels; ++k) {
    if (k > 0) names += ";";
    names += "'" + series.channels[static_cast<std::size_t>(k)].head.MeasuringPoint() + "'";
  }
  lines.push_back({Translate("Name:"), names});
  return lines;
}

PrintGeometry ComputePrintGeometry(const PrintPage& page, int headerLines, int lineHeight,
                                   int averageCharWidth) {
  PrintGeometry g;
  const int top = Cm(page.landscape ? 2.5 : 2.0, page.dpiY);
  const int left = Cm(page.landscape ? 1.0 : 2.5, page.dpiX);
  const int right = Cm(1.0, page.dpiX);
  const int bottom = Cm(1.5, page.dpiY);
  g.headerLeft = left;
  g.valueLeft = left + 10 * averageCharWidth;
  g.headerTop = top;
  g.lineHeight = lineHeight;
  g.headerBottom = top + std::max(headerLines, 0) * lineHeight;
  g.graph.left = left;
  g.graph.top = g.headerBottom;
  g.graph.width = std::max(page.width - left - right, 1);
  g.graph.height = std::max(page.height - g.headerBottom - bottom, 1);
  return g;
}

double PrintGraphFontSize(int screenDpi, int printerDpi) {
  if (screenDpi <= 0 || printerDpi <= 0) return 8;
  return 8.0 * screenDpi / printerDpi;
}

}  // namespace gd
