#pragma once
// The template engine: copies a document model byte by byte and puts the current content of the
// form's fields in place of its placeholders: a field's name between two "%" ("%nom%"), "%list%"
// for the line items and "%totals%" for the sums under them.

#include "models/FieldSource.h"
#include "models/LineTable.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace plecta {

// The form's list of line items (delivery note and order). The id is reserved: no other field of
// any form may use it (the form descriptions refuse it at compile time), so the engine never
// mistakes an ordinary field for the line list.
inline constexpr int kLineListId = 999;

// A field of the form by the name its placeholder gives: "nom" for "%nom%".
struct FieldName
{
    std::string_view name; // lower-case ASCII letters, digits and "_"
    int fieldId = 0;
};

// Merges the compiled-in model with this id. An unknown id gives the empty text. A placeholder
// names a field in any letter case; one that names no field of the form, or a field that gives no
// value, stays in the text as it is.
void MergeTemplate(const FieldSource &fields, std::span<const FieldName> names, int modelId, std::string &output,
                   std::optional<LineTable> lineTable = std::nullopt);

// The same over any model bytes; the text ends at the first NUL.
void MergeTemplate(const FieldSource &fields, std::span<const FieldName> names, std::string_view model,
                   std::string &output, std::optional<LineTable> lineTable = std::nullopt);

// The content a field gives the document ("edit", "static" and date pickers their text, a choice
// list its selected item), or nothing when the field is no value source.
std::optional<std::string> fieldContent(const FieldSource &fields, int id);

} // namespace plecta
