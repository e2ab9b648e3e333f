#pragma once
#include "reference/ui/COurListView.h"

// "Abreviatures": the abbreviations with what they stand for. Sortable; not searchable.
class CAbrView : public COurListView
{
    Q_OBJECT
public:
    explicit CAbrView(QWidget *parent = nullptr);
};
