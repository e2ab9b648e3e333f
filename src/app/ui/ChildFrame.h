#pragma once
#include "app/FunctionRegistry.h"
#include "app/ui/CommandTarget.h"

#include <QWidget>

class ChildView;

// A sheet of the main window's workbook: one window of a function (or the start window), always
// maximised, holding its view as its only pane. The frame class name of its window kind is its
// objectName ("CTCChildFrame", "CPVFrame", ...).
class ChildFrame : public QWidget, public CommandTarget
{
    Q_OBJECT
public:
    ChildFrame(const WindowKind &kind, QWidget *parent = nullptr);

    const WindowKind &kind() const { return m_kind; }
    QWidget *viewWidget() const { return m_view; }
    ChildView *view() const;
    // Frames of the default child-frame style have caption buttons, so their tab can close them.
    bool closable() const { return m_kind.captionButtons; }

    // The window's own title (empty for the windows of the functions).
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

    bool answersCommand(int) const override { return false; }
    void runCommand(int) override {}

private:
    WindowKind m_kind;
    QWidget *m_view = nullptr;
    QString m_title;
};
