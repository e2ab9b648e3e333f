#include "harness/XSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace e2e {

namespace {

// Missing tools make the session fail with a clear message rather than a hang.
std::string findProgram(const std::string &name)
{
    for (const char *dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"}) {
        const std::string path = dir + name;
        if (::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

// Xlib's default handler ends the process on a protocol error; a window that went away between
// two calls is normal here.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

Rgb Image::at(int x, int y) const
{
    const int col = x - area.x, row = y - area.y;
    if (col < 0 || row < 0 || col >= area.width || row >= area.height)
        return {-1, -1, -1};
    const std::uint32_t p = pixels[std::size_t(row) * std::size_t(area.width) + std::size_t(col)];
    return {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)};
}

int Image::count(Rgb colour, int tolerance) const
{
    int n = 0;
    for (const std::uint32_t p : pixels) {
        const int r = int((p >> 16) & 0xff), g = int((p >> 8) & 0xff), b = int(p & 0xff);
        if (std::abs(r - colour.r) <= tolerance && std::abs(g - colour.g) <= tolerance &&
            std::abs(b - colour.b) <= tolerance)
            ++n;
    }
    return n;
}

bool waitUntil(const std::function<bool()> &condition, Milliseconds timeout, Milliseconds step)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
}

XSession::XSession(const XSessionOptions &options) : m_width(options.width), m_height(options.height)
{
    const std::string xvfb = findProgram("Xvfb");
    if (xvfb.empty()) {
        m_error = "Xvfb is not installed (scripts/setup installs it)";
        return;
    }
    XSetErrorHandler(ignoreXErrors);

    // The server picks a free display number itself and writes it to the pipe: no race with other
    // tests or other users of the machine.
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        m_error = "no pipe";
        return;
    }
    ProcessOptions server;
    server.argv = {xvfb, "-displayfd", "3", "-screen", "0",
                   std::to_string(m_width) + 'x' + std::to_string(m_height) + "x24", "-nolisten", "tcp",
                   "-br", "-noreset"};
    if (!options.workDirectory.empty())
        server.outputFile = options.workDirectory + "/xvfb.log";
    server.passFd = pipeFds[1];
    m_server = std::make_unique<Process>(server);
    ::close(pipeFds[1]);

    std::string number;
    const auto deadline = Clock::now() + 15000ms;
    while (Clock::now() < deadline && (number.empty() || number.back() != '\n')) {
        pollfd wait{pipeFds[0], POLLIN, 0};
        if (::poll(&wait, 1, 100) > 0) {
            char buffer[16];
            const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, std::size_t(n));
        }
        if (!m_server->running())
            break;
    }
    ::close(pipeFds[0]);
    if (number.empty() || number.back() != '\n') {
        m_error = "Xvfb did not start: " + m_server->output();
        return;
    }
    number.pop_back();
    m_display = ':' + number;

    m_connection = XOpenDisplay(m_display.c_str());
    if (!m_connection) {
        m_error = "cannot connect to " + m_display;
        return;
    }

    if (options.windowManager) {
        const std::string openbox = findProgram("openbox");
        if (openbox.empty()) {
            m_error = "openbox is not installed (scripts/setup installs it)";
            return;
        }
        ProcessOptions wm;
        wm.argv = {openbox, "--sm-disable"};
        wm.environment = environment();
        if (!options.workDirectory.empty()) {
            wm.outputFile = options.workDirectory + "/openbox.log";
            // Its own settings and caches stay in the test's folder.
            wm.environment["HOME"] = options.workDirectory;
            wm.environment["XDG_CONFIG_HOME"] = options.workDirectory + "/wm-config";
            wm.environment["XDG_CACHE_HOME"] = options.workDirectory + "/wm-cache";
        }
        m_windowManager = std::make_unique<Process>(wm);
        // The manager is ready once it announces itself on the root window.
        const bool ready = waitUntil(
            [this] {
                return !cardinals(DefaultRootWindow(m_connection), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty() &&
                       !cardinals(DefaultRootWindow(m_connection), "_NET_WORKAREA", XA_CARDINAL).empty();
            },
            15000ms, 20ms);
        if (!ready) {
            m_error = "openbox did not start: " + m_windowManager->output();
            return;
        }
    }
}

XSession::~XSession()
{
    if (m_connection)
        XCloseDisplay(m_connection);
    m_windowManager.reset();
    m_server.reset();
}

std::map<std::string, std::string> XSession::environment() const
{
    return {{"DISPLAY", m_display}};
}

unsigned long XSession::atom(const char *name) const
{
    return XInternAtom(m_connection, name, False);
}

std::vector<unsigned long> XSession::cardinals(WindowId window, const char *property, unsigned long type) const
{
    std::vector<unsigned long> values;
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(m_connection, window, atom(property), 0, 4096, False, type, &actualType, &format, &count,
                           &after, &data) == Success &&
        data) {
        if (format == 32) {
            const auto *longs = reinterpret_cast<const unsigned long *>(data);
            values.assign(longs, longs + count);
        }
        XFree(data);
    }
    return values;
}

std::vector<WindowId> XSession::windows() const
{
    XSync(m_connection, False);
    if (m_windowManager)
        return cardinals(DefaultRootWindow(m_connection), "_NET_CLIENT_LIST", XA_WINDOW);
    std::vector<WindowId> result;
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(m_connection, DefaultRootWindow(m_connection), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            if (isViewable(children[i]) && !name(children[i]).empty())
                result.push_back(children[i]);
        }
        XFree(children);
    }
    return result;
}

std::vector<WindowId> XSession::windowsOf(int pid) const
{
    std::vector<WindowId> result;
    for (WindowId window : windows()) {
        if (pidOf(window) == pid)
            result.push_back(window);
    }
    return result;
}

std::string XSession::name(WindowId window) const
{
    std::string result;
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(m_connection, window, atom("_NET_WM_NAME"), 0, 1024, False, atom("UTF8_STRING"),
                           &actualType, &format, &count, &after, &data) == Success &&
        data) {
        result.assign(reinterpret_cast<const char *>(data), count);
        XFree(data);
    }
    if (result.empty()) {
        char *plain = nullptr;
        if (XFetchName(m_connection, window, &plain) && plain) {
            result = plain;
            XFree(plain);
        }
    }
    return result;
}

int XSession::pidOf(WindowId window) const
{
    const auto values = cardinals(window, "_NET_WM_PID", XA_CARDINAL);
    return values.empty() ? 0 : int(values.front());
}

std::vector<std::string> XSession::states(WindowId window) const
{
    std::vector<std::string> result;
    for (unsigned long state : cardinals(window, "_NET_WM_STATE", XA_ATOM)) {
        if (char *text = XGetAtomName(m_connection, state)) {
            result.emplace_back(text);
            XFree(text);
        }
    }
    return result;
}

bool XSession::isViewable(WindowId window) const
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(m_connection, window, &attributes) && attributes.map_state == IsViewable;
}

Rect XSession::geometry(WindowId window) const
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_connection, window, &attributes))
        return {};
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(m_connection, window, DefaultRootWindow(m_connection), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

Rect XSession::workArea() const
{
    const auto values = cardinals(DefaultRootWindow(m_connection), "_NET_WORKAREA", XA_CARDINAL);
    if (values.size() < 4)
        return screen();
    return {int(values[0]), int(values[1]), int(values[2]), int(values[3])};
}

std::optional<WindowId> XSession::activeWindow() const
{
    const auto values = cardinals(DefaultRootWindow(m_connection), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    if (values.empty() || values.front() == 0)
        return std::nullopt;
    return values.front();
}

std::optional<WindowId> XSession::findWindow(int pid, const std::function<bool(const std::string &)> &nameTest) const
{
    for (WindowId window : windowsOf(pid)) {
        if (isViewable(window) && nameTest(name(window)))
            return window;
    }
    return std::nullopt;
}

std::optional<WindowId> XSession::waitForWindow(int pid, const std::function<bool(const std::string &)> &nameTest,
                                                Milliseconds timeout) const
{
    std::optional<WindowId> found;
    waitUntil([&] { return bool(found = findWindow(pid, nameTest)); }, timeout);
    return found;
}

Image XSession::grab(const Rect &area) const
{
    Image image;
    image.area = area;
    XSync(m_connection, False);
    XImage *shot = XGetImage(m_connection, DefaultRootWindow(m_connection), area.x, area.y, unsigned(area.width),
                             unsigned(area.height), AllPlanes, ZPixmap);
    if (!shot) {
        image.area = {};
        return image;
    }
    image.pixels.resize(std::size_t(area.width) * std::size_t(area.height));
    for (int row = 0; row < area.height; ++row) {
        for (int col = 0; col < area.width; ++col)
            image.pixels[std::size_t(row) * std::size_t(area.width) + std::size_t(col)] =
                std::uint32_t(XGetPixel(shot, col, row) & 0xffffff);
    }
    XDestroyImage(shot);
    return image;
}

void XSession::requestClose(WindowId window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(atom("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_connection, window, False, NoEventMask, &event);
    XFlush(m_connection);
}

bool XSession::xdotool(const std::vector<std::string> &args) const
{
    static const std::string program = findProgram("xdotool");
    if (program.empty())
        return false;
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    const bool ok = runTool(argv, environment());
    XSync(m_connection, False);
    return ok;
}

bool XSession::key(const std::string &keys) const
{
    return xdotool({"key", "--clearmodifiers", "--delay", "60", keys});
}

bool XSession::type(const std::string &utf8Text) const
{
    return xdotool({"type", "--delay", "30", "--", utf8Text});
}

bool XSession::click(int x, int y, int button) const
{
    return xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)}) &&
           xdotool({"click", std::to_string(button)});
}

bool XSession::doubleClick(int x, int y) const
{
    return xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)}) &&
           xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

} // namespace e2e
