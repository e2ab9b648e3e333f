#pragma once
// Optional segments of a document model. "{?name}" ... "{/?}" keeps the text between when the
// field `name` has a value and drops it, both markers included, when the field is empty.
// "{?name=text}" keeps it when the field holds that text (letter case and the spaces around
// aside), "{?name!=text}" when it does not: the saluda's "convidar-lo" or "convidar-la" follows
// the treatment chosen. A segment that holds whole lines ("{?name}" at a line start, "{/?}" at a
// line end or at the start of the next line) drops them with their line ends, so no empty line is
// left behind. Segments may nest. Only the model is read as markup: field values are merged
// afterwards and never scanned.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plecta {

// The value the field of that name gives the document, or nothing when the form has no such field.
using FieldValue = std::function<std::optional<std::string>(std::string_view name)>;

// The model with every optional segment resolved. A segment left open runs to the end of the
// model; a closing marker with no segment open is dropped.
std::string resolveOptionalSegments(std::string_view model, const FieldValue &valueOf);

} // namespace plecta
