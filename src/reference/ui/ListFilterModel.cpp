#include "reference/ui/ListFilterModel.h"

#include "reference/ui/ReportModel.h"
#include "text/Fold.h"
#include "text/ui/QtText.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// A highlighter's yellow, light enough for black text and for the selection's text colour.
const QColor kMarkColour(255, 214, 64, 170);

} // namespace

ListFilterModel::ListFilterModel(ReportModel *rows, bool withRunningName, QObject *parent)
    : QSortFilterProxyModel(parent), m_rows(rows), m_withRunningName(withRunningName)
{
    setSourceModel(rows);
    // The list's own order is the order shown: the proxy never sorts.
    setDynamicSortFilter(true);
    connect(rows, &QAbstractItemModel::modelReset, this, &ListFilterModel::reindex);
    connect(this, &QAbstractItemModel::modelReset, this, &ListFilterModel::shownRowsChanged);
    connect(this, &QAbstractItemModel::rowsInserted, this, &ListFilterModel::shownRowsChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &ListFilterModel::shownRowsChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &ListFilterModel::shownRowsChanged);
    reindex();
}

void ListFilterModel::reindex()
{
    m_search = reflist::ListSearch(m_rows->rows(), m_withRunningName);
    invalidateRowsFilter();
}

void ListFilterModel::setQuery(const QString &query)
{
    if (query == m_query)
        return;
    m_query = query;
    // Characters Windows-1252 cannot hold become "?", which the fold reads as a separator.
    const qttext::GateResult gated = qttext::gateInput(query);
    std::vector<std::string> words = plecta::foldedWords(qttext::toCp1252(gated.accepted() ? gated.text : query));
    if (words == m_words)
        return;
    m_words = std::move(words);
    invalidateRowsFilter();
    emit shownRowsChanged();
}

bool ListFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid() || m_words.empty())
        return true;
    const reflist::ReportRows &rows = m_rows->rows();
    const int origin = rows.origin(sourceRow);
    return origin < m_search.size() && m_search.matches(origin, m_words);
}

int ListFilterModel::rowOfOrigin(int origin) const
{
    const reflist::ReportRows &rows = m_rows->rows();
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (rows.origin(row) == origin)
            return mapFromSource(m_rows->index(row, 0)).row();
    }
    return -1;
}

QString ListFilterModel::countText() const
{
    return QString::fromStdString(reflist::shownCountText(rowCount(), m_rows->rowCount()));
}

int ListFilterModel::ShownRows::columnCount() const
{
    return m_model.m_rows->rows().columnCount();
}

int ListFilterModel::ShownRows::rowCount() const
{
    return m_model.rowCount();
}

std::string_view ListFilterModel::ShownRows::cellText(int row, int column) const
{
    const int sourceRow = m_model.mapToSource(m_model.index(row, 0)).row();
    return m_model.m_rows->rows().cellText(sourceRow, column);
}

void paintMatchMarks(QPainter *painter, const QRect &textRect, const QString &text,
                     const std::vector<std::string> &words)
{
    if (words.empty())
        return;
    // Every Windows-1252 character is one UTF-16 unit, so byte offsets are string positions.
    const std::vector<plecta::TextSpan> spans = plecta::matchedSpans(qttext::toCp1252(text), words);
    if (spans.empty())
        return;
    const QFontMetrics metrics(painter->font());
    const int height = metrics.height();
    const int top = textRect.top() + (textRect.height() - height) / 2;
    for (const plecta::TextSpan &span : spans) {
        const int begin = textRect.left() + metrics.horizontalAdvance(text.left(qsizetype(span.begin)));
        const int end = textRect.left() + metrics.horizontalAdvance(text.left(qsizetype(span.end)));
        painter->fillRect(QRect(begin, top, end - begin, height) & textRect, kMarkColour);
    }
}
