#include "app/Edition.h"

namespace gd {

const EditionNames& EditionTable(int edition) {
  static const EditionNames kTable[3] = {
      {"SONDIX", "S&ONDIX", "SondData"},
      {"GAUGEUNIT", "G&AUGEUNIT", "QT510SA"},
      {"GAUGEUNIT", "G&AUGEUNIT", "GaugData"},
  };
  if (edition < 0 || edition > 2) edition = kShippedEdition;
  return kTable[edition];
}

}  // namespace gd
