#include "app/IniFile.h"

#include <cstdint>
#include <limits>

#include "core/Errors.h"

namespace gd {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameNameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::optional<int> ParseIniInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text[0] == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f')
      digit = LowerAscii(c) - 'a' + 10;
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > (std::int64_t{1} << 32)) return std::nullopt;
  }
  if (negative) value = -value;
  // Hexadecimal words up to 0xFFFFFFFF stand for their 32-bit pattern.
  if (base == 16 && !negative && value > std::numeric_limits<int>::max() &&
      value <= std::numeric_limits<std::uint32_t>::max())
    value -= std::int64_t{1} << 32;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) {
        current = nullptr;  // a damaged header: its keys belong to no section
        continue;
      }
      const std::string_view name = Trim(line.substr(1, close - 1));
      current = ini.FindSection(name);
      if (current == nullptr) {
        ini.sections_.push_back({std::string(name), {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos || eq == 0) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    const std::string_view value = Trim(line.substr(eq + 1));
    bool known = false;
    for (const Entry& e : current->entries) known = known || SameNameNoCase(e.key, key);
    if (!known) current->entries.push_back({std::string(key), std::string(value)});  // first wins
  }
  return ini;
}

std::string IniFile::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) text += e.key + "=" + e.value + "\r\n";
  }
  return text;
}

IniFile IniFile::Load(IFileStore& store, const std::string& path) {
  try {
    if (!store.Exists(path)) return {};
    const Bytes bytes = store.ReadWhole(path);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const EGaugData&) {
    return {};
  }
}

bool IniFile::Save(IFileStore& store, const std::string& path) const {
  const std::string text = Text();
  std::string temp;
  try {
    temp = store.CreateTemporary(path);
    if (temp.empty()) return false;
    store.WriteWhole(temp,
                     ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  } catch (const EGaugData&) {
    if (!temp.empty()) store.Remove(temp);
    return false;
  }
  if (store.Rename(temp, path)) return true;
  store.Remove(temp);
  return false;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& s : sections_)
    if (SameNameNoCase(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (SameNameNoCase(s.name, name)) return &s;
  return nullptr;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (SameNameNoCase(e.key, key)) return e.value;
  return std::nullopt;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return Find(section, key).has_value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const auto value = Find(section, key);
  return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  return ParseIniInteger(*value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A value is one line: line breaks would split it into keys of their own.
  std::string line(value);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  Section* s = FindSection(section);
  if (s == nullptr) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (SameNameNoCase(e.key, key)) {
      e.value = std::move(line);
      return;
    }
  }
  s->entries.push_back({std::string(key), std::move(line)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (Section* s = FindSection(section))
    std::erase_if(s->entries, [&](const Entry& e) { return SameNameNoCase(e.key, key); });
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries) entries.emplace_back(e.key, e.value);
  return entries;
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

}  // namespace gd
