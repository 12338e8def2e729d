#include "core/FormatText.h"

#include <cstddef>
#include <vector>

namespace gd {
namespace {

struct Spec {
  bool left = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
};

// Reads a decimal number at pattern[i]; large numbers saturate so a hostile
// pattern cannot ask for gigabytes of padding.
int ReadNumber(std::string_view pattern, std::size_t& i) {
  constexpr int kMaxField = 1000;
  int n = 0;
  while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') {
    n = n * 10 + (pattern[i] - '0');
    if (n > kMaxField) n = kMaxField;
    ++i;
  }
  return n;
}

void Pad(std::string& out, const std::string& body, const Spec& spec) {
  const std::size_t width = static_cast<std::size_t>(spec.width);
  if (body.size() >= width) {
    out += body;
  } else if (spec.left) {
    out += body;
    out.append(width - body.size(), ' ');
  } else {
    out.append(width - body.size(), ' ');
    out += body;
  }
}

std::string NumberBody(std::int64_t value, const Spec& spec) {
  const bool negative = value < 0;
  // Magnitude without overflow for the smallest value.
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (spec.precision == 0 && value == 0) digits.clear();
  if (spec.precision > 0 && digits.size() < static_cast<std::size_t>(spec.precision))
    digits.insert(0, static_cast<std::size_t>(spec.precision) - digits.size(), '0');
  const std::string sign = negative ? "-" : "";
  if (spec.zero && !spec.left && spec.precision < 0) {
    const std::size_t width = static_cast<std::size_t>(spec.width);
    if (sign.size() + digits.size() < width)
      digits.insert(0, width - sign.size() - digits.size(), '0');
  }
  return sign + digits;
}

}  // namespace

std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(pattern.size() + 16);
  const FormatArg* next = args.begin();
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    const std::size_t start = i++;
    Spec spec;
    while (i < pattern.size() && (pattern[i] == '-' || pattern[i] == '0')) {
      if (pattern[i] == '-')
        spec.left = true;
      else
        spec.zero = true;
      ++i;
    }
    spec.width = ReadNumber(pattern, i);
    if (i < pattern.size() && pattern[i] == '.') {
      ++i;
      spec.precision = ReadNumber(pattern, i);
    }
    if (i >= pattern.size()) {
      out.append(pattern.substr(start));
      break;
    }
    const char conversion = pattern[i++];
    if (conversion != 'd' && conversion != 'i' && conversion != 'u' && conversion != 's') {
      out.append(pattern.substr(start, i - start));
      continue;
    }
    std::string body;
    if (next != args.end()) {
      const FormatArg& arg = *next++;
      if (arg.IsNumber()) {
        body = NumberBody(arg.Number(),
                          conversion == 's' ? Spec{spec.left, false, spec.width, -1} : spec);
      } else {
        body = std::string(arg.Text());
        if (conversion == 's' && spec.precision >= 0 &&
            body.size() > static_cast<std::size_t>(spec.precision))
          body.resize(static_cast<std::size_t>(spec.precision));
      }
    }
    Pad(out, body, spec);
  }
  return out;
}

}  // namespace gd
