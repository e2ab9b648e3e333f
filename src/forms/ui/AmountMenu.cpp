#include "forms/ui/AmountMenu.h"

#include "reference/Amounts.h"
#include "text/ui/QtText.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

namespace {

// The text the action would turn into words: the selection, or the whole field.
std::optional<QString> amountText(const QWidget *field)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(field)) {
        if (edit->isReadOnly())
            return std::nullopt;
        return edit->hasSelectedText() ? edit->selectedText() : edit->text();
    }
    if (auto *box = qobject_cast<const QPlainTextEdit *>(field)) {
        if (box->isReadOnly())
            return std::nullopt;
        const QTextCursor cursor = box->textCursor();
        return cursor.hasSelection() ? cursor.selectedText() : box->toPlainText();
    }
    return std::nullopt;
}

} // namespace

void AmountMenu::attach(QWidget *page)
{
    auto *menu = new AmountMenu(page);
    for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
        // The line edit inside a date picker or a choice list is not a text field of the form.
        const QWidget *owner = edit->parentWidget();
        if (owner && (owner->inherits("QAbstractSpinBox") || owner->inherits("QComboBox")))
            continue;
        edit->installEventFilter(menu);
    }
    // A multi-line box receives its context menu event on its viewport.
    for (QPlainTextEdit *box : page->findChildren<QPlainTextEdit *>())
        box->viewport()->installEventFilter(menu);
}

QString AmountMenu::actionText()
{
    return QStringLiteral("Escriu l'import en lletres");
}

std::optional<QString> AmountMenu::replacementFor(const QWidget *field)
{
    const std::optional<QString> text = amountText(field);
    if (!text)
        return std::nullopt;
    const auto amount = numerals::parseAmount(qttext::toCp1252(*text));
    if (!amount)
        return std::nullopt;
    return qttext::toQString(numerals::amountInWordsAndFigure(*amount));
}

bool AmountMenu::writeInWords(QWidget *field)
{
    const std::optional<QString> replacement = replacementFor(field);
    if (!replacement)
        return false;
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        if (!edit->hasSelectedText())
            edit->selectAll();
        edit->insert(*replacement); // one step of the field's undo history
        return true;
    }
    if (auto *box = qobject_cast<QPlainTextEdit *>(field)) {
        QTextCursor cursor = box->textCursor();
        if (!cursor.hasSelection())
            cursor.select(QTextCursor::Document);
        cursor.insertText(*replacement);
        box->setTextCursor(cursor);
        return true;
    }
    return false;
}

QMenu *AmountMenu::createMenu(QWidget *field, const QPoint &pos)
{
    QMenu *menu = nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        menu = edit->createStandardContextMenu();
    else if (auto *box = qobject_cast<QPlainTextEdit *>(field))
        menu = box->createStandardContextMenu(pos);
    if (!menu || !replacementFor(field))
        return menu;
    menu->addSeparator();
    QAction *action = menu->addAction(actionText());
    action->setObjectName(QStringLiteral("writeAmountInWords"));
    QPointer<QWidget> target = field;
    connect(action, &QAction::triggered, field, [target] {
        if (target)
            writeInWords(target);
    });
    return menu;
}

bool AmountMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    QWidget *field = qobject_cast<QWidget *>(watched);
    if (auto *box = qobject_cast<QPlainTextEdit *>(field ? field->parentWidget() : nullptr))
        field = box; // the event came to the box's viewport
    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    QMenu *menu = createMenu(field, menuEvent->pos());
    if (!menu)
        return QObject::eventFilter(watched, event);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(menuEvent->globalPos());
    return true;
}
