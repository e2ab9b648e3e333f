#pragma once
#include <QStackedWidget>

class FormView;

// The lower pane of a catalogue window: a stack of the forms made so far, one shown at a time,
// each filling the pane. A kind whose form is not written shows the empty page.
class FormPane : public QStackedWidget
{
    Q_OBJECT
public:
    explicit FormPane(QWidget *parent = nullptr);

    // Puts the form on the stack (once) and shows it.
    void showForm(FormView *form);
    // Shows the empty page.
    void showNothing();
    FormView *currentForm() const;

private:
    QWidget *m_empty;
};
