#pragma once
#include <QMetaObject>
#include <QObject>
#include <QPair>
#include <QPointer>

class QWidget;

// The edit commands of the "Editar" menu and their keys.
enum class EditAction { Undo, Cut, Copy, Paste };

// Undo, cut, copy and paste on the text widget that has the keyboard focus in a window: a line
// edit (an editable list's included), a plain or rich text editor, a label whose text can be
// selected. Which of them can run follows the focus, the selection, the clipboard and the undo
// history; changed() tells when that may have changed.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditCommands(QWidget *window);

    bool canRun(EditAction action) const;
    // Runs the command on the focused text widget; false when it cannot run there now.
    bool run(EditAction action);

    // The text widget the commands act on now, or nullptr.
    QWidget *target() const { return m_target; }

signals:
    void changed();

private:
    void follow(QWidget *focus);

    QWidget *m_window;
    QPointer<QWidget> m_target;
    QList<QMetaObject::Connection> m_watching;
    QPair<int, int> m_selection{-1, 0}; // a line edit's last selection while it had the focus
};
