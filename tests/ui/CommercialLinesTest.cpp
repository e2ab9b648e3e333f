// The line items of the delivery note and the order as the commercial function takes them: the
// order they keep, the amounts they compute, the five values an order asks for.

#include "CommercialDocumentsFixture.h"

using namespace commercialtest;

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
