#pragma once
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTabBar>
#include <QWidget>

class ChildFrame;
class QStackedWidget;

// The tab strip of the workbook: every tab is 130 pixels wide, or as wide as its label needs to be
// shown whole, within its share of the client width, (client width + 5) / number of sheets.
class WorkbookTabBar : public QTabBar
{
    Q_OBJECT
public:
    static constexpr int kMaxTabWidth = 130;
    using QTabBar::QTabBar;
    void setClientWidth(int width);
    int tabWidth() const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_clientWidth = 0;
};

// The frames of a function put aside while another one is open, as they were left: the tab
// that was in front and the field that had the focus, caret and all.
struct SheetSet
{
    QList<QPointer<ChildFrame>> frames;
    QPointer<ChildFrame> active;
    QHash<ChildFrame *, QPointer<QWidget>> lastFocus;
    bool tabStripVisible = true;
};

// The client area of the main window: child frames, all maximised, one tab each along the
// bottom, labelled with the frame's tab label.
class Workbook : public QWidget
{
    Q_OBJECT
public:
    explicit Workbook(QWidget *parent = nullptr);

    void addFrame(ChildFrame *frame);
    void activateFrame(ChildFrame *frame);
    // Closes the frame (an ordinary close request) and removes it; the next one comes forward.
    void closeFrame(ChildFrame *frame);
    // Closes every frame at once: none of them is brought forward or given the focus on the way.
    void closeAll();
    // Takes every frame out, alive and unchanged, to be put back later with restore().
    SheetSet takeAll();
    // Puts back the frames taken out (those still alive) and brings forward the one in front.
    void restore(const SheetSet &set);

    // Brings forward the next frame (step 1) or the previous one (step -1), round the strip:
    // Ctrl+Tab and Ctrl+PgDn, Ctrl+Shift+Tab and Ctrl+PgUp.
    void activateNeighbour(int step);
    // Brings forward the frame that holds the widget and gives the widget the focus.
    void reveal(QWidget *widget);

    ChildFrame *activeFrame() const;
    QList<ChildFrame *> frames() const { return m_frames; }
    WorkbookTabBar *tabBar() const { return m_tabs; }

    void setTabStripVisible(bool visible);
    bool isTabStripVisible() const { return m_tabStripVisible; }
    void refreshLabels();

signals:
    void activeFrameChanged(ChildFrame *frame);
    void frameCountChanged(int count);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void onTabChanged(int index);
    void rememberFocus(QWidget *now);
    // Takes a frame out of the tab strip and the stack, hidden; the caller keeps or deletes it.
    void detach(ChildFrame *frame);
    void updateTabStrip();
    // Takes a frame out of the workbook and deletes it once control returns to the event loop.
    void discard(ChildFrame *frame);

    QStackedWidget *m_stack;
    WorkbookTabBar *m_tabs;
    QList<ChildFrame *> m_frames;
    // The widget of each frame that last had the focus: it gets it back when its tab does.
    QHash<ChildFrame *, QPointer<QWidget>> m_lastFocus;
    bool m_tabStripVisible = true;
};
