#pragma once
#include "app/FunctionRegistry.h"
#include "shell/ui/ChildView.h"
#include "shell/ui/EditCommands.h"

#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

// Every command of the main window as one named action, created once, and the one menu bar
// that carries them. The menus and their items stay when no child window is open; the commands
// that need one are greyed then.
class MainActions : public QObject
{
    Q_OBJECT
public:
    // Builds the actions and the menu bar of `window`; their shortcuts work in that window.
    explicit MainActions(QMainWindow *window);

    // The commands the active view carries out.
    QAction *saveAs = nullptr;
    QAction *print = nullptr;
    QAction *printPreview = nullptr;
    QAction *find = nullptr;
    QAction *nextPane = nullptr;
    QAction *previousPane = nullptr;
    QAction *review = nullptr;
    QAction *saveForm = nullptr;
    // The commands of the focused text widget.
    QAction *undo = nullptr;
    QAction *cut = nullptr;
    QAction *copy = nullptr;
    QAction *paste = nullptr;
    // The main window's own commands.
    QAction *newWindow = nullptr;
    QAction *openForm = nullptr;
    QAction *exit = nullptr;
    QAction *about = nullptr;
    std::array<QAction *, kFunctionCount> functions{};

    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *functionsMenu = nullptr;
    QMenu *helpMenu = nullptr;

    // The action that carries a view or edit command.
    QAction *action(ViewAction command) const;
    QAction *action(EditAction command) const;

    // Enables each action as the active view offers it and as the focused text widget allows.
    void update(ViewActions offered, const EditCommands &edit);

signals:
    void viewActionTriggered(ViewAction command);
    void editActionTriggered(EditAction command);
    void functionTriggered(int position);
    // A menu is about to open: the enabled states should be fresh.
    void menuAboutToShow();

private:
    QAction *makeAction(const QString &text, const QString &name, QMainWindow *window);
    QMenu *makeMenu(const QString &title, QMainWindow *window);
    // "Desa el formulari..." and "Obre un formulari...".
    void makeFormFileActions(QMainWindow *window);
};
