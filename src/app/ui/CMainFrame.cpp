#include "app/ui/CMainFrame.h"

#include "app/Commands.h"
#include "app/FunctionRegistry.h"
#include "app/Menus.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/CShortcutListDockBar.h"
#include "app/ui/HandbookSearchLauncher.h"
#include "app/ui/LockKeyIndicators.h"
#include "app/ui/ViewFactory.h"
#include "app/ui/Workbook.h"
#include "check/ui/CheckerService.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/ChildView.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/EditCommands.h"
#include "shell/ui/WaitNotice.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <memory>

namespace {

const QString kReady = QStringLiteral("Preparat");

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Refusals of the input gate go to the status bar of the main window they happened in.
void reportToStatusBar(const QString &message)
{
    QWidget *active = QApplication::activeWindow();
    auto *main = qobject_cast<CMainFrame *>(active ? active->window() : nullptr);
    if (!main && active && active->parentWidget())
        main = qobject_cast<CMainFrame *>(active->parentWidget()->window());
    if (!main) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if ((main = qobject_cast<CMainFrame *>(top)))
                break;
        }
    }
    if (main)
        main->statusBar()->showMessage(message, 8000);
}

} // namespace

CMainFrame::CMainFrame() : m_workbook(new Workbook(this)), m_edit(new EditCommands(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Plecta"));
    setCentralWidget(m_workbook);
    connect(m_workbook, &Workbook::activeFrameChanged, this, [this] {
        if (!m_rebuilding)
            updateShell();
    });
    connect(m_workbook, &Workbook::frameCountChanged, this, [this] {
        if (!m_rebuilding)
            updateShell();
    });
    connect(m_edit, &EditCommands::changed, this, [this] {
        if (!m_rebuilding)
            updateActions();
    });

    buildActions();
    buildStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks);
    buildFunctionsBar();
    installHandbookSearch(this);
    CheckerService::instance().setVocabularyOpener(
        [this](int row) { showHandbookHit(this, reflist::HandbookPart::Vocabulary, row); });
    showMenuBar(false);
    m_workbook->setTabStripVisible(true);

    qttext::setStatusReporter(reportToStatusBar);
    updateActions();
}

CMainFrame::~CMainFrame()
{
    // Hiding the window moves the focus; this half-destroyed frame must not hear of it.
    m_rebuilding = true;
    disconnect(m_edit, nullptr, this, nullptr);
    disconnect(m_workbook, nullptr, this, nullptr);
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
                    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
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
    m_messagePane = new QLabel(kReady, bar);
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

bool CMainFrame::ownsCommand(int command) const
{
    return command == cmd::About || command == cmd::Exit || command == cmd::FileNew || command == cmd::FileOpen ||
           functionForCommand(command) != nullptr;
}

bool CMainFrame::commandEnabled(int command) const
{
    if (ownsCommand(command))
        return true;
    if (EditCommands::isEditCommand(command))
        return m_edit->canRun(command);
    ChildFrame *frame = activeFrame();
    ChildView *view = frame ? frame->view() : nullptr;
    return view && view->answersCommand(command);
}

bool CMainFrame::runCommand(int command)
{
    if (!commandEnabled(command))
        return false;
    if (ownsCommand(command))
        runOwnCommand(command);
    else if (EditCommands::isEditCommand(command))
        m_edit->run(command);
    else if (ChildView *view = activeFrame()->view())
        view->runCommand(command);
    updateActions();
    return true;
}

void CMainFrame::runOwnCommand(int command)
{
    if (const FunctionDef *function = functionForCommand(command)) {
        openFunction(function->position);
        return;
    }
    switch (command) {
    case cmd::About: {
        // Modal, but opened without a nested event loop.
        auto *about = new CAboutDlg(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
        break;
    }
    case cmd::Exit: close(); break;
    case cmd::FileNew: openStartWindow(); break;
    case cmd::FileOpen: {
        // The file is never read: its name becomes the title of a new start window.
        const QString path = dialogs::openFileName(this);
        if (!path.isEmpty())
            openStartWindow(QFileInfo(path).fileName());
        break;
    }
    default: break;
    }
}

void CMainFrame::runKey(const QList<int> &commands)
{
    for (int command : commands) {
        if (commandEnabled(command)) {
            runCommand(command);
            return;
        }
    }
}

void CMainFrame::updateActions()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(commandEnabled(it.key()));
    for (QAction *key : std::as_const(m_keyActions)) {
        bool enabled = false;
        for (int command : key->property("commands").value<QList<int>>())
            enabled = enabled || commandEnabled(command);
        key->setEnabled(enabled);
    }
}

void CMainFrame::updateShell()
{
    showMenuBar(!m_workbook->frames().isEmpty());
    updateTitle();
    updateActions();
}

ChildFrame *CMainFrame::createWindow(const WindowKind &kind)
{
    auto *frame = new ChildFrame(kind, createView(kind.view), m_workbook);
    m_workbook->addFrame(frame);
    if (ChildView *view = frame->view())
        view->initialUpdate();
    return frame;
}

void CMainFrame::closeAllChildren()
{
    m_workbook->closeAll();
}

bool CMainFrame::mayDiscardChildren()
{
    bool typed = false;
    for (ChildFrame *frame : m_workbook->frames()) {
        if (ChildView *view = frame->view())
            typed = typed || view->holdsUserInput();
    }
    return !typed || dialogs::confirmDiscard(this, QStringLiteral("Es perdrà el text que heu escrit als formularis. "
                                                                  "Voleu descartar-lo?"));
}

bool CMainFrame::openFunction(int position)
{
    const FunctionDef *function = functionAt(position);
    if (!function || !mayDiscardChildren())
        return false;

    m_rebuilding = true;
    closeAllChildren();
    std::unique_ptr<WaitNotice> notice;
    if (function->waitNotice) {
        notice = std::make_unique<WaitNotice>(this);
        notice->showNow();
    }

    QList<ChildFrame *> opened;
    for (const WindowKind &kind : function->windowKinds()) {
        ChildFrame *frame = createWindow(kind);
        // Windows outside the tab set (a function without tabs) have an empty label.
        const QString label = utf8(function->tabLabels[std::size_t(opened.size())]);
        if (function->showTabs)
            frame->setTabLabel(label);
        // Named for assistive technology as its tab, or as the function when it has none.
        frame->viewWidget()->setAccessibleName(label.isEmpty() ? utf8(function->barText) : label);
        opened.append(frame);
    }
    QList<QWidget *> views;
    for (ChildFrame *frame : std::as_const(opened))
        views.append(frame->viewWidget());
    connectViews(views);
    m_workbook->refreshLabels();
    m_workbook->setTabStripVisible(function->showTabs);
    if (!opened.isEmpty())
        m_workbook->activateFrame(opened.first());
    notice.reset();
    m_rebuilding = false;
    updateShell();
    return true;
}

ChildFrame *CMainFrame::openStartWindow(const QString &title)
{
    ChildFrame *frame = createWindow(kStartWindowKind);
    frame->setTitle(title.isEmpty() ? QStringLiteral("Plecta%1").arg(++m_startWindows) : title);
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
        // Menu prompts go to the message pane; "Preparat" comes back when no item is highlighted.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        m_messagePane->setText(tip.isEmpty() ? kReady : tip.trimmed());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // Nothing is saved, not even the docking layout; what was typed is given up only when the
    // user says so.
    if (!mayDiscardChildren()) {
        event->ignore();
        return;
    }
    m_rebuilding = true;
    closeAllChildren();
    m_rebuilding = false;
    event->accept();
}
