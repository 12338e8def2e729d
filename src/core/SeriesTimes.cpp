#include "core/SeriesTimes.h"

#include <algorithm>
#include <cstdint>

#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {
namespace {

DateRecord EntryDate(const TRcaEntry& entry) {
  return DateRecord{entry.StartYear(), entry.StartMonth(), entry.StartDay(), entry.DateSpare()};
}

bool ValidTimeOfDay(std::int32_t seconds) { return seconds >= 0 && seconds < kSecondsPerDay; }

// The end: start + span. A start time outside the day cannot be shown, so
// neither can the end time; the date is still carried on.
std::string EndText(const TSeriesDescription& series, std::size_t channel, const Locale& locale) {
  const Moment start = SeriesStart(series.entry);
  const Span span = SeriesSpan(series, channel);
  if (!ValidTimeOfDay(start.seconds)) {
    const Moment end = AddSpan(Moment{start.date, 0}, span);
    return ShortDateText(end.date, locale).value_or(kUnformedPartText) + "  " + kUnformedPartText;
  }
  const Moment end = AddSpan(start, span);
  return MomentTextLenient(end.date, end.seconds, locale);
}

}  // namespace

Moment SeriesStart(const TRcaEntry& entry) { return Moment{EntryDate(entry), entry.StartTime()}; }

Span SeriesSpan(const TSeriesDescription& series, std::size_t channel) {
  if (channel >= series.channelCount || channel >= kMaxChannels) return {};
  const std::int64_t count = series.valueCounts[channel + 1];
  const std::int64_t interval = series.channels[channel].parameterSet.StorageInterval();
  const std::int64_t seconds = std::max<std::int64_t>((count - 1) * interval, 0);
  return Span{static_cast<std::int32_t>(seconds / kSecondsPerDay),
              static_cast<std::int32_t>(seconds % kSecondsPerDay)};
}

bool SeriesTriggered(const TSeriesDescription& series, std::size_t channel) {
  return channel < series.channelCount && channel < kMaxChannels &&
         series.channels[channel].head.Triggered();
}

std::string DurationText(const Span& span) {
  const TimeParts t = SplitTime(span.seconds);
  if (span.days == 0)
    return FormatText(Translate("%dh:%2.2dmin:%2.2ds"), {t.hour, t.minute, t.second});
  if (span.days == 1)
    return FormatText(Translate("%d Tag + %2.2dh:%2.2dmin:%2.2ds"),
                      {span.days, t.hour, t.minute, t.second});
  return FormatText(Translate("%d Tage + %2.2dh:%2.2dmin:%2.2ds"),
                    {span.days, t.hour, t.minute, t.second});
}

std::string SeriesTimeCell(const TSeriesDescription& series, int mode, const Locale& locale,
                           std::size_t channel) {
  switch (mode) {
    case kTimeColumnStart: {
      const Moment start = SeriesStart(series.entry);
      return MomentTextLenient(start.date, start.seconds, locale);
    }
    case kTimeColumnEnd:
      return SeriesTriggered(series, channel) ? kTriggeredText : EndText(series, channel, locale);
    case kTimeColumnDuration:
      return SeriesTriggered(series, channel) ? kTriggeredText
                                              : DurationText(SeriesSpan(series, channel));
    default:
      return {};
  }
}

}  // namespace gd
