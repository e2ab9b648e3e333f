#include "app/ui/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

namespace pictures {

QPixmap render(const QString &resource, QSize size, const QWidget *forWidget)
{
    const qreal ratio = forWidget ? forWidget->devicePixelRatioF() : qGuiApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon icon(const QString &resource)
{
    return QIcon(resource);
}

} // namespace pictures
