#pragma once
#include "reference/ui/COurListView.h"

// "Municipis": name, comarca, postcode and telephone prefix. Sortable by any column and
// searchable by name.
class CMuniView : public COurListView
{
    Q_OBJECT
public:
    explicit CMuniView(QWidget *parent = nullptr);
};
