// Windows placed and sized as the remembered layout (app/WindowLayout.h)
// says, brought onto the screens that exist, and their place and size taken
// back into the layout.
#pragma once

#include <string>
#include <vector>

#include "app/WindowLayout.h"

class QDialog;
class QSplitter;
class QWidget;

namespace gd::ui {

// The usable areas of the screens the system has now.
std::vector<Rect> AvailableScreens();

// A main window: its stored place (of the frame) and size (of the inside)
// brought onto the screens, no smaller than the window's layout allows, and
// maximized again when it was. Nothing happens without a stored frame.
void RestoreWindowFrame(QWidget& window, const WindowLayout& layout, const std::string& key);
// The place and size of the window's normal (not maximized) frame, and
// whether it is maximized.
void StoreWindowFrame(const QWidget& window, WindowLayout& layout, const std::string& key);

// A dialog keeps only its size (the system places it over its parent); the
// size is cut to the screen it is on.
void RestoreDialogSize(QWidget& dialog, const WindowLayout& layout, const std::string& key);
void StoreDialogSize(const QWidget& dialog, WindowLayout& layout, const std::string& key);
// Restores the dialog's size now and stores it whenever the dialog finishes
// (OK, Cancel or its close button). `layout` must outlive the dialog.
void RememberDialogSize(QDialog& dialog, WindowLayout& layout, const std::string& key);

void RestoreSplitter(QSplitter& splitter, const WindowLayout& layout, const std::string& key);
void StoreSplitter(const QSplitter& splitter, WindowLayout& layout, const std::string& key);

}  // namespace gd::ui
