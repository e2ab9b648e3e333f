#include "cli/Commands.h"
#include "cli/TextInput.h"

#include "reference/HandbookSearch.h"
#include "text/Fold.h"

#include <cstdio>
#include <vector>

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--in", "", true, false},
    {"--encoding", "", true, false},
};

std::string names()
{
    std::string out;
    for (reflist::HandbookPart part : reflist::kHandbookParts)
        out += (out.empty() ? "" : ", ") + std::string(reflist::partName(part));
    return out;
}

// "--in vocabulary,municipalities": the lists named, each once.
Expected<std::vector<reflist::HandbookPart>> listsOption(const ParsedArgs &args)
{
    const std::string *value = args.value("--in");
    if (!value)
        return std::vector<reflist::HandbookPart>(reflist::kHandbookParts.begin(), reflist::kHandbookParts.end());
    std::vector<reflist::HandbookPart> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value->find(',', start);
        const std::string name = value->substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto part = reflist::partByName(name);
        if (!part)
            return Failure{"--in: llista desconeguda: «" + name + "» (" + names() + ")"};
        parts.push_back(*part);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return parts;
}

std::string_view unpadded(std::string_view cell)
{
    const std::size_t end = cell.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : cell.substr(0, end + 1);
}

Expected<int> run(const ParsedArgs &args)
{
    const auto query = gateText(args.positional.front(), "TEXT");
    if (!query)
        return query.failure();
    const plecta::SearchQuery search = plecta::parseQuery(*query);
    if (search.empty())
        return Failure{"el text a cercar és buit: ha de tenir alguna lletra o xifra"};
    const auto parts = listsOption(args);
    if (!parts)
        return parts.failure();
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();

    const reflist::HandbookIndex index;
    std::string out;
    for (const reflist::HandbookHit &hit : index.search(search, *parts, false)) {
        const reflist::ReportRows &rows = index.rows(hit.part);
        out += reflist::partName(hit.part);
        for (int column = 0; column < rows.columnCount(); ++column) {
            out += '\t';
            out += encode(unpadded(rows.cellText(hit.row, column)), *encoding);
        }
        out += '\n';
    }
    if (out.empty()) {
        std::fputs("No trobat\n", stderr);
        return kExitNotFound;
    }
    if (Problem problem = writeOut(out))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kSearchCommand{"search", kOptions, 1, run};

} // namespace cli
