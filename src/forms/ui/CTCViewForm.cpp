#include "forms/ui/CTCViewForm.h"

#include "forms/ui/COurFormView.h"

#include <QResizeEvent>

CTCViewForm::CTCViewForm(QWidget *parent) : QWidget(parent) {}

void CTCViewForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_width = event->size().width();
    m_height = event->size().height();
    // The scroll areas follow the pane; the form pages inside them keep their own size.
    for (COurFormView *form : findChildren<COurFormView *>(Qt::FindDirectChildrenOnly))
        form->setGeometry(0, 0, m_width, m_height);
}
