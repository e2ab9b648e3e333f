#pragma once
// One search over the whole handbook: the vocabulary, the abbreviations, the symbols, the
// municipalities, the comarques, the sentences of the protocol treatments and the document kinds
// of both catalogues, each folded once.

#include "reference/ListSearch.h"
#include "reference/ReportRows.h"
#include "text/Fold.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {
struct DocListEntry;
}

namespace reflist {

// The parts of the handbook, in the order the search gives its hits when they rank alike.
enum class HandbookPart { Vocabulary, Abbreviations, Symbols, Municipalities, Comarques, Treatments, Documents };
inline constexpr std::array kHandbookParts = {
    HandbookPart::Vocabulary, HandbookPart::Abbreviations, HandbookPart::Symbols,  HandbookPart::Municipalities,
    HandbookPart::Comarques,  HandbookPart::Treatments,    HandbookPart::Documents};

// The part's name on the command line ("vocabulary", ..., "treatments", "documents").
std::string_view partName(HandbookPart part);
std::optional<HandbookPart> partByName(std::string_view name);
// The part's heading in the results (UTF-8), as the windows name it: "Municipis".
std::string_view partTitle(HandbookPart part);

// How a row answers a query, best first.
enum HitRank : int {
    ExactKey = 0,   // the query is the row's headword, abbreviation, symbol or name
    WholeWords = 1, // every word of the query is a whole word of the row
    WordStarts = 2, // every word begins a word of the row
    InsideWords = 3 // some word is found only inside a word
};

struct HandbookHit
{
    HandbookPart part;
    int row;  // in the part's table order
    int rank; // a HitRank
};

// The treatments text as rows of three columns: form of address, its abbreviations and one
// sentence of the offices column (treatments::TreatmentEntry), Windows-1252.
struct TreatmentsRows
{
    ReportRows rows{3};
    std::vector<int> lines; // the line of the text each row begins on, counted from 0
};
TreatmentsRows treatmentsRows();

// Where a document kind of the search lives.
struct DocumentKindPlace
{
    int catalogue; // 0: the commercial texts, 1: the public administration
    const forms::DocListEntry *entry;
};
// The kinds of both catalogues, commercial first, in the trees' order: the document kinds rows.
std::vector<DocumentKindPlace> documentKinds();

class HandbookIndex
{
public:
    HandbookIndex();

    // A part's rows in table order; the lists' cells keep their padding. The document kinds have
    // two columns, the kind's name and its description (blanks made single spaces).
    const ReportRows &rows(HandbookPart part) const { return m_parts[index(part)].rows; }
    // The line of the treatments text a treatments row begins on.
    int treatmentsLine(int row) const { return m_treatmentLines[std::size_t(row)]; }
    // The catalogue and the catalogue row of a document kinds row.
    DocumentKindPlace documentKind(int row) const { return m_kinds[std::size_t(row)]; }

    // Every row of the parts asked for that holds all the words and the marked pieces of the
    // query (none when there are no words). In table order: grouped by part in the order of
    // HandbookPart, rows in table order. With `bestFirst`: within a part by rank, then the shorter
    // row first (the closer match), then table order; and the parts ordered by their best hit,
    // alike ones in the order of HandbookPart, so an exact headword or abbreviation comes first.
    std::vector<HandbookHit> search(const plecta::SearchQuery &query, std::span<const HandbookPart> parts,
                                    bool bestFirst) const;
    // The same for folded words alone, with no marked pieces.
    std::vector<HandbookHit> search(const std::vector<std::string> &words, std::span<const HandbookPart> parts,
                                    bool bestFirst) const;

private:
    static std::size_t index(HandbookPart part) { return static_cast<std::size_t>(part); }
    // How a row answers the query; `key` is the query as a row's keys are compared with it.
    int rank(HandbookPart part, int row, const plecta::SearchQuery &query, const std::string &key) const;

    // A row's keys: the texts that, typed whole, make it an exact hit, folded both ways.
    struct Key
    {
        std::string plain;
        std::string marked;
    };
    struct Part
    {
        ReportRows rows{0};
        ListSearch search;
        std::vector<std::vector<Key>> keys; // by row
    };
    std::array<Part, kHandbookParts.size()> m_parts;
    std::vector<int> m_treatmentLines;
    std::vector<DocumentKindPlace> m_kinds;
};

} // namespace reflist
