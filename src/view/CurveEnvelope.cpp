#include "view/CurveEnvelope.h"

#include <algorithm>

#include "view/GraphTypes.h"

namespace gd {

namespace {
constexpr std::uint8_t kHasValue = 1;
constexpr std::uint8_t kHasNotMeasured = 2;
constexpr std::uint8_t kHasNotStored = 4;
}  // namespace

EnvelopeSpan CurveEnvelope::FromEntry(const Entry& e) {
  EnvelopeSpan s;
  s.hasValue = (e.flags & kHasValue) != 0;
  s.hasNotMeasured = (e.flags & kHasNotMeasured) != 0;
  s.hasNotStored = (e.flags & kHasNotStored) != 0;
  if (s.hasValue) {
    s.min = e.min;
    s.max = e.max;
  }
  return s;
}

CurveEnvelope::CurveEnvelope(const long double* samples, std::int32_t count)
    : samples_(samples), count_(std::max<std::int32_t>(count, 0)) {
  // Level 1 straight from the samples.
  std::vector<Entry> level;
  level.reserve(static_cast<std::size_t>(count_ / kFanOut + 1));
  for (std::int32_t start = 0; start < count_; start += kFanOut) {
    const std::int32_t end = std::min(count_, start + kFanOut);
    Entry e{0, 0, 0};
    for (std::int32_t i = start; i < end; ++i) {
      const long double v = samples_[i];
      if (IsPlottable(v)) {
        if (!(e.flags & kHasValue)) {
          e.min = e.max = v;
          e.flags |= kHasValue;
        } else {
          if (v < e.min) e.min = v;
          if (v > e.max) e.max = v;
        }
      } else {
        e.flags |= IsNotMeasured(v) ? kHasNotMeasured : kHasNotStored;
      }
    }
    level.push_back(e);
  }
  while (level.size() > 1) {
    std::vector<Entry> up;
    up.reserve(level.size() / kFanOut + 1);
    for (std::size_t start = 0; start < level.size(); start += kFanOut) {
      const std::size_t end = std::min(level.size(), start + kFanOut);
      Entry e{0, 0, 0};
      for (std::size_t i = start; i < end; ++i) {
        const Entry& c = level[i];
        if (c.flags & kHasValue) {
          if (!(e.flags & kHasValue)) {
            e.min = c.min;
            e.max = c.max;
          } else {
            e.min = std::min(e.min, c.min);
            e.max = std::max(e.max, c.max);
          }
        }
        e.flags |= c.flags;
      }
      up.push_back(e);
    }
    levels_.push_back(std::move(level));
    level = std::move(up);
  }
  if (!level.empty()) levels_.push_back(std::move(level));
}

EnvelopeSpan CurveEnvelope::Query(std::int32_t first, std::int32_t last) const {
  EnvelopeSpan span;
  first = std::max<std::int32_t>(first, 0);
  last = std::min<std::int32_t>(last, count_ - 1);
  if (first > last) return span;
  // Walk up: take loose samples/entries at both ends until the remaining
  // range is aligned to whole blocks of the next level.
  std::int64_t lo = first;
  std::int64_t hi = last;  // inclusive, in units of the current level
  int level = -1;          // -1 = the samples themselves
  while (lo <= hi) {
    const auto take = [&](std::int64_t i) {
      if (level < 0) {
        span.AddSample(samples_[i]);
      } else {
        span.Add(FromEntry(levels_[static_cast<std::size_t>(level)][static_cast<std::size_t>(i)]));
      }
    };
    if (hi - lo + 1 < kFanOut || level + 1 >= LevelCount()) {
      for (std::int64_t i = lo; i <= hi; ++i) take(i);
      break;
    }
    while (lo <= hi && lo % kFanOut != 0) take(lo++);
    while (hi >= lo && (hi + 1) % kFanOut != 0) take(hi--);
    if (lo > hi) break;
    lo /= kFanOut;
    hi = (hi + 1) / kFanOut - 1;
    ++level;
  }
  return span;
}

}  // namespace gd
