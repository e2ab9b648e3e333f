#include "forms/ui/DocumentView.h"

#include "check/ui/FormChecking.h"
#include "export/OdtDocument.h"
#include "export/PageRenderer.h"
#include "export/PdfDocument.h"
#include "export/TypesetPages.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/FormView.h"
#include "models/UnfilledFields.h"
#include "shell/ui/Dialogs.h"
#include "text/Cp1252.h"
#include "text/ui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

DocumentView::DocumentView(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUndoRedoEnabled(true);
    new FormChecking(this);
}

void DocumentView::initialUpdate()
{
    m_font = QFont(QStringLiteral("Courier"));
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    m_font.setPointSize(8);
    m_font.setWeight(QFont::Normal);
    setFont(m_font);
    setTabStopDistance(8 * QFontMetricsF(m_font).horizontalAdvance(u' '));
}

void DocumentView::followCatalogue(CatalogueView *catalogue)
{
    m_form = catalogue->shownForm();
    connect(catalogue, &CatalogueView::shownFormChanged, this, [this](FormView *form) { m_form = form; });
    connect(catalogue, &CatalogueView::documentCommandRequested, this, &DocumentView::performForForm);
}

void DocumentView::viewActivated()
{
    // Whatever was changed here gives way to a fresh copy of the form's text.
    if (!m_form)
        return;
    m_form->generateText(m_generatedText);
    m_structure = m_form->documentStructure();
    setDocumentBytes(m_generatedText);
    if (const std::string_view name = forms::kindName(m_form->templateId()); !name.empty())
        m_title = QString::fromUtf8(name.data(), qsizetype(name.size()));
}

void DocumentView::setDocumentBytes(const std::string &bytes)
{
    QString text = qttext::toQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
}

std::string DocumentView::documentBytes() const
{
    // The raw text: the plain-text export would turn no-break spaces into spaces.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return qttext::toCp1252(text);
}

ViewActions DocumentView::offeredActions() const
{
    return ViewAction::SaveAs | ViewAction::Print | ViewAction::PrintPreview | ViewAction::Review;
}

void DocumentView::performForForm(ViewAction command)
{
    viewActivated();
    perform(command);
}

bool DocumentView::confirmUnfilled(const QString &goOn)
{
    const std::vector<plecta::UnfilledField> left = plecta::unfilledFields(documentBytes());
    if (left.empty())
        return true;
    if (dialogs::confirmGoOn(this, qttext::toQString(plecta::unfilledFieldsMessage(left)), goOn,
                             QStringLiteral("&Torna al formulari")))
        return true;
    if (m_form) {
        if (QWidget *field = m_form->selectUnfilledField(left.front().name))
            emit fieldRequested(field);
    }
    return false;
}

void DocumentView::perform(ViewAction command)
{
    switch (command) {
    case ViewAction::SaveAs:
        if (confirmUnfilled(QStringLiteral("&Desa igualment")))
            saveAs();
        break;
    case ViewAction::Print:
        if (confirmUnfilled(QStringLiteral("&Imprimeix igualment")))
            print();
        break;
    case ViewAction::PrintPreview: printPreview(); break;
    case ViewAction::Review: FormChecking::of(this)->review(this); break;
    default: break;
    }
}

DocumentView::SaveFormat DocumentView::saveFormatFor(const QString &path, SaveFormat chosen)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf")
        return SaveFormat::Pdf;
    if (suffix == u"odt")
        return SaveFormat::Odt;
    if (suffix == u"txt" && chosen != SaveFormat::TextCp1252)
        return SaveFormat::TextUtf8;
    return chosen;
}

bool DocumentView::saveAs()
{
    // UTF-8 text first, as today's systems read text files; the program's own Windows-1252 bytes
    // one choice away.
    static const QStringList filters{QStringLiteral("Text UTF-8 (*.txt)"), QStringLiteral("Text Windows-1252 (*.txt)"),
                                     QStringLiteral("OpenDocument (*.odt)"), QStringLiteral("PDF (*.pdf)")};
    static const QStringList suffixes{QStringLiteral("txt"), QStringLiteral("txt"), QStringLiteral("odt"),
                                      QStringLiteral("pdf")};
    static constexpr SaveFormat formats[] = {SaveFormat::TextUtf8, SaveFormat::TextCp1252, SaveFormat::Odt,
                                             SaveFormat::Pdf};
    int chosen = 0;
    const QString path = dialogs::saveFileName(this, filters, suffixes, &chosen);
    if (path.isEmpty())
        return false;
    return saveTo(path, saveFormatFor(path, formats[std::clamp(chosen, 0, int(std::size(formats)) - 1)]));
}

QByteArray DocumentView::fileBytes(SaveFormat format) const
{
    const std::string text = documentBytes();
    switch (format) {
    case SaveFormat::TextCp1252: return QByteArray::fromStdString(text);
    case SaveFormat::TextUtf8: return QByteArray::fromStdString(cp1252::toUtf8(text));
    case SaveFormat::Odt: {
        const plecta::StructuredDocument structure = typesetStructure();
        return QByteArray::fromStdString(docexport::odtDocument(std::span(&structure, 1), m_title.toStdString()));
    }
    case SaveFormat::Pdf: {
        const plecta::StructuredDocument structure = typesetStructure();
        return docexport::pdfDocument(std::span(&structure, 1), m_title);
    }
    }
    return {};
}

bool DocumentView::saveTo(const QString &path, SaveFormat format)
{
    // Written beside the target and renamed into place, so a failed save never damages a file.
    const QByteArray bytes = fileBytes(format);
    QSaveFile file(path);
    QString reason;
    if (format == SaveFormat::Pdf && bytes.isEmpty()) {
        reason = QStringLiteral("No s'han pogut dibuixar les pàgines del PDF.");
    } else if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.flush()) {
        // The explicit flush matters: a short write while the file is closed (a full disk)
        // would otherwise go unnoticed and the truncated file would replace the old one.
        const bool known = file.error() != QFileDevice::NoError && file.error() != QFileDevice::UnspecifiedError;
        reason = known ? file.errorString()
                       : QStringLiteral("No s'ha pogut escriure el fitxer sencer: potser el disc és ple.");
        file.cancelWriting();
        file.commit();
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (reason.isNull())
        return true;
    dialogs::message(
        this, QMessageBox::Warning,
        QStringLiteral("No s'ha pogut desar el document a «%1».\n\n%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

plecta::StructuredDocument DocumentView::typesetStructure() const
{
    const std::string text = documentBytes();
    return text == m_generatedText ? m_structure : plecta::structureOfText(text);
}

bool DocumentView::renderTo(QPrinter *printer, bool asText) const
{
    bool painted = false;
    if (asText) {
        const std::string text = documentBytes();
        painted = docexport::renderDocuments(*printer, std::span(&text, 1));
    } else {
        const plecta::StructuredDocument structure = typesetStructure();
        painted = docexport::renderTypeset(*printer, std::span(&structure, 1));
    }
    return painted && printer->printerState() != QPrinter::Error;
}

void DocumentView::print()
{
    QPrinter printer(QPrinter::HighResolution);
    docexport::setUpTypesetPage(printer);
    printer.setDocName(m_title);
    QPrintDialog dialog(&printer, this);
    // The text as it shows here, in the fixed-pitch font, stays a choice of its own.
    auto *textTab = new QWidget;
    textTab->setWindowTitle(QStringLiteral("Text"));
    auto *asText = new QCheckBox(QStringLiteral("Imprimeix el text tal com es veu, en lletra d'amplada fixa"), textTab);
    asText->setObjectName(QStringLiteral("printAsText"));
    (new QVBoxLayout(textTab))->addWidget(asText);
    dialog.setOptionTabs({textTab});
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (asText->isChecked())
        docexport::setUpPage(printer);
    if (!renderTo(&printer, asText->isChecked()))
        reportPrintFailure(printer, QStringLiteral("No s'ha pogut imprimir el document."));
}

void DocumentView::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    docexport::setUpTypesetPage(printer);
    printer.setDocName(m_title);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Previsualitza la impressió"));
    bool failed = false;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &failed](QPrinter *target) { failed = !renderTo(target) || failed; });
    preview.exec();
    if (failed)
        reportPrintFailure(printer, QStringLiteral("No s'ha pogut previsualitzar la impressió."));
}

void DocumentView::reportPrintFailure(const QPrinter &printer, const QString &what)
{
    const QString where =
        printer.outputFileName().isEmpty()
            ? QStringLiteral("la impressora «%1»").arg(printer.printerName())
            : QStringLiteral("el fitxer «%1»").arg(QDir::toNativeSeparators(printer.outputFileName()));
    dialogs::message(this, QMessageBox::Warning,
                     what + QStringLiteral("\n\n") + QStringLiteral("No s'ha pogut escriure a %1.").arg(where));
}

void DocumentView::keyPressEvent(QKeyEvent *event)
{
    // Commands and movements work; characters, Backspace, Enter and Tab are discarded.
    const int key = event->key();
    const bool typed = key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter ||
                       key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool printable = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typed || (printable && !command)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DocumentView::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}

bool DocumentView::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void DocumentView::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.remove(QChar(u'\0'));
    // The document's text holds several lines and the models' TABs.
    qttext::Salvage salvaged = qttext::salvageInput(text, {.lineBreaks = true, .tab = true});
    if (!salvaged.message.isEmpty())
        qttext::showStatusMessage(this, salvaged.message);
    salvaged.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!salvaged.text.isEmpty()) // nothing that fits: the selection stays
        textCursor().insertText(salvaged.text);
}
