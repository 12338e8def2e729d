#include "view/SeriesSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Errors.h"

namespace gd {
namespace {

std::vector<SeriesListItem> Items(int count, std::vector<int> selected) {
  std::vector<SeriesListItem> items;
  for (int n = 1; n <= count; ++n) {
    SeriesListItem item{std::string(n < 10 ? "0" : "") + std::to_string(n), n, false};
    for (int s : selected) item.selected = item.selected || s == n;
    items.push_back(item);
  }
  return items;
}

std::vector<int> Numbers(const std::vector<SeriesListItem>& items) {
  std::vector<int> out;
  for (const SeriesListItem& i : items) out.push_back(i.seriesNumber);
  return out;
}

TEST(SeriesSelectionTest, ByteStringForm) {
  EXPECT_EQ(SeriesSelection({3, 1}).ToString(), std::string("\x02\x00", 2));
  EXPECT_EQ(SeriesSelection::All(3).ToString(), std::string("\x00\x01\x02", 3));
  EXPECT_EQ(SeriesSelection::FromString(std::string("\x04\x00\xFF", 3)).Numbers(),
            (std::vector<int>{5, 1, 256}));
  EXPECT_TRUE(SeriesSelection().ToString().empty());
  // Series 257 would read back as series 1: refused instead.
  SeriesSelection big({2, 257});
  EXPECT_FALSE(big.FitsString());
  EXPECT_THROW(big.ToString(), EGaugData);
  EXPECT_TRUE(SeriesSelection({256}).FitsString());
}

TEST(SeriesSelectionTest, ChoiceOfferedByTheMainListSelection) {
  SeriesSelectionModel m;
  m.Prepare(Items(5, {2, 4}));
  EXPECT_EQ(m.AllCaption(), "&Alle (5 Reihen)");
  EXPECT_EQ(m.SelectedCaption(), "&Selektierte (2 Reihen)");
  EXPECT_EQ(SeriesSelectionModel::Caption(),
            "Speichern von Me\xDF"
            "wertreihen");
  EXPECT_TRUE(m.SelectedChoiceVisible());
  EXPECT_EQ(m.GetChoice(), SeriesSelectionModel::Choice::kSelected);
  EXPECT_FALSE(m.PickerVisible());
  EXPECT_EQ(m.Result(), SeriesSelection({2, 4}));

  m.Prepare(Items(5, {1, 2, 3, 4, 5}));
  EXPECT_FALSE(m.SelectedChoiceVisible());
  EXPECT_EQ(m.GetChoice(), SeriesSelectionModel::Choice::kAll);

  m.Prepare(Items(5, {3}));  // one selected: offered, not pre-checked
  EXPECT_TRUE(m.SelectedChoiceVisible());
  EXPECT_EQ(m.GetChoice(), SeriesSelectionModel::Choice::kAll);

  m.Prepare(Items(3, {}));
  EXPECT_EQ(m.Result().ToString(), std::string("\x00\x01\x02", 3));
}

TEST(SeriesSelectionTest, TwoListPickerMovesAndResult) {
  SeriesSelectionModel m;
  m.Prepare(Items(5, {2, 4}));  // the main list's selection carries over to the source list
  m.SetChoice(SeriesSelectionModel::Choice::kPick);
  EXPECT_TRUE(m.PickerVisible());
  EXPECT_TRUE(m.IncludeEnabled());
  EXPECT_FALSE(m.ExcludeEnabled());

  m.Include();  // last selected first: 4 arrives before 2
  EXPECT_EQ(Numbers(m.Destination()), (std::vector<int>{4, 2}));
  EXPECT_EQ(Numbers(m.Source()), (std::vector<int>{1, 3, 5}));
  // The item at the former first selection (index 1) is selected now.
  EXPECT_FALSE(m.Source()[0].selected);
  EXPECT_TRUE(m.Source()[1].selected);
  EXPECT_FALSE(m.Destination()[0].selected);
  EXPECT_EQ(m.Result().ToString(), std::string("\x03\x01", 2));

  m.SetSourceSelected(1, false);
  m.SetSourceSelected(2, true);
  m.Include();  // 5 moves; selection clamps to the last remaining item
  EXPECT_EQ(Numbers(m.Destination()), (std::vector<int>{4, 2, 5}));
  ASSERT_EQ(m.Source().size(), 2u);
  EXPECT_TRUE(m.Source()[1].selected);

  m.SetDestinationSelected(0, true);
  m.Exclude();
  EXPECT_EQ(Numbers(m.Source()), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(Numbers(m.Destination()), (std::vector<int>{2, 5}));
  EXPECT_TRUE(m.Destination()[0].selected);

  m.IncludeAll();
  EXPECT_EQ(Numbers(m.Destination()), (std::vector<int>{2, 5, 1, 3, 4}));
  EXPECT_FALSE(m.IncludeEnabled());
  EXPECT_EQ(m.Result(), SeriesSelection({2, 5, 1, 3, 4}));
  m.ExcludeAll();
  EXPECT_TRUE(m.Destination().empty());
  EXPECT_FALSE(m.ExcludeEnabled());
  EXPECT_TRUE(m.Result().Empty());
  // The main list's choice is untouched by the picker.
  m.SetChoice(SeriesSelectionModel::Choice::kSelected);
  EXPECT_EQ(m.Result(), SeriesSelection({2, 4}));
}

}  // namespace
}  // namespace gd
