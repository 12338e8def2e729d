#include "app/ui/FontSettings.h"

#include <QFontInfo>

#include <cmath>

#include "app/FontString.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {
namespace {

// The platform's font height counts pixels at 96 dots per inch: a negative
// height is the character height, which is what a point size measures.
constexpr double kPointsPerHeightUnit = 72.0 / 96.0;

int HeightOf(const QFont& font) {
  if (font.pointSizeF() > 0)
    return -static_cast<int>(std::lround(font.pointSizeF() / kPointsPerHeightUnit));
  if (font.pixelSize() > 0) return -font.pixelSize();
  return -QFontInfo(font).pixelSize();
}

FontDescription Describe(const QFont& font, FontDescription d) {
  d.name = ToAnsi(font.family());
  d.height = HeightOf(font);
  d.pitch = font.fixedPitch() ? 2 : (d.pitch == 2 ? 0 : d.pitch);
  d.bold = font.bold();
  d.italic = font.italic();
  d.underline = font.underline();
  d.strikeOut = font.strikeOut();
  return d;
}

}  // namespace

QFont FontFromString(const QFont& base, const std::string& text) {
  const FontDescription before = Describe(base, FontDescription{});
  const FontDescription after = ApplyFontString(before, text);
  QFont font = base;
  if (after.name != before.name) font.setFamily(FromAnsi(after.name));
  if (after.height != before.height)
    font.setPointSizeF(std::abs(after.height) * kPointsPerHeightUnit);
  if (after.pitch != before.pitch) font.setFixedPitch(after.pitch == 2);
  font.setBold(after.bold);
  font.setItalic(after.italic);
  font.setUnderline(after.underline);
  font.setStrikeOut(after.strikeOut);
  return font;
}

std::string FontStringOf(const QFont& font, const std::string& previous) {
  return FontString(Describe(font, ApplyFontString(FontDescription{}, previous)));
}

}  // namespace gd::ui
