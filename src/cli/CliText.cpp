#include "cli/CliText.h"

#include "core/Utf8.h"

#include <array>
#include <cstdint>

namespace gd::cli {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint32_t CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
  return out;
}

bool IsUtf8(std::string_view text) {
  std::uint32_t cp = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = DecodeUtf8(text, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string MessageToUtf8(std::string_view text) {
  return IsUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}

std::optional<char> Utf8CharToWindows1252(std::string_view character) {
  if (character.empty()) return std::nullopt;
  std::uint32_t cp = 0;
  const std::size_t n = DecodeUtf8(character, 0, cp);
  if (n == 0) {
    // Not UTF-8: a single byte of the code page itself.
    if (character.size() == 1) return character[0];
    return std::nullopt;
  }
  if (n != character.size()) return std::nullopt;
  for (unsigned b = 0; b < 256; ++b) {
    if (CodePoint(static_cast<unsigned char>(b)) == cp) return static_cast<char>(b);
  }
  return std::nullopt;
}

}  // namespace gd::cli
