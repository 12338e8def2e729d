// The diagram's curve styles in the configuration file (section
// "GRAPHCOLORS"): what the file held when it was read, and what the diagram
// wrote since, which goes into the file when the configuration is written.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/IniFile.h"
#include "view/DiagramStyles.h"

namespace gd {

class GraphColorsStore {
 public:
  // Takes the keys of the section as the file holds them.
  void Load(const IniFile& ini) {
    read_ = ini;
    written_.clear();
  }
  // Writes every key the diagram wrote into `ini`.
  void WriteTo(IniFile& ini) const;
  // The store the diagram reads and writes through; it keeps `colors`
  // alive, so the diagram may store its styles whenever it is destroyed.
  static GraphStyleStore Store(std::shared_ptr<GraphColorsStore> colors);

 private:
  IniFile read_;
  std::map<std::string, std::string> written_;  // key (as written) -> value
};

}  // namespace gd
