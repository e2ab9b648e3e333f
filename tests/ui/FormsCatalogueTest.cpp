// The commercial document function as a user works it: the catalogue with its forms in "Edició",
// the merged text in "Document", the certificate's models and the line items of the delivery note.

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

QString dateText()
{
    std::string text;
    plecta::MakeDateText(text);
    return qttext::toQString(text);
}

// Types text key by key; each key carries its character, any letter included.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, text);
}

class CommercialDocuments : public CommercialFunctionTest
{
protected:
    CommercialDocuments() : CommercialFunctionTest({1000, 760}) {}

    void select(std::string_view kind)
    {
        QTreeWidgetItem *item = catalogue->tree()->itemOf(kind);
        ASSERT_TRUE(item) << kind;
        if (item->parent())
            item->parent()->setExpanded(true);
        catalogue->tree()->scrollToItem(item);
        const QRect rect = catalogue->tree()->visualItemRect(item);
        QTest::mouseClick(catalogue->tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    template <class W> W *field(int id) const
    {
        FormView *form = catalogue->shownForm();
        return form ? qobject_cast<W *>(form->fieldWidget(id)) : nullptr;
    }
    // Turns to "Document" and returns its text, then back to "Edició".
    QString documentText()
    {
        frame->activateTab(1);
        const QString text = document->toPlainText();
        frame->activateTab(0);
        return text;
    }
    QStringList documentLines() { return documentText().split(u'\n'); }
};

} // namespace

TEST_F(CommercialDocuments, OpensOnTheMinutesWithTheirForm)
{
    CatalogueTree *tree = catalogue->tree();
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->text(0), u"acta de reunió"_qs);
    EXPECT_EQ(tree->currentItem()->parent()->text(0), u"Actes i certificats"_qs);
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
    EXPECT_FALSE(tree->itemOf("Comunicats")->isExpanded()) << "only the first group starts open";
    // Every row shown without scrolling, also with a group opened ("comanda").
    const auto inSight = [tree](const char *kind) {
        QTreeWidgetItem *item = tree->itemOf(kind);
        return item && tree->viewport()->rect().contains(tree->visualItemRect(item));
    };
    EXPECT_GE(tree->height(), CatalogueView::kTreeHeight);
    EXPECT_TRUE(inSight("certificat"));
    tree->itemOf("Documentació comercial")->setExpanded(true);
    EXPECT_TRUE(inSight("comanda"));
    EXPECT_TRUE(inSight("Documentació comercial"));

    FormView *form = catalogue->shownForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->objectName(), u"minutesForm"_qs);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(document->sourceForm(), form);
    EXPECT_EQ(form->size(), catalogue->formPane()->size()) << "the form fills the pane";
    // The placeholder is a hint in an empty box.
    EXPECT_EQ(field<QLineEdit>(1077)->text(), QString());
    EXPECT_EQ(field<QLineEdit>(1077)->placeholderText(), u"<NOM DE L'ORGANISME>"_qs);
    EXPECT_EQ(field<QLineEdit>(1083)->text(), dateText());
    EXPECT_EQ(field<QComboBox>(1000)->currentText(), u"Càrrec"_qs);
    EXPECT_EQ(field<QComboBox>(1000)->count(), 5);

    // Tooltips: a kind shows its description, a heading none.
    EXPECT_TRUE(tree->currentItem()->toolTip(0).contains(u"constata un fet"_qs));
    EXPECT_TRUE(tree->itemOf("Actes i certificats")->toolTip(0).isEmpty());
}

TEST_F(CommercialDocuments, DocumentShowsTheMergedFormAndFollowsItsChanges)
{
    QStringList lines = documentLines();
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[0], u"Acta de la reunió: <NOM DE L'ORGANISME>"_qs);
    EXPECT_EQ(lines[32], u"El secretari\tVist i plau"_qs);
    EXPECT_EQ(lines[3], u"Data: "_qs + dateText());
    EXPECT_EQ(lines[8], u"<NOM i COGNOMS>\tCàrrec"_qs);

    replaceText(field<QLineEdit>(1077), u"Consell Escolar"_qs);
    QComboBox *office = field<QComboBox>(1000);
    office->setFocus();
    QTest::keyClick(office, Qt::Key_End); // the last item, "Secretària"
    lines = documentLines();
    EXPECT_EQ(lines[0], u"Acta de la reunió: Consell Escolar"_qs);
    EXPECT_EQ(lines[8], u"<NOM i COGNOMS>\tSecretària"_qs);

    // A line deleted in "Document" comes back at the next activation.
    frame->activateTab(1);
    QTextCursor cursor = document->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
    document->setTextCursor(cursor);
    document->setFocus();
    QTest::keyClick(document, Qt::Key_Delete);
    EXPECT_FALSE(document->toPlainText().startsWith(u"Acta"_qs));
    frame->activateTab(0);
    EXPECT_EQ(documentLines()[0], u"Acta de la reunió: Consell Escolar"_qs);
}

TEST_F(CommercialDocuments, SwitchingKindsKeepsTypedTextAndHeadingsChangeNothing)
{
    replaceText(field<QLineEdit>(1082), u"12"_qs);
    FormView *minutes = catalogue->shownForm();

    select("carta");
    FormView *letter = catalogue->shownForm();
    ASSERT_TRUE(letter);
    EXPECT_NE(letter, minutes);
    EXPECT_FALSE(minutes->isVisible());
    EXPECT_EQ(document->sourceForm(), letter);
    EXPECT_TRUE(letter->isVisible());
    EXPECT_TRUE(documentText().startsWith(u"<NOM i COGNOMS>\n<CÀRREC/EMPRESA>\n"_qs));

    // A heading: the letter stays on screen and stays current.
    select("Comunicats");
    EXPECT_EQ(catalogue->shownForm(), letter);
    EXPECT_EQ(document->sourceForm(), letter);
    EXPECT_TRUE(letter->isVisible());

    select("acta de reunió");
    EXPECT_EQ(catalogue->shownForm(), minutes) << "the form is made once per kind";
    EXPECT_EQ(field<QLineEdit>(1082)->text(), u"12"_qs);
    EXPECT_EQ(documentLines()[2], u"Núm. de la sessió: 12"_qs);
}

TEST_F(CommercialDocuments, CertificateModelsFollowTheRadioButtons)
{
    select("certificat");
    FormView *form = catalogue->shownForm();
    ASSERT_TRUE(form);
    auto *modelA = field<QRadioButton>(1091);
    auto *modelB = field<QRadioButton>(1092);
    ASSERT_TRUE(modelA && modelB);
    EXPECT_TRUE(modelA->isChecked());
    // From the start the form is as Model A has it: Model B's sentence cannot be filled in.
    EXPECT_TRUE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_FALSE(field<QLineEdit>(1046)->isEnabled());
    EXPECT_FALSE(form->isModified()) << "the initial model is no choice of the user's";

    replaceText(field<QLineEdit>(1045), u"a Barcelona"_qs);
    EXPECT_TRUE(documentText().contains(u"I,   a Barcelona,  expedeixo"_qs));

    QTest::mouseClick(modelB, Qt::LeftButton);
    EXPECT_TRUE(modelB->isChecked());
    EXPECT_FALSE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_TRUE(field<QLineEdit>(1046)->isEnabled());
    QLabel *closingA = nullptr;
    for (QLabel *label : form->page()->findChildren<QLabel *>()) {
        if (label->text().startsWith(u"expedeixo"_qs))
            closingA = label;
    }
    ASSERT_TRUE(closingA);
    EXPECT_FALSE(closingA->isEnabled());
    // Model B: its own wording, and nothing from the field of Model A.
    QStringList lines = documentLines();
    EXPECT_EQ(lines[6], u"I, perquè se'n prengui coneixement i tingui els efectes que"_qs);
    EXPECT_EQ(lines[8], u" i el segell que ho acredita."_qs);

    replaceText(field<QLineEdit>(1046), u"del director"_qs);
    QTest::mouseClick(modelA, Qt::LeftButton);
    EXPECT_TRUE(field<QLineEdit>(1045)->isEnabled());
    EXPECT_FALSE(field<QLineEdit>(1046)->isEnabled());
    EXPECT_EQ(field<QLineEdit>(1046)->text(), u"del director"_qs) << "typed text stays in the form";
    lines = documentLines();
    EXPECT_EQ(lines[6], u"I,   a Barcelona,  expedeixo  a petició  de la persona interessada"_qs);

    // The choice survives a visit to another kind.
    QTest::mouseClick(modelB, Qt::LeftButton);
    select("carta");
    select("certificat");
    EXPECT_TRUE(field<QRadioButton>(1092)->isChecked());
    EXPECT_EQ(documentLines()[8], u"del director i el segell que ho acredita."_qs);
}

TEST_F(CommercialDocuments, DeliveryNoteLinesKeepTheirOrderAndComputeTheirAmounts)
{
    select("albarà");
    auto *form = qobject_cast<DeliveryNoteFormView *>(catalogue->shownForm());
    ASSERT_TRUE(form);
    QTreeWidget *list = form->lineList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->headerItem()->text(2), u"Preu unitari"_qs);
    EXPECT_EQ(list->columnWidth(1), 130);
    auto *add = qobject_cast<QPushButton *>(form->fieldWidget(1119));
    ASSERT_TRUE(add);
    EXPECT_EQ(add->text(), u"Afegeix un concepte"_qs);

    QStringList labels;
    QString caption;
    for (const char *name : {"primer", "segon", "tercer"}) {
        whenModal([&, name](QWidget *modal) {
            auto *dialog = qobject_cast<FourValueLineDialog *>(modal);
            ASSERT_TRUE(dialog);
            caption = dialog->windowTitle();
            labels.clear();
            for (QLabel *label : dialog->findChildren<QLabel *>()) {
                if (!label->text().isEmpty() && label->objectName() != u"amountHint"_qs)
                    labels << label->text();
            }
            EXPECT_EQ(dialog->focusWidget(), dialog->field(0));
            EXPECT_TRUE(dialog->field(1)->text().isEmpty()) << "every line starts empty";
            QTest::keyClicks(dialog->field(0), u"2"_qs);
            QTest::keyClicks(dialog->field(1), QString::fromLatin1(name));
            QTest::keyClicks(dialog->field(2), u"5"_qs);
            EXPECT_EQ(dialog->field(3)->text(), u"10,00"_qs) << "the amount follows as the user types";
            QTest::keyClick(dialog->field(2), Qt::Key_Return); // Enter confirms from any field
        });
        QTest::mouseClick(add, Qt::LeftButton);
        ASSERT_TRUE(noModalLeft());
    }
    EXPECT_EQ(caption, u"Nova entrada"_qs);
    EXPECT_EQ(labels, (QStringList{u"Quantitat"_qs, u"Concepte"_qs, u"Preu unitari"_qs, u"Total"_qs}));
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(1), u"primer"_qs);

    const QString text = documentText();
    const auto third = text.indexOf(u"tercer"_qs), second = text.indexOf(u"segon"_qs),
               first = text.indexOf(u"primer"_qs);
    EXPECT_GE(first, 0);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    const QString row =
        u"¦ 2       ¦   tercer"_qs + QString(28, u' ') + u"¦ 5"_qs + QString(12, u' ') + u'¦' + u"    10,00   ¦"_qs;
    EXPECT_TRUE(text.contains(u"Total                    36,30 €"_qs)) << text.toStdString(); // 30,00 + 21 %
    EXPECT_TRUE(text.contains(row + u'\n')) << row.toStdString();

    // Cancelling adds nothing, whether by the button or by Escape after typing.
    whenModal([](QWidget *modal) {
        auto *dialog = qobject_cast<LineItemDialog *>(modal);
        ASSERT_TRUE(dialog);
        QTest::keyClicks(dialog->field(0), u"9"_qs);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(add, Qt::LeftButton);
    ASSERT_TRUE(noModalLeft());
    whenModal([](QWidget *modal) {
        for (QPushButton *button : modal->findChildren<QPushButton *>()) {
            if (button->text() == u"Cancel·la"_qs)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    // A double click below the rows opens the same dialog.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, list->viewport()->height() - 5));
    ASSERT_TRUE(noModalLeft());
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(documentText(), text);
}

TEST_F(CommercialDocuments, OrderAsksForFiveValuesAndTakesThemInOrder)
{
    select("comanda");
    auto *form = qobject_cast<OrderFormView *>(catalogue->shownForm());
    ASSERT_TRUE(form);
    whenModal([](QWidget *modal) {
        auto *dialog = qobject_cast<FiveValueLineDialog *>(modal);
        ASSERT_TRUE(dialog);
        // "ŀ" is written "l·" as it is typed; an empty field is a valid value.
        const QStringList values{u"R-7"_qs, u"Ce\u0140lofana"_qs, u"3"_qs, u""_qs, u"12"_qs};
        for (int i = 0; i < values.size(); ++i)
            typeText(dialog->field(i), values.at(i));
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == u"D'acord"_qs)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QTest::mouseDClick(form->lineList()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(noModalLeft());
    ASSERT_EQ(form->lineList()->topLevelItemCount(), 1);
    const QStringList lines = documentLines();
    EXPECT_EQ(lines[1], u"COMANDA NÚM.: 0"_qs);
    EXPECT_EQ(lines[6], u"Tipus d'IVA: 21 %"_qs);
    EXPECT_EQ(lines[12], u"¦ R-7      ¦ Cel·lofana                      ¦ 3     ¦          ¦ 12       ¦"_qs);
}

TEST_F(CommercialDocuments, FormsScrollWhenThePaneIsSmaller)
{
    frame->resize(700, 400);
    QTest::qWait(20);
    FormView *form = catalogue->shownForm();
    const QSize page = form->page()->size();
    EXPECT_GT(page.height(), form->viewport()->height());
    EXPECT_TRUE(form->verticalScrollBar()->isVisible());
    EXPECT_EQ(form->verticalScrollBar()->maximum(), page.height() - form->viewport()->height());
    // The page keeps its size; the scroll area follows the pane.
    frame->resize(1100, 800);
    QTest::qWait(20);
    EXPECT_EQ(form->page()->size(), page);
    EXPECT_EQ(form->size(), catalogue->formPane()->size());
}

TEST_F(CommercialDocuments, PaneKeysMoveBetweenTreeAndForm)
{
    catalogue->tree()->setFocus();
    ASSERT_TRUE(runAction(frame, frame->mainActions().nextPane));
    QWidget *focused = QApplication::focusWidget();
    ASSERT_TRUE(focused);
    EXPECT_TRUE(catalogue->shownForm()->isAncestorOf(focused));
    EXPECT_EQ(focused, catalogue->shownForm()->fieldWidget(1077));
    ASSERT_TRUE(runAction(frame, frame->mainActions().previousPane));
    EXPECT_TRUE(catalogue->tree()->hasFocus());
}

TEST_F(CommercialDocuments, UnrepresentableCharactersAreRefusedAtTheField)
{
    QLineEdit *edit = field<QLineEdit>(1077);
    replaceText(edit, u"Comit\u00E8 \u20AC"_qs); // è and the euro sign exist in Windows-1252
    typeText(edit, u"\u03A9"_qs);                // the Greek omega does not
    EXPECT_EQ(edit->text(), u"Comitè €"_qs);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(u"Ω"_qs));
    typeText(edit, u" Pe\u0140la e\u0301"_qs); // "ŀ" and a decomposed accent
    EXPECT_EQ(edit->text(), u"Comitè € Pel·la é"_qs);
    EXPECT_EQ(documentLines()[0], u"Acta de la reunió: Comitè € Pel·la é"_qs);
}

TEST_F(CommercialDocuments, EditableListsGiveWhatTheyShowPickedOrTyped)
{
    select("saluda");
    auto *title = field<QComboBox>(1000);
    ASSERT_TRUE(title);
    ASSERT_TRUE(title->isEditable());
    EXPECT_EQ(documentLines()[5], u"Senyor <NOM I COGNOMS>"_qs);

    title->setFocus();
    QTest::keyClick(title, Qt::Key_Down);
    EXPECT_EQ(documentLines()[5], u"Senyora <NOM I COGNOMS>"_qs);

    // Typed, not picked: the document takes the typed text, and the list gains no item.
    replaceText(title->lineEdit(), u"Doctora"_qs);
    EXPECT_EQ(title->count(), 2) << "typing adds no item";
    EXPECT_EQ(documentLines()[5], u"Doctora <NOM I COGNOMS>"_qs);
    title->lineEdit()->selectAll();
    QTest::keyClick(title->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(documentLines()[5], u" <NOM I COGNOMS>"_qs) << "an emptied list gives the empty text";
}

TEST_F(CommercialDocuments, LongDescriptionsWrapAtTheTooltipWidth)
{
    CatalogueTree *tree = catalogue->tree();
    QTreeWidgetItem *item = tree->itemOf("certificat");
    const QPoint at = tree->visualItemRect(item).center();
    QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &help);
    QWidget *tip = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tip = widget;
    }
    ASSERT_TRUE(tip);
    auto *label = qobject_cast<QLabel *>(tip);
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->text().contains(u"donem fe d'un fet"_qs));
    EXPECT_LE(label->width(), CatalogueTree::kTooltipWidth + 30);
    EXPECT_GT(label->height(), 2 * label->fontMetrics().lineSpacing()) << "a long description wraps";
    QToolTip::hideText();
}

TEST_F(CommercialDocuments, PublicAdministrationCatalogueListsItsTenKinds)
{
    frame->openFunction(1);
    auto *view = qobject_cast<CatalogueView *>(frame->workbook()->frames().at(0)->viewWidget());
    ASSERT_TRUE(view);
    auto *administrationDocument = qobject_cast<DocumentView *>(frame->workbook()->frames().at(1)->viewWidget());
    ASSERT_TRUE(administrationDocument);
    EXPECT_EQ(administrationDocument->sourceForm(), view->shownForm()) << "the Document follows its own catalogue";
    CatalogueTree *tree = view->tree();
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->text(0), u"sol·licitud - Model A"_qs);
    int kinds = 0;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        kinds += tree->topLevelItem(g)->childCount();
        EXPECT_EQ(tree->topLevelItem(g)->isExpanded(), g == 0);
    }
    EXPECT_EQ(kinds, 17);
    // Both application models share one description.
    EXPECT_EQ(tree->itemOf("sol·licitud - Model A")->toolTip(0), tree->itemOf("sol·licitud - Model B")->toolTip(0));
}

namespace {

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
