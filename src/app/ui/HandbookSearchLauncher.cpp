#include "app/ui/HandbookSearchLauncher.h"

#include "app/ui/FunctionsBar.h"
#include "app/ui/Workbook.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "reference/HandbookSearch.h"
#include "reference/ReferenceLists.h"
#include "reference/ui/HandbookSearchDialog.h"
#include "reference/ui/ReferenceListView.h"
#include "reference/ui/TreatmentsView.h"
#include "shell/ui/ChildFrame.h"

#include <QAction>
#include <QBoxLayout>
#include <QPushButton>
#include <QTextBlock>

#include <optional>

namespace {

bool isTreatments(QWidget *view)
{
    return qobject_cast<TreatmentsView *>(view) != nullptr;
}

bool isCommercialCatalogue(QWidget *view)
{
    return qobject_cast<CatalogueView *>(view) && !qobject_cast<AdministrationCatalogueView *>(view);
}

bool isAdministrationCatalogue(QWidget *view)
{
    return qobject_cast<AdministrationCatalogueView *>(view) != nullptr;
}

// Where a part of the handbook shows: the function that opens it (its place in the Functions
// bar) and its list, or for a window that is no list, how to recognise it.
struct PartWindow
{
    int function;
    std::optional<reflist::ListId> list;
    bool (*isWindow)(QWidget *view) = nullptr;
};

PartWindow partWindow(reflist::HandbookPart part)
{
    switch (part) {
    case reflist::HandbookPart::Vocabulary: return {2, reflist::ListId::Vocabulary};
    case reflist::HandbookPart::Abbreviations: return {3, reflist::ListId::Abbreviations};
    case reflist::HandbookPart::Symbols: return {3, reflist::ListId::Symbols};
    case reflist::HandbookPart::Municipalities: return {5, reflist::ListId::Municipalities};
    case reflist::HandbookPart::Comarques: return {5, reflist::ListId::Comarques};
    case reflist::HandbookPart::Treatments: return {4, std::nullopt, isTreatments};
    case reflist::HandbookPart::Documents: return {0, std::nullopt, isCommercialCatalogue};
    }
    return {-1, std::nullopt};
}

bool isWindowOf(QWidget *view, const PartWindow &where)
{
    if (!where.list)
        return where.isWindow && where.isWindow(view);
    auto *list = qobject_cast<ReferenceListView *>(view);
    return list && list->listId() == *where.list;
}

ChildFrame *findWindow(const Workbook *workbook, const PartWindow &where)
{
    for (ChildFrame *frame : workbook->frames()) {
        if (isWindowOf(frame->viewWidget(), where))
            return frame;
    }
    return nullptr;
}

// Selects a line of the treatments text and scrolls it into view.
void showLine(TreatmentsView *view, int line)
{
    const QTextBlock block = view->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view->setTextCursor(cursor);
    view->ensureCursorVisible();
    view->setFocus(Qt::OtherFocusReason);
}

} // namespace

HandbookSearchLauncher::HandbookSearchLauncher(QWidget *window, Workbook *workbook, FunctionsBar *bar,
                                               FunctionOpener openFunction)
    : QObject(window), m_window(window), m_workbook(workbook), m_openFunction(std::move(openFunction))
{
    auto *action = new QAction(QStringLiteral("Cerca a tot el manual"), window);
    action->setObjectName(QStringLiteral("handbookSearchAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, &HandbookSearchLauncher::open);
    window->addAction(action);

    // At the foot of the Functions bar, under the seven functions.
    auto *box = bar && bar->widget() ? qobject_cast<QBoxLayout *>(bar->widget()->layout()) : nullptr;
    if (!box)
        return;
    auto *button = new QPushButton(QStringLiteral("Cerca al manual"), bar->widget());
    button->setObjectName(QStringLiteral("handbookSearchButton"));
    button->setToolTip(QStringLiteral("Cerca al vocabulari, les abreviatures, els símbols, els municipis, "
                                      "les comarques, els tractaments i els tipus de document alhora (Ctrl+K)"));
    // The bar keeps its width; the button takes what it is given.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(button, &QPushButton::clicked, this, &HandbookSearchLauncher::open);
    box->addWidget(button);
}

void HandbookSearchLauncher::open()
{
    if (!m_dialog) {
        m_dialog = new HandbookSearchDialog(m_window);
        connect(m_dialog, &HandbookSearchDialog::hitChosen, this,
                [this](reflist::HandbookPart part, int row) { showHit(part, row); });
    }
    m_dialog->showForSearch();
}

HandbookSearchDialog *HandbookSearchLauncher::dialog() const
{
    return m_dialog;
}

QWidget *HandbookSearchLauncher::showHit(reflist::HandbookPart part, int row)
{
    static const std::vector<reflist::DocumentKindPlace> kinds = reflist::documentKinds();
    PartWindow where = partWindow(part);
    const bool isKind = part == reflist::HandbookPart::Documents && row >= 0 && std::size_t(row) < kinds.size();
    if (isKind && kinds[std::size_t(row)].catalogue == 1)
        where = {1, std::nullopt, isAdministrationCatalogue};
    ChildFrame *frame = findWindow(m_workbook, where);
    if (!frame) {
        m_openFunction(where.function);
        frame = findWindow(m_workbook, where);
    }
    // A function whose window with the hit was closed by its tab has none to show it in.
    if (!frame)
        return nullptr;
    m_workbook->activateFrame(frame);
    QWidget *view = frame->viewWidget();
    if (auto *catalogue = qobject_cast<CatalogueView *>(view); catalogue && isKind) {
        if (QTreeWidgetItem *item = catalogue->tree()->itemOf(kinds[std::size_t(row)].entry->name))
            catalogue->tree()->setCurrentItem(item);
    } else if (auto *list = qobject_cast<ReferenceListView *>(view)) {
        list->showTableRow(row);
    } else if (auto *text = qobject_cast<TreatmentsView *>(view)) {
        // The index reads the same text the window shows, line for line.
        const reflist::TreatmentsRows treatments = reflist::treatmentsRows();
        if (row >= 0 && std::size_t(row) < treatments.lines.size())
            showLine(text, treatments.lines[std::size_t(row)]);
    }
    return view;
}
