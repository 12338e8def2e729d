// The table view's column widths in the configuration file: section
// "DATAGRID", key "GID_<n>" per output column index n = 0..27, in pixels.
//
// The main window keeps one width per output column index, reads them with
// the current widths as defaults, hands them to the table view and takes them
// back when it closes, and writes those of the columns last in the grid.
#pragma once

#include <array>
#include <vector>

#include "app/IniFile.h"
#include "convert/VXASCIIOUT.h"

namespace gd {

inline constexpr const char* kGridSection = "DATAGRID";
// No width stored: the table view sizes such a column to its contents.
inline constexpr int kDefaultGridColumnWidth = 0;
// Stored widths outside this range (a hidden or absurd column) are not taken.
inline constexpr int kMinGridColumnWidth = 8;
inline constexpr int kMaxGridColumnWidth = 2000;

using GridColumnWidths = std::array<int, kOutColumnCount>;

GridColumnWidths DefaultGridColumnWidths();
// Each stored width in range replaces the current one.
void ReadGridColumnWidths(const IniFile& ini, GridColumnWidths& widths);
// Writes the widths of the output column indexes in `columns` (others and
// indexes outside 0..27 are left alone).
void WriteGridColumnWidths(IniFile& ini, const GridColumnWidths& widths,
                           const std::vector<int>& columns);

}  // namespace gd
