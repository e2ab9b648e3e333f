#pragma once
// Text that reaches a document from the command line or a CSV file, passed through the same
// gate as text typed into the windows: "ŀ"/"Ŀ" become "l·"/"L·", decomposed accents are
// composed, and any other character that Windows-1252 cannot hold is refused, with its place.

#include "cli/Expected.h"

#include <string>
#include <string_view>

namespace cli {

// The Windows-1252 text of a UTF-8 input. A refusal names `where` (e.g. "--set 1042"), the
// character, its code point and its position (counted in characters from 1). Line breaks and
// other control characters are refused too, since every field holds a single line; TAB passes.
Expected<std::string> gateText(std::string_view utf8, std::string_view where);

// "el caràcter «→» (U+2192)", for messages.
std::string describeCodePoint(char32_t codePoint);

} // namespace cli
