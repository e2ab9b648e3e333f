#pragma once
// What a field keeps of a pasted text it cannot take whole: the characters Windows-1252 cannot
// hold are left out and named, and the lines of a paste into a one-line field are joined. The
// window pastes through this; the command line keeps refusing such input, as scripts expect.

#include "text/InputGate.h"

#include <string>
#include <string_view>
#include <vector>

namespace textgate {

struct Salvaged
{
    std::string text;              // Windows-1252, as pass() gives it
    std::vector<char32_t> leftOut; // the characters left out, each once, in their order
    std::size_t leftOutCount = 0;  // how many characters were left out in all
    std::size_t joinedLines = 0;   // the lines joined into one, 0 when the paste had one
};

// A one-line field gets the paste's lines, each without the blanks around it and empty ones
// skipped, joined with single spaces, and a TAB as a space unless the field takes TABs.
Salvaged salvage(std::string_view utf8, FieldRules rules = kOneLine);

// What the status bar says of it (UTF-8): "S'han unit 40 línies en una." and "S'ha omès 1
// caràcter: 😀 (U+1F600)" / "S'han omès 2 caràcters: 😀 (U+1F600), 世 (U+4E16)"; empty when the
// paste went in whole.
std::string salvageMessage(const Salvaged &salvaged);

} // namespace textgate
