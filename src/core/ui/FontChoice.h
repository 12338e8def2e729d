// The FONT... choice of the text views: a font dialog whose current font shows
// in the view at once; Cancel gives the view its previous font back.
// (Header only: the views that use it link Qt Widgets, this library does not.)
#pragma once

#include <QFontDialog>
#include <functional>
#include <optional>

namespace gd::ui {

// `apply` puts a font on the view. Returns the chosen font, or nothing when
// the user cancelled (the previous font is applied again then).
inline std::optional<QFont> ChooseFontLive(QWidget* parent, const QFont& previous,
                                           const std::function<void(const QFont&)>& apply) {
  QFontDialog dialog(previous, parent);
  QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, apply);
  if (dialog.exec() != QDialog::Accepted) {
    apply(previous);
    return std::nullopt;
  }
  apply(dialog.selectedFont());
  return dialog.selectedFont();
}

}  // namespace gd::ui
