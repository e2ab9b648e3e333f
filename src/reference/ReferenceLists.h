#pragma once
// How each reference list is filled from its compiled-in table: which texts go in which column,
// in table order, padding kept. The list windows and the tests fill through these.

#include "reference/ReportRows.h"

#include <cstdint>
#include <string>

namespace reflist {

// "Castellà - Català" shows the Castilian text first, "Català - Castellà" the Catalan text.
enum class VocabularyDirection { CastellaCatala, CatalaCastella };

// Room the lists reserve before inserting (a hint: the tables are walked to their end records).
inline constexpr int kVocabularyReserve = 3523;
inline constexpr int kAbbreviationsReserve = 326;
inline constexpr int kMunicipalitiesReserve = 945;

void FillVocabularyList(ReportRows &rows, VocabularyDirection direction);
void FillAbbreviationsList(ReportRows &rows);
void FillSymbolsList(ReportRows &rows);
// Name, comarca, postcode ("%05u") and telephone prefix ("%u").
void FillMunicipalitiesList(ReportRows &rows);
void FillComarquesList(ReportRows &rows);

std::string formatPostcode(std::uint32_t postcode); // "%05u": 8630 -> "08630", 0 -> "00000"
std::string formatPhonePrefix(std::uint32_t prefix); // "%u": 0 -> "0"

} // namespace reflist
