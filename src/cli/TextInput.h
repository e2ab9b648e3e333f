#pragma once
// Text that reaches a document from the command line or a CSV file, passed through the program's
// input gate, the same that text typed into the windows passes.

#include "cli/Expected.h"
#include "text/InputGate.h"

#include <string>
#include <string_view>

namespace cli {

// The Windows-1252 text of a UTF-8 input. A refusal names `where` (e.g. "--set 1042"), the
// character, its code point, its position (counted in characters from 1) and the reason.
Expected<std::string> gateText(std::string_view utf8, std::string_view where,
                               textgate::FieldRules rules = textgate::kOneLine);

} // namespace cli
