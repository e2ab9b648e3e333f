#pragma once
#include <QHash>
#include <QList>
#include <QMainWindow>

class ChildFrame;
class ChildView;
class CShortcutListDockBar;
class EditCommands;
class LockKeyIndicators;
class QLabel;
class QMenu;
class Workbook;
struct WindowKind;

// The program's only top-level window: menus, the workbook of child windows with its tab strip,
// the status bar and the Functions bar. It owns every command's action and decides, in
// updateActions(), which are enabled: its own commands always, the edit commands on the focused
// text field, the rest when the active view answers them.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kFunctionsBarWidth = 150;

    CMainFrame();
    ~CMainFrame() override;

    // Runs the opening procedure of a function (positions 0 to 5; others do nothing). When the
    // open windows hold something the user typed, asks first; false when the user kept them.
    bool openFunction(int position);
    // Opens one more start window, titled "Plecta<n>" or with the given title.
    ChildFrame *openStartWindow(const QString &title = {});

    Workbook *workbook() const { return m_workbook; }
    ChildFrame *activeFrame() const;
    QWidget *activeView() const;
    void activateTab(int index);
    // Closes every child window without asking.
    void closeAllChildren();

    // The menu action of a command (the one in the menu bar now shown), or nullptr.
    QAction *action(int command) const;
    // The key action bound to a key sequence ("Ctrl+F"), or nullptr.
    QAction *keyAction(const QString &keys) const;
    // Whether a command can run now, and running it (false when it cannot).
    bool commandEnabled(int command) const;
    bool runCommand(int command);
    void updateActions();

    bool showsMenu129() const { return m_showing129; }
    QLabel *messagePane() const { return m_messagePane; }
    CShortcutListDockBar *functionsBar() const { return m_functionsBar; }
    EditCommands *editCommands() const { return m_edit; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildStatusBar();
    void buildFunctionsBar();
    void showMenuBar(bool with129);
    void updateTitle();
    // Everything that follows the set of windows and the active one, recomputed once.
    void updateShell();
    ChildFrame *createWindow(const WindowKind &kind);
    // Asks before the open windows and what was typed in them are thrown away; true to go on.
    bool mayDiscardChildren();
    bool ownsCommand(int command) const;
    void runOwnCommand(int command);
    void runKey(const QList<int> &commands);

    Workbook *m_workbook;
    EditCommands *m_edit;
    CShortcutListDockBar *m_functionsBar = nullptr;
    QLabel *m_messagePane = nullptr;
    LockKeyIndicators *m_locks = nullptr;
    QHash<int, QAction *> m_actions;        // menu actions by command
    QList<QAction *> m_keyActions;          // key table, one action per key sequence
    QList<QMenu *> m_menus128, m_menus129;
    bool m_showing129 = false;
    bool m_rebuilding = false; // windows are being closed and opened: no updates until the end
    int m_startWindows = 0;
};
