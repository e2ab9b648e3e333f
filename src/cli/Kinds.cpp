#include "cli/Kinds.h"

#include "cli/TextInput.h"
#include "text/Cp1252.h"

#include <charconv>

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

} // namespace

std::vector<Kind> allKinds()
{
    std::vector<Kind> kinds;
    for (const Catalogue &catalogue : kCatalogues) {
        std::string_view group;
        for (const forms::DocListEntry &row : forms::catalogueRows(catalogue.rows)) {
            if (row.nLevel == 0) {
                group = row.pszName;
                continue;
            }
            kinds.push_back({&row, catalogue.name, group, forms::formByLayoutId(row.nFormID)});
        }
    }
    return kinds;
}

std::string kindLabel(const Kind &kind)
{
    return "«" + std::string(kind.entry->pszName) + "»";
}

Expected<Kind> findKind(std::string_view word)
{
    const std::vector<Kind> kinds = allKinds();
    const Kind *found = nullptr;
    if (const auto id = parseId(word)) {
        for (const Kind &kind : kinds) {
            if (kind.entry->nFormID == *id)
                found = &kind;
        }
    } else if (const auto wanted = gateText(word, "el tipus de document")) {
        // Compared in Windows-1252 lower case, so "Carta" and a decomposed "albara\u0300" both match.
        const std::string key = cp1252::toLower(*wanted);
        for (const Kind &kind : kinds) {
            if (cp1252::toLower(cp1252::fromUtf8(kind.entry->pszName).text) == key)
                found = &kind;
        }
    }
    if (!found)
        return Failure{"tipus de document desconegut: «" + std::string(word) + "» (vegeu plecta-cli kinds)"};
    if (!found->form)
        return Failure{"el tipus " + kindLabel(*found) + " encara no té formulari"};
    return *found;
}

} // namespace cli
