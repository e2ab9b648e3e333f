// The line list of the delivery note, the order and the quote: lines opened again filled in,
// removed and moved, amounts that follow the quantity and price unless the user wrote another.

#include "MainWindowFixture.h"
#include "app/ui/MainWindow.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormView.h"
#include "forms/ui/LineItemDialog.h"
#include "forms/ui/LineItemFormViews.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class LineList : public CommercialFunctionTest
{
protected:
    LineList() : CommercialFunctionTest({1000, 760}) {}

    LineListFormView *open(std::string_view kind)
    {
        QTreeWidgetItem *item = catalogue->tree()->itemOf(kind);
        if (!item)
            return nullptr;
        if (item->parent())
            item->parent()->setExpanded(true);
        catalogue->tree()->scrollToItem(item);
        QTest::mouseClick(catalogue->tree()->viewport(), Qt::LeftButton, {},
                          catalogue->tree()->visualItemRect(item).center());
        return qobject_cast<LineListFormView *>(catalogue->shownForm());
    }
    QPushButton *button(LineListFormView *form, const QString &text)
    {
        for (QPushButton *candidate : form->findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }
    // Adds a line through "Afegeix un concepte", typing the values into the dialog's fields.
    void addLine(LineListFormView *form, const QStringList &values)
    {
        whenModal([values](QWidget *modal) {
            auto *dialog = qobject_cast<LineItemDialog *>(modal);
            ASSERT_TRUE(dialog);
            for (int i = 0; i < values.size(); ++i)
                QTest::keyClicks(dialog->field(i), values.at(i));
            dialog->accept();
        });
        QTest::mouseClick(button(form, u"Afegeix un concepte"_qs), Qt::LeftButton);
        ASSERT_TRUE(noModalLeft());
    }
    QStringList column(QTreeWidget *list, int c)
    {
        QStringList out;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            out << list->topLevelItem(row)->text(c);
        return out;
    }
    QString documentText()
    {
        frame->activateTab(1);
        const QString text = document->toPlainText();
        frame->activateTab(0);
        return text;
    }
};

} // namespace

TEST_F(LineList, ALineOpensFilledInAndChangesInPlace)
{
    LineListFormView *form = open("albarà");
    ASSERT_TRUE(form);
    QTreeWidget *list = form->lineList();
    for (const char *name : {"primer", "segon", "tercer"})
        ASSERT_NO_FATAL_FAILURE(addLine(form, {u"2"_qs, QString::fromLatin1(name), u"5"_qs}));
    EXPECT_EQ(column(list, 3), (QStringList{u"10,00"_qs, u"10,00"_qs, u"10,00"_qs}));

    // A double click on the second line opens it with its values, not an empty new line; a new
    // quantity gives a new amount.
    QString caption, shownName;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<LineItemDialog *>(modal);
        ASSERT_TRUE(dialog);
        caption = dialog->windowTitle();
        shownName = dialog->field(1)->text();
        dialog->field(0)->selectAll();
        QTest::keyClicks(dialog->field(0), u"3"_qs);
        EXPECT_EQ(dialog->field(3)->text(), u"15,00"_qs);
        dialog->accept();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
    ASSERT_TRUE(noModalLeft());
    EXPECT_EQ(caption, u"Modifica la línia"_qs);
    EXPECT_EQ(shownName, u"segon"_qs);
    EXPECT_EQ(column(list, 1), (QStringList{u"primer"_qs, u"segon"_qs, u"tercer"_qs}));
    EXPECT_EQ(column(list, 3), (QStringList{u"10,00"_qs, u"15,00"_qs, u"10,00"_qs}));

    // Enter opens the selected line. An amount written over the product is the user's: it stays
    // when the quantity changes, there and when the line is opened again.
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    whenModal([](QWidget *modal) {
        auto *dialog = qobject_cast<LineItemDialog *>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_NE(dialog->findChild<QLabel *>(u"amountHint"_qs), nullptr) << "the dialog says how";
        dialog->field(3)->selectAll();
        QTest::keyClicks(dialog->field(3), u"7"_qs);
        dialog->field(0)->end(false);
        QTest::keyClicks(dialog->field(0), u"0"_qs); // 20 × 5 would be 100,00
        EXPECT_EQ(dialog->field(3)->text(), u"7"_qs);
        dialog->accept();
    });
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(noModalLeft());
    EXPECT_EQ(list->topLevelItem(0)->text(0), u"20"_qs);
    EXPECT_EQ(list->topLevelItem(0)->text(3), u"7"_qs);
    whenModal([](QWidget *modal) {
        auto *dialog = qobject_cast<LineItemDialog *>(modal);
        ASSERT_TRUE(dialog);
        dialog->field(2)->end(false);
        QTest::keyClicks(dialog->field(2), u"0"_qs); // price 50
        EXPECT_EQ(dialog->field(3)->text(), u"7"_qs);
        dialog->reject();
    });
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(noModalLeft());
    EXPECT_EQ(list->topLevelItem(0)->text(2), u"5"_qs) << "a cancelled dialog changes nothing";
    EXPECT_TRUE(documentText().contains(u"Base imposable           32,00 €"_qs)) << documentText().toStdString();
}

TEST_F(LineList, LinesAreDeletedAndMovedByKeysAndButtons)
{
    LineListFormView *form = open("albarà");
    ASSERT_TRUE(form);
    QTreeWidget *list = form->lineList();
    QPushButton *up = button(form, u"Puja"_qs), *down = button(form, u"Baixa"_qs);
    QPushButton *remove = button(form, u"Suprimeix"_qs), *edit = button(form, u"Modifica..."_qs);
    ASSERT_TRUE(up && down && remove && edit);
    EXPECT_FALSE(remove->isEnabled()) << "no line, nothing to remove";
    for (const char *name : {"u", "dos", "tres", "quatre"})
        ASSERT_NO_FATAL_FAILURE(addLine(form, {u"1"_qs, QString::fromLatin1(name), u"1"_qs}));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(3)) << "the new line is selected";
    EXPECT_FALSE(down->isEnabled());
    EXPECT_TRUE(up->isEnabled());

    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(column(list, 1), (QStringList{u"u"_qs, u"dos"_qs, u"quatre"_qs, u"tres"_qs}));
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_FALSE(up->isEnabled());
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier); // back where it was
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(column(list, 1), (QStringList{u"dos"_qs, u"u"_qs, u"quatre"_qs, u"tres"_qs}));
    EXPECT_EQ(list->currentItem()->text(1), u"u"_qs) << "the moved line stays selected";

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(column(list, 1), (QStringList{u"dos"_qs, u"quatre"_qs, u"tres"_qs}));
    EXPECT_EQ(list->currentItem()->text(1), u"quatre"_qs) << "the next line takes the selection";
    list->setCurrentItem(list->topLevelItem(2));
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(column(list, 1), (QStringList{u"dos"_qs, u"quatre"_qs}));
    EXPECT_EQ(list->currentItem()->text(1), u"quatre"_qs) << "the last one gone, the one above";

    // The document follows the list, and a move alone is a change to the form.
    const QString text = documentText();
    EXPECT_LT(text.indexOf(u"dos"_qs), text.indexOf(u"quatre"_qs));
    EXPECT_FALSE(text.contains(u"tres"_qs));
    EXPECT_TRUE(form->isModified());
}

TEST_F(LineList, TheQuoteComputesItsAmountsAndTotals)
{
    LineListFormView *form = open("pressupost");
    ASSERT_TRUE(form);
    ASSERT_NO_FATAL_FAILURE(addLine(form, {u"3"_qs, u"Cadira de roure"_qs, u"25,00"_qs}));
    ASSERT_NO_FATAL_FAILURE(addLine(form, {u"1"_qs, u"Taula"_qs, u"120,00"_qs}));
    EXPECT_EQ(column(form->lineList(), 3), (QStringList{u"75,00"_qs, u"120,00"_qs}));
    const QString text = documentText();
    for (const QString &total : {u"Base imposable          195,00 €"_qs, u"IVA 21 %                 40,95 €"_qs,
                                 u"Total                   235,95 €"_qs})
        EXPECT_TRUE(text.contains(total)) << text.toStdString();
}
