#include "core/Locale.h"

namespace gd {

Locale Locale::German() { return Locale{}; }

Locale Locale::English() {
  Locale l;
  l.shortDatePattern = "dd/MM/yyyy";
  l.longTimePattern = "HH:mm:ss";
  l.decimalSeparator = '.';
  l.thousandSeparator = ',';
  l.dateSeparator = "/";
  l.currency = "\xA3";  // pound sign
  return l;
}

Locale Locale::Danish() {
  Locale l;
  l.shortDatePattern = "dd-MM-yyyy";
  l.longTimePattern = "HH:mm:ss";
  l.decimalSeparator = ',';
  l.thousandSeparator = '.';
  l.dateSeparator = "-";
  l.currency = "kr.";
  return l;
}

Locale Locale::French() {
  Locale l;
  l.shortDatePattern = "dd/MM/yyyy";
  l.longTimePattern = "HH:mm:ss";
  l.decimalSeparator = ',';
  l.thousandSeparator = ' ';
  l.dateSeparator = "/";
  l.currency = "\x80";
  return l;
}

bool Locale::FromCode(std::string_view code, Locale& out) {
  if (code == "de")
    out = German();
  else if (code == "en")
    out = English();
  else if (code == "da")
    out = Danish();
  else if (code == "fr")
    out = French();
  else
    return false;
  return true;
}

}  // namespace gd
