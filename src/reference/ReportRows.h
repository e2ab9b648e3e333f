#pragma once
// The rows of a reference list: copies of the table texts (padding kept), in display order.

#include "reference/ListSort.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace reflist {

class ReportRows final : public ListRows
{
public:
    explicit ReportRows(int columns) : m_columns(columns < 0 ? 0 : columns) {}

    void reserve(int rows);
    // Appends a row with one text per column (missing texts are empty, extra ones ignored).
    void appendRow(std::initializer_list<std::string_view> texts);
    void clear();

    int columnCount() const override { return m_columns; }
    int rowCount() const override { return int(m_origins.size()); }
    // The empty text for a cell outside the list.
    std::string_view cellText(int row, int column) const override
    {
        if (!hasRow(row) || column < 0 || column >= m_columns)
            return {};
        return m_cells[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)];
    }
    // Exchanges the texts of two rows and their origins; a row outside the list changes nothing.
    void swapRows(int first, int second) override;

    // The position at which the row now shown at `row` was appended (-1 outside the list). A view
    // that keeps row state of its own (selection, focus) follows its rows through a sort by this.
    int origin(int row) const { return hasRow(row) ? m_origins[std::size_t(row)] : -1; }

private:
    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }

    int m_columns;
    std::vector<std::string> m_cells; // row-major
    std::vector<int> m_origins;
};

} // namespace reflist
