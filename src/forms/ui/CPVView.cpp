#include "forms/ui/CPVView.h"

#include "app/Commands.h"
#include "app/ui/Dialogs.h"
#include "export/OdtDocument.h"
#include "export/PageRenderer.h"
#include "export/PdfDocument.h"
#include "forms/DocumentCatalogue.h"
#include "forms/ui/COurFormView.h"
#include "text/Cp1252.h"
#include "text/ui/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

CPVView::CPVView(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUndoRedoEnabled(true);
}

void CPVView::initialUpdate()
{
    m_font = QFont(QStringLiteral("Courier"));
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    m_font.setPointSize(8);
    m_font.setWeight(QFont::Normal);
    setFont(m_font);
    setTabStopDistance(8 * QFontMetricsF(m_font).horizontalAdvance(u' '));
}

void CPVView::viewActivated()
{
    // Whatever was changed here gives way to a fresh copy of the form's text.
    if (!g_pCurrentForm)
        return;
    std::string text;
    g_pCurrentForm->GenerateText(text);
    setDocumentBytes(text);
    if (const std::string_view name = forms::kindName(g_pCurrentForm->templateId()); !name.empty())
        m_title = QString::fromUtf8(name.data(), qsizetype(name.size()));
}

void CPVView::setDocumentBytes(const std::string &bytes)
{
    QString text = qttext::toQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
}

std::string CPVView::documentBytes() const
{
    // The raw text: the plain-text export would turn no-break spaces into spaces.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return qttext::toCp1252(text);
}

bool CPVView::answersCommand(int command) const
{
    switch (command) {
    case cmd::SaveAsText:
    case cmd::Print:
    case cmd::FilePrint:
    case cmd::PrintPreview:
    case cmd::EditCut:
    case cmd::EditCopy:
    case cmd::EditPaste:
    case cmd::EditUndo: return true;
    default: return false;
    }
}

void CPVView::runCommand(int command)
{
    switch (command) {
    case cmd::SaveAsText: saveAs(); break;
    case cmd::Print:
    case cmd::FilePrint: print(); break;
    case cmd::PrintPreview: printPreview(); break;
    case cmd::EditCut: cut(); break;
    case cmd::EditCopy: copy(); break;
    case cmd::EditPaste: paste(); break;
    case cmd::EditUndo: undo(); break;
    default: break;
    }
}

CPVView::SaveFormat CPVView::saveFormatFor(const QString &path, SaveFormat chosen)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf")
        return SaveFormat::Pdf;
    if (suffix == u"odt")
        return SaveFormat::Odt;
    if (suffix == u"txt" && chosen != SaveFormat::TextUtf8)
        return SaveFormat::TextCp1252;
    return chosen;
}

bool CPVView::saveAs()
{
    // In the order of SaveFormat; the first, the program's own bytes, is the default.
    static const QStringList filters{QStringLiteral("Text Windows-1252 (*.txt)"), QStringLiteral("Text UTF-8 (*.txt)"),
                                     QStringLiteral("OpenDocument (*.odt)"), QStringLiteral("PDF (*.pdf)")};
    static const QStringList suffixes{QStringLiteral("txt"), QStringLiteral("txt"), QStringLiteral("odt"),
                                      QStringLiteral("pdf")};
    int chosen = 0;
    const QString path = dialogs::saveFileName(this, filters, suffixes, &chosen);
    if (path.isEmpty())
        return false;
    return saveTo(path, saveFormatFor(path, SaveFormat(chosen)));
}

QByteArray CPVView::fileBytes(SaveFormat format) const
{
    const std::string text = documentBytes();
    switch (format) {
    case SaveFormat::TextCp1252: return QByteArray::fromStdString(text);
    case SaveFormat::TextUtf8: return QByteArray::fromStdString(cp1252::toUtf8(text));
    case SaveFormat::Odt:
        return QByteArray::fromStdString(docexport::odtDocument(std::span(&text, 1), m_title.toStdString()));
    case SaveFormat::Pdf: return docexport::pdfDocument(std::span(&text, 1), m_title);
    }
    return {};
}

bool CPVView::saveTo(const QString &path, SaveFormat format)
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
        reason = file.errorString();
        file.cancelWriting();
        file.commit();
        if (reason.isEmpty() || reason == u"Unknown error")
            reason = QStringLiteral("No s'ha pogut escriure el fitxer sencer: potser el disc és ple.");
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

void CPVView::renderTo(QPrinter *printer) const
{
    const std::string text = documentBytes();
    docexport::renderDocuments(*printer, std::span(&text, 1));
}

void CPVView::print()
{
    QPrinter printer(QPrinter::HighResolution);
    docexport::setUpPage(printer);
    printer.setDocName(m_title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        renderTo(&printer);
}

void CPVView::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    docexport::setUpPage(printer);
    printer.setDocName(m_title);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Previsualitza la impressió"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &CPVView::renderTo);
    preview.exec();
}

void CPVView::keyPressEvent(QKeyEvent *event)
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

void CPVView::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}

bool CPVView::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void CPVView::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.remove(QChar(u'\0'));
    const qttext::GateResult gated = qttext::gateInput(text);
    if (!gated.accepted()) {
        qttext::showStatusMessage(qttext::refusalMessage(gated.refused));
        return;
    }
    textCursor().insertText(gated.text);
}
