// Fuzz target for the template engine: random model bytes, placeholder tables, field texts and
// kinds, line lists and row templates. Besides memory and undefined-behaviour faults it checks
// that a merge is repeatable, that a model without "%" comes out unchanged, and that a table row
// never loses a value or a separator.

#include "models/DocumentModels.h"
#include "models/MemoryFieldSource.h"
#include "models/StructuredDocument.h"
#include "models/TemplateEngine.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using namespace plecta;

namespace {

// Reads the fuzzer's bytes as a recipe; running dry gives zeros and empty texts, so every input is
// a valid recipe.
class Recipe
{
public:
    Recipe(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::string chunk(std::size_t maxLength)
    {
        const std::size_t wanted = byte() % (maxLength + 1);
        const std::size_t length = std::min(wanted, m_size - m_pos);
        std::string text(reinterpret_cast<const char *>(m_data + m_pos), length);
        m_pos += length;
        return text;
    }

    std::string rest()
    {
        std::string text(reinterpret_cast<const char *>(m_data + m_pos), m_size - m_pos);
        m_pos = m_size;
        return text;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "engine fuzz: %s\n", what);
        std::abort();
    }
}

constexpr const char *kNames[] = {"nom", "nom_2", "NOM", "municipi", "list", "%", "data", "", "Codi_Postal"};
constexpr FieldKind kKinds[] = {FieldKind::None,      FieldKind::OneLineText, FieldKind::MultiLineText,
                                FieldKind::FixedText, FieldKind::Choice,      FieldKind::EditableChoice,
                                FieldKind::Date,      FieldKind::LineList};

bool hasLoneReturn(std::string_view text)
{
    for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != '\n')
            return true;
    }
    return false;
}

// The rows of a one-row list must keep, in order, every value and every template character that
// is neither a padding space nor part of a marker.
void checkRow(const std::string &row, RowTemplate tmpl, const MemoryFieldSource &fields)
{
    std::size_t at = 0;
    bool endsWithPlainCharacter = false;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        const bool marker =
            i + 3 <= tmpl.size() && tmpl[i] == '%' && tmpl[i + 1] >= '0' && tmpl[i + 1] <= '9' && tmpl[i + 2] == '%';
        endsWithPlainCharacter = !marker && tmpl[i] != ' ';
        if (marker) {
            const std::string value = fields.cellText(kLineListId, 0, tmpl[i + 1] - '0');
            at = row.find(value, at);
            require(at != std::string::npos, "a cell value is missing from its row");
            at += value.size();
            i += 2;
        } else if (tmpl[i] != ' ') {
            at = row.find(tmpl[i], at);
            require(at != std::string::npos, "a template character is missing from the row");
            ++at;
        }
    }
    if (endsWithPlainCharacter)
        require(row.back() == tmpl.back(), "the row lost its end");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Recipe recipe(data, size);
    const std::uint8_t flags = recipe.byte();
    const bool rowOnly = flags & 0x08;

    std::vector<std::string> names;
    std::vector<int> ids;
    for (int n = recipe.byte() % 9; n > 0; --n) {
        const std::uint8_t pick = recipe.byte();
        names.push_back(pick < 200 ? std::string(kNames[pick % std::size(kNames)]) : recipe.chunk(12));
        const int id = recipe.byte() % 8;
        ids.push_back(id == 7 ? kLineListId : id);
    }
    std::vector<FieldName> table;
    for (std::size_t i = 0; i < names.size() && !rowOnly; ++i)
        table.push_back({names[i], ids[i]});

    MemoryFieldSource fields;
    for (int id = 0; id < 7; ++id) {
        const std::uint8_t kind = recipe.byte();
        if (kind % 10 == 9)
            continue; // missing
        MemoryField field;
        field.kind = kKinds[kind % 10 % std::size(kKinds)];
        field.live = kind % 10 != 8;
        field.text = recipe.chunk(40);
        for (int n = recipe.byte() % 4; n > 0; --n)
            field.items.push_back(recipe.chunk(16));
        if (const std::uint8_t selected = recipe.byte(); selected % 6 != 5)
            field.selected = selected % 6 - 1;
        fields.set(id, std::move(field));
    }

    std::vector<std::vector<std::string>> lines(rowOnly ? 1 : recipe.byte() % 6);
    for (auto &line : lines)
        for (int n = recipe.byte() % 7; n > 0; --n)
            line.push_back(recipe.chunk(48));
    if (flags & 0x02) {
        fields.setLineList(kLineListId, lines);
        fields.field(kLineListId)->live = !(flags & 0x04);
    }

    std::string rowTemplate;
    switch (recipe.byte() % 4) {
    case 0: rowTemplate = kDeliveryNoteRowTemplate; break;
    case 1: rowTemplate = kOrderRowTemplate; break;
    default: rowTemplate = recipe.chunk(120);
    }
    std::optional<LineTable> row;
    if ((flags & 0x01) || rowOnly)
        row = LineTable(rowTemplate, {"a", "b", "c", "d", "e"}, 0, 2, 3, 1);

    const std::string model = rowOnly ? std::string("%list%") : recipe.rest();

    std::string first, second;
    MergeTemplate(fields, table, model, first, row);
    MergeTemplate(fields, table, model, second, row);
    require(first == second, "two merges of the same fields differ");

    const std::string text = model.substr(0, model.find('\0'));
    // Braces are the models' markup (optional segments, paragraph kinds), which the merge removes.
    if (text.find_first_of("%{") == std::string::npos)
        require(first == text, "a model without placeholders or markup changed");
    // The structured merge reads the same model; its paragraphs hold no line ends of their own. A
    // lone carriage return, which no model or gated field holds, is text like any other, and
    // before a line end it would look like one.
    bool loneReturn = hasLoneReturn(model) || hasLoneReturn(rowTemplate);
    for (int id = 0; id < 7; ++id) {
        loneReturn = loneReturn || hasLoneReturn(fields.text(id));
        if (const MemoryField *field = fields.field(id)) {
            for (const std::string &item : field->items)
                loneReturn = loneReturn || hasLoneReturn(item);
        }
    }
    for (const auto &line : lines)
        for (const std::string &cell : line)
            loneReturn = loneReturn || hasLoneReturn(cell);
    for (const DocumentBlock &block : MergeStructured(fields, table, model, row).blocks)
        require(loneReturn || block.text.find('\r') == std::string::npos, "a paragraph kept a carriage return");
    if (rowOnly && (flags & 0x02) && !(flags & 0x04))
        checkRow(first, rowTemplate, fields);

    // The compiled-in models by id, with the same fields.
    MergeTemplate(fields, table, 160 + flags % 32, second, row);
    return 0;
}
