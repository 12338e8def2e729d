// Exception classes. Each carries only its message text, already translated
// and formatted; front ends show it as it is.
#pragma once

#include <stdexcept>
#include <string>

namespace gd {

// Base of all of the program's own errors.
class EGaugData : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A measurement stream or file that cannot be used.
class EBinFileInvalid : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

}  // namespace gd
