// What the about box shows for an edition: program name, maker line, logo,
// version, and for edition 0 a note on choosing the help language.
#pragma once

#include <string>

namespace gd {

struct AboutBoxTexts {
  std::string caption;      // window caption, translated
  std::string programName;  // the edition's program name, translated
  std::string makerLine;    // translated
  std::string version;      // "Version 2.12"
  std::string helpNote;     // empty unless the edition shows the note
  int logo = 0;             // logo image of the edition (0..2)
  int height = 270;         // 350 with the help note, else 270
};

AboutBoxTexts AboutBoxFor(int edition);

}  // namespace gd
