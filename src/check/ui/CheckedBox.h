#pragma once
// Marks, as the user types, what the checker finds in one text box of a form (a QLineEdit or a
// QPlainTextEdit): misspelt words with a red wavy line, forms to avoid with a blue one. A
// right-click on a marked word offers the suggestions (a click replaces the word, as one undo
// step), "Ignora" for the whole form and, for a form to avoid, the handbook's note and "Mostra al
// vocabulari", above the box's usual menu.

#include "check/TextChecker.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QWidget;

class CheckedBox : public QObject
{
    Q_OBJECT
public:
    // The box's words ignored are shared with the other boxes of its form.
    CheckedBox(QLineEdit *box, std::shared_ptr<check::IgnoredWords> ignored);
    CheckedBox(QPlainTextEdit *box, std::shared_ptr<check::IgnoredWords> ignored);

    QWidget *box() const;
    // The box's text as last checked (Windows-1252) and what was found in it.
    const std::string &text() const { return m_text; }
    const std::vector<check::Finding> &findings() const { return m_findings; }
    // The name of the box's field as the form labels it ("Document" for an unlabelled box).
    QString fieldName() const;
    // The suggestions for a finding of this box.
    std::vector<std::string> suggestions(const check::Finding &finding) const;

    // Checks the text again (the box does so by itself when its text changes).
    void recheck();
    // Selects a finding's text and gives the box the focus.
    void select(const check::Finding &finding);
    // Puts a text in place of a finding, as one undo step.
    void replace(const check::Finding &finding, const std::string &cp1252Text);
    // The menu for a right-click at a text position; the box's own menu is appended.
    QMenu *contextMenu(int position);

signals:
    // The marks changed; a form's other boxes recheck when a word is ignored.
    void ignoredChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attach();
    void showMarks();
    int positionAt(const QPoint &point) const;
    QMenu *standardMenu() const;

    QPointer<QLineEdit> m_line;
    QPointer<QPlainTextEdit> m_plain;
    QWidget *m_overlay = nullptr; // paints the marks over a line edit
    std::shared_ptr<check::IgnoredWords> m_ignored;
    std::string m_text;
    std::vector<check::Finding> m_findings;
};
