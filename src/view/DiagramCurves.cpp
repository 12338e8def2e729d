#include "view/DiagramCurves.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>

#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/SeriesTimes.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::uint8_t kFlagTimestamp = 0x02;  // the record carries its time
constexpr std::uint8_t kFlagChannel = 0x10;    // the record names its channel
constexpr int kEventsEvery = 10;               // records between two event runs
constexpr int kFirstPlottedColumn = 3;         // letter, date and time are never plotted

// Puts the engine's style word back however the load ends.
class StyleGuard {
 public:
  StyleGuard(TVXASCIIOUT& engine, std::uint32_t bits) : engine_(engine), saved_(engine.Style()) {
    engine_.SetStyle(bits);
  }
  ~StyleGuard() { engine_.SetStyle(saved_); }
  StyleGuard(const StyleGuard&) = delete;
  StyleGuard& operator=(const StyleGuard&) = delete;

 private:
  TVXASCIIOUT& engine_;
  std::uint32_t saved_;
};

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

std::string TimeText(std::string_view pattern, double dateTime) {
  if (!std::isfinite(dateTime)) return {};
  const DateRecord d = DateTimeToRecord(dateTime);
  if (!IsCalendarDate(d)) return {};
  return FormatDateTimePattern(pattern, d, DateTimeToSeconds(dateTime));
}

}  // namespace

void DiagramCurves::Clear() {
  curves_.clear();
  axes_.clear();
  timeMin_ = timeMax_ = 0;
  built_ = false;
}

DiagramCurves::BuildResult DiagramCurves::Build(TVXASCIIOUT* engine, int series, int language,
                                                IProgress& progress) {
  if (engine == nullptr || !engine->Usable()) return BuildResult::kNoEngine;
  const std::uint32_t style = DiagramStyleBits(engine->Style());
  if (built_ && series == series_ && style == style_ && language == language_)
    return BuildResult::kKept;
  Clear();
  TVXAblage& nav = engine->Navigator();
  if (nav.SeriesCount() == 0 || series < 1 || series > nav.SeriesCount())
    return BuildResult::kNoSeries;

  nav.GetSeriesDescription(series, description_);
  const TSeriesDescription& d = description_;
  xMode_ = d.triggered ? kXModeExplicit : kXModeLinear;
  const Moment start = gd::SeriesStart(d.entry);
  seriesStart_ = MomentToDateTime(start.date, start.seconds);

  long double largest = 0;
  bool anyLoaded = false;
  {
    StyleGuard guard(*engine, style);
    const int channels = std::clamp<int>(d.channelCount, 1, static_cast<int>(kMaxChannels));
    for (int i = 0; i < channels; ++i) {
      const long double last = LoadChannel(*engine, series, i, progress);
      largest = anyLoaded ? std::max(largest, last) : last;
      anyLoaded = true;
      if (progress.Cancelled()) break;
    }
  }

  // Time range: from 0 (or before) to the longest curve.
  long double lo = 0, hi = 0;
  bool first = true;
  for (TGraphLayItem& c : curves_) {
    c.firstX = c.xOffset;
    c.lastX = c.HighIndex() * c.xFactor + c.xOffset;
    lo = first ? c.firstX : std::min(lo, c.firstX);
    hi = first ? c.lastX : std::max(hi, c.lastX);
    first = false;
  }
  timeMin_ = std::min<long double>(lo, 0);
  timeMax_ = std::max<long double>(hi, 0);
  if (xMode_ == kXModeExplicit) {
    timeMin_ = curves_.empty() ? seriesStart_ : curves_.back().seriesStart;
    timeMax_ = anyLoaded ? largest : timeMin_;
  }
  BuildAxes();
  built_ = true;
  series_ = series;
  style_ = style;
  language_ = language;
  return BuildResult::kBuilt;
}

long double DiagramCurves::LoadChannel(TVXASCIIOUT& engine, int series, int channel,
                                       IProgress& progress) {
  TVXAblage& nav = engine.Navigator();
  const TSeriesDescription& d = description_;
  const int channels = std::clamp<int>(d.channelCount, 1, static_cast<int>(kMaxChannels));
  const TChannelDescription& cd = d.channels[static_cast<std::size_t>(channel)];

  nav.SelectSeries(series);
  engine.StartChannelClocks(d.entry, d);
  const bool shortRecords = nav.IsShortRecordSeries();

  auto rec = std::make_unique<TValueRecord>();
  rec->channel = static_cast<std::uint8_t>(channel + 1);
  nav.AttachChannel(*rec);
  static const TParameterSet kNoSet{};
  const RecordChannel& part = rec->channelPart;
  const TParameterSet& set = part.parameterSet ? *part.parameterSet : kNoSet;
  engine.SetupColumns(!shortRecords && channels > 1, part.storedValues, set, part.extraValues,
                      part.inputs);
  engine.DescribeColumns(part.inputs, set);

  const std::size_t firstCurve = curves_.size();
  std::vector<int> columns;
  for (int i = kFirstPlottedColumn; i < kOutColumnCount; ++i) {
    const TOutColumn& col = engine.Column(i);
    if (!col.enabled) continue;
    TGraphLayItem item;
    item.column = i;
    item.channel = channel;
    if (channels > 1) item.prefix = std::string(1, static_cast<char>(cd.letter)) + ":";
    item.headline = Trimmed(col.header);
    item.quantity = Trimmed(Translate(Trimmed(col.description)));
    item.qualifier = Trimmed(col.shortName);
    item.unit = Trimmed(col.unit);
    item.decimals = col.decimals;
    item.resolution = col.scale;
    item.seriesStart = seriesStart_;
    item.xFactor = cd.parameterSet.StorageInterval();
    curves_.push_back(std::move(item));
    columns.push_back(i);
  }
  const bool explicitTime = xMode_ == kXModeExplicit;
  const std::int32_t expected = std::max<std::int32_t>(0, d.valueCounts[channel + 1]);
  for (std::size_t k = firstCurve; k < curves_.size(); ++k) {
    curves_[k].y.reserve(static_cast<std::size_t>(expected));
    if (explicitTime) curves_[k].x.reserve(static_cast<std::size_t>(expected));
  }

  const int wanted = channel + 1;
  const int headNumber = nav.Head(channel).ChannelNumber();
  long double lastTime = seriesStart_;
  std::int64_t records = 0;
  while (nav.NextRecord(*rec)) {
    if (++records % kEventsEvery == 0) {
      progress.LetEventsRun();
      if (progress.Cancelled()) break;
    }
    nav.AttachChannel(*rec);
    int number = -1;
    if (!shortRecords && (rec->flags & kFlagChannel)) {
      if (rec->channel != wanted) continue;
      number = headNumber;
    }
    // The record's own time: its timestamp, else where the channel's clock
    // stands before the record moves it on by one storage interval.
    const ChannelClock& clock = engine.Clock(std::max(number, 0));
    if (explicitTime) {
      if (!shortRecords && (rec->flags & kFlagTimestamp)) {
        const Moment m = UnpackTimestamp(rec->timestamp);
        lastTime = MomentToDateTime(m.date, m.seconds);
      } else {
        lastTime = MomentToDateTime(clock.currentDate, clock.currentTime);
      }
    }
    try {
      engine.ConvertRecord(number, *rec);
    } catch (const std::exception&) {
      // A record that does not convert keeps the values of the one before.
    }
    for (std::size_t k = 0; k < columns.size(); ++k)
      curves_[firstCurve + k].y.push_back(engine.Column(columns[k]).numeric);
    if (explicitTime) {
      for (std::size_t k = 0; k < columns.size(); ++k)
        curves_[firstCurve + k].x.push_back(lastTime);
    }
  }
  if (explicitTime) return lastTime;
  return curves_.size() > firstCurve ? curves_[firstCurve].HighIndex() + 1 : 0;
}

void DiagramCurves::BuildAxes() {
  axes_.clear();
  for (std::size_t k = curves_.size(); k-- > 0;) {
    TGraphLayItem& c = curves_[k];
    const std::string name = c.AxisName();
    auto it = std::find_if(axes_.begin(), axes_.end(),
                           [&](const DiagramAxis& a) { return a.name == name; });
    if (it == axes_.end()) {
      axes_.push_back(DiagramAxis{name, c.resolution, c.decimals});
      c.axis = static_cast<int>(axes_.size()) - 1;
    } else {
      c.axis = static_cast<int>(it - axes_.begin());
    }
  }
  // Resolution of the last curve using the axis; the most decimals of all.
  for (DiagramAxis& a : axes_) a.decimals = 0;
  for (const TGraphLayItem& c : curves_) {
    DiagramAxis& a = axes_[static_cast<std::size_t>(c.axis)];
    a.resolution = c.resolution;
    a.decimals = std::max(a.decimals, c.decimals);
  }
}

// --- Texts --------------------------------------------------------------------

std::string TimeLabel(int xMode, double seriesStart, long double value, long double step) {
  const bool explicitTime = xMode == kXModeExplicit;
  const long double seconds = explicitTime ? step * 86400.0L : step;
  const char* pattern = seconds > 60 ? "HH:mm" : "HH:mm:ss";
  const double t =
      explicitTime ? static_cast<double>(value) : seriesStart + static_cast<double>(value / 86400);
  return TimeText(pattern, t);
}

std::string CursorValueText(long double value, int decimals, const std::string& unit,
                            bool atMinimum, bool atMaximum, const Locale& locale) {
  if (!(value > -1e38L && value < 1e38L)) return {};
  char buf[128];
  std::snprintf(buf, sizeof buf, "%10.*Lf", std::clamp(decimals, 0, 18), value);
  std::string text(TrimBlanks(buf));
  for (char& c : text)
    if (c == '.') c = locale.decimalSeparator;
  text = Trimmed(text + " " + unit);
  if (atMinimum) text += " (MIN)";
  if (atMaximum) text += " (MAX)";
  return text;
}

std::string NoValueText(long double value) {
  if (value >= 1e38L) return Translate("nicht gemessen");
  if (std::fabs(value / kNoValueMarker - 1) < 0.001L) return Translate("nicht gespeichert");
  return {};
}

namespace {
double SampleTime(int xMode, double seriesStart, long double x) {
  return xMode == kXModeExplicit ? static_cast<double>(x)
                                 : seriesStart + static_cast<double>(x / 86400);
}
}  // namespace

std::string CursorTimeText(int xMode, double seriesStart, long double x, std::int32_t sample,
                           const Locale& locale) {
  const double t = SampleTime(xMode, seriesStart, x);
  if (!std::isfinite(t)) return {};
  const DateRecord d = DateTimeToRecord(t);
  const auto time = LongTimeText(DateTimeToSeconds(t), locale);
  const auto date = ShortDateText(d, locale);
  if (!time || !date) return {};
  return *time + "\r" + *date + " [" + std::to_string(static_cast<long long>(sample) + 1) + "] ";
}

std::string ElapsedText(int xMode, double seriesStart, long double x) {
  const long double elapsed = xMode == kXModeExplicit ? x - seriesStart : x / 86400;
  if (!std::isfinite(static_cast<double>(elapsed)) || elapsed < 0 || elapsed > 1e6L) return {};
  const long long days = static_cast<long long>(std::floor(elapsed));
  // Rounded to the second, carrying into the days.
  long long seconds = std::llround((elapsed - days) * 86400.0L);
  long long wholeDays = days + seconds / 86400;
  seconds %= 86400;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  if (wholeDays < 1) return clock;
  return std::to_string(wholeDays) + " " + Translate(wholeDays == 1 ? "Tag" : "Tage") + " +" +
         clock;
}

// --- Zoom -----------------------------------------------------------------------

int ZoomWidth(long double low, long double high, long double axisMin, long double axisMax,
              long double minWidth, int clientWidth, int plotLeft) {
  const long double width = std::max(high - low, minWidth);
  if (!(width > 0)) return 0;
  const long double w = std::round((clientWidth - plotLeft) * (axisMax - axisMin) / width);
  if (!std::isfinite(static_cast<double>(w)) || w <= 0) return 0;
  return static_cast<int>(std::min<long double>(w, 30000));
}

int ZoomScrollPosition(int plotLeft, int clientRight, int xLow, int xHigh) {
  return (xLow - plotLeft) - ((clientRight - plotLeft) + xLow - xHigh) / 2;
}

ZoomRange MarkerZoomRange(bool startSet, long double start, bool endSet, long double end,
                          long double axisMin, long double axisMax, bool mouseSet,
                          long double mouseX) {
  const long double low = startSet ? start : axisMin;
  const long double high = endSet ? end : axisMax;
  if (low <= high) return {low, high};
  if (mouseSet && mouseX > low && mouseX >= high) return {low, axisMax};
  return {axisMin, high};
}

}  // namespace gd
