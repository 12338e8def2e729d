// An INI-style configuration file held in memory: sections of "key=value"
// lines. Section and key names compare without regard to case (ASCII);
// values are text, kept as the file holds them. Sections and keys keep the
// order of the file, and keys nobody asks for (other windows' own settings)
// are written back unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/FileStore.h"

namespace gd {

class IniFile {
 public:
  // Parses the text of a file. Lines that are neither "[section]" nor
  // "key=value" inside a section (comments, blank lines, garbage) are skipped;
  // nothing in the text can make parsing fail.
  static IniFile Parse(std::string_view text);
  // The text of the file, lines ending in CR LF.
  std::string Text() const;

  // Reads `path` through `store`. A missing or unreadable file gives an empty
  // configuration, so every value takes its default.
  static IniFile Load(IFileStore& store, const std::string& path);
  // Writes the whole file in one piece: into a temporary file beside `path`,
  // then renamed onto it. False (and `path` untouched, the temporary removed)
  // when any step fails.
  bool Save(IFileStore& store, const std::string& path) const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Decimal, or hexadecimal after "$" or "0x"; `fallback` when the value is
  // missing, not a whole number or out of the int range.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // A whole number, non-zero meaning true; `fallback` otherwise.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // Sets a key, adding the section and key at the end when missing. A name
  // already there keeps its spelling.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"
  void DeleteKey(std::string_view section, std::string_view key);

  std::vector<std::string> Sections() const;
  // The keys and values of a section in the file's order; empty when the
  // section is missing.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

// Whether two names are equal without regard to ASCII case.
bool SameNameNoCase(std::string_view a, std::string_view b);

// A whole number as ReadInteger reads it; nullopt when the text is not one.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace gd
