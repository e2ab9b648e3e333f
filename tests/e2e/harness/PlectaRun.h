#pragma once
// The real plecta executable running on a private X server, in folders of its own (home, runtime,
// temporary and working folder), so that a test can tell whether it left anything behind.

#include "harness/Process.h"
#include "harness/XSession.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

// A temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Every file and folder under a folder, as paths relative to it.
std::vector<std::string> listTree(const std::filesystem::path &folder);

std::string readFile(const std::filesystem::path &path);

// Fixed places on the main window, measured from its client area. The window is maximised on a
// screen of the session's size with the fonts scripts/setup installs, so these hold; a test
// that finds them wrong fails with a screenshot (see saveScreenshot).
struct MainWindowLayout
{
    Rect client;                       // the main window's client area
    Rect workbook;                     // the child windows, above the tab strip
    int functionsX = 0;                // centre of the Functions bar items
    int functionY(int position) const; // centre of the icon of a Functions bar item
    int tabY = 0;                      // centre of the workbook's tabs
    int tabX(int index) const;         // left part of a tab (clear of its close button)
    int workbookLeft = 0;

    static MainWindowLayout of(const Rect &client);
};

class PlectaRun
{
public:
    // Starts the X session, a session bus and the program with these arguments (after the
    // program's path) and these variables added to its environment.
    explicit PlectaRun(const std::vector<std::string> &arguments = {},
                       const std::map<std::string, std::string> &extraEnvironment = {});
    ~PlectaRun();

    XSession &x() { return *m_x; }
    Process &process() { return *m_app; }
    int pid() const { return m_app->pid(); }
    const std::filesystem::path &root() const { return m_root.path(); }
    // The address of the program's session bus (empty when it did not start).
    const std::string &busAddress() const { return m_busAddress; }
    // Where the test may put its own files (the program's leftovers are looked for elsewhere).
    std::filesystem::path outbox() const { return m_root.path() / "outbox"; }

    // The main window, once it is shown and named "Plecta" or "Plecta - [...]" (the splash, also
    // named "Plecta", is told apart by its size).
    std::optional<WindowId> waitForMainWindow(Milliseconds timeout = 20000ms);
    bool isSplash(WindowId window) const;
    std::optional<WindowId> findSplash() const;
    // A window of the program other than the main window and the splash, waited for.
    std::optional<WindowId> waitForOtherWindow(Milliseconds timeout = 10000ms);
    MainWindowLayout layout();

    // Another top-level window of the program (a dialog or message box), waited for.
    std::optional<WindowId> waitForDialog(const std::string &title, Milliseconds timeout = 10000ms);
    bool waitForNoDialog(const std::string &title, Milliseconds timeout = 10000ms);

    // Files the program left in its home, runtime, temporary and working folders.
    std::vector<std::string> leftovers() const;
    // What the program printed (its standard output and error together).
    std::string output() const { return m_app->output(); }

    // Saves the whole screen as a PPM file next to the test's output, named after the test.
    std::string saveScreenshot(const std::string &name);
    static std::string saveImage(const Image &image, const std::string &name);

private:
    TempDir m_root;
    std::unique_ptr<XSession> m_x;
    std::unique_ptr<Process> m_bus;
    std::string m_busAddress;
    std::unique_ptr<Process> m_app;
    std::optional<WindowId> m_mainWindow;
};

} // namespace e2e
