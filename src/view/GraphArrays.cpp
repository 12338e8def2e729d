#include "view/GraphArrays.h"

#include <algorithm>
#include <new>

#include "view/GraphTypes.h"

namespace gd {

GraphValueArray::GraphValueArray() : values_(kBlock, 0.0L) {}

void GraphValueArray::Clear() {
  values_.assign(kBlock, 0.0L);
  values_.shrink_to_fit();
  lastAllocated_ = kBlock - 1;
  highIndex_ = -1;
  overflow_ = false;
  ++version_;
}

bool GraphValueArray::Grow(std::int32_t index) {
  std::int32_t last = lastAllocated_;
  while (last < index && last < kIndexLimit) last = std::min(last + kBlock, kIndexLimit);
  const std::size_t slotCount = static_cast<std::size_t>(last) + 1;
  if (allocationLimit_ > 0 && slotCount > static_cast<std::size_t>(allocationLimit_)) return false;
  try {
    // The logical size grows by blocks of 1024; the storage underneath grows
    // geometrically so that filling a long curve copies each value only a
    // few times.
    if (slotCount > values_.capacity())
      values_.reserve(std::max(slotCount, values_.capacity() * 2));
    values_.resize(slotCount, 0.0L);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  lastAllocated_ = last;
  return true;
}

void GraphValueArray::SetValue(std::int32_t index, long double value) {
  if (index < 0) throw EcrvGraphData("Negative array indexes are not supported");
  if (index > kIndexLimit) {
    overflow_ = true;
    return;
  }
  if (index > lastAllocated_ && !Grow(index)) {
    overflow_ = true;
    return;
  }
  values_[static_cast<std::size_t>(index)] = value;
  if (index > highIndex_) highIndex_ = index;
  ++version_;
}

long double GraphValueArray::GetValue(std::int32_t index) const {
  if (index < 0 || index > highIndex_) return kNotStoredRead;
  return values_[static_cast<std::size_t>(index)];
}

}  // namespace gd
