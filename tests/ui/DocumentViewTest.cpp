// The "Document" window: the text it shows, the keys it refuses, the file it saves (and the files
// it never damages), and the pages it prints.

#include "forms/ui/DocumentView.h"
#include "MainWindowFixture.h"
#include "PdfWords.h"
#include "QtPrinters.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "forms/ui/CatalogueTree.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/FormView.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"
#include "text/Cp1252.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class DocumentTab : public CommercialFunctionTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CommercialFunctionTest::SetUp());
        ASSERT_TRUE(dir.isValid());
    }

    // The current form's text as the engine gives it.
    std::string generated() const
    {
        std::string text;
        document->sourceForm()->generateText(text);
        return text;
    }
    QLineEdit *edit(int id) const { return qobject_cast<QLineEdit *>(catalogue->shownForm()->fieldWidget(id)); }
    void showDocument() { frame->activateTab(1); }
    bool save(const QString &name)
    {
        dialogs::setNextGoOn(true);              // the boxes left as they start
        dialogs::setNextAnswer(QMessageBox::Ok); // answers the error message, should one come
        dialogs::setNextFileName(name);
        return runAction(frame, frame->mainActions().saveAs);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DocumentTab, DocumentCommandsWorkFromBothTabs)
{
    const MainActions &actions = frame->mainActions();
    for (int tab : {0, 1}) {
        frame->activateTab(tab);
        for (QAction *action : {actions.saveAs, actions.print, actions.printPreview})
            EXPECT_TRUE(enabledNow(frame, action)) << action->objectName().toStdString() << " on tab " << tab;
    }
    // One action each, whether reached from the menu or by its key.
    EXPECT_EQ(keyAction(frame, u"Ctrl+S"_qs), actions.saveAs);
    EXPECT_EQ(keyAction(frame, u"Ctrl+P"_qs), actions.print);
    EXPECT_FALSE(enabledNow(frame, actions.find));
}

// Undo, cut, copy and paste act on whichever text field has the focus, in a form or in the
// Document, and are enabled exactly when they would do something there.
TEST_F(DocumentTab, EditCommandsFollowTheFocusedFieldItsSelectionTheClipboardAndUndo)
{
    const auto enabled = [this](QAction *action) {
        // The state the focus and selection signals left equals a fresh look at the field.
        const bool shown = action->isEnabled();
        EXPECT_EQ(shown, enabledNow(frame, action)) << action->objectName().toStdString();
        return shown;
    };
    QApplication::clipboard()->clear();
    QLineEdit *name = edit(1077);
    name->setText(u"<NOM DE L'ORGANISME>"_qs); // the hint as text, to have something to select
    name->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), name);
    EXPECT_FALSE(enabled(frame->mainActions().copy));
    EXPECT_FALSE(enabled(frame->mainActions().cut));
    EXPECT_FALSE(enabled(frame->mainActions().paste)) << "nothing on the clipboard";
    EXPECT_FALSE(enabled(frame->mainActions().undo));

    name->setSelection(1, 4); // "NOM "
    EXPECT_TRUE(enabled(frame->mainActions().copy));
    EXPECT_TRUE(enabled(frame->mainActions().cut));
    EXPECT_TRUE(keyAction(frame, u"Ctrl+Ins"_qs)->isEnabled());
    // Alt+E gives the menu bar the focus on the way to the menu: the field stays the target.
    frame->menuBar()->setFocus(Qt::MenuBarFocusReason);
    EXPECT_TRUE(enabled(frame->mainActions().copy));
    name->setFocus();
    frame->mainActions().copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), u"NOM "_qs);
    EXPECT_TRUE(enabled(frame->mainActions().paste)) << "the clipboard has text now";

    frame->mainActions().cut->trigger();
    EXPECT_EQ(name->text(), u"<DE L'ORGANISME>"_qs);
    EXPECT_FALSE(enabled(frame->mainActions().cut)) << "the selection went with the cut";
    EXPECT_TRUE(enabled(frame->mainActions().undo));
    frame->mainActions().undo->trigger();
    EXPECT_EQ(name->text(), u"<NOM DE L'ORGANISME>"_qs);
    name->setCursorPosition(0);
    frame->mainActions().paste->trigger();
    EXPECT_EQ(name->text(), u"NOM <NOM DE L'ORGANISME>"_qs);

    // A large text box: the same commands, on its own selection.
    auto *points = qobject_cast<QPlainTextEdit *>(catalogue->shownForm()->fieldWidget(1051));
    ASSERT_TRUE(points);
    points->setPlainText(u"<PUNTS>"_qs);
    points->setFocus();
    EXPECT_FALSE(enabled(frame->mainActions().copy));
    points->selectAll();
    EXPECT_TRUE(enabled(frame->mainActions().copy));
    frame->mainActions().copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), u"<PUNTS>"_qs);

    // The Document: copy once something is selected; the tree of kinds takes none of them.
    showDocument();
    document->setFocus();
    document->moveCursor(QTextCursor::Start);
    EXPECT_FALSE(enabled(frame->mainActions().copy));
    document->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    EXPECT_TRUE(enabled(frame->mainActions().copy));
    frame->mainActions().copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), u"Acta"_qs);
    frame->activateTab(0);
    catalogue->tree()->setFocus();
    for (QAction *action :
         {frame->mainActions().copy, frame->mainActions().cut, frame->mainActions().paste, frame->mainActions().undo})
        EXPECT_FALSE(enabled(action));
}

TEST_F(DocumentTab, FixedPitchFontWithTabsEveryEightCharacters)
{
    const QFontInfo font(document->font());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(document->tabStopDistance(), 8 * QFontMetricsF(document->font()).horizontalAdvance(u' '));
    EXPECT_EQ(document->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(DocumentTab, TypingIsDiscardedWhileEditingCommandsWork)
{
    showDocument();
    const QString shown = document->toPlainText();
    ASSERT_FALSE(shown.isEmpty());
    document->setFocus();
    document->moveCursor(QTextCursor::Start);
    QTest::keyClicks(document, u"xyz 12"_qs);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Tab})
        QTest::keyClick(document, key);
    EXPECT_EQ(document->toPlainText(), shown);

    // Delete, cut, paste and undo act on the text.
    QTest::keyClick(document, Qt::Key_Delete);
    EXPECT_EQ(document->toPlainText(), shown.mid(1));
    QApplication::clipboard()->setText(u"Còpia "_qs);
    QTest::keyClick(document, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(document->toPlainText().startsWith(u"Còpia cta de la reunió"_qs));
    ASSERT_TRUE(runAction(frame, frame->mainActions().undo));
    EXPECT_EQ(document->toPlainText(), shown.mid(1));

    // Pastes pass the gate: "ŀ" is written "l·"; a character the document cannot hold refuses
    // the whole paste and says so in the status bar.
    QApplication::clipboard()->setText(u"Ce\u0140la "_qs);
    ASSERT_TRUE(runAction(frame, frame->mainActions().paste));
    EXPECT_TRUE(document->toPlainText().startsWith(u"Cel·la cta"_qs));
    const QString before = document->toPlainText();
    QApplication::clipboard()->setText(u"\u4E2D"_qs);
    ASSERT_TRUE(runAction(frame, frame->mainActions().paste));
    EXPECT_EQ(document->toPlainText(), before);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(u"\u4E2D"_qs));

    // Cut takes the selection away; the next activation brings the whole text back.
    document->selectAll();
    ASSERT_TRUE(runAction(frame, frame->mainActions().cut));
    EXPECT_TRUE(document->toPlainText().isEmpty());
    frame->activateTab(0);
    frame->activateTab(1);
    EXPECT_EQ(document->toPlainText(), shown);
}

TEST_F(DocumentTab, SavedFileHoldsTheTextByteForByte)
{
    // A no-break space and the euro sign must come back as the bytes 0xA0 and 0x80.
    QLineEdit *organisation = edit(1077);
    organisation->setText(u"Cambra\u00A0de Comerç, 5 €"_qs);
    showDocument();
    const std::string text = generated();
    ASSERT_NE(text.find("\r\n"), std::string::npos);
    ASSERT_NE(text.find('\t'), std::string::npos);
    ASSERT_NE(text.find("Cambra\xA0"
                        "de Comer\xE7, 5 \x80"),
              std::string::npos);

    // Saved as the first type offers it: the document's text in UTF-8, line ends and tabs kept.
    EXPECT_TRUE(save(dir.filePath(u"carta"_qs)));
    const QString path = dir.filePath(u"carta.txt"_qs);
    EXPECT_EQ(readFile(path), QByteArray::fromStdString(cp1252::toUtf8(text)));
    EXPECT_TRUE(dialogs::lastMessage().isEmpty());

    // Saving again replaces the file; what was deleted in the view is not saved.
    document->moveCursor(QTextCursor::Start);
    document->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);
    document->setFocus();
    QTest::keyClick(document, Qt::Key_Delete);
    EXPECT_TRUE(save(path));
    const QByteArray shorter = readFile(path);
    EXPECT_EQ(shorter, QByteArray::fromStdString(cp1252::toUtf8(text.substr(text.find("\r\n") + 2))));
    EXPECT_FALSE(shorter.contains('\0'));
    EXPECT_FALSE(shorter.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(shorter.count("\r\n"), shorter.count('\n'));

    // Cancelling the dialog writes nothing.
    dialogs::setNextFileName(QString());
    runAction(frame, frame->mainActions().saveAs);
    EXPECT_EQ(readFile(path), shorter);
}

TEST_F(DocumentTab, FailedSavesSayWhyAndDamageNothing)
{
    showDocument();
    const QString missing = dir.filePath(u"no/such/folder/acta.txt"_qs);
    save(missing);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(dialogs::lastMessage().startsWith(u"No s'ha pogut desar el document"_qs))
        << dialogs::lastMessage().toStdString();
    EXPECT_TRUE(dialogs::lastMessage().contains(missing));

    // A folder that is a file cannot be written, not even by the administrator.
    writeFile(dir.filePath(u"plain"_qs), "x");
    dialogs::clearTestAnswers();
    save(dir.filePath(u"plain/acta.txt"_qs));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"plain/acta.txt"_qs)) << dialogs::lastMessage().toStdString();

    if (geteuid() != 0) { // permissions bind only ordinary users
        QDir(dir.path()).mkdir(u"locked"_qs);
        QFile::setPermissions(dir.filePath(u"locked"_qs), QFile::ReadOwner | QFile::ExeOwner);
        dialogs::clearTestAnswers();
        save(dir.filePath(u"locked/acta.txt"_qs));
        EXPECT_FALSE(dialogs::lastMessage().isEmpty());
        QFile::setPermissions(dir.filePath(u"locked"_qs), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The disk fills up halfway: the old file stays whole and no temporary file is left.
    const QString existing = dir.filePath(u"acta.txt"_qs);
    writeFile(existing, "old minutes\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 64;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    dialogs::clearTestAnswers();
    dialogs::setNextAnswer(QMessageBox::Ok);
    const bool saved64 = document->saveTo(existing);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved64);
    EXPECT_EQ(readFile(existing), QByteArray("old minutes\r\n"));
    EXPECT_TRUE(dialogs::lastMessage().contains(existing));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"acta.txt"_qs, u"plain"_qs}));
}

TEST_F(DocumentTab, PrintingToPdfHoldsTheText)
{
    edit(1077)->setText(u"Junta de Govern"_qs);
    showDocument();
    const QString pdfPath = dir.filePath(u"acta.pdf"_qs);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    document->renderTo(&printer);
    ASSERT_TRUE(readFile(pdfPath).startsWith("%PDF-"));
    EXPECT_EQ(wordsNotShown(pdfPath, document->toPlainText()), QStringList());
    EXPECT_TRUE(pdfWords(pdfPath).join(u' ').contains(u"Acta de la reunió: Junta de Govern"_qs));

    // The same through "Imprimeix": the print dialog, told to print to a file.
    const QString viaDialog = dir.filePath(u"dialog.pdf"_qs);
    bool sawDialog = false;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        ASSERT_TRUE(dialog);
        sawDialog = true;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(viaDialog);
        for (QLineEdit *name : dialog->findChildren<QLineEdit *>()) {
            if (name->objectName() == u"filename"_qs)
                name->setText(viaDialog);
        }
        dialog->accept();
    });
    dialogs::setNextGoOn(true);
    ASSERT_TRUE(runAction(frame, frame->mainActions().print));
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(wordsNotShown(viaDialog, document->toPlainText()), QStringList());
}

TEST_F(DocumentTab, PreviewShowsThePages)
{
    showDocument();
    int pages = 0;
    whenModal([&](QWidget *modal) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
        ASSERT_TRUE(preview);
        if (auto *widget = preview->findChild<QPrintPreviewWidget *>())
            pages = widget->pageCount();
        preview->reject();
    });
    ASSERT_TRUE(runAction(frame, frame->mainActions().printPreview));
    EXPECT_EQ(pages, 1);
}

TEST_F(DocumentTab, SaveAsWritesTheFormatTheTypeOrTheExtensionChooses)
{
    edit(1077)->setText(u"Cambra de Comerç"_qs);
    showDocument();
    const QByteArray cp1252 = QByteArray::fromStdString(generated());
    ASSERT_TRUE(cp1252.contains("Comer\xE7"));
    const QByteArray utf8 = u"Comerç"_qs.toUtf8();

    // The name typed without an extension takes the type's; one typed with an extension wins
    // over the type, except that ".txt" keeps the text encoding chosen. UTF-8 is the first type.
    const struct
    {
        const char *typed;
        int type;
        const char *written;
        const char *starts; // the first bytes of the file, or nullptr for text
        bool utf8;
    } cases[] = {
        {"a", 0, "a.txt", nullptr, true},       {"b", 1, "b.txt", nullptr, false},
        {"c", 2, "c.odt", "PK\x03\x04", false}, {"d", 3, "d.pdf", "%PDF-", false},
        {"e.pdf", 0, "e.pdf", "%PDF-", false},  {"f.odt", 1, "f.odt", "PK\x03\x04", false},
        {"g.PDF", 2, "g.PDF", "%PDF-", false},  {"h.txt", 3, "h.txt", nullptr, true},
        {"i.txt", 1, "i.txt", nullptr, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " as type " + std::to_string(c.type));
        dialogs::clearTestAnswers();
        dialogs::setNextFileType(c.type);
        EXPECT_TRUE(save(dir.filePath(QString::fromLatin1(c.typed))));
        EXPECT_TRUE(dialogs::lastMessage().isEmpty()) << dialogs::lastMessage().toStdString();
        const QByteArray bytes = readFile(dir.filePath(QString::fromLatin1(c.written)));
        if (c.starts) {
            EXPECT_TRUE(bytes.startsWith(c.starts)) << bytes.left(16).toStdString();
            if (bytes.startsWith("PK")) {
                EXPECT_EQ(bytes.mid(30, 8), "mimetype");
            }
            continue;
        }
        if (c.utf8) {
            EXPECT_TRUE(bytes.contains(utf8));
            EXPECT_FALSE(bytes.contains("Comer\xE7"));
            EXPECT_EQ(bytes, QByteArray::fromStdString(cp1252::toUtf8(cp1252.toStdString())));
        } else {
            EXPECT_EQ(bytes, cp1252);
        }
    }
    // Nothing else was written: every save went to the name expected.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), qsizetype(std::size(cases)));
}
