// The growable sample arrays of a curve layer: `TcrvIntegerArray` holds the Y
// samples, `TcrvExtendedArray` the explicit X values. Both hold extended
// values (the first one's name notwithstanding) and behave identically.
//
// Storage grows by blocks of 1024 indexes up to the fixed index limit
// 1677717; an index above it, or a failed allocation, drops the value and
// sets `Overflow` instead of raising. Reads below 0 or above `HighIndex`
// give -1.7e38 (a not stored value). Slots that growth adds start as 0.
#pragma once

#include <cstdint>
#include <vector>

namespace gd {

class GraphValueArray {
 public:
  static constexpr std::int32_t kBlock = 1024;
  static constexpr std::int32_t kIndexLimit = 1677717;
  static constexpr int kElementBytes = 10;  // one extended value as stored

  GraphValueArray();
  virtual ~GraphValueArray() = default;

  // Throws EcrvGraphData for a negative index.
  void SetValue(std::int32_t index, long double value);
  long double GetValue(std::int32_t index) const;

  std::int32_t HighIndex() const { return highIndex_; }
  // Number of stored slotCount (HighIndex + 1).
  std::int32_t Count() const { return highIndex_ + 1; }
  bool Overflow() const { return overflow_; }
  std::int32_t LastAllocatedIndex() const { return lastAllocated_; }
  std::int32_t CapacityBytes() const { return (lastAllocated_ + 1) * kElementBytes; }
  // The samples 0..HighIndex, contiguous.
  const long double* Data() const { return values_.data(); }
  // Raised by every store; lets caches (the envelope, ranges) notice changes.
  std::uint64_t Version() const { return version_; }
  // Forgets all values (HighIndex -1, Overflow cleared, 1024 zeroed slotCount).
  void Clear();

 protected:
  // Testing hook for allocation failure: growth beyond this many slotCount
  // fails like an exhausted heap. 0 = no artificial limit.
  void SetAllocationLimitForTest(std::int32_t slotCount) { allocationLimit_ = slotCount; }

 private:
  bool Grow(std::int32_t index);

  std::vector<long double> values_;
  std::int32_t lastAllocated_ = kBlock - 1;
  std::int32_t highIndex_ = -1;
  std::int32_t allocationLimit_ = 0;
  bool overflow_ = false;
  std::uint64_t version_ = 0;
};

class TcrvIntegerArray : public GraphValueArray {
 public:
  using GraphValueArray::SetAllocationLimitForTest;
};

class TcrvExtendedArray : public GraphValueArray {
 public:
  using GraphValueArray::SetAllocationLimitForTest;
};

}  // namespace gd
