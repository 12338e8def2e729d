// The few locale facts the program's texts depend on.
//
// Dates, times and the decimal separator of listings and exports come from a
// Locale value instead of the process locale, so results are reproducible:
// the application fills it from the interface language, the command-line tool
// from --locale, tests use the presets. Texts are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace gd {

struct Locale {
  // Patterns use d/dd, M/MM, yy/yyyy, H/HH, h/hh, m/mm, s/ss and literal text.
  std::string shortDatePattern = "dd.MM.yyyy";
  std::string longTimePattern = "HH:mm:ss";
  char decimalSeparator = ',';
  char thousandSeparator = '.';
  std::string dateSeparator = ".";
  std::string timeSeparator = ":";
  std::string currency = "\x80";  // the euro sign in Windows-1252

  static Locale German();
  static Locale English();
  static Locale Danish();
  static Locale French();
  // "de", "en", "da", "fr"; anything else yields false and leaves `out` alone.
  static bool FromCode(std::string_view code, Locale& out);
};

}  // namespace gd
