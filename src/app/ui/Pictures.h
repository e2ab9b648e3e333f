#pragma once
#include <QIcon>
#include <QPixmap>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <span>

class QWidget;

namespace pictures {

// A line of text drawn over a picture, in the picture's own coordinates. Text is drawn by the
// program rather than kept in the SVG: Qt's SVG renderer fills every glyph as a path, which makes
// a picture with a few lines of text several times slower to draw than the glyph cache does.
struct Caption
{
    enum class Anchor { Start, Middle };

    QPointF baseline;
    Anchor anchor;
    bool serif;
    int pixelSize;
    QRgb colour;
    qreal letterSpacing;
    const char16_t *text;
};

// A picture of the resources: SVG artwork at a size in logical pixels, with its captions.
struct Picture
{
    QStringView resource;
    QSize size;
    std::span<const Caption> captions;
    // Artwork that covers its whole area is drawn without an alpha channel: it is then copied
    // rather than blended when shown, and a splash screen of it needs no translucent window.
    bool opaque = false;
};

// Draws a picture, sharp on high-density screens (the device pixel ratio of the widget's screen).
// A picture asked for earlier with prepare() is taken from there, waiting for it if need be.
QPixmap render(const Picture &picture, const QWidget *forWidget = nullptr);
QPixmap render(const QString &resource, QSize size, const QWidget *forWidget = nullptr);
// An icon drawn once, at each of the sizes (in logical pixels) the program shows it at. Drawn here
// rather than by Qt's SVG icon engine, which would be loaded as a plugin and draw every size again
// for each window.
QIcon icon(const QString &resource, std::initializer_list<int> sides);

// Starts drawing pictures on a thread of their own, in the order given, so that the start-up
// pictures are ready when the windows that show them are built. The thread belongs to the
// application object; the pictures must outlive it; discardPrepared() ends it, and must run
// before the application object goes.
void prepare(std::span<const Picture *const> pictures);
void discardPrepared();

} // namespace pictures
