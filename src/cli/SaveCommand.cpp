#include "cli/Commands.h"
#include "cli/SavedValues.h"
#include "cli/StagedFiles.h"

#include <filesystem>

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--set", "", true, true},     {"--choose", "", true, true},  {"--line", "", true, true},
    {"--model", "", true, false},  {"--date", "", true, false},   {"--output", "-o", true, false},
    {"--force", "", false, false}, {"--values", "", true, false},
};

// The form filled as the document command fills it, kept as a saved form (UTF-8 JSON) in the
// file -o names, or on standard output.
Expected<int> run(const ParsedArgs &args)
{
    auto start = startFill(args, Encoding::Utf8);
    if (!start)
        return start.failure();
    if (Problem problem = applyFillOptions(start->fill, args))
        return *problem;
    if (Problem problem = start->fill.check())
        return *problem;
    const std::string bytes = forms::writeSavedForm(start->fill.saved());

    const std::string *output = args.value("--output");
    if (!output) {
        if (args.has("--force"))
            return Failure{"--force només té sentit amb -o FITXER"};
        if (Problem problem = writeOut(bytes))
            return *problem;
        return kExitOk;
    }
    StagedFiles files(args.has("--force"));
    files.add(std::filesystem::path(*output), bytes);
    if (Problem problem = files.commit())
        return *problem;
    return kExitOk;
}

} // namespace

const Command kSaveCommand{"save", kOptions, 0, run, 1};

} // namespace cli
