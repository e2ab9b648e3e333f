#pragma once
#include "app/ui/Pictures.h"

#include <QSplashScreen>

// The splash: the 260 x 261 title picture, centred, on top, captioned "Plecta". It closes after its
// time-out, or at once on a mouse press or a key.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    static constexpr QSize kSize{260, 261};
    static const pictures::Picture &picture();

    SplashScreen(QWidget *owner, int timeoutMs);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
