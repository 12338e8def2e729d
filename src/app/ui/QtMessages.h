// The pure code's message boxes shown as standard Qt boxes, or handed to
// another IMessages (a test that answers the questions itself).
#pragma once

#include <QString>

#include "core/Messages.h"

class QWidget;

namespace gd::ui {

class RoutedMessages final : public IMessages {
 public:
  explicit RoutedMessages(QWidget* parent) : parent_(parent) {}

  // Null: Qt's boxes.
  void Route(IMessages* target) { target_ = target; }

  void Show(MessageKind kind, const std::string& text) override;
  // Yes / No / Cancel; warnings with the warning icon, others as questions.
  Answer Ask(MessageKind kind, const std::string& text) override;

 private:
  QWidget* parent_;
  IMessages* target_ = nullptr;
};

}  // namespace gd::ui
