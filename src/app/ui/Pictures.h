#pragma once
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace pictures {

// Renders an SVG of the resources at a size in logical pixels, sharp on high-density screens
// (the device pixel ratio of the widget's screen).
QPixmap render(const QString &resource, QSize size, const QWidget *forWidget = nullptr);
QIcon icon(const QString &resource);

} // namespace pictures
