#pragma once
// Whole numbers from 0 to 99,999,999 written in Catalan words, feminine and masculine, as the
// "Numerals" form shows them while the user types.

#include "reference/ReferenceTables.h"

#include <optional>
#include <string>
#include <string_view>

namespace numerals {

inline constexpr unsigned kLargest = 99'999'999;
// Both results when the number field holds more than eight characters or a larger value.
inline constexpr std::string_view kTooLarge = "n\xFAmero massa gran"; // "número massa gran"

// The words of n (0 <= n <= kLargest) in Windows-1252; kTooLarge for a larger n. The pieces are joined exactly as the
// handbook always joined them, so a result may hold two spaces in a row ("deu  mil ") and may
// end in a space; it is never trimmed.
std::string WriteNumeral(unsigned n, NumeralGender gender);

struct NumeralTexts
{
    std::string feminine;
    std::string masculine;
};

// The rule of the number field: a text longer than eight characters is too large; otherwise its
// leading digits are read as the C library's atoi reads them (leading blanks and a sign allowed,
// reading stops at the first non-digit, no digits reads 0). A value that reads as negative has
// no words: the result is empty and the caller leaves its labels alone. The form's field admits
// digits only, so that case never reaches it from the keyboard or a paste.
std::optional<NumeralTexts> NumberToWords(std::string_view fieldText);

} // namespace numerals
