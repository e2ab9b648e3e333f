#include "CliRunner.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

extern char **environ;

void CliTest::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "plecta-cli-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    std::filesystem::create_directory(m_dir / "captured");
}

void CliTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_dir, ignored);
}

CliRun CliTest::run(const std::vector<std::string> &args) const
{
    return run(args, {}, {});
}

CliRun CliTest::run(const std::vector<std::string> &args, const std::string &input, const std::string &output,
                    int stopAfter) const
{
    const std::string out = output.empty() ? (m_dir / "captured" / "out").string() : (m_dir / output).string();
    const std::string err = (m_dir / "captured" / "err").string();
    std::vector<std::string> words = {PLECTA_CLI};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!input.empty())
        posix_spawn_file_actions_addopen(&actions, 0, (m_dir / input).c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Relative paths in the arguments are taken in the scratch folder.
    posix_spawn_file_actions_addchdir_np(&actions, m_dir.c_str());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PLECTA_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    CliRun result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << PLECTA_CLI;
        return result;
    }
    if (stopAfter >= 0) {
        ::usleep(useconds_t(stopAfter));
        ::kill(pid, SIGINT);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.out = output.empty() ? readFile("captured/out") : std::string();
    result.err = readFile("captured/err");
    return result;
}

void CliTest::writeFile(const std::filesystem::path &name, const std::string &bytes) const
{
    std::ofstream(m_dir / name, std::ios::binary) << bytes;
}

std::string CliTest::readFile(const std::filesystem::path &name) const
{
    std::ifstream in(m_dir / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> CliTest::filesIn(const std::filesystem::path &folder) const
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(m_dir / folder, ignored))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

::testing::AssertionResult refused(const CliRun &run, const std::string &mentions)
{
    if (run.status != 2)
        return ::testing::AssertionFailure() << "status " << run.status << ", stderr: " << run.err;
    if (std::count(run.err.begin(), run.err.end(), '\n') != 1 || !run.err.ends_with("\n"))
        return ::testing::AssertionFailure() << "not one line on stderr: " << run.err;
    if (run.err.find(mentions) == std::string::npos)
        return ::testing::AssertionFailure() << "stderr does not mention \"" << mentions << "\": " << run.err;
    return ::testing::AssertionSuccess();
}
