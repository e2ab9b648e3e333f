#pragma once
// Optional segments of a document model: "{?name}" ... "{/?}" keeps the text between when the
// field `name` has a value and drops it, both markers included, when the field is empty. A
// segment that holds whole lines ("{?name}" at a line start, "{/?}" at a line end or at the start
// of the next line) drops them with their line ends, so no empty line is left behind. Segments
// may nest. Only the model is read as markup: field values are merged afterwards and never scanned.

#include <functional>
#include <string>
#include <string_view>

namespace plecta {

// Whether the field of that name has a value for the document.
using FieldHasValue = std::function<bool(std::string_view name)>;

// The model with every optional segment resolved. A segment left open runs to the end of the
// model; a closing marker with no segment open is dropped.
std::string resolveOptionalSegments(std::string_view model, const FieldHasValue &hasValue);

} // namespace plecta
