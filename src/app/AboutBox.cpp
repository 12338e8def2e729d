#include "app/AboutBox.h"

#include "app/Edition.h"
#include "core/TextTools.h"

namespace gd {

AboutBoxTexts AboutBoxFor(int edition) {
  if (edition < 0 || edition > 2) edition = kShippedEdition;
  const EditionNames& names = EditionTable(edition);
  AboutBoxTexts about;
  about.caption = Translate("Info");
  about.programName = Translate(names.programName);
  about.version = std::string("Version ") + kProgramVersion;
  about.logo = edition;
  switch (edition) {
    case 0:
      about.makerLine = Translate("Auswertung der SONDIX Durchflussmessger\xE4te");
      about.helpNote = Translate(
          "Die Sprache der Hilfe folgt der Sprache der Oberfl\xE4"
          "che: w\xE4hlen Sie sie mit \"Sprache\" oder den Fahnen.");
      break;
    case 1:
      about.makerLine = Translate("Auswertung der GAUGEUNIT Durchflussmessger\xE4te (QT510SA)");
      break;
    default:
      about.makerLine = Translate("Auswertung der GAUGEUNIT Durchflussmessger\xE4te");
      break;
  }
  about.height = about.helpNote.empty() ? 270 : 350;
  return about;
}

}  // namespace gd
