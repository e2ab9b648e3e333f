#include "app/ui/LinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>

namespace {

bool openWithDesktop(const QString &target)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(parent), m_text(text), m_opener(openWithDesktop)
{
    setTextFormat(Qt::RichText);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
    connect(this, &QLabel::linkActivated, this, &LinkLabel::follow);
    render();
}

void LinkLabel::setTarget(const QString &target)
{
    m_target = target;
    setToolTip(target);
    render();
}

void LinkLabel::setOpener(Opener opener)
{
    m_opener = opener ? std::move(opener) : Opener(openWithDesktop);
}

QColor LinkLabel::currentColour() const
{
    return palette().color(m_visited ? QPalette::LinkVisited : QPalette::Link);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    // Reached with Tab, the link follows on Enter or Space, like a button.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        follow();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::follow()
{
    const QString target = m_target.isEmpty() ? m_text : m_target;
    if (!m_opener(target)) {
        QApplication::beep();
        return;
    }
    m_visited = true;
    render();
}

void LinkLabel::render()
{
    const QString href = (m_target.isEmpty() ? m_text : m_target).toHtmlEscaped();
    setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                .arg(href, currentColour().name(), m_text.toHtmlEscaped()));
}
