#include "reference/ui/CAbrView.h"

#include "reference/ReferenceLists.h"

CAbrView::CAbrView(QWidget *parent) : COurListView(reflist::referenceList(reflist::ListId::Abbreviations), parent)
{
    setObjectName(QStringLiteral("abbreviationsList"));
    setSelectionMode(ExtendedSelection);
}
