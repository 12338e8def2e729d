#include "view/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/DateTime.h"
#include "export/CellConversions.h"

namespace gd {
namespace {

bool IsValue(long double v) { return v > -1e38L && v < 1e38L; }

// Walks the one or two ranges of `r`, clipped to the curve.
template <typename F>
void ForEachIndex(const StatisticsRecord& r, std::int32_t highIndex, F&& f) {
  auto walk = [&](std::int32_t from, std::int32_t to) {
    from = std::max<std::int32_t>(from, 0);
    to = std::min(to, highIndex);
    for (std::int32_t i = from; i <= to; ++i) f(i);
  };
  walk(r.rangeStart, r.rangeEnd);
  if (r.twoRanges) walk(r.secondStart, r.secondEnd);
}

int DigitCount(std::int64_t n) {
  int digits = n < 0 ? 2 : 1;
  for (n = n < 0 ? -n : n; n >= 10; n /= 10) ++digits;
  return digits;
}

// "%.*Lf" with the locale's decimal separator.
std::string Fixed(long double v, int decimals, int width = 0) {
  decimals = std::clamp(decimals, 0, 18);
  char buf[128];
  std::snprintf(buf, sizeof buf, "%*.*Lf", std::clamp(width, 0, 60), decimals, v);
  return buf;
}

std::string Localised(std::string text, const Locale& locale) {
  for (char& c : text)
    if (c == '.') c = locale.decimalSeparator;
  return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Printf(const char* pattern, auto... args) {
  const int n = std::snprintf(nullptr, 0, pattern, args...);
  std::string out(static_cast<std::size_t>(std::max(n, 0)), '\0');
  std::snprintf(out.data(), out.size() + 1, pattern, args...);
  return out;
}

}  // namespace

StatisticsRecord ComputeStatistics(std::span<const long double> samples,
                                   std::optional<std::int32_t> startMarker,
                                   std::optional<std::int32_t> endMarker) {
  StatisticsRecord r;
  const std::int32_t high = static_cast<std::int32_t>(std::min<std::size_t>(
                                samples.size(), std::numeric_limits<std::int32_t>::max())) -
                            1;
  // A marker whose sample cannot be found counts as the first sample.
  if (startMarker) {
    r.startSet = true;
    r.startSample = std::max<std::int32_t>(*startMarker, 0);
  }
  if (endMarker) {
    r.endSet = true;
    r.endSample = std::max<std::int32_t>(std::min(high, *endMarker), 0);
  }
  if (!r.startSet && !r.endSet) {
    r.rangeStart = 0;
    r.rangeEnd = high;
  } else if (r.startSet && !r.endSet) {
    r.rangeStart = r.startSample;
    r.rangeEnd = high;
  } else if (!r.startSet) {
    r.rangeStart = 0;
    r.rangeEnd = r.endSample;
  } else if (r.endSample >= r.startSample) {
    r.rangeStart = r.startSample;
    r.rangeEnd = r.endSample;
  } else {
    // The hatched part between the markers, both marker samples included,
    // stays out.
    r.twoRanges = true;
    r.rangeStart = 0;
    r.rangeEnd = r.endSample - 1;
    r.secondStart = r.startSample + 1;
    r.secondEnd = high;
  }

  long double sum = 0;
  ForEachIndex(r, high, [&](std::int32_t i) {
    ++r.visited;
    const long double v = samples[static_cast<std::size_t>(i)];
    if (!IsValue(v)) return;
    ++r.valid;
    sum += v;
    if (v < r.minimum) {
      r.minimum = v;
      r.minimumSample = i;
    }
    if (v > r.maximum) {
      r.maximum = v;
      r.maximumSample = i;
    }
  });
  r.mean = sum;
  if (r.valid > 0) r.mean = sum / r.valid;
  r.standardDeviation = 0;
  if (r.valid >= 2) {
    long double squares = 0;
    ForEachIndex(r, high, [&](std::int32_t i) {
      const long double v = samples[static_cast<std::size_t>(i)];
      if (IsValue(v)) squares += (r.mean - v) * (r.mean - v);
    });
    r.standardDeviation = std::sqrt(squares / (r.valid - 1));
  }
  return r;
}

double StatisticsCurve::SampleDateTime(std::int32_t i) const {
  if (!explicitX.empty()) {
    if (i < 0 || static_cast<std::size_t>(i) >= explicitX.size())
      return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(explicitX[static_cast<std::size_t>(i)]);
  }
  return seriesStart + static_cast<double>(i * xFactor / 86400.0L);
}

std::vector<std::string> StatisticsLines(const StatisticsRecord& r, const StatisticsCurve& curve,
                                         const Locale& locale) {
  const std::string timePattern = ShortTimePattern(locale);
  // "[%*d] %12s  %s": sample number, its time and its date.
  auto sampleText = [&](int width, std::int32_t sample) {
    const double t = curve.SampleDateTime(sample - 1);
    std::string time = kUnformedPartText, date = kUnformedPartText;
    if (std::isfinite(t)) {
      const DateRecord d = DateTimeToRecord(t);
      if (IsCalendarDate(d)) {
        time = FormatDateTimePattern(timePattern, d, DateTimeToSeconds(t));
        date = ShortDateText(d, locale).value_or(kUnformedPartText);
      }
    }
    return Printf("[%*d] %12s  %s", width, static_cast<int>(sample), time.c_str(), date.c_str());
  };

  std::vector<std::string> lines;
  lines.push_back("Curve              \t" + curve.name);
  lines.emplace_back();
  lines.push_back(std::string("Calculate:         \t") + (r.Subset() ? "SubSet" : "All Values"));
  if (r.Subset()) {
    if (r.twoRanges) {
      const std::int32_t from = r.endSample + 1, to = r.startSample + 1;
      const int width = std::max(DigitCount(from), DigitCount(to));
      lines.push_back(" EXCLUDE VALUES    ");
      lines.push_back(" -FROM             \t" + sampleText(width, from));
      lines.push_back(" -TO               \t" + sampleText(width, to));
    } else {
      const std::int32_t from = r.rangeStart + 1, to = r.rangeEnd + 1;
      const int width = std::max(DigitCount(from), DigitCount(to));
      lines.push_back(" -FROM             \t" + sampleText(width, from) +
                      (r.rangeStart == 0 ? " (BEGIN)" : ""));
      lines.push_back(" -TO               \t" + sampleText(width, to) +
                      (r.rangeEnd >= curve.highIndex ? " (END)" : ""));
    }
  }
  lines.emplace_back();
  lines.push_back(Printf("Valid points       \t%d of %d", static_cast<int>(r.valid),
                         static_cast<int>(r.visited)));
  if (r.valid == 0) {
    lines.push_back("Min                \t-");
    lines.push_back("Max                \t-");
    lines.push_back("Mean               \t-");
    lines.push_back("Standard Deviation \t-");
    return lines;
  }
  const int d = std::clamp(curve.decimals, 0, 18);
  const std::size_t w =
      std::max({Fixed(r.minimum, d).size(), Fixed(r.maximum, d).size(), Fixed(r.mean, d).size()});
  const int s = std::max(DigitCount(r.minimumSample + 1), DigitCount(r.maximumSample + 1));
  auto value = [&](long double v) { return Localised(PadLeft(Fixed(v, d), w), locale); };
  lines.push_back("Min                \t" + value(r.minimum) + " " + curve.unit + "\t" +
                  sampleText(s, r.minimumSample + 1));
  lines.push_back("Max                \t" + value(r.maximum) + " " + curve.unit + "\t" +
                  sampleText(s, r.maximumSample + 1));
  lines.push_back("Mean               \t" + value(r.mean) + " " + curve.unit);
  lines.push_back("Standard Deviation \t" + Localised(Fixed(r.standardDeviation, d + 1), locale));
  return lines;
}

int StatisticsImageIndex(bool startSet, long double start, bool endSet, long double end) {
  if (startSet && endSet) return start <= end ? 33 : 34;
  if (startSet) return 29;
  if (endSet) return 30;
  return 0;
}

std::string StatisticsText(const StatisticsRecord& r, const StatisticsCurve& curve,
                           const Locale& locale, const char* newline) {
  std::string text;
  const std::vector<std::string> lines = StatisticsLines(r, curve, locale);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += newline;
    text += lines[i];
  }
  return text;
}

}  // namespace gd
