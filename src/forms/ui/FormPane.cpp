#include "forms/ui/FormPane.h"

#include "forms/ui/FormView.h"

FormPane::FormPane(QWidget *parent) : QStackedWidget(parent), m_empty(new QWidget)
{
    addWidget(m_empty);
}

void FormPane::showForm(FormView *form)
{
    if (indexOf(form) < 0)
        addWidget(form);
    setCurrentWidget(form);
}

void FormPane::showNothing()
{
    setCurrentWidget(m_empty);
}

FormView *FormPane::currentForm() const
{
    return qobject_cast<FormView *>(currentWidget());
}
