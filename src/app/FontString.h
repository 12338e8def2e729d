// The font strings of the configuration file (section FONTS): comma-separated
// fields name, height, colour, pitch, character set, then zero or more style
// numbers (0 bold, 1 italic, 2 underline, 3 strike-out), each present when
// that style is on, in that order. For example "Courier New,-13,0,2,1,0".
#pragma once

#include <string>
#include <string_view>

namespace gd {

class IniFile;

struct FontDescription {
  std::string name;  // Windows-1252, as the file holds it
  // The platform's font height: negative for the character height in pixels
  // at 96 dots per inch (Windows' convention), positive for the cell height.
  int height = 0;
  int color = 0;    // 0x00BBGGRR; negative values name system colours
  int pitch = 0;    // 0 default, 1 variable, 2 fixed
  int charset = 1;  // 1: the system's default character set
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The largest font height a font string may carry (in either sign); larger
// values are taken as garbage and leave the height unchanged.
inline constexpr int kMaxFontHeight = 500;

// Applies each field of `text` that parses onto `font` and returns the
// result: an empty name, a height of 0 or beyond kMaxFontHeight, or a field
// that is no whole number leaves that property unchanged. The styles are
// replaced only when there are more than five fields; style numbers other
// than 0..3 and style fields that do not parse are ignored. Never fails.
FontDescription ApplyFontString(FontDescription font, std::string_view text);
// The font string of `font`. Commas in the name (which would split it) become
// blanks; the name's outer blanks are dropped.
std::string FontString(const FontDescription& font);

// The four fonts of the section FONTS as the file holds them; an empty string
// for a font that is not stored (the view keeps its own font).
struct FontStrings {
  std::string parameterSets;  // PARASETS: the parameter-set text view
  std::string parameterSet;   // PARASET: the single parameter-set view
  std::string deviceTables;   // SONDTABS: the device-table view
  std::string grid;           // Grid: the table view's grid
};
FontStrings ReadFontStrings(const IniFile& ini);
// Writes the fonts that are stored; an empty one leaves its key as it is.
void WriteFontStrings(IniFile& ini, const FontStrings& fonts);

}  // namespace gd
