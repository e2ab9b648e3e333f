#include "reference/ui/CComView.h"

#include "reference/ReferenceLists.h"

CComView::CComView(QWidget *parent) : COurListView(reflist::referenceList(reflist::ListId::Comarques), parent)
{
    setObjectName(QStringLiteral("comarquesList"));
    setSelectionMode(ExtendedSelection);
}
