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

// The words of n (0 <= n <= kLargest) in Windows-1252, joined by single spaces, none at either end
// ("deu mil", "un milió cinc-cents mil"); kTooLarge for a larger n.
std::string WriteNumeral(unsigned n, NumeralGender gender);

struct NumeralTexts
{
    std::string feminine;
    std::string masculine;
};

// The digits of a number written with or without thousands dots ("1.234.567", "1234567"): a first
// group of one to three digits, then groups of three. Nothing for any other text.
std::optional<std::string> ungroupedDigits(std::string_view text);

// The rule of the number field: a number grouped by thousands dots is read as its digits
// ("1.234.567" is 1234567); then a text longer than eight characters is too large; otherwise its
// leading digits are read as the C library's atoi reads them (leading blanks and a sign allowed,
// reading stops at the first non-digit, no digits reads 0). A value that reads as negative has
// no words: the result is empty and the caller leaves its labels alone. The form's field admits
// digits only, so that case never reaches it from the keyboard or a paste.
std::optional<NumeralTexts> NumberToWords(std::string_view fieldText);

} // namespace numerals
