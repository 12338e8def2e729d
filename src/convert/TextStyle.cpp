#include "convert/TextStyle.h"

#include <algorithm>

namespace gd {

int ClampColLength(int colLength) { return std::clamp(colLength, kMinColLength, kMaxColLength); }

ColumnSeparatorKind SeparatorKind(std::uint32_t style) {
  return static_cast<ColumnSeparatorKind>(style & kStyleSeparatorMask);
}

void SetSeparatorKind(std::uint32_t& style, ColumnSeparatorKind kind) {
  style = (style & ~kStyleSeparatorMask) | static_cast<std::uint32_t>(kind);
}

QuantityColumnMode QuantityMode(std::uint32_t style) {
  const std::uint32_t bits = style & kStyleQuantityMask;
  if (bits == 0) return QuantityColumnMode::OnlyStored;
  return static_cast<QuantityColumnMode>(bits);
}

void SetQuantityMode(std::uint32_t& style, QuantityColumnMode mode) {
  style = (style & ~kStyleQuantityMask) | static_cast<std::uint32_t>(mode);
}

void AppendColumnSeparator(std::string& text, const TextOutputOptions& options) {
  switch (SeparatorKind(options.style)) {
    case ColumnSeparatorKind::Space:
      text += ' ';
      break;
    case ColumnSeparatorKind::Tab:
      text += '\t';
      break;
    case ColumnSeparatorKind::Semicolon:
      text += ';';
      break;
    case ColumnSeparatorKind::User:
      if (options.separatorChar != '\0') text += options.separatorChar;
      break;
  }
}

void ApplyDecimalStyle(std::string& number, std::uint32_t style) {
  if (style & kStyleSystemDecimal) return;
  if (style & kStyleDecimalComma) {
    std::replace(number.begin(), number.end(), '.', ',');
  } else {
    std::replace(number.begin(), number.end(), ',', '.');
  }
}

}  // namespace gd
