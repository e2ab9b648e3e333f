#pragma once
// A link of the command chain: active view, its frame, the main window, the application.
// The first link that answers a command runs it; a command that no link answers is disabled.

class CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    virtual bool answersCommand(int command) const = 0;
    virtual void runCommand(int command) = 0;
};
