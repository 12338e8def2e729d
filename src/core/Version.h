// The firmware version word of the meter.
//
// Low byte = major version, high byte = minor version in hundredths: the word
// 0x1003 reads "V 3.16". Versions compare major first and the minor only when
// the majors are equal, so V 5.00 (0x0005) is newer than V 3.60 (0x3C03).
#pragma once

#include <cstdint>
#include <string>

namespace gd {

// Version words that gate parts of the stored stream.
inline constexpr std::uint16_t kVersion316 = 0x1003;  // input hardware table
inline constexpr std::uint16_t kVersion322 = 0x1603;  // input descriptor table
inline constexpr std::uint16_t kVersion351 = 0x3303;  // extended and input link tables
inline constexpr std::uint16_t kVersion360 = 0x3C03;  // letters of extra channels
inline constexpr std::uint16_t kVersion500 = 0x0005;  // output hardware and setup tables

constexpr int VersionMajor(std::uint16_t word) { return word & 0xFF; }
constexpr int VersionMinor(std::uint16_t word) { return word >> 8; }
constexpr std::uint16_t MakeVersion(int major, int minor) {
  return static_cast<std::uint16_t>((major & 0xFF) | ((minor & 0xFF) << 8));
}

// 2 when `actual` is newer than `reference`, 1 when equal, 0 when older.
constexpr int CompareVersion(std::uint16_t reference, std::uint16_t actual) {
  const int refMajor = VersionMajor(reference), actMajor = VersionMajor(actual);
  if (actMajor != refMajor) return actMajor > refMajor ? 2 : 0;
  const int refMinor = VersionMinor(reference), actMinor = VersionMinor(actual);
  if (actMinor != refMinor) return actMinor > refMinor ? 2 : 0;
  return 1;
}

// Whether `actual` is `reference` or newer.
constexpr bool VersionAtLeast(std::uint16_t reference, std::uint16_t actual) {
  return CompareVersion(reference, actual) != 0;
}

// "V %d.%2.2d", e.g. "V 3.16".
std::string VersionText(std::uint16_t word);

}  // namespace gd
