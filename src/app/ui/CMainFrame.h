#pragma once
#include "app/ui/CommandTarget.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class ChildFrame;
class ChildView;
class CShortcutListDockBar;
class LockKeyIndicators;
class QLabel;
class QMenu;
class Workbook;
struct WindowKind;

// The program's only top-level window: menus, the workbook of child windows with its tab strip,
// the status bar and the Functions bar.
class CMainFrame : public QMainWindow, public CommandTarget
{
    Q_OBJECT
public:
    static constexpr int kFunctionsBarWidth = 150;

    explicit CMainFrame(CommandTarget *application = nullptr);
    ~CMainFrame() override;

    // Runs the opening procedure of a function (positions 0 to 5; others do nothing).
    void openFunction(int position);
    // Opens one more start window, titled "Quelt<n>" or with the given title.
    ChildFrame *openStartWindow(const QString &title = {});

    Workbook *workbook() const { return m_workbook; }
    ChildFrame *activeFrame() const;
    QWidget *activeView() const;
    void activateTab(int index);
    void closeAllChildren();

    // The menu action of a command (the one in the menu bar now shown), or nullptr.
    QAction *action(int command) const;
    // The key action bound to a key sequence ("Ctrl+F"), or nullptr.
    QAction *keyAction(const QString &keys) const;
    // Whether a command is answered by someone in the chain, and running it there.
    bool isAnswered(int command) const;
    bool routeCommand(int command);
    void updateActions();

    bool showsMenu129() const { return m_showing129; }
    QLabel *messagePane() const { return m_messagePane; }
    CShortcutListDockBar *functionsBar() const { return m_functionsBar; }

    bool answersCommand(int command) const override;
    void runCommand(int command) override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildStatusBar();
    void buildFunctionsBar();
    void showMenuBar(bool with129);
    void updateTitle();
    ChildFrame *createWindow(const WindowKind &kind);
    QList<CommandTarget *> commandChain() const;
    void runKey(const QList<int> &commands);

    CommandTarget *m_application;
    Workbook *m_workbook;
    CShortcutListDockBar *m_functionsBar = nullptr;
    QLabel *m_messagePane = nullptr;
    LockKeyIndicators *m_locks = nullptr;
    QHash<int, QAction *> m_actions;        // menu actions by command
    QList<QAction *> m_keyActions;          // key table, one action per key sequence
    QList<QMenu *> m_menus128, m_menus129;
    bool m_showing129 = false;
    int m_startWindows = 0;
};
