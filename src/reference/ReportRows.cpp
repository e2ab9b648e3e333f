#include "reference/ReportRows.h"

#include <utility>

namespace reflist {

void ReportRows::reserve(int rows)
{
    m_cells.reserve(std::size_t(rows) * std::size_t(m_columns));
    m_origins.reserve(std::size_t(rows));
}

void ReportRows::appendRow(std::initializer_list<std::string_view> texts)
{
    auto text = texts.begin();
    for (int column = 0; column < m_columns; ++column)
        m_cells.emplace_back(text != texts.end() ? *text++ : std::string_view());
    m_origins.push_back(int(m_origins.size()));
}

void ReportRows::clear()
{
    m_cells.clear();
    m_origins.clear();
}

void ReportRows::swapRows(int first, int second)
{
    if (!hasRow(first) || !hasRow(second))
        return;
    const std::size_t a = std::size_t(first) * std::size_t(m_columns);
    const std::size_t b = std::size_t(second) * std::size_t(m_columns);
    for (int column = 0; column < m_columns; ++column)
        std::swap(m_cells[a + std::size_t(column)], m_cells[b + std::size_t(column)]);
    std::swap(m_origins[std::size_t(first)], m_origins[std::size_t(second)]);
}

} // namespace reflist
