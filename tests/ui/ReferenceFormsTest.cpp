// The "Numerals" form and the protocol treatments window, driven as a user drives them.

#include "MainWindowFixture.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "reference/ui/NumeralsView.h"
#include "reference/ui/TreatmentsView.h"
#include "shell/ui/ChildFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

class ReferenceForms : public MainWindowTest
{
protected:
    NumeralsView *openNumerals()
    {
        frame->openFunction(6);
        return qobject_cast<NumeralsView *>(frame->activeView());
    }

    TreatmentsView *openTreatments()
    {
        frame->openFunction(4);
        return qobject_cast<TreatmentsView *>(frame->activeView());
    }
};

QStringList results(const NumeralsView *form)
{
    return {form->feminineResult()->text(), form->masculineResult()->text()};
}

} // namespace

TEST_F(ReferenceForms, NumeralsFollowEveryKeystroke)
{
    NumeralsView *form = openNumerals();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(results(form), (QStringList{u"0"_qs, u"0"_qs})) << "nothing is computed before a change";

    // Bringing the tab forward puts the keyboard in the number field.
    QLineEdit *field = form->numberField();
    EXPECT_EQ(frame->focusWidget(), field);
    QTest::keyClicks(field, u"5"_qs);
    EXPECT_EQ(results(form), (QStringList{u"cinc"_qs, u"cinc"_qs}));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(results(form), (QStringList{u"zero"_qs, u"zero"_qs}));

    QTest::keyClicks(field, u"1500000"_qs);
    EXPECT_EQ(results(form), (QStringList{u"un milió cinc-centes mil"_qs, u"un milió cinc-cents mil"_qs}));
    QTest::keyClicks(field, u"0"_qs);
    EXPECT_EQ(results(form), (QStringList{u"quinze milions"_qs, u"quinze milions"_qs}));
    QTest::keyClicks(field, u"0"_qs); // a ninth character
    EXPECT_EQ(results(form), (QStringList{u"número massa gran"_qs, u"número massa gran"_qs}));

    field->clear();
    QTest::keyClicks(field, u"-x2,1"_qs); // only the digits get in
    EXPECT_EQ(field->text(), u"21"_qs);
    EXPECT_EQ(results(form), (QStringList{u"vint-i-una"_qs, u"vint-i-un"_qs}));
}

TEST_F(ReferenceForms, PastingAnythingButDigitsChangesNothing)
{
    NumeralsView *form = openNumerals();
    QLineEdit *field = form->numberField();
    field->setFocus();
    QTest::keyClicks(field, u"7"_qs);
    for (const QString &pasted : {u"-12"_qs, u"abc"_qs, u"1 2"_qs, u"٣"_qs}) {
        QApplication::clipboard()->setText(pasted);
        field->paste();
        EXPECT_EQ(field->text(), u"7"_qs) << pasted.toStdString();
        EXPECT_EQ(results(form), (QStringList{u"set"_qs, u"set"_qs}));
    }
    QApplication::clipboard()->setText(u"00000021"_qs);
    field->selectAll();
    field->paste();
    EXPECT_EQ(results(form), (QStringList{u"vint-i-una"_qs, u"vint-i-un"_qs}));
}

TEST_F(ReferenceForms, TreatmentsAreShownReadOnlyFromTheHeading)
{
    TreatmentsView *text = openTreatments();
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(frame->workbook()->isTabStripVisible());
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->document()->firstBlock().text(), u" TRACTAMENTS\t\t\t     CÀRRECS"_qs);
    EXPECT_EQ(text->document()->blockCount(), 91); // 90 lines and the empty end
    EXPECT_TRUE(
        text->toPlainText().contains(u"Il·lustríssim -a Senyor -a\t\t. Alcalde -essa (llevat del de Barcelona)"_qs));
    EXPECT_DOUBLE_EQ(text->tabStopDistance(), 8 * QFontMetricsF(text->font()).horizontalAdvance(u' '));

    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, u"xyz"_qs);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), before);

    // Selecting and copying work; copy comes through the command chain as from Ctrl+C.
    QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
    frame->updateActions();
    ASSERT_TRUE(enabledNow(frame, frame->mainActions().copy));
    QApplication::clipboard()->clear();
    runAction(frame, frame->mainActions().copy);
    EXPECT_EQ(QApplication::clipboard()->text(), u" TRACTAMENTS\t\t\t     CÀRRECS"_qs);
    EXPECT_FALSE(enabledNow(frame, frame->mainActions().saveAs));
    EXPECT_FALSE(enabledNow(frame, frame->mainActions().print));
}

TEST_F(ReferenceForms, TheTreatmentsComeBackWhereTheyWereLeft)
{
    TreatmentsView *text = openTreatments();
    text->resize(400, 150);
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    const int place = text->verticalScrollBar()->value();
    ASSERT_GT(place, 0);
    frame->openFunction(5); // a look at the municipalities, then back
    EXPECT_EQ(openTreatments(), text);
    QApplication::processEvents();
    EXPECT_EQ(text->verticalScrollBar()->value(), place);
}
