#pragma once
// A child process for the end-to-end tests and the start-up benchmark: started with its own
// environment, working folder and output files, waited for with a time-out, and always ended
// (with its whole process group) when the object goes.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

struct ProcessOptions
{
    std::vector<std::string> argv;                 // argv[0] is the program's path
    std::map<std::string, std::string> environment; // set or replaced on top of this process's own
    std::vector<std::string> unsetEnvironment;      // removed from the child's environment
    std::string workingDirectory;                   // empty: this process's own
    std::string outputFile;                         // stdout and stderr; empty: /dev/null
    int passFd = -1;                                // a descriptor the child keeps as fd 3
};

class Process
{
public:
    explicit Process(const ProcessOptions &options);
    ~Process();
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;

    bool started() const { return m_pid > 0; }
    int pid() const { return m_pid; }
    Clock::time_point startTime() const { return m_start; }

    // Whether the process is still running (reaps it when it has ended).
    bool running();
    // Waits until the process ends or the time-out passes. The exit status, or nothing when it
    // is still running; a process ended by a signal reports 128 + the signal.
    std::optional<int> waitFor(Milliseconds timeout);
    // Ends the process group: SIGTERM, then SIGKILL after the grace time.
    void stop(Milliseconds grace = 2000ms);

    // Peak resident memory of the ended process, in KiB (0 before it has ended).
    long peakMemoryKiB() const { return m_usage.ru_maxrss; }
    // What the process wrote to its output file.
    std::string output() const;

private:
    bool reap(bool block);

    int m_pid = -1;
    Clock::time_point m_start;
    std::optional<int> m_status;
    rusage m_usage{};
    std::string m_outputFile;
};

// Runs a short helper (such as xdotool) to its end. False when it fails or outlasts the time-out.
bool runTool(const std::vector<std::string> &argv, const std::map<std::string, std::string> &environment,
             Milliseconds timeout = 15000ms, std::string *output = nullptr);

} // namespace e2e
