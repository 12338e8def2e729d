#include "core/Collections.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Errors.h"

namespace gd {
namespace {

TEST(TTabCollection, KeepsOwnedCopiesInOrderAndChecksSizes) {
  TTabCollection table(3);
  Bytes source{1, 2, 3};
  table.Add(source);
  source[0] = 9;  // the collection holds its own copy
  table.Add(source);
  ASSERT_EQ(table.Count(), 2u);
  EXPECT_EQ(table.Item(0)[0], 1);
  EXPECT_EQ(table.Item(1)[0], 9);
  EXPECT_EQ(table.Item(1).size(), 3u);

  table.MutableItem(0)[2] = 7;
  EXPECT_EQ(table.Item(0)[2], 7);

  EXPECT_THROW(table.Add(Bytes{1, 2}), EGaugData);
  EXPECT_THROW(table.Add(Bytes{1, 2, 3, 4}), EGaugData);
  EXPECT_EQ(table.Count(), 2u);
  EXPECT_THROW(table.Item(2), std::out_of_range);
  EXPECT_THROW(table.MutableItem(2), std::out_of_range);

  table.Clear();
  EXPECT_TRUE(table.Empty());
  EXPECT_EQ(table.RecordSize(), 3);
}

TEST(TNoSortStringCollection, KeepsInsertionOrderAndConvertsDosTexts) {
  TNoSortStringCollection list;
  list.Add("Zeta");
  list.Add("Alpha");
  list.Add(
      "Me\xE1"
      "fl\x81ssigkeit");
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Item(0), "Zeta");
  EXPECT_EQ(list.Item(1), "Alpha");
  EXPECT_EQ(list.IndexOf("Alpha"), 1);
  EXPECT_EQ(list.IndexOf("Beta"), -1);
  EXPECT_THROW(list.Item(3), std::out_of_range);
  EXPECT_THROW(list[3], std::out_of_range);

  list.ExchangeDOSSonderzeichen();
  EXPECT_EQ(list.Item(2),
            "Me\xDF"
            "fl\xFCssigkeit");
  EXPECT_EQ(list.Item(0), "Zeta");
}

TMediMatStrColl MediaList() {
  TMediMatStrColl media(TMediMatStrColl::kMediaDefaultCode);
  media.Add({"Unbekannt", 10000, 'R', 0});
  media.Add({"Wasser", 10001, 'R', 0});
  media.Add({"Oel", 10002, 'U', 0});
  return media;
}

TEST(TMediMatStrColl, NameLookupFallsBackToTheDefaultItemThenToEmpty) {
  const TMediMatStrColl media = MediaList();
  EXPECT_EQ(media.NameOf(10001), "Wasser");
  EXPECT_EQ(media.NameOf(10002), "Oel");
  EXPECT_EQ(media.NameOf(4711), "Unbekannt");
  EXPECT_EQ(media.Find(4711), nullptr);

  TMediMatStrColl materials(TMediMatStrColl::kMaterialsDefaultCode);
  materials.Add({"Stahl", 5, 'R', 0});
  EXPECT_EQ(materials.NameOf(5), "Stahl");
  EXPECT_EQ(materials.NameOf(6), "");
  EXPECT_EQ(TMediMatStrColl(0).NameOf(0), "");
}

TEST(TMediMatStrColl, FindReturnsTheItemAddedLast) {
  TMediMatStrColl materials(0);
  materials.Add({"Stahl", 5, 'R', 1});
  materials.Add({"Kupfer", 7, 'R', 0});
  materials.Add({"Edelstahl", 5, 'U', 2});
  const MediMatItem* item = materials.Find(5);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->name, "Edelstahl");
  EXPECT_EQ(item->extra, 2);
  EXPECT_EQ(materials.NameOf(5), "Edelstahl");
  EXPECT_FALSE(materials.IsSpecial(5));  // the last item with code 5 is not built in
  EXPECT_EQ(materials.Item(0).name, "Stahl");
  EXPECT_THROW(materials.Item(3), std::out_of_range);
}

TEST(TMediMatStrColl, SpecialMeansBuiltInAndNotTheDefaultCode) {
  const TMediMatStrColl media = MediaList();
  EXPECT_FALSE(media.IsSpecial(10000));  // built in, but the default code
  EXPECT_TRUE(media.IsSpecial(10001));
  EXPECT_FALSE(media.IsSpecial(10002));  // user item
  EXPECT_FALSE(media.IsSpecial(4711));   // no item

  TMediMatStrColl materials(0);
  materials.Add({"Stahl", 10000, 'R', 0});
  EXPECT_TRUE(materials.IsSpecial(10000));  // 10000 is only special to the media list
}

TEST(TMediMatStrColl, ReadsStoredItemsAndConvertsTheirNames) {
  const Bytes stored{4, 'G', 'u',  0x8E, 'l', 0x11, 0x27, 'R', 0x05,  // code 10001
                     1, 'X', 0xFE, 0xFF, 'U', 0x00,                   // code -2
                     3, 'a'};                                         // cut off
  ByteReader reader(stored);
  TMediMatStrColl media(TMediMatStrColl::kMediaDefaultCode);
  media.Add(ReadMediMatItem(reader));
  media.Add(ReadMediMatItem(reader));
  EXPECT_THROW(ReadMediMatItem(reader), EOutOfBounds);
  EXPECT_EQ(media.Item(0), (MediMatItem{"Gu\x8El", 10001, 'R', 5}));
  EXPECT_EQ(media.Item(1), (MediMatItem{"X", -2, 'U', 0}));

  media.ConvertNames();
  EXPECT_EQ(media.NameOf(10001), "Gu\xC4l");
  EXPECT_EQ(media.NameOf(-2), "X");
}

}  // namespace
}  // namespace gd
