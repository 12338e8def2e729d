// Min/max pyramid of one curve: level 1 summarises blocks of 16 samples,
// every further level blocks of 16 entries of the level below. Built once
// per curve (a single pass over the samples plus 1/15 of that for the upper
// levels); afterwards the extremes of any index range cost at most
// 2 x 15 entries per level, independent of the curve's length. The painter
// asks it for one range per pixel column, so a long curve repaints in time
// proportional to the plot width and no spike is lost.
#pragma once

#include <cstdint>
#include <vector>

namespace gd {

// What an index range holds: the extremes of its plottable samples and
// whether it contains not measured or not stored samples.
struct EnvelopeSpan {
  long double min = 0;
  long double max = 0;
  bool hasValue = false;
  bool hasNotMeasured = false;
  bool hasNotStored = false;

  void Add(const EnvelopeSpan& other) {
    if (other.hasValue) {
      if (!hasValue) {
        min = other.min;
        max = other.max;
        hasValue = true;
      } else {
        if (other.min < min) min = other.min;
        if (other.max > max) max = other.max;
      }
    }
    hasNotMeasured = hasNotMeasured || other.hasNotMeasured;
    hasNotStored = hasNotStored || other.hasNotStored;
  }
  void AddSample(long double v) {
    if (v < 1e38L && v > -1e38L) {
      if (!hasValue) {
        min = max = v;
        hasValue = true;
      } else if (v < min) {
        min = v;
      } else if (v > max) {
        max = v;
      }
    } else if (v >= 1e38L) {
      hasNotMeasured = true;
    } else {
      hasNotStored = true;
    }
  }
};

class CurveEnvelope {
 public:
  static constexpr int kFanOut = 16;

  CurveEnvelope() = default;
  // Samples 0..count-1.
  CurveEnvelope(const long double* samples, std::int32_t count);

  std::int32_t Count() const { return count_; }
  int LevelCount() const { return static_cast<int>(levels_.size()); }

  // The span of samples first..last (inclusive, clipped to 0..Count-1);
  // an empty or inverted range gives an empty span.
  EnvelopeSpan Query(std::int32_t first, std::int32_t last) const;
  // The span of the whole curve.
  EnvelopeSpan Whole() const { return Query(0, count_ - 1); }

 private:
  struct Entry {
    long double min;
    long double max;
    std::uint8_t flags;  // bit 0 value, bit 1 not measured, bit 2 not stored
  };
  static EnvelopeSpan FromEntry(const Entry& e);

  const long double* samples_ = nullptr;
  std::int32_t count_ = 0;
  std::vector<std::vector<Entry>> levels_;  // levels_[k] covers blocks of 16^(k+1)
};

}  // namespace gd
