#include "app/ui/FormTranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "app/ui/Dictionary.h"

namespace gd::ui {
namespace {

constexpr const char* kFixedProperty = "gdFixedText";

// One text of an object and the property that keeps its German source.
struct TextSlot {
  const char* sourceProperty;
  QString (*get)(QObject*);
  void (*set)(QObject*, const QString&);
};

// The class whose tr() made a text is the object's owner or one of its
// ancestors; texts the pure libraries made live under their own context.
QString Translated(const QObject* object, const char* context, const QString& source) {
  const QByteArray key = source.toUtf8();
  QString text = QCoreApplication::translate(context, key.constData());
  if (text != source) return text;
  for (const QObject* o = object; o != nullptr; o = o->parent()) {
    text = QCoreApplication::translate(o->metaObject()->className(), key.constData());
    if (text != source) return text;
  }
  return QCoreApplication::translate(kPureContext, key.constData());
}

// QAction shows its text, without '&' and a trailing "...", as tool tip
// when it has none of its own.
bool OwnToolTip(const QAction* action) {
  QString implicit = action->text();
  implicit.remove(QLatin1String("...")).remove('&');
  return action->toolTip() != implicit && action->toolTip() != QString(action->text()).remove('&');
}

void Retranslate(QObject* object, const TextSlot& slot, const char* context) {
  QVariant source = object->property(slot.sourceProperty);
  if (!source.isValid()) {
    const QString shown = slot.get(object);
    if (shown.isEmpty()) return;
    source = shown;
    object->setProperty(slot.sourceProperty, source);
  }
  const QString text = Translated(object, context, source.toString());
  if (slot.get(object) != text) slot.set(object, text);
}

template <typename T>
T* As(QObject* o) {
  return static_cast<T*>(o);
}

const TextSlot kActionSlots[] = {
    {"gdSourceText", [](QObject* o) { return As<QAction>(o)->text(); },
     [](QObject* o, const QString& t) { As<QAction>(o)->setText(t); }},
    {"gdSourceToolTip",
     [](QObject* o) {
       auto* a = As<QAction>(o);
       return OwnToolTip(a) ? a->toolTip() : QString();
     },
     [](QObject* o, const QString& t) { As<QAction>(o)->setToolTip(t); }},
    {"gdSourceStatusTip", [](QObject* o) { return As<QAction>(o)->statusTip(); },
     [](QObject* o, const QString& t) { As<QAction>(o)->setStatusTip(t); }},
};

const TextSlot kWidgetSlots[] = {
    {"gdSourceToolTip", [](QObject* o) { return As<QWidget>(o)->toolTip(); },
     [](QObject* o, const QString& t) { As<QWidget>(o)->setToolTip(t); }},
    {"gdSourceStatusTip", [](QObject* o) { return As<QWidget>(o)->statusTip(); },
     [](QObject* o, const QString& t) { As<QWidget>(o)->setStatusTip(t); }},
};

const TextSlot kButtonSlot = {
    "gdSourceText", [](QObject* o) { return As<QAbstractButton>(o)->text(); },
    [](QObject* o, const QString& t) { As<QAbstractButton>(o)->setText(t); }};
const TextSlot kLabelSlot = {"gdSourceText", [](QObject* o) { return As<QLabel>(o)->text(); },
                             [](QObject* o, const QString& t) { As<QLabel>(o)->setText(t); }};
const TextSlot kGroupSlot = {"gdSourceText", [](QObject* o) { return As<QGroupBox>(o)->title(); },
                             [](QObject* o, const QString& t) { As<QGroupBox>(o)->setTitle(t); }};

bool Fixed(const QObject* object) { return object->property(kFixedProperty).toBool(); }

}  // namespace

void SetFixedText(QObject* object) {
  if (object != nullptr) object->setProperty(kFixedProperty, true);
}

void RetranslateForm(QWidget* form, const char* context) {
  if (form == nullptr) return;
  // Menus' own actions are children of the menus, so this finds the menu
  // titles too.
  for (QAction* action : form->findChildren<QAction*>()) {
    if (Fixed(action) || action->isSeparator()) continue;
    for (const TextSlot& slot : kActionSlots) Retranslate(action, slot, context);
  }
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    if (Fixed(widget)) continue;
    for (const TextSlot& slot : kWidgetSlots) Retranslate(widget, slot, context);
    if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
      Retranslate(widget, kButtonSlot, context);
    } else if (qobject_cast<QLabel*>(widget) != nullptr) {
      Retranslate(widget, kLabelSlot, context);
    } else if (qobject_cast<QGroupBox*>(widget) != nullptr) {
      Retranslate(widget, kGroupSlot, context);
    }
  }
}

}  // namespace gd::ui
