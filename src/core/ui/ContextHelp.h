// Context help of the windows: each window (and a control that has a topic
// of its own) carries its help topic (core/HelpTopics.h); F1 and the help
// buttons ask for a topic, and the application decides how to show it (the
// manual in the system browser).
#pragma once

#include <functional>

class QObject;

namespace gd::ui {

// Gives `object` (a window or a control) its help topic.
void SetHelpTopic(QObject* object, int topic);
// The topic of `object` or of its nearest owner that has one; 0 for none.
int HelpTopicOf(const QObject* object);

// Who shows help. Without a handler a request does nothing.
void SetHelpHandler(std::function<void(int topic)> handler);
// Shows the help of `topic` through the handler.
void RequestHelp(int topic);

}  // namespace gd::ui
