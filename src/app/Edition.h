// Editions brand the program for its markets; they differ only in the names
// they show. The shipped build is edition 2.
#pragma once

#include <string>

namespace gd {

struct EditionNames {
  const char* deviceName;
  const char* deviceMenuCaption;
  const char* programName;
};

constexpr int kShippedEdition = 2;
constexpr const char* kProgramVersion = "2.12";

// Names of edition 0, 1 or 2; any other value is taken as the shipped edition.
const EditionNames& EditionTable(int edition);
inline const EditionNames& CurrentEdition() { return EditionTable(kShippedEdition); }

}  // namespace gd
