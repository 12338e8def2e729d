// The one crossing between the pure libraries' Windows-1252 byte strings and
// Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>

namespace gd::ui {

QString FromAnsi(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);

// File names cross as the system's names (UTF-8 in the libraries, see
// core/PathText.h), never through the code page of texts.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

// A German source text of the program through the dictionary (gd::Translate),
// for showing in a widget.
QString Tr(const char* german);

// Comments keep their lines separated by CR LF, an edit field by LF.
QString MemoToField(const std::string& text);
std::string FieldToMemo(const QString& field);

}  // namespace gd::ui
