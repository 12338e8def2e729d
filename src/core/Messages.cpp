#include "core/Messages.h"

namespace gd {

std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    const char kind = pattern[i + 1];
    if (kind == 'S') {
      out += '\r';
    } else if (kind == 's') {
      if (next != args.end()) out += *next++;
    } else if (kind == '%') {
      out += '%';
    } else {
      out += c;
      continue;
    }
    ++i;
  }
  return out;
}

}  // namespace gd
