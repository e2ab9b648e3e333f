#include "app/ui/ViewFactory.h"

#include "app/ui/StartView.h"
#include "app/ui/Workbook.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormView.h"
#include "reference/ui/NumeralsView.h"
#include "reference/ui/ReferenceListView.h"
#include "reference/ui/TreatmentsView.h"
#include "text/ui/QtText.h"

namespace {

// No default case: a kind added to the enum and forgotten here is a compiler warning.
QWidget *makeView(ViewKind kind)
{
    switch (kind) {
    case ViewKind::Start: return new StartView;
    case ViewKind::CommercialCatalogue: return new CatalogueView;
    case ViewKind::AdministrationCatalogue: return new AdministrationCatalogueView;
    case ViewKind::DocumentText: return new DocumentView;
    case ViewKind::VocabularyCastilian: return new ReferenceListView(reflist::ListId::Vocabulary);
    case ViewKind::VocabularyCatalan: return new ReferenceListView(reflist::ListId::VocabularyCatalan);
    case ViewKind::Numerals: return new NumeralsView;
    case ViewKind::Abbreviations: return new ReferenceListView(reflist::ListId::Abbreviations);
    case ViewKind::Symbols: return new ReferenceListView(reflist::ListId::Symbols);
    case ViewKind::Treatments: return new TreatmentsView;
    case ViewKind::Municipalities: return new ReferenceListView(reflist::ListId::Municipalities);
    case ViewKind::Comarques: return new ReferenceListView(reflist::ListId::Comarques);
    }
    return nullptr;
}

} // namespace

QWidget *createView(ViewKind kind)
{
    QWidget *view = makeView(kind);
    view->setObjectName(qttext::fromUtf8(viewName(kind)));
    return view;
}

void connectViews(const QList<QWidget *> &views, Workbook *workbook)
{
    // A function's Document window shows the form of the catalogue it was opened with.
    CatalogueView *catalogue = nullptr;
    for (QWidget *view : views) {
        if (auto *found = qobject_cast<CatalogueView *>(view))
            catalogue = found;
    }
    for (QWidget *view : views) {
        if (auto *document = qobject_cast<DocumentView *>(view); document && catalogue) {
            document->followCatalogue(catalogue);
            QObject::connect(document, &DocumentView::fieldRequested, workbook, &Workbook::reveal);
        }
    }
}
