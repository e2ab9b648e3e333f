// plecta-cli: the handbook's numerals, lists and documents from a terminal, on the core alone.

#include "cli/Commands.h"
#include "cli/Help.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const cli::Command *kCommands[] = {
    &cli::kNumeralCommand,  &cli::kListCommand,  &cli::kKindsCommand,   &cli::kFieldsCommand,
    &cli::kDocumentCommand, &cli::kMergeCommand, &cli::kOrdinalCommand, &cli::kAmountCommand,
};

int refuse(const std::string &message)
{
    std::fprintf(stderr, "plecta-cli: %s\n", message.c_str());
    return cli::kExitBadInput;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty())
        return refuse("falta l'ordre (vegeu plecta-cli --help)");
    const std::string &name = words.front();
    if (name == "--help" || name == "-h" || name == "help") {
        const std::string_view help = words.size() > 1 ? cli::commandHelp(words[1]) : std::string_view();
        cli::writeOut(help.empty() ? cli::programHelp() : help);
        return cli::kExitOk;
    }

    for (const cli::Command *command : kCommands) {
        if (command->name != name)
            continue;
        const auto args = cli::parseArgs(std::span(words).subspan(1), command->options);
        if (!args)
            return refuse(cli::usageFailure(name, args.failure().message).message);
        if (args->has("--help")) {
            cli::writeOut(cli::commandHelp(name));
            return cli::kExitOk;
        }
        if (args->positional.size() != command->positionals) {
            const std::string message = command->positionals == 0                        ? "no pren cap argument"
                                        : args->positional.size() < command->positionals ? "falta un argument"
                                                                                         : "sobren arguments";
            return refuse(cli::usageFailure(name, message).message);
        }
        const auto status = command->run(*args);
        return status ? *status : refuse(status.failure().message);
    }
    return refuse("ordre desconeguda: «" + name + "» (vegeu plecta-cli --help)");
}
