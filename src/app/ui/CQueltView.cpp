#include "app/ui/CQueltView.h"

#include "app/ui/Pictures.h"

#include <QPainter>

CQueltView::CQueltView(QWidget *parent)
    : QWidget(parent), m_picture(pictures::render(QStringLiteral(":/pictures/start.svg"), kPictureSize, this))
{
    setObjectName(QStringLiteral("startView"));
}

void CQueltView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
