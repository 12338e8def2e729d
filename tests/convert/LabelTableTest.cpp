#include "convert/LabelTable.h"

#include <gtest/gtest.h>

namespace gd {
namespace {

TEST(LabelTableTest, FixedLabelsAndUnitTextsInTableOrder) {
  EXPECT_EQ(TLabelTable::Fixed(TLabelTable::kLabelData), "\\DATA");
  EXPECT_EQ(TLabelTable::Fixed(TLabelTable::kLabelStatistic), "STATISTIC");
  EXPECT_EQ(TLabelTable::Fixed(TLabelTable::kLabelStart), "START");
  EXPECT_EQ(TLabelTable::Fixed(8), "");
  EXPECT_EQ(TLabelTable::Fixed(-1), "");

  EXPECT_EQ(TLabelTable::Unit(0), " ");
  EXPECT_EQ(TLabelTable::Unit(TLabelTable::kUnitMm2PerS), "mm2/s");
  EXPECT_EQ(TLabelTable::Unit(TLabelTable::kUnitNum), "NUM");
  EXPECT_EQ(TLabelTable::Unit(TLabelTable::kUnitCmPerS), "cm/s");
  EXPECT_EQ(TLabelTable::Unit(18), "bar");
  EXPECT_EQ(TLabelTable::Unit(19), "");
}

TEST(LabelTableTest, UnitListsByNumber) {
  EXPECT_EQ(TLabelTable::VelocityUnit(1), "in/s");
  EXPECT_EQ(TLabelTable::VolumeUnit(2), "m3");
  EXPECT_EQ(TLabelTable::VolumeUnit(3), "l");
  EXPECT_EQ(TLabelTable::VolumeUnit(7), "bls");
  EXPECT_EQ(TLabelTable::VolumeUnit(8), "");
  EXPECT_EQ(TLabelTable::MassUnit(0), "t");
  EXPECT_EQ(TLabelTable::MassUnit(3), "g");
  EXPECT_EQ(TLabelTable::HeatUnit(true, 1), "kWh");
  EXPECT_EQ(TLabelTable::HeatUnit(false, 2), "MJ");
  EXPECT_EQ(TLabelTable::HeatUnit(false, -1), "");
}

TEST(LabelTableTest, LanguagesBySelectionRules) {
  EXPECT_EQ(TLabelTable::Language(8).name, "ENGLISH");
  EXPECT_EQ(TLabelTable::Language(7).country, 90);
  EXPECT_EQ(TLabelTable::FindLanguage("045"), 2);
  EXPECT_EQ(TLabelTable::FindLanguage("0449"), 8);  // only three characters count
  EXPECT_EQ(TLabelTable::FindLanguage("000"), -1);

  TLabelTable table;
  EXPECT_EQ(table.LanguageCode(), "049");
  EXPECT_TRUE(table.SetLanguage("033"));
  EXPECT_EQ(table.LanguageIndex(), 1);
  EXPECT_TRUE(table.SetLanguage(""));  // empty keeps the selection
  EXPECT_EQ(table.LanguageCode(), "033");
  EXPECT_FALSE(table.SetLanguage("000"));  // unknown falls back to German
  EXPECT_EQ(table.LanguageIndex(), 0);
  table.SelectLanguage(12);
  EXPECT_EQ(table.LanguageIndex(), 0);
}

TEST(LabelTableTest, EntriesComeInWindowsCodePage) {
  TLabelTable table;
  EXPECT_EQ(table.LabelText(-1),
            "Me\xDFgr\xF6\xDF"
            "e");
  EXPECT_EQ(table.LabelText(60),
            "Au\xDF"
            "endurchmesser");
  EXPECT_EQ(table.LabelText(87), "OHNE AUSKLEIDUNG");
  EXPECT_EQ(table.LabelText(139), " normal unkorr.");  // the leading blank stays
  table.SetLanguage("045");
  EXPECT_EQ(table.LabelText(87),
            "UDEN BEKL\xC4"
            "DNING");
  EXPECT_EQ(table.LabelText(14), "V\xE4gtfylde");
  table.SetLanguage("090");
  EXPECT_EQ(table.LabelText(-1), "\xD6l\xE7\xFCm Miktari");
  EXPECT_EQ(table.LabelText(144), "D\xFCs\xFCk akis kesme");
  table.SetLanguage("033");
  EXPECT_EQ(table.LabelText(74), "Dure\xE9 d'impuls.");
  EXPECT_EQ(TLabelTable::LabelTextIn(8, -3), "Trancducer Type");
  EXPECT_EQ(TLabelTable::LabelTextIn(6, 13), "c-Medium    MAKS");
}

TEST(LabelTableTest, EntriesWithoutTextAreEmpty) {
  TLabelTable table;
  for (int n : {-6, 0, 7, 16, 35, 36, 197, 198}) EXPECT_EQ(table.LabelText(n), "") << n;
}

TEST(LabelTableTest, EveryEntryFitsItsSixteenCharacterField) {
  for (int lang = 0; lang < TLabelTable::kLanguageCount; ++lang) {
    int present = 0;
    for (int n = TLabelTable::kFirstEntry; n <= TLabelTable::kLastEntry; ++n) {
      const std::string text = TLabelTable::LabelTextIn(lang, n);
      EXPECT_LE(text.size(), 16u) << lang << " " << n;
      // No DOS code survives the conversion.
      for (unsigned char c : text) EXPECT_TRUE(c != 0x81 && c != 0x84 && c != 0x94 && c != 0xE1);
      if (!text.empty()) ++present;
    }
    EXPECT_EQ(present, 36) << lang;
  }
}

}  // namespace
}  // namespace gd
