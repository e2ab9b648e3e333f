#pragma once
// The municipalities as a form field proposes them while the user types: which ones match the
// text typed, and the comarca and postcodes that come with the one taken.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plecta {

// The indexes in g_municipalities of the municipalities that match a typed text (Windows-1252),
// best first, at most limit of them; none for a text without letters or digits. Texts are
// compared folded (no case, no accents, "l·l" as "ll"), so "moia" finds "Moià" and "hospitalet"
// finds "l'Hospitalet de Llobregat". The names that begin with the text come first (in the
// register's form or in running form), then those with a word that begins with it, then those
// that merely hold every word typed; within each, the table's order.
std::vector<std::size_t> municipalityProposals(std::string_view typed, std::size_t limit = 100);

// The comarca of a municipality, without the padding.
std::string municipalityComarca(std::size_t index);

// A postcode as five digits, "08180".
std::string postcodeText(std::uint32_t postcode);

// The municipality's postcodes as five-digit texts: the main one first, then the others in the
// order the data gives them.
std::vector<std::string> municipalityPostcodes(std::size_t index);

} // namespace plecta
