#pragma once
#include <QFlags>

// The commands a view carries out for the main window's menus and keys while it is the active
// view. The main window shows and enables its actions for them as the active view offers them.
enum class ViewAction : unsigned {
    SaveAs = 1u << 0,       // "Anomena i desa" (Ctrl+S)
    Print = 1u << 1,        // "Imprimeix" (Ctrl+P)
    PrintPreview = 1u << 2, // "Previsualitza la impressió"
    Find = 1u << 3,         // "Cercar" (F3, Ctrl+F)
    NextPane = 1u << 4,     // F6
    PreviousPane = 1u << 5, // Shift+F6
    Review = 1u << 6,       // "Revisa el text" (F7)
};
Q_DECLARE_FLAGS(ViewActions, ViewAction)
Q_DECLARE_OPERATORS_FOR_FLAGS(ViewActions)

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

    // The commands this view carries out now; the main window enables their actions from it and
    // calls perform() with one of them only.
    virtual ViewActions offeredActions() const { return {}; }
    virtual void perform(ViewAction) {}

    // Whether closing the view would throw away something the user typed or chose.
    virtual bool holdsUserInput() const { return false; }
};
