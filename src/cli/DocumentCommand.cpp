#include "cli/Commands.h"
#include "cli/DocumentFill.h"
#include "cli/Formats.h"
#include "cli/SavedValues.h"
#include "cli/StagedFiles.h"

#include "models/UnfilledFields.h"
#include "text/Cp1252.h"

#include <filesystem>
#include <unistd.h>

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--set", "", true, true},      {"--choose", "", true, true},    {"--line", "", true, true},
    {"--model", "", true, false},   {"--date", "", true, false},     {"--output", "-o", true, false},
    {"--force", "", false, false},  {"--encoding", "", true, false}, {"--format", "", true, false},
    {"--strict", "", false, false}, {"--values", "", true, false},
};

Expected<int> run(const ParsedArgs &args)
{
    // Without -o: UTF-8 for a terminal, the program's own bytes for a file or a pipe.
    const std::string *output = args.value("--output");
    const bool toTerminal = !output && ::isatty(STDOUT_FILENO) == 1;
    auto start = startFill(args, toTerminal ? Encoding::Utf8 : Encoding::Cp1252);
    if (!start)
        return start.failure();
    const KindRequest *request = &start->request;
    DocumentFill &fill = start->fill;
    if (Problem problem = applyFillOptions(fill, args))
        return *problem;
    if (Problem problem = fill.check())
        return *problem;
    // The format follows the file's extension unless --format says otherwise.
    const auto format = formatOption(args, output ? formatOfName(*output) : Format::Text);
    if (!format)
        return format.failure();
    const plecta::MergedDocument merged = fill.merged(*format != Format::Text);
    // Scripts that must not send a half-filled document ask for --strict; others get it silently.
    if (args.has("--strict")) {
        if (const auto left = plecta::unfilledFields(merged.text); !left.empty())
            return Failure{cp1252::toUtf8(plecta::unfilledFieldsMessage(left))};
    }
    const auto document = formatDocuments(*format, std::span(&merged, 1), request->kind.entry->name, request->encoding);
    if (!document)
        return document.failure();

    if (!output) {
        if (args.has("--force"))
            return Failure{"--force només té sentit amb -o FITXER"};
        if (Problem problem = writeOut(*document))
            return *problem;
        return kExitOk;
    }
    StagedFiles files(args.has("--force"));
    files.add(std::filesystem::path(*output), *document);
    if (Problem problem = files.commit())
        return *problem;
    return kExitOk;
}

} // namespace

const Command kDocumentCommand{"document", kOptions, 0, run, 1};

} // namespace cli
