#include "app/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <string>

#include "app/AboutBox.h"
#include "core/TextTools.h"

namespace gd {
namespace {

// Installs a dictionary for one test and removes it again.
struct ScopedDictionary {
  explicit ScopedDictionary(TranslateFunction f) { SetTranslateFunction(std::move(f)); }
  ~ScopedDictionary() { SetTranslateFunction({}); }
};

TEST(InterfaceLanguageTest, FlagImageAndCountryFollowThePrimaryLanguage) {
  EXPECT_EQ(FlagImage(7), 0);
  EXPECT_EQ(FlagImage(9), 1);
  EXPECT_EQ(FlagImage(6), 2);
  EXPECT_EQ(FlagImage(12), 3);
  EXPECT_EQ(CountryValue(7), 49);
  EXPECT_EQ(CountryValue(12), 33);
  EXPECT_EQ(CountryValue(9), 44);
  EXPECT_EQ(CountryValue(6), 44);
  // a language none of the four: no image, the country value of English
  for (int other : {0, 10, 19, 0x13})
    if (other != 6 && other != 7 && other != 9 && other != 12) {
      EXPECT_EQ(FlagImage(other), -1) << other;
      EXPECT_EQ(CountryValue(other), 44) << other;
    }
}

TEST(InterfaceLanguageTest, FlagTagsNameTheFourLanguages) {
  // the popup's tags 1..4 are the dictionary's numbers
  const char* codes[] = {"de", "en", "da", "fr"};
  const int primaries[] = {7, 9, 6, 12};
  for (int tag = 1; tag <= 4; ++tag) {
    const InterfaceLanguage* language = LanguageByNumber(tag);
    ASSERT_NE(language, nullptr);
    EXPECT_STREQ(language->code, codes[tag - 1]);
    EXPECT_EQ(language->primary, primaries[tag - 1]);
    EXPECT_EQ(FlagImage(language->primary), tag - 1);
    EXPECT_EQ(LanguageByCode(codes[tag - 1]), language);
  }
  EXPECT_EQ(LanguageByNumber(0), nullptr);
  EXPECT_EQ(LanguageByNumber(5), nullptr);
  EXPECT_EQ(LanguageByCode("nl"), nullptr);
}

TEST(InterfaceLanguageTest, StateKeepsItsLanguageOnAnUnknownNumber) {
  LanguageState state;
  EXPECT_EQ(state.Current(), kLanguageGerman);
  EXPECT_EQ(state.Primary(), 7);
  EXPECT_TRUE(state.SetLanguage(kLanguageFrench));
  EXPECT_EQ(state.Primary(), 12);
  EXPECT_FALSE(state.SetLanguage(0));
  EXPECT_FALSE(state.SetLanguage(1031));
  EXPECT_EQ(state.Current(), kLanguageFrench);
}

TEST(InterfaceLanguageTest, LanguageCaptionUpperCaseOnlyWithExternalDictionary) {
  ScopedDictionary dictionary([](std::string_view text) {
    return text == "Sprache" ? std::string("Spr\xE5k") : std::string(text);
  });
  LanguageState state;
  EXPECT_EQ(state.LanguageMenuCaption(), "Spr\xE5k");
  state.SetExternalLoaded(true);
  EXPECT_EQ(state.LanguageMenuCaption(), "SPR\xC5K");
}

TEST(InterfaceLanguageTest, UpperAnsiCoversWindows1252Letters) {
  EXPECT_EQ(UpperAnsi("sprache 1&x"), "SPRACHE 1&X");
  EXPECT_EQ(UpperAnsi("\xE4\xF6\xFC\xE9\xE6\xF8\xE5"), "\xC4\xD6\xDC\xC9\xC6\xD8\xC5");
  // ß has no capital of its own; the division sign is no letter
  EXPECT_EQ(UpperAnsi("\xDF\xF7"), "\xDF\xF7");
  EXPECT_EQ(UpperAnsi("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
}

TEST(InterfaceLanguageTest, LocaleFollowsTheLanguage) {
  EXPECT_EQ(LocaleOfLanguage(kLanguageGerman).decimalSeparator, ',');
  EXPECT_EQ(LocaleOfLanguage(kLanguageEnglish).decimalSeparator,
            Locale::English().decimalSeparator);
  EXPECT_EQ(LocaleOfLanguage(kLanguageFrench).shortDatePattern, Locale::French().shortDatePattern);
  EXPECT_EQ(LocaleOfLanguage(99).shortDatePattern, Locale::German().shortDatePattern);
}

TEST(InterfaceLanguageTest, TheExternalDictionaryLiesBesideTheProgram) {
  const std::string path = ExternalDictionaryPath("/opt/gd", ":/i18n/gaugdata_en.qm");
  EXPECT_EQ(path, JoinPath("/opt/gd", "gaugdata_en.qm"));
  EXPECT_EQ(ExternalDictionaryPath("C:\\Prog\\", "gaugdata_fr.qm"), "C:\\Prog\\gaugdata_fr.qm");
  EXPECT_EQ(ExternalDictionaryPath("/opt/gd", "/some/dir/"), "");
}

TEST(AboutBoxTest, EditionsShowTheirNamesAndOnlyEditionZeroTheHelpNote) {
  const AboutBoxTexts shipped = AboutBoxFor(2);
  EXPECT_EQ(shipped.programName, "GaugData");
  EXPECT_EQ(shipped.version, "Version 2.12");
  EXPECT_TRUE(shipped.helpNote.empty());
  EXPECT_EQ(shipped.height, 270);
  EXPECT_EQ(shipped.logo, 2);
  EXPECT_EQ(AboutBoxFor(1).programName, "QT510SA");

  const AboutBoxTexts first = AboutBoxFor(0);
  EXPECT_EQ(first.programName, "SondData");
  EXPECT_FALSE(first.helpNote.empty());
  EXPECT_EQ(first.height, 350);
  EXPECT_NE(first.makerLine, shipped.makerLine);
  // an edition outside the table is the shipped one
  EXPECT_EQ(AboutBoxFor(7).programName, "GaugData");
}

TEST(AboutBoxTest, TextsPassThroughTheDictionary) {
  ScopedDictionary dictionary([](std::string_view text) { return "<" + std::string(text) + ">"; });
  const AboutBoxTexts about = AboutBoxFor(2);
  EXPECT_EQ(about.programName, "<GaugData>");
  EXPECT_EQ(about.caption, "<Info>");
  EXPECT_EQ(about.makerLine.front(), '<');
  EXPECT_EQ(about.version, "Version 2.12");
}

}  // namespace
}  // namespace gd
