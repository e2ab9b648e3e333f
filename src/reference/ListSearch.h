#pragma once
// Find as you type: which rows of a reference list answer a query, by the search fold. A row is
// searched by all its columns; a municipality's row also by its name in running form, so that
// "l'hospitalet" finds "Hospitalet de Llobregat, l'".

#include "reference/ReportRows.h"
#include "text/Fold.h"

#include <string>
#include <string_view>
#include <vector>

namespace reflist {

struct ReferenceList;

// The folded texts of a list's rows, kept by the position at which each row was appended, so
// that a filter follows the rows through any sort of the list.
class ListSearch
{
public:
    ListSearch() = default;
    // `withRunningName`: column 0 is a municipality's name, searched in its running form too.
    ListSearch(const ReportRows &rows, bool withRunningName);
    ListSearch(const ReferenceList &list, const ReportRows &rows);

    int size() const { return int(m_texts.size()); }
    // The folded text of the row appended at `origin`.
    const std::string &text(int origin) const { return m_texts[std::size_t(origin)]; }

    // Whether the row appended at `origin` holds every word (no words: every row does).
    bool matches(int origin, const std::vector<std::string> &words) const;
    // Its rank as plecta::matchRank gives it: 0 best, -1 no match.
    int rank(int origin, const std::vector<std::string> &words) const;

    // The same for a query with its marked pieces ("c/"), which the row must hold with their marks.
    bool matches(int origin, const plecta::SearchQuery &query) const;
    int rank(int origin, const plecta::SearchQuery &query) const;

private:
    std::vector<std::string> m_texts;
    std::vector<std::string> m_marked; // the same texts folded with "/" and "." kept
};

// A count with the thousands grouped by dots, as Catalan writes it: 3523 -> "3.523".
std::string groupedNumber(long long value);
// What a filtered list says it shows: "23 de 3.523".
std::string shownCountText(int shown, int total);

} // namespace reflist
