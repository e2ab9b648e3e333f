#pragma once
// The reference lists: how each is filled from its compiled-in table (which texts go in which
// column, in table order, padding kept), its column headings and widths, and whether a heading
// click sorts it and the search command searches it. The list windows, plecta-cli and the tests
// all read these, so a heading is written once.

#include "reference/ReportRows.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace reflist {

// "Castellà - Català" shows the Castilian text first, "Català - Castellà" the Catalan text.
enum class VocabularyDirection { CastellaCatala, CatalaCastella };

// Room the lists reserve before inserting (a hint: the tables are walked to their end records).
inline constexpr int kVocabularyReserve = 3948;
inline constexpr int kAbbreviationsReserve = 325;
inline constexpr int kMunicipalitiesReserve = 945;

void FillVocabularyList(ReportRows &rows, VocabularyDirection direction);
void FillAbbreviationsList(ReportRows &rows);
void FillSymbolsList(ReportRows &rows);
// Name, comarca, postcode ("%05u") and telephone prefix ("%u").
void FillMunicipalitiesList(ReportRows &rows);
void FillComarquesList(ReportRows &rows);
// The protocol treatments, one sentence of the offices column a row: form of address, its
// abbreviations and the office (treatments::treatmentEntries).
void FillTreatmentsList(ReportRows &rows);

// One column of a list: its heading (UTF-8, exactly as the window shows it) and its width in
// pixels.
struct ListColumn
{
    std::string_view heading;
    int width;
};

struct ReferenceList
{
    std::string_view name; // the list's name on the command line
    std::span<const ListColumn> columns;
    int reserve; // rows to reserve before filling (a hint; 0: none)
    void (*fill)(ReportRows &rows);
    bool sortable;   // a left click on a heading sorts by that column
    bool searchable; // the window's search command (Ctrl+F) looks through the first column
};

enum class ListId { Vocabulary, VocabularyCatalan, Abbreviations, Symbols, Municipalities, Comarques, Treatments };

const ReferenceList &referenceList(ListId id);
// Every list, in the order of ListId.
std::span<const ReferenceList> referenceLists();

// A list's rows in table order, as its window shows them before any sort.
ReportRows filledRows(const ReferenceList &list);

std::string formatPostcode(std::uint32_t postcode);  // "%05u": 8630 -> "08630", 0 -> "00000"
std::string formatPhonePrefix(std::uint32_t prefix); // "%u": 0 -> "0"

} // namespace reflist
