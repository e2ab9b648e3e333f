#include "reference/ui/CMuniView.h"

#include "reference/ReferenceLists.h"

CMuniView::CMuniView(QWidget *parent) : COurListView(reflist::referenceList(reflist::ListId::Municipalities), parent)
{
    setObjectName(QStringLiteral("municipalitiesList"));
}
