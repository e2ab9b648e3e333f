#include "app/ui/ChildFrame.h"

#include "app/ui/ChildView.h"
#include "app/ui/ViewFactory.h"

#include <QVBoxLayout>

ChildFrame::ChildFrame(const WindowKind &kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setObjectName(QString::fromUtf8(kind.frameClass.data(), qsizetype(kind.frameClass.size())));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = createView(kind, this);
    m_view->setObjectName(QString::fromUtf8(kind.viewClass.data(), qsizetype(kind.viewClass.size())));
    layout->addWidget(m_view);
    setFocusProxy(m_view);
}

ChildView *ChildFrame::view() const
{
    return dynamic_cast<ChildView *>(m_view);
}
