#include "app/ParameterSetCommand.h"

#include "app/SeriesList.h"
#include "convert/TextStyle.h"
#include "core/FormatText.h"
#include "core/MessageTexts.h"
#include "core/TextTools.h"

namespace gd {

ParameterSetWriter ParameterSetWindowWriter(TVXASCIIOUT& engine) {
  return [&engine](const TRcaEntry& entry, int first, int last,
                   const std::array<std::int32_t, 9>* valueCounts, const TSeriesDescription& series,
                   std::vector<std::string>& lines) {
    engine.WriteParameterSet(&lines, entry, first, last, valueCounts, series);
  };
}

ParameterSetWindow BuildParameterSetWindow(const ParameterSetRequest& request,
                                           const ParameterSetWriter& writer) {
  ParameterSetWindow w;
  if (!request.streamOpen || request.seriesCount <= 0) {
    w.outcome = ParameterSetWindow::Outcome::kNoSeries;
    w.message = Translate(kNoSeriesAvailableText);
    return w;
  }
  const int n = request.selected > 0 ? request.selected : 1;
  w.series = n;
  if (n > request.directoryCount) {
    w.outcome = ParameterSetWindow::Outcome::kTooFewSeries;
    w.message = FormatText(Translate(kOnlyNSeriesText), {request.directoryCount});
    return w;
  }
  const TSeriesDescription* series = request.describe ? request.describe(n) : nullptr;
  if (!series) {
    w.outcome = ParameterSetWindow::Outcome::kNoDescription;
    w.message = kBadBytesText;
    return w;
  }

  w.outcome = ParameterSetWindow::Outcome::kShown;
  w.caption = FormatText(Translate("Parametersaetze %s[%d]"), {request.windowName, n});
  w.lines.emplace_back(kParameterSetHeadline);
  const int channels = series->channelCount;
  if (request.textStyle & kStyleParamsSideBySide) {
    writer(series->entry, 0, channels - 1, &series->valueCounts, *series, w.lines);
  } else {
    for (int k = 0; k < channels; ++k) {
      writer(series->entry, k, k, &series->valueCounts, *series, w.lines);
      w.lines.emplace_back();
    }
  }
  // The sets of a damaged series may be partly unread (zeros): say so.
  if (series->damaged) w.lines.emplace_back(kBadBytesText);
  return w;
}

}  // namespace gd
