#include "app/ui/SplashScreen.h"

#include "app/ui/Pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

SplashScreen::SplashScreen(QWidget *owner, int timeoutMs)
    : QSplashScreen(pictures::render(QStringLiteral(":/pictures/splash.svg"), kSize, owner),
                    Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("TXO"));
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
