// Statistics of one diagram curve over the range the start and end markers
// leave: valid points, minimum and maximum with their samples, mean and
// sample standard deviation, and the fixed-layout text `TDLG_Statistics`
// shows (also printed by `gaugdata-cli stats`).
//
// The curve's samples are plain values; a magnitude of 1e38 or more is no
// value (not measured or not stored). Markers arrive as sample indexes: the
// graph maps its marker X values to samples (XToIndex) before asking.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Locale.h"

namespace gd {

struct StatisticsRecord {
  std::int32_t rangeStart = 0;
  std::int32_t rangeEnd = -1;
  bool startSet = false;
  bool endSet = false;
  std::int32_t startSample = -1;  // -1: start marker unset
  std::int32_t endSample = -1;    // -1: end marker unset
  bool twoRanges = false;
  std::int32_t secondStart = -1;
  std::int32_t secondEnd = -1;
  std::int32_t visited = 0;
  std::int32_t valid = 0;
  long double mean = 0;
  long double standardDeviation = 0;
  long double minimum = 1e30L;
  long double maximum = -1e30L;
  std::int32_t minimumSample = -1;
  std::int32_t maximumSample = -1;

  bool Subset() const { return startSet || endSet; }
};

// Computes the statistics of `samples` (indexes 0..size - 1). `startMarker`
// and `endMarker` are the sample indexes of the set markers (what XToIndex
// gives for them; nullopt when unset). With both set and the end before the
// start, the samples from the end marker to the start marker, both included,
// are left out. Indexes outside the curve never read outside it.
StatisticsRecord ComputeStatistics(std::span<const long double> samples,
                                   std::optional<std::int32_t> startMarker,
                                   std::optional<std::int32_t> endMarker);

// What the text needs to know of the curve besides its samples.
struct StatisticsCurve {
  std::string name;  // curve name as the curve combo shows it
  std::string unit;  // trimmed unit
  int decimals = 0;  // decimals of its values
  std::int32_t highIndex = -1;
  // Date-time (days since 1899-12-30) of sample i: explicit X values when
  // given, else seriesStart + i * xFactor / 86400.
  double seriesStart = 0;
  long double xFactor = 1;
  std::span<const long double> explicitX;

  double SampleDateTime(std::int32_t i) const;
};

// The lines of the statistics text (labels padded to 19 characters, a TAB
// after each label). Numbers use the locale's decimal separator, times the
// locale's short time format (its long time
// pattern without the seconds) and dates its short date format.
std::vector<std::string> StatisticsLines(const StatisticsRecord& r, const StatisticsCurve& curve,
                                         const Locale& locale);
// The same lines joined by `newline` (none after the last).
std::string StatisticsText(const StatisticsRecord& r, const StatisticsCurve& curve,
                           const Locale& locale, const char* newline = "\r\n");

// The image of the statistics action for the markers as they stand: 0 none
// set, 29 only the start, 30 only the end, 33 both with start <= end, 34
// both with the start after the end (the part between them left out).
int StatisticsImageIndex(bool startSet, long double start, bool endSet, long double end);

}  // namespace gd
