#pragma once
#include "reference/ListSort.h"
#include "reference/ReferenceLists.h"
#include "shell/ui/ChildView.h"

#include <QColor>
#include <QTreeView>

class ListFilterModel;
class QLineEdit;
class ReportModel;

// A reference list window: a report list striped in two colours that alternate by position
// (so the stripes stay after a sort), selection and focus drawn by the style, each text on one
// line, vertically centred and not clipped to its column. Sortable lists
// sort by a click on a column heading; searchable ones answer the search command. Headings,
// widths, contents and both abilities come from the list's entry in the core's table.
class ReferenceListView : public QTreeView, public ChildView
{
    Q_OBJECT
public:
    static const QColor kEvenRowColour; // RGB 236, 228, 220
    static const QColor kOddRowColour;  // RGB 216, 208, 200

    explicit ReferenceListView(reflist::ListId list, QWidget *parent = nullptr);

    reflist::ListId listId() const { return m_id; }
    // Whether the rows are in. The vocabularies fill when first brought forward, under the wait
    // notice, once it is on the screen; the other lists fill at once.
    bool filled() const { return m_filled; }

    ReportModel *reportModel() const { return m_model; }
    // Find as you type: the rows shown (the view's model) and the field above the list.
    ListFilterModel *filterModel() const { return m_filter; }
    QLineEdit *filterField() const { return m_filterField; }
    // Selects the row appended at `origin` (its place in the table) and scrolls it into view;
    // a filter that hides it is cleared. A list still waiting for its rows shows it once filled.
    void showTableRow(int origin);
    const reflist::HeaderSort &sortState() const { return m_sort; }

    // A left click on a heading sorts by that column (ascending first, then reversing); any other
    // button does nothing. Only lists made sortable listen to their headings.
    void onHeaderClick(int column, Qt::MouseButton button);
    bool sortByColumn(int column, bool ascending, int low = 0, int high = -1);
    // The search command: asks for a text and selects the next row whose first column begins
    // with it, or says "No trobat".
    void findInList();

    // The headings, and every row at once unless the list fills under the wait notice.
    void initialUpdate() override;
    void viewActivated() override;
    ViewActions offeredActions() const override;
    void perform(ViewAction command) override;

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Sets the list's headings and column widths; drops any rows.
    void insertColumns();
    // Inserts the list's rows with redrawing suspended, then turns on full-row selection.
    void fillRows();
    // Whether this list is long enough to fill under the wait notice.
    bool fillsUnderNotice() const;
    // Puts the filter field above the list, in the window that holds it.
    void placeFilterField();
    // "23 de 3.523" in the status bar while a filter narrows the list.
    void showFilterCount();
    void clearFilterCount();

    const reflist::ListId m_id;
    const reflist::ReferenceList &m_list;
    bool m_filled = false;
    bool m_filling = false; // the wait notice is up and the fill is on its way
    int m_rowToShow = -1;   // asked for before the rows were in
    ReportModel *m_model;
    ListFilterModel *m_filter;
    QLineEdit *m_filterField;
    QString m_countShown; // the count last put in the status bar
    reflist::HeaderSort m_sort;
};
