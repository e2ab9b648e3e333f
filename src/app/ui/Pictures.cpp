#include "app/ui/Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

#include <future>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace pictures {

namespace {

QFont captionFont(const Caption &caption)
{
    QFont font(caption.serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(caption.serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(caption.pixelSize);
    if (caption.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, caption.letterSpacing);
    return font;
}

void drawCaptions(QPainter &painter, std::span<const Caption> captions)
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Caption &caption : captions) {
        const QString text = QString::fromUtf16(caption.text);
        painter.setFont(captionFont(caption));
        painter.setPen(QColor::fromRgb(caption.colour));
        QPointF at = caption.baseline;
        if (caption.anchor == Caption::Anchor::Middle)
            at.rx() -= painter.fontMetrics().horizontalAdvance(text) / 2.0;
        painter.drawText(at, text);
    }
}

// Safe on any thread: it touches only the image, the resources and the fonts.
QImage draw(const Picture &picture, qreal ratio)
{
    QImage image(picture.size * ratio, picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(picture.opaque ? Qt::white : Qt::transparent);
    QSvgRenderer renderer(picture.resource.toString());
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(picture.size)));
    if (!picture.captions.empty()) {
        // Captions are placed in the picture's own units, which the drawn size may scale.
        const QSizeF units = renderer.viewBoxF().size();
        if (!units.isEmpty())
            painter.scale(picture.size.width() / units.width(), picture.size.height() / units.height());
        drawCaptions(painter, picture.captions);
    }
    return image;
}

qreal pixelRatio(const QWidget *forWidget)
{
    return forWidget ? forWidget->devicePixelRatioF() : qGuiApp->devicePixelRatio();
}

const QString kPreparationName = QStringLiteral("picturePreparation");

// The drawing thread and its pictures, a child of the application object that started it.
class Preparation : public QObject
{
public:
    Preparation(std::span<const Picture *const> pictures, qreal ratio, QObject *owner) : QObject(owner), m_ratio(ratio)
    {
        setObjectName(kPreparationName);
        std::vector<std::promise<QImage>> promises(pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i)
            m_entries.push_back({pictures[i], promises[i].get_future(), false});
        m_thread = std::thread(
            [ratio, list = std::vector(pictures.begin(), pictures.end()), promises = std::move(promises)]() mutable {
                for (std::size_t i = 0; i < list.size(); ++i) {
                    // A picture that could not be drawn here is left null, to be drawn when asked for.
                    QImage image;
                    try {
                        image = draw(*list[i], ratio);
                    } catch (...) {
                    }
                    promises[i].set_value(std::move(image));
                }
            });
    }

    ~Preparation() override { m_thread.join(); }

    // The prepared image of a picture, once; null when it was not prepared or was taken.
    QImage take(const Picture &picture, qreal ratio)
    {
        if (ratio != m_ratio)
            return {};
        for (Entry &entry : m_entries) {
            if (entry.picture == &picture && !entry.taken) {
                entry.taken = true;
                return entry.image.get();
            }
        }
        return {};
    }

private:
    struct Entry
    {
        const Picture *picture;
        std::future<QImage> image;
        bool taken;
    };

    qreal m_ratio;
    std::vector<Entry> m_entries;
    std::thread m_thread;
};

Preparation *preparation()
{
    QObject *application = QCoreApplication::instance();
    return application ? dynamic_cast<Preparation *>(
                             application->findChild<QObject *>(kPreparationName, Qt::FindDirectChildrenOnly))
                       : nullptr;
}

} // namespace

QPixmap render(const Picture &picture, const QWidget *forWidget)
{
    const qreal ratio = pixelRatio(forWidget);
    Preparation *prepared = preparation();
    QImage image = prepared ? prepared->take(picture, ratio) : QImage();
    if (image.isNull())
        image = draw(picture, ratio);
    return QPixmap::fromImage(std::move(image));
}

QPixmap render(const QString &resource, QSize size, const QWidget *forWidget)
{
    return QPixmap::fromImage(draw({resource, size, {}}, pixelRatio(forWidget)));
}

QIcon icon(const QString &resource, std::initializer_list<int> sides)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (int side : sides) {
        QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        image.setDevicePixelRatio(ratio);
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

void prepare(std::span<const Picture *const> pictures)
{
    discardPrepared();
    try {
        new Preparation(pictures, qGuiApp->devicePixelRatio(), QCoreApplication::instance());
    } catch (const std::system_error &) {
        // No thread to be had: each picture is drawn when its window asks for it.
    }
}

void discardPrepared()
{
    delete preparation();
}

} // namespace pictures
