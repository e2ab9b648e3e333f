#include "reference/ListSort.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <string>

namespace reflist {
namespace {

unsigned char lowered(char c)
{
    return cp1252::toLower(static_cast<unsigned char>(c));
}

} // namespace

int compareKeys(std::string_view a, std::string_view b)
{
    // Lower-cases as it goes rather than copying: the sort reads keys from the list each time.
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = lowered(a[i]);
        const unsigned char y = lowered(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SortListByColumn(ListRows &list, int column, bool ascending, int low, int high)
{
    if (column < 0 || column >= list.columnCount())
        return false;
    // The range is kept inside the list, whatever the caller asks.
    const int last = list.rowCount() - 1;
    if (high == -1 || high > last)
        high = last;
    low = std::max(low, 0);
    int lo = low;
    int hi = high;
    if (hi <= lo)
        return false;

    // The pivot is taken once; the rows it came from may move while partitioning.
    const std::string pivot(list.cellText((lo + hi) / 2, column));
    auto key = [&](int row) { return list.cellText(row, column); };
    // before(k): k belongs before the pivot in the order asked for.
    auto before = [&](std::string_view k) {
        const int c = compareKeys(k, pivot);
        return ascending ? c < 0 : c > 0;
    };
    auto after = [&](std::string_view k) {
        const int c = compareKeys(k, pivot);
        return ascending ? c > 0 : c < 0;
    };

    while (lo <= hi) {
        while (lo < high && before(key(lo)))
            ++lo;
        while (hi > low && after(key(hi)))
            --hi;
        if (lo <= hi) {
            if (compareKeys(key(lo), key(hi)) != 0)
                list.swapRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        SortListByColumn(list, column, ascending, low, hi);
    if (lo < high)
        SortListByColumn(list, column, ascending, lo, high);
    return true;
}

bool OnHeaderClick(ListRows &list, HeaderSort &state, int column, MouseButton button)
{
    if (button != MouseButton::Left)
        return false;
    state.ascending = column != state.column ? true : !state.ascending;
    state.column = column;
    return SortListByColumn(list, column, state.ascending, 0, -1);
}

bool beginsWith(std::string_view cell, std::string_view searchText)
{
    if (cell.size() < searchText.size())
        return false;
    return compareKeys(cell.substr(0, searchText.size()), searchText) == 0;
}

int FindInList(const ListCells &list, int selectedRow, std::string_view searchText)
{
    const int rows = list.rowCount();
    if (selectedRow >= rows)
        return -1;
    for (int row = std::max(selectedRow, -1) + 1; row < rows; ++row) {
        if (beginsWith(list.cellText(row, 0), searchText))
            return row;
    }
    return -1;
}

} // namespace reflist
