#pragma once
// The help texts of the program and of each command, in Catalan (UTF-8).

#include <string_view>

namespace cli {

std::string_view programHelp();
// The help of a command, or an empty text for an unknown one.
std::string_view commandHelp(std::string_view command);

} // namespace cli
