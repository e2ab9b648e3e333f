#include "reference/ui/ReferenceListView.h"

#include "reference/ReferenceLists.h"
#include "reference/ReportRows.h"
#include "reference/ui/FindDialog.h"
#include "reference/ui/ListFilterModel.h"
#include "reference/ui/ReportModel.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/WaitNotice.h"
#include "text/ui/QtText.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>
#include <QStyledItemDelegate>

#include <utility>

namespace {
// Room between a column's left edge and its text, as report lists leave it.
constexpr int kTextIndent = 6;

// The filter field: Escape clears it, the Down key goes on to the list.
class ListFilterField : public QLineEdit
{
public:
    ListFilterField(QWidget *list, QWidget *parent) : QLineEdit(parent), m_list(list) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
            clear();
            return;
        }
        if (event->key() == Qt::Key_Down || event->key() == Qt::Key_PageDown) {
            m_list->setFocus(Qt::OtherFocusReason);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    QWidget *m_list;
};

} // namespace

const QColor ReferenceListView::kEvenRowColour(236, 228, 220);
const QColor ReferenceListView::kOddRowColour(216, 208, 200);

namespace {

// Cells painted by the style without their text, which the view draws over the whole row.
class TextlessDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text.clear();
    }
};

} // namespace

ReferenceListView::ReferenceListView(reflist::ListId list, QWidget *parent)
    : QTreeView(parent), m_id(list), m_list(reflist::referenceList(list)), m_model(new ReportModel(this)),
      m_filter(new ListFilterModel(m_model, list == reflist::ListId::Municipalities, this)),
      m_filterField(new ListFilterField(this, this))
{
    setModel(m_filter);
    setItemDelegate(new TextlessDelegate(this));
    // The two stripe colours are the palette's base and alternate base; the stripes go by
    // position, so they stay in place after a sort.
    QPalette stripes = palette();
    stripes.setColor(QPalette::Base, kEvenRowColour);
    stripes.setColor(QPalette::AlternateBase, kOddRowColour);
    setPalette(stripes);
    setAlternatingRowColors(true);
    setAllColumnsShowFocus(true);
    m_filterField->setObjectName(QStringLiteral("listFilter"));
    m_filterField->setPlaceholderText(QStringLiteral("Filtra la llista: escriviu una paraula de qualsevol columna"));
    m_filterField->setAccessibleName(QStringLiteral("Filtra la llista"));
    m_filterField->setClearButtonEnabled(true);
    m_filterField->hide();
    connect(m_filterField, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->setQuery(text);
        // The marks change even when the rows shown do not.
        viewport()->update();
        // The current row stays in sight when it is still shown.
        if (currentIndex().isValid())
            scrollTo(currentIndex(), EnsureVisible);
    });
    connect(m_filter, &ListFilterModel::shownRowsChanged, this, &ReferenceListView::showFilterCount);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setEditTriggers(NoEditTriggers);
    setDragEnabled(false);
    // The vocabularies and the municipalities select one row at a time, the other lists several.
    const bool oneRow = list == reflist::ListId::Vocabulary || list == reflist::ListId::VocabularyCatalan ||
                        list == reflist::ListId::Municipalities;
    setSelectionMode(oneRow ? SingleSelection : ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setHorizontalScrollMode(ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (m_list.sortable) {
        // The header reports clicks of the left button only; other buttons never sort.
        connect(header(), &QHeaderView::sectionClicked, this,
                [this](int section) { onHeaderClick(section, Qt::LeftButton); });
    }
}

void ReferenceListView::insertColumns()
{
    placeFilterField();
    QStringList headings;
    for (const reflist::ListColumn &column : m_list.columns)
        headings.append(qttext::fromUtf8(column.heading));
    m_model->setHeadings(headings);
    int section = 0;
    for (const reflist::ListColumn &column : m_list.columns)
        header()->resizeSection(section++, column.width);
}

void ReferenceListView::initialUpdate()
{
    insertColumns();
    if (!fillsUnderNotice())
        fillRows();
}

bool ReferenceListView::fillsUnderNotice() const
{
    return m_id == reflist::ListId::Vocabulary || m_id == reflist::ListId::VocabularyCatalan;
}

void ReferenceListView::fillRows()
{
    setUpdatesEnabled(false);
    m_model->fill([this](reflist::ReportRows &rows) {
        rows.reserve(m_list.reserve);
        m_list.fill(rows);
    });
    setSelectionBehavior(SelectRows);
    setUpdatesEnabled(true);
    m_filled = true;
    // A list that had the focus while it waited for its rows stands on the first, as one that
    // gets the focus with its rows in does.
    if (window()->focusWidget() == this && !currentIndex().isValid() && model()->rowCount() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    if (m_rowToShow >= 0)
        showTableRow(std::exchange(m_rowToShow, -1));
}

void ReferenceListView::onHeaderClick(int column, Qt::MouseButton button)
{
    // A list still filling has nothing to sort; its rows come in table order.
    if (!m_filled)
        return;
    const auto which = button == Qt::LeftButton    ? reflist::MouseButton::Left
                       : button == Qt::RightButton ? reflist::MouseButton::Right
                                                   : reflist::MouseButton::Middle;
    m_model->headerClick(m_sort, column, which);
}

bool ReferenceListView::sortByColumn(int column, bool ascending, int low, int high)
{
    return m_model->sortByColumn(column, ascending, low, high);
}

void ReferenceListView::findInList()
{
    FindDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The first selected row in list order, as the search starts after it. With a filter typed,
    // the search goes through the rows shown.
    int start = -1;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        if (start < 0 || index.row() < start)
            start = index.row();

    const int found = reflist::FindInList(m_filter->shownRows(), start, dialog.searchText());
    if (found < 0) {
        dialogs::message(this, QMessageBox::Information, QStringLiteral("No trobat"));
        return;
    }
    const QModelIndex index = m_filter->index(found, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, PositionAtCenter);
}

void ReferenceListView::placeFilterField()
{
    if (m_filterField->parentWidget() != this || !parentWidget())
        return;
    if (auto *box = qobject_cast<QBoxLayout *>(parentWidget()->layout())) {
        box->insertWidget(box->indexOf(this), m_filterField);
        m_filterField->show();
        setTabOrder(m_filterField, this);
    }
}

void ReferenceListView::showTableRow(int origin)
{
    if (!m_filled) {
        m_rowToShow = origin;
        return;
    }
    if (m_filter->rowOfOrigin(origin) < 0)
        m_filterField->clear();
    const int row = m_filter->rowOfOrigin(origin);
    if (row < 0)
        return;
    const QModelIndex index = m_filter->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, PositionAtCenter);
    setFocus(Qt::OtherFocusReason);
}

void ReferenceListView::showFilterCount()
{
    auto *main = qobject_cast<QMainWindow *>(window());
    if (!main || !isVisible())
        return;
    if (m_filter->filtering()) {
        m_countShown = m_filter->countText();
        main->statusBar()->showMessage(m_countShown);
    } else {
        clearFilterCount();
    }
}

void ReferenceListView::clearFilterCount()
{
    // Only the count this list put there: other messages stay.
    auto *main = qobject_cast<QMainWindow *>(window());
    if (main && !m_countShown.isEmpty() && main->statusBar()->currentMessage() == m_countShown)
        main->statusBar()->clearMessage();
    m_countShown.clear();
}

void ReferenceListView::viewActivated()
{
    if (!m_filled && !m_filling) {
        m_filling = true;
        WaitNotice::runWhileShown(window(), this, [this] {
            fillRows();
            m_filling = false;
            showFilterCount();
        });
        return;
    }
    showFilterCount();
}

void ReferenceListView::hideEvent(QHideEvent *event)
{
    // The count speaks of this list only.
    clearFilterCount();
    QTreeView::hideEvent(event);
}

ViewActions ReferenceListView::offeredActions() const
{
    return m_list.searchable ? ViewActions(ViewAction::Find) : ViewActions();
}

void ReferenceListView::perform(ViewAction command)
{
    if (command == ViewAction::Find && m_list.searchable)
        findInList();
}

void ReferenceListView::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The style draws the stripes, the selection and the focus; the cells draw no text of their
    // own (see TextlessDelegate), so that each text can start at its column's left edge and run
    // on past the right one: only the list's own edge stops it.
    QTreeView::drawRow(painter, option, index);
    const bool selected = selectionModel() && selectionModel()->isRowSelected(index.row(), index.parent());

    // Past the last column the row goes on to the list's edge, in its stripe or as selected.
    const int end = header()->length() - header()->offset();
    if (end < viewport()->width()) {
        QStyleOptionViewItem rest = option;
        rest.rect = QRect(end, option.rect.y(), viewport()->width() - end, option.rect.height());
        rest.features.setFlag(QStyleOptionViewItem::Alternate, index.row() % 2 == 1);
        rest.state.setFlag(QStyle::State_Selected, selected);
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &rest, painter, this);
        if (selected)
            style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &rest, painter, this);
    }

    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(font());
    const QRect row(0, option.rect.y(), viewport()->width(), option.rect.height());
    const int columns = m_model->columnCount();
    for (int column = 0; column < columns; ++column) {
        if (header()->isSectionHidden(column))
            continue;
        const int left = header()->sectionViewportPosition(column) + kTextIndent;
        if (left >= row.right())
            continue;
        const QRect text(left, row.y(), row.right() - left + 1, row.height());
        const QString cell = index.sibling(index.row(), column).data().toString();
        paintMatchMarks(painter, text, cell, m_filter->words());
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell);
    }
    painter->restore();
}

void ReferenceListView::keyPressEvent(QKeyEvent *event)
{
    // The lists copy nothing: Ctrl+C goes on to the window, whose copy does nothing here.
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    QTreeView::keyPressEvent(event);
}
