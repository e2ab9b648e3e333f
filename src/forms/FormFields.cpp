#include "forms/FormFields.h"

#include "forms/Notifications.h"
#include "models/DateText.h"
#include "text/Cp1252.h"

namespace forms {

plecta::MemoryFieldSource initialFields(const FormDef &form, std::chrono::year_month_day today)
{
    std::string dateText, longDateText;
    plecta::MakeDateText(dateText, today);
    plecta::MakeLongDateText(longDateText, today);

    plecta::MemoryFieldSource fields;
    for (const Item &item : form.items) {
        switch (item.kind) {
        case ItemKind::Edit:
        case ItemKind::Box:
        case ItemKind::Today:
            fields.setEdit(item.id, initialText(item, dateText)).kind =
                takesSeveralLines(item) ? plecta::FieldKind::MultiLineText : plecta::FieldKind::OneLineText;
            break;
        case ItemKind::DatePicker: fields.setDatePicker(item.id, longDateText); break;
        case ItemKind::Choice: {
            std::vector<std::string> items;
            for (std::string_view choice : sortedChoices(item.items))
                items.push_back(cp1252::fromUtf8(choice).text);
            const int chosen = initialChoice(item);
            fields.setChoice(item.id, std::move(items), chosen < 0 ? std::nullopt : std::optional(chosen));
            break;
        }
        case ItemKind::LineList: fields.setLineList(item.id, {}); break;
        default: break;
        }
    }
    return fields;
}

plecta::LineTable lineTable(const LineItems &lines)
{
    std::vector<std::string> headings;
    for (const ListColumn &column : lines.columns)
        headings.push_back(cp1252::fromUtf8(column.header).text);
    return {lines.rowTemplate, std::move(headings), lines.quantityColumn,
            lines.priceColumn, lines.amountColumn,  lines.rateFieldId};
}

void generateFormText(const FormDef &form, const plecta::FieldSource &fields, std::string &output)
{
    std::optional<plecta::LineTable> table;
    if (form.lineItems)
        table = lineTable(*form.lineItems);
    plecta::MergeTemplate(NotificationRule(form, fields), fieldNames(form), form.modelId, output, table);
}

plecta::StructuredDocument formStructure(const FormDef &form, const plecta::FieldSource &fields)
{
    std::optional<plecta::LineTable> table;
    if (form.lineItems)
        table = lineTable(*form.lineItems);
    return plecta::MergeStructured(NotificationRule(form, fields), fieldNames(form), form.modelId, table);
}

} // namespace forms
