// The one crossing between the pure libraries' Windows-1252 byte strings and
// Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>

namespace gd::ui {

QString FromAnsi(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);

}  // namespace gd::ui
