// The way through the window without dead ends: the document reached from the form's tab, the
// question before a document leaves with boxes left unfilled, the tabs by keyboard, the menus
// that stay, and the lookups opened beside a form that is being filled.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/FormTextBox.h"
#include "text/Cp1252.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DocumentAtHand : public CommercialFunctionTest
{
protected:
    // The minutes, the catalogue's first kind, shown when the function opens.
    FormView *form() const { return catalogue->shownForm(); }
    QLineEdit *edit(int id) const { return qobject_cast<QLineEdit *>(form()->fieldWidget(id)); }
    std::string generated() const
    {
        std::string text;
        form()->generateText(text);
        return text;
    }
    WorkbookTabBar *tabs() const { return frame->workbook()->tabBar(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DocumentAtHand, TheDocumentTabCannotBeClosedAndCtrlSOnTheFormTabSavesTheDocument)
{
    EXPECT_EQ(tabs()->tabButton(1, QTabBar::RightSide), nullptr) << "the Document tab has a close button";
    EXPECT_EQ(tabs()->tabButton(0, QTabBar::RightSide), nullptr);

    edit(1077)->setText(u"Consell Escolar"_qs);
    ASSERT_EQ(frame->activeFrame(), frame->workbook()->frames().first());
    const QString path = dir.filePath(u"acta.txt"_qs);
    dialogs::setNextGoOn(true);
    dialogs::setNextFileName(path);
    dialogs::setNextFileType(1); // Windows-1252: the document's own bytes
    QTest::keyClick(edit(1077), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(path), QByteArray::fromStdString(generated()));
    EXPECT_TRUE(readFile(path).contains("Consell Escolar"));
    EXPECT_EQ(frame->activeFrame(), frame->workbook()->frames().first()) << "the form's tab stays in front";
    for (QAction *action : {frame->mainActions().print, frame->mainActions().printPreview})
        EXPECT_TRUE(enabledNow(frame, action)) << action->objectName().toStdString();
}

TEST_F(DocumentAtHand, UnfilledBoxesAreNamedBeforeSavingAndGoingBackSelectsTheFirst)
{
    frame->activateTab(1);
    const QString path = dir.filePath(u"acta.txt"_qs);
    dialogs::setNextFileName(path);
    dialogs::setNextGoOn(false);
    ASSERT_TRUE(runAction(frame, frame->mainActions().saveAs));
    EXPECT_TRUE(dialogs::lastQuestion().startsWith(u"Queden "_qs));
    EXPECT_TRUE(dialogs::lastQuestion().contains(u"camps per omplir: NOM DE L'ORGANISME, NÚMERO"_qs))
        << dialogs::lastQuestion().toStdString();
    EXPECT_TRUE(dialogs::lastQuestion().contains(u"CÀRREC"_qs)) << "the choice left at its label";
    EXPECT_FALSE(QFile::exists(path));
    // Back in the form, on the first box left, its placeholder selected so typing replaces it.
    EXPECT_EQ(frame->activeFrame(), frame->workbook()->frames().first());
    EXPECT_EQ(QApplication::focusWidget(), edit(1077));
    QTest::keyClicks(edit(1077), u"Junta"_qs);
    EXPECT_EQ(edit(1077)->text(), u"Junta"_qs);
    // A placeholder written out in a box is selected, so that typing replaces it.
    edit(1082)->setText(u"Sessió <NÚMERO>"_qs);

    // Printing asks the same; a form with one box left says so in the singular.
    dialogs::setNextGoOn(false);
    runAction(frame, frame->mainActions().print);
    EXPECT_TRUE(dialogs::lastQuestion().startsWith(u"Queden "_qs));
    EXPECT_TRUE(dialogs::lastQuestion().contains(u"omplir: NÚMERO"_qs)) << dialogs::lastQuestion().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), edit(1082));
    EXPECT_EQ(edit(1082)->selectedText(), u"<NÚMERO>"_qs);

    // Going on saves the document as it is.
    dialogs::setNextGoOn(true);
    dialogs::setNextFileName(path);
    dialogs::setNextFileType(1);
    runAction(frame, frame->mainActions().saveAs);
    EXPECT_EQ(readFile(path), QByteArray::fromStdString(generated()));
}

TEST_F(DocumentAtHand, PlaceholdersAreHintsInEmptyBoxesAndTheDocumentStillShowsThem)
{
    EXPECT_EQ(edit(1077)->text(), QString());
    EXPECT_EQ(edit(1077)->placeholderText(), u"<NOM DE L'ORGANISME>"_qs);
    auto *points = qobject_cast<FormTextBox *>(form()->fieldWidget(1051));
    ASSERT_TRUE(points);
    EXPECT_EQ(points->toPlainText(), QString());
    EXPECT_EQ(points->placeholderText(), u"<PUNTS>"_qs);
    EXPECT_EQ(generated().rfind("Acta de la reuni\xF3: <NOM DE L'ORGANISME>\r\n", 0), 0u);
    EXPECT_NE(generated().find("<PUNTS>"), std::string::npos);
    EXPECT_FALSE(form()->isModified());

    // A click puts the caret at the start of what is typed, not after the placeholder.
    QTest::mouseClick(edit(1077), Qt::LeftButton, {}, edit(1077)->rect().center());
    QTest::keyClicks(edit(1077), u"Junta"_qs);
    EXPECT_EQ(generated().rfind("Acta de la reuni\xF3: Junta\r\n", 0), 0u);
    EXPECT_TRUE(form()->isModified());
    // Emptied again, the box is a hint again.
    edit(1077)->clear();
    EXPECT_EQ(generated().rfind("Acta de la reuni\xF3: <NOM DE L'ORGANISME>\r\n", 0), 0u);
}

TEST_F(DocumentAtHand, ATabReachedWithTabSelectsAllOfALargeBox)
{
    auto *points = qobject_cast<FormTextBox *>(form()->fieldWidget(1051));
    ASSERT_TRUE(points);
    points->setPlainText(u"Lectura de l'acta\nPressupost"_qs);
    QWidget *before = points->previousInFocusChain();
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), points);
    EXPECT_EQ(points->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'), points->toPlainText());
    EXPECT_FALSE(points->textCursor().selectedText().isEmpty());
    // A click leaves the caret where it falls.
    points->setFocus(Qt::MouseFocusReason);
    points->moveCursor(QTextCursor::End);
    EXPECT_TRUE(points->textCursor().selectedText().isEmpty());
}

TEST_F(DocumentAtHand, CtrlTabAndCtrlPageKeysSwitchEditionAndDocument)
{
    QWidget *field = edit(1077);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(frame->activeView(), document);
    QTest::keyClick(document, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(frame->activeView(), catalogue);
    EXPECT_EQ(QApplication::focusWidget(), field) << "the form's tab gets its focus back";
    QTest::keyClick(field, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(frame->activeView(), document);
    QTest::keyClick(document, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(frame->activeView(), catalogue);
    QTest::keyClick(field, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame->activeView(), document);
}

TEST_F(DocumentAtHand, MenusStayWithNoWindowAndTheirCommandsGrey)
{
    frame->closeAllChildren();
    const MainActions &actions = frame->mainActions();
    EXPECT_TRUE(showsWindowMenus(frame));
    EXPECT_TRUE(actions.functionsMenu->menuAction()->isVisible());
    for (QAction *action : {actions.saveAs, actions.print, actions.printPreview, actions.copy, actions.find})
        EXPECT_FALSE(enabledNow(frame, action)) << action->objectName().toStdString();
    EXPECT_TRUE(actions.saveAs->isVisible());
    EXPECT_TRUE(enabledNow(frame, actions.functions[2]));
    // Re-open so that the fixture's teardown finds its windows.
    frame->openFunction(0);
    catalogue = qobject_cast<CatalogueView *>(frame->workbook()->frames().first()->viewWidget());
}

TEST_F(DocumentAtHand, ALookupOpensBesideTheFormAndTheFormComesBackAsItWasLeft)
{
    QLineEdit *organisation = edit(1077);
    organisation->setFocus();
    organisation->selectAll();
    QTest::keyClicks(organisation, u"Consell Escolar"_qs);
    organisation->setCursorPosition(7);
    const QPointer<FormView> minutes = form();

    EXPECT_TRUE(frame->openFunction(2)); // Vocabulari, no question asked
    EXPECT_TRUE(dialogs::lastMessage().isEmpty()) << dialogs::lastMessage().toStdString();
    EXPECT_TRUE(frame->activeView()->objectName().startsWith(u"vocabulary"_qs));
    EXPECT_TRUE(minutes) << "the form was thrown away";

    EXPECT_TRUE(frame->openFunction(0));
    ASSERT_EQ(frame->workbook()->frames().size(), 2);
    EXPECT_EQ(frame->activeView(), catalogue) << "not a new catalogue";
    EXPECT_EQ(form(), minutes.data());
    EXPECT_EQ(organisation->text(), u"Consell Escolar"_qs);
    // The window's focus (the "Esperi" notice of the vocabulary took the activation with it).
    EXPECT_EQ(frame->focusWidget(), organisation);
    EXPECT_EQ(organisation->cursorPosition(), 7);

    // Quitting asks about the form, and so does it from another function.
    frame->openFunction(5);
    dialogs::setNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(dialogs::lastMessage().contains(u"descartar"_qs));
    frame->openFunction(0);
}

// From the tree of kinds, Tab goes to the form's first field, then on through the form in its
// order, never to a widget that does not show.
TEST_F(DocumentAtHand, TabFromTheTreeGoesThroughTheFormInItsOrder)
{
    catalogue->tree()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(catalogue->tree(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(1077)) << QApplication::focusWidget()->metaObject()->className();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(1082));
    // Through the whole form: each stop is shown, and below the one before or to its right.
    QPoint last = edit(1082)->mapTo(form()->page(), QPoint(0, 0));
    for (int i = 0; i < 12; ++i) {
        QWidget *before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        ASSERT_TRUE(now && now->isVisible()) << i;
        if (!form()->page()->isAncestorOf(now))
            break;
        const QPoint at = now->mapTo(form()->page(), QPoint(0, 0));
        EXPECT_TRUE(at.y() > last.y() + 2 || (std::abs(at.y() - last.y()) <= 2 && at.x() > last.x()))
            << i << ": " << now->accessibleName().toStdString();
        last = at;
    }
}

// A window closed by its tab is not lost for good: asking for its function again opens it afresh.
TEST_F(DocumentAtHand, AFunctionWhoseTabWasClosedOpensAfresh)
{
    frame->openFunction(3);
    ASSERT_EQ(frame->workbook()->frames().size(), 2);
    QTest::mouseClick(tabs()->tabButton(1, QTabBar::RightSide), Qt::LeftButton);
    ASSERT_EQ(frame->workbook()->frames().size(), 1);
    frame->openFunction(3);
    EXPECT_EQ(frame->workbook()->frames().size(), 2) << "the same function, asked again";
    QTest::mouseClick(tabs()->tabButton(1, QTabBar::RightSide), Qt::LeftButton);
    frame->openFunction(0);
    frame->openFunction(3);
    EXPECT_EQ(frame->workbook()->frames().size(), 2) << "put aside and asked again";
    frame->openFunction(0);
    EXPECT_EQ(frame->activeView(), catalogue) << "the form's function is still kept";
}

// A tab's label longer than the 130 pixels of a tab takes the room it needs, so it is never cut.
TEST_F(DocumentAtHand, ALongTabLabelIsNeverCut)
{
    frame->openFunction(3);
    frame->workbook()->resize(1000, 500);
    const int needed = tabs()->fontMetrics().horizontalAdvance(u"Símbols i sigles"_qs);
    EXPECT_GT(tabs()->tabRect(1).width(), needed);
    EXPECT_EQ(tabs()->tabRect(0).width(), WorkbookTabBar::kMaxTabWidth);
}
