#pragma once
#include <QWidget>

class ChildView;

// A sheet of the main window's workbook: one window of a function (or the start window), always
// maximised, holding its view as its only pane.
class ChildFrame : public QWidget
{
    Q_OBJECT
public:
    // Takes the view (a widget deriving from ChildView) as its only pane. A closable frame has
    // the default child-frame style (caption buttons), so its tab can close it.
    ChildFrame(QWidget *view, bool closable, QWidget *parent = nullptr);

    QWidget *viewWidget() const { return m_view; }
    ChildView *view() const;
    bool closable() const { return m_closable; }

    // The window's own title (empty for the windows of the functions).
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // The label of its tab: the tab set's label for a window of the open function, else empty.
    QString tabLabel() const { return m_tabLabel; }
    void setTabLabel(const QString &label) { m_tabLabel = label; }

private:
    QWidget *m_view;
    bool m_closable;
    QString m_title;
    QString m_tabLabel;
};
