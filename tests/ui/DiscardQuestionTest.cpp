// The question before typed text is thrown away: what counts as typed, and what each answer does.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormPane.h"
#include "forms/ui/FormView.h"
#include "forms/ui/LineItemDialog.h"
#include "forms/ui/LineItemFormViews.h"
#include "models/DateText.h"
#include "shell/ui/ChildFrame.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Types text key by key into a box whose whole text is selected first.
void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The question before a function's windows go: the main window with a catalogue open, fetched
// afresh after every opening.
class DiscardQuestion : public MainWindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MainWindowTest::SetUp());
        ASSERT_TRUE(frame->openFunction(0));
    }
    CatalogueView *catalogue() const
    {
        return qobject_cast<CatalogueView *>(frame->workbook()->frames().value(0)->viewWidget());
    }
    FormView *select(std::string_view kind) const
    {
        QTreeWidgetItem *item = catalogue()->tree()->itemOf(kind);
        catalogue()->tree()->setCurrentItem(item);
        return catalogue()->shownForm();
    }
    // Closes the program with the question (if one comes) answered; whether it closed.
    bool closeProgram(QMessageBox::StandardButton answer)
    {
        dialogs::clearTestAnswers();
        dialogs::setNextAnswer(answer);
        const bool closed = frame->close();
        asked = !dialogs::lastMessage().isEmpty();
        dialogs::clearTestAnswers();
        return closed;
    }
    bool asked = false;
};

} // namespace

TEST_F(DiscardQuestion, AnythingTypedOrChosenIsKeptUnlessTheUserDiscardsIt)
{
    struct Change
    {
        const char *kind;
        std::function<void(FormView *)> make;
    };
    const Change changes[] = {
        {"acta de reunió",
         [](FormView *f) { replaceText(qobject_cast<QLineEdit *>(f->fieldWidget(1077)), u"Junta"_qs); }},
        {"acta de reunió",
         [](FormView *f) {
             auto *box = qobject_cast<QPlainTextEdit *>(f->fieldWidget(1051));
             box->setFocus();
             QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
             QTest::keyClick(box, Qt::Key_Return);
         }},
        {"saluda", [](FormView *f) { QTest::keyClick(f->fieldWidget(1000), Qt::Key_Down); }},
        {"certificat", [](FormView *f) { QTest::mouseClick(f->fieldWidget(1092), Qt::LeftButton); }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.kind);
        FormView *form = select(change.kind);
        ASSERT_TRUE(form);
        EXPECT_FALSE(form->isModified());
        EXPECT_FALSE(catalogue()->holdsUserInput());
        change.make(form);
        EXPECT_TRUE(form->isModified());

        // A lookup opens beside the form without a question; the form comes back as it was.
        const QPointer<CatalogueView> before = catalogue();
        dialogs::clearTestAnswers();
        EXPECT_TRUE(frame->openFunction(2));
        EXPECT_TRUE(dialogs::lastMessage().isEmpty());
        EXPECT_TRUE(frame->openFunction(0));
        EXPECT_EQ(catalogue(), before.data());
        EXPECT_EQ(catalogue()->shownForm(), form);
        EXPECT_TRUE(form->isModified());

        // Quitting asks; cancelled, nothing is closed and the change is still there.
        frame->openFunction(5);
        EXPECT_FALSE(closeProgram(QMessageBox::Cancel));
        EXPECT_TRUE(asked);
        EXPECT_TRUE(before);
        frame->openFunction(0);
        EXPECT_TRUE(form->isModified());

        // Discarded, the windows go; a new catalogue starts untouched.
        EXPECT_TRUE(closeProgram(QMessageBox::Discard));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(before.isNull());
        ASSERT_TRUE(frame->openFunction(0));
        EXPECT_FALSE(catalogue()->holdsUserInput());
    }

    // Typed back to what it was: nothing differs, nothing is asked.
    QLineEdit *name = qobject_cast<QLineEdit *>(select("acta de reunió")->fieldWidget(1077));
    const QString initial = name->text();
    replaceText(name, u"x"_qs);
    replaceText(name, initial);
    EXPECT_TRUE(closeProgram(QMessageBox::Cancel));
    EXPECT_FALSE(asked);
}

TEST_F(DiscardQuestion, ReopeningTheSameFunctionKeepsItAndClosingTheProgramAsks)
{
    QLineEdit *name = qobject_cast<QLineEdit *>(select("acta de reunió")->fieldWidget(1077));
    replaceText(name, u"Junta"_qs);
    // Asking again for the function that is open brings it forward as it is.
    EXPECT_TRUE(frame->openFunction(0));
    EXPECT_TRUE(dialogs::lastMessage().isEmpty());
    EXPECT_EQ(name->text(), u"Junta"_qs);
    dialogs::setNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(dialogs::lastMessage().contains(u"Voleu descartar-lo?"_qs));

    // Unattended and unanswered, the question counts as cancelled: nothing is lost.
    dialogs::clearTestAnswers();
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->workbook()->frames().size(), 2);

    dialogs::setNextAnswer(QMessageBox::Discard);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(frame->workbook()->frames().isEmpty());
}
