#include "app/ui/QtMessages.h"

#include <QMessageBox>

#include "app/Edition.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {
namespace {

QString Title() { return QString::fromLatin1(CurrentEdition().programName); }

}  // namespace

void RoutedMessages::Show(MessageKind kind, const std::string& text) {
  if (target_) return target_->Show(kind, text);
  const QString body = FromAnsi(text);
  switch (kind) {
    case MessageKind::Error:
      QMessageBox::critical(parent_, Title(), body);
      break;
    case MessageKind::Warning:
      QMessageBox::warning(parent_, Title(), body);
      break;
    default:
      QMessageBox::information(parent_, Title(), body);
      break;
  }
}

Answer RoutedMessages::Ask(MessageKind kind, const std::string& text) {
  if (target_) return target_->Ask(kind, text);
  const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  const auto button = kind == MessageKind::Warning
                          ? QMessageBox::warning(parent_, Title(), FromAnsi(text), buttons)
                          : QMessageBox::question(parent_, Title(), FromAnsi(text), buttons);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

}  // namespace gd::ui
