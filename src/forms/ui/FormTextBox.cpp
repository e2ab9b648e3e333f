#include "forms/ui/FormTextBox.h"

#include "text/ui/QtText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

FormTextBox::FormTextBox(int lines, QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true); // Tab moves on through the form, as in every other field
    const int frame = 2 * frameWidth() + int(document()->documentMargin() * 2);
    setMinimumHeight(lines * fontMetrics().lineSpacing() + frame);
    setMaximumHeight(minimumHeight());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString FormTextBox::text() const
{
    // The raw text: the plain-text export would turn no-break spaces into spaces.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

std::string FormTextBox::documentText() const
{
    std::string out;
    const QStringList lines = text().split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += qttext::toCp1252(lines.at(i));
    }
    return out;
}

bool FormTextBox::selectPlaceholder(const QString &placeholder)
{
    if (text().isEmpty())
        return placeholderText().startsWith(placeholder);
    QTextCursor found = document()->find(placeholder);
    if (found.isNull())
        return false;
    const QTextCursor close = document()->find(QStringLiteral(">"), found.selectionEnd());
    if (!close.isNull() && close.block() == found.block())
        found.setPosition(close.selectionEnd(), QTextCursor::KeepAnchor);
    setTextCursor(found);
    return true;
}

void FormTextBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectAll();
}

bool FormTextBox::insertGated(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    // What the box cannot hold is left out, and the status bar names it.
    qttext::Salvage salvaged = qttext::salvageInput(text, textgate::kSeveralLines);
    if (!salvaged.message.isEmpty())
        qttext::showStatusMessage(this, salvaged.message);
    salvaged.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (salvaged.text.isEmpty())
        return false;
    textCursor().insertText(salvaged.text);
    ensureCursorVisible();
    return true;
}

void FormTextBox::keyPressEvent(QKeyEvent *event)
{
    // Characters go through the gate; Enter breaks the line; commands and movements are the
    // editor's own.
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString typed = event->text();
    if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
        insertGated(typed);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void FormTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const QString committed = event->commitString();
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&rest);
    insertGated(committed);
}

bool FormTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void FormTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        insertGated(source->text());
}
