#include "cli/Commands.h"
#include "cli/Csv.h"
#include "cli/DocumentFill.h"
#include "cli/Formats.h"
#include "cli/SavedValues.h"
#include "cli/StagedFiles.h"
#include "text/InputGate.h"
#include "text/Utf8.h"

#include <filesystem>
#include <map>

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--csv", "", true, false},      {"--out", "", true, false},    {"--name", "", true, false},
    {"--set", "", true, true},       {"--choose", "", true, true},  {"--line", "", true, true},
    {"--model", "", true, false},    {"--date", "", true, false},   {"--force", "", false, false},
    {"--encoding", "", true, false}, {"--format", "", true, false}, {"--single", "", true, false},
    {"--values", "", true, false},
};

// What each CSV column is: a field of the form, the column that names the files, or both.
struct Columns
{
    std::vector<std::string> fieldIds; // per column; empty for a column that is not a field
    std::optional<std::size_t> name;
};

Expected<Columns> readHeader(const Kind &kind, const CsvRecord &header, const std::string *nameColumn)
{
    Columns columns;
    std::map<std::string, std::size_t> seen;
    std::map<const forms::Item *, std::string> fieldColumns; // a field may be named or numbered, once
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string &title = header.fields[i];
        if (!seen.emplace(title, i).second)
            return Failure{"CSV, línia 1: la columna «" + title + "» hi és dues vegades"};
        const bool isName = nameColumn && title == *nameColumn;
        if (isName)
            columns.name = i;
        const forms::Item *field = forms::findField(*kind.form, title);
        if (field && !fieldColumns.emplace(field, title).second)
            return Failure{"CSV, línia 1: les columnes «" + fieldColumns[field] + "» i «" + title +
                           "» són el mateix camp"};
        if (field && field->kind == forms::ItemKind::LineList)
            return Failure{"CSV, línia 1: la columna «" + title + "» és la llista de línies, que no es dona al CSV " +
                           "(afegiu-hi línies amb --line)"};
        if (!field && !isName)
            return Failure{"CSV, línia 1: la columna «" + title + "» no és cap camp de " + kindLabel(kind) +
                           " (vegeu plecta-cli fields " + std::to_string(kind.entry->formId) + ")"};
        columns.fieldIds.push_back(field ? title : std::string());
    }
    if (nameColumn && !columns.name)
        return Failure{"--name: el CSV no té la columna «" + *nameColumn + "»"};
    return columns;
}

bool endsWithNoCase(std::string_view name, std::string_view extension)
{
    if (name.size() <= extension.size())
        return false;
    name.remove_prefix(name.size() - extension.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'A' && name[i] <= 'Z' ? char(name[i] - 'A' + 'a') : name[i];
        if (c != extension[i])
            return false;
    }
    return true;
}

// A file name taken from a cell: one name inside the folder, with the format's extension added.
Expected<std::string> fileName(std::string_view cell, std::size_t line, std::string_view extension)
{
    const std::string where = "CSV, línia " + std::to_string(line) + ", el nom de fitxer «" + std::string(cell) + "»";
    if (cell.empty() || cell == "." || cell == "..")
        return Failure{where + " no és vàlid"};
    for (std::size_t pos = 0; pos < cell.size();) {
        const char32_t c = utf8::decode(cell, pos);
        if (c == '/' || textgate::isUnprintable(c))
            return Failure{where + " no pot contenir «/», caràcters de control ni bytes que no són UTF-8"};
    }
    std::string name(cell);
    return endsWithNoCase(name, extension) ? name : name + std::string(extension);
}

std::string numberedName(std::size_t number, std::size_t count, std::string_view extension)
{
    std::string digits = std::to_string(number);
    const std::size_t width = std::max<std::size_t>(3, std::to_string(count).size());
    return std::string(width - std::min(width, digits.size()), '0') + digits + std::string(extension);
}

Expected<int> run(const ParsedArgs &args)
{
    // The saved form, when given, is the part every row shares.
    auto start = startFill(args, Encoding::Cp1252);
    if (!start)
        return start.failure();
    const KindRequest *request = &start->request;
    const Kind &kind = request->kind;
    const std::string *csvPath = args.value("--csv");
    const std::string *outDir = args.value("--out");
    const std::string *single = args.value("--single");
    if (!csvPath || (!outDir && !single))
        return Failure{"cal donar --csv FITXER i --out CARPETA (o --single FITXER)"};
    if (single && (outDir || args.has("--name")))
        return Failure{"--single escriu un sol fitxer: no pren --out ni --name"};
    const auto format = formatOption(args, single ? formatOfName(*single) : Format::Text);
    if (!format)
        return format.failure();
    if (single && *format == Format::Text)
        return Failure{"--single escriu un fitxer .pdf o .odt, un document per pàgina"};
    const std::string_view extension = extensionOf(*format);
    const std::string_view title = kind.entry->name;

    const auto text = readInput(*csvPath);
    if (!text)
        return text.failure();
    const auto records = parseCsv(*text);
    if (!records)
        return records.failure();
    const auto columns = readHeader(kind, records->front(), args.value("--name"));
    if (!columns)
        return columns.failure();
    const std::size_t count = records->size() - 1;
    if (count == 0)
        return Failure{"el CSV no té cap fila de dades, només la capçalera"};

    // Every document is built, and every name checked, before anything is written.
    std::vector<std::pair<std::string, plecta::MergedDocument>> documents; // file name, document
    std::map<std::string, std::size_t> names;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord &record = (*records)[r];
        DocumentFill fill = start->fill;
        if (Problem problem = applyFillOptions(fill, args))
            return *problem;
        for (std::size_t c = 0; c < record.fields.size(); ++c) {
            const std::string &id = columns->fieldIds[c];
            if (id.empty())
                continue;
            const std::string where = "CSV, línia " + std::to_string(record.line) + ", columna " + id;
            if (Problem problem = fill.setCell(id, record.fields[c], where))
                return *problem;
        }
        if (Problem problem = fill.check())
            return Failure{"CSV, línia " + std::to_string(record.line) + ": " + problem->message};

        auto name = columns->name ? fileName(record.fields[*columns->name], record.line, extension)
                                  : Expected<std::string>(numberedName(r, count, extension));
        if (!name)
            return name.failure();
        if (const auto [at, added] = names.emplace(*name, record.line); !added)
            return Failure{"CSV, línia " + std::to_string(record.line) + ": el nom de fitxer «" + *name +
                           "» ja és el de la línia " + std::to_string(at->second)};
        documents.emplace_back(std::move(*name), fill.merged(*format != Format::Text));
    }

    if (single) {
        std::vector<plecta::MergedDocument> texts;
        for (auto &document : documents)
            texts.push_back(std::move(document.second));
        const auto bytes = formatDocuments(*format, texts, title, request->encoding);
        if (!bytes)
            return bytes.failure();
        StagedFiles file(args.has("--force"));
        file.add(std::filesystem::path(*single), *bytes);
        if (Problem problem = file.commit())
            return *problem;
        if (Problem problem = writeOut(*single + "\n"))
            return *problem;
        return kExitOk;
    }

    const std::filesystem::path folder(*outDir);
    StagedFiles files(args.has("--force"));
    if (Problem problem = files.createFolder(folder))
        return Failure{"--out: " + problem->message, problem->status};
    std::vector<plecta::MergedDocument> merged;
    for (auto &document : documents)
        merged.push_back(std::move(document.second));
    auto bytes = formatEach(*format, merged, title, request->encoding);
    if (!bytes)
        return bytes.failure();
    for (std::size_t d = 0; d < documents.size(); ++d)
        files.add(folder / documents[d].first, std::move((*bytes)[d]));
    if (Problem problem = files.commit())
        return *problem;

    std::string written;
    for (const auto &document : documents)
        written += (folder / document.first).string() + "\n";
    if (Problem problem = writeOut(written))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kMergeCommand{"merge", kOptions, 0, run, 1};

} // namespace cli
