#include "app/ui/CStaticLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

const QColor CStaticLink::kUnvisited(0, 0, 255);
const QColor CStaticLink::kVisited(128, 0, 128);

namespace {

bool openWithDesktop(const QString &target)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

CStaticLink::Opener g_opener = openWithDesktop;

} // namespace

CStaticLink::CStaticLink(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setFocusPolicy(Qt::NoFocus);
    applyColour();
}

void CStaticLink::setOpener(Opener opener)
{
    g_opener = opener ? opener : openWithDesktop;
}

void CStaticLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
    QLabel::mouseReleaseEvent(event);
}

void CStaticLink::follow()
{
    if (m_target.isEmpty())
        m_target = text();
    if (!g_opener(m_target)) {
        QApplication::beep();
        return;
    }
    m_visited = true;
    applyColour();
}

void CStaticLink::applyColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, currentColour());
    setPalette(colours);
}
