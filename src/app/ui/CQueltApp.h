#pragma once
#include "app/ui/CommandTarget.h"

#include <QApplication>
#include <QPointer>
#include <QSplashScreen>
#include <QString>
#include <array>

class CMainFrame;
class ChildFrame;

// The application object: start-up, the tab set of the open function, and the commands that
// the application itself answers (About, Exit, New, Open).
class CQueltApp : public QApplication, public CommandTarget
{
    Q_OBJECT
public:
    static constexpr int kSplashMilliseconds = 2500;

    CQueltApp(int &argc, char **argv);
    ~CQueltApp() override;
    static CQueltApp *instance();

    // Start-up in order: main window, splash, command line, tab strip hidden, window shown.
    // Returns false when start-up fails (the exit status is then exitStatus()).
    bool initInstance();
    int exitStatus() const { return m_exitStatus; }

    CMainFrame *mainFrame() const { return m_mainFrame; }
    QSplashScreen *splash() const { return m_splash; }

    // The tab set: three (window, label) slots filled by the opening of a function.
    struct TabSlot
    {
        QPointer<ChildFrame> window;
        QString label;
    };
    void setTabSlot(int slot, ChildFrame *window, const QString &label);
    void clearTabWindows();
    QString tabLabel(const ChildFrame *window) const;

    // The command line: no file name opens a start window; a file name opens one titled with
    // the name, without reading the file. False when the file cannot be opened (after telling).
    bool openFromCommandLine(const QStringList &args);

    // Makes the main window (for tests and for start-up); it is not shown.
    CMainFrame *createMainFrame();

    bool answersCommand(int command) const override;
    void runCommand(int command) override;

private:
    void showSplash();
    void loadTranslations();

    CMainFrame *m_mainFrame = nullptr;
    QPointer<QSplashScreen> m_splash;
    std::array<TabSlot, 3> m_tabSet;
    int m_exitStatus = 0;
};
