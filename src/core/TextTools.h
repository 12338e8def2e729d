// Small string tools shared by the storage layer, the conversion to text and
// the windows, and the one translation hook of the core.
//
// All texts are Windows-1252 byte strings. None of these functions keeps
// state, except Translate, whose dictionary the application installs once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gd {

// --- DOS code page ----------------------------------------------------------
// Texts from the meter use the DOS codes 0x81 (ü), 0x84 (ä), 0x8E (Ä),
// 0x94 (ö), 0x9A (Ü) and 0xE1 (ß). Exactly these six are converted; every
// other byte stays as it is.

// 0x81->0xFC, 0x84->0xE4, 0x8E->0xC4, 0x94->0xF6, 0x9A->0xDC, 0xE1->0xDF.
std::string DosToWindows(std::string_view text);
// 0xC4->0x8E, 0xDC->0x9A, 0xDF->0xE1, 0xE4->0x84, 0xF6->0x94, 0xFC->0x81.
std::string WindowsToDos(std::string_view text);
// DosToWindows on every line, in place.
void DosToWindowsList(std::vector<std::string>& lines);

// --- Padding and signs ------------------------------------------------------

// Unchanged when the text is longer than `width`; otherwise blanks are put in
// front until it is width + 1 characters long (the extra column separates
// neighbouring numbers). PadLeft("1.5", 9) has 7 blanks in front.
std::string PadLeft(std::string_view text, int width);

// Puts `sign` on a right-aligned number text without changing its length
// where possible:
//  * text without leading blanks and not starting with '+'/'-': the sign is
//    put in front ("12" -> "+12"; also for the empty text);
//  * the first non-blank character is '+' or '-': it is replaced ("  -3" ->
//    "  +3");
//  * otherwise the blank just before the first non-blank character becomes
//    the sign ("  3" -> " +3"); an all-blank text gets it in its last column.
std::string PlaceSign(std::string_view text, char sign);

// The text with every blank (' ') removed.
std::string RemoveBlanks(std::string_view text);
// The text without the blanks (' ') at its start and end.
std::string_view TrimBlanks(std::string_view text);

// printf into a string of whatever length the result needs (never cut).
// For the program's own fixed formats; patterns from the dictionary go
// through FormatText (core/FormatText.h), which cannot misread its arguments.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
Sprintf(const char* format, ...);
// ASCII letters in lower case, every other byte as it is.
char LowerAscii(char c);
// Whether `word` stands in `text` at `pos` (pos <= text.size()), ASCII letters
// compared without case.
bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word);

// --- Digits -----------------------------------------------------------------

// Writes v in decimal with at least minDigits digits (zeros in front) at out,
// without allocating (number and date columns are written for every record);
// returns the end. The digits go straight to their places, last one first.
inline char* PutUnsigned(char* out, std::uint64_t v, int minDigits) {
  int n = 1;
  for (std::uint64_t limit = 10; n < 20 && v >= limit; limit *= 10) ++n;
  char* const end = out + (n > minDigits ? n : minDigits);
  for (char* p = end; p != out; v /= 10) *--p = static_cast<char>('0' + v % 10);
  return end;
}

// --- Fields -----------------------------------------------------------------

// The n-th field (1-based) of a text split at `separator`; the last field ends
// at the end of the text. n below 1 or beyond the last field yields "".
std::string Field(std::string_view text, char separator, int n);
// Number of separators + 1 for a non-empty text, 0 for the empty text.
int FieldCount(std::string_view text, char separator);

// --- Paths ------------------------------------------------------------------

// folder + separator + name. No separator is added when the folder already
// ends in '\' or '/', or when the folder is empty (the name alone is then
// relative to the working folder). The separator added is '\' on Windows and
// '/' elsewhere, so the result is a usable path on the platform it runs on.
std::string JoinPath(std::string_view folder, std::string_view name);

// --- Translation ------------------------------------------------------------

// A dictionary maps a German source text to the text shown to the user.
using TranslateFunction = std::function<std::string(std::string_view)>;

// Every user-visible text passes through Translate right before display.
// Without an installed dictionary the text comes back unchanged.
std::string Translate(std::string_view text);
// Installs the dictionary; an empty function removes it again. Call it from
// the user-interface thread only (the core has no other threads).
void SetTranslateFunction(TranslateFunction dictionary);

}  // namespace gd
