#pragma once
#include "app/ui/ChildView.h"
#include "reference/ListSort.h"

#include <QColor>
#include <QTreeView>

#include <functional>
#include <initializer_list>

class ReportModel;
namespace reflist {
class ReportRows;
}

// Base of every reference list: a report list whose rows the program paints itself, in two
// colours that alternate by position (so the stripes stay after a sort), each text on one line,
// vertically centred and not clipped to its column, with no selection highlight. Sortable lists
// sort by a click on a column heading; searchable ones answer the search command.
class COurListView : public QTreeView, public ChildView
{
    Q_OBJECT
public:
    static const QColor kEvenRowColour; // RGB 236, 228, 220
    static const QColor kOddRowColour;  // RGB 216, 208, 200

    struct Column
    {
        QString heading;
        int width;
    };

    explicit COurListView(QWidget *parent = nullptr);

    ReportModel *reportModel() const { return m_model; }
    const reflist::HeaderSort &sortState() const { return m_sort; }

    // A left click on a heading sorts by that column (ascending first, then reversing); any other
    // button does nothing. Only lists made sortable listen to their headings.
    void OnHeaderClick(int column, Qt::MouseButton button);
    bool SortListByColumn(int column, bool ascending, int low = 0, int high = -1);
    // The search command: asks for a text and selects the next row whose first column begins
    // with it, or says "No trobat".
    void FindInList();

    bool answersCommand(int command) const override;
    void runCommand(int command) override;

protected:
    void setColumns(std::initializer_list<Column> columns);
    void setSortable(bool sortable);
    void setSearchable(bool searchable) { m_searchable = searchable; }
    // Inserts rows with redrawing suspended, then turns on full-row selection.
    void fillRows(int reserve, const std::function<void(reflist::ReportRows &)> &fill);

    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ReportModel *m_model;
    reflist::HeaderSort m_sort;
    bool m_searchable = false;
    QMetaObject::Connection m_headerClicks;
};
