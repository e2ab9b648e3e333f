#pragma once
// Sums of money in euros written in Catalan words, as cheques, receipts and contracts spell them:
// "mil dos-cents trenta-quatre euros amb cinquanta-sis cèntims".

#include <optional>
#include <string>
#include <string_view>

namespace numerals {

inline constexpr unsigned kLargestEuros = 99'999'999;

struct Amount
{
    unsigned euros = 0;
    unsigned cents = 0; // 0 to 99
};

// Why a text is not an amount (Windows-1252, one line, to follow the text quoted).
inline constexpr std::string_view kNotAnAmount =
    "no \xE9s un import: escriviu xifres, amb punts de milers si voleu i coma decimal (1.234,56)";
inline constexpr std::string_view kAmountTooLarge = "import massa gran: el m\xE0xim \xE9s 99.999.999,99";

// Reads an amount written the Catalan way: digits, optionally grouped in thousands by dots
// ("1.234" but not "1.23" or "12.34"), and optionally a decimal comma with one or two digits
// ("1234,5" is 1,234 euros and 50 cents). Blanks around it are allowed. On refusal, *whyNot (when
// given) is kNotAnAmount or kAmountTooLarge.
std::optional<Amount> parseAmount(std::string_view text, std::string_view *whyNot = nullptr);

// The amount in masculine words, single spaces: "un euro", "vint-i-un euros", "un milió d'euros",
// "un milió cent euros", "cinquanta cèntims", "zero euros".
std::string amountInWords(Amount amount);

// The figure with thousands dots, two decimals and the euro sign: "1.200,00 €".
std::string amountFigure(Amount amount);

// Words and figure together, as a document states a sum: "mil dos-cents euros (1.200,00 €)".
std::string amountInWordsAndFigure(Amount amount);

} // namespace numerals
