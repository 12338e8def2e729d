// Filling of the device messages' patterns.
//
// The device messages mix numbers, texts and line breaks ("%S") in one
// translated pattern. FillMessage turns every "%S" into a carriage return and
// fills the rest with FormatText, which never misreads its arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/FormatText.h"

namespace gd {

std::string FillMessage(std::string_view pattern, std::initializer_list<FormatArg> args = {});

}  // namespace gd
