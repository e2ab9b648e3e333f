#pragma once

// What every view of a child window can do besides being a widget. A view derives from its
// widget class and from ChildView; the main window calls these hooks.
class ChildView
{
public:
    virtual ~ChildView() = default;

    // Runs once, after the view and its frame exist and before the window is first shown.
    virtual void initialUpdate() {}
    // The view has become the active view (its window was brought forward by the user or by the
    // opening of its function). Never called for a window that is being closed.
    virtual void viewActivated() {}

    // The menu and key commands this view carries out while it is the active one. The main
    // window enables a command's action when the active view answers it.
    virtual bool answersCommand(int) const { return false; }
    virtual void runCommand(int) {}

    // Whether closing the view would throw away something the user typed or chose.
    virtual bool holdsUserInput() const { return false; }
};
