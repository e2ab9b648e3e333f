#include "app/ui/MainWindow.h"

#include "app/FunctionRegistry.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/FormFileCommands.h"
#include "app/ui/FunctionsBar.h"
#include "app/ui/HandbookSearchLauncher.h"
#include "app/ui/LockKeyIndicators.h"
#include "app/ui/MainActions.h"
#include "app/ui/ViewFactory.h"
#include "app/ui/Workbook.h"
#include "check/ui/CheckerService.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/ChildView.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/EditCommands.h"
#include "text/ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <algorithm>

namespace {

const QString kReady = QStringLiteral("Preparat");

} // namespace

MainWindow::MainWindow() : m_workbook(new Workbook(this)), m_edit(new EditCommands(this))
{
    setObjectName(QStringLiteral("mainWindow"));
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

    m_actions = new MainActions(this);
    connect(m_actions, &MainActions::menuAboutToShow, this, &MainWindow::updateActions);
    connect(m_actions, &MainActions::viewActionTriggered, this, &MainWindow::performViewAction);
    connect(m_actions, &MainActions::editActionTriggered, this, [this](EditAction command) {
        m_edit->run(command);
        updateActions();
    });
    connect(m_actions, &MainActions::functionTriggered, this, &MainWindow::openFunction);
    connect(m_actions->newWindow, &QAction::triggered, this, [this] { openStartWindow(); });
    connect(m_actions->exit, &QAction::triggered, this, &QWidget::close);
    connect(m_actions->about, &QAction::triggered, this, &MainWindow::openAbout);
    buildStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks);
    buildFunctionsBar();
    m_handbookSearch = new HandbookSearchLauncher(this, m_workbook, m_functionsBar,
                                                  [this](int position) { return openFunction(position); });
    buildFormFiles();
    connect(&CheckerService::instance(), &CheckerService::statusMessage, this,
            [this](const QString &message) { statusBar()->showMessage(message, 8000); });
    CheckerService::instance().setVocabularyOpener(
        [this](int row) { m_handbookSearch->showHit(reflist::HandbookPart::Vocabulary, row); });
    m_workbook->setTabStripVisible(true);
    // The size it has when it is not maximised (without a window manager that maximises it).
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 2 / 3);

    updateActions();
}

MainWindow::~MainWindow()
{
    // Hiding the window moves the focus; this half-destroyed frame must not hear of it.
    m_rebuilding = true;
    disconnect(m_edit, nullptr, this, nullptr);
    disconnect(m_workbook, nullptr, this, nullptr);
}

void MainWindow::buildStatusBar()
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

void MainWindow::buildFunctionsBar()
{
    m_functionsBar = new FunctionsBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_functionsBar, Qt::Vertical);
    resizeDocks({m_functionsBar}, {kFunctionsBarWidth}, Qt::Horizontal);
    connect(m_functionsBar, &FunctionsBar::itemClicked, this, &MainWindow::openFunction);
}

ChildFrame *MainWindow::activeFrame() const
{
    return m_workbook->activeFrame();
}

QWidget *MainWindow::activeView() const
{
    ChildFrame *frame = activeFrame();
    return frame ? frame->viewWidget() : nullptr;
}

void MainWindow::activateTab(int index)
{
    const auto frames = m_workbook->frames();
    if (index >= 0 && index < frames.size())
        m_workbook->activateFrame(frames.at(index));
}

void MainWindow::performViewAction(ViewAction command)
{
    ChildFrame *frame = activeFrame();
    ChildView *view = frame ? frame->view() : nullptr;
    if (view && view->offeredActions().testFlag(command)) {
        if (command == ViewAction::SaveForm)
            m_formFiles->saveForm(m_formFiles->activeForm());
        else
            view->perform(command);
    }
    updateActions();
}

void MainWindow::openAbout()
{
    // Modal, but opened without a nested event loop.
    auto *about = new AboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void MainWindow::buildFormFiles()
{
    m_formFiles = new FormFileCommands(this, m_workbook, [this](int position) { return openFunction(position); });
    connect(m_actions->openForm, &QAction::triggered, m_formFiles, &FormFileCommands::openForm);
    connect(m_formFiles, &FormFileCommands::fileStateChanged, this, &MainWindow::updateTitle);
}

void MainWindow::updateActions()
{
    ChildFrame *frame = activeFrame();
    ChildView *view = frame ? frame->view() : nullptr;
    m_actions->update(view ? view->offeredActions() : ViewActions{}, *m_edit);
}

void MainWindow::updateShell()
{
    updateTitle();
    updateActions();
}

ChildFrame *MainWindow::createWindow(const WindowKind &kind)
{
    auto *frame = new ChildFrame(createView(kind.view), kind.captionButtons, m_workbook);
    m_workbook->addFrame(frame);
    if (ChildView *view = frame->view())
        view->initialUpdate();
    return frame;
}

void MainWindow::closeAllChildren()
{
    m_workbook->closeAll();
    for (const SheetSet &set : std::as_const(m_putAside)) {
        for (const QPointer<ChildFrame> &frame : set.frames)
            delete frame.data();
    }
    m_putAside.clear();
    m_openFunction = -1;
}

bool MainWindow::switchToFunction(int position)
{
    // The open function comes forward as it is; another one is put aside, with what was typed in
    // it, and the one asked for comes back as it was left. A function one of whose windows was
    // closed by its tab opens afresh instead: only windows that hold nothing typed can be closed.
    const qsizetype windows = qsizetype(functionAt(position)->windowCount);
    if (position == m_openFunction && !m_workbook->frames().isEmpty()) {
        if (m_workbook->frames().size() < windows)
            return false;
        if (m_workbook->activeFrame())
            m_workbook->activateFrame(m_workbook->activeFrame());
        return true;
    }
    m_rebuilding = true;
    if (m_openFunction >= 0 && !m_workbook->frames().isEmpty())
        m_putAside.insert(m_openFunction, m_workbook->takeAll());
    else
        m_workbook->closeAll(); // start windows only: they hold nothing
    bool found = false;
    if (const auto kept = m_putAside.find(position); kept != m_putAside.end()) {
        const SheetSet set = *kept;
        m_putAside.erase(kept);
        const auto alive = std::count_if(set.frames.begin(), set.frames.end(),
                                         [](const QPointer<ChildFrame> &frame) { return !frame.isNull(); });
        found = alive >= windows;
        if (found) {
            m_openFunction = position;
            m_workbook->restore(set);
        } else {
            for (const QPointer<ChildFrame> &frame : set.frames)
                delete frame.data();
        }
    }
    m_rebuilding = false;
    if (found)
        updateShell();
    return found;
}

bool MainWindow::mayDiscardChildren()
{
    // Every window, those of the functions put aside too.
    QList<ChildFrame *> frames = m_workbook->frames();
    for (const SheetSet &set : std::as_const(m_putAside)) {
        for (const QPointer<ChildFrame> &frame : set.frames) {
            if (frame)
                frames.append(frame);
        }
    }
    // Asked again after a form is saved, as long as another one holds something typed.
    for (;;) {
        bool typed = false;
        for (ChildFrame *frame : std::as_const(frames)) {
            if (ChildView *view = frame->view())
                typed = typed || view->holdsUserInput();
        }
        if (!typed)
            return true;
        FormView *unsaved = m_formFiles->unsavedForm(frames);
        switch (dialogs::askDiscard(this,
                                    QStringLiteral("Es perdrà el text que heu escrit als formularis. "
                                                   "Voleu descartar-lo?"),
                                    unsaved != nullptr)) {
        case dialogs::DiscardAnswer::Discard: return true;
        case dialogs::DiscardAnswer::Cancel: return false;
        case dialogs::DiscardAnswer::SaveForm:
            if (!m_formFiles->saveForm(unsaved))
                return false;
            break;
        }
    }
}

bool MainWindow::openFunction(int position)
{
    const FunctionDef *function = functionAt(position);
    if (!function)
        return false;
    if (switchToFunction(position))
        return true;

    m_rebuilding = true;
    m_workbook->closeAll();
    m_openFunction = position;
    QList<ChildFrame *> opened;
    for (const WindowKind &kind : function->windowKinds()) {
        ChildFrame *frame = createWindow(kind);
        // Windows outside the tab set (a function without tabs) have an empty label.
        const QString label = qttext::fromUtf8(function->tabLabels[std::size_t(opened.size())]);
        if (function->showTabs)
            frame->setTabLabel(label);
        // Named for assistive technology as its tab, or as the function when it has none.
        frame->viewWidget()->setAccessibleName(label.isEmpty() ? qttext::fromUtf8(function->barText) : label);
        opened.append(frame);
    }
    QList<QWidget *> views;
    for (ChildFrame *frame : std::as_const(opened))
        views.append(frame->viewWidget());
    connectViews(views, m_workbook);
    m_workbook->refreshLabels();
    m_workbook->setTabStripVisible(function->showTabs);
    if (!opened.isEmpty())
        m_workbook->activateFrame(opened.first());
    m_rebuilding = false;
    updateShell();
    return true;
}

ChildFrame *MainWindow::openStartWindow(const QString &title)
{
    ChildFrame *frame = createWindow(kStartWindowKind);
    frame->setTitle(title.isEmpty() ? QStringLiteral("Plecta%1").arg(++m_startWindows) : title);
    m_workbook->refreshLabels();
    m_workbook->activateFrame(frame);
    updateTitle();
    return frame;
}

void MainWindow::updateTitle()
{
    // As with a maximised child window: the active window's own title follows the main title.
    ChildFrame *frame = activeFrame();
    const QString child = frame ? frame->title() : QString();
    QString title = child.isEmpty() ? QStringLiteral("Plecta") : QStringLiteral("Plecta - [%1]").arg(child);
    // The file of the form last saved or opened, marked while it differs from the file.
    if (const QString file = m_formFiles->fileName(); !file.isEmpty())
        title += QStringLiteral(" - %1[*]").arg(file);
    setWindowTitle(title);
    setWindowModified(m_formFiles->isModified());
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == qttext::StatusMessageEvent::eventType()) {
        // A refusal of the input gate, from a field of this window or of one of its dialogs.
        statusBar()->showMessage(static_cast<qttext::StatusMessageEvent *>(event)->message(), 8000);
        event->accept();
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        // Menu prompts go to the message pane; "Preparat" comes back when no item is highlighted.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        m_messagePane->setText(tip.isEmpty() ? kReady : tip.trimmed());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
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
