#pragma once
#include "reference/ListSearch.h"
#include "reference/ListSort.h"

#include <QSortFilterProxyModel>

#include <string>
#include <vector>

class QPainter;
class ReportModel;

// Find as you type over a reference list: the rows of its ReportModel that hold every word of
// the query, in the list's own order (a heading sort of the list reorders what is shown). The
// rows are folded once, whenever the list is filled.
class ListFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    ListFilterModel(ReportModel *rows, bool withRunningName, QObject *parent = nullptr);

    // The text typed in the filter field; an empty or blank one shows every row.
    void setQuery(const QString &query);
    QString query() const { return m_query; }
    bool filtering() const { return !m_words.empty(); }
    const std::vector<std::string> &words() const { return m_words; }

    // The rows shown, as the search of the first column reads them.
    const reflist::ListCells &shownRows() const { return m_shown; }
    // The row now shown for the row appended at `origin`, or -1 when it is filtered out.
    int rowOfOrigin(int origin) const;

    // "23 de 3.523".
    QString countText() const;

signals:
    void shownRowsChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    class ShownRows final : public reflist::ListCells
    {
    public:
        explicit ShownRows(const ListFilterModel &model) : m_model(model) {}
        int columnCount() const override;
        int rowCount() const override;
        std::string_view cellText(int row, int column) const override;

    private:
        const ListFilterModel &m_model;
    };

    void reindex();

    ReportModel *m_rows;
    bool m_withRunningName;
    reflist::ListSearch m_search;
    QString m_query;
    std::vector<std::string> m_words;
    ShownRows m_shown{*this};
};

// Marks the parts of a cell's text that matched, behind the text drawn from `left` on a row.
void paintMatchMarks(QPainter *painter, const QRect &textRect, const QString &text,
                     const std::vector<std::string> &words);
