#include "harness/Process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace e2e {

namespace {

std::vector<std::string> childEnvironment(const ProcessOptions &options)
{
    std::map<std::string, std::string> merged;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            merged[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const std::string &name : options.unsetEnvironment)
        merged.erase(name);
    for (const auto &[name, value] : options.environment)
        merged[name] = value;
    std::vector<std::string> result;
    for (const auto &[name, value] : merged)
        result.push_back(name + '=' + value);
    return result;
}

} // namespace

Process::Process(const ProcessOptions &options) : m_outputFile(options.outputFile)
{
    if (options.argv.empty())
        return;
    // Everything the child needs is prepared before the fork: after it only async-signal-safe calls.
    std::vector<std::string> envStrings = childEnvironment(options);
    std::vector<char *> argv, envp;
    for (const std::string &arg : options.argv)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    for (std::string &entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string output = options.outputFile.empty() ? std::string("/dev/null") : options.outputFile;
    const int outFd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (outFd < 0 || nullFd < 0) {
        if (outFd >= 0)
            ::close(outFd);
        if (nullFd >= 0)
            ::close(nullFd);
        return;
    }

    m_start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Its own process group, so that stop() also ends whatever the child starts.
        ::setpgid(0, 0);
        ::dup2(nullFd, 0);
        ::dup2(outFd, 1);
        ::dup2(outFd, 2);
        if (options.passFd >= 0)
            ::dup2(options.passFd, 3); // dup2 clears close-on-exec on the copy
        if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0)
            ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(outFd);
    ::close(nullFd);
    if (pid > 0) {
        ::setpgid(pid, pid); // also from here, so the group exists before either side goes on
        m_pid = pid;
    }
}

Process::~Process()
{
    stop();
}

bool Process::reap(bool block)
{
    if (m_pid <= 0 || m_status)
        return true;
    int status = 0;
    pid_t done;
    do {
        done = ::wait4(m_pid, &status, block ? 0 : WNOHANG, &m_usage);
    } while (done < 0 && errno == EINTR);
    if (done == 0)
        return false;
    if (done < 0) {
        m_status = -1;
        return true;
    }
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

bool Process::running()
{
    return m_pid > 0 && !reap(false);
}

std::optional<int> Process::waitFor(Milliseconds timeout)
{
    if (m_pid <= 0)
        return std::nullopt;
    const auto deadline = Clock::now() + timeout;
    while (!reap(false)) {
        if (Clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(5ms);
    }
    return m_status;
}

void Process::stop(Milliseconds grace)
{
    if (m_pid <= 0)
        return;
    if (!reap(false)) {
        ::kill(-m_pid, SIGTERM);
        ::kill(m_pid, SIGTERM);
        if (!waitFor(grace)) {
            ::kill(-m_pid, SIGKILL);
            ::kill(m_pid, SIGKILL);
            reap(true);
        }
    }
}

std::string Process::output() const
{
    if (m_outputFile.empty())
        return {};
    std::ifstream in(m_outputFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool runTool(const std::vector<std::string> &argv, const std::map<std::string, std::string> &environment,
             Milliseconds timeout, std::string *output)
{
    char name[] = "/tmp/plecta-e2e-tool-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0)
        return false;
    ::close(fd);
    ProcessOptions options;
    options.argv = argv;
    options.environment = environment;
    options.outputFile = name;
    std::optional<int> status;
    {
        Process tool(options);
        status = tool.waitFor(timeout);
        if (output)
            *output = tool.output();
    }
    ::unlink(name);
    return status && *status == 0;
}

} // namespace e2e
