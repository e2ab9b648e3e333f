// Input a careful user would never give: a file on the command line that cannot be opened, field
// texts of 100,000 characters, 10,000 line items, pastes of characters that Windows-1252 cannot
// hold, saves to folders that cannot take a file. The program must hold up, lose nothing and say
// what it refused.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "app/ui/FunctionsBar.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormView.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class BadInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialogs::clearTestAnswers();
        frame = PlectaApplication::instance()->createMainWindow();
        frame->resize(1100, 800);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    void TearDown() override
    {
        QApplication::clipboard()->clear();
        dialogs::clearTestAnswers();
    }

    void openFunction(int position)
    {
        QListWidget *list = frame->functionsBar()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(position)).center());
        QCoreApplication::processEvents();
    }

    // Selects a kind of the open catalogue by its name in the tree; its form becomes current.
    FormView *selectKind(const QString &name)
    {
        auto *tree = frame->workbook()->frames().value(0)->findChild<QTreeView *>();
        if (!tree)
            return nullptr;
        const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                                           Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            return nullptr;
        tree->setCurrentIndex(found.first());
        QCoreApplication::processEvents();
        return shownForm();
    }

    // The form the open catalogue shows, which its Document window follows.
    FormView *shownForm() const
    {
        auto *text = qobject_cast<DocumentView *>(frame->workbook()->frames().value(1)->viewWidget());
        return text ? text->sourceForm() : nullptr;
    }

    // Turns to "Document", which generates the text of the current form, and returns it.
    DocumentView *document()
    {
        frame->activateTab(1);
        QCoreApplication::processEvents();
        return qobject_cast<DocumentView *>(frame->activeView());
    }

    // Pastes the text over the whole content of a field, as Ctrl+A, Ctrl+V.
    static void pasteInto(QWidget *field, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    QString statusMessage() const { return frame->statusBar()->currentMessage(); }

    MainWindow *frame = nullptr;
};

TEST_F(BadInput, CommandLineFileThatCannotBeOpenedEndsStartUpAndSaysWhich)
{
    QTemporaryDir dir;
    PlectaApplication *app = PlectaApplication::instance();
    // A folder is not a file to open, and neither is a name in a folder that does not exist.
    for (const QString &name : {dir.path(), dir.filePath(u"no/such/acta.txt"_qs)}) {
        dialogs::setNextAnswer(QMessageBox::Ok);
        EXPECT_FALSE(app->openFromCommandLine({u"plecta"_qs, name})) << name.toStdString();
        EXPECT_TRUE(dialogs::lastMessage().contains(QDir::toNativeSeparators(name)))
            << dialogs::lastMessage().toStdString();
        EXPECT_TRUE(frame->workbook()->frames().isEmpty()) << "a start window opened";
    }
}

TEST_F(BadInput, HundredThousandCharactersInAFieldReachTheDocumentAsTheFieldHoldsThem)
{
    openFunction(0);
    FormView *minutes = selectKind(u"acta de reunió"_qs);
    ASSERT_NE(minutes, nullptr);
    auto *field = qobject_cast<QLineEdit *>(minutes->fieldWidget(1077));
    ASSERT_NE(field, nullptr);
    QString longText;
    for (int i = 0; longText.size() < 100000; ++i)
        longText += QStringLiteral("Cooperativa %1 de l'Alt Camp; ").arg(i);
    longText.truncate(100000);
    pasteInto(field, longText);

    // The field keeps the whole text (no 32,767-character cut) and it reaches the document whole.
    const QString held = field->text();
    EXPECT_EQ(held, longText);
    DocumentView *view = document();
    ASSERT_NE(view, nullptr);
    const std::string bytes = view->documentBytes();
    const std::string expectedStart = "Acta de la reuni\xf3: " + held.toStdString() + "\r\n";
    EXPECT_EQ(bytes.compare(0, expectedStart.size(), expectedStart), 0);
}

// The order's line list: the "Afegeix un concepte" button runs the line dialog; the test answers it
// as a user would, typing into its fields and pressing Enter.
class OrderLines : public BadInput
{
protected:
    void SetUp() override
    {
        BadInput::SetUp();
        openFunction(0);
        order = selectKind(u"comanda"_qs);
        ASSERT_NE(order, nullptr);
        list = order->findChild<QTreeWidget *>();
        ASSERT_NE(list, nullptr);
        for (QPushButton *button : order->findChildren<QPushButton *>()) {
            if (button->text() == u"Afegeix un concepte"_qs)
                add = button;
        }
        ASSERT_NE(add, nullptr);
    }

    // Clicks "Afegeix un concepte" and fills the dialog's fields with these texts (pasted).
    void addLine(const QStringList &values)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            const auto fields = dialog->findChildren<QLineEdit *>();
            for (int i = 0; i < fields.size() && i < values.size(); ++i)
                pasteInto(fields[i], values[i]);
            QTest::keyClick(fields.isEmpty() ? dialog : fields.last(), Qt::Key_Return);
            answered = true;
        });
        QTest::mouseClick(add, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 5000)) << "no line dialog";
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000));
    }

    FormView *order = nullptr;
    QTreeWidget *list = nullptr;
    QPushButton *add = nullptr;
};

TEST_F(OrderLines, HundredThousandCharactersInALineItemReachTheDocument)
{
    const QString longText = QString(100000, u'x');
    addLine({u"1"_qs, longText, u"12,50"_qs, u"3"_qs, u"37,50"_qs});
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QString held = list->topLevelItem(0)->text(1);
    EXPECT_EQ(held, longText);
    DocumentView *view = document();
    ASSERT_NE(view, nullptr);
    EXPECT_NE(view->documentBytes().find(held.toStdString()), std::string::npos) << "the long text is not whole";
}

// The line dialog is a window of its own: a refusal there still reaches the main window's status bar.
TEST_F(OrderLines, ARefusalInTheLineDialogIsToldInTheMainWindow)
{
    frame->statusBar()->clearMessage();
    addLine({u"1"_qs, u"Ω"_qs});
    EXPECT_TRUE(statusMessage().contains(u"U+03A9"_qs)) << statusMessage().toStdString();
}

TEST_F(OrderLines, TenThousandLinesAllReachTheDocument)
{
    // One line through the dialog, the rest straight into the list it fills, for speed.
    addLine({u"0"_qs, u"article 0"_qs, u"1,00"_qs, u"1"_qs, u"1,00"_qs});
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QList<QTreeWidgetItem *> rows;
    for (int i = 1; i < 10000; ++i)
        rows.append(new QTreeWidgetItem(
            QStringList{QString::number(i), QStringLiteral("article %1").arg(i), u"1,00"_qs, u"1"_qs, u"1,00"_qs}));
    list->insertTopLevelItems(0, rows);
    ASSERT_EQ(list->topLevelItemCount(), 10000);

    DocumentView *view = document();
    ASSERT_NE(view, nullptr);
    const std::string bytes = view->documentBytes();
    for (int i : {0, 1, 5000, 9999}) {
        const std::string article = "article " + std::to_string(i) + ' ';
        EXPECT_NE(bytes.find(article), std::string::npos) << article;
    }
    // Newest first: the last line added stands above the first.
    EXPECT_LT(bytes.find("article 9999 "), bytes.find("article 0 "));
    // Turning to "Edició" and back gives the same 10,000 lines again, not twice as many.
    frame->activateTab(0);
    EXPECT_EQ(document()->documentBytes(), bytes);
}

// Every field of every form in both catalogues takes what it can of a paste with characters
// Windows-1252 cannot hold: the rest is left out and the status bar names it; a paste nothing of
// which fits leaves the field as it was.
TEST_F(BadInput, PastesOutsideWindows1252KeepWhatFitsInEveryFieldAndNameTheRest)
{
    const struct
    {
        QString text;
        QString named;
        QString kept; // empty: the field keeps what it had
    } pastes[] = {
        {u"Δ"_qs, u"U+0394"_qs, QString()},
        {u"preu: 5 €, pes: 3 kg ✓"_qs, u"U+2713"_qs, u"preu: 5 €, pes: 3 kg "_qs},
        {QStringLiteral(u"bon dia \U0001F600"), u"U+1F600"_qs, u"bon dia "_qs}, // beyond the BMP: named whole
    };
    int fieldsTried = 0;
    for (int function : {0, 1}) {
        openFunction(function);
        auto *tree = frame->workbook()->frames().value(0)->findChild<QTreeView *>();
        ASSERT_NE(tree, nullptr);
        QAbstractItemModel *model = tree->model();
        for (int group = 0; group < model->rowCount(); ++group) {
            for (int row = 0; row < model->rowCount(model->index(group, 0)); ++row) {
                const QModelIndex kind = model->index(row, 0, model->index(group, 0));
                tree->setCurrentIndex(kind);
                QCoreApplication::processEvents();
                ASSERT_NE(shownForm(), nullptr);
                const QString kindName = kind.data().toString();
                for (QLineEdit *field : shownForm()->findChildren<QLineEdit *>()) {
                    // A date picker holds a date, not text; the edit box of an editable choice
                    // list counts as a field.
                    if (!field->isEnabled() || field->isReadOnly() ||
                        qobject_cast<QAbstractSpinBox *>(field->parentWidget()))
                        continue;
                    const QString before = field->text();
                    for (const auto &paste : pastes) {
                        frame->statusBar()->clearMessage();
                        field->setText(before);
                        pasteInto(field, paste.text);
                        EXPECT_EQ(field->text(), paste.kept.isEmpty() ? before : paste.kept)
                            << kindName.toStdString() << ": " << field->objectName().toStdString();
                        EXPECT_TRUE(statusMessage().contains(paste.named))
                            << kindName.toStdString() << ": " << statusMessage().toStdString();
                    }
                    ++fieldsTried;
                }
            }
        }
    }
    EXPECT_GT(fieldsTried, 100);
}

TEST_F(BadInput, PasteIntoTheDocumentKeepsWhatFits)
{
    openFunction(0);
    ASSERT_NE(selectKind(u"carta"_qs), nullptr);
    DocumentView *view = document();
    ASSERT_NE(view, nullptr);
    const std::string before = view->documentBytes();
    QApplication::clipboard()->setText(u"Ω"_qs);
    view->setFocus();
    view->moveCursor(QTextCursor::Start);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view->documentBytes(), before);
    EXPECT_TRUE(statusMessage().contains(u"U+03A9"_qs)) << statusMessage().toStdString();
    QApplication::clipboard()->setText(u"Hola Ω\ncafè"_qs);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view->documentBytes(), "Hola \r\ncaf\xE8" + before);
    EXPECT_EQ(statusMessage(), u"S'ha omès 1 caràcter: Ω (U+03A9)"_qs);
}

// A save that cannot be done: the folder does not exist, or is a file, or will not take files.
// Nothing is written, the document stays as it was and the user is told.
TEST_F(BadInput, SaveToAFolderThatCannotTakeTheFileChangesNothing)
{
    openFunction(0);
    ASSERT_NE(selectKind(u"certificat"_qs), nullptr);
    DocumentView *view = document();
    ASSERT_NE(view, nullptr);
    const std::string before = view->documentBytes();

    QTemporaryDir dir;
    QFile plain(dir.filePath(u"fitxer"_qs));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QDir(dir.path()).mkdir(u"nomes-lectura"_qs);
    QFile::setPermissions(dir.filePath(u"nomes-lectura"_qs), QFile::ReadOwner | QFile::ExeOwner);
    QStringList targets{dir.filePath(u"no-existeix/certificat.txt"_qs), dir.filePath(u"fitxer/certificat.txt"_qs),
                        u"/proc/certificat.txt"_qs};
    // Permissions bind every user but root; as root the read-only folder would take the file.
    if (::geteuid() != 0)
        targets.append(dir.filePath(u"nomes-lectura/certificat.txt"_qs));
    for (const QString &target : targets) {
        dialogs::clearTestAnswers();
        dialogs::setNextFileName(target);
        dialogs::setNextGoOn(true); // the certificate's boxes left as they start
        dialogs::setNextAnswer(QMessageBox::Ok);
        runAction(frame, frame->mainActions().saveAs);
        EXPECT_FALSE(QFile::exists(target)) << target.toStdString();
        EXPECT_TRUE(dialogs::lastMessage().contains(QDir::toNativeSeparators(target)))
            << target.toStdString() << ": " << dialogs::lastMessage().toStdString();
        EXPECT_EQ(view->documentBytes(), before);
    }
    // Nothing half-written next to the file either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{u"fitxer"_qs, u"nomes-lectura"_qs}));
    QFile::setPermissions(dir.filePath(u"nomes-lectura"_qs), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
