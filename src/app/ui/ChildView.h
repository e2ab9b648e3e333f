#pragma once
#include "app/ui/CommandTarget.h"

// What every view of a child window can do besides being a widget. A view derives from its
// widget class and from ChildView; the shell calls these hooks.
class ChildView : public CommandTarget
{
public:
    // Runs once, after the view and its frame exist and before the window is first shown.
    virtual void initialUpdate() {}
    // The view has become the active view (its window was brought forward).
    virtual void viewActivated() {}
    // The view has received the keyboard focus (the vocabulary's deferred fill counts these).
    virtual void viewFocused() {}

    bool answersCommand(int) const override { return false; }
    void runCommand(int) override {}
};
