#pragma once
#include "reference/ListSort.h"
#include "reference/ReportRows.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// The rows of a reference list as a table model. The texts stay Windows-1252 in core rows and
// are converted only when a cell is shown. Sorting moves the rows in place; the selection and the
// current row follow the rows they were on.
class ReportModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ReportModel(QObject *parent = nullptr);

    // Sets the column headings; drops the rows.
    void setHeadings(const QStringList &headings);
    // Appends rows through `fill` (which gets the core rows), as one reset of the model.
    void fill(const std::function<void(reflist::ReportRows &)> &fill);

    const reflist::ReportRows &rows() const { return m_rows; }

    // The heading-click sort and the plain column sort of the core, with the views told.
    bool headerClick(reflist::HeaderSort &state, int column, reflist::MouseButton button);
    bool sortByColumn(int column, bool ascending, int low = 0, int high = -1);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool rearrange(const std::function<bool(reflist::ReportRows &)> &sort);

    QStringList m_headings;
    reflist::ReportRows m_rows{0};
};
