#include "models/StructuredDocument.h"

#include "models/DocumentModels.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace plecta {
namespace {

// In the merged text a kind token from the model stands as this byte and a letter, and a line
// break the user typed inside a value as the other. The input gate lets no control character into
// a field, so a user's value can never pose as either.
constexpr char kKindMark = '\x1E';
constexpr char kUserBreak = '\x1D';

// The fields as the engine reads them, with the user's own line breaks marked: a paragraph of
// running text keeps them where the model's own line ends flow on.
class MarkedBreaks : public FieldSource
{
public:
    explicit MarkedBreaks(const FieldSource &fields) : m_fields(fields) {}

    bool hasField(int id) const override { return m_fields.hasField(id); }
    bool isLive(int id) const override { return m_fields.isLive(id); }
    FieldKind kind(int id) const override { return m_fields.kind(id); }
    std::string text(int id) const override
    {
        std::string text = m_fields.text(id);
        std::string marked;
        marked.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            marked += text[i] == '\n' ? kUserBreak : text[i];
        }
        return marked;
    }
    std::optional<int> selectedItem(int id) const override { return m_fields.selectedItem(id); }
    std::string itemText(int id, int index) const override { return m_fields.itemText(id, index); }
    int rowCount(int id) const override { return m_fields.rowCount(id); }
    std::string cellText(int id, int row, int column) const override { return m_fields.cellText(id, row, column); }

private:
    const FieldSource &m_fields;
};

std::string withKindMarks(std::string_view model)
{
    std::string marked;
    marked.reserve(model.size());
    std::size_t start = 0;
    while (start < model.size()) {
        std::size_t end = model.find('\n', start);
        end = end == std::string_view::npos ? model.size() : end + 1;
        std::string_view line = model.substr(start, end - start);
        if (const std::size_t token = kindTokenLength(line)) {
            marked += kKindMark;
            marked += char('A' + int(*blockKindNamed(line.substr(1, token - 2))));
            line.remove_prefix(token);
        }
        marked += line;
        start = end;
    }
    return marked;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

DocumentBlock tableBlock(const FieldSource &fields, const LineTable &lineTable)
{
    DocumentBlock block;
    block.kind = BlockKind::Table;
    ItemTable &table = block.table;
    table.headings = lineTable.headings;
    for (std::size_t c = 0; c < table.headings.size(); ++c) {
        const int column = int(c);
        table.numeric.push_back(column == lineTable.quantityColumn || column == lineTable.priceColumn ||
                                column == lineTable.amountColumn);
    }
    const int rows = fields.hasField(kLineListId) && fields.isLive(kLineListId) ? fields.rowCount(kLineListId) : 0;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> cells = documentCells(fields, lineTable, r);
        cells.resize(table.headings.size());
        table.rows.push_back(std::move(cells));
    }
    table.totals = lineTotals(fields, lineTable);
    return block;
}

bool runsOn(BlockKind kind)
{
    return kind == BlockKind::Body || kind == BlockKind::Item || kind == BlockKind::Verb;
}

// A line as its paragraph takes it: the user's line breaks as "\n"; outside the kept lines of a
// Lines block, runs of spaces that lined words up in the text as single spaces.
std::string paragraphLine(std::string_view line, BlockKind kind)
{
    std::string out;
    out.reserve(line.size());
    for (char c : line) {
        if (c == kUserBreak)
            out += '\n';
        else if (c != ' ' || kind == BlockKind::Lines || out.empty() || out.back() != ' ')
            out += c;
    }
    return out;
}

// Joins a line to the paragraph above it: running text flows on, other kinds keep the break.
void continueBlock(DocumentBlock &block, std::string_view line)
{
    const std::string text = paragraphLine(line, block.kind);
    if (block.text.empty())
        block.text = text;
    else if (text.empty())
        block.text += '\n';
    else
        block.text += (runsOn(block.kind) ? " " : "\n") + text;
}

StructuredDocument structureOfMergedText(std::string_view text, const FieldSource *fields,
                                         const std::optional<LineTable> &lineTable)
{
    StructuredDocument document;
    int blankLines = 0;
    bool open = false; // the last block takes further lines
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::optional<BlockKind> kind;
        if (line.size() >= 2 && line[0] == kKindMark) {
            kind = BlockKind(line[1] - 'A');
            line.remove_prefix(2);
        }
        line = trimmed(line);
        if (kind == BlockKind::Table && !(fields && lineTable))
            kind = BlockKind::Lines; // no line list to table: the lines stay as they are
        const bool inTable = open && document.blocks.back().kind == BlockKind::Table;
        if (!kind && line.empty()) {
            ++blankLines;
            open = false;
            continue;
        }
        if (kind == BlockKind::Table && inTable)
            continue;
        if (!kind && open && !inTable) {
            continueBlock(document.blocks.back(), line);
            continue;
        }
        DocumentBlock block = kind == BlockKind::Table ? tableBlock(*fields, *lineTable) : DocumentBlock{};
        if (kind != BlockKind::Table) {
            block.kind = kind.value_or(BlockKind::Lines);
            block.text = paragraphLine(line, block.kind);
        }
        block.blankLinesBefore = blankLines;
        blankLines = 0;
        document.blocks.push_back(std::move(block));
        open = true;
    }
    return document;
}

} // namespace

StructuredDocument MergeStructured(const FieldSource &fields, std::span<const FieldName> names, std::string_view model,
                                   std::optional<LineTable> lineTable)
{
    // The table's rows and totals go into the table block, not into its text lines: without a row
    // template the engine writes neither, so each table line of the model stays one line.
    std::optional<LineTable> noTextRows = lineTable;
    if (noTextRows)
        noTextRows->rowTemplate = {};
    std::string text;
    MergeTemplate(MarkedBreaks(fields), names, withKindMarks(model.substr(0, model.find('\0'))), text, noTextRows);
    return structureOfMergedText(text, &fields, lineTable);
}

StructuredDocument MergeStructured(const FieldSource &fields, std::span<const FieldName> names, int modelId,
                                   std::optional<LineTable> lineTable)
{
    return MergeStructured(fields, names, findDocumentModelMarkup(modelId).value_or(std::string_view()), lineTable);
}

TextSpan performativeVerb(std::string_view text)
{
    const auto isUpper = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return cp1252::toLower(byte) != byte;
    };
    const auto isLower = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return cp1252::toUpper(byte) != byte;
    };
    // Words between spaces; a word in capitals has two capitals or more and no small letter.
    std::size_t start = std::string_view::npos, end = 0;
    std::size_t word = 0;
    while (word < text.size()) {
        std::size_t wordEnd = text.find_first_of(" \n", word);
        wordEnd = wordEnd == std::string_view::npos ? text.size() : wordEnd;
        std::string_view w = text.substr(word, wordEnd - word);
        while (!w.empty() && (w.back() == ',' || w.back() == ':' || w.back() == '.' || w.back() == ';'))
            w.remove_suffix(1);
        const bool capitals =
            std::count_if(w.begin(), w.end(), isUpper) >= 2 && std::none_of(w.begin(), w.end(), isLower);
        if (capitals && (start == std::string_view::npos || end == word - 1)) {
            if (start == std::string_view::npos)
                start = word;
            end = word + w.size();
            if (w.size() < wordEnd - word) // punctuation closes the verb
                break;
        } else if (start != std::string_view::npos) {
            break;
        }
        word = wordEnd + 1;
    }
    if (start == std::string_view::npos)
        return {0, 0};
    return {start, end};
}

StructuredDocument structureOfText(std::string_view cp1252Text)
{
    return structureOfMergedText(cp1252Text, nullptr, std::nullopt);
}

} // namespace plecta
