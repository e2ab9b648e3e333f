#pragma once
#include "reference/ui/COurListView.h"

// "Símbols i sigles": symbols, unit signs and acronyms. Sortable; not searchable.
class CSimView : public COurListView
{
    Q_OBJECT
public:
    explicit CSimView(QWidget *parent = nullptr);
};
