#include "app/GraphColors.h"

namespace gd {

void GraphColorsStore::WriteTo(IniFile& ini) const {
  for (const auto& [key, value] : written_) ini.WriteString(kGraphColorsSection, key, value);
}

GraphStyleStore GraphColorsStore::Store(std::shared_ptr<GraphColorsStore> colors) {
  GraphStyleStore store;
  store.read = [colors](std::string_view key) -> std::optional<std::string> {
    for (const auto& [k, v] : colors->written_)
      if (SameNameNoCase(k, key)) return v;
    return colors->read_.Find(kGraphColorsSection, key);
  };
  store.write = [colors](std::string_view key, std::string_view value) {
    for (auto& [k, v] : colors->written_) {
      if (SameNameNoCase(k, key)) {
        v = std::string(value);
        return;
      }
    }
    colors->written_.emplace(std::string(key), std::string(value));
  };
  return store;
}

}  // namespace gd
