#pragma once
#include "reference/ui/COurListView.h"

// "Comarques": the names of the comarques in their fixed order; neither sorted nor searched.
class CComView : public COurListView
{
    Q_OBJECT
public:
    explicit CComView(QWidget *parent = nullptr);
};
