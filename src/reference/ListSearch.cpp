#include "reference/ListSearch.h"

#include "reference/Municipalities.h"
#include "reference/ReferenceLists.h"
#include "text/Fold.h"

namespace reflist {

ListSearch::ListSearch(const ReportRows &rows, bool withRunningName)
{
    m_texts.resize(std::size_t(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        std::string text;
        const auto add = [&text](std::string_view cell) {
            const std::string folded = plecta::foldForSearch(cell);
            if (folded.empty())
                return;
            if (!text.empty())
                text += ' ';
            text += folded;
        };
        for (int column = 0; column < rows.columnCount(); ++column)
            add(rows.cellText(row, column));
        if (withRunningName && rows.columnCount() > 0)
            add(plecta::runningName(rows.cellText(row, 0)));
        m_texts[std::size_t(rows.origin(row))] = std::move(text);
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
