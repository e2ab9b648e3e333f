// A filled form saved from the window, opened again in a fresh window, and the files that must
// not open: every kind round trip, the damaged files, the question before typed text goes.

#include "MainWindowFixture.h"
#include "app/ui/FormFileCommands.h"
#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/DatePicker.h"
#include "forms/ui/FormFile.h"
#include "forms/ui/FormTextBox.h"
#include "forms/ui/LineItemDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>

namespace {

struct KindInCatalogue
{
    int catalogue;
    const forms::DocListEntry *entry;
};

std::vector<KindInCatalogue> kindsWithForms()
{
    std::vector<KindInCatalogue> kinds;
    for (int catalogue = 0; catalogue < 2; ++catalogue) {
        for (const forms::DocListEntry &row :
             forms::catalogueRows(catalogue == 0 ? forms::g_tcDocList : forms::g_apDocList)) {
            if (row.level == 1 && forms::formByLayoutId(row.formId))
                kinds.push_back({catalogue, &row});
        }
    }
    return kinds;
}

// The first one-line text box of a form, as the user types into it.
QLineEdit *firstTextBox(const FormView &form)
{
    for (const forms::Item &item : form.description()->items) {
        if (auto *edit = qobject_cast<QLineEdit *>(form.fieldWidget(item.id));
            edit && item.kind == forms::ItemKind::Edit)
            return edit;
    }
    return nullptr;
}

class SavedFormWindow : public MainWindowTest
{
protected:
    // The catalogue of the open function, or nullptr.
    CatalogueView *catalogue() const
    {
        for (ChildFrame *child : frame->workbook()->frames()) {
            if (auto *view = qobject_cast<CatalogueView *>(child->viewWidget()))
                return view;
        }
        return nullptr;
    }
    FormView *shownForm() const { return catalogue() ? catalogue()->shownForm() : nullptr; }
    std::string documentBytes() const
    {
        std::string text;
        if (FormView *form = shownForm())
            form->generateText(text);
        return text;
    }

    // Opens a kind's catalogue with its form shown.
    FormView *showKind(const KindInCatalogue &kind)
    {
        if (!frame->openFunction(kind.catalogue) || !catalogue())
            return nullptr;
        catalogue()->selectKind(kind.entry->name);
        return shownForm();
    }

    // "Obre un formulari..." answered with a file.
    bool openFormFile(const QString &path)
    {
        dialogs::setNextFileName(path);
        return runAction(frame, frame->mainActions().openForm);
    }
    bool saveFormTo(const QString &path)
    {
        dialogs::setNextFileName(path);
        return runAction(frame, frame->mainActions().saveForm);
    }

    QTemporaryDir dir;
};

// Every field of the form changed from its start, as a user could: texts with accents and the
// euro, line breaks in the large boxes, the last item of a fixed list, typed text in an editable
// one, a date far from today, the other certificate model and two lines through the line dialog.
void fillEveryField(FormView &form)
{
    int n = 0;
    for (const forms::Item &item : form.description()->items) {
        QWidget *widget = form.fieldWidget(item.id);
        const QString text = QStringLiteral("Valor %1 de «%2»: 12,50 €")
                                 .arg(++n)
                                 .arg(QString::fromUtf8(item.name.data(), qsizetype(item.name.size())));
        if (auto *picker = qobject_cast<DatePicker *>(widget))
            picker->setDate(QDate(2031, 2, 28).addDays(n));
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(text);
        else if (auto *box = qobject_cast<FormTextBox *>(widget))
            box->setPlainText(forms::takesSeveralLines(item) ? text + QStringLiteral("\nsegona línia\n\nquarta")
                                                             : text);
        else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable())
            combo->setEditText(QStringLiteral("Escrit a mà %1").arg(n));
        else if (combo)
            combo->setCurrentIndex(combo->count() - 1);
    }
    if (auto *modelB = qobject_cast<QRadioButton *>(form.fieldWidget(1092)))
        modelB->click();
    auto *list = qobject_cast<QTreeWidget *>(form.fieldWidget(plecta::kLineListId));
    for (int line = 0; list && line < 2; ++line) {
        for (const forms::Item &item : form.description()->items) {
            if (item.kind == forms::ItemKind::AddButton)
                qobject_cast<QAbstractButton *>(form.fieldWidget(item.id))->click();
        }
        auto *dialog = form.findChild<LineItemDialog *>();
        ASSERT_TRUE(dialog);
        for (int column = 0; dialog->field(column); ++column)
            dialog->field(column)->setText(QStringLiteral("línia %1, columna %2").arg(line + 1).arg(column + 1));
        dialog->accept();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SavedFormWindow, EveryKindSavedAndOpenedInAFreshWindowGivesTheSameDocument)
{
    for (const KindInCatalogue &kind : kindsWithForms()) {
        SCOPED_TRACE(std::string(kind.entry->name));
        FormView *form = showKind(kind);
        ASSERT_TRUE(form);
        ASSERT_NO_FATAL_FAILURE(fillEveryField(*form));
        const std::string before = documentBytes();
        const forms::SavedForm kept = formfile::capture(*form);
        const QString path = dir.filePath(QStringLiteral("formulari-%1.plecta").arg(kind.entry->formId));
        ASSERT_TRUE(saveFormTo(path));
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_FALSE(form->isModified()) << "a saved form still counts as typed and unsaved";

        frame = PlectaApplication::instance()->createMainWindow();
        frame->show();
        ASSERT_TRUE(openFormFile(path)) << dialogs::lastMessage().toStdString();
        ASSERT_TRUE(shownForm());
        EXPECT_EQ(shownForm()->templateId(), kind.entry->formId);
        EXPECT_EQ(catalogue()->tree()->currentItem()->text(0),
                  QString::fromUtf8(kind.entry->name.data(), qsizetype(kind.entry->name.size())));
        EXPECT_EQ(documentBytes(), before);
        EXPECT_EQ(formfile::capture(*shownForm()), kept);
        EXPECT_FALSE(shownForm()->isModified());
        frame->closeAllChildren();
    }
}

TEST_F(SavedFormWindow, TheTitleNamesTheFileAndMarksItModifiedAfterAChange)
{
    FormView *form = showKind(kindsWithForms().front());
    ASSERT_TRUE(form);
    auto *edit = firstTextBox(*form);
    ASSERT_TRUE(edit);
    EXPECT_FALSE(frame->windowTitle().contains(u".plecta"_qs));
    ASSERT_TRUE(saveFormTo(dir.filePath(u"acta"_qs))); // the dialog adds the extension
    EXPECT_TRUE(QFile::exists(dir.filePath(u"acta.plecta"_qs)));
    EXPECT_EQ(frame->windowTitle(), u"Plecta - acta.plecta[*]"_qs);
    EXPECT_FALSE(frame->isWindowModified());

    edit->setFocus();
    QTest::keyClicks(edit, u"x"_qs);
    EXPECT_TRUE(frame->isWindowModified());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(frame->isWindowModified()) << "the form is as saved again";

    // Another function in front: the title names no file; back to the form, it does again.
    frame->openFunction(2);
    EXPECT_FALSE(frame->windowTitle().contains(u"acta"_qs));
    frame->openFunction(0);
    EXPECT_EQ(frame->windowTitle(), u"Plecta - acta.plecta[*]"_qs);
}

TEST_F(SavedFormWindow, KeysAreCtrlOAndAFreeCtrlAltS)
{
    EXPECT_EQ(keyAction(frame, u"Ctrl+O"_qs), frame->mainActions().openForm);
    EXPECT_EQ(keyAction(frame, u"Ctrl+Alt+S"_qs), frame->mainActions().saveForm);
    const QKeySequence saveFormKey = frame->mainActions().saveForm->shortcut();
    for (int key = QKeySequence::HelpContents; key < 100; ++key)
        EXPECT_FALSE(QKeySequence::keyBindings(QKeySequence::StandardKey(key)).contains(saveFormKey)) << key;
    int users = 0;
    for (QAction *action : frame->QWidget::actions())
        users += action->shortcuts().contains(saveFormKey);
    EXPECT_EQ(users, 1);
    EXPECT_TRUE(enabledNow(frame, frame->mainActions().openForm)) << "opened with no window open too";
    frame->openFunction(2);
    EXPECT_FALSE(enabledNow(frame, frame->mainActions().saveForm)) << "the numerals have no form to save";
}

// A form with something typed, and the file that must not disturb it.
class SavedFormRefused : public SavedFormWindow
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SavedFormWindow::SetUp());
        form = showKind(kindsWithForms().front());
        ASSERT_TRUE(form);
        edit = firstTextBox(*form);
        ASSERT_TRUE(edit);
        edit->setText(u"Escrit abans"_qs);
        typed = documentBytes();
        for (const forms::Item &item : form->description()->items) {
            if (form->fieldWidget(item.id) == edit)
                editName = QString::fromUtf8(item.name.data(), qsizetype(item.name.size()));
        }
    }

    // A file made from the first kind's own saved form, changed by `change`.
    QString fileFrom(const std::function<void(std::string &)> &change)
    {
        std::string bytes = forms::writeSavedForm(formfile::capture(*form));
        change(bytes);
        const QString path = dir.filePath(u"malmes.plecta"_qs);
        writeFile(path, QByteArray::fromStdString(bytes));
        return path;
    }
    static void replace(std::string &bytes, const std::string &from, const std::string &to)
    {
        const auto at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        bytes.replace(at, from.size(), to);
    }

    QPointer<FormView> form;
    QLineEdit *edit = nullptr;
    std::string typed;
    QString editName; // the field of that box
};

TEST_F(SavedFormRefused, AFileThatCannotOpenSaysWhyAndLeavesTheOpenFormAlone)
{
    const std::string number = std::to_string(form->templateId());
    const struct
    {
        std::function<void(std::string &)> change;
        QString said; // what the message must name
    } cases[] = {
        {[](std::string &b) { b.resize(b.size() / 2); }, u"octet"_qs},
        {[](std::string &b) { b += "}"; }, u"octet"_qs},
        {[&](std::string &b) {
             replace(b, "\"numero\": " + number, "\"numero\": 999999");
             replace(b, "\"nom\": \"", "\"nom\": \"x");
         },
         u"999999"_qs},
        {[](std::string &b) { replace(b, "\"versio\": 1", "\"versio\": 2"); }, u"versió 2"_qs},
        {[](std::string &b) { replace(b, "\"Escrit abans\"", "\"Escrit\\u0007abans\""); },
         u"«"_qs + editName + u"»"_qs},
        {[](std::string &b) { replace(b, "\"Escrit abans\"", "\"Escrit \u0126\""); }, u"U+0126"_qs},
        {[](std::string &b) { replace(b, "\"Escrit abans\"", "\"primera\\nsegona\""); }, u"salt de línia"_qs},
    };
    for (const auto &[change, said] : cases) {
        const QString path = fileFrom(change);
        dialogs::setNextAnswer(QMessageBox::Ok);
        ASSERT_TRUE(openFormFile(path));
        EXPECT_TRUE(dialogs::lastMessage().contains(said)) << dialogs::lastMessage().toStdString();
        EXPECT_TRUE(dialogs::lastMessage().contains(u"malmes.plecta"_qs));
        ASSERT_TRUE(form) << "the open catalogue was closed";
        EXPECT_EQ(shownForm(), form.data());
        EXPECT_EQ(documentBytes(), typed);
        EXPECT_FALSE(frame->windowTitle().contains(u"malmes"_qs));
    }
}

TEST_F(SavedFormRefused, AFieldTheFormNoLongerHasIsAWarningAndTheRestOpens)
{
    const QString path = fileFrom([](std::string &b) {
        replace(b, "\"camps\": {", "\"camps\": {\"camp_retirat\": \"vell\", ");
        replace(b, "\"Escrit abans\"", "\"Escrit al fitxer\"");
    });
    dialogs::setNextAnswer(QMessageBox::Discard); // what was typed goes
    ASSERT_TRUE(openFormFile(path));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"«camp_retirat»"_qs)) << dialogs::lastMessage().toStdString();
    ASSERT_TRUE(shownForm());
    EXPECT_EQ(firstTextBox(*shownForm())->text(), u"Escrit al fitxer"_qs);
}

TEST_F(SavedFormRefused, TheQuestionBeforeTypedTextGoesOffersToSaveTheForm)
{
    dialogs::setNextAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(form) << "cancelled, yet the form went";

    // "Desa el formulari", then the save dialog cancelled: nothing goes.
    dialogs::setNextAnswer(QMessageBox::Save);
    dialogs::setNextFileName(QString());
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(form);

    const QString path = dir.filePath(u"abans.plecta"_qs);
    dialogs::setNextAnswer(QMessageBox::Save);
    dialogs::setNextFileName(path);
    EXPECT_TRUE(frame->close());
    const formfile::Loaded loaded = formfile::load(path);
    ASSERT_TRUE(loaded.form) << loaded.error.toStdString();
    EXPECT_TRUE(std::ranges::count(loaded.form->values,
                                   std::pair<std::string, std::string>(editName.toStdString(), "Escrit abans")));
}

TEST_F(SavedFormRefused, OpeningAFileOverTypedTextAsksFirst)
{
    const QString path = dir.filePath(u"altre.plecta"_qs);
    writeFile(path, QByteArray::fromStdString(forms::writeSavedForm(formfile::capture(*form))));
    edit->setText(u"Escrit després"_qs);
    dialogs::setNextAnswer(QMessageBox::Cancel);
    ASSERT_TRUE(openFormFile(path));
    EXPECT_EQ(edit->text(), u"Escrit després"_qs) << "kept when the question was cancelled";
    dialogs::setNextAnswer(QMessageBox::Discard);
    ASSERT_TRUE(openFormFile(path));
    EXPECT_EQ(edit->text(), u"Escrit abans"_qs);
    EXPECT_FALSE(form->isModified());
}

TEST_F(SavedFormRefused, ASaveThatFailsSaysSoAndKeepsTheFormUnsaved)
{
    ASSERT_TRUE(saveFormTo(dir.filePath(u"no-hi-és/acta.plecta"_qs)));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"no-hi-és/acta.plecta"_qs)));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"No s'ha pogut desar el formulari"_qs));
    EXPECT_TRUE(form->isModified());
    EXPECT_FALSE(frame->windowTitle().contains(u"acta"_qs));
}

} // namespace
