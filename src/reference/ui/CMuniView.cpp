#include "reference/ui/CMuniView.h"

#include "reference/ReferenceLists.h"

CMuniView::CMuniView(QWidget *parent) : COurListView(parent)
{
    setObjectName(QStringLiteral("municipalitiesList"));
    setSortable(true);
    setSearchable(true);
}

void CMuniView::initialUpdate()
{
    setColumns({{QStringLiteral("Municipis"), 200},
                {QStringLiteral("Comarca"), 200},
                {QStringLiteral("Codi Postal"), 75},
                {QStringLiteral("Prefix"), 75}});
    fillRows(reflist::kMunicipalitiesReserve, reflist::FillMunicipalitiesList);
}
