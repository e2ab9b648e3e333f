#pragma once
// A kind's form filled from the command line: every field starts as the window shows it when the
// form is first shown (initial texts, the date, first choices, no lines), and the options change
// it the way a user would before turning to the "Document" tab.

#include "cli/Args.h"
#include "cli/Expected.h"
#include "cli/Kinds.h"
#include "cli/Output.h"
#include "forms/FormState.h"
#include "forms/SavedForm.h"
#include "models/StructuredDocument.h"

#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What the fields, document and merge commands start from: the kind their word names, then the
// --date (today by default) and the --encoding, refused in that order.
struct KindRequest
{
    Kind kind;
    std::chrono::year_month_day date;
    Encoding encoding;
};
Expected<KindRequest> kindRequest(const ParsedArgs &args, Encoding fallback);
// The same for a kind already found (a saved form names its own).
Expected<KindRequest> kindRequest(const Kind &kind, const ParsedArgs &args, Encoding fallback);

// "YYYY-MM-DD", a real calendar date.
Expected<std::chrono::year_month_day> parseDate(std::string_view text, std::string_view where);

// "CAMP=TEXT" split at the first "=": a field's name or id, and its value.
struct Assignment
{
    std::string id;
    std::string value;
};
Expected<Assignment> parseAssignment(std::string_view text, std::string_view option);

class DocumentFill
{
public:
    DocumentFill(const Kind &kind, std::chrono::year_month_day date);

    // Each takes a field by its name or its id. A text box gets the text as typed; a date picker takes a date
    // "YYYY-MM-DD"; an editable choice list selects the item the text names or else holds the text as typed. Only a
    // large multi-line box takes line breaks; from the command line (`escapes`) "\n" is a line break there and "\\" a
    // backslash. `where` names the option or the CSV cell in messages.
    Problem setText(std::string_view id, std::string_view utf8, std::string_view where, bool escapes = false);
    // Selects the choice-list item with this text (letter case aside when nothing matches exactly).
    Problem choose(std::string_view id, std::string_view itemUtf8, std::string_view where);
    // A CSV cell: a text box takes it as typed; a choice list or a date picker as with choose()
    // and setText(), an empty cell leaving the field as it starts; an editable list takes a text
    // that is none of its items as typed.
    Problem setCell(std::string_view id, std::string_view utf8, std::string_view where);
    // "A|B|C": one line item, one value per column, added at the end of the list. The amount may
    // be left out (quantity × unit price); one given that disagrees with the product is refused.
    Problem addLine(std::string_view valuesUtf8, std::string_view where);
    // One line item given value by value, added at the end as addLine() adds it; `Free` keeps an
    // amount that differs from the product (one the user wrote over it in the window).
    enum class AmountCheck { MustAgree, Free };
    Problem addLineValues(std::vector<std::string> valuesUtf8, std::string_view where,
                          AmountCheck amount = AmountCheck::MustAgree);
    // "A" or "B": the certificate's model.
    Problem setModel(std::string_view letter);
    // What can only be judged once every option is in: a text for the closing sentence of the
    // model not chosen, which the window keeps disabled and the document would silently drop.
    Problem check() const;

    // The form as a saved form keeps it: every field's value, the model, the lines
    // (SavedValues.cpp).
    forms::SavedForm saved() const;
    // A saved form's values, model and lines put into the fields; a field the form no longer has
    // is left out and named in `warnings` (SavedValues.cpp).
    Problem restore(const forms::SavedForm &saved, std::string_view where, std::vector<std::string> &warnings);

    // The document exactly as the "Document" view shows it (Windows-1252, CR LF).
    std::string text() const;
    // The text, and the structure too when `typeset` (the PDF and OpenDocument outputs).
    plecta::MergedDocument merged(bool typeset) const;

private:
    Expected<const forms::Item *> field(std::string_view id, std::string_view where) const;
    Problem typeIntoList(const forms::Item &item, std::string_view utf8, std::string_view where);

    Kind m_kind;
    forms::FormState m_state;
};

} // namespace cli
