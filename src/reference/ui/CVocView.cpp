#include "reference/ui/CVocView.h"

CVocView::CVocView(reflist::VocabularyDirection direction, QWidget *parent)
    : COurListView(reflist::referenceList(direction == reflist::VocabularyDirection::CastellaCatala
                                              ? reflist::ListId::Vocabulary
                                              : reflist::ListId::VocabularyCatalan),
                   parent),
      m_direction(direction)
{
    setObjectName(direction == reflist::VocabularyDirection::CastellaCatala ? QStringLiteral("vocabularyList")
                                                                            : QStringLiteral("vocabularyList2"));
}

void CVocView::FillVocabularyList()
{
    fillRows();
}

void CVocView::initialUpdate()
{
    insertColumns();
    FillVocabularyList();
}
