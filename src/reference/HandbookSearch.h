#pragma once
// One search over the whole handbook: the vocabulary, the abbreviations, the symbols, the
// municipalities, the comarques and the lines of the protocol treatments, each folded once.

#include "reference/ListSearch.h"
#include "reference/ReportRows.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reflist {

// The parts of the handbook, in the order the search gives its hits.
enum class HandbookPart { Vocabulary, Abbreviations, Symbols, Municipalities, Comarques, Treatments };
inline constexpr std::array kHandbookParts = {HandbookPart::Vocabulary, HandbookPart::Abbreviations,
                                              HandbookPart::Symbols,    HandbookPart::Municipalities,
                                              HandbookPart::Comarques,  HandbookPart::Treatments};

// The part's name on the command line ("vocabulary", ..., "treatments").
std::string_view partName(HandbookPart part);
std::optional<HandbookPart> partByName(std::string_view name);

struct HandbookHit
{
    HandbookPart part;
    int row;  // in the part's table order (for the treatments, its row of treatmentsRows)
    int rank; // as plecta::matchRank: 0 best
};

// The treatments text as rows of one column: each line that holds something, with its tabs and
// runs of spaces made single spaces and none at either end.
struct TreatmentsRows
{
    ReportRows rows{1};
    std::vector<int> lines; // the line of the text each row comes from, counted from 0
};
TreatmentsRows treatmentsRows();

class HandbookIndex
{
public:
    HandbookIndex();

    // A part's rows in table order; the lists' cells keep their padding.
    const ReportRows &rows(HandbookPart part) const { return m_parts[index(part)].rows; }
    // The line of the treatments text a treatments row comes from.
    int treatmentsLine(int row) const { return m_treatmentLines[std::size_t(row)]; }

    // Every row of the parts asked for that holds all the words (none when there are no words),
    // grouped by part in the order of HandbookPart; within a part in table order, or with
    // `bestFirst` by rank, then the shorter row first (the closer match), then table order.
    std::vector<HandbookHit> search(const std::vector<std::string> &words, std::span<const HandbookPart> parts,
                                    bool bestFirst) const;

private:
    static std::size_t index(HandbookPart part) { return static_cast<std::size_t>(part); }

    struct Part
    {
        ReportRows rows{0};
        ListSearch search;
    };
    std::array<Part, kHandbookParts.size()> m_parts;
    std::vector<int> m_treatmentLines;
};

} // namespace reflist
