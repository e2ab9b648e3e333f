#include "app/ui/ViewFactory.h"

#include "app/ui/CQueltView.h"
#include "forms/ui/COurFormView.h"
#include "forms/ui/CPVView.h"
#include "forms/ui/CTCView.h"
#include "reference/ui/CAbrView.h"
#include "reference/ui/CComView.h"
#include "reference/ui/CMuniView.h"
#include "reference/ui/CNumView.h"
#include "reference/ui/CSimView.h"
#include "reference/ui/CTracView.h"
#include "reference/ui/CVocView.h"
#include "reference/ui/CVocView2.h"

namespace {

// No default case: a kind added to the enum and forgotten here is a compiler warning.
QWidget *makeView(ViewKind kind)
{
    switch (kind) {
    case ViewKind::Start: return new CQueltView;
    case ViewKind::CommercialCatalogue: return new CTCView;
    case ViewKind::AdministrationCatalogue: return new CAPCatalogueView;
    case ViewKind::DocumentText: return new CPVView;
    case ViewKind::VocabularyCastilian: return new CVocView;
    case ViewKind::VocabularyCatalan: return new CVocView2;
    case ViewKind::Numerals: return new CNumView;
    case ViewKind::Abbreviations: return new CAbrView;
    case ViewKind::Symbols: return new CSimView;
    case ViewKind::Treatments: return new CTracView;
    case ViewKind::Municipalities: return new CMuniView;
    case ViewKind::Comarques: return new CComView;
    }
    return nullptr;
}

} // namespace

QWidget *createView(ViewKind kind)
{
    QWidget *view = makeView(kind);
    const std::string_view name = viewName(kind);
    view->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    return view;
}

void connectViews(const QList<QWidget *> &views)
{
    // A function's Document window shows the form of the catalogue it was opened with.
    CTCView *catalogue = nullptr;
    for (QWidget *view : views) {
        if (auto *found = qobject_cast<CTCView *>(view))
            catalogue = found;
    }
    for (QWidget *view : views) {
        if (auto *document = qobject_cast<CPVView *>(view); document && catalogue)
            document->followCatalogue(catalogue);
    }
}
