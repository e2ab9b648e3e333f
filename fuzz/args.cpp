// Fuzz target for the command line: random words (split at NUL bytes) parsed with the document
// command's options, then applied to a document as plecta-cli applies them. Besides memory and
// undefined-behaviour faults it checks that a parse, written back in the long "--name=value" form,
// parses the same, that non-repeatable options hold one value, and that a filled document never
// holds a control character other than the CR LF line ends and the models' own TABs.

#include "cli/Args.h"
#include "cli/Commands.h"
#include "cli/DocumentFill.h"
#include "cli/Kinds.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "args fuzz: %s\n", what);
        std::abort();
    }
}

constexpr cli::OptionSpec kOptions[] = {
    {"--set", "", true, true},     {"--choose", "", true, true},    {"--line", "", true, true},
    {"--model", "", true, false},  {"--date", "", true, false},     {"--output", "-o", true, false},
    {"--force", "", false, false}, {"--encoding", "", true, false},
};

constexpr const char *kKinds[] = {"carta",          "albarà",  "certificat", "desistiment",
                                  "acta de reunió", "comanda", "invitació"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    const auto parsed = cli::parseArgs(words, kOptions);
    if (!parsed)
        return 0;

    std::vector<std::string> again;
    for (const cli::OptionSpec &spec : kOptions) {
        const auto &values = parsed->values(spec.name);
        require(spec.repeatable || values.size() <= 1, "non-repeatable option given twice");
        for (const std::string &value : values)
            again.push_back(std::string(spec.name) + (spec.takesValue ? "=" + value : ""));
    }
    if (parsed->has("--help"))
        again.push_back("--help");
    again.push_back("--");
    again.insert(again.end(), parsed->positional.begin(), parsed->positional.end());
    const auto reparsed = cli::parseArgs(again, kOptions);
    require(reparsed.ok(), "written-back words refused");
    require(reparsed->positional == parsed->positional, "positional words differ");
    for (const cli::OptionSpec &spec : kOptions)
        require(reparsed->values(spec.name) == parsed->values(spec.name), "option values differ");

    // The options applied to a document, as plecta-cli document does.
    const auto kind = cli::findKind(kKinds[size % std::size(kKinds)]);
    require(kind.ok(), "a known kind not found");
    cli::DocumentFill fill(*kind, std::chrono::year{2024} / 3 / 15);
    if (cli::applyFillOptions(fill, *parsed))
        return 0;
    const std::string text = fill.text();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r')
            require(i + 1 < text.size() && text[i + 1] == '\n', "CR without LF in the document");
        require(byte >= 0x20 || byte == '\r' || byte == '\n' || byte == '\t', "control character in the document");
    }
    return 0;
}
