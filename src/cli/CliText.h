// Text at the boundary of the command-line tool.
//
// Inside the libraries every text is a Windows-1252 byte string; the terminal
// and the pipes the tool writes to expect UTF-8. Listings are converted once,
// right before they are printed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gd::cli {

// Windows-1252 bytes as UTF-8. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as Windows itself maps them, so no byte is lost.
std::string Windows1252ToUtf8(std::string_view text);

// Whether `text` is well-formed UTF-8 (shortest forms, no surrogates).
bool IsUtf8(std::string_view text);

// A message of the libraries for stderr. Messages are Windows-1252 texts,
// but a file name in them keeps the bytes the user typed, which on this
// system are UTF-8: a message that already is valid UTF-8 is printed as it
// is (no Windows-1252 text with umlauts is), any other one is converted.
std::string MessageToUtf8(std::string_view text);

// The Windows-1252 byte of one character given in UTF-8 (or one plain byte
// of the code page); nothing when the text is not exactly one character the
// code page can hold.
std::optional<char> Utf8CharToWindows1252(std::string_view character);

}  // namespace gd::cli
