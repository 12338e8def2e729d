#include "convert/OutputOptionsModel.h"

#include <algorithm>
#include <cctype>

namespace gd {
namespace {

constexpr std::array<std::uint32_t, OutputOptionsModel::kCheckCount> kCheckBits = {
    kStyleParaShowAllData,   // ParaShowAllData
    kStyleParaDelimited,     // ParaDelimited
    kStyleParamsSideBySide,  // PSnebenPS
    kStyleHeadlines,         // MakeHeadlines
    kStyleDate,              // Date
    kStyleTime,              // Time
    kStyleShowVeloc,         // ShowVeloc
    kStyleTrimStrings,       // TrimStrings
    kStyleComments,          // WrComments
    kStyleDosCharset,        // DOSSonderzeichen
};

// The order of a sorted drop-down list: case-insensitive, then by bytes.
bool LanguageLineLess(const std::string& a, const std::string& b) {
  const auto folded = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string fa = folded(a), fb = folded(b);
  return fa != fb ? fa < fb : a < b;
}

}  // namespace

std::uint32_t OutputOptionsModel::CheckBit(Check check) {
  return kCheckBits[static_cast<int>(check)];
}

OutputOptionsModel::OutputOptionsModel() { LoadControls(loaded_); }

void OutputOptionsModel::Load(const TextOutputOptions& options,
                              const std::vector<std::string>* languageList) {
  loaded_ = options;
  LoadControls(options);
  if (languageList) {
    languages_ = *languageList;
    std::stable_sort(languages_.begin(), languages_.end(), LanguageLineLess);
    languageIndex_ = languages_.empty() ? -1 : 0;
    const std::string code = options.language.substr(0, 3);
    for (std::size_t i = 0; i < languages_.size(); ++i) {
      if (languages_[i].substr(0, 3) == code) {
        languageIndex_ = static_cast<int>(i);
        break;
      }
    }
  }
}

void OutputOptionsModel::LoadControls(const TextOutputOptions& options) {
  const std::uint32_t bits = options.style;
  colLength_ = ClampColLength(options.colLength);
  otherSepa_ =
      options.separatorChar == '\0' ? std::string() : std::string(1, options.separatorChar);

  // Later settings win: comma over point, the system separator over both.
  decimal_ = DecimalChoice::Point;
  if (bits & kStyleDecimalComma) decimal_ = DecimalChoice::Comma;
  if (bits & kStyleSystemDecimal) decimal_ = DecimalChoice::Windows;

  switch (SeparatorKind(bits)) {
    case ColumnSeparatorKind::Space:
      separator_ = SeparatorChoice::Space;
      break;
    case ColumnSeparatorKind::Tab:
      separator_ = SeparatorChoice::Tab;
      break;
    case ColumnSeparatorKind::Semicolon:
      separator_ = SeparatorChoice::Semicolon;
      break;
    case ColumnSeparatorKind::User:
      separator_ = SeparatorChoice::Other;
      break;
  }
  otherSepaFocusRequest_ = false;

  switch (QuantityMode(bits)) {
    case QuantityColumnMode::Always:
      quantity_ = QuantityChoice::Always;
      break;
    case QuantityColumnMode::Suppress:
      quantity_ = QuantityChoice::Suppress;
      break;
    case QuantityColumnMode::OnlyStored:
      quantity_ = QuantityChoice::OnlyStored;
      break;
  }
  seprateQuantColsUser_ = (bits & kStyleSeparateQuantCols) != 0;
  temperature_ =
      (bits & kStyleAllTemperatures) ? TemperatureChoice::AllIfStored : TemperatureChoice::IfStored;

  for (int i = 0; i < kCheckCount; ++i) checks_[i] = (bits & kCheckBits[i]) != 0;
}

TextOutputOptions OutputOptionsModel::Store() const {
  TextOutputOptions out = loaded_;
  std::uint32_t bits = loaded_.style;

  bits |= kStyleAlwaysVelocMeasure;
  // With the system separator chosen the decimal-comma bit has no effect and
  // keeps the value it was loaded with.
  bits &= ~kStyleSystemDecimal;
  if (decimal_ == DecimalChoice::Windows) {
    bits |= kStyleSystemDecimal;
  } else {
    bits &= ~kStyleDecimalComma;
    if (decimal_ == DecimalChoice::Comma) bits |= kStyleDecimalComma;
  }
  out.colLength = colLength_;

  switch (separator_) {
    case SeparatorChoice::Semicolon:
      SetSeparatorKind(bits, ColumnSeparatorKind::Semicolon);
      break;
    case SeparatorChoice::Tab:
      SetSeparatorKind(bits, ColumnSeparatorKind::Tab);
      break;
    case SeparatorChoice::Space:
      SetSeparatorKind(bits, ColumnSeparatorKind::Space);
      break;
    case SeparatorChoice::Other:
      SetSeparatorKind(bits, ColumnSeparatorKind::User);
      break;
  }
  out.separatorChar = otherSepa_.empty() ? '\0' : otherSepa_[0];

  switch (quantity_) {
    case QuantityChoice::Suppress:
      SetQuantityMode(bits, QuantityColumnMode::Suppress);
      break;
    case QuantityChoice::OnlyStored:
      SetQuantityMode(bits, QuantityColumnMode::OnlyStored);
      break;
    case QuantityChoice::Always:
      SetQuantityMode(bits, QuantityColumnMode::Always);
      break;
  }
  // The user's own choice is kept also while the box is forced on or off;
  // the engine reads the bit only for "only stored quantities".
  bits &= ~kStyleSeparateQuantCols;
  if (seprateQuantColsUser_) bits |= kStyleSeparateQuantCols;

  bits &= ~kStyleAllTemperatures;
  if (temperature_ == TemperatureChoice::AllIfStored) bits |= kStyleAllTemperatures;

  for (int i = 0; i < kCheckCount; ++i) {
    bits &= ~kCheckBits[i];
    if (checks_[i]) bits |= kCheckBits[i];
  }

  bits &= ~kStyleParamsEachChannel;
  if (!(bits & kStyleParamsSideBySide)) bits |= kStyleParamsEachChannel;
  bits |= kStyleChannelBlocks;
  out.style = bits;

  // With no line chosen (no list given) the language stays as loaded.
  if (languageIndex_ >= 0) out.language = languages_[languageIndex_].substr(0, 3);
  return out;
}

void OutputOptionsModel::SetDefault() {
  TextOutputOptions defaults;
  defaults.language = loaded_.language;
  loaded_ = defaults;
  LoadControls(defaults);
  languageIndex_ = languages_.empty() ? -1 : 0;
}

bool OutputOptionsModel::TakeOtherSepaFocusRequest() {
  const bool request = otherSepaFocusRequest_;
  otherSepaFocusRequest_ = false;
  return request;
}

void OutputOptionsModel::ChooseSeparator(SeparatorChoice choice) {
  separator_ = choice;
  otherSepaFocusRequest_ = choice == SeparatorChoice::Other;
}

void OutputOptionsModel::ChooseQuantity(QuantityChoice choice) { quantity_ = choice; }

bool OutputOptionsModel::SeprateQuantColsChecked() const {
  switch (quantity_) {
    case QuantityChoice::Suppress:
      return false;
    case QuantityChoice::Always:
      return true;
    case QuantityChoice::OnlyStored:
      break;
  }
  return seprateQuantColsUser_;
}

void OutputOptionsModel::ClickSeprateQuantCols(bool checked) {
  if (SeprateQuantColsEnabled()) seprateQuantColsUser_ = checked;
}

void OutputOptionsModel::SelectLanguage(int index) {
  if (index >= 0 && index < static_cast<int>(languages_.size())) languageIndex_ = index;
}

}  // namespace gd
