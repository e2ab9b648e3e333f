#include "forms/ui/CatalogueView.h"

#include "check/ui/FormChecking.h"
#include "forms/ui/AmountMenu.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/FormFactory.h"
#include "forms/ui/FormPane.h"
#include "forms/ui/FormView.h"
#include "forms/ui/MunicipalityCompleter.h"
#include "forms/ui/NotificationChoice.h"
#include "text/ui/QtText.h"

#include <QTreeWidgetItemIterator>
#include <algorithm>

#include <QMetaMethod>

CatalogueView::CatalogueView(const forms::DocListEntry *catalogue, QWidget *parent)
    : QSplitter(Qt::Vertical, parent), m_catalogue(catalogue), m_tree(new CatalogueTree(catalogue)),
      m_pane(new FormPane)
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
        FormView *form = row.level == 1 ? createFormObject(row.formId) : nullptr;
        if (form)
            form->setParent(m_pane); // owned by the pane; on its stack from its first showing
        m_forms.append(form);
    }
    connect(m_tree, &CatalogueTree::kindSelected, this, &CatalogueView::showKind);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CatalogueView::fitTreeToRows);
    connect(m_tree, &QTreeWidget::itemCollapsed, this, &CatalogueView::fitTreeToRows);
}

CatalogueView::~CatalogueView() = default;

FormView *CatalogueView::shownForm() const
{
    return formOfRow(m_shownRow);
}

FormView *CatalogueView::formOfRow(int row) const
{
    return row >= 0 && row < m_forms.size() ? m_forms.at(row).data() : nullptr;
}

void CatalogueView::initialUpdate()
{
    m_tree->fill();
    fitTreeToRows();
}

void CatalogueView::resizeEvent(QResizeEvent *event)
{
    QSplitter::resizeEvent(event);
    fitTreeToRows();
}

void CatalogueView::fitTreeToRows()
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

void CatalogueView::showKind(int row)
{
    const auto rows = forms::catalogueRows(m_catalogue);
    if (row < 0 || std::size_t(row) >= rows.size() || rows[std::size_t(row)].formId == 0)
        return;
    m_shownRow = row;
    FormView *form = formOfRow(row);
    if (!form) { // a kind whose form is not written yet: no form to show or to ask for a text
        m_pane->showNothing();
        emit shownFormChanged(nullptr);
        return;
    }
    if (!form->isCreated()) {
        form->setTemplateId(rows[std::size_t(row)].formId);
        form->build();
        // The handbook where the user writes: municipalities complete, amounts turn into words,
        // the Catalan is checked as it is typed.
        MunicipalityCompleter::attach(form);
        AmountMenu::attach(form->page());
        NotificationChoice::attach(form);
        new FormChecking(form);
    }
    m_pane->showForm(form);
    emit shownFormChanged(form);
}

bool CatalogueView::holdsUserInput() const
{
    for (const QPointer<FormView> &form : m_forms) {
        if (form && form->isModified())
            return true;
    }
    return false;
}

ViewActions CatalogueView::offeredActions() const
{
    // The document commands stay offered without a form, so that their keys say why they do
    // nothing instead of doing nothing.
    const ViewActions always = ViewAction::NextPane | ViewAction::PreviousPane | ViewAction::SaveAs |
                               ViewAction::Print | ViewAction::PrintPreview;
    return shownForm() ? always | ViewAction::Review : always;
}

void CatalogueView::perform(ViewAction command)
{
    if (command == ViewAction::Review) {
        if (FormChecking *checking = FormChecking::of(shownForm()))
            checking->review(this);
        return;
    }
    if (command == ViewAction::SaveAs || command == ViewAction::Print || command == ViewAction::PrintPreview) {
        if (shownForm() && isSignalConnected(QMetaMethod::fromSignal(&CatalogueView::documentCommandRequested)))
            emit documentCommandRequested(command);
        else
            qttext::showStatusMessage(this, QStringLiteral("Trieu primer un document de la llista: "
                                                           "el que es desa o s'imprimeix és el seu text."));
        return;
    }
    // Two panes: next and previous both move the focus to the other one.
    if (command != ViewAction::NextPane && command != ViewAction::PreviousPane)
        return;
    FormView *form = shownForm();
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
