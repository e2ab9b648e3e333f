// plecta-cli: the handbook's numerals, lists and documents from a terminal. Text needs the core
// alone; a PDF is painted with QtGui on the offscreen platform, so no display is ever needed.

#include "cli/Commands.h"
#include "cli/GuiApplication.h"
#include "cli/Help.h"
#include "text/InputGate.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const cli::Command *kCommands[] = {
    &cli::kNumeralCommand,  &cli::kListCommand,  &cli::kKindsCommand,  &cli::kFieldsCommand,
    &cli::kDocumentCommand, &cli::kMergeCommand, &cli::kSearchCommand, &cli::kOrdinalCommand,
    &cli::kAmountCommand,   &cli::kCheckCommand, &cli::kSaveCommand,
};

// One line on standard error. Whatever of the user's input it quotes is shown escaped, so a
// control character or a stray byte never reaches the terminal raw.
int refuse(const cli::Failure &failure)
{
    std::fprintf(stderr, "plecta-cli: %s\n", textgate::escapeForTerminal(failure.message).c_str());
    return failure.status;
}

int refuse(const std::string &message)
{
    return refuse(cli::Failure{message});
}

// Everything written to standard output must have arrived: a full disk or a closed pipe is a
// failure, not a success.
int finish(int status)
{
    const cli::Problem problem = cli::flushOut();
    // A failure already reported stands; one line on standard error is enough.
    if (problem && (status == cli::kExitOk || status == cli::kExitNotFound))
        return refuse(*problem);
    return status;
}

int run(const std::vector<std::string> &words)
{
    if (words.empty())
        return refuse("falta l'ordre (vegeu plecta-cli --help)");
    const std::string &name = words.front();
    if (name == "--version") {
        if (words.size() > 1)
            return refuse("--version no pren cap argument");
        if (cli::Problem problem = cli::writeOut("Plecta " PLECTA_VERSION "\n"))
            return refuse(*problem);
        return cli::kExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        const std::string_view help = words.size() > 1 ? cli::commandHelp(words[1]) : std::string_view();
        if (cli::Problem problem = cli::writeOut(help.empty() ? cli::programHelp() : help))
            return refuse(*problem);
        return cli::kExitOk;
    }

    for (const cli::Command *command : kCommands) {
        if (command->name != name)
            continue;
        const auto args = cli::parseArgs(std::span(words).subspan(1), command->options);
        if (!args)
            return refuse(cli::usageFailure(name, args.failure().message).message);
        if (args->has("--help")) {
            if (cli::Problem problem = cli::writeOut(cli::commandHelp(name)))
                return refuse(*problem);
            return cli::kExitOk;
        }
        const std::size_t given = args->positional.size();
        const std::size_t most = command->positionals + command->optionalPositionals;
        if (given < command->positionals || given > most) {
            const std::string message = most == 0                      ? "no pren cap argument"
                                        : given < command->positionals ? "falta un argument"
                                                                       : "sobren arguments";
            return refuse(cli::usageFailure(name, message).message);
        }
        const auto status = command->run(*args);
        return status ? *status : refuse(status.failure());
    }
    return refuse("ordre desconeguda: «" + name + "» (vegeu plecta-cli --help)");
}

} // namespace

int main(int argc, char **argv)
{
    const cli::GuiApplicationScope gui; // made only if a PDF is painted
    return finish(run(std::vector<std::string>(argv + 1, argv + argc)));
}
