#include "forms/FormState.h"

#include "forms/Certificate.h"
#include "forms/CommercialForms.h"
#include "forms/FormFields.h"
#include "models/DateText.h"
#include "text/Cp1252.h"

namespace forms {

FormState::FormState(const FormDef &form, std::chrono::year_month_day today)
    : m_form(&form), m_fields(initialFields(form, today))
{
    for (const Item &item : form.items) {
        if (item.kind == ItemKind::DatePicker)
            m_dates[item.id] = today;
        if (item.kind == ItemKind::Radio && item.id == kCertModelBRadio && item.checked)
            m_modelA = false;
    }
}

const Item *FormState::item(int id) const
{
    for (const Item &item : m_form->items) {
        if (item.id == id && isField(item))
            return &item;
    }
    return nullptr;
}

void FormState::setText(int id, std::string text)
{
    if (plecta::MemoryField *field = m_fields.field(id))
        field->text = std::move(text);
}

void FormState::setDate(int id, std::chrono::year_month_day date)
{
    plecta::MemoryField *field = m_fields.field(id);
    if (!field || field->kind != plecta::FieldKind::Date)
        return;
    plecta::MakeLongDateText(field->text, date);
    m_dates[id] = date;
}

std::chrono::year_month_day FormState::date(int id) const
{
    const auto found = m_dates.find(id);
    return found == m_dates.end() ? std::chrono::year_month_day{} : found->second;
}

const std::vector<std::string> &FormState::choices(int id) const
{
    static const std::vector<std::string> none;
    const plecta::MemoryField *field = m_fields.field(id);
    return field ? field->items : none;
}

std::optional<int> FormState::findChoice(int id, std::string_view text) const
{
    const std::vector<std::string> &items = choices(id);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return int(i);
    }
    const std::string lower = cp1252::toLower(std::string(text));
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (cp1252::toLower(items[i]) == lower)
            return int(i);
    }
    return std::nullopt;
}

void FormState::select(int id, std::optional<int> position)
{
    plecta::MemoryField *field = m_fields.field(id);
    if (!field || (position && (*position < 0 || std::size_t(*position) >= field->items.size())))
        return;
    field->selected = position;
    field->kind = plecta::FieldKind::Choice;
    field->text.clear();
}

void FormState::type(int id, std::string text)
{
    plecta::MemoryField *field = m_fields.field(id);
    if (!field)
        return;
    for (std::size_t i = 0; i < field->items.size(); ++i) {
        if (field->items[i] == text)
            return select(id, int(i));
    }
    // Typed text is what the list's edit box holds, and what the document takes from it.
    field->kind = plecta::FieldKind::EditableChoice;
    field->selected.reset();
    field->text = std::move(text);
}

bool FormState::holdsTypedText(int id) const
{
    return m_fields.kind(id) == plecta::FieldKind::EditableChoice;
}

const std::vector<std::vector<std::string>> &FormState::lines() const
{
    static const std::vector<std::vector<std::string>> none;
    const plecta::MemoryField *list = m_fields.field(plecta::kLineListId);
    return list ? list->rows : none;
}

void FormState::addLine(std::vector<std::string> values)
{
    if (plecta::MemoryField *list = m_fields.field(plecta::kLineListId))
        list->rows.push_back(std::move(values));
}

void FormState::setLines(std::vector<std::vector<std::string>> rows)
{
    if (plecta::MemoryField *list = m_fields.field(plecta::kLineListId))
        list->rows = std::move(rows);
}

bool FormState::isCertificate() const
{
    return m_form == &kCertificat;
}

void FormState::setModelA(bool modelA)
{
    if (isCertificate())
        m_modelA = modelA;
}

const Item *FormState::textForTheOtherModel() const
{
    if (!isCertificate())
        return nullptr;
    const CertificateModel model = certificateModel(m_modelA);
    for (const Item &item : m_form->items) {
        if (isField(item) && item.group == model.disabledGroup && !m_fields.text(item.id).empty())
            return &item;
    }
    return nullptr;
}

std::string FormState::document() const
{
    std::string out;
    if (isCertificate())
        generateCertificateText(*m_form, *this, m_modelA, out);
    else
        generateFormText(*m_form, *this, out);
    return out;
}

plecta::StructuredDocument FormState::structure() const
{
    return isCertificate() ? certificateStructure(*m_form, *this, m_modelA) : formStructure(*m_form, *this);
}

bool FormState::operator==(const FormState &other) const
{
    return m_form == other.m_form && m_fields == other.m_fields && m_dates == other.m_dates &&
           m_modelA == other.m_modelA;
}

bool FormState::hasField(int id) const
{
    return m_fields.hasField(id);
}

bool FormState::isLive(int id) const
{
    return m_fields.isLive(id);
}

plecta::FieldKind FormState::kind(int id) const
{
    return m_fields.kind(id);
}

std::string FormState::text(int id) const
{
    return m_fields.text(id);
}

std::optional<int> FormState::selectedItem(int id) const
{
    return m_fields.selectedItem(id);
}

std::string FormState::itemText(int id, int index) const
{
    return m_fields.itemText(id, index);
}

int FormState::rowCount(int id) const
{
    return m_fields.rowCount(id);
}

std::string FormState::cellText(int id, int row, int column) const
{
    return m_fields.cellText(id, row, column);
}

} // namespace forms
