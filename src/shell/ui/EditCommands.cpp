#include "shell/ui/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool clipboardHasText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

// The widget that takes the edit commands for a focus widget: an editable list's line edit
// stands for the list.
QWidget *textWidgetOf(QWidget *focus)
{
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        return combo->lineEdit();
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus))
        return focus;
    if (auto *label = qobject_cast<QLabel *>(focus);
        label && (label->textInteractionFlags() & Qt::TextSelectableByMouse))
        return label;
    return nullptr;
}

// The state of one kind of editor, as the commands see it.
struct EditorState
{
    bool undo = false;
    bool selection = false;
    bool writable = false;
};

EditorState stateOf(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        const bool shown = edit->echoMode() == QLineEdit::Normal;
        return {edit->isUndoAvailable() && !edit->isReadOnly(), shown && edit->hasSelectedText(), !edit->isReadOnly()};
    }
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return {plain->document()->isUndoAvailable() && !plain->isReadOnly(), plain->textCursor().hasSelection(),
                !plain->isReadOnly()};
    if (auto *rich = qobject_cast<const QTextEdit *>(widget))
        return {rich->document()->isUndoAvailable() && !rich->isReadOnly(), rich->textCursor().hasSelection(),
                !rich->isReadOnly()};
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return {false, label->hasSelectedText(), false};
    return {};
}

// The editors share their commands' names, not a base class.
template <class Editor> void apply(Editor *editor, EditAction action)
{
    switch (action) {
    case EditAction::Undo: editor->undo(); break;
    case EditAction::Cut: editor->cut(); break;
    case EditAction::Copy: editor->copy(); break;
    case EditAction::Paste: editor->paste(); break;
    }
}

} // namespace

EditCommands::EditCommands(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::changed);
}

void EditCommands::follow(QWidget *focus)
{
    // A dialog of its own (the search, a message) does not take the window's commands away, nor
    // does the menu bar, which takes the focus while its menus are worked from the keyboard.
    if (focus && (qobject_cast<QMenuBar *>(focus) || qobject_cast<QMenu *>(focus))) {
        // A line edit drops its selection when the menu bar takes the focus (Alt+E); it is
        // given back, so that "Copia" in the menu copies what was selected.
        auto *edit = qobject_cast<QLineEdit *>(m_target.data());
        if (edit && !edit->hasSelectedText() && m_selection.second > 0)
            edit->setSelection(m_selection.first, m_selection.second);
        emit changed();
        return;
    }
    if (focus && focus->window() != m_window)
        return;
    for (const QMetaObject::Connection &connection : std::as_const(m_watching))
        disconnect(connection);
    m_watching.clear();
    m_target = textWidgetOf(focus);
    const auto notify = [this] { emit changed(); };
    m_selection = {-1, 0};
    if (auto *edit = qobject_cast<QLineEdit *>(m_target.data())) {
        const auto keepSelection = [this, edit] {
            if (edit->hasFocus())
                m_selection = {edit->selectionStart(), int(edit->selectedText().size())};
        };
        keepSelection();
        m_watching << connect(edit, &QLineEdit::selectionChanged, this, keepSelection)
                   << connect(edit, &QLineEdit::selectionChanged, this, notify)
                   << connect(edit, &QLineEdit::textChanged, this, notify);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(m_target.data())) {
        m_watching << connect(plain, &QPlainTextEdit::selectionChanged, this, notify)
                   << connect(plain, &QPlainTextEdit::undoAvailable, this, notify);
    } else if (auto *rich = qobject_cast<QTextEdit *>(m_target.data())) {
        m_watching << connect(rich, &QTextEdit::selectionChanged, this, notify)
                   << connect(rich, &QTextEdit::undoAvailable, this, notify);
    }
    emit changed();
}

bool EditCommands::canRun(EditAction action) const
{
    if (!m_target)
        return false;
    const EditorState state = stateOf(m_target);
    switch (action) {
    case EditAction::Undo: return state.undo;
    case EditAction::Cut: return state.selection && state.writable;
    case EditAction::Copy: return state.selection;
    case EditAction::Paste: return state.writable && clipboardHasText();
    }
    return false;
}

bool EditCommands::run(EditAction action)
{
    if (!canRun(action))
        return false;
    QWidget *target = m_target;
    if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        // The paste key, so that a field that takes only part of a paste does as with its key.
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        if (action == EditAction::Paste)
            QCoreApplication::sendEvent(edit, &paste);
        else
            apply(edit, action);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        apply(plain, action);
    else if (auto *rich = qobject_cast<QTextEdit *>(target))
        apply(rich, action);
    else if (auto *label = qobject_cast<QLabel *>(target); label && action == EditAction::Copy)
        QGuiApplication::clipboard()->setText(label->selectedText());
    emit changed();
    return true;
}
