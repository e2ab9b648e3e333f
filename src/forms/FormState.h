#pragma once
// A form being filled in: what every field holds, the line items and the certificate's model.
// The window's form view and the command line both edit one, and the document is merged from it
// alone, so the same values give the same bytes wherever they were typed.
#include "forms/FormDescription.h"
#include "models/MemoryFieldSource.h"
#include "models/StructuredDocument.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class FormState : public plecta::FieldSource
{
public:
    // The form as it is first shown (FormFields.h says what each field holds then), with `today`
    // in its date fields. The one place a form's initial state is made.
    FormState(const FormDef &form, std::chrono::year_month_day today);

    const FormDef &form() const { return *m_form; }
    // The field with this id that the form has, or nullptr.
    const Item *item(int id) const;

    // Texts are Windows-1252 and have passed the field's input gate; a multi-line box's lines are
    // joined by CR LF.
    void setText(int id, std::string text);
    // A date field: the date, and the long Catalan date text the document takes from it.
    void setDate(int id, std::chrono::year_month_day date);
    std::chrono::year_month_day date(int id) const;

    // A choice list's items in the order it shows them, and the position of the one with this
    // text: exactly, or else letter case aside. nullopt when it has none.
    const std::vector<std::string> &choices(int id) const;
    std::optional<int> findChoice(int id, std::string_view text) const;
    // Selects the item at this position (nullopt: none).
    void select(int id, std::optional<int> position);
    // An editable list given a text: the item with exactly that text is selected, any other text
    // is held as typed, and the document takes it as it is.
    void type(int id, std::string text);
    // Whether an editable list holds typed text rather than one of its items.
    bool holdsTypedText(int id) const;

    // The line items, first line first, as the document lists them.
    const std::vector<std::vector<std::string>> &lines() const;
    // A new line, one value per column, goes in after the others.
    void addLine(std::vector<std::string> values);
    // Every line at once, as a list the user edits holds them.
    void setLines(std::vector<std::vector<std::string>> rows);

    // The certificate: which of its two models is chosen (always A for any other form).
    bool isCertificate() const;
    bool modelA() const { return m_modelA; }
    void setModelA(bool modelA);
    // A field of the closing sentence of the model not chosen that holds text: the window keeps
    // it disabled and the document would silently drop it. nullptr when there is none.
    const Item *textForTheOtherModel() const;

    // The finished document (Windows-1252, CR LF), as the Document view shows it.
    std::string document() const;
    // The same with its paragraph kinds and line table, for the typeset outputs.
    plecta::StructuredDocument structure() const;

    bool operator==(const FormState &other) const;

    // FieldSource: the fields as they are now, for the engine.
    bool hasField(int id) const override;
    bool isLive(int id) const override;
    plecta::FieldKind kind(int id) const override;
    std::string text(int id) const override;
    std::optional<int> selectedItem(int id) const override;
    std::string itemText(int id, int index) const override;
    int rowCount(int id) const override;
    std::string cellText(int id, int row, int column) const override;

private:
    const FormDef *m_form;
    plecta::MemoryFieldSource m_fields;
    std::map<int, std::chrono::year_month_day> m_dates;
    bool m_modelA = true;
};

} // namespace forms
