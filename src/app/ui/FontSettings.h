// The fonts of the text views as the configuration file keeps them: a font
// string (app/FontString.h) applied onto a view's own font, and the string
// of a font the user chose.
#pragma once

#include <QFont>

#include <string>

namespace gd::ui {

// `base` with each field of the font string `text` that parses applied; an
// empty or unusable string gives `base` unchanged.
QFont FontFromString(const QFont& base, const std::string& text);
// The font string of `font`. The colour and character set, which a QFont does
// not carry, are taken over from `previous` (the string stored so far).
std::string FontStringOf(const QFont& font, const std::string& previous);

}  // namespace gd::ui
