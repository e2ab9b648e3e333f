#include "reference/ReferenceLists.h"

#include "reference/ReferenceTables.h"

#include <cstdio>

namespace reflist {

void FillVocabularyList(ReportRows &rows, VocabularyDirection direction)
{
    const bool castellaFirst = direction == VocabularyDirection::CastellaCatala;
    for (const VocabEntry *entry = g_vocabulary; entry->pszCastella; ++entry) {
        if (castellaFirst)
            rows.appendRow({entry->pszCastella, entry->pszCatala});
        else
            rows.appendRow({entry->pszCatala, entry->pszCastella});
    }
}

void FillAbbreviationsList(ReportRows &rows)
{
    for (const AbbrevEntry *entry = g_abbreviations; entry->pszAbbrev; ++entry)
        rows.appendRow({entry->pszAbbrev, entry->pszMeaning});
}

void FillSymbolsList(ReportRows &rows)
{
    for (const SymbolEntry *entry = g_symbols; entry->pszSymbol; ++entry)
        rows.appendRow({entry->pszSymbol, entry->pszDescription});
}

std::string formatPostcode(std::uint32_t postcode)
{
    char text[16];
    std::snprintf(text, sizeof text, "%05u", static_cast<unsigned>(postcode));
    return text;
}

std::string formatPhonePrefix(std::uint32_t prefix)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(prefix));
    return text;
}

void FillMunicipalitiesList(ReportRows &rows)
{
    for (const MunicipalityEntry *entry = g_municipalities; entry->pszName; ++entry)
        rows.appendRow({entry->pszName, entry->pszComarca, formatPostcode(entry->nPostcode),
                        formatPhonePrefix(entry->nPhonePrefix)});
}

void FillComarquesList(ReportRows &rows)
{
    for (const char *const *name = g_comarques; *name; ++name)
        rows.appendRow({*name});
}

} // namespace reflist
