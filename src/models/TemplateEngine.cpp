#include "models/TemplateEngine.h"

#include "models/BlockKinds.h"
#include "models/Contraction.h"
#include "models/DateText.h"
#include "models/DocumentModels.h"
#include "models/OptionalSegments.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace plecta {

namespace {

constexpr std::string_view kListPlaceholder = "%list%";
constexpr std::string_view kTotalsPlaceholder = "%totals%";
constexpr std::size_t kMarkerWidth = 3; // "%0%": also the width a short cell value is padded to

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return cp1252::toLower(static_cast<unsigned char>(a)) == cp1252::toLower(static_cast<unsigned char>(b));
           });
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && startsWithNoCase(a, b);
}

} // namespace

std::optional<std::string> fieldContent(const FieldSource &fields, int id)
{
    if (!fields.hasField(id) || !fields.isLive(id))
        return std::nullopt;
    switch (fields.kind(id)) {
    case FieldKind::OneLineText:
    case FieldKind::MultiLineText:
    case FieldKind::FixedText:
    case FieldKind::EditableChoice: return fields.text(id);
    case FieldKind::Date: // the picker may show the weekday; documents do not
        return std::string(withoutWeekday(fields.text(id)));
    case FieldKind::Choice: {
        const std::optional<int> selected = fields.selectedItem(id);
        return selected ? fields.itemText(id, *selected) : std::string();
    }
    case FieldKind::LineList:
    case FieldKind::None: break;
    }
    return std::nullopt;
}

namespace {

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The length of the placeholder that starts the text, both "%" included; 0 when the text does not
// start with one.
std::size_t placeholderLength(std::string_view text)
{
    std::size_t end = 1;
    while (end < text.size() && isNameCharacter(text[end]))
        ++end;
    return end > 1 && end < text.size() && text[end] == '%' ? end + 1 : 0;
}

bool isMarkerAt(std::string_view row, std::size_t i)
{
    return i + kMarkerWidth <= row.size() && row[i] == '%' && row[i + 1] >= '0' && row[i + 1] <= '9' &&
           row[i + 2] == '%';
}

// One table row. A value of up to three characters is padded to the marker's width, so rows whose
// values fit keep the template's length and their separators line up. A longer value takes the
// place of the padding spaces after its marker, but never of a separator, another marker or the
// line end: those follow the value, so the row grows instead of losing data.
void appendRow(const FieldSource &fields, const LineTable &table, int rowIndex, std::string &output)
{
    const RowTemplate row = table.rowTemplate;
    const std::vector<std::string> cells = documentCells(fields, table, rowIndex);
    std::size_t i = 0;
    while (i < row.size()) {
        if (!isMarkerAt(row, i)) {
            output += row[i++];
            continue;
        }
        const std::size_t column = std::size_t(row[i + 1] - '0');
        const std::string value =
            column < cells.size() ? cells[column] : fields.cellText(kLineListId, rowIndex, int(column));
        output += value;
        i += kMarkerWidth;
        if (value.size() < kMarkerWidth)
            output.append(kMarkerWidth - value.size(), ' ');
        for (std::size_t excess = value.size() > kMarkerWidth ? value.size() - kMarkerWidth : 0;
             excess > 0 && i < row.size() && row[i] == ' '; --excess)
            ++i;
    }
}

bool hasLineList(const FieldSource &fields, const std::optional<LineTable> &table)
{
    return table && !table->rowTemplate.empty() && fields.hasField(kLineListId) && fields.isLive(kLineListId);
}

// The content of the field that the placeholder "%name%" stands for, or nothing.
std::optional<std::string> namedContent(const FieldSource &fields, std::span<const FieldName> names,
                                        std::string_view name)
{
    for (const FieldName &field : names) {
        if (equalsNoCase(field.name, name))
            return fieldContent(fields, field.fieldId);
    }
    return std::nullopt;
}

} // namespace

void MergeTemplate(const FieldSource &fields, std::span<const FieldName> names, int modelId, std::string &output,
                   std::optional<LineTable> lineTable)
{
    MergeTemplate(fields, names, findDocumentModel(modelId).value_or(std::string_view()), output, lineTable);
}

void MergeTemplate(const FieldSource &fields, std::span<const FieldName> names, std::string_view model,
                   std::string &output, std::optional<LineTable> lineTable)
{
    output.clear();
    const std::string resolved = resolveOptionalSegments(
        model.substr(0, model.find('\0')), [&](std::string_view name) { return namedContent(fields, names, name); });
    model = resolved;
    output.reserve(model.size() * 2);
    std::size_t modelTextStart = 0; // where the model's text after the last value begins

    std::size_t p = 0;
    while (p < model.size()) {
        const std::string_view rest = model.substr(p);
        if (rest.front() == '{' && (p == 0 || model[p - 1] == '\n')) {
            // A paragraph kind for the typeset outputs: the text has no use for it.
            if (const std::size_t token = kindTokenLength(rest)) {
                p += token;
                continue;
            }
        }
        if (rest.front() != '%') {
            // Copy the whole run up to the next "%" or line-start "{" at once.
            std::size_t run = std::min(rest.find('%'), rest.size());
            for (std::size_t brace = rest.find("\n{"); brace < run; brace = rest.find("\n{", brace + 1))
                run = brace + 1;
            output.append(rest.substr(0, std::max<std::size_t>(run, 1)));
            p += std::max<std::size_t>(run, 1);
            continue;
        }
        if (startsWithNoCase(rest, kListPlaceholder)) {
            if (hasLineList(fields, lineTable)) {
                for (int r = 0, rows = fields.rowCount(kLineListId); r < rows; ++r)
                    appendRow(fields, *lineTable, r, output);
            }
            modelTextStart = output.size();
            p += kListPlaceholder.size();
            continue;
        }
        if (startsWithNoCase(rest, kTotalsPlaceholder)) {
            if (hasLineList(fields, lineTable))
                output += totalsText(fields, *lineTable);
            modelTextStart = output.size();
            p += kTotalsPlaceholder.size();
            continue;
        }
        bool taken = false;
        if (const std::size_t length = placeholderLength(rest); length > 0) {
            if (std::optional<std::string> content = namedContent(fields, names, rest.substr(1, length - 2))) {
                // What the user typed is never scanned for placeholders.
                appendFieldValue(output, modelTextStart, *content, rest.substr(length));
                modelTextStart = output.size();
                p += length;
                taken = true;
            }
        }
        if (!taken) {
            // Nobody takes it: the "%" goes out as it stands and scanning resumes after it.
            output += '%';
            ++p;
        }
    }
}

} // namespace plecta
