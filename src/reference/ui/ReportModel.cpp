#include "reference/ui/ReportModel.h"

#include "text/ui/QtText.h"

#include <vector>

ReportModel::ReportModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReportModel::setHeadings(const QStringList &headings)
{
    beginResetModel();
    m_headings = headings;
    m_rows = reflist::ReportRows(int(headings.size()));
    endResetModel();
}

void ReportModel::fill(const std::function<void(reflist::ReportRows &)> &fill)
{
    beginResetModel();
    fill(m_rows);
    endResetModel();
}

bool ReportModel::headerClick(reflist::HeaderSort &state, int column, reflist::MouseButton button)
{
    return rearrange([&](reflist::ReportRows &rows) { return reflist::OnHeaderClick(rows, state, column, button); });
}

bool ReportModel::sortByColumn(int column, bool ascending, int low, int high)
{
    return rearrange([&](reflist::ReportRows &rows) {
        return reflist::SortListByColumn(rows, column, ascending, low, high);
    });
}

bool ReportModel::rearrange(const std::function<bool(reflist::ReportRows &)> &sort)
{
    const int count = m_rows.rowCount();
    std::vector<int> before(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        before[std::size_t(row)] = m_rows.origin(row);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const bool sorted = sort(m_rows);

    // Move every persistent index (the selection, the current row) to where its row went.
    std::vector<int> rowOfOrigin(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        rowOfOrigin[std::size_t(m_rows.origin(row))] = row;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from) {
        const int origin = before[std::size_t(index.row())];
        to.append(this->index(rowOfOrigin[std::size_t(origin)], index.column()));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return sorted;
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.rowCount()
        || index.column() >= m_rows.columnCount())
        return {};
    return qttext::toQString(m_rows.cellText(index.row(), index.column()));
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < m_headings.size()) {
        if (role == Qt::DisplayRole)
            return m_headings.at(section);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags ReportModel::flags(const QModelIndex &index) const
{
    // Shown and selected, never edited, dragged or copied.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
