#include "reference/ui/CVocView.h"

namespace {
constexpr int kColumnWidth = 350;
} // namespace

CVocView::CVocView(reflist::VocabularyDirection direction, QWidget *parent)
    : COurListView(parent), m_direction(direction)
{
    setObjectName(direction == reflist::VocabularyDirection::CastellaCatala ? QStringLiteral("vocabularyList")
                                                                            : QStringLiteral("vocabularyList2"));
    setSortable(true);
    setSearchable(true);
}

void CVocView::insertColumns()
{
    const QString castella = QStringLiteral("Castellà");
    const QString catala = QStringLiteral("Català");
    if (m_direction == reflist::VocabularyDirection::CastellaCatala)
        setColumns({{castella, kColumnWidth}, {catala, kColumnWidth}});
    else
        setColumns({{catala, kColumnWidth}, {castella, kColumnWidth}});
}

void CVocView::FillVocabularyList()
{
    fillRows(reflist::kVocabularyReserve,
             [this](reflist::ReportRows &rows) { reflist::FillVocabularyList(rows, m_direction); });
}

void CVocView::initialUpdate()
{
    insertColumns();
    FillVocabularyList();
}
