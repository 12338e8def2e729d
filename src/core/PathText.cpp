#include "core/PathText.h"

#include "core/Utf8.h"

#include <array>
#include <cstdint>

namespace gd {
namespace {

// Code points of the bytes 0x80..0x9F of Windows-1252; 0 marks the five the
// code page leaves undefined.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char CodePageByte(std::uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::filesystem::path FsPath(const std::string& path) {
#if defined(_WIN32)
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
  return std::filesystem::path(path);  // the system's bytes, whatever they are
#endif
}

std::string PathString(const std::filesystem::path& path) {
#if defined(_WIN32)
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
#else
  return path.native();
#endif
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
#if defined(_WIN32)
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return ::_wfopen(FsPath(path).c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

std::string PathText(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (std::size_t i = 0; i < path.size();) {
    std::uint32_t cp = 0;
    const std::size_t n = DecodeUtf8(path, i, cp);
    if (n == 0) {
      out.push_back(path[i]);
      ++i;
    } else {
      out.push_back(CodePageByte(cp));
      i += n;
    }
  }
  return out;
}

}  // namespace gd
