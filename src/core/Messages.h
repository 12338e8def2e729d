// Message boxes as the pure code sees them: a text of a kind to show, or a
// Yes/No/Cancel question. The Qt layer shows real boxes, the command-line
// tool prints, tests record.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace gd {

enum class MessageKind { Information, Confirmation, Warning, Error };
enum class Answer { Yes, No, Cancel };

class IMessages {
 public:
  virtual ~IMessages() = default;
  virtual void Show(MessageKind kind, const std::string& text) = 0;
  // A question with the buttons Yes, No and Cancel.
  virtual Answer Ask(MessageKind kind, const std::string& text) = 0;
};

// Fills a message pattern: every "%S" becomes a carriage return, every "%s"
// the next argument (nothing once the arguments are used up); "%%" is '%'.
std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> args = {});

}  // namespace gd
