#pragma once
// Sums of money and quantities as exact decimals: whole cents and thousandths held in integers,
// never binary floating point, so 0,10 × 3 is 0,30. Read and written the Catalan way: thousands
// grouped by dots, a decimal comma ("1.234,56 €"). Texts are Windows-1252.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace money {

using Cents = std::int64_t;       // an amount in euro cents
using Thousandths = std::int64_t; // a quantity in thousandths of a unit

inline constexpr Cents kLargestAmount = 99'999'999'999; // 999.999.999,99 €

// A number read from a user's text, or the Catalan reason it is refused (Windows-1252).
template <typename T> struct Reading
{
    std::optional<T> value;
    std::string whyNot;
};

// A sum of money: digits with optional thousands dots in groups of three ("1.234"), an optional
// decimal comma with one or two digits, an optional euro sign after it. Never negative, never
// more than kLargestAmount.
Reading<Cents> readAmount(std::string_view text);

// A quantity: the same form, with up to three decimals ("1,5", "0,250"), no euro sign.
Reading<Thousandths> readQuantity(std::string_view text);

// A VAT rate as written in a form: "21 %", "21%", "10", "5,5 %", or "exempt" (zero). In
// hundredths of a per cent (2100 for 21 %).
std::optional<int> readVatRate(std::string_view text);

// quantity × unit price, rounded half up to the cent; nothing when over kLargestAmount.
std::optional<Cents> lineAmount(Thousandths quantity, Cents unitPrice);

// The VAT of a base at a rate in hundredths of a per cent, rounded half up to the cent.
Cents vatOf(Cents base, int rateHundredths);

// "1.234,56": thousands dots, two decimals, no currency sign.
std::string formatAmount(Cents amount);
// "21 %", "5,5 %", "exempt" as a document names the rate.
std::string formatVatRate(int rateHundredths);

} // namespace money
