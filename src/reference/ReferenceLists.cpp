#include "reference/ReferenceLists.h"

#include "reference/ReferenceTables.h"
#include "reference/Treatments.h"

#include <array>
#include <cstdio>

namespace reflist {

void FillVocabularyList(ReportRows &rows, VocabularyDirection direction)
{
    const bool castellaFirst = direction == VocabularyDirection::CastellaCatala;
    for (const VocabEntry *entry = g_vocabulary; entry->castilian; ++entry) {
        if (castellaFirst)
            rows.appendRow({entry->castilian, entry->catalan});
        else
            rows.appendRow({entry->catalan, entry->castilian});
    }
}

void FillAbbreviationsList(ReportRows &rows)
{
    for (const AbbrevEntry *entry = g_abbreviations; entry->abbreviation; ++entry)
        rows.appendRow({entry->abbreviation, entry->meaning});
}

void FillSymbolsList(ReportRows &rows)
{
    for (const SymbolEntry *entry = g_symbols; entry->symbol; ++entry)
        rows.appendRow({entry->symbol, entry->description});
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
    for (const MunicipalityEntry *entry = g_municipalities; entry->name; ++entry)
        rows.appendRow(
            {entry->name, entry->comarca, formatPostcode(entry->postcode), formatPhonePrefix(entry->phonePrefix)});
}

void FillComarquesList(ReportRows &rows)
{
    for (const char *const *name = g_comarques; *name; ++name)
        rows.appendRow({*name});
}

void FillTreatmentsList(ReportRows &rows)
{
    for (const treatments::TreatmentEntry &entry : treatments::treatmentEntries())
        rows.appendRow({entry.form, entry.abbreviations, entry.office});
}

namespace {

void fillCastellaCatala(ReportRows &rows)
{
    FillVocabularyList(rows, VocabularyDirection::CastellaCatala);
}

void fillCatalaCastella(ReportRows &rows)
{
    FillVocabularyList(rows, VocabularyDirection::CatalaCastella);
}

constexpr std::string_view kCastella = "Castellà", kCatala = "Català";
constexpr ListColumn kCastellaCatala[] = {{kCastella, 420}, {kCatala, 420}};
constexpr ListColumn kCatalaCastella[] = {{kCatala, 420}, {kCastella, 420}};
// Each heading says what its column holds.
constexpr ListColumn kAbbreviations[] = {{"Abreviatura", 290}, {"Significat", 290}};
constexpr ListColumn kSymbols[] = {{"Símbol o sigla", 290}, {"Significat", 290}};
constexpr ListColumn kMunicipalities[] = {{"Municipis", 200}, {"Comarca", 200}, {"Codi Postal", 75}, {"Prefix", 75}};
constexpr ListColumn kComarques[] = {{"Comarca", 500}};
constexpr ListColumn kTreatments[] = {{"Tractament", 240}, {"Abreviatures", 200}, {"Càrrec", 420}};

// In the order of ListId.
constexpr std::array<ReferenceList, 7> kLists = {{
    {"vocabulary", kCastellaCatala, kVocabularyReserve, fillCastellaCatala, true, true},
    {"vocabulary-ca", kCatalaCastella, kVocabularyReserve, fillCatalaCastella, true, true},
    {"abbreviations", kAbbreviations, kAbbreviationsReserve, FillAbbreviationsList, true, false},
    {"symbols", kSymbols, 0, FillSymbolsList, true, false},
    {"municipalities", kMunicipalities, kMunicipalitiesReserve, FillMunicipalitiesList, true, true},
    {"comarques", kComarques, 0, FillComarquesList, false, false},
    {"treatments", kTreatments, 0, FillTreatmentsList, true, false},
}};
static_assert(kLists[std::size_t(ListId::VocabularyCatalan)].name == "vocabulary-ca" &&
              kLists[std::size_t(ListId::Municipalities)].name == "municipalities" &&
              kLists[std::size_t(ListId::Comarques)].name == "comarques" &&
              kLists[std::size_t(ListId::Treatments)].name == "treatments" && kLists.size() == 7);

} // namespace

const ReferenceList &referenceList(ListId id)
{
    return kLists[static_cast<std::size_t>(id)];
}

std::span<const ReferenceList> referenceLists()
{
    return kLists;
}

ReportRows filledRows(const ReferenceList &list)
{
    ReportRows rows(int(list.columns.size()));
    rows.reserve(list.reserve);
    list.fill(rows);
    return rows;
}

} // namespace reflist
