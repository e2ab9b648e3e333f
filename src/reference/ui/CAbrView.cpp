#include "reference/ui/CAbrView.h"

#include "reference/ReferenceLists.h"

CAbrView::CAbrView(QWidget *parent) : COurListView(parent)
{
    setObjectName(QStringLiteral("abbreviationsList"));
    setSelectionMode(ExtendedSelection);
    setSortable(true);
}

void CAbrView::initialUpdate()
{
    // The headings are the vocabulary's two strings, as the handbook has always shown them.
    setColumns({{QStringLiteral("Castellà"), 290}, {QStringLiteral("Català"), 290}});
    fillRows(reflist::kAbbreviationsReserve, reflist::FillAbbreviationsList);
}
