#pragma once
#include "app/ui/Workbook.h"
#include "shell/ui/ChildView.h"

#include <QMainWindow>
#include <QMap>

class ChildFrame;
class ChildView;
class FunctionsBar;
class EditCommands;
class HandbookSearchLauncher;
class LockKeyIndicators;
class MainActions;
class QLabel;
class Workbook;
struct WindowKind;

// The program's only top-level window: menus, the workbook of child windows with its tab strip,
// the status bar and the Functions bar. It owns every command's action and decides, in
// updateActions(), which are enabled: its own commands always, the edit commands on the focused
// text field, the rest when the active view offers them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kFunctionsBarWidth = 150;

    MainWindow();
    ~MainWindow() override;

    // Brings a function forward (positions 0 to 6; others do nothing): the open one stays as
    // it is, put aside with whatever was typed in it, and the one asked for comes back as it was
    // left, or is opened the first time. False for a position without a function.
    bool openFunction(int position);
    // Opens one more start window, titled "Plecta<n>" or with the given title.
    ChildFrame *openStartWindow(const QString &title = {});

    Workbook *workbook() const { return m_workbook; }
    ChildFrame *activeFrame() const;
    QWidget *activeView() const;
    void activateTab(int index);
    // Closes every child window, those of the functions put aside too, without asking.
    void closeAllChildren();

    // Every command of the window as a named action.
    const MainActions &mainActions() const { return *m_actions; }
    void updateActions();

    QLabel *messagePane() const { return m_messagePane; }
    FunctionsBar *functionsBar() const { return m_functionsBar; }
    EditCommands *editCommands() const { return m_edit; }
    HandbookSearchLauncher *handbookSearch() const { return m_handbookSearch; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildStatusBar();
    void buildFunctionsBar();
    void updateTitle();
    // Everything that follows the set of windows and the active one, recomputed once.
    void updateShell();
    ChildFrame *createWindow(const WindowKind &kind);
    // Asks before the open windows and what was typed in them are thrown away; true to go on.
    bool mayDiscardChildren();
    // Puts the open function aside and brings back the one at `position` if it was kept; false
    // when it has to be opened.
    bool switchToFunction(int position);
    void performViewAction(ViewAction command);
    void openAbout();
    void openFile();

    Workbook *m_workbook;
    EditCommands *m_edit;
    FunctionsBar *m_functionsBar = nullptr;
    QLabel *m_messagePane = nullptr;
    LockKeyIndicators *m_locks = nullptr;
    MainActions *m_actions = nullptr;
    HandbookSearchLauncher *m_handbookSearch = nullptr;
    bool m_rebuilding = false; // windows are being closed and opened: no updates until the end
    int m_startWindows = 0;
    int m_openFunction = -1;        // the function whose windows the workbook shows, -1: none
    QMap<int, SheetSet> m_putAside; // the other functions opened, by position
};
