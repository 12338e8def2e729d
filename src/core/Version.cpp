#include "core/Version.h"

#include <cstdio>

namespace gd {

std::string VersionText(std::uint16_t word) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "V %d.%2.2d", VersionMajor(word), VersionMinor(word));
  return buf;
}

}  // namespace gd
