#include "core/FormatText.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace gd {
namespace {

TEST(FormatTextTest, NumbersWithWidthPrecisionAndFlags) {
  EXPECT_EQ(FormatText("%.2d|%2.2d|%.2d", {7, 5, 123}), "07|05|123");
  EXPECT_EQ(FormatText("[%4d][%-4d][%04d]", {5, 5, 5}), "[   5][5   ][0005]");
  EXPECT_EQ(FormatText("%05d %d %.3d", {-42, -7, -7}), "-0042 -7 -007");
  EXPECT_EQ(FormatText("%d", {INT64_MIN}), "-9223372036854775808");
  EXPECT_EQ(FormatText("%i/%u", {3, 4u}), "3/4");
}

TEST(FormatTextTest, TextsAndLiterals) {
  EXPECT_EQ(FormatText("Kanal %s: '%s'", {"A", "MP1"}), "Kanal A: 'MP1'");
  EXPECT_EQ(FormatText("[%5s][%-5s][%.2s]", {"ab", "ab", "abcdef"}), "[   ab][ab   ][ab]");
  EXPECT_EQ(FormatText("100%% %x %", {1}), "100% %x %");
}

// Patterns come from the dictionary: wrong or missing arguments must give a
// text, never undefined behaviour.
TEST(FormatTextTest, MismatchedAndMissingArguments) {
  EXPECT_EQ(FormatText("%s Reihen", {12}), "12 Reihen");
  EXPECT_EQ(FormatText("%2.2d.", {"xy"}), "xy.");
  EXPECT_EQ(FormatText("Nur %d von %4d", {3}), "Nur 3 von     ");
  EXPECT_EQ(FormatText("%99999999d", {1}).size(), 1000u);
}

}  // namespace
}  // namespace gd
