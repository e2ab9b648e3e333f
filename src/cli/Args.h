#pragma once
// The command line of one command: its positional words and its options, each option known in
// advance. "--name value", "--name=value" and "-o value" are all accepted; "--" ends the options.

#include "cli/Expected.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct OptionSpec
{
    std::string_view name;      // "--set"
    std::string_view shortName; // "-o", or empty
    bool takesValue = false;
    bool repeatable = false;
};

class ParsedArgs
{
public:
    std::vector<std::string> positional;

    bool has(std::string_view name) const { return m_options.contains(name); }
    // The value of a non-repeatable option, or nullptr when it was not given.
    const std::string *value(std::string_view name) const;
    // Every value of an option, in the order given.
    const std::vector<std::string> &values(std::string_view name) const;

    void add(std::string_view name, std::string value);

private:
    std::map<std::string, std::vector<std::string>, std::less<>> m_options;
};

// "--help" and "-h" are always recognised, so every command can answer them.
Expected<ParsedArgs> parseArgs(std::span<const std::string> args, std::span<const OptionSpec> specs);

// A parsing error with the command's name, so the user knows where to ask for --help.
Failure usageFailure(std::string_view command, std::string_view message);

} // namespace cli
