#include "app/WindowLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/IniFile.h"

namespace gd {
namespace {

constexpr std::size_t kMaxSplitterPanes = 16;

std::vector<std::string_view> Split(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parts;
}

std::optional<std::vector<int>> Numbers(std::string_view text) {
  std::vector<int> numbers;
  for (std::string_view part : Split(text)) {
    const std::optional<int> n = ParseIniInteger(part);
    if (!n) return std::nullopt;
    numbers.push_back(*n);
  }
  return numbers;
}

std::string Join(const std::vector<int>& numbers) {
  std::string out;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(numbers[i]);
  }
  return out;
}

std::int64_t Overlap(const Rect& a, const Rect& b) {
  const std::int64_t w =
      std::min<std::int64_t>(std::int64_t{a.x} + a.width, std::int64_t{b.x} + b.width) -
      std::max(a.x, b.x);
  const std::int64_t h =
      std::min<std::int64_t>(std::int64_t{a.y} + a.height, std::int64_t{b.y} + b.height) -
      std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

double CentreDistance(const Rect& a, const Rect& b) {
  // In doubles: the places may be anything an int holds.
  const double dx = (2.0 * a.x + a.width) - (2.0 * b.x + b.width);
  const double dy = (2.0 * a.y + a.height) - (2.0 * b.y + b.height);
  return dx * dx + dy * dy;
}

std::string MaximizedKey(const std::string& window) { return window + ".Maximized"; }
std::string SplitterKey(const std::string& window) { return window + ".Splitter"; }

}  // namespace

bool WindowLayout::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
  });
}

Rect ClampToScreens(Rect window, const std::vector<Rect>& screens) {
  const Rect* best = nullptr;
  std::int64_t bestOverlap = 0;
  for (const Rect& s : screens) {
    if (s.width <= 0 || s.height <= 0) continue;
    const std::int64_t o = Overlap(window, s);
    if (o > bestOverlap) {
      bestOverlap = o;
      best = &s;
    }
  }
  if (!best) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Rect& s : screens) {
      if (s.width <= 0 || s.height <= 0) continue;
      const double d = CentreDistance(window, s);
      if (d < nearest) {
        nearest = d;
        best = &s;
      }
    }
  }
  if (!best) return window;
  const Rect& s = *best;
  window.width = std::clamp(window.width, 1, s.width);
  window.height = std::clamp(window.height, 1, s.height);
  window.x = std::clamp(window.x, s.x, s.x + s.width - window.width);
  window.y = std::clamp(window.y, s.y, s.y + s.height - window.height);
  return window;
}

std::optional<Rect> WindowLayout::Frame(const std::string& window) const {
  const auto it = values_.find(window);
  if (it == values_.end()) return std::nullopt;
  const std::optional<std::vector<int>> n = Numbers(it->second);
  if (!n || n->size() != 4) return std::nullopt;
  const Rect r{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
  const auto extent = [](int v) { return v >= kMinWindowExtent && v <= kMaxWindowExtent; };
  const auto place = [](int v) { return v >= -kMaxWindowExtent && v <= kMaxWindowExtent; };
  if (!extent(r.width) || !extent(r.height) || !place(r.x) || !place(r.y)) return std::nullopt;
  return r;
}

void WindowLayout::SetFrame(const std::string& window, const Rect& frame) {
  values_[window] = Join({frame.x, frame.y, frame.width, frame.height});
}

bool WindowLayout::Maximized(const std::string& window) const {
  const auto it = values_.find(MaximizedKey(window));
  return it != values_.end() && ParseIniInteger(it->second).value_or(0) != 0;
}

void WindowLayout::SetMaximized(const std::string& window, bool maximized) {
  values_[MaximizedKey(window)] = maximized ? "1" : "0";
}

std::vector<int> WindowLayout::Splitter(const std::string& window) const {
  const auto it = values_.find(SplitterKey(window));
  if (it == values_.end()) return {};
  const std::optional<std::vector<int>> n = Numbers(it->second);
  if (!n || n->size() < 2 || n->size() > kMaxSplitterPanes) return {};
  for (int v : *n)
    if (v < 0 || v > kMaxWindowExtent) return {};
  return *n;
}

void WindowLayout::SetSplitter(const std::string& window, const std::vector<int>& sizes) {
  values_[SplitterKey(window)] = Join(sizes);
}

WindowLayout WindowLayout::Read(const IniFile& ini) {
  WindowLayout layout;
  for (const auto& [key, value] : ini.Entries(kLayoutSection)) layout.values_[key] = value;
  return layout;
}

void WindowLayout::Write(IniFile& ini) const {
  for (const auto& [key, value] : values_) ini.WriteString(kLayoutSection, key, value);
}

}  // namespace gd
