#include "forms/ui/CPVView.h"

#include "app/Commands.h"
#include "shell/ui/Dialogs.h"
#include "forms/ui/COurFormView.h"
#include "forms/ui/CTCView.h"
#include "text/ui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>

namespace {

// Tabs every 8 columns, as the view shows them; in a fixed-pitch font spaces line up alike.
QString expandTabs(const QString &text)
{
    QString out;
    out.reserve(text.size());
    int column = 0;
    for (QChar c : text) {
        if (c == u'\t') {
            const int spaces = 8 - column % 8;
            out += QString(spaces, u' ');
            column += spaces;
        } else {
            out += c;
            column = c == u'\n' ? 0 : column + 1;
        }
    }
    return out;
}

} // namespace

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

void CPVView::followCatalogue(CTCView *catalogue)
{
    m_form = catalogue->shownForm();
    connect(catalogue, &CTCView::shownFormChanged, this, [this](COurFormView *form) { m_form = form; });
}

void CPVView::viewActivated()
{
    // Whatever was changed here gives way to a fresh copy of the form's text.
    if (!m_form)
        return;
    std::string text;
    m_form->GenerateText(text);
    setDocumentBytes(text);
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
    case cmd::PrintPreview: return true;
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
    default: break;
    }
}

bool CPVView::saveAs()
{
    const QString path = dialogs::saveFileName(this, QStringLiteral("Fitxer de text (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty())
        return false;
    return saveTo(path);
}

bool CPVView::saveTo(const QString &path)
{
    // Written beside the target and renamed into place, so a failed save never damages a file.
    const std::string bytes = documentBytes();
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
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

bool CPVView::renderTo(QPrinter *printer) const
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    // Laid out at the printer's resolution, a page of the paint rectangle at a time.
    QTextDocument pages;
    pages.documentLayout()->setPaintDevice(printer);
    pages.setDefaultFont(m_font);
    pages.setDocumentMargin(0);
    const QRectF page(QPointF(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());
    pages.setPageSize(page.size());
    pages.setPlainText(expandTabs(toPlainText()));
    const int count = std::max(1, pages.pageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !printer->newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        pages.drawContents(&painter, page.translated(0, i * page.height()));
        painter.restore();
    }
    return painter.end() && printer->printerState() != QPrinter::Error;
}

void CPVView::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!renderTo(&printer))
        reportPrintFailure(printer, QStringLiteral("No s'ha pogut imprimir el document."));
}

void CPVView::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Previsualitza la impressió"));
    bool failed = false;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &failed](QPrinter *target) { failed = !renderTo(target) || failed; });
    preview.exec();
    if (failed)
        reportPrintFailure(printer, QStringLiteral("No s'ha pogut previsualitzar la impressió."));
}

void CPVView::reportPrintFailure(const QPrinter &printer, const QString &what)
{
    const QString where =
        printer.outputFileName().isEmpty()
            ? QStringLiteral("la impressora «%1»").arg(printer.printerName())
            : QStringLiteral("el fitxer «%1»").arg(QDir::toNativeSeparators(printer.outputFileName()));
    dialogs::message(this, QMessageBox::Warning,
                     what + QStringLiteral("\n\n") + QStringLiteral("No s'ha pogut escriure a %1.").arg(where));
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
    // The document's text holds several lines and the models' TABs.
    qttext::GateResult gated = qttext::gateInput(text, {.lineBreaks = true, .tab = true});
    if (!gated.accepted()) {
        qttext::showStatusMessage(qttext::refusalMessage(gated.refused, gated.reason));
        return;
    }
    gated.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textCursor().insertText(gated.text);
}
