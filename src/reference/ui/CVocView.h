#pragma once
#include "reference/ReferenceLists.h"
#include "reference/ui/COurListView.h"

// "Castellà - Català": every vocabulary record, the Castilian text first. Filled when the window
// is built. Sortable by either heading; searchable by the first column.
class CVocView : public COurListView
{
    Q_OBJECT
public:
    explicit CVocView(QWidget *parent = nullptr) : CVocView(reflist::VocabularyDirection::CastellaCatala, parent) {}

    reflist::VocabularyDirection direction() const { return m_direction; }

    void initialUpdate() override;

protected:
    CVocView(reflist::VocabularyDirection direction, QWidget *parent);
    void FillVocabularyList();

private:
    const reflist::VocabularyDirection m_direction;
};
