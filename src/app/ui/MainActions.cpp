#include "app/ui/MainActions.h"

#include "text/ui/QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainActions::MainActions(QMainWindow *window) : QObject(window)
{
    saveAs = makeAction(QStringLiteral("&Anomena i desa"), QStringLiteral("saveAs"), window);
    saveAs->setShortcut(QKeySequence::Save);
    print = makeAction(QStringLiteral("&Imprimeix"), QStringLiteral("print"), window);
    print->setShortcut(QKeySequence::Print);
    printPreview = makeAction(QStringLiteral("&Previsualitza la impressió"), QStringLiteral("printPreview"), window);
    exit = makeAction(QStringLiteral("&Surt"), QStringLiteral("exit"), window);
    exit->setStatusTip(QStringLiteral("Surt del programa; abans pregunta si es descarta el text escrit"));

    undo = makeAction(QStringLiteral("&Desfés"), QStringLiteral("undo"), window);
    undo->setShortcuts(QKeySequence::Undo);
    cut = makeAction(QStringLiteral("&Retalla"), QStringLiteral("cut"), window);
    cut->setShortcuts(QKeySequence::Cut);
    copy = makeAction(QStringLiteral("&Copia"), QStringLiteral("copy"), window);
    copy->setShortcuts(QKeySequence::Copy);
    paste = makeAction(QStringLiteral("&Enganxa"), QStringLiteral("paste"), window);
    paste->setShortcuts(QKeySequence::Paste);
    // The menu shows F3, the first of its keys.
    find = makeAction(QStringLiteral("C&ercar"), QStringLiteral("find"), window);
    find->setShortcuts({QKeySequence(Qt::Key_F3), QKeySequence(QKeySequence::Find)});

    review = makeAction(QStringLiteral("Re&visa el text"), QStringLiteral("review"), window);
    review->setShortcut(QKeySequence(Qt::Key_F7));
    nextPane = makeAction(QStringLiteral("Subfinestra següent"), QStringLiteral("nextPane"), window);
    nextPane->setShortcut(QKeySequence(Qt::Key_F6));
    previousPane = makeAction(QStringLiteral("Subfinestra anterior"), QStringLiteral("previousPane"), window);
    previousPane->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    newWindow = makeAction(QStringLiteral("&Nou"), QStringLiteral("newWindow"), window);
    newWindow->setShortcut(QKeySequence::New);
    makeFormFileActions(window);

    about = makeAction(QStringLiteral("&Quant a Plecta"), QStringLiteral("about"), window);
    about->setStatusTip(QStringLiteral("Mostra la informació del programa, la versió i la llicència"));

    for (const FunctionDef &function : functionRegistry()) {
        QAction *item = makeAction(qttext::fromUtf8(function.menuText), qttext::fromUtf8(function.name), window);
        const int position = function.position;
        connect(item, &QAction::triggered, this, [this, position] { emit functionTriggered(position); });
        functions[std::size_t(position)] = item;
    }

    const std::pair<QAction *, ViewAction> viewCommands[] = {
        {saveAs, ViewAction::SaveAs}, {print, ViewAction::Print},       {printPreview, ViewAction::PrintPreview},
        {find, ViewAction::Find},     {nextPane, ViewAction::NextPane}, {previousPane, ViewAction::PreviousPane},
        {review, ViewAction::Review}, {saveForm, ViewAction::SaveForm},
    };
    for (const auto &[item, command] : viewCommands)
        connect(item, &QAction::triggered, this, [this, command] { emit viewActionTriggered(command); });
    const std::pair<QAction *, EditAction> editCommands[] = {
        {undo, EditAction::Undo}, {cut, EditAction::Cut}, {copy, EditAction::Copy}, {paste, EditAction::Paste}};
    for (const auto &[item, command] : editCommands)
        connect(item, &QAction::triggered, this, [this, command] { emit editActionTriggered(command); });

    fileMenu = makeMenu(QStringLiteral("&Fitxer"), window);
    fileMenu->addActions({openForm, saveForm});
    fileMenu->addSeparator();
    fileMenu->addActions({saveAs, print, printPreview, exit});
    editMenu = makeMenu(QStringLiteral("&Editar"), window);
    editMenu->addAction(undo);
    editMenu->addSeparator();
    editMenu->addActions({cut, copy, paste});
    editMenu->addSeparator();
    editMenu->addActions({find, review});
    functionsMenu = makeMenu(QStringLiteral("F&uncions"), window);
    for (QAction *item : functions)
        functionsMenu->addAction(item);
    helpMenu = makeMenu(QStringLiteral("&Ajuda"), window);
    helpMenu->addAction(about);
}

QAction *MainActions::makeAction(const QString &text, const QString &name, QMainWindow *window)
{
    auto *action = new QAction(text, window);
    action->setObjectName(name + QStringLiteral("Action"));
    // A single space keeps the message pane empty while the item is highlighted.
    action->setStatusTip(QStringLiteral(" "));
    action->setShortcutContext(Qt::WindowShortcut);
    // Added to the window as well, so that the keys work whether or not a menu shows the item.
    window->addAction(action);
    return action;
}

void MainActions::makeFormFileActions(QMainWindow *window)
{
    openForm = makeAction(QStringLiteral("&Obre un formulari..."), QStringLiteral("openForm"), window);
    openForm->setShortcut(QKeySequence::Open);
    openForm->setStatusTip(QStringLiteral("Obre un formulari desat amb les dades tal com es van desar"));
    // Ctrl+S is "Anomena i desa" and Ctrl+Shift+S the standard Save As; Ctrl+Alt+S is in neither
    // Qt's key table for KDE and GNOME nor their desktops' own shortcuts.
    saveForm = makeAction(QStringLiteral("&Desa el formulari..."), QStringLiteral("saveForm"), window);
    saveForm->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    saveForm->setStatusTip(QStringLiteral("Desa les dades del formulari en un fitxer per a reprendre'l més endavant"));
}

QMenu *MainActions::makeMenu(const QString &title, QMainWindow *window)
{
    QMenu *menu = window->menuBar()->addMenu(title);
    connect(menu, &QMenu::aboutToShow, this, &MainActions::menuAboutToShow);
    return menu;
}

QAction *MainActions::action(ViewAction command) const
{
    switch (command) {
    case ViewAction::SaveAs: return saveAs;
    case ViewAction::Print: return print;
    case ViewAction::PrintPreview: return printPreview;
    case ViewAction::Find: return find;
    case ViewAction::NextPane: return nextPane;
    case ViewAction::PreviousPane: return previousPane;
    case ViewAction::Review: return review;
    case ViewAction::SaveForm: return saveForm;
    }
    return nullptr;
}

QAction *MainActions::action(EditAction command) const
{
    switch (command) {
    case EditAction::Undo: return undo;
    case EditAction::Cut: return cut;
    case EditAction::Copy: return copy;
    case EditAction::Paste: return paste;
    }
    return nullptr;
}

void MainActions::update(ViewActions offered, const EditCommands &edit)
{
    // The menus keep their items when the last window closes; what has nothing to act on greys.
    for (ViewAction command :
         {ViewAction::SaveAs, ViewAction::Print, ViewAction::PrintPreview, ViewAction::Find, ViewAction::NextPane,
          ViewAction::PreviousPane, ViewAction::Review, ViewAction::SaveForm})
        action(command)->setEnabled(offered.testFlag(command));
    for (EditAction command : {EditAction::Undo, EditAction::Cut, EditAction::Copy, EditAction::Paste})
        action(command)->setEnabled(edit.canRun(command));
}
