#include "app/InterfaceLanguage.h"

#include "core/TextTools.h"

namespace gd {

const std::array<InterfaceLanguage, 4>& InterfaceLanguages() {
  static const std::array<InterfaceLanguage, 4> kLanguages = {{
      {kLanguageGerman, kPrimaryGerman, "de", "Deutsch"},
      {kLanguageEnglish, kPrimaryEnglish, "en", "English"},
      {kLanguageDanish, kPrimaryDanish, "da", "Dansk"},
      {kLanguageFrench, kPrimaryFrench, "fr",
       "Fran\xE7"
       "ais"},
  }};
  return kLanguages;
}

const InterfaceLanguage* LanguageByNumber(int number) {
  for (const InterfaceLanguage& language : InterfaceLanguages())
    if (language.number == number) return &language;
  return nullptr;
}

const InterfaceLanguage* LanguageByCode(std::string_view code) {
  for (const InterfaceLanguage& language : InterfaceLanguages())
    if (code == language.code) return &language;
  return nullptr;
}

int FlagImage(int primary) {
  switch (primary) {
    case kPrimaryGerman:
      return 0;
    case kPrimaryEnglish:
      return 1;
    case kPrimaryDanish:
      return 2;
    case kPrimaryFrench:
      return 3;
    default:
      return -1;
  }
}

int CountryValue(int primary) {
  if (primary == kPrimaryGerman) return 49;
  if (primary == kPrimaryFrench) return 33;
  return 44;
}

Locale LocaleOfLanguage(int number) {
  const InterfaceLanguage* language = LanguageByNumber(number);
  Locale locale = Locale::German();
  if (language != nullptr) Locale::FromCode(language->code, locale);
  return locale;
}

std::string UpperAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    unsigned char upper = b;
    if (b >= 'a' && b <= 'z') {
      upper = static_cast<unsigned char>(b - 0x20);
    } else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
      upper = static_cast<unsigned char>(b - 0x20);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {
      upper = static_cast<unsigned char>(b - 0x10);  // š œ ž
    } else if (b == 0xFF) {
      upper = 0x9F;  // ÿ
    }
    c = static_cast<char>(upper);
  }
  return out;
}

const InterfaceLanguage& LanguageState::CurrentLanguage() const {
  const InterfaceLanguage* language = LanguageByNumber(current_);
  return language != nullptr ? *language : InterfaceLanguages().front();
}

bool LanguageState::SetLanguage(int number) {
  if (LanguageByNumber(number) == nullptr) return false;
  current_ = number;
  return true;
}

std::string LanguageState::LanguageMenuCaption() const {
  const std::string caption = Translate("Sprache");
  return externalLoaded_ ? UpperAnsi(caption) : caption;
}

std::string ExternalDictionaryPath(std::string_view programFolder,
                                   std::string_view dictionaryFile) {
  const std::size_t nameAt = dictionaryFile.find_last_of("\\/");
  const std::string_view name =
      nameAt == std::string_view::npos ? dictionaryFile : dictionaryFile.substr(nameAt + 1);
  if (name.empty()) return {};
  return JoinPath(programFolder, name);
}

}  // namespace gd
