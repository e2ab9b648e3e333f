#include "harness/PlectaRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#ifndef PLECTA_EXECUTABLE
#error "PLECTA_EXECUTABLE must name the program under test"
#endif

namespace e2e {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "plecta-e2e-XXXXXX").string();
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    if (!m_path.empty())
        fs::remove_all(m_path, ignored);
}

std::vector<std::string> listTree(const fs::path &folder)
{
    std::vector<std::string> found;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error))
        found.push_back(fs::relative(it->path(), folder).string());
    std::sort(found.begin(), found.end());
    return found;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

MainWindowLayout MainWindowLayout::of(const Rect &client)
{
    MainWindowLayout layout;
    layout.client = client;
    // The Functions bar is 150 pixels wide, its dock separator a few more.
    layout.workbookLeft = client.x + 157;
    layout.functionsX = client.x + 64;
    layout.tabY = client.y + client.height - 39;
    layout.workbook = {layout.workbookLeft + 2, client.y + 22, client.width - 157 - 24, client.height - 22 - 60};
    return layout;
}

int MainWindowLayout::functionY(int position) const
{
    // Large icons on a grid 72 pixels high, below the menu bar, the bar's title and "Funcions".
    return client.y + 81 + 72 * position;
}

int MainWindowLayout::tabX(int index) const
{
    // Tabs are 130 pixels wide on a maximised window; a closable tab has its button on the right.
    return workbookLeft + 40 + 130 * index;
}

PlectaRun::PlectaRun(const std::vector<std::string> &arguments,
                     const std::map<std::string, std::string> &extraEnvironment)
{
    const fs::path root = m_root.path();
    for (const char *sub : {"home", "runtime", "tmp", "work", "outbox", "x", "bus/home", "bus/runtime"})
        fs::create_directories(root / sub);
    ::chmod((root / "runtime").c_str(), 0700);
    ::chmod((root / "bus/runtime").c_str(), 0700);

    m_x = std::make_unique<XSession>(XSessionOptions{.workDirectory = (root / "x").string()});
    if (!m_x->error().empty())
        return;

    // The program's own session bus, as a desktop session gives it one (what dbus-run-session
    // does). The bus and the services it starts, the accessibility bus among them, keep their
    // files in folders of their own: the program's folders show only what the program wrote.
    const std::string socket = (root / "bus/socket").string();
    ProcessOptions bus;
    bus.argv = {"/usr/bin/dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + socket};
    bus.environment = m_x->environment();
    bus.environment["HOME"] = (root / "bus/home").string();
    bus.environment["XDG_RUNTIME_DIR"] = (root / "bus/runtime").string();
    bus.unsetEnvironment = {"DBUS_SESSION_BUS_ADDRESS"};
    bus.outputFile = (root / "bus/output.txt").string();
    m_bus = std::make_unique<Process>(bus);
    if (!waitUntil([&] { return fs::exists(socket); }, 10000ms))
        return;
    m_busAddress = "unix:path=" + socket;

    ProcessOptions app;
    // Another build of the program (an installed one, say) can be put to the same tests.
    const char *program = std::getenv("PLECTA_E2E_EXECUTABLE");
    app.argv = {program && *program ? program : PLECTA_EXECUTABLE};
    app.argv.insert(app.argv.end(), arguments.begin(), arguments.end());
    app.environment = m_x->environment();
    app.environment["QT_QPA_PLATFORM"] = "xcb";
    app.environment["HOME"] = (root / "home").string();
    app.environment["XDG_RUNTIME_DIR"] = (root / "runtime").string();
    app.environment["TMPDIR"] = (root / "tmp").string();
    app.environment["LC_ALL"] = "C.UTF-8";
    app.environment["DBUS_SESSION_BUS_ADDRESS"] = m_busAddress;
    for (const auto &[name, value] : extraEnvironment)
        app.environment[name] = value;
    // Nothing of the desktop this test happens to run in: no theme, no scaling.
    app.unsetEnvironment = {"SESSION_MANAGER",   "XDG_CONFIG_HOME",         "XDG_CACHE_HOME",
                            "XDG_DATA_HOME",     "XDG_CURRENT_DESKTOP",     "QT_QPA_PLATFORMTHEME",
                            "QT_SCALE_FACTOR",   "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                            "QT_STYLE_OVERRIDE", "WAYLAND_DISPLAY"};
    app.workingDirectory = (root / "work").string();
    app.outputFile = (root / "output.txt").string();
    m_app = std::make_unique<Process>(app);
}

PlectaRun::~PlectaRun()
{
    if (m_app)
        m_app->stop();
    m_app.reset();
    if (m_bus)
        m_bus->stop();
    m_bus.reset();
    m_x.reset();
}

std::optional<WindowId> PlectaRun::waitForMainWindow(Milliseconds timeout)
{
    if (!m_app)
        return std::nullopt;
    waitUntil(
        [&] {
            for (WindowId window : m_x->windowsOf(pid())) {
                const std::string name = m_x->name(window);
                if ((name == "Plecta" || name.rfind("Plecta - ", 0) == 0) && !isSplash(window)) {
                    m_mainWindow = window;
                    return true;
                }
            }
            return false;
        },
        timeout, 50ms);
    return m_mainWindow;
}

bool PlectaRun::isSplash(WindowId window) const
{
    const Rect place = m_x->geometry(window);
    return m_x->name(window) == "Plecta" && place.width == 260 && place.height == 261;
}

std::optional<WindowId> PlectaRun::findSplash() const
{
    for (WindowId window : m_x->windowsOf(pid())) {
        if (isSplash(window))
            return window;
    }
    return std::nullopt;
}

std::optional<WindowId> PlectaRun::waitForOtherWindow(Milliseconds timeout)
{
    std::optional<WindowId> found;
    waitUntil(
        [&] {
            for (WindowId window : m_x->windowsOf(pid())) {
                if (window != m_mainWindow && m_x->isViewable(window) && !isSplash(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout, 50ms);
    return found;
}

MainWindowLayout PlectaRun::layout()
{
    if (!m_mainWindow)
        waitForMainWindow();
    return MainWindowLayout::of(m_mainWindow ? m_x->geometry(*m_mainWindow) : Rect{});
}

std::optional<WindowId> PlectaRun::waitForDialog(const std::string &title, Milliseconds timeout)
{
    return m_x->waitForWindow(
        pid(), [&](const std::string &name) { return name == title; }, timeout);
}

bool PlectaRun::waitForNoDialog(const std::string &title, Milliseconds timeout)
{
    return waitUntil([&] { return !m_x->findWindow(pid(), [&](const std::string &name) { return name == title; }); },
                     timeout);
}

std::vector<std::string> PlectaRun::leftovers() const
{
    std::vector<std::string> found;
    for (const char *sub : {"home", "runtime", "tmp", "work"}) {
        for (const std::string &entry : listTree(m_root.path() / sub))
            found.push_back(std::string(sub) + '/' + entry);
    }
    return found;
}

std::string PlectaRun::saveScreenshot(const std::string &name)
{
    return saveImage(m_x->grab(m_x->screen()), name);
}

std::string PlectaRun::saveImage(const Image &image, const std::string &name)
{
    const char *dir = std::getenv("PLECTA_E2E_SCREENSHOTS");
    const fs::path path = fs::path(dir ? dir : fs::temp_directory_path().string()) / (name + ".ppm");
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.area.width << ' ' << image.area.height << "\n255\n";
    for (const std::uint32_t p : image.pixels) {
        const char rgb[3] = {char((p >> 16) & 0xff), char((p >> 8) & 0xff), char(p & 0xff)};
        out.write(rgb, 3);
    }
    return path.string();
}

} // namespace e2e
