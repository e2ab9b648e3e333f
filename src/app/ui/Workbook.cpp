#include "app/ui/Workbook.h"

#include "shell/ui/ChildFrame.h"
#include "shell/ui/ChildView.h"

#include <QApplication>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

void WorkbookTabBar::setClientWidth(int width)
{
    if (width == m_clientWidth)
        return;
    m_clientWidth = width;
    updateGeometry();
    adjustSize();
}

int WorkbookTabBar::tabWidth() const
{
    const int sheets = std::max(1, count());
    return std::min(kMaxTabWidth, (m_clientWidth + 5) / sheets);
}

QSize WorkbookTabBar::tabSizeHint(int index) const
{
    const QSize natural = QTabBar::tabSizeHint(index);
    const int share = (m_clientWidth + 5) / std::max(1, count());
    return {std::min(std::max(tabWidth(), natural.width()), std::max(tabWidth(), share)), natural.height()};
}

Workbook::Workbook(QWidget *parent)
    : QWidget(parent), m_stack(new QStackedWidget(this)), m_tabs(new WorkbookTabBar(this))
{
    setObjectName(QStringLiteral("workbook"));
    m_tabs->setObjectName(QStringLiteral("workbookTabs"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    m_tabs->setElideMode(Qt::ElideRight);
    m_tabs->setDrawBase(true);
    m_tabs->setTabsClosable(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stack, 1);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, &Workbook::onTabChanged);
    // The keys every tabbed Qt window knows, wherever the focus is in the main window.
    const std::pair<QKeySequence, int> tabKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto &[keys, step] : tabKeys) {
        auto *shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { activateNeighbour(step); });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { rememberFocus(now); });
    connect(m_tabs, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (index >= 0 && index < m_frames.size())
            closeFrame(m_frames.at(index));
    });
}

void Workbook::addFrame(ChildFrame *frame)
{
    m_frames.append(frame);
    m_stack->addWidget(frame);
    const QSignalBlocker blocker(m_tabs);
    const int index = m_tabs->addTab(frame->tabLabel());
    if (!frame->closable()) {
        if (QWidget *button = m_tabs->tabButton(index, QTabBar::RightSide)) {
            m_tabs->setTabButton(index, QTabBar::RightSide, nullptr);
            button->deleteLater();
        }
    }
    updateTabStrip();
    emit frameCountChanged(int(m_frames.size()));
}

void Workbook::activateFrame(ChildFrame *frame)
{
    const int index = int(m_frames.indexOf(frame));
    if (index < 0)
        return;
    if (m_tabs->currentIndex() == index && m_stack->currentWidget() == frame) {
        onTabChanged(index);
        return;
    }
    m_tabs->setCurrentIndex(index); // onTabChanged brings it forward
    if (m_stack->currentWidget() != frame)
        onTabChanged(index);
}

void Workbook::closeFrame(ChildFrame *frame)
{
    if (!m_frames.contains(frame))
        return;
    discard(frame);
    updateTabStrip();
    emit frameCountChanged(int(m_frames.size()));
    if (m_frames.isEmpty())
        emit activeFrameChanged(nullptr);
    else
        onTabChanged(m_tabs->currentIndex());
}

void Workbook::closeAll()
{
    if (m_frames.isEmpty())
        return;
    // The tab strip and the stack would bring each next frame forward as the current one goes.
    {
        const QSignalBlocker tabs(m_tabs);
        const QSignalBlocker stack(m_stack);
        while (!m_frames.isEmpty())
            discard(m_frames.constLast());
    }
    updateTabStrip();
    emit frameCountChanged(0);
    emit activeFrameChanged(nullptr);
}

void Workbook::discard(ChildFrame *frame)
{
    frame->close();
    detach(frame);
    frame->deleteLater();
}

void Workbook::detach(ChildFrame *frame)
{
    const int index = int(m_frames.indexOf(frame));
    m_frames.removeAt(index);
    m_lastFocus.remove(frame);
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->removeTab(index);
    }
    // Hidden before it leaves the stack, so the stack does not show it as a window of its own.
    frame->hide();
    m_stack->removeWidget(frame);
}

SheetSet Workbook::takeAll()
{
    SheetSet set;
    set.active = activeFrame();
    set.tabStripVisible = m_tabStripVisible;
    set.lastFocus = m_lastFocus;
    {
        const QSignalBlocker tabs(m_tabs);
        const QSignalBlocker stack(m_stack);
        while (!m_frames.isEmpty()) {
            ChildFrame *frame = m_frames.constFirst();
            set.frames.append(frame);
            detach(frame);
        }
    }
    updateTabStrip();
    emit frameCountChanged(0);
    emit activeFrameChanged(nullptr);
    return set;
}

void Workbook::restore(const SheetSet &set)
{
    for (const QPointer<ChildFrame> &frame : set.frames) {
        if (!frame)
            continue;
        addFrame(frame);
        m_lastFocus.insert(frame, set.lastFocus.value(frame.data()));
    }
    setTabStripVisible(set.tabStripVisible);
    refreshLabels();
    if (set.active && m_frames.contains(set.active.data()))
        activateFrame(set.active);
    else if (!m_frames.isEmpty())
        activateFrame(m_frames.constFirst());
}

void Workbook::rememberFocus(QWidget *now)
{
    for (ChildFrame *frame : std::as_const(m_frames)) {
        if (now && frame->isAncestorOf(now) && now->isVisibleTo(frame)) {
            m_lastFocus.insert(frame, now);
            return;
        }
    }
}

void Workbook::activateNeighbour(int step)
{
    const int count = int(m_frames.size());
    if (count < 2 || !m_tabStripVisible)
        return;
    const int current = std::max(0, int(m_frames.indexOf(activeFrame())));
    activateFrame(m_frames.at(((current + step) % count + count) % count));
}

void Workbook::reveal(QWidget *widget)
{
    for (ChildFrame *frame : std::as_const(m_frames)) {
        if (frame->isAncestorOf(widget)) {
            activateFrame(frame);
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

ChildFrame *Workbook::activeFrame() const
{
    return qobject_cast<ChildFrame *>(m_stack->currentWidget());
}

void Workbook::setTabStripVisible(bool visible)
{
    m_tabStripVisible = visible;
    m_tabs->setVisible(visible);
}

void Workbook::refreshLabels()
{
    for (int i = 0; i < m_frames.size(); ++i)
        m_tabs->setTabText(i, m_frames.at(i)->tabLabel());
}

void Workbook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateTabStrip();
}

void Workbook::onTabChanged(int index)
{
    if (index < 0 || index >= m_frames.size())
        return;
    ChildFrame *frame = m_frames.at(index);
    m_stack->setCurrentWidget(frame);
    if (ChildView *view = frame->view())
        view->viewActivated();
    // The focus goes back where it was on this tab, as long as that field is still shown.
    const QPointer<QWidget> last = m_lastFocus.value(frame);
    if (last && last->isVisibleTo(frame) && last->isEnabled())
        last->setFocus(Qt::OtherFocusReason);
    else
        frame->setFocus(Qt::OtherFocusReason);
    emit activeFrameChanged(frame);
}

void Workbook::updateTabStrip()
{
    m_tabs->setClientWidth(width());
}
