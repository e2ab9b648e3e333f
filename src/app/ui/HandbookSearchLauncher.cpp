#include "app/ui/HandbookSearchLauncher.h"

#include "app/ui/CMainFrame.h"
#include "app/ui/CShortcutListDockBar.h"
#include "app/ui/Workbook.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/CTCView.h"
#include "forms/ui/CTCViewLstDoc.h"
#include "reference/ui/CAbrView.h"
#include "reference/ui/CComView.h"
#include "reference/ui/CMuniView.h"
#include "reference/ui/CSimView.h"
#include "reference/ui/CTracView.h"
#include "reference/ui/CVocView2.h"
#include "reference/ui/HandbookSearchDialog.h"
#include "shell/ui/ChildFrame.h"

#include <QAction>
#include <QBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>

namespace {

// The function that shows a part (its place in the Functions bar) and whether a view is the
// part's window.
struct PartWindow
{
    int function;
    bool (*isWindow)(QWidget *view);
};

template <class View> bool is(QWidget *view)
{
    return qobject_cast<View *>(view) != nullptr;
}

bool isCastellaCatala(QWidget *view)
{
    return is<CVocView>(view) && !is<CVocView2>(view);
}

bool isCommercialCatalogue(QWidget *view)
{
    return is<CTCView>(view) && !is<CAPCatalogueView>(view);
}

PartWindow partWindow(reflist::HandbookPart part)
{
    switch (part) {
    case reflist::HandbookPart::Vocabulary: return {2, isCastellaCatala};
    case reflist::HandbookPart::Abbreviations: return {3, is<CAbrView>};
    case reflist::HandbookPart::Symbols: return {3, is<CSimView>};
    case reflist::HandbookPart::Municipalities: return {5, is<CMuniView>};
    case reflist::HandbookPart::Comarques: return {5, is<CComView>};
    case reflist::HandbookPart::Treatments: return {4, is<CTracView>};
    case reflist::HandbookPart::Documents: return {0, isCommercialCatalogue}; // or the other, by the kind
    }
    return {-1, nullptr};
}

ChildFrame *findWindow(CMainFrame *mainFrame, const PartWindow &where)
{
    for (ChildFrame *frame : mainFrame->workbook()->frames()) {
        if (where.isWindow(frame->viewWidget()))
            return frame;
    }
    return nullptr;
}

// Selects a line of the treatments text and scrolls it into view.
void showLine(CTracView *view, int line)
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

QWidget *showHandbookHit(CMainFrame *mainFrame, reflist::HandbookPart part, int row)
{
    static const std::vector<reflist::DocumentKindPlace> kinds = reflist::documentKinds();
    PartWindow where = partWindow(part);
    const bool isKind = part == reflist::HandbookPart::Documents && row >= 0 && std::size_t(row) < kinds.size();
    if (isKind && kinds[std::size_t(row)].catalogue == 1)
        where = {1, is<CAPCatalogueView>};
    ChildFrame *frame = findWindow(mainFrame, where);
    if (!frame) {
        mainFrame->openFunction(where.function);
        frame = findWindow(mainFrame, where);
    }
    // The opening may have been cancelled (a form's typed text kept).
    if (!frame)
        return nullptr;
    mainFrame->workbook()->activateFrame(frame);
    QWidget *view = frame->viewWidget();
    if (auto *catalogue = qobject_cast<CTCView *>(view); catalogue && isKind) {
        if (QTreeWidgetItem *item = catalogue->tree()->itemOf(kinds[std::size_t(row)].entry->pszName))
            catalogue->tree()->setCurrentItem(item);
    } else if (auto *list = qobject_cast<COurListView *>(view)) {
        list->showTableRow(row);
    } else if (auto *text = qobject_cast<CTracView *>(view)) {
        // The index reads the same text the window shows, line for line.
        static const reflist::TreatmentsRows treatments = reflist::treatmentsRows();
        if (row >= 0 && std::size_t(row) < treatments.lines.size())
            showLine(text, treatments.lines[std::size_t(row)]);
    }
    return view;
}

void installHandbookSearch(CMainFrame *mainFrame)
{
    auto dialog = QSharedPointer<QPointer<HandbookSearchDialog>>::create();
    const auto open = [mainFrame, dialog] {
        if (!*dialog) {
            *dialog = new HandbookSearchDialog(mainFrame);
            QObject::connect(
                *dialog, &HandbookSearchDialog::hitChosen, mainFrame,
                [mainFrame](reflist::HandbookPart part, int row) { showHandbookHit(mainFrame, part, row); });
        }
        (*dialog)->showForSearch();
    };

    auto *action = new QAction(QStringLiteral("Cerca a tot el manual"), mainFrame);
    action->setObjectName(QStringLiteral("handbookSearchAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, mainFrame, open);
    mainFrame->addAction(action);

    // At the foot of the Functions bar, under the six functions.
    if (CShortcutListDockBar *bar = mainFrame->functionsBar()) {
        if (auto *box = bar->widget() ? qobject_cast<QBoxLayout *>(bar->widget()->layout()) : nullptr) {
            auto *button = new QPushButton(QStringLiteral("Cerca al manual"), bar->widget());
            button->setObjectName(QStringLiteral("handbookSearchButton"));
            button->setToolTip(
                QStringLiteral("Cerca al vocabulari, les abreviatures, els símbols, els municipis, "
                               "les comarques, els tractaments i els tipus de document alhora (Ctrl+K)"));
            // The bar keeps its width; the button takes what it is given.
            button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            QObject::connect(button, &QPushButton::clicked, mainFrame, open);
            box->addWidget(button);
        }
    }
}
