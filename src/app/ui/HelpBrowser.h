// The user manual behind "In&halt", F1 and the help buttons: finds the
// manual's page of a help topic in the interface language and opens it in
// the system browser.
#pragma once

#include <QStringList>
#include <QUrl>

class QWidget;

namespace gd::ui {

// The folders that may hold the manual: beside the installed program
// (<prefix>/share/gaugdata/manual), then the manual of the source tree the
// program was built from.
QStringList ManualFolders();
// Whether the manual exists (its contents page in some language).
bool ManualAvailable();
// The page and anchor of `topic` in the interface language (else English,
// else German) as a file URL; an empty URL when there is no manual.
QUrl HelpTopicUrl(int topic);

// Opens the page of `topic` in the system browser. Without a manual, or
// when no browser takes the page, says so in a message box over `parent`.
void ShowHelpTopic(int topic, QWidget* parent = nullptr);

// Routes help requests (help buttons) to ShowHelpTopic and lets F1 in any
// window open the help of the focused control's topic (else its window's,
// else the contents). Once per application; later calls do nothing.
void InstallContextHelp();

}  // namespace gd::ui
