#include "forms/ui/CTCView.h"

#include "check/ui/FormChecking.h"
#include "forms/ui/COurFormView.h"
#include "forms/ui/CTCViewForm.h"
#include "forms/ui/CTCViewLstDoc.h"
#include "forms/ui/FormFactory.h"
#include "text/ui/QtText.h"

#include <QTreeWidgetItemIterator>
#include <algorithm>

#include <QMetaMethod>

CTCView::CTCView(const forms::DocListEntry *catalogue, QWidget *parent)
    : QSplitter(Qt::Vertical, parent), m_catalogue(catalogue), m_tree(new CTCViewLstDoc(catalogue)),
      m_pane(new CTCViewForm)
{
    addWidget(m_tree);
    addWidget(m_pane);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setChildrenCollapsible(false);
    setSizes({kTreeHeight, 10 * kTreeHeight});
    setFocusProxy(m_tree);

    // One form object per kind; their windows come with the first selection of their kind.
    for (const forms::DocListEntry &row : forms::catalogueRows(catalogue)) {
        COurFormView *form = row.nLevel == 1 ? createFormObject(row.nFormID) : nullptr;
        if (form) {
            form->hide();
            form->setParent(m_pane);
        }
        m_forms.append(form);
    }
    connect(m_tree, &CTCViewLstDoc::kindSelected, this, &CTCView::showKind);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CTCView::fitTreeToRows);
    connect(m_tree, &QTreeWidget::itemCollapsed, this, &CTCView::fitTreeToRows);
}

CTCView::~CTCView() = default;

COurFormView *CTCView::shownForm() const
{
    return formOfRow(m_shownRow);
}

COurFormView *CTCView::formOfRow(int row) const
{
    return row >= 0 && row < m_forms.size() ? m_forms.at(row).data() : nullptr;
}

void CTCView::initialUpdate()
{
    m_tree->fill();
    fitTreeToRows();
}

void CTCView::resizeEvent(QResizeEvent *event)
{
    QSplitter::resizeEvent(event);
    fitTreeToRows();
}

void CTCView::fitTreeToRows()
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QTreeWidgetItem *parent = (*it)->parent();
        rows += !(*it)->isHidden() && (!parent || parent->isExpanded());
    }
    const int rowHeight = std::max(m_tree->sizeHintForRow(0), m_tree->fontMetrics().height());
    int wanted = std::max(kTreeHeight, rows * rowHeight + 2 * m_tree->frameWidth() + 2);
    const int total = height() - handleWidth();
    if (total > 0)
        wanted = std::min(wanted, std::max(kTreeHeight, total / 2));
    if (total > 0 && sizes().value(0) != wanted)
        setSizes({wanted, total - wanted});
    else if (total <= 0)
        setSizes({wanted, 10 * kTreeHeight});
}

void CTCView::showKind(int row)
{
    const auto rows = forms::catalogueRows(m_catalogue);
    if (row < 0 || std::size_t(row) >= rows.size() || rows[std::size_t(row)].nFormID == 0)
        return;
    if (COurFormView *shown = shownForm())
        shown->hide();
    m_shownRow = row;
    COurFormView *form = formOfRow(row);
    if (!form) { // a kind whose form is not written yet: no form to show or to ask for a text
        emit shownFormChanged(nullptr);
        return;
    }
    if (!form->isCreated()) {
        const forms::DocListEntry &entry = rows[std::size_t(row)];
        form->SetTemplateId(entry.nFormID);
        form->Create(m_pane, QRect(0, 0, m_pane->recordedWidth(), m_pane->recordedHeight()), 100 + entry.nPosition);
        m_pane->setCurrentForm(form);
        form->setGeometry(m_pane->rect());
        new FormChecking(form);
    }
    form->show();
    emit shownFormChanged(form);
}

bool CTCView::holdsUserInput() const
{
    for (const QPointer<COurFormView> &form : m_forms) {
        if (form && form->isModified())
            return true;
    }
    return false;
}

ViewActions CTCView::offeredActions() const
{
    // The document commands stay offered without a form, so that their keys say why they do
    // nothing instead of doing nothing.
    const ViewActions always = ViewAction::NextPane | ViewAction::PreviousPane | ViewAction::SaveAs |
                               ViewAction::Print | ViewAction::PrintPreview;
    return shownForm() ? always | ViewAction::Review : always;
}

void CTCView::perform(ViewAction command)
{
    if (command == ViewAction::Review) {
        if (FormChecking *checking = FormChecking::of(shownForm()))
            checking->review(this);
        return;
    }
    if (command == ViewAction::SaveAs || command == ViewAction::Print || command == ViewAction::PrintPreview) {
        if (shownForm() && isSignalConnected(QMetaMethod::fromSignal(&CTCView::documentCommandRequested)))
            emit documentCommandRequested(command);
        else
            qttext::showStatusMessage(this, QStringLiteral("Trieu primer un document de la llista: "
                                                           "el que es desa o s'imprimeix és el seu text."));
        return;
    }
    // Two panes: next and previous both move the focus to the other one.
    if (command != ViewAction::NextPane && command != ViewAction::PreviousPane)
        return;
    COurFormView *form = shownForm();
    if (!form || !m_tree->hasFocus()) {
        m_tree->setFocus(Qt::TabFocusReason);
        return;
    }
    // The first field of the form, in layout order.
    for (QWidget *child : form->page()->findChildren<QWidget *>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && child->isVisibleTo(form)) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
