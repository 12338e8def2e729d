#include "device/MessageText.h"

namespace gd {

std::string FillMessage(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::string withBreaks;
  withBreaks.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size()) {
      if (pattern[i + 1] == 'S') {
        withBreaks += '\r';
        ++i;
        continue;
      }
      if (pattern[i + 1] == '%') {  // keep "%%" whole for FormatText
        withBreaks += "%%";
        ++i;
        continue;
      }
    }
    withBreaks += pattern[i];
  }
  return FormatText(withBreaks, args);
}

}  // namespace gd
