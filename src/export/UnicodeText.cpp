#include "export/UnicodeText.h"

#include "core/Utf8.h"

#include <array>
#include <cstdint>

namespace gd {
namespace {

// Windows-1252 0x80..0x9F; the five unassigned codes stay the C1 controls.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint32_t CodePoint(unsigned char byte, bool dos) {
  if (dos) {
    switch (byte) {
      case 0x8E:
        return 0xC4;  // Ä
      case 0x9A:
        return 0xDC;  // Ü
      case 0xE1:
        return 0xDF;  // ß
      case 0x84:
        return 0xE4;  // ä
      case 0x94:
        return 0xF6;  // ö
      case 0x81:
        return 0xFC;  // ü
      default:
        break;
    }
  }
  if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
  return byte;
}

}  // namespace

void AppendExportTextUtf8(std::string& out, std::string_view text, bool dosCharset) {
  for (const char c : text) {
    AppendUtf8(out, CodePoint(static_cast<unsigned char>(c), dosCharset));
  }
}

std::string ExportTextToUtf8(std::string_view text, bool dosCharset) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  AppendExportTextUtf8(out, text, dosCharset);
  return out;
}

}  // namespace gd
