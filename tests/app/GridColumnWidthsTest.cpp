// The table view's column widths in section DATAGRID.
#include <gtest/gtest.h>

#include "app/GridColumnWidths.h"

namespace gd {
namespace {

TEST(GridColumnWidths, ReadKeepsDefaultsForMissingOrAbsurdAndWriteOnlyGridColumns) {
  const IniFile ini =
      IniFile::Parse("[datagrid]\r\ngid_1=120\r\nGID_2=0\r\nGID_3=x\r\nGID_4=99999\r\n");
  GridColumnWidths widths = DefaultGridColumnWidths();
  widths[5] = 77;
  ReadGridColumnWidths(ini, widths);
  EXPECT_EQ(widths[1], 120);
  EXPECT_EQ(widths[2], kDefaultGridColumnWidth);
  EXPECT_EQ(widths[3], kDefaultGridColumnWidth);
  EXPECT_EQ(widths[4], kDefaultGridColumnWidth);
  EXPECT_EQ(widths[5], 77);

  IniFile out;
  WriteGridColumnWidths(out, widths, {1, 5, -1, 28});
  EXPECT_EQ(out.Text(), "[DATAGRID]\r\nGID_1=120\r\nGID_5=77\r\n");
}

}  // namespace
}  // namespace gd
