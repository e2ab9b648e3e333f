#pragma once
#include "shell/ui/ChildView.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPointer>

#include "models/StructuredDocument.h"

#include <string>

class FormView;
class CatalogueView;
class QPrinter;

// The "Document" window: shows the finished text of the form its catalogue shows, fresh at
// every activation, in a fixed-pitch font. The text can be saved, printed and previewed, cut,
// copied, pasted and deleted, but not typed into.
class DocumentView : public QPlainTextEdit, public ChildView
{
    Q_OBJECT
public:
    explicit DocumentView(QWidget *parent = nullptr);

    // From now on the text is that of the form the catalogue shows.
    void followCatalogue(CatalogueView *catalogue);
    FormView *sourceForm() const { return m_form; }

    void initialUpdate() override;
    void viewActivated() override;
    // A command given on the form's tab: the document is made fresh from the form, then the
    // command runs on it as on this tab.
    void performForForm(ViewAction command);
    ViewActions offeredActions() const override;
    void perform(ViewAction command) override;

    // The text as the document holds it: Windows-1252, CR LF line ends.
    std::string documentBytes() const;
    // Replaces the whole text with a document (Windows-1252, CR LF line ends).
    void setDocumentBytes(const std::string &bytes);

    // The file types "Anomena i desa" offers, in the dialog's order.
    enum class SaveFormat { TextCp1252, TextUtf8, Odt, Pdf };
    // The format of a file: its extension when that names one (".txt" keeps the text encoding of
    // the type chosen), otherwise the type chosen in the dialog.
    static SaveFormat saveFormatFor(const QString &path, SaveFormat chosen);

    // "Anomena i desa": asks for a name and a file type and writes the document there. Any
    // failure is shown and leaves an existing file untouched. True when the file was written.
    bool saveAs();
    bool saveTo(const QString &path, SaveFormat format = SaveFormat::TextCp1252);
    void print();
    void printPreview();
    // The one renderer of the printed pages, for the printer, the preview and PDF files alike:
    // the typeset pages, or the text as it shows here when `asText`. False when the printer could
    // not take the pages.
    bool renderTo(QPrinter *printer, bool asText = false) const;
    // The document's structure for the typeset outputs: the form's, or, when the text was changed
    // here, the lines of the text as they stand.
    plecta::StructuredDocument typesetStructure() const;
    // The document's title: its kind's name in the catalogue, for the metadata of ODT and PDF.
    const QString &documentTitle() const { return m_title; }

    const QFont &documentFont() const { return m_font; }

signals:
    // "Torna al formulari": the field of the form to bring forward and give the focus.
    void fieldRequested(QWidget *field);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Before the document leaves with boxes left as they started, the question that names them;
    // true to go on. Going back asks for the first of them in the form.
    bool confirmUnfilled(const QString &goOn);
    QByteArray fileBytes(SaveFormat format) const;

    QString m_title = QStringLiteral("Document");
    void reportPrintFailure(const QPrinter &printer, const QString &what);

    QFont m_font;
    QPointer<FormView> m_form;
    std::string m_generatedText; // the text as the form gave it, and its structure
    plecta::StructuredDocument m_structure;
};
