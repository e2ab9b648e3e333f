// The handbook where the user writes: municipality fields that complete and fill their block,
// amounts turned into words from a field's context menu, and the ordinals and amounts of the
// "Numerals" tab.

#include "../core/FormTestSupport.h"
#include "MainWindowFixture.h"
#include "forms/ui/AmountMenu.h"
#include "forms/ui/FormView.h"
#include "forms/ui/MunicipalityCompleter.h"
#include "reference/Places.h"
#include "reference/ui/NumeralExtras.h"
#include "reference/ui/NumeralsView.h"
#include "text/ui/QtText.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct OpenForm
{
    std::unique_ptr<QWidget> pane = std::make_unique<QWidget>();
    FormView *view = new FormView;

    explicit OpenForm(int layoutId)
    {
        pane->resize(900, 1000);
        view->setTemplateId(layoutId);
        view->setParent(pane.get());
        view->setGeometry(QRect(0, 0, 900, 1000));
        EXPECT_TRUE(view->build());
        MunicipalityCompleter::attach(view);
        AmountMenu::attach(view->page());
        pane->show();
        view->show();
        pane->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }
    QLineEdit *edit(int id) const { return qobject_cast<QLineEdit *>(view->fieldWidget(id)); }
    MunicipalityCompleter *completer(int municipalityId) const
    {
        return view->findChild<MunicipalityCompleter *>(QStringLiteral("municipalityCompleter%1").arg(municipalityId));
    }
    std::string document() const
    {
        std::string text;
        view->generateText(text);
        return text;
    }
};

// Types into a field whose whole text is selected first, as a user replacing a placeholder does;
// the keys carry any Windows-1252 letter.
void typeOver(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList popupRow(QCompleter *completer, int row)
{
    const QAbstractItemModel *model = completer->completionModel();
    return {model->index(row, 0).data().toString(), model->index(row, 1).data().toString()};
}

} // namespace

TEST(HandbookFillsForms, TakingAMunicipalityFillsItsBlockAndOneUndoTakesItBack)
{
    OpenForm form(165); // the first administration form
    QLineEdit *town = form.edit(1047);
    QLineEdit *comarca = form.edit(1048);
    QLineEdit *postcode = form.edit(1049);
    MunicipalityCompleter *completer = form.completer(1047);
    ASSERT_TRUE(town && comarca && postcode && completer);

    typeOver(town, u"moia"_qs);
    QAbstractItemView *popup = completer->municipalityCompleter()->popup();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popupRow(completer->municipalityCompleter(), 0), (QStringList{u"Moià"_qs, u"Moianès"_qs}));
    EXPECT_FALSE(popup->currentIndex().isValid()) << "nothing chosen before an arrow chooses it";
    // The habit "Down, Enter" takes the first proposal; a second Down stays on the last one.
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(popup->currentIndex().row(), 0) << "the only proposal: Down stays on it";
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());

    EXPECT_EQ(town->text(), u"Moià"_qs);
    EXPECT_EQ(comarca->text(), u"Moianès"_qs);
    EXPECT_EQ(postcode->text(), u"08180"_qs);
    EXPECT_EQ(postcode->selectedText(), u"08180"_qs);
    const std::string document = form.document();
    EXPECT_NE(document.find(formtest::cp("<NOM i COGNOMS>, major d'edat, amb DNI/NIE núm. <DNI/NIE>,\r\n"
                                         "amb domicili a Moià (Moianès), <ADREÇA>,\r\nCP 08180,")),
              std::string::npos)
        << document;
    EXPECT_EQ(document.find("major d'edat"), document.rfind("major d'edat"));

    QTest::keyClick(town, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(town->text(), u"moia"_qs);
    EXPECT_FALSE(popup->isVisible()) << "an undo proposes nothing";
    EXPECT_EQ(comarca->text(), QString());
    EXPECT_EQ(postcode->text(), QString());
    // The next undo is the field's own again: the typing goes.
    QTest::keyClick(town, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(town->text(), QString());

    // Undone from another field of the fill, as the Edit menu or the field's own menu does it.
    completer->take(plecta::municipalityProposals("moia", 1).front());
    EXPECT_EQ(comarca->text(), u"Moianès"_qs);
    postcode->undo();
    EXPECT_EQ(town->text(), QString());
    EXPECT_EQ(comarca->text(), QString());
    EXPECT_EQ(postcode->text(), QString());
    EXPECT_FALSE(completer->undoFill()) << "nothing left to undo";
}

TEST(HandbookFillsForms, WhatTheUserTypedStaysAndFurtherPostcodesAreOffered)
{
    OpenForm form(166); // the second application model numbers its postcode 1045
    QLineEdit *town = form.edit(1047);
    QLineEdit *comarca = form.edit(1048);
    QLineEdit *postcode = form.edit(1045);
    MunicipalityCompleter *completer = form.completer(1047);
    ASSERT_TRUE(town && comarca && postcode && completer);

    typeOver(comarca, u"Osona"_qs);
    typeOver(town, u"hospitalet"_qs);
    QCompleter *proposals = completer->municipalityCompleter();
    EXPECT_EQ(popupRow(proposals, 0), (QStringList{u"l'Hospitalet de Llobregat"_qs, u"Barcelonès"_qs}));
    EXPECT_EQ(popupRow(proposals, 1), (QStringList{u"Vandellòs i l'Hospitalet de l'Infant"_qs, u"Baix Camp"_qs}));
    QTest::keyClick(proposals->popup(), Qt::Key_Return);
    EXPECT_EQ(town->text(), u"hospitalet"_qs) << "Enter with two proposals and none chosen takes none";
    EXPECT_TRUE(proposals->popup()->isVisible()) << "and leaves them up for an arrow";
    QTest::keyClick(proposals->popup(), Qt::Key_Down);
    QTest::keyClick(proposals->popup(), Qt::Key_Return);
    EXPECT_EQ(town->text(), u"l'Hospitalet de Llobregat"_qs);
    EXPECT_EQ(comarca->text(), u"Osona"_qs) << "typed by the user: kept";
    EXPECT_EQ(postcode->text(), u"08901"_qs);

    // The other seven postcodes: Down lists them all, typing narrows them.
    postcode->setFocus();
    QTest::keyClick(postcode, Qt::Key_Down);
    QCompleter *postcodes = completer->postcodeCompleter();
    ASSERT_TRUE(postcodes->popup()->isVisible());
    EXPECT_EQ(postcodes->completionCount(), 8);
    QTest::keyClick(postcodes->popup(), Qt::Key_Escape);
    postcode->selectAll();
    QTest::keyClicks(postcode, u"0890"_qs);
    ASSERT_TRUE(postcodes->popup()->isVisible());
    QTest::keyClicks(postcodes->popup(), u"4"_qs);
    EXPECT_EQ(postcodes->completionCount(), 1);
    QTest::keyClick(postcodes->popup(), Qt::Key_Down);
    QTest::keyClick(postcodes->popup(), Qt::Key_Return);
    EXPECT_EQ(postcode->text(), u"08904"_qs);

    // Once a filled field has changed, undo is that field's own and the others stay.
    QTest::keyClick(town, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(postcode->text(), u"08904"_qs);
    EXPECT_EQ(town->text(), u"hospitalet"_qs);

    // A place of signing fills nothing beside it; a municipality that is not one proposes nothing.
    MunicipalityCompleter *place = form.completer(1052);
    ASSERT_TRUE(place);
    typeOver(form.edit(1052), u"Perpinyà"_qs);
    EXPECT_FALSE(place->municipalityCompleter()->popup()->isVisible());
    typeOver(form.edit(1052), u"es bordes"_qs);
    QTest::keyClick(place->municipalityCompleter()->popup(), Qt::Key_Return);
    EXPECT_EQ(form.edit(1052)->text(), u"Es Bòrdes"_qs);
    EXPECT_EQ(postcode->text(), u"08904"_qs);
}

TEST(HandbookFillsForms, AmountInWordsFromTheContextMenu)
{
    OpenForm form(173);
    QLineEdit *facts = form.edit(1042);
    auto *factsBox = qobject_cast<QPlainTextEdit *>(form.view->fieldWidget(1045));
    ASSERT_TRUE(facts && factsBox);
    const auto menuHasAction = [&](QWidget *field) {
        std::unique_ptr<QMenu> menu(AmountMenu::createMenu(field, {}));
        for (QAction *action : menu->actions()) {
            if (action->text() == AmountMenu::actionText())
                return true;
        }
        return false;
    };
    EXPECT_FALSE(menuHasAction(facts)) << "a placeholder is no amount";
    EXPECT_FALSE(menuHasAction(factsBox)) << "<FETS> is no amount";
    factsBox->setPlainText(u"1.200"_qs);
    EXPECT_TRUE(menuHasAction(factsBox)) << "the form's own multi-line box offers it too";

    facts->setText(u"Reclamo 1.200 de la factura"_qs);
    EXPECT_FALSE(menuHasAction(facts)) << "the whole field is no amount";
    facts->setSelection(8, 5);
    ASSERT_TRUE(menuHasAction(facts));
    std::unique_ptr<QMenu> menu(AmountMenu::createMenu(facts, {}));
    menu->findChild<QAction *>(u"writeAmountInWords"_qs)->trigger();
    EXPECT_EQ(facts->text(), u"Reclamo mil dos-cents euros (1.200,00 €) de la factura"_qs);
    facts->undo();
    EXPECT_EQ(facts->text(), u"Reclamo 1.200 de la factura"_qs);

    facts->setText(u" 0,5 "_qs);
    facts->deselect();
    EXPECT_TRUE(AmountMenu::writeInWords(facts));
    EXPECT_EQ(facts->text(), u"cinquanta cèntims (0,50 €)"_qs);
    EXPECT_FALSE(AmountMenu::writeInWords(facts)) << "words are no amount";

    // A multi-line box: the selection, as one step of its undo.
    QPlainTextEdit box;
    box.setPlainText(u"Import:\n21.000,01 en total"_qs);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(8);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    ASSERT_TRUE(AmountMenu::writeInWords(&box));
    EXPECT_EQ(box.toPlainText(), u"Import:\nvint-i-un mil euros amb un cèntim (21.000,01 €) en total"_qs);
    box.undo();
    EXPECT_EQ(box.toPlainText(), u"Import:\n21.000,01 en total"_qs);
    box.setReadOnly(true);
    EXPECT_FALSE(AmountMenu::writeInWords(&box));

    // A real right click opens the menu with the action in it.
    facts->setText(u"21"_qs);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), facts->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(facts, &click);
    auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_TRUE(shown);
    QAction *action = shown->findChild<QAction *>(u"writeAmountInWords"_qs);
    ASSERT_TRUE(action);
    shown->close();
    action = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class NumeralsTab : public MainWindowTest
{
protected:
    NumeralsView *openNumerals()
    {
        frame->openFunction(6);
        return qobject_cast<NumeralsView *>(frame->activeView());
    }
};

TEST_F(NumeralsTab, OrdinalsAndAmountsWithCopyButtons)
{
    NumeralsView *form = openNumerals();
    ASSERT_TRUE(form);
    NumeralExtras *extras = form->extras();
    QTest::keyClicks(form->numberField(), u"21"_qs);
    const QStringList expected = {u"vint-i-unena"_qs, u"vint-i-unè"_qs, u"21a"_qs, u"21è"_qs};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(extras->ordinalResult(i)->text(), expected[i]);
        EXPECT_TRUE(extras->ordinalResult(i)->isReadOnly());
    }
    auto *copyMasculine = extras->findChild<QToolButton *>(u"ordinalMasculineCopy"_qs);
    ASSERT_TRUE(copyMasculine);
    QTest::mouseClick(copyMasculine, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), u"vint-i-unè"_qs);
    auto *copyCardinal = form->findChild<QToolButton *>(u"feminineResultCopy"_qs);
    ASSERT_TRUE(copyCardinal);
    QTest::mouseClick(copyCardinal, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), u"vint-i-una"_qs);

    form->numberField()->setText(u"1000000"_qs);
    EXPECT_TRUE(extras->ordinalResult(1)->text().isEmpty());
    EXPECT_FALSE(extras->ordinalNote()->text().isEmpty());
    EXPECT_FALSE(copyMasculine->isEnabled());

    QTest::keyClicks(extras->amountField(), u"2.000.000,50"_qs);
    EXPECT_EQ(extras->amountResult()->text(), u"dos milions d'euros amb cinquanta cèntims"_qs);
    QTest::mouseClick(extras->findChild<QToolButton *>(u"amountWordsCopy"_qs), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), u"dos milions d'euros amb cinquanta cèntims"_qs);
    QTest::keyClicks(extras->amountField(), u"5"_qs);
    EXPECT_TRUE(extras->amountResult()->text().isEmpty());
    EXPECT_TRUE(extras->findChild<QLabel *>(u"amountNote"_qs)->text().startsWith(u"No és un import"_qs));
}
