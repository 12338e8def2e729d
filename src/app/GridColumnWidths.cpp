#include "app/GridColumnWidths.h"

#include <string>

namespace gd {
namespace {

std::string Key(int index) { return "GID_" + std::to_string(index); }

}  // namespace

GridColumnWidths DefaultGridColumnWidths() {
  GridColumnWidths widths;
  widths.fill(kDefaultGridColumnWidth);
  return widths;
}

void ReadGridColumnWidths(const IniFile& ini, GridColumnWidths& widths) {
  for (int i = 0; i < kOutColumnCount; ++i) {
    int& width = widths[static_cast<std::size_t>(i)];
    const int stored = ini.ReadInteger(kGridSection, Key(i), width);
    if (stored >= kMinGridColumnWidth && stored <= kMaxGridColumnWidth) width = stored;
  }
}

void WriteGridColumnWidths(IniFile& ini, const GridColumnWidths& widths,
                           const std::vector<int>& columns) {
  for (int index : columns) {
    if (index < 0 || index >= kOutColumnCount) continue;
    if (widths[static_cast<std::size_t>(index)] < kMinGridColumnWidth) continue;  // none known
    ini.WriteInteger(kGridSection, Key(index), widths[static_cast<std::size_t>(index)]);
  }
}

}  // namespace gd
