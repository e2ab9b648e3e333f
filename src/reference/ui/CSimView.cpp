#include "reference/ui/CSimView.h"

#include "reference/ReferenceLists.h"

CSimView::CSimView(QWidget *parent) : COurListView(reflist::referenceList(reflist::ListId::Symbols), parent)
{
    setObjectName(QStringLiteral("symbolsList"));
    setSelectionMode(ExtendedSelection);
}
