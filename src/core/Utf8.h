// UTF-8 encoding and decoding of single code points, shared by every place
// that turns the program's code-page texts or the system's file names into
// Unicode and back (command-line output, export workbooks, path texts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gd {

// Appends `cp` (a code point below 0x10000) to `out` as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t cp);

// Length of the well-formed UTF-8 sequence at text[i] and its code point in
// `cp`; 0 when there is none (overlong forms, surrogates and code points
// beyond 0x10FFFF are not well-formed).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t& cp);

}  // namespace gd
