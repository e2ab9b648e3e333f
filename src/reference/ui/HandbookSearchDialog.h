#pragma once
#include "reference/HandbookSearch.h"

#include <QAbstractListModel>
#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QListView;

// The hits of a whole-handbook search as one list: a heading for each part that has hits, then
// its rows, best first.
class HandbookResultsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    HandbookResultsModel(const reflist::HandbookIndex &index, QObject *parent = nullptr);

    void setHits(std::vector<reflist::HandbookHit> hits, std::vector<std::string> words);
    const std::vector<std::string> &words() const { return m_words; }
    int hitCount() const { return int(m_hitCount); }
    // The hit a row shows, or nullptr for a heading.
    const reflist::HandbookHit *hit(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Entry
    {
        reflist::HandbookPart part;
        int hit; // index into m_hits, or -1 for the part's heading
        int count;
    };
    const reflist::HandbookIndex &m_index;
    std::vector<reflist::HandbookHit> m_hits;
    std::vector<Entry> m_entries;
    std::vector<std::string> m_words;
    std::size_t m_hitCount = 0;
};

// "Cerca a tot el manual": one field, and the rows of every list and the lines of the treatments
// that hold all its words, grouped by list, as the user types. Enter or a double click on a row
// chooses it.
class HandbookSearchDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HandbookSearchDialog(QWidget *parent = nullptr);

    QLineEdit *queryField() const { return m_query; }
    QListView *resultsView() const { return m_results; }
    HandbookResultsModel *results() const { return m_model; }
    const reflist::HandbookIndex &index() const { return m_index; }

    // Shows the dialog with the last query selected, so that typing starts a new one.
    void showForSearch();

signals:
    void hitChosen(reflist::HandbookPart part, int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void choose(const QModelIndex &index);

    reflist::HandbookIndex m_index;
    QLineEdit *m_query;
    QListView *m_results;
    QLabel *m_count;
    HandbookResultsModel *m_model;
};

// The parts' headings in the results ("Municipis"), as the windows name them.
QString handbookPartTitle(reflist::HandbookPart part);
