#include "models/TemplateEngine.h"

#include "models/Contraction.h"
#include "models/DocumentModels.h"
#include "models/OptionalSegments.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace plecta {

namespace {

constexpr std::string_view kListPlaceholder = "%list%";
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

// The content a field gives the document, or nothing when the field is no value source.
std::optional<std::string> fieldContent(const FieldSource &fields, int id)
{
    if (!fields.hasField(id) || !fields.isLive(id))
        return std::nullopt;
    const std::string kind = fields.className(id);
    if (equalsNoCase(kind, "edit") || equalsNoCase(kind, "static") || equalsNoCase(kind, "SysDateTimePick32"))
        return fields.text(id);
    if (equalsNoCase(kind, "combobox")) {
        const std::optional<int> selected = fields.selectedItem(id);
        return selected ? fields.itemText(id, *selected) : std::string();
    }
    return std::nullopt;
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
void appendRow(const FieldSource &fields, RowTemplate row, int rowIndex, std::string &output)
{
    std::size_t i = 0;
    while (i < row.size()) {
        if (!isMarkerAt(row, i)) {
            output += row[i++];
            continue;
        }
        const std::string value = fields.cellText(kLineListId, rowIndex, row[i + 1] - '0');
        output += value;
        i += kMarkerWidth;
        if (value.size() < kMarkerWidth)
            output.append(kMarkerWidth - value.size(), ' ');
        for (std::size_t excess = value.size() > kMarkerWidth ? value.size() - kMarkerWidth : 0;
             excess > 0 && i < row.size() && row[i] == ' '; --excess)
            ++i;
    }
}

void appendLineList(const FieldSource &fields, std::optional<RowTemplate> rowTemplate, std::string &output)
{
    if (!rowTemplate || !fields.hasField(kLineListId) || !fields.isLive(kLineListId))
        return;
    const int rows = fields.rowCount(kLineListId);
    for (int r = 0; r < rows; ++r)
        appendRow(fields, *rowTemplate, r, output);
}

// The content of the field that the placeholder "%name%" stands for, or nothing.
std::optional<std::string> namedContent(const FieldSource &fields, std::span<const PlaceholderEntry> table,
                                        std::string_view name)
{
    for (const PlaceholderEntry &entry : table) {
        if (entry.placeholder.empty())
            break;
        const std::string_view placeholder = entry.placeholder;
        if (placeholder.size() == name.size() + 2 && equalsNoCase(placeholder.substr(1, name.size()), name))
            if (std::optional<std::string> content = fieldContent(fields, entry.fieldId))
                return content;
    }
    return std::nullopt;
}

} // namespace

void MergeTemplate(const FieldSource &fields, std::span<const PlaceholderEntry> table, int modelId, std::string &output,
                   std::optional<RowTemplate> rowTemplate)
{
    MergeTemplate(fields, table, findDocumentModel(modelId).value_or(std::string_view()), output, rowTemplate);
}

void MergeTemplate(const FieldSource &fields, std::span<const PlaceholderEntry> table, std::string_view model,
                   std::string &output, std::optional<RowTemplate> rowTemplate)
{
    output.clear();
    const std::string resolved = resolveOptionalSegments(
        model.substr(0, model.find('\0')), [&](std::string_view name) { return namedContent(fields, table, name); });
    model = resolved;
    output.reserve(model.size() * 2);
    std::size_t modelTextStart = 0; // where the model's text after the last value begins

    std::size_t p = 0;
    while (p < model.size()) {
        const std::string_view rest = model.substr(p);
        if (rest.front() != '%') {
            // Copy the whole run up to the next "%" at once.
            const std::size_t run = std::min(rest.find('%'), rest.size());
            output.append(rest.substr(0, run));
            p += run;
            continue;
        }
        if (startsWithNoCase(rest, kListPlaceholder)) {
            appendLineList(fields, rowTemplate, output);
            modelTextStart = output.size();
            p += kListPlaceholder.size();
            continue;
        }
        bool taken = false;
        for (const PlaceholderEntry &entry : table) {
            if (entry.placeholder.empty())
                break;
            if (!startsWithNoCase(rest, entry.placeholder))
                continue;
            if (std::optional<std::string> content = fieldContent(fields, entry.fieldId)) {
                // What the user typed is never scanned for placeholders.
                appendFieldValue(output, modelTextStart, *content, rest.substr(entry.placeholder.size()));
                modelTextStart = output.size();
                p += entry.placeholder.size();
                taken = true;
                break;
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
