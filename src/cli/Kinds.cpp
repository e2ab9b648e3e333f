#include "cli/Kinds.h"

#include "cli/TextInput.h"
#include "text/Cp1252.h"
#include "text/Fold.h"

#include <charconv>
#include <string>
#include <vector>

namespace cli {
namespace {

struct Catalogue
{
    const forms::DocListEntry *rows;
    std::string_view name;
};

// The two catalogues with the names of the functions that open them.
constexpr Catalogue kCatalogues[] = {
    {forms::g_tcDocList, "Textos de l'empresa"},
    {forms::g_apDocList, "Administració Pública"},
};

std::optional<int> parseId(std::string_view word)
{
    int id = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return id;
}

// How a query's words begin the words of a name, in the name's order: "sollicitud a" is
// "sol·licitud - Model A", "acta" is "acta de reunió", "alcada" is "recurs d'alçada". A query
// whose last word begins the name's last word reaches its end.
enum class WordMatch { None, Begins, ReachesEnd };

WordMatch matchNameWords(const std::vector<std::string> &query, const std::vector<std::string> &name)
{
    std::size_t next = 0;
    for (const std::string &word : query) {
        while (next < name.size() && !name[next].starts_with(word))
            ++next;
        if (next == name.size())
            return WordMatch::None;
        ++next;
    }
    if (query.empty())
        return WordMatch::None;
    return next == name.size() ? WordMatch::ReachesEnd : WordMatch::Begins;
}

std::vector<std::string> foldedName(const Kind &kind)
{
    return plecta::foldedWords(cp1252::fromUtf8(kind.entry->name).text);
}

// The kinds a loose name stands for: the one whose name folds to the same words (letter case,
// accents, the middle dot and punctuation aside); else the kinds whose names it begins word by
// word down to their last word ("sollicitud a": Model A, not "sol·licitud d'accés a la
// informació pública"); else every kind whose name it begins word by word.
std::vector<const Kind *> kindsByLooseName(const std::vector<Kind> &kinds, std::string_view cp1252Name)
{
    const std::vector<std::string> query = plecta::foldedWords(cp1252Name);
    std::vector<const Kind *> toTheEnd, begun;
    for (const Kind &kind : kinds) {
        const std::vector<std::string> name = foldedName(kind);
        if (name == query)
            return {&kind};
        const WordMatch match = matchNameWords(query, name);
        if (match == WordMatch::ReachesEnd)
            toTheEnd.push_back(&kind);
        if (match != WordMatch::None)
            begun.push_back(&kind);
    }
    return toTheEnd.empty() ? begun : toTheEnd;
}

} // namespace

std::vector<Kind> allKinds()
{
    std::vector<Kind> kinds;
    for (const Catalogue &catalogue : kCatalogues) {
        std::string_view group;
        for (const forms::DocListEntry &row : forms::catalogueRows(catalogue.rows)) {
            if (row.level == 0) {
                group = row.name;
                continue;
            }
            kinds.push_back({&row, catalogue.name, group, forms::formByLayoutId(row.formId)});
        }
    }
    return kinds;
}

std::string kindLabel(const Kind &kind)
{
    return "«" + std::string(kind.entry->name) + "»";
}

Expected<Kind> findKind(std::string_view word)
{
    const std::vector<Kind> kinds = allKinds();
    const Kind *found = nullptr;
    if (const auto id = parseId(word)) {
        for (const Kind &kind : kinds) {
            if (kind.entry->formId == *id)
                found = &kind;
        }
    } else if (const auto wanted = gateText(word, "el tipus de document")) {
        const std::vector<const Kind *> candidates = kindsByLooseName(kinds, *wanted);
        if (candidates.size() > 1) {
            std::string names;
            for (const Kind *kind : candidates)
                names +=
                    (names.empty() ? "" : ", ") + kindLabel(*kind) + " (" + std::to_string(kind->entry->formId) + ")";
            return Failure{"el tipus «" + std::string(word) + "» pot ser més d'un: " + names};
        }
        if (!candidates.empty())
            found = candidates.front();
    }
    if (!found)
        return Failure{"tipus de document desconegut: «" + std::string(word) + "» (vegeu plecta-cli kinds)"};
    if (!found->form)
        return Failure{"el tipus " + kindLabel(*found) + " encara no té formulari"};
    return *found;
}

} // namespace cli
