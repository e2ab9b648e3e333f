#pragma once
#include "app/FunctionRegistry.h"

#include <QWidget>

class ChildView;

// A sheet of the main window's workbook: one window of a function (or the start window), always
// maximised, holding its view as its only pane.
class ChildFrame : public QWidget
{
    Q_OBJECT
public:
    // Takes the view (a widget deriving from ChildView) as its only pane.
    ChildFrame(const WindowKind &kind, QWidget *view, QWidget *parent = nullptr);

    const WindowKind &kind() const { return m_kind; }
    QWidget *viewWidget() const { return m_view; }
    ChildView *view() const;
    // Frames of the default child-frame style have caption buttons, so their tab can close them.
    bool closable() const { return m_kind.captionButtons; }

    // The window's own title (empty for the windows of the functions).
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // The label of its tab: the tab set's label for a window of the open function, else empty.
    QString tabLabel() const { return m_tabLabel; }
    void setTabLabel(const QString &label) { m_tabLabel = label; }

private:
    WindowKind m_kind;
    QWidget *m_view;
    QString m_title;
    QString m_tabLabel;
};
