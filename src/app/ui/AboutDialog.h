// The about box: program name, maker line, logo and version of the edition.
#pragma once

class QDialog;
class QWidget;

namespace gd::ui {

// Built for `edition`; the caller owns the dialog.
QDialog* CreateAboutBox(QWidget* parent, int edition);
// Created, shown modally and freed.
void ShowAboutBox(QWidget* parent);

}  // namespace gd::ui
