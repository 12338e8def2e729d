#include "core/ui/ContextHelp.h"

#include <QObject>
#include <QVariant>

#include <utility>

namespace gd::ui {
namespace {

constexpr const char* kProperty = "gdHelpTopic";

std::function<void(int)>& Handler() {
  static std::function<void(int)> handler;
  return handler;
}

}  // namespace

void SetHelpTopic(QObject* object, int topic) {
  if (object != nullptr) object->setProperty(kProperty, topic);
}

int HelpTopicOf(const QObject* object) {
  for (; object != nullptr; object = object->parent()) {
    const QVariant topic = object->property(kProperty);
    if (topic.isValid() && topic.toInt() > 0) return topic.toInt();
  }
  return 0;
}

void SetHelpHandler(std::function<void(int)> handler) { Handler() = std::move(handler); }

void RequestHelp(int topic) {
  if (Handler()) Handler()(topic);
}

}  // namespace gd::ui
