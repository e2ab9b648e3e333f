#pragma once
// A finished document with its structure, for the typeset outputs (PDF, print, OpenDocument):
// paragraphs of a kind and the table of line items with its totals. The models say the kind of
// a line with a token at its start, "{verb}DENUNCIO"; the text output drops the tokens, so a
// model's text is the same with or without them. Texts are Windows-1252.
//
// The kinds a model may name (BlockKinds.h):
//   text       lines kept as they are, as a block without a token shows them
//   title      the document's name or subject, set large and bold
//   heading    a section heading (the minutes' "Ordre del dia"), bold
//   verb       the paragraph of the performative verb ("EXPOSO", "DECLARO, sota la meva
//              responsabilitat..."): the verb in bold, the rest runs on as body text
//   body       running text: the block's lines flow into one paragraph, justified; line breaks
//              the user typed inside a value are kept
//   item       one entry of a list
//   place      place and date
//   signature  the signer, below the space left to sign
//   addressee  the body or person the document goes to, at the foot
//   table      the lines that draw the line items' table in text (borders, headings, rows,
//              totals): the typeset outputs show a real table instead
// A line without a token continues the paragraph of the line above it; after a blank line, the
// lines without a token keep their line breaks as the text has them.

#include "models/BlockKinds.h"
#include "models/FieldSource.h"
#include "models/LineTable.h"
#include "models/TemplateEngine.h"
#include "text/Fold.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plecta {

struct ItemTable
{
    std::vector<std::string> headings;
    std::vector<bool> numeric; // per column: a number, aligned right
    std::vector<std::vector<std::string>> rows;
    std::vector<TotalsLine> totals;
};

struct DocumentBlock
{
    BlockKind kind = BlockKind::Lines;
    int blankLinesBefore = 0; // the blank lines that stand before it in the text
    std::string text;         // "\n" where a line break is kept
    ItemTable table;          // for Table
};

struct StructuredDocument
{
    std::vector<DocumentBlock> blocks;
};

// A finished document in both forms: its text (Windows-1252, CR LF) and, for the typeset
// outputs, its structure.
struct MergedDocument
{
    std::string text;
    StructuredDocument structure;
};

// The model merged as MergeTemplate merges it, with its structure kept.
StructuredDocument MergeStructured(const FieldSource &fields, std::span<const FieldName> names, std::string_view model,
                                   std::optional<LineTable> lineTable = std::nullopt);
StructuredDocument MergeStructured(const FieldSource &fields, std::span<const FieldName> names, int modelId,
                                   std::optional<LineTable> lineTable = std::nullopt);

// The performative verb of a verb paragraph, set in bold: its first run of words in capitals
// ("SOL·LICITO" in "Per això, SOL·LICITO"; "FORMULO RECURS D'ALÇADA" before its comma). Empty
// ({0, 0}) when the paragraph has none.
TextSpan performativeVerb(std::string_view cp1252Text);

// A document with no structure but its lines (a text from elsewhere): one Lines block per run of
// lines between blank lines.
StructuredDocument structureOfText(std::string_view cp1252Text);

} // namespace plecta
