// Re-applies translations to an open window after the interface language
// changed: every action (menu titles included), button, label and group box
// of the window gets its text, tool tip and status tip translated again from
// the German source it showed first.
//
// The source of each text is remembered on the object the first time the
// window is translated, which happens while it still shows German (windows
// are built in the source language; the language is applied after they
// exist). Texts that windows build from their models (list captions, file
// names, counts) are refreshed by the windows themselves afterwards; objects
// can opt out with SetFixedText.
#pragma once

class QObject;
class QWidget;

namespace gd::ui {

// Translates `form`'s texts again, looking each up under `context` (normally
// the form's class), then under the classes of the object and its parents,
// then under the pure libraries' context.
void RetranslateForm(QWidget* form, const char* context);

// Excludes an object's texts from RetranslateForm (a text the window sets
// from data, such as a file name).
void SetFixedText(QObject* object);

}  // namespace gd::ui
