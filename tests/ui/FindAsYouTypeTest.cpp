// Find as you type in the list windows, and the whole-handbook search (Ctrl+K), driven as a
// user drives them: keys typed into the fields, headings clicked, Enter and double clicks.

#include "MainWindowFixture.h"
#include "app/ui/FunctionsBar.h"
#include "app/ui/HandbookSearchLauncher.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "reference/ui/FindDialog.h"
#include "reference/ui/HandbookSearchDialog.h"
#include "reference/ui/ListFilterModel.h"
#include "reference/ui/ReferenceListView.h"
#include "reference/ui/TreatmentsView.h"
#include "text/Fold.h"
#include "text/ui/QtText.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBlock>

namespace {

class FindAsYouType : public MainWindowTest
{
protected:
    template <class View> View *view(int tab) const
    {
        const auto frames = frame->workbook()->frames();
        return tab < frames.size() ? qobject_cast<View *>(frames.at(tab)->viewWidget()) : nullptr;
    }

    // The filter field above a list, typed into as a user types.
    static QLineEdit *typeFilter(ReferenceListView *list, const QString &text)
    {
        QLineEdit *field = list->filterField();
        field->setFocus();
        QTest::keyClicks(field, text);
        return field;
    }

    QString statusMessage() const { return frame->statusBar()->currentMessage(); }

    HandbookSearchDialog *searchDialog() const { return frame->findChild<HandbookSearchDialog *>(); }
};

QString cell(const ReferenceListView *list, int row, int column)
{
    return list->model()->index(row, column).data().toString().trimmed();
}

// Every shown row holds every word of the query (running name aside, checked by the caller).
bool everyRowHolds(const ReferenceListView *list, const QString &query)
{
    const auto words = plecta::foldedWords(qttext::toCp1252(query));
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        QString text;
        for (int column = 0; column < list->model()->columnCount(); ++column)
            text += cell(list, row, column) + u' ';
        if (!plecta::containsAllWords(plecta::foldForSearch(qttext::toCp1252(text)), words))
            return false;
    }
    return true;
}

struct ListCase
{
    int function;
    int tab;
    QString query;
    QString meant; // the first column of a row the list must keep
    int shownAtMost;
};

TEST_F(FindAsYouType, EachListNarrowsAtEveryKeystrokeAndEscapeClearsIt)
{
    const ListCase cases[] = {
        {5, 0, u"l'hospitalet"_qs, u"Hospitalet de Llobregat, l'"_qs, 2},
        {5, 0, u"hospitalet llobregat"_qs, u"Hospitalet de Llobregat, l'"_qs, 1},
        {5, 0, u"moianes"_qs, u"Moià"_qs, 10},
        {5, 1, u"emporda"_qs, u"Alt Empordà"_qs, 2},
        {2, 0, u"credit"_qs, u"crédito"_qs, 60},
        {2, 0, u"sol·licitud"_qs, u"solicitud"_qs, 5},
        {2, 0, u"sol.licitud"_qs, u"solicitud"_qs, 5},
        {2, 0, u"sollicitud"_qs, u"solicitud"_qs, 5},
        {3, 0, u"xec"_qs, u"x"_qs, 5},
        {3, 1, u"WATT"_qs, u"W"_qs, 3},
    };
    int openFunction = -1;
    for (const ListCase &c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        if (c.function != openFunction) {
            frame->openFunction(c.function);
            openFunction = c.function;
        }
        frame->activateTab(c.tab);
        auto *list = view<ReferenceListView>(c.tab);
        ASSERT_TRUE(list);
        ASSERT_TRUE(waitForRows(list));
        ASSERT_TRUE(list->filterField()->isVisible()) << "the filter field is above the list";
        const int total = list->model()->rowCount();

        // Each keystroke narrows (or keeps) what is shown, never widens it.
        QLineEdit *field = list->filterField();
        field->setFocus();
        int shown = total;
        for (const QChar ch : c.query) {
            QTest::keyClicks(field, QString(ch));
            EXPECT_LE(list->model()->rowCount(), shown);
            shown = list->model()->rowCount();
        }
        ASSERT_EQ(field->text(), c.query);
        EXPECT_GT(shown, 0);
        EXPECT_LE(shown, c.shownAtMost);
        bool kept = false;
        for (int row = 0; row < shown; ++row)
            kept = kept || cell(list, row, 0) == c.meant;
        EXPECT_TRUE(kept) << "should keep " << c.meant.toStdString();
        if (c.function != 5 || c.tab != 0) { // the running names are searched as well there
            EXPECT_TRUE(everyRowHolds(list, c.query));
        }
        EXPECT_EQ(statusMessage(),
                  QStringLiteral("%1 de %2").arg(shown).arg(QString::fromStdString(reflist::groupedNumber(total))));

        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(list->model()->rowCount(), total);
        EXPECT_TRUE(statusMessage().isEmpty());
    }
}

TEST_F(FindAsYouType, TheFilterKeepsTheSortAndAHeadingSortsWhatIsShown)
{
    frame->openFunction(5);
    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(list);
    const QPoint postcode(list->header()->sectionViewportPosition(2) + 10, list->header()->height() / 2);
    // With no filter typed, a sort leaves another message in the status bar alone.
    frame->statusBar()->showMessage(u"Un altre missatge"_qs);
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, postcode);
    EXPECT_EQ(statusMessage(), u"Un altre missatge"_qs);

    typeFilter(list, u"baix llobregat"_qs);
    const int shown = list->model()->rowCount();
    ASSERT_GT(shown, 20);
    EXPECT_EQ(statusMessage(), QStringLiteral("%1 de 947").arg(shown));
    for (int row = 1; row < shown; ++row)
        EXPECT_LE(cell(list, row - 1, 2), cell(list, row, 2)) << row;

    // A second click on the heading reverses what is shown; the filter stays.
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, postcode);
    ASSERT_EQ(list->model()->rowCount(), shown);
    for (int row = 1; row < shown; ++row)
        EXPECT_GE(cell(list, row - 1, 2), cell(list, row, 2)) << row;

    // A row chosen among the shown ones stays chosen when the filter goes.
    list->setCurrentIndex(list->model()->index(3, 0));
    const QString chosen = cell(list, 3, 0);
    QTest::keyClick(list->filterField(), Qt::Key_Escape);
    ASSERT_EQ(list->model()->rowCount(), 947);
    EXPECT_EQ(cell(list, list->currentIndex().row(), 0), chosen);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
    for (int row = 1; row < 947; ++row)
        ASSERT_GE(cell(list, row - 1, 2), cell(list, row, 2)) << row;
}

// The vocabulary fills once its wait notice is on the screen. What is typed or clicked meanwhile
// is not lost: the filter narrows the rows when they come, and a heading click sorts nothing yet.
TEST_F(FindAsYouType, WhatIsDoneBeforeTheVocabularyIsInAppliesToItsRows)
{
    ASSERT_TRUE(frame->openFunction(2));
    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(list);
    ASSERT_FALSE(list->filled()) << "filled before its notice was on the screen";
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                      QPoint(list->header()->sectionViewportPosition(1) + 10, list->header()->height() / 2));
    typeFilter(list, u"cifra"_qs);

    ASSERT_TRUE(waitForRows(list));
    EXPECT_EQ(list->sortState().column, -1);
    ASSERT_GT(list->model()->rowCount(), 0);
    EXPECT_LT(list->model()->rowCount(), 20);
    EXPECT_TRUE(everyRowHolds(list, u"cifra"_qs));
    EXPECT_EQ(statusMessage(), QStringLiteral("%1 de 3.949").arg(list->model()->rowCount()));
}

TEST_F(FindAsYouType, TheSearchCommandLooksThroughTheRowsShown)
{
    frame->openFunction(5);
    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(list);
    typeFilter(list, u"infant"_qs);
    ASSERT_EQ(list->model()->rowCount(), 1);
    list->selectionModel()->clear();
    whenModal([](QWidget *modal) {
        auto *search = qobject_cast<FindDialog *>(modal);
        ASSERT_TRUE(search);
        QTest::keyClicks(search->findChild<QLineEdit *>(), u"vandell"_qs);
        QTest::keyClick(search, Qt::Key_Return);
    });
    list->findInList();
    ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 0);
    EXPECT_EQ(cell(list, 0, 0), u"Vandellòs i l'Hospitalet de l'Infant"_qs);
}

TEST_F(FindAsYouType, CtrlKFromAFormFindsAMunicipalityAndEnterShowsIt)
{
    frame->openFunction(1);
    QLineEdit *field = frame->workbook()->activeFrame()->findChild<QLineEdit *>();
    ASSERT_TRUE(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
    HandbookSearchDialog *dialog = searchDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->isVisible());

    QTest::keyClicks(dialog->queryField(), u"l'hospitalet"_qs);
    const HandbookResultsModel *results = dialog->results();
    ASSERT_GT(results->hitCount(), 0);
    // Grouped by list: a heading, then its rows; the first row is the heading of the first list.
    EXPECT_EQ(results->hit(0), nullptr);
    EXPECT_TRUE(results->index(0).data().toString().startsWith(u"Municipis — "_qs))
        << results->index(0).data().toString().toStdString();
    EXPECT_EQ(results->index(1).data().toString(), u"l'Hospitalet de Llobregat — Barcelonès — 08901 — 93"_qs);

    QTest::keyClick(dialog->queryField(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(list) << "the municipalities are open";
    EXPECT_EQ(frame->workbook()->activeFrame()->viewWidget(), list);
    ASSERT_TRUE(list->currentIndex().isValid());
    EXPECT_EQ(cell(list, list->currentIndex().row(), 0), u"Hospitalet de Llobregat, l'"_qs);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(list->currentIndex().row(), {}));
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
}

TEST_F(FindAsYouType, TheFunctionsBarButtonOpensTheSearchAndADoubleClickShowsTheRow)
{
    auto *button = frame->functionsBar()->findChild<QPushButton *>(u"handbookSearchButton"_qs);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
    HandbookSearchDialog *dialog = searchDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());

    QTest::keyClicks(dialog->queryField(), u"sollicitud"_qs);
    const HandbookResultsModel *results = dialog->results();
    int solicitud = -1;
    for (int row = 0; row < results->rowCount() && solicitud < 0; ++row) {
        if (results->index(row).data().toString().startsWith(u"solicitud — "_qs))
            solicitud = row;
    }
    ASSERT_GE(solicitud, 0);
    QListView *resultsList = dialog->resultsView();
    resultsList->scrollTo(results->index(solicitud));
    const QPoint at = resultsList->visualRect(results->index(solicitud)).center();
    QTest::mouseClick(resultsList->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(resultsList->viewport(), Qt::LeftButton, {}, at);

    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(list);
    ASSERT_TRUE(waitForRows(list));
    ASSERT_TRUE(list->currentIndex().isValid());
    EXPECT_TRUE(cell(list, list->currentIndex().row(), 0).startsWith(u"solicitud"_qs));
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
}

TEST_F(FindAsYouType, AHitOpensItsWindowWithTheRowInSight)
{
    const reflist::HandbookIndex index;
    struct Case
    {
        reflist::HandbookPart part;
        QString query;
        QString line; // how the row or line shown begins
    };
    const Case cases[] = {
        {reflist::HandbookPart::Vocabulary, u"cifra"_qs, u"cifra"_qs}, // shown once filled
        {reflist::HandbookPart::Symbols, u"watt"_qs, u"W"_qs},
        {reflist::HandbookPart::Abbreviations, u"xec"_qs, u"x"_qs},
        {reflist::HandbookPart::Comarques, u"valles oriental"_qs, u"Vallès Oriental"_qs},
        {reflist::HandbookPart::Municipalities, u"xerta"_qs, u"Xerta"_qs},
        {reflist::HandbookPart::Treatments, u"president generalitat"_qs, u" Molt Honorable Senyor -a"_qs},
        {reflist::HandbookPart::Documents, u"reposicio"_qs, u"recurs potestatiu de reposició"_qs},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        const auto hits = index.search(plecta::foldedWords(qttext::toCp1252(c.query)), std::array{c.part}, true);
        ASSERT_FALSE(hits.empty());
        QWidget *shown = frame->handbookSearch()->showHit(c.part, hits.front().row);
        ASSERT_TRUE(shown);
        EXPECT_EQ(frame->workbook()->activeFrame()->viewWidget(), shown);
        if (auto *catalogue = qobject_cast<CatalogueView *>(shown)) {
            ASSERT_TRUE(catalogue->tree()->currentItem());
            EXPECT_EQ(catalogue->tree()->currentItem()->text(0), c.line);
        } else if (auto *list = qobject_cast<ReferenceListView *>(shown)) {
            ASSERT_TRUE(waitForRows(list));
            ASSERT_TRUE(list->currentIndex().isValid());
            EXPECT_TRUE(cell(list, list->currentIndex().row(), 0).startsWith(c.line));
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
        } else {
            auto *text = qobject_cast<TreatmentsView *>(shown);
            ASSERT_TRUE(text);
            EXPECT_TRUE(text->textCursor().block().text().startsWith(c.line))
                << text->textCursor().block().text().toStdString();
            EXPECT_TRUE(text->textCursor().hasSelection());
            EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect()));
        }
    }
}

} // namespace
