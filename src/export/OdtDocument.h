#pragma once
// Documents as an OpenDocument text (ODF 1.2) a person edits in an office suite as if they had
// typed it: named paragraph styles for each kind of paragraph ("Títol", "Cos", "Verb", "Lloc i
// data", "Signatura", "Destinació"...), the line items as a real table, A4 with the typeset
// margins, the title and the language in the metadata. Standard C++.

#include "models/StructuredDocument.h"

#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace docexport {

// The documents one after another, each from a new page; the title is UTF-8. The package's
// entries are dated `created`.
std::string odtDocument(std::span<const plecta::StructuredDocument> documents, std::string_view title,
                        std::chrono::system_clock::time_point created = std::chrono::system_clock::now());

} // namespace docexport
