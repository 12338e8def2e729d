#include "app/FontString.h"

#include <optional>
#include <vector>

#include "app/Configuration.h"
#include "app/IniFile.h"

namespace gd {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    fields.push_back(Trimmed(text.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

std::optional<int> Number(const std::vector<std::string_view>& fields, std::size_t index) {
  if (index >= fields.size()) return std::nullopt;
  return ParseIniInteger(fields[index]);
}

constexpr std::string_view kParameterSetsKey = "PARASETS";
constexpr std::string_view kParameterSetKey = "PARASET";
constexpr std::string_view kDeviceTablesKey = "SONDTABS";
constexpr std::string_view kGridKey = "Grid";

}  // namespace

FontDescription ApplyFontString(FontDescription font, std::string_view text) {
  if (Trimmed(text).empty()) return font;
  const std::vector<std::string_view> fields = Fields(text);
  if (!fields[0].empty()) font.name = std::string(fields[0]);
  if (const auto height = Number(fields, 1);
      height && *height != 0 && *height >= -kMaxFontHeight && *height <= kMaxFontHeight)
    font.height = *height;
  if (const auto color = Number(fields, 2)) font.color = *color;
  if (const auto pitch = Number(fields, 3); pitch && *pitch >= 0 && *pitch <= 2)
    font.pitch = *pitch;
  if (const auto charset = Number(fields, 4); charset && *charset >= 0 && *charset <= 255)
    font.charset = *charset;
  if (fields.size() > 5) {
    font.bold = font.italic = font.underline = font.strikeOut = false;
    for (std::size_t i = 5; i < fields.size(); ++i) {
      switch (Number(fields, i).value_or(-1)) {
        case 0:
          font.bold = true;
          break;
        case 1:
          font.italic = true;
          break;
        case 2:
          font.underline = true;
          break;
        case 3:
          font.strikeOut = true;
          break;
        default:
          break;
      }
    }
  }
  return font;
}

std::string FontString(const FontDescription& font) {
  std::string name = font.name;
  for (char& c : name)
    if (c == ',') c = ' ';
  std::string out = std::string(Trimmed(name)) + "," + std::to_string(font.height) + "," +
                    std::to_string(font.color) + "," + std::to_string(font.pitch) + "," +
                    std::to_string(font.charset);
  if (font.bold) out += ",0";
  if (font.italic) out += ",1";
  if (font.underline) out += ",2";
  if (font.strikeOut) out += ",3";
  return out;
}

FontStrings ReadFontStrings(const IniFile& ini) {
  FontStrings fonts;
  fonts.parameterSets = ini.ReadString(ini::kFonts, kParameterSetsKey, "");
  fonts.parameterSet = ini.ReadString(ini::kFonts, kParameterSetKey, "");
  fonts.deviceTables = ini.ReadString(ini::kFonts, kDeviceTablesKey, "");
  fonts.grid = ini.ReadString(ini::kFonts, kGridKey, "");
  return fonts;
}

void WriteFontStrings(IniFile& ini, const FontStrings& fonts) {
  const auto write = [&ini](std::string_view key, const std::string& value) {
    if (!value.empty()) ini.WriteString(ini::kFonts, key, value);
  };
  write(kParameterSetsKey, fonts.parameterSets);
  write(kParameterSetKey, fonts.parameterSet);
  write(kDeviceTablesKey, fonts.deviceTables);
  write(kGridKey, fonts.grid);
}

}  // namespace gd
