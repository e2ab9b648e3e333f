#include "app/ui/CMainFrame.h"

#include "app/Commands.h"
#include "app/FunctionRegistry.h"
#include "app/Menus.h"
#include "app/ui/CQueltApp.h"
#include "app/ui/CShortcutListDockBar.h"
#include "app/ui/ChildFrame.h"
#include "app/ui/ChildView.h"
#include "app/ui/HandbookSearchLauncher.h"
#include "app/ui/LockKeyIndicators.h"
#include "app/ui/WaitNotice.h"
#include "app/ui/Workbook.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <memory>

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

CMainFrame *g_statusOwner = nullptr;

void reportToStatusBar(const QString &message)
{
    if (g_statusOwner)
        g_statusOwner->statusBar()->showMessage(message, 8000);
}

} // namespace

CMainFrame::CMainFrame(CommandTarget *application) : m_application(application), m_workbook(new Workbook(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Plecta"));
    setCentralWidget(m_workbook);
    m_workbook->setLabelProvider([](const ChildFrame *frame) {
        CQueltApp *app = CQueltApp::instance();
        return app ? app->tabLabel(frame) : QString();
    });
    connect(m_workbook, &Workbook::activeFrameChanged, this, [this] {
        updateTitle();
        updateActions();
    });
    connect(m_workbook, &Workbook::frameCountChanged, this, [this](int count) {
        showMenuBar(count > 0);
        updateActions();
    });
    connect(qApp, &QApplication::focusChanged, this, [this] { updateActions(); });

    buildActions();
    buildStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks);
    buildFunctionsBar();
    installHandbookSearch(this);
    showMenuBar(false);
    m_workbook->setTabStripVisible(true);

    // The saved layout of the docking bars, if someone put one there; the program never writes it.
    const QSettings profile;
    const QByteArray state = profile.value(QStringLiteral("QueltBarState")).toByteArray();
    if (!state.isEmpty())
        restoreState(state);

    g_statusOwner = this;
    qttext::setStatusReporter(reportToStatusBar);
    updateActions();
}

CMainFrame::~CMainFrame()
{
    // Hiding the window below moves the focus; this half-destroyed frame must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_workbook, nullptr, this, nullptr);
    if (g_statusOwner == this) {
        g_statusOwner = nullptr;
        qttext::setStatusReporter(nullptr);
    }
}

void CMainFrame::buildActions()
{
    const auto makeMenus = [this](std::span<const Menu> bar, QList<QMenu *> &menus) {
        for (const Menu &menu : bar) {
            auto *qmenu = new QMenu(utf8(menu.title), this);
            connect(qmenu, &QMenu::aboutToShow, this, &CMainFrame::updateActions);
            for (const MenuItem &item : menu.items) {
                if (item.text.empty()) {
                    qmenu->addSeparator();
                    continue;
                }
                QAction *&action = m_actions[item.command];
                if (!action) {
                    action = new QAction(utf8(item.text), this);
                    action->setObjectName(QStringLiteral("cmd%1").arg(item.command));
                    action->setProperty("command", item.command);
                    const std::string_view prompt = menuPrompt(item.command);
                    // A single space keeps the message pane empty while the item is highlighted.
                    action->setStatusTip(prompt.empty() ? QStringLiteral(" ") : utf8(prompt));
                    const int command = item.command;
                    connect(action, &QAction::triggered, this, [this, command] { routeCommand(command); });
                }
                qmenu->addAction(action);
            }
            menus.append(qmenu);
        }
    };
    makeMenus(menuBar128(), m_menus128);
    makeMenus(menuBar129(), m_menus129);

    // One key action per key sequence, carrying its commands in binding order.
    QHash<QString, QList<int>> commandsByKeys;
    QStringList order;
    const auto collect = [&](std::span<const KeyBinding> bindings) {
        for (const KeyBinding &binding : bindings) {
            const QString keys = QKeySequence(utf8(binding.keys)).toString(QKeySequence::PortableText);
            if (!commandsByKeys.contains(keys))
                order.append(keys);
            commandsByKeys[keys].append(binding.command);
        }
    };
    collect(keyTable());
    collect(extraKeys());
    for (const QString &keys : std::as_const(order)) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("key ") + keys);
        action->setShortcut(QKeySequence(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        const QList<int> commands = commandsByKeys.value(keys);
        action->setProperty("commands", QVariant::fromValue(commands));
        connect(action, &QAction::triggered, this, [this, commands] { runKey(commands); });
        addAction(action);
        m_keyActions.append(action);
    }
}

void CMainFrame::buildStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    m_messagePane = new QLabel(QStringLiteral("Ready"), bar);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_messagePane, 1);
    m_locks = new LockKeyIndicators(bar);
    bar->addPermanentWidget(m_locks);
    setStatusBar(bar);
}

void CMainFrame::buildFunctionsBar()
{
    m_functionsBar = new CShortcutListDockBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_functionsBar, Qt::Vertical);
    resizeDocks({m_functionsBar}, {kFunctionsBarWidth}, Qt::Horizontal);
    connect(m_functionsBar, &CShortcutListDockBar::itemClicked, this, &CMainFrame::openFunction);
}

void CMainFrame::showMenuBar(bool with129)
{
    if (m_showing129 == with129 && !menuBar()->actions().isEmpty())
        return;
    m_showing129 = with129;
    menuBar()->clear();
    for (QMenu *menu : with129 ? m_menus129 : m_menus128)
        menuBar()->addMenu(menu);
}

QAction *CMainFrame::action(int command) const
{
    QAction *found = m_actions.value(command);
    if (!found)
        return nullptr;
    for (QMenu *menu : m_showing129 ? m_menus129 : m_menus128) {
        if (menu->actions().contains(found))
            return found;
    }
    return nullptr;
}

QAction *CMainFrame::keyAction(const QString &keys) const
{
    const QString wanted = QKeySequence(keys).toString(QKeySequence::PortableText);
    for (QAction *key : m_keyActions) {
        if (key->shortcut().toString(QKeySequence::PortableText) == wanted)
            return key;
    }
    return nullptr;
}

ChildFrame *CMainFrame::activeFrame() const
{
    return m_workbook->activeFrame();
}

QWidget *CMainFrame::activeView() const
{
    ChildFrame *frame = activeFrame();
    return frame ? frame->viewWidget() : nullptr;
}

void CMainFrame::activateTab(int index)
{
    const auto frames = m_workbook->frames();
    if (index >= 0 && index < frames.size())
        m_workbook->activateFrame(frames.at(index));
}

QList<CommandTarget *> CMainFrame::commandChain() const
{
    QList<CommandTarget *> chain;
    if (ChildFrame *frame = activeFrame()) {
        if (ChildView *view = frame->view())
            chain.append(view);
        chain.append(frame);
    }
    chain.append(const_cast<CMainFrame *>(this));
    if (m_application)
        chain.append(m_application);
    return chain;
}

bool CMainFrame::isAnswered(int command) const
{
    for (CommandTarget *target : commandChain()) {
        if (target->answersCommand(command))
            return true;
    }
    return false;
}

bool CMainFrame::routeCommand(int command)
{
    for (CommandTarget *target : commandChain()) {
        if (target->answersCommand(command)) {
            target->runCommand(command);
            updateActions();
            return true;
        }
    }
    return false;
}

void CMainFrame::runKey(const QList<int> &commands)
{
    for (int command : commands) {
        if (isAnswered(command)) {
            routeCommand(command);
            return;
        }
    }
}

void CMainFrame::updateActions()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(isAnswered(it.key()));
    for (QAction *key : std::as_const(m_keyActions)) {
        bool answered = false;
        for (int command : key->property("commands").value<QList<int>>())
            answered = answered || isAnswered(command);
        key->setEnabled(answered);
    }
}

bool CMainFrame::answersCommand(int command) const
{
    return command == cmd::EditCopy || command == cmd::EditCut || functionForCommand(command) != nullptr;
}

void CMainFrame::runCommand(int command)
{
    // Copy and cut stay enabled everywhere and do nothing unless the active view takes them.
    if (const FunctionDef *function = functionForCommand(command))
        openFunction(function->position);
}

ChildFrame *CMainFrame::createWindow(const WindowKind &kind)
{
    auto *frame = new ChildFrame(kind, m_workbook);
    m_workbook->addFrame(frame);
    if (ChildView *view = frame->view()) {
        view->initialUpdate();
        view->viewFocused();
    }
    return frame;
}

void CMainFrame::closeAllChildren()
{
    for (ChildFrame *frame : m_workbook->frames())
        m_workbook->closeFrame(frame);
}

void CMainFrame::openFunction(int position)
{
    const FunctionDef *function = functionAt(position);
    if (!function)
        return;
    CQueltApp *app = CQueltApp::instance();
    closeAllChildren();
    if (app)
        app->clearTabWindows();

    std::unique_ptr<WaitNotice> notice;
    if (function->waitNotice) {
        notice = std::make_unique<WaitNotice>(this);
        notice->showNow();
    }

    QList<ChildFrame *> opened;
    for (const WindowKind &kind : function->windowKinds())
        opened.append(createWindow(kind));

    if (app) {
        for (int slot = 0; slot < 3; ++slot) {
            ChildFrame *window = function->showTabs && slot < opened.size() ? opened.at(slot) : nullptr;
            app->setTabSlot(slot, window, utf8(function->tabLabels[std::size_t(slot)]));
        }
    }
    m_workbook->refreshLabels();
    if (!opened.isEmpty())
        m_workbook->activateFrame(opened.first());
    m_workbook->setTabStripVisible(function->showTabs);
    updateActions();
}

ChildFrame *CMainFrame::openStartWindow(const QString &title)
{
    ChildFrame *frame = createWindow(kStartWindowKind);
    frame->setTitle(title.isEmpty() ? QStringLiteral("Quelt%1").arg(++m_startWindows) : title);
    m_workbook->refreshLabels();
    m_workbook->activateFrame(frame);
    updateTitle();
    return frame;
}

void CMainFrame::updateTitle()
{
    // As with a maximised child window: the active window's own title follows the main title.
    ChildFrame *frame = activeFrame();
    const QString child = frame ? frame->title() : QString();
    const QString title = child.isEmpty() ? QStringLiteral("Plecta") : QStringLiteral("Plecta - [%1]").arg(child);
    setWindowTitle(title);
}

bool CMainFrame::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        // Menu prompts go to the message pane; "Ready" comes back when no item is highlighted.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        m_messagePane->setText(tip.isEmpty() ? QStringLiteral("Ready") : tip.trimmed());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // Nothing is asked and nothing is saved, not even the docking layout.
    closeAllChildren();
    event->accept();
}
