#pragma once
// Ordinal numbers in Catalan words and in their short written form ("21è", "21a").

#include "reference/ReferenceTables.h"

#include <optional>
#include <string>

namespace numerals {

inline constexpr unsigned kLargestOrdinal = 999'999;

struct OrdinalTexts
{
    std::string feminine;       // "vint-i-unena"
    std::string masculine;      // "vint-i-unè"
    std::string feminineShort;  // "21a"
    std::string masculineShort; // "21è"
};

// The ordinal of n, 1 <= n <= kLargestOrdinal, in Windows-1252; nothing outside that range.
// 1 to 4 have their own words (primer, segon, tercer, quart); from 5 on the masculine is the
// cardinal with its last word made ordinal ("cent unè", "dos-centè", "dos milè") and the
// feminine turns its final "è" into "ena".
std::optional<OrdinalTexts> ordinal(unsigned n);

} // namespace numerals
