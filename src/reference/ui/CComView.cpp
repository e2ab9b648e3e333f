#include "reference/ui/CComView.h"

#include "reference/ReferenceLists.h"

CComView::CComView(QWidget *parent) : COurListView(parent)
{
    setObjectName(QStringLiteral("comarquesList"));
    setSelectionMode(ExtendedSelection);
}

void CComView::initialUpdate()
{
    setColumns({{QStringLiteral("Comarca"), 500}});
    fillRows(0, reflist::FillComarquesList);
}
