// The technical listing of a measurement byte stream: prolog fields, firmware
// option bits, interfaces, name lists, coefficient sets and the input and
// output configuration tables, one text line per entry.
//
// The listing only reads what the parse kept (prolog, lists and tables), so
// it can be written for any parse result, also a partial one: tables that
// are missing or shorter than the prolog says are listed as far as they go.
#pragma once

#include <string>
#include <vector>

#include "core/StreamParser.h"

namespace gd {

class TVXAblage;

// Appends the listing of `parsed` to `lines` and converts the appended lines
// from the meter's DOS code page (lines already in `lines` are not touched).
// `navigator` (over the same parse) supplies the channel letters.
void WriteStreamInfo(const ParsedStream& parsed, const TVXAblage& navigator,
                     std::vector<std::string>& lines);

// The listing as a new list.
std::vector<std::string> StreamInfoLines(const ParsedStream& parsed, const TVXAblage& navigator);

// Placeholder name of a firmware option bit of the two COMPILER_BITS words
// (`word` 1 or 2): the firmware does not tell the option names, so they are
// listed by their bit numbers, "Word1 bit  5".
std::string CompilerOptionName(int word, int bit);

}  // namespace gd
