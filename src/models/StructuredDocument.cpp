#include "models/StructuredDocument.h"

#include "models/DocumentModels.h"

#include <array>

namespace plecta {
namespace {

// In the merged text a kind token from the model stands as this byte and a letter. The input gate
// lets no control character into a field, so a user's value can never pose as one.
constexpr char kKindMark = '\x1E';

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

// Joins a line to the paragraph above it: running text flows on, other kinds keep the break.
void continueBlock(DocumentBlock &block, std::string_view line)
{
    if (block.text.empty())
        block.text = line;
    else if (line.empty())
        block.text += '\n';
    else
        block.text += (block.kind == BlockKind::Body || block.kind == BlockKind::Item ? " " : "\n") + std::string(line);
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
            block.text = line;
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
    MergeTemplate(fields, names, withKindMarks(model.substr(0, model.find('\0'))), text, noTextRows);
    return structureOfMergedText(text, &fields, lineTable);
}

StructuredDocument MergeStructured(const FieldSource &fields, std::span<const FieldName> names, int modelId,
                                   std::optional<LineTable> lineTable)
{
    return MergeStructured(fields, names, findDocumentModelMarkup(modelId).value_or(std::string_view()), lineTable);
}

StructuredDocument structureOfText(std::string_view cp1252Text)
{
    return structureOfMergedText(cp1252Text, nullptr, std::nullopt);
}

} // namespace plecta
