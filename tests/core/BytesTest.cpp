#include "core/Bytes.h"

#include <gtest/gtest.h>

namespace gd {
namespace {

TEST(ByteReader, ReadsLittleEndianAndRefusesToLeaveTheBuffer) {
  const Bytes data{0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x03, 'a', 'b', 'c'};
  ByteReader r(data);
  EXPECT_EQ(r.U16(), 0x1234);
  EXPECT_EQ(r.U32(), 0x12345678u);
  EXPECT_EQ(r.CountedString(), "abc");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_THROW(r.U8(), EOutOfBounds);
  EXPECT_THROW(r.Seek(11), EOutOfBounds);
  r.Seek(9);
  EXPECT_THROW(r.U16(), EOutOfBounds);
  EXPECT_EQ(r.Pos(), 9u);  // a failed read does not move
}

TEST(ByteReader, CountedStringLongerThanTheRestFails) {
  const Bytes data{0x05, 'a', 'b'};
  ByteReader r(data);
  EXPECT_THROW(r.CountedString(), EOutOfBounds);
}

TEST(CountedField, ClipsToCapacityBothWays) {
  std::uint8_t field[9] = {200, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
  EXPECT_EQ(CountedField(field, 8), "ABCDEFGH");
  StoreCountedField(field, 8, "0123456789");
  EXPECT_EQ(field[0], 8);
  EXPECT_EQ(CountedField(field, 8), "01234567");
  StoreCountedField(field, 8, "xy");
  EXPECT_EQ(field[0], 2);
  EXPECT_EQ(field[3], 0);
}

}  // namespace
}  // namespace gd
