// The reference lists as a user meets them in the main window: their rows, heading clicks, the
// search command and its dialog, the deferred fill of "Català - Castellà" and the row painting.

#include "MainWindowFixture.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "reference/ui/FindDialog.h"
#include "reference/ui/ReferenceListView.h"
#include "reference/ui/ReportModel.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString cellText(const ReferenceListView *list, int row, int column)
{
    const QAbstractItemModel *model = list->model();
    QString text = model->data(model->index(row, column)).toString();
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

int selectedRow(const ReferenceListView *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
}

void clickHeading(ReferenceListView *list, int column, Qt::MouseButton button = Qt::LeftButton)
{
    QHeaderView *header = list->header();
    const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), button, {}, at);
}

QWidget *findNotice()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"waitNotice"_qs && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Counts how often the "Esperi" notice is shown.
class NoticeWatcher : public QObject
{
public:
    NoticeWatcher() { qApp->installEventFilter(this); }
    ~NoticeWatcher() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == u"waitNotice"_qs)
            ++shown;
        return false;
    }
};

class ReferenceLists : public MainWindowTest
{
protected:
    template <class View> View *view(int tab) const
    {
        return qobject_cast<View *>(frame->workbook()->frames().at(tab)->viewWidget());
    }

    // Sends the search command by its key while the dialog is answered with `text` (or cancelled
    // when `text` is null). Returns whether the "Cercar" dialog came up.
    bool search(const QString &text, const QString &keys = u"Ctrl+F"_qs)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<FindDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = dialog->windowTitle() == u"Cercar"_qs;
            auto *field = dialog->findChild<QLineEdit *>(u"searchField"_qs);
            EXPECT_TRUE(field->text().isEmpty()) << "a new dialog opens empty";
            if (text.isNull()) {
                QTest::mouseClick(dialog->findChild<QPushButton *>(u"cancelButton"_qs), Qt::LeftButton);
                return;
            }
            // Key events that carry their text, accented letters included.
            for (QChar c : text)
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::keyClick(field, Qt::Key_Return);
        });
        frame->updateActions();
        QAction *key = keyAction(frame, keys);
        if (key && key->isEnabled())
            key->trigger();
        QApplication::processEvents(); // a dialog that never came up leaves the timer pending
        return shown;
    }
};

} // namespace

TEST_F(ReferenceLists, VocabularyShowsTheTableAtOnceAndTheCatalanListWhenFirstBroughtForward)
{
    NoticeWatcher notices;
    ASSERT_TRUE(frame->openFunction(2));
    auto *forward = view<ReferenceListView>(0);
    auto *backward = view<ReferenceListView>(1);
    ASSERT_TRUE(forward && backward);
    EXPECT_EQ(frame->activeView(), forward);
    // The headings at once; the rows once the notice is on the screen.
    EXPECT_EQ(notices.shown, 1);
    EXPECT_EQ(forward->model()->headerData(0, Qt::Horizontal).toString(), u"Castellà"_qs);
    ASSERT_TRUE(waitForRows(forward));
    EXPECT_EQ(notices.shown, 1);
    EXPECT_FALSE(findNotice()) << "the notice closes when the rows are in";
    ASSERT_EQ(forward->model()->rowCount(), 3949);
    // It had the focus while it waited: it stands on its first row, as if the rows had been in.
    EXPECT_EQ(frame->focusWidget(), forward);
    EXPECT_EQ(forward->currentIndex().row(), 0);
    EXPECT_EQ(forward->model()->headerData(0, Qt::Horizontal).toString(), u"Castellà"_qs);
    EXPECT_EQ(forward->model()->headerData(1, Qt::Horizontal).toString(), u"Català"_qs);
    EXPECT_EQ(forward->header()->sectionSize(0), 420);
    EXPECT_EQ(forward->model()->data(forward->model()->index(0, 0)).toString(),
              u"a tal efecto                            "_qs);
    EXPECT_EQ(cellText(forward, 0, 1), u"a aquest efecte"_qs);
    EXPECT_EQ(cellText(forward, 3948, 0), u"zona franca"_qs);
    EXPECT_EQ(forward->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(forward->selectionBehavior(), QAbstractItemView::SelectRows);

    // The opening's own notice only; the second list waits with its headings alone.
    EXPECT_EQ(notices.shown, 1);
    EXPECT_EQ(backward->model()->rowCount(), 0);
    EXPECT_EQ(backward->model()->headerData(0, Qt::Horizontal).toString(), u"Català"_qs);

    frame->activateTab(1);
    EXPECT_EQ(notices.shown, 2);
    // Brought forward again before its rows are in: still one notice, one fill.
    frame->activateTab(0);
    frame->activateTab(1);
    EXPECT_EQ(notices.shown, 2);
    ASSERT_TRUE(waitForRows(backward));
    ASSERT_EQ(backward->model()->rowCount(), 3949);
    EXPECT_EQ(cellText(backward, 0, 0), u"a aquest efecte"_qs);
    EXPECT_EQ(cellText(backward, 0, 1), u"a tal efecto"_qs);

    // Sorted, sent back and brought forward again: no second fill, the order stays.
    clickHeading(backward, 1);
    const QString first = cellText(backward, 0, 1);
    frame->activateTab(0);
    frame->activateTab(1);
    frame->activateTab(1);
    EXPECT_EQ(notices.shown, 2);
    EXPECT_EQ(backward->model()->rowCount(), 3949);
    EXPECT_EQ(cellText(backward, 0, 1), first);
}

TEST_F(ReferenceLists, LeavingTheVocabularyFillsNothingOnTheWayOut)
{
    NoticeWatcher notices;
    frame->openFunction(2);
    const QPointer<ReferenceListView> backward = view<ReferenceListView>(1);
    ASSERT_TRUE(backward);
    ASSERT_EQ(notices.shown, 1);
    // Putting "Castellà - Català" aside must not bring "Català - Castellà" forward to be filled.
    ASSERT_TRUE(frame->openFunction(5));
    EXPECT_EQ(notices.shown, 1) << "no notice on the way out";
    if (backward) {
        EXPECT_EQ(backward->model()->rowCount(), 0) << "a closing list was filled";
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(backward.isNull()) << "kept for the way back";
    EXPECT_EQ(frame->activeView(), view<ReferenceListView>(0));
    EXPECT_TRUE(showsWindowMenus(frame));
}

TEST_F(ReferenceLists, HeadingClicksSortAndOnlyTheLeftButtonCounts)
{
    ASSERT_TRUE(openFunctionWithRows(2));
    auto *list = view<ReferenceListView>(0);
    clickHeading(list, 0, Qt::RightButton);
    EXPECT_EQ(cellText(list, 0, 0), u"a tal efecto"_qs);
    EXPECT_EQ(list->sortState().column, -1);

    clickHeading(list, 1);
    EXPECT_EQ(cellText(list, 0, 1), u"a aquest efecte"_qs);
    EXPECT_EQ(cellText(list, 3948, 1), u"útil adj"_qs);
    clickHeading(list, 1);
    EXPECT_EQ(cellText(list, 0, 1), u"útil adj"_qs);
    clickHeading(list, 1, Qt::RightButton);
    EXPECT_EQ(cellText(list, 0, 1), u"útil adj"_qs);
    clickHeading(list, 0);
    EXPECT_TRUE(list->sortState().ascending);
    EXPECT_LE(cellText(list, 0, 0).toLower(), cellText(list, 1, 0).toLower());
}

TEST_F(ReferenceLists, MunicipalitiesAndComarques)
{
    frame->openFunction(5);
    auto *municipalities = view<ReferenceListView>(0);
    auto *comarques = view<ReferenceListView>(1);
    ASSERT_TRUE(municipalities && comarques);
    ASSERT_EQ(municipalities->model()->rowCount(), 947);
    const QStringList first{cellText(municipalities, 0, 0), cellText(municipalities, 0, 1),
                            cellText(municipalities, 0, 2), cellText(municipalities, 0, 3)};
    EXPECT_EQ(first, (QStringList{u"Abella de la Conca"_qs, u"Pallars Jussà"_qs, u"25651"_qs, u"973"_qs}));
    EXPECT_EQ(cellText(municipalities, 1, 2), u"08630"_qs);
    EXPECT_EQ(cellText(municipalities, 1, 3), u"93"_qs);
    EXPECT_EQ(cellText(municipalities, 944, 0), u"Àger"_qs); // the accented initials close the table
    EXPECT_EQ(cellText(municipalities, 946, 0), u"Òrrius"_qs);
    const QList<int> widths{municipalities->header()->sectionSize(0), municipalities->header()->sectionSize(1),
                            municipalities->header()->sectionSize(2), municipalities->header()->sectionSize(3)};
    EXPECT_EQ(widths, (QList<int>{200, 200, 75, 75}));

    // Postcode order, then reversed; a selected row goes where its record goes.
    municipalities->selectionModel()->setCurrentIndex(municipalities->model()->index(1, 0),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    clickHeading(municipalities, 2);
    EXPECT_LT(cellText(municipalities, 0, 2), cellText(municipalities, 946, 2));
    ASSERT_GE(selectedRow(municipalities), 0);
    EXPECT_EQ(cellText(municipalities, selectedRow(municipalities), 0), u"Abrera"_qs);
    EXPECT_EQ(municipalities->currentIndex().row(), selectedRow(municipalities));
    clickHeading(municipalities, 2);
    EXPECT_GT(cellText(municipalities, 0, 2), cellText(municipalities, 946, 2));
    EXPECT_EQ(cellText(municipalities, selectedRow(municipalities), 0), u"Abrera"_qs);

    frame->activateTab(1);
    ASSERT_EQ(comarques->model()->rowCount(), 43);
    EXPECT_EQ(comarques->header()->sectionSize(0), 500);
    EXPECT_EQ(comarques->selectionMode(), QAbstractItemView::ExtendedSelection);
    clickHeading(comarques, 0);
    clickHeading(comarques, 0);
    EXPECT_EQ(cellText(comarques, 0, 0), u"Alt Camp"_qs);
    EXPECT_EQ(cellText(comarques, 42, 0), u"Vallès Oriental"_qs);
}

TEST_F(ReferenceLists, AbbreviationsAndSymbols)
{
    frame->openFunction(3);
    auto *abbreviations = qobject_cast<ReferenceListView *>(frame->workbook()->frames().at(0)->viewWidget());
    auto *symbols = qobject_cast<ReferenceListView *>(frame->workbook()->frames().at(1)->viewWidget());
    ASSERT_TRUE(abbreviations && symbols);
    ASSERT_EQ(abbreviations->model()->rowCount(), 325);
    EXPECT_EQ(cellText(abbreviations, 0, 0), u"(a)"_qs);
    EXPECT_TRUE(cellText(abbreviations, 0, 1).startsWith(u"àlies;"_qs));
    EXPECT_EQ(cellText(abbreviations, 324, 1), u"xec"_qs);
    EXPECT_EQ(abbreviations->selectionMode(), QAbstractItemView::ExtendedSelection);
    ASSERT_EQ(symbols->model()->rowCount(), 129);
    EXPECT_EQ(symbols->model()->headerData(0, Qt::Horizontal).toString(), u"Símbol o sigla"_qs);
    EXPECT_EQ(symbols->model()->headerData(1, Qt::Horizontal).toString(), u"Significat"_qs);
    EXPECT_EQ(cellText(symbols, 0, 0), u"a"_qs);
    EXPECT_EQ(cellText(symbols, 0, 1), u"àrea"_qs);
    EXPECT_EQ(cellText(symbols, 128, 1), u"watt"_qs);
    EXPECT_EQ(symbols->header()->sectionSize(1), 290);
}

TEST_F(ReferenceLists, SearchIsOfferedOnlyByTheThreeSearchableLists)
{
    struct Case
    {
        int function, tab;
        bool searchable;
    };
    const Case cases[] = {{2, 0, true},  {2, 1, true}, {6, 0, false}, {3, 0, false},
                          {3, 1, false}, {5, 0, true}, {5, 1, false}, {4, 0, false}};
    for (const Case &c : cases) {
        frame->openFunction(c.function);
        frame->activateTab(c.tab);
        frame->updateActions();
        const QString where = QStringLiteral("function %1 tab %2").arg(c.function).arg(c.tab);
        EXPECT_EQ(keyAction(frame, u"Ctrl+F"_qs)->isEnabled(), c.searchable) << where.toStdString();
        EXPECT_EQ(keyAction(frame, u"F3"_qs)->isEnabled(), c.searchable) << where.toStdString();
        EXPECT_EQ(search(QString()), c.searchable) << where.toStdString();
        EXPECT_EQ(search(QString(), u"F3"_qs), c.searchable) << where.toStdString();
    }
}

TEST_F(ReferenceLists, SearchingMunicipalitiesStepsOnAndStopsAtTheEnd)
{
    frame->openFunction(5);
    auto *list = view<ReferenceListView>(0);
    ASSERT_TRUE(search(u"ab"_qs));
    EXPECT_EQ(cellText(list, selectedRow(list), 0), u"Abella de la Conca"_qs);
    ASSERT_TRUE(search(u"ab"_qs, u"F3"_qs));
    EXPECT_EQ(cellText(list, selectedRow(list), 0), u"Abrera"_qs);
    EXPECT_EQ(list->currentIndex().row(), selectedRow(list));

    dialogs::setNextAnswer(QMessageBox::Ok);
    ASSERT_TRUE(search(u"ab"_qs));
    EXPECT_EQ(dialogs::lastMessage(), u"No trobat"_qs);
    EXPECT_EQ(cellText(list, selectedRow(list), 0), u"Abrera"_qs);

    // Cancelling changes neither the selection nor the scroll position.
    list->scrollToBottom();
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_TRUE(search(QString()));
    EXPECT_EQ(cellText(list, selectedRow(list), 0), u"Abrera"_qs);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);

    // A row found below the visible part scrolls into view.
    list->scrollToTop();
    ASSERT_TRUE(search(u"XERTA"_qs));
    const int xerta = selectedRow(list);
    EXPECT_EQ(cellText(list, xerta, 0), u"Xerta"_qs);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->model()->index(xerta, 0))));
    dialogs::setNextAnswer(QMessageBox::Ok);
    ASSERT_TRUE(search(u"agramunt"_qs));
    EXPECT_EQ(dialogs::lastMessage(), u"No trobat"_qs);
    EXPECT_EQ(selectedRow(list), xerta);
}

TEST_F(ReferenceLists, SearchFollowsTheSortAndTheListsLanguage)
{
    ASSERT_TRUE(openFunctionWithRows(2));
    auto *forward = view<ReferenceListView>(0);
    ASSERT_TRUE(search(u"cifra"_qs));
    EXPECT_TRUE(cellText(forward, selectedRow(forward), 0).startsWith(u"cifra"_qs));

    frame->activateTab(1);
    auto *backward = view<ReferenceListView>(1);
    ASSERT_TRUE(waitForRows(backward));
    ASSERT_TRUE(search(u"xifra"_qs));
    EXPECT_TRUE(cellText(backward, selectedRow(backward), 0).startsWith(u"xifra"_qs));

    // In table order the accented headwords stand among the a's; sorted, after the z's.
    backward->selectionModel()->clearSelection();
    ASSERT_TRUE(search(u"à"_qs));
    EXPECT_LT(selectedRow(backward), 1000);
    clickHeading(backward, 0);
    backward->selectionModel()->clearSelection();
    ASSERT_TRUE(search(u"À"_qs));
    EXPECT_EQ(cellText(backward, selectedRow(backward), 0), u"àmbit m"_qs);
    EXPECT_EQ(cellText(backward, selectedRow(backward) - 1, 0), u"zona franca"_qs);
}

TEST_F(ReferenceLists, CopyingARowPutsNothingOnTheClipboard)
{
    frame->openFunction(5);
    auto *list = view<ReferenceListView>(0);
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QApplication::clipboard()->setText(u"abans"_qs);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(runAction(frame, frame->mainActions().copy)) << "a list is no text field";
    EXPECT_FALSE(frame->mainActions().copy->isEnabled());
    EXPECT_EQ(QApplication::clipboard()->text(), u"abans"_qs);
}

TEST_F(ReferenceLists, RowsAreStripedTheSelectionShowsAndTextsRunOnUnclipped)
{
    frame->openFunction(5);
    frame->activateTab(1);
    auto *list = view<ReferenceListView>(1);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(236, 228, 220));
    EXPECT_EQ(list->palette().color(QPalette::AlternateBase), QColor(216, 208, 200));
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->header()->resizeSection(0, 20); // far narrower than "Alt Camp"
    QApplication::processEvents();
    const QImage image = list->viewport()->grab().toImage();
    const QRect row0 = list->visualRect(list->model()->index(0, 0));
    const QRect row1 = list->visualRect(list->model()->index(1, 0));
    const QRect row2 = list->visualRect(list->model()->index(2, 0));
    const int right = list->viewport()->width() - 3;
    const QColor selected(image.pixel(right, row0.center().y()));
    EXPECT_NE(selected, QColor(236, 228, 220)) << "a selected row is drawn as selected";
    EXPECT_TRUE(selected == list->palette().color(QPalette::Active, QPalette::Highlight) ||
                selected == list->palette().color(QPalette::Inactive, QPalette::Highlight));
    EXPECT_EQ(QColor(image.pixel(right, row1.center().y())), QColor(216, 208, 200));
    EXPECT_EQ(QColor(image.pixel(right, row2.center().y())), QColor(236, 228, 220));

    // "Alt Camp" runs on past its 20-pixel column, over the selection.
    bool textPastTheColumn = false;
    for (int x = 30; x < 120 && !textPastTheColumn; ++x)
        for (int y = row0.top(); y <= row0.bottom(); ++y)
            if (QColor(image.pixel(x, y)) != selected)
                textPastTheColumn = true;
    EXPECT_TRUE(textPastTheColumn);

    // The stripes follow the position, not the record: the same after a sort elsewhere.
    frame->activateTab(0);
    auto *municipalities = view<ReferenceListView>(0);
    clickHeading(municipalities, 0);
    clickHeading(municipalities, 0);
    QApplication::processEvents();
    const QImage sorted = municipalities->viewport()->grab().toImage();
    const int y0 = municipalities->visualRect(municipalities->model()->index(0, 0)).center().y();
    const int x = municipalities->viewport()->width() - 3;
    EXPECT_EQ(QColor(sorted.pixel(x, y0)), QColor(236, 228, 220));
}
