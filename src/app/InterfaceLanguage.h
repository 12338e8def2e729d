// The interface languages: which languages the dictionary offers, what a
// language change sets (flag image, country value, captions), where an
// external dictionary lies. The Qt layer only loads translators
// and applies what this model says.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/Locale.h"

namespace gd {

// One language of the dictionary. `number` is the dictionary's own numbering
// (1..4, also the tags of the flags popup and the value kept in the
// configuration); `primary` is the primary language number of the platform
// (7 German, 9 English, 6 Danish, 12 French).
struct InterfaceLanguage {
  int number;
  int primary;
  const char* code;  // "de", "en", "da", "fr": names the translation file
  const char* name;  // in the language itself, shown untranslated
};

constexpr int kLanguageGerman = 1;
constexpr int kLanguageEnglish = 2;
constexpr int kLanguageDanish = 3;
constexpr int kLanguageFrench = 4;
constexpr int kDefaultLanguage = kLanguageGerman;

constexpr int kPrimaryGerman = 7;
constexpr int kPrimaryEnglish = 9;
constexpr int kPrimaryDanish = 6;
constexpr int kPrimaryFrench = 12;

const std::array<InterfaceLanguage, 4>& InterfaceLanguages();
// nullptr for a number the dictionary does not have.
const InterfaceLanguage* LanguageByNumber(int number);
const InterfaceLanguage* LanguageByCode(std::string_view code);

// Image of the language tool button: 0 German, 1 English, 2 Danish,
// 3 French, -1 (no image) for any other primary language number.
int FlagImage(int primary);
// Country value of the localization: 49 German, 33 French, 44 otherwise.
int CountryValue(int primary);

// Dates, times and decimal separator of the language's texts.
Locale LocaleOfLanguage(int number);

// Upper case of a Windows-1252 text: a-z and the accented letters
// (0xE0..0xFE except 0xF7), plus 0x9A/0x9C/0x9E/0xFF to their capitals.
// ß has no single capital and stays.
std::string UpperAnsi(std::string_view text);

// State of the dictionary: its current language and whether it was loaded
// from a file beside the program instead of the built-in one.
class LanguageState {
 public:
  int Current() const { return current_; }
  const InterfaceLanguage& CurrentLanguage() const;
  int Primary() const { return CurrentLanguage().primary; }
  // Makes `number` current. A number the dictionary does not have changes
  // nothing and returns false (a stale configuration value keeps the
  // current language).
  bool SetLanguage(int number);

  bool ExternalLoaded() const { return externalLoaded_; }
  void SetExternalLoaded(bool loaded) { externalLoaded_ = loaded; }

  // Caption of the "Sprache" menu item: translated, in upper case while the
  // external dictionary is in use.
  std::string LanguageMenuCaption() const;

 private:
  int current_ = kDefaultLanguage;
  bool externalLoaded_ = false;
};

// The external dictionary's path: the program's folder joined to the file
// name of the built-in dictionary (`dictionaryFile` may carry a folder; only
// its name counts). Empty when the dictionary has no file name.
std::string ExternalDictionaryPath(std::string_view programFolder, std::string_view dictionaryFile);

}  // namespace gd
