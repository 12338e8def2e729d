// Stored curve styles of the diagram (configuration section "GRAPHCOLORS"):
// "MainColor" the graph background, and per curve "CT<column>_<channel>"
// (column two digits) = "colour,mark style,lines 0/1,visible 0/1". Colours
// are the platform's colour numbers: red in the low byte, then green, blue.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gd {

inline constexpr const char* kGraphColorsSection = "GRAPHCOLORS";
inline constexpr const char* kMainColorKey = "MainColor";
inline constexpr std::uint32_t kDefaultGraphColor = 0xFFFFFF;  // white

struct CurveStyle {
  std::uint32_t color = 0;
  int mark = 0;  // 0 none, 1 circle, 2 square, 3 cross
  bool lines = true;
  bool visible = true;
};

// "CT%2.2d_%d" of (output column, channel).
std::string CurveStyleKey(int column, int channel);
// "%d,%d,%d,%d" of (colour, mark, lines, visible).
std::string CurveStyleValue(const CurveStyle& style);
// Applies a stored value to `style`: a missing or unparsable colour reads as
// 0 (black), a mark style outside 0..3 is ignored (`style` keeps its own),
// missing line and visible fields read as on.
void ApplyCurveStyleValue(std::string_view value, CurveStyle& style);
// Colour of curve `index` when nothing is stored for it: a palette of
// distinct colours, so a first diagram does not draw every curve black.
std::uint32_t DefaultCurveColor(int index);

// Where the styles live (the configuration file in the program, a map in
// tests): read a key of the section, write one.
struct GraphStyleStore {
  std::function<std::optional<std::string>(std::string_view key)> read;
  std::function<void(std::string_view key, std::string_view value)> write;
};

}  // namespace gd
