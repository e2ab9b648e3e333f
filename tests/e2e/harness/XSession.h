#pragma once
// A private X server (Xvfb on a display number it picks itself) with an optional window manager
// (openbox, so that maximised windows are maximised as on a desktop), and what a test needs to
// see and touch the windows from outside: their names, states and places, the pixels on the
// screen, and keys and mouse clicks sent through xdotool.

#include "harness/Process.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

typedef struct _XDisplay Display;

namespace e2e {

using WindowId = unsigned long;

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
    bool operator==(const Rect &) const = default;
};

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

// A piece of the screen, 24-bit colour.
struct Image
{
    Rect area;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, row after row
    Rgb at(int x, int y) const;        // screen coordinates inside area
    // How many pixels of the image have this colour (within a tolerance per channel).
    int count(Rgb colour, int tolerance = 0) const;
};

struct XSessionOptions
{
    int width = 1280;
    int height = 800;
    bool windowManager = true;
    std::string workDirectory; // where the server and the window manager keep their output
};

class XSession
{
public:
    explicit XSession(const XSessionOptions &options = {});
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Empty when the server (and the window manager, when asked for) runs; otherwise why not.
    const std::string &error() const { return m_error; }
    const std::string &display() const { return m_display; } // ":N"
    Display *connection() const { return m_connection; }
    // DISPLAY and nothing else: what a program started on this server needs.
    std::map<std::string, std::string> environment() const;

    // Top-level windows: with a window manager its client list, otherwise the mapped children of
    // the root window that have a name.
    std::vector<WindowId> windows() const;
    std::vector<WindowId> windowsOf(int pid) const;
    std::string name(WindowId window) const;
    int pidOf(WindowId window) const;
    std::vector<std::string> states(WindowId window) const; // _NET_WM_STATE atom names
    bool isViewable(WindowId window) const;
    Rect geometry(WindowId window) const;   // the client area, in screen coordinates
    Rect workArea() const;                  // the screen less the window manager's panels
    Rect screen() const { return {0, 0, m_width, m_height}; }
    std::optional<WindowId> activeWindow() const;

    // The first window of the process whose name satisfies the test, waited for.
    std::optional<WindowId> waitForWindow(int pid, const std::function<bool(const std::string &)> &nameTest,
                                          Milliseconds timeout) const;
    std::optional<WindowId> findWindow(int pid, const std::function<bool(const std::string &)> &nameTest) const;

    Image grab(const Rect &area) const;
    // Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
    void requestClose(WindowId window) const;

    // xdotool with these arguments; false when it fails or hangs.
    bool xdotool(const std::vector<std::string> &args) const;
    bool key(const std::string &keys) const;          // "ctrl+f", "Return", "alt+F4"
    bool type(const std::string &utf8Text) const;     // types the text as key presses
    bool click(int x, int y, int button = 1) const;
    bool doubleClick(int x, int y) const;

private:
    unsigned long atom(const char *name) const;
    std::vector<unsigned long> cardinals(WindowId window, const char *property, unsigned long type) const;

    std::string m_error;
    std::string m_display;
    int m_width, m_height;
    std::unique_ptr<Process> m_server;
    std::unique_ptr<Process> m_windowManager;
    Display *m_connection = nullptr;
};

// Polls a condition until it holds or the time-out passes.
bool waitUntil(const std::function<bool()> &condition, Milliseconds timeout, Milliseconds step = 25ms);

} // namespace e2e
