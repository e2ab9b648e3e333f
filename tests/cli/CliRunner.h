#pragma once
// Runs the built plecta-cli in a scratch folder of its own and captures what it prints.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

struct CliRun
{
    int status = -1; // -1 when a signal ended it
    int signal = 0;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // plecta-cli with these arguments, run in dir().
    CliRun run(const std::vector<std::string> &args) const;
    // The same with standard input read from `input` and standard output written to `output`
    // (paths in dir() or absolute, such as /dev/full; empty: as run() has them). With `stopAfter`,
    // the program is sent SIGINT after that many microseconds.
    CliRun run(const std::vector<std::string> &args, const std::string &input, const std::string &output,
               int stopAfter = -1) const;

    const std::filesystem::path &dir() const { return m_dir; }
    void writeFile(const std::filesystem::path &name, const std::string &bytes) const;
    std::string readFile(const std::filesystem::path &name) const;
    // The names of the files in a folder, sorted; scratch files left behind show up too.
    std::vector<std::string> filesIn(const std::filesystem::path &folder) const;

private:
    std::filesystem::path m_dir;
};

// A refusal: exit status 2 and exactly one line on standard error, holding `mentions`.
::testing::AssertionResult refused(const CliRun &run, const std::string &mentions);
