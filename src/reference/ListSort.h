#pragma once
// Sorting and searching of the reference lists, stated over an abstract list of text rows so
// that the order and the matches can be checked without a window. Cell texts are Windows-1252.

#include <string_view>

namespace reflist {

// What the search needs of a list: its size and the text of a cell in display order.
class ListCells
{
public:
    virtual ~ListCells() = default;
    virtual int columnCount() const = 0;
    virtual int rowCount() const = 0;
    virtual std::string_view cellText(int row, int column) const = 0;
};

// What the sort needs besides: a way to exchange two rows. Swapping two rows moves every cell of
// them and whatever state travels with a row (selected, focused).
class ListRows : public ListCells
{
public:
    virtual void swapRows(int first, int second) = 0;
};

// Orders two keys as their lower-cased Windows-1252 bytes, unsigned, a prefix before any longer
// text. Negative, zero or positive like strcmp.
int compareKeys(std::string_view a, std::string_view b);

// The quicksort of the column-heading click: sorts rows low..high (high = -1: the last row) by
// the lower-cased text of column `column`. Rows with equal keys are never exchanged, so their
// relative order is whatever the partitioning leaves, exactly as the handbook always had it.
// A range reaching outside the list is cut to the rows it has. Returns false when there was
// nothing to do (no such column, fewer than two rows in the range).
bool SortListByColumn(ListRows &list, int column, bool ascending, int low = 0, int high = -1);

enum class MouseButton { Left, Right, Middle };

// Sort state of a sortable list: the column of the last heading click and its order.
struct HeaderSort
{
    int column = -1;
    bool ascending = true;
};

// A click on a column heading: the first click on a column sorts it ascending, each further
// click on the same column reverses the order. Only the left button sorts. Returns whether the
// list was sorted.
bool OnHeaderClick(ListRows &list, HeaderSort &state, int column, MouseButton button);

// Whether a cell begins with the search text: the first size() characters equal it when letter
// case is ignored (Windows-1252 case, accented capitals included). Accents are significant and
// a cell's trailing padding is text like any other.
bool beginsWith(std::string_view cell, std::string_view searchText);

// The search of the first column: the first row after `selectedRow` (-1: none selected, search
// from the top) whose column 0 begins with the search text, or -1. It never wraps around.
int FindInList(const ListCells &list, int selectedRow, std::string_view searchText);

} // namespace reflist
