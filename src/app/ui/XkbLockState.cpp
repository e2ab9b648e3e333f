#include "app/ui/XkbLockState.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

std::optional<LockStates> readXkbLockStates()
{
#if QT_CONFIG(xcb)
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        Display *display = x11->display();
        unsigned int indicators = 0;
        if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) == Success) {
            // The core keyboard's usual indicator order: Caps Lock, Num Lock, Scroll Lock.
            return LockStates{(indicators & 1U) != 0, (indicators & 2U) != 0, (indicators & 4U) != 0};
        }
    }
#endif
    return std::nullopt;
}
