#include "app/ui/SplashScreen.h"

#include "app/ui/Pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

using pictures::Caption;
constexpr auto kMiddle = Caption::Anchor::Middle;

constexpr Caption kSplashCaptions[] = {
    {{130, 160}, kMiddle, true, 40, 0xfffdf2, 2, u"Plecta"},
    {{130, 190}, kMiddle, false, 12, 0xf0dcb4, 0, u"Redacció administrativa"},
    {{130, 206}, kMiddle, false, 12, 0xf0dcb4, 0, u"i comercial en català"},
};

} // namespace

const pictures::Picture &SplashScreen::picture()
{
    static constexpr pictures::Picture picture{u":/pictures/splash.svg", kSize, kSplashCaptions, true};
    return picture;
}

SplashScreen::SplashScreen(QWidget *owner, int timeoutMs)
    : QSplashScreen(pictures::render(picture(), owner), Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("Plecta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kSize.width()) / 2, area.y() + (area.height() - kSize.height()) / 2);
    }
    QTimer::singleShot(timeoutMs, this, &QWidget::close);
}

void SplashScreen::mousePressEvent(QMouseEvent *)
{
    close();
}

void SplashScreen::keyPressEvent(QKeyEvent *)
{
    close();
}
