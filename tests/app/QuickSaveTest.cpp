#include "app/QuickSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gd {
namespace {

using Buttons = QuickSaveList::Buttons;

bool Same(const Buttons& a, const Buttons& b) {
  return a.include == b.include && a.includeAll == b.includeAll && a.exclude == b.exclude &&
         a.excludeAll == b.excludeAll && a.save == b.save;
}

TEST(QuickSaveTest, MovesKeepEachSeriesOnce) {
  QuickSaveList q;
  EXPECT_EQ(q.Include({3, 1}), 1u);            // the entry appended last takes the selection
  EXPECT_EQ(q.Include({3, 1}), std::nullopt);  // pressing ">" again adds nothing
  EXPECT_EQ(q.Entries(), (std::vector<int>{3, 1}));
  EXPECT_EQ(q.Caption(0), "03");
  EXPECT_EQ(q.Include({1, 2}), 2u);
  q.IncludeAll(5);
  EXPECT_EQ(q.Entries(), (std::vector<int>{3, 1, 2, 4, 5}));
  q.Exclude({0, 3, 9});
  EXPECT_EQ(q.Entries(), (std::vector<int>{1, 2, 5}));
  EXPECT_TRUE(q.Contains(5));
  EXPECT_FALSE(q.Contains(3));
  q.Clear();
  EXPECT_EQ(q.Size(), 0u);
}

TEST(QuickSaveTest, ButtonRules) {
  QuickSaveList q;
  EXPECT_TRUE(Same(q.ButtonStates(0, {}), Buttons{false, false, false, false, false}));
  EXPECT_TRUE(Same(q.ButtonStates(4, {}), Buttons{true, true, false, false, false}));
  q.Include({2});
  EXPECT_TRUE(Same(q.ButtonStates(4, {2}), Buttons{false, true, true, true, true}));
  EXPECT_TRUE(Same(q.ButtonStates(4, {2, 3}), Buttons{true, true, true, true, true}));
  EXPECT_TRUE(Same(q.ButtonStates(4, {}), Buttons{true, true, true, true, true}));
}

TEST(QuickSaveTest, SaveSelectionInListOrder) {
  QuickSaveList q;
  q.Include({3});
  q.Include({1});
  EXPECT_EQ(q.Selection().ToString(), std::string("\x02\x00", 2));
}

TEST(QuickSaveTest, SaveSelectionBeforeTheDialog) {
  EXPECT_EQ(SaveSelectionWithoutDialog(0), SeriesSelection());
  EXPECT_EQ(SaveSelectionWithoutDialog(1), SeriesSelection({1}));
  EXPECT_EQ(SaveSelectionWithoutDialog(2), std::nullopt);
}

}  // namespace
}  // namespace gd
