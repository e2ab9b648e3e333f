// Start-up of plecta against a minimal Qt Widgets program (one empty maximised window), both
// started on one private X server with a window manager and timed from outside: from the moment
// the process is started to its main window being shown (mapped), and to that window being
// painted (a point of it no longer the black of the empty screen). Each program ends through its
// window's close request; its peak resident memory is read when it has ended.
//
// Runs alternate between the two programs so that a disturbance of the machine hits both. The
// summary gives the medians, their ratio and the peak memory; the exit status is 1 when plecta
// takes more than 1.5 times as long as the minimal program to be painted.

#include "harness/PlectaRun.h"
#include "harness/XSession.h"

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace e2e;

namespace {

struct Sample
{
    double shownMs = 0;
    double paintedMs = 0;
    long peakKiB = 0;
};

struct Program
{
    const char *label;
    const char *path;
    const char *titlePrefix;
    std::vector<Sample> samples;
};

Program g_plecta{"plecta", PLECTA_EXECUTABLE, "Plecta", {}};
Program g_minimal{"minimal", MINIMAL_EXECUTABLE, "Minimal", {}};

XSession &session()
{
    static TempDir folder;
    static XSession x(XSessionOptions{.workDirectory = folder.path().string()});
    return x;
}

// Wakes the measurement when something changes among the top-level windows (a window managed,
// mapped, renamed), instead of asking the server every millisecond: on a machine with two cores
// such polling took a good part of a core and of the server from the program being measured.
class TopLevelWatch
{
public:
    explicit TopLevelWatch(const XSession &x) : m_display(XOpenDisplay(x.display().c_str()))
    {
        if (m_display) {
            XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask | PropertyChangeMask);
            XSync(m_display, False);
        }
    }
    ~TopLevelWatch()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    TopLevelWatch(const TopLevelWatch &) = delete;
    TopLevelWatch &operator=(const TopLevelWatch &) = delete;

    // Waits until the server reports a change or the deadline passes, and takes the reports.
    void waitForChange(Clock::time_point deadline)
    {
        if (!m_display) {
            std::this_thread::sleep_for(1ms);
            return;
        }
        if (XPending(m_display) == 0) {
            const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()).count();
            pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
            ::poll(&connection, 1, int(std::max<long long>(left, 0)));
        }
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

private:
    Display *m_display;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool measure(Program &program, Sample &sample)
{
    XSession &x = session();
    TopLevelWatch watch(x);
    TempDir home;
    std::filesystem::create_directories(home.path() / "runtime");
    ProcessOptions options;
    options.argv = {program.path};
    options.environment = x.environment();
    options.environment["QT_QPA_PLATFORM"] = "xcb";
    options.environment["HOME"] = home.path().string();
    options.environment["XDG_RUNTIME_DIR"] = (home.path() / "runtime").string();
    options.environment["LC_ALL"] = "C.UTF-8";
    options.unsetEnvironment = {"DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER", "QT_QPA_PLATFORMTHEME"};
    options.workingDirectory = home.path().string();
    Process process(options);
    const auto start = process.startTime();

    const std::string prefix = program.titlePrefix;
    std::optional<WindowId> window;
    const auto deadline = start + 60000ms;
    while (Clock::now() < deadline && !window) {
        window = x.findWindow(process.pid(), [&](const std::string &name) { return name.rfind(prefix, 0) == 0; });
        if (!window)
            watch.waitForChange(std::min(deadline, Clock::now() + 50ms));
    }
    if (!window)
        return false;
    sample.shownMs = msSince(start);
    bool painted = false;
    while (Clock::now() < deadline && !painted) {
        // Three quarters across, half way down: clear of plecta's splash, which stands over the
        // middle of the screen, and inside the start window.
        const Rect place = x.geometry(*window);
        const int px = place.x + place.width * 3 / 4, py = place.centreY();
        painted = place.width > 0 && x.grab({px, py, 1, 1}).at(px, py) != Rgb{0, 0, 0};
        if (!painted)
            std::this_thread::sleep_for(1ms);
    }
    if (!painted)
        return false;
    sample.paintedMs = msSince(start);

    x.requestClose(*window);
    if (!process.waitFor(20000ms))
        return false;
    sample.peakKiB = process.peakMemoryKiB();
    return true;
}

void startup(benchmark::State &state, Program *program)
{
    if (!session().error().empty()) {
        state.SkipWithError(session().error().c_str());
        return;
    }
    for (auto _ : state) {
        Sample sample;
        if (!measure(*program, sample)) {
            state.SkipWithError("the program did not show and paint its window");
            return;
        }
        state.SetIterationTime(sample.paintedMs / 1000.0);
        state.counters["shown_ms"] = sample.shownMs;
        state.counters["painted_ms"] = sample.paintedMs;
        state.counters["peak_KiB"] = double(sample.peakKiB);
        program->samples.push_back(sample);
    }
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Summary
{
    double shown, painted;
    double fastestShown, fastestPainted;
    long peak;
};

Summary summarise(const Program &program)
{
    std::vector<double> shown, painted;
    long peak = 0;
    for (const Sample &s : program.samples) {
        shown.push_back(s.shownMs);
        painted.push_back(s.paintedMs);
        peak = std::max(peak, s.peakKiB);
    }
    return {median(shown), median(painted), *std::min_element(shown.begin(), shown.end()),
            *std::min_element(painted.begin(), painted.end()), peak};
}

} // namespace

int main(int argc, char **argv)
{
    // Alternating single runs: plecta, minimal, plecta, ... A shared or virtual machine disturbs
    // single runs by tens of milliseconds, hence the many runs and the medians.
    constexpr int kRuns = 21;
    for (int i = 0; i < kRuns; ++i) {
        benchmark::RegisterBenchmark(("startup/plecta/" + std::to_string(i)).c_str(), startup, &g_plecta)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("startup/minimal/" + std::to_string(i)).c_str(), startup, &g_minimal)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (g_plecta.samples.empty() || g_minimal.samples.empty()) {
        std::fprintf(stderr, "startup: no measurements\n");
        return 2;
    }
    const Summary plecta = summarise(g_plecta), minimal = summarise(g_minimal);
    const double ratioShown = plecta.shown / minimal.shown, ratioPainted = plecta.painted / minimal.painted;
    std::printf("\nmedian of %zu runs    to window shown   to window painted   peak memory\n", g_plecta.samples.size());
    std::printf("plecta               %9.1f ms      %9.1f ms        %7ld KiB\n", plecta.shown, plecta.painted,
                plecta.peak);
    std::printf("minimal Qt window    %9.1f ms      %9.1f ms        %7ld KiB\n", minimal.shown, minimal.painted,
                minimal.peak);
    std::printf("ratio                %9.2f         %9.2f\n", ratioShown, ratioPainted);
    // The fastest runs are the ones the machine disturbed least: a second view of the same ratio.
    std::printf("fastest runs: plecta %.1f / %.1f ms, minimal %.1f / %.1f ms, ratio %.2f / %.2f\n",
                plecta.fastestShown, plecta.fastestPainted, minimal.fastestShown, minimal.fastestPainted,
                plecta.fastestShown / minimal.fastestShown, plecta.fastestPainted / minimal.fastestPainted);
    return ratioPainted <= 1.5 ? 0 : 1;
}
