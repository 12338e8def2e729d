// The flag images of the language button: 0 German, 1 English, 2 Danish,
// 3 French.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace gd::ui {

// An image outside 0..3 is the null pixmap.
QPixmap FlagPixmap(int image, int width = 20, int height = 14);
QIcon FlagIcon(int image);

}  // namespace gd::ui
