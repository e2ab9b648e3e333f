// What a form tells its user as it is filled: the model's words beside a large box, the
// notification means open to the party represented, and a paste into a large box that keeps
// what fits.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "forms/Notifications.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/FormTextBox.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FormHints : public MainWindowTest
{
protected:
    FormView *openKind(std::string_view kind)
    {
        frame->openFunction(1);
        auto *catalogue = qobject_cast<CatalogueView *>(frame->activeView());
        if (!catalogue)
            return nullptr;
        catalogue->tree()->setCurrentItem(catalogue->tree()->itemOf(kind));
        return catalogue->shownForm();
    }
    template <class Widget> Widget *field(FormView *form, std::string_view name) const
    {
        const forms::Item *item = forms::findField(*form->description(), name);
        return item ? qobject_cast<Widget *>(form->fieldWidget(item->id)) : nullptr;
    }
    static QStringList items(const QComboBox *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
};

} // namespace

TEST_F(FormHints, TheModelsQueStandsBesideTheBoxThatContinuesIt)
{
    FormView *form = openKind("sol·licitud - Model A");
    ASSERT_TRUE(form);
    QStringList leadIns;
    for (const QLabel *label : form->page()->findChildren<QLabel *>(u"leadIn"_qs))
        leadIns << label->text();
    EXPECT_EQ(leadIns, (QStringList{u"Que"_qs, u"Que"_qs}));
    // On the box's line, to its left; the box is still named by its placeholder.
    auto *request = field<FormTextBox>(form, "peticio");
    ASSERT_TRUE(request);
    const QLabel *beside = nullptr;
    for (const QLabel *label : form->page()->findChildren<QLabel *>(u"leadIn"_qs)) {
        if (std::abs(label->geometry().top() - request->geometry().top()) < request->height())
            beside = label;
    }
    ASSERT_TRUE(beside);
    EXPECT_LE(beside->geometry().right(), request->geometry().left());
    EXPECT_EQ(request->accessibleName(), u"PETICIÓ"_qs);

    // Typed without the "Que", the document reads "Que necessito...", once.
    request->setFocus();
    QTest::keyClicks(request, u"necessito una copia"_qs);
    std::string text;
    form->generateText(text);
    EXPECT_NE(text.find("Que necessito una copia"), std::string::npos);
    EXPECT_EQ(text.find("Que Que"), std::string::npos);
}

TEST_F(FormHints, ACompanyRepresentedIsOfferedElectronicNotificationAlone)
{
    FormView *form = openKind("sol·licitud - Model A");
    ASSERT_TRUE(form);
    auto *means = field<QComboBox>(form, "mitja_notificacio");
    auto *nif = field<QLineEdit>(form, "nif_representat");
    ASSERT_TRUE(means && nif);
    const QString electronic = QString::fromUtf8(forms::kElectronicNotification.data());
    const QString paper = QString::fromUtf8(forms::kPaperNotification.data());
    ASSERT_EQ(items(means).size(), 2);
    means->setCurrentIndex(means->findText(paper));

    nif->setText(u"B12345678"_qs); // a company
    EXPECT_EQ(items(means), QStringList{electronic});
    EXPECT_EQ(means->currentText(), electronic);
    EXPECT_TRUE(means->toolTip().contains(u"article 14.2"_qs));
    // The form's state names the means by its text, whatever the list's shorter order.
    const int meansId = forms::findField(*form->description(), "mitja_notificacio")->id;
    ASSERT_TRUE(form->state().selectedItem(meansId));
    EXPECT_EQ(form->state().itemText(meansId, *form->state().selectedItem(meansId)), "per mitjans electr\xF2nics");
    std::string text;
    form->generateText(text);
    EXPECT_NE(text.find("notificacions per mitjans electr\xF2nics"), std::string::npos);

    // A person's NIF: both again, electronic still chosen.
    nif->setText(u"12345678Z"_qs);
    EXPECT_EQ(items(means).size(), 2);
    EXPECT_TRUE(items(means).contains(paper));
    EXPECT_EQ(means->currentText(), electronic);
    EXPECT_TRUE(means->toolTip().isEmpty());
}

TEST_F(FormHints, APasteIntoALargeBoxKeepsWhatFitsAndSaysWhatWasLeftOut)
{
    FormView *form = openKind("sol·licitud - Model A");
    ASSERT_TRUE(form);
    auto *reasons = field<FormTextBox>(form, "raonament");
    ASSERT_TRUE(reasons);
    reasons->setFocus();
    QApplication::clipboard()->setText(QStringLiteral(u"Hola \U0001F600 café\n\u4E16 i \U0001F600"));
    QTest::keyClick(reasons, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(reasons->toPlainText(), u"Hola  café\n i "_qs);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral(u"S'han omès 3 caràcters: \U0001F600 (U+1F600), \u4E16 (U+4E16)"));
    // Nothing that fits: the box stays as it was.
    QApplication::clipboard()->setText(QStringLiteral(u"\U0001F600"));
    QTest::keyClick(reasons, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(reasons->toPlainText(), u"Hola  café\n i "_qs);
    QApplication::clipboard()->clear();
}
