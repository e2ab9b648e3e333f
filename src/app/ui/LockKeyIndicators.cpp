#include "app/ui/LockKeyIndicators.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <optional>

#include "app/ui/XkbLockState.h"

namespace {

QLabel *pane(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(text);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    return label;
}

} // namespace

LockKeyIndicators::LockKeyIndicators(QWidget *parent)
    : QWidget(parent), m_caps(pane(QStringLiteral("CAP"), this)), m_num(pane(QStringLiteral("NUM"), this)),
      m_scroll(pane(QStringLiteral("SCRL"), this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_caps);
    layout->addWidget(m_num);
    layout->addWidget(m_scroll);
    qApp->installEventFilter(this);
    refresh();
}

void LockKeyIndicators::refresh()
{
    const auto states = readXkbLockStates();
    m_known = states.has_value();
    // A pane whose key is off, or whose state the platform does not tell, is drawn greyed.
    m_caps->setEnabled(states && states->caps);
    m_num->setEnabled(states && states->num);
    m_scroll->setEnabled(states && states->scroll);
}

bool LockKeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    // Every key reaches its top-level window first: refresh once per key, there.
    if ((event->type() == QEvent::KeyRelease && watched->isWindowType()) ||
        event->type() == QEvent::ApplicationActivate)
        refresh();
    return QWidget::eventFilter(watched, event);
}
