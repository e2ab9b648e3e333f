#include "cli/Commands.h"
#include "cli/TextInput.h"

#include "reference/ListSort.h"
#include "reference/ReferenceLists.h"
#include "text/Cp1252.h"

#include <charconv>
#include <cstdio>

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--sort", "", true, false},
    {"--desc", "", false, false},
    {"--find", "", true, false},
    {"--encoding", "", true, false},
};

using Table = reflist::ReferenceList;

// The lists exactly as their windows show them: headings, fill, and whether a heading click
// sorts; the treatments as one row for each sentence of the offices column.
Expected<const Table *> findTable(std::string_view name)
{
    std::string names;
    for (const Table &table : reflist::referenceLists()) {
        if (table.name == name)
            return &table;
        names += (names.empty() ? "" : ", ") + std::string(table.name);
    }
    return Failure{"taula desconeguda: «" + std::string(name) + "» (" + names + ")"};
}

// A column by its heading (letter case aside) or by its number from 1.
Expected<int> findColumn(const Table &table, std::string_view word)
{
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error == std::errc() && end == word.data() + word.size() && number >= 1 && number <= int(table.columns.size()))
        return number - 1;
    if (const auto wanted = gateText(word, "--sort")) {
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            if (cp1252::toLower(cp1252::fromUtf8(table.columns[i].heading).text) == cp1252::toLower(*wanted))
                return int(i);
        }
    }
    std::string names;
    for (const reflist::ListColumn &column : table.columns)
        names += (names.empty() ? "«" : ", «") + std::string(column.heading) + "»";
    return Failure{"--sort: la llista " + std::string(table.name) + " no té la columna «" + std::string(word) + "» (" +
                   names + ", o el número des d'1)"};
}

std::string rowText(const reflist::ReportRows &rows, int row, Encoding encoding)
{
    std::string line;
    for (int column = 0; column < rows.columnCount(); ++column) {
        if (column > 0)
            line += '\t';
        line += encode(rows.cellText(row, column), encoding);
    }
    return line + "\n";
}

Expected<int> run(const ParsedArgs &args)
{
    const auto table = findTable(args.positional.front());
    if (!table)
        return table.failure();
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();

    reflist::ReportRows rows = reflist::filledRows(**table);

    const std::string *sortColumn = args.value("--sort");
    if (args.has("--desc") && !sortColumn)
        return Failure{"--desc només té sentit amb --sort"};
    if (sortColumn) {
        if (!(*table)->sortable)
            return Failure{"--sort: la llista " + std::string((*table)->name) + " no s'ordena"};
        const auto column = findColumn(**table, *sortColumn);
        if (!column)
            return column.failure();
        // Descending is a second click on the same heading: it reorders the ascending rows, and
        // rows with equal keys end up where that second pass leaves them.
        reflist::HeaderSort state;
        reflist::OnHeaderClick(rows, state, *column, reflist::MouseButton::Left);
        if (args.has("--desc"))
            reflist::OnHeaderClick(rows, state, *column, reflist::MouseButton::Left);
    }

    std::string out;
    if (const std::string *find = args.value("--find")) {
        const auto searchText = gateText(*find, "--find");
        if (!searchText)
            return searchText.failure();
        // Ctrl+F again and again: each search starts after the row the last one selected. Every
        // list answers it by its first column, those whose window has no Ctrl+F too.
        for (int row = reflist::FindInList(rows, -1, *searchText); row >= 0;
             row = reflist::FindInList(rows, row, *searchText))
            out += rowText(rows, row, *encoding);
        if (out.empty()) {
            std::fputs("No trobat\n", stderr);
            return kExitNotFound;
        }
    } else {
        for (int row = 0; row < rows.rowCount(); ++row)
            out += rowText(rows, row, *encoding);
    }
    if (Problem problem = writeOut(out))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kListCommand{"list", kOptions, 1, run};

} // namespace cli
