#include "view/DiagramStyles.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

namespace gd {
namespace {

std::vector<std::string_view> SplitFields(std::string_view value) {
  std::vector<std::string_view> fields;
  std::size_t from = 0;
  while (true) {
    const std::size_t comma = value.find(',', from);
    fields.push_back(value.substr(from, comma == std::string_view::npos ? comma : comma - from));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  return fields;
}

std::optional<long long> Number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return v;
}

}  // namespace

std::string CurveStyleKey(int column, int channel) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "CT%2.2d_%d", column, channel);
  return buf;
}

std::string CurveStyleValue(const CurveStyle& style) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d,%d,%d,%d", static_cast<int>(style.color), style.mark,
                style.lines ? 1 : 0, style.visible ? 1 : 0);
  return buf;
}

void ApplyCurveStyleValue(std::string_view value, CurveStyle& style) {
  const std::vector<std::string_view> f = SplitFields(value);
  const auto color = Number(f[0]);
  style.color = color && *color >= 0 && *color <= 0xFFFFFF ? static_cast<std::uint32_t>(*color) : 0;
  if (f.size() > 1) {
    const auto mark = Number(f[1]);
    if (mark && *mark >= 0 && *mark <= 3) style.mark = static_cast<int>(*mark);
  }
  const auto flag = [&](std::size_t i) {
    if (f.size() <= i) return true;
    const auto v = Number(f[i]);
    return !v || *v != 0;
  };
  style.lines = flag(2);
  style.visible = flag(3);
}

std::uint32_t DefaultCurveColor(int index) {
  // Red in the low byte: 0x00BBGGRR.
  static constexpr std::array<std::uint32_t, 10> kPalette = {0x0000C0, 0xC00000, 0x008000, 0x0080FF,
                                                             0x800080, 0x808000, 0x000080, 0x404040,
                                                             0xC000C0, 0x00A0A0};
  return kPalette[static_cast<std::size_t>(index < 0 ? 0 : index) % kPalette.size()];
}

}  // namespace gd
