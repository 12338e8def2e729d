#include "core/TextTools.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace gd {

namespace {

// Maps each byte through a table built once from the six code pairs.
struct CodeTable {
  unsigned char map[256];
  CodeTable(const unsigned char (*pairs)[2], bool reverse) {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    for (int i = 0; i < 6; ++i) {
      const unsigned char from = reverse ? pairs[i][1] : pairs[i][0];
      const unsigned char to = reverse ? pairs[i][0] : pairs[i][1];
      map[from] = to;
    }
  }
};

// DOS code, Windows-1252 code.
constexpr unsigned char kDosWindowsPairs[6][2] = {
    {0x81, 0xFC},  // ü
    {0x84, 0xE4},  // ä
    {0x8E, 0xC4},  // Ä
    {0x94, 0xF6},  // ö
    {0x9A, 0xDC},  // Ü
    {0xE1, 0xDF},  // ß
};

const CodeTable& DosToWindowsTable() {
  static const CodeTable table(kDosWindowsPairs, false);
  return table;
}
const CodeTable& WindowsToDosTable() {
  static const CodeTable table(kDosWindowsPairs, true);
  return table;
}

std::string MapBytes(std::string_view text, const CodeTable& table) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(table.map[static_cast<unsigned char>(c)]);
  return out;
}

TranslateFunction& Dictionary() {
  static TranslateFunction dictionary;
  return dictionary;
}

}  // namespace

std::string DosToWindows(std::string_view text) { return MapBytes(text, DosToWindowsTable()); }

std::string WindowsToDos(std::string_view text) { return MapBytes(text, WindowsToDosTable()); }

void DosToWindowsList(std::vector<std::string>& lines) {
  for (std::string& line : lines) line = DosToWindows(line);
}

std::string PadLeft(std::string_view text, int width) {
  if (width < 0 || text.size() > static_cast<std::size_t>(width)) return std::string(text);
  const std::size_t target = static_cast<std::size_t>(width) + 1;
  std::string out(target - text.size(), ' ');
  out.append(text);
  return out;
}

std::string PlaceSign(std::string_view text, char sign) {
  std::string out(text);
  if (out.empty() || (out[0] != ' ' && out[0] != '+' && out[0] != '-')) {
    out.insert(out.begin(), sign);
    return out;
  }
  std::size_t i = out.find_first_not_of(' ');
  if (i == std::string::npos) i = out.size();
  if (i < out.size() && (out[i] == '+' || out[i] == '-')) {
    out[i] = sign;
  } else if (i > 0 && out[i - 1] == ' ') {
    out[i - 1] = sign;
  }
  return out;
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out.push_back(c);
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (LowerAscii(text[pos + i]) != LowerAscii(word[i])) return false;
  return true;
}

std::string Field(std::string_view text, char separator, int n) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t sep = text.find(separator, start);
    if (sep == std::string_view::npos) return {};
    start = sep + 1;
  }
  const std::size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

int FieldCount(std::string_view text, char separator) {
  if (text.empty()) return 0;
  int count = 1;
  for (char c : text)
    if (c == separator) ++count;
  return count;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
#ifdef _WIN32
  constexpr char kSeparator = '\\';
#else
  constexpr char kSeparator = '/';
#endif
  std::string out(folder);
  if (!out.empty() && out.back() != '\\' && out.back() != '/') out.push_back(kSeparator);
  out.append(name);
  return out;
}

std::string Translate(std::string_view text) {
  const TranslateFunction& dictionary = Dictionary();
  if (!dictionary) return std::string(text);
  return dictionary(text);
}

void SetTranslateFunction(TranslateFunction dictionary) { Dictionary() = std::move(dictionary); }

std::string Sprintf(const char* format, ...) {
  char buf[256];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  std::string out;
  if (n > 0 && static_cast<std::size_t>(n) < sizeof buf) {
    out.assign(buf, static_cast<std::size_t>(n));
  } else if (n > 0) {
    out.resize(static_cast<std::size_t>(n));
    std::vsnprintf(out.data(), out.size() + 1, format, again);
  }
  va_end(again);
  return out;
}

}  // namespace gd
