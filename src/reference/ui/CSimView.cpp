#include "reference/ui/CSimView.h"

#include "reference/ReferenceLists.h"

CSimView::CSimView(QWidget *parent) : COurListView(parent)
{
    setObjectName(QStringLiteral("symbolsList"));
    setSelectionMode(ExtendedSelection);
    setSortable(true);
}

void CSimView::initialUpdate()
{
    setColumns({{QStringLiteral("Símbols/Sigles"), 290}, {QStringLiteral("Descripció del Text"), 290}});
    fillRows(0, reflist::FillSymbolsList);
}
