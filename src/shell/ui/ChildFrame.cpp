#include "shell/ui/ChildFrame.h"

#include "shell/ui/ChildView.h"

#include <QVBoxLayout>

ChildFrame::ChildFrame(QWidget *view, bool closable, QWidget *parent)
    : QWidget(parent), m_view(view), m_closable(closable)
{
    setObjectName(QStringLiteral("childFrame"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view->setParent(this);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
}

ChildView *ChildFrame::view() const
{
    return dynamic_cast<ChildView *>(m_view);
}
