#pragma once
// A form's fields as plain data: what each field holds when the form is first shown, and the
// generic merge of a form that has no behaviour of its own.
#include "forms/FormDescription.h"
#include "models/FieldSource.h"
#include "models/MemoryFieldSource.h"
#include "models/StructuredDocument.h"

#include <chrono>
#include <string>

namespace forms {

// At first show every text box holds its initial text (today(): today's date text), every date
// picker shows today's long date, every choice list its items in alphabetical order with the
// first one selected, and the line list is empty.
plecta::MemoryFieldSource initialFields(const FormDef &form, std::chrono::year_month_day today);

// The document of a form without behaviour of its own: its fields merged into its model by name, with its row template
// when it has line items.
void generateFormText(const FormDef &form, const plecta::FieldSource &fields, std::string &output);
// The same with its structure, for the typeset outputs.
plecta::StructuredDocument formStructure(const FormDef &form, const plecta::FieldSource &fields);

} // namespace forms
