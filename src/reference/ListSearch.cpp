#include "reference/ListSearch.h"

#include "reference/Municipalities.h"
#include "reference/ReferenceLists.h"
#include "text/Fold.h"

namespace reflist {

ListSearch::ListSearch(const ReportRows &rows, bool withRunningName)
{
    m_texts.resize(std::size_t(rows.rowCount()));
    m_marked.resize(std::size_t(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        std::string text;
        std::string marked;
        const auto add = [](std::string &to, const std::string &folded) {
            if (folded.empty())
                return;
            if (!to.empty())
                to += ' ';
            to += folded;
        };
        const auto addCell = [&](std::string_view cell) {
            add(text, plecta::foldForSearch(cell));
            add(marked, plecta::foldKeepingMarks(cell));
        };
        for (int column = 0; column < rows.columnCount(); ++column)
            addCell(rows.cellText(row, column));
        if (withRunningName && rows.columnCount() > 0)
            addCell(plecta::runningName(rows.cellText(row, 0)));
        m_texts[std::size_t(rows.origin(row))] = std::move(text);
        m_marked[std::size_t(rows.origin(row))] = std::move(marked);
    }
}

ListSearch::ListSearch(const ReferenceList &list, const ReportRows &rows)
    : ListSearch(rows, list.name == referenceList(ListId::Municipalities).name)
{}

bool ListSearch::matches(int origin, const std::vector<std::string> &words) const
{
    return plecta::containsAllWords(text(origin), words);
}

int ListSearch::rank(int origin, const std::vector<std::string> &words) const
{
    return plecta::matchRank(text(origin), words);
}

bool ListSearch::matches(int origin, const plecta::SearchQuery &query) const
{
    return plecta::containsAllWords(text(origin), query.words) &&
           plecta::holdsMarkedPieces(m_marked[std::size_t(origin)], query);
}

int ListSearch::rank(int origin, const plecta::SearchQuery &query) const
{
    if (!plecta::holdsMarkedPieces(m_marked[std::size_t(origin)], query))
        return -1;
    return plecta::matchRank(text(origin), query.words);
}

std::string groupedNumber(long long value)
{
    const bool negative = value < 0;
    const std::string digits = std::to_string(negative ? -(value + 1) + 1ULL : static_cast<unsigned long long>(value));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string shownCountText(int shown, int total)
{
    return groupedNumber(shown) + " de " + groupedNumber(total);
}

} // namespace reflist
