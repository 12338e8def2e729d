#include "convert/OutputOptionsModel.h"

#include <gtest/gtest.h>

namespace gd {
namespace {

using M = OutputOptionsModel;

// A bit set as the dialog stores it: bits 4 and 16, bit 18 (17 clear),
// quantities "only stored", semicolon separator.
constexpr std::uint32_t kStoredBase = 0x00050194;

TextOutputOptions Options(std::uint32_t style) {
  TextOutputOptions o;
  o.style = style;
  return o;
}

std::uint32_t RoundTrip(std::uint32_t style) {
  M m;
  m.Load(Options(style), nullptr);
  return m.Store().style;
}

TEST(OutputOptionsModel, EveryBitRoundTrips) {
  // Each bit that a control owns or that no control touches survives
  // Load + Store when toggled alone on a stored bit set.
  for (int bit = 0; bit < 32; ++bit) {
    if (bit == 4 || bit == 7 || bit == 8 || bit == 16 || bit == 18) continue;
    std::uint32_t style = kStoredBase ^ (1u << bit);
    if (bit == 17) style ^= kStyleParamsEachChannel;  // side by side replaces one after another
    SCOPED_TRACE(bit);
    EXPECT_EQ(RoundTrip(style), style);
    // And on top of a set with every other bit set too.
    const std::uint32_t full = 0xFFFBFEFFu;  // all but bit 18 and bit 8 (quantities "always")
    EXPECT_EQ(RoundTrip(full ^ (1u << bit) ^ (bit == 17 ? kStyleParamsEachChannel : 0)),
              full ^ (1u << bit) ^ (bit == 17 ? kStyleParamsEachChannel : 0));
  }
  for (std::uint32_t q : {0x080u, 0x100u, 0x180u}) {
    const std::uint32_t style = (kStoredBase & ~kStyleQuantityMask) | q;
    EXPECT_EQ(RoundTrip(style), style);
  }
}

TEST(OutputOptionsModel, StoredBitsAreAlwaysComplete) {
  // Bits 7..8 = 0 load as "only stored" and come back as 0x180; bits 4 and 16
  // are always set; exactly one of 17 and 18.
  EXPECT_EQ(RoundTrip(0), 0x00050194u & ~0x4u);  // separator kind 0 (space) stays
  EXPECT_EQ(RoundTrip(kStyleParamsSideBySide | kStyleParamsEachChannel), 0x00030190u);
  M m;
  m.Load(Options(kStoredBase), nullptr);
  m.SetChecked(M::Check::PSnebenPS, true);
  EXPECT_EQ(m.Store().style & 0x00060000u, kStyleParamsSideBySide);
  m.SetChecked(M::Check::PSnebenPS, false);
  EXPECT_EQ(m.Store().style & 0x00060000u, kStyleParamsEachChannel);
}

TEST(OutputOptionsModel, LoadSetsEveryControl) {
  M m;
  m.Load(Options(kStoredBase), nullptr);
  EXPECT_EQ(m.Decimal(), M::DecimalChoice::Point);
  EXPECT_EQ(m.Separator(), M::SeparatorChoice::Semicolon);
  EXPECT_EQ(m.Quantity(), M::QuantityChoice::OnlyStored);
  EXPECT_EQ(m.Temperature(), M::TemperatureChoice::IfStored);
  for (int i = 0; i < M::kCheckCount; ++i) EXPECT_FALSE(m.Checked(static_cast<M::Check>(i)));

  const struct {
    M::Check check;
    std::uint32_t bit;
  } checks[] = {{M::Check::ParaShowAllData, 0x40}, {M::Check::ParaDelimited, 0x8},
                {M::Check::PSnebenPS, 0x20000},    {M::Check::MakeHeadlines, 0x1000},
                {M::Check::Date, 0x4000},          {M::Check::Time, 0x8000},
                {M::Check::ShowVeloc, 0x400},      {M::Check::TrimStrings, 0x200},
                {M::Check::WrComments, 0x100000},  {M::Check::DOSSonderzeichen, 0x80000}};
  for (const auto& c : checks) {
    m.Load(Options(kStoredBase | c.bit), nullptr);
    for (int i = 0; i < M::kCheckCount; ++i) {
      EXPECT_EQ(m.Checked(static_cast<M::Check>(i)), static_cast<M::Check>(i) == c.check)
          << std::hex << c.bit;
    }
  }

  m.Load(Options(kStoredBase | kStyleDecimalComma), nullptr);
  EXPECT_EQ(m.Decimal(), M::DecimalChoice::Comma);
  // The system separator wins and the comma bit is kept.
  m.Load(Options(kStoredBase | kStyleDecimalComma | kStyleSystemDecimal), nullptr);
  EXPECT_EQ(m.Decimal(), M::DecimalChoice::Windows);
  EXPECT_TRUE(m.Store().Has(kStyleDecimalComma | kStyleSystemDecimal));
  m.ChooseDecimal(M::DecimalChoice::Point);
  EXPECT_FALSE(m.Store().style & (kStyleDecimalComma | kStyleSystemDecimal));

  const std::pair<std::uint32_t, M::SeparatorChoice> seps[] = {{0x0, M::SeparatorChoice::Space},
                                                               {0x2, M::SeparatorChoice::Tab},
                                                               {0x4, M::SeparatorChoice::Semicolon},
                                                               {0x6, M::SeparatorChoice::Other}};
  for (const auto& [bits, choice] : seps) {
    m.Load(Options((kStoredBase & ~kStyleSeparatorMask) | bits), nullptr);
    EXPECT_EQ(m.Separator(), choice);
    EXPECT_EQ(m.OtherSepaVisible(), choice == M::SeparatorChoice::Other);
  }
  m.Load(Options(kStoredBase | kStyleAllTemperatures), nullptr);
  EXPECT_EQ(m.Temperature(), M::TemperatureChoice::AllIfStored);
}

TEST(OutputOptionsModel, SeparateQuantityColumnCoupling) {
  M m;
  m.Load(Options(kStoredBase), nullptr);
  EXPECT_TRUE(m.SeprateQuantColsEnabled());
  EXPECT_FALSE(m.SeprateQuantColsChecked());
  m.ClickSeprateQuantCols(true);

  m.ChooseQuantity(M::QuantityChoice::Suppress);
  EXPECT_FALSE(m.SeprateQuantColsEnabled());
  EXPECT_FALSE(m.SeprateQuantColsChecked());
  m.ClickSeprateQuantCols(false);  // disabled: ignored

  m.ChooseQuantity(M::QuantityChoice::Always);
  EXPECT_FALSE(m.SeprateQuantColsEnabled());
  EXPECT_TRUE(m.SeprateQuantColsChecked());

  // Back to "only stored": the user's last state returns.
  m.ChooseQuantity(M::QuantityChoice::OnlyStored);
  EXPECT_TRUE(m.SeprateQuantColsEnabled());
  EXPECT_TRUE(m.SeprateQuantColsChecked());
  EXPECT_TRUE(m.Store().Has(kStyleSeparateQuantCols));
  m.ClickSeprateQuantCols(false);
  m.ChooseQuantity(M::QuantityChoice::Always);
  m.ChooseQuantity(M::QuantityChoice::OnlyStored);
  EXPECT_FALSE(m.SeprateQuantColsChecked());

  // A bit set loaded with quantities suppressed shows the box forced off but
  // keeps the user's choice for "only stored".
  m.Load(Options((kStoredBase & ~kStyleQuantityMask) | 0x100 | kStyleSeparateQuantCols), nullptr);
  EXPECT_FALSE(m.SeprateQuantColsChecked());
  EXPECT_EQ(m.Store().style & 0x1A0u, 0x120u);
  m.ChooseQuantity(M::QuantityChoice::OnlyStored);
  EXPECT_TRUE(m.SeprateQuantColsChecked());
  EXPECT_EQ(m.Store().style & 0x1A0u, 0x1A0u);
}

TEST(OutputOptionsModel, SeparatorFieldAndFocus) {
  M m;
  TextOutputOptions o = Options(kStoredBase);
  o.separatorChar = '|';
  m.Load(o, nullptr);
  EXPECT_EQ(m.OtherSepaText(), "|");
  EXPECT_FALSE(m.OtherSepaVisible());
  EXPECT_FALSE(m.TakeOtherSepaFocusRequest());

  m.ChooseSeparator(M::SeparatorChoice::Other);
  EXPECT_TRUE(m.OtherSepaVisible());
  EXPECT_TRUE(m.TakeOtherSepaFocusRequest());
  EXPECT_FALSE(m.TakeOtherSepaFocusRequest());
  m.SetOtherSepaText("#x");
  EXPECT_EQ(m.OtherSepaText(), "#");
  TextOutputOptions stored = m.Store();
  EXPECT_EQ(SeparatorKind(stored.style), ColumnSeparatorKind::User);
  EXPECT_EQ(stored.separatorChar, '#');

  // An empty field stores character code 0 (and shows as empty again).
  m.SetOtherSepaText("");
  stored = m.Store();
  EXPECT_EQ(stored.separatorChar, '\0');
  m.Load(stored, nullptr);
  EXPECT_EQ(m.OtherSepaText(), "");

  m.ChooseSeparator(M::SeparatorChoice::Tab);
  EXPECT_FALSE(m.OtherSepaVisible());
  EXPECT_EQ(SeparatorKind(m.Store().style), ColumnSeparatorKind::Tab);
}

TEST(OutputOptionsModel, ColLengthBounds) {
  M m;
  TextOutputOptions o = Options(kStoredBase);
  for (const auto& [in, out] : {std::pair{3, 7}, {7, 7}, {12, 12}, {16, 16}, {99, 16}}) {
    o.colLength = in;
    m.Load(o, nullptr);
    EXPECT_EQ(m.ColLength(), out);
    EXPECT_EQ(m.Store().colLength, out);
  }
  m.SetColLength(6);
  EXPECT_EQ(m.ColLength(), 7);
  m.SetColLength(17);
  EXPECT_EQ(m.Store().colLength, 16);
}

TEST(OutputOptionsModel, LanguageList) {
  const std::vector<std::string> list = {"000 = GAUGEUNIT-Sprache", "049 = GERMAN", "033 = FRANCE",
                                         "044 = ENGLISH"};
  M m;
  TextOutputOptions o = Options(kStoredBase);
  o.language = "044";
  m.Load(o, &list);
  // Sorted lines; the line with the code is chosen.
  ASSERT_EQ(m.LanguageLines().size(), 4u);
  EXPECT_EQ(m.LanguageLines()[1], "033 = FRANCE");
  EXPECT_EQ(m.LanguageLines()[m.LanguageIndex()], "044 = ENGLISH");
  EXPECT_EQ(m.Store().language, "044");
  m.SelectLanguage(1);
  EXPECT_EQ(m.Store().language, "033");
  m.SelectLanguage(7);  // outside: unchanged
  EXPECT_EQ(m.Store().language, "033");

  // No matching line: line 0.
  o.language = "999";
  m.Load(o, &list);
  EXPECT_EQ(m.LanguageIndex(), 0);
  EXPECT_EQ(m.Store().language, "000");

  // Without a list the combo keeps its lines and selection.
  o.language = "049";
  m.Load(o, nullptr);
  EXPECT_EQ(m.Store().language, "000");
  // Without any line the language stays as loaded.
  M empty;
  empty.Load(o, nullptr);
  EXPECT_EQ(empty.Store().language, "049");
}

TEST(OutputOptionsModel, SetDefault) {
  const std::vector<std::string> list = {"000 = GAUGEUNIT-Sprache", "049 = GERMAN"};
  M m;
  TextOutputOptions o = Options(0xFFC00000u | kStoredBase | kStyleTrimStrings);
  o.colLength = 14;
  o.separatorChar = '|';
  o.language = "049";
  m.Load(o, &list);
  m.ChooseQuantity(M::QuantityChoice::Suppress);
  m.SetDefault();
  EXPECT_EQ(m.ColLength(), 9);
  EXPECT_EQ(m.OtherSepaText(), "@");
  EXPECT_EQ(m.Decimal(), M::DecimalChoice::Windows);
  EXPECT_EQ(m.Separator(), M::SeparatorChoice::Tab);
  EXPECT_EQ(m.Quantity(), M::QuantityChoice::OnlyStored);
  EXPECT_TRUE(m.SeprateQuantColsChecked());
  EXPECT_EQ(m.LanguageIndex(), 0);
  const TextOutputOptions stored = m.Store();
  // 0x0031D033 with quantities "only stored" (0x180) and bit 18 added.
  EXPECT_EQ(stored.style, 0x0035D1B3u);
  EXPECT_EQ(stored.colLength, 9);
  EXPECT_EQ(stored.separatorChar, '@');
  EXPECT_EQ(stored.language, "000");
}

}  // namespace
}  // namespace gd
