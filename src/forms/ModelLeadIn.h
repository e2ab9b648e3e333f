#pragma once
// The words a form's model writes at the start of a large box's line, before the box's text
// ("Que" in "     Que %peticio%"): the form shows them beside the box, so that nobody types them
// a second time ("Que Que necessito...").

#include "forms/FormDescription.h"

#include <string>
#include <string_view>

namespace forms {

// The lead-in of the field named so in the form's model, in UTF-8: the one to three words that
// stand between the start of its line and its placeholder; empty when the placeholder begins its
// line, follows another placeholder or markup, or the field is not in the model.
std::string modelLeadIn(const FormDef &form, std::string_view fieldName);

} // namespace forms
