#include "models/Money.h"

namespace money {
namespace {

// Reasons, Windows-1252.
constexpr std::string_view kNotANumber = "no \xE9s un nombre: escriviu xifres, amb punts de milers si voleu i una sola "
                                         "coma decimal (1.234,56)";
constexpr std::string_view kNegative = "no pot ser negatiu";
constexpr std::string_view kTooManyCentDecimals = "t\xE9 massa decimals: un import en porta dos com a m\xE0xim";
constexpr std::string_view kTooManyQuantityDecimals = "t\xE9 massa decimals: tres com a m\xE0xim";
constexpr std::string_view kAmountTooLarge = "import massa gran: el m\xE0xim \xE9s 999.999.999,99";
constexpr std::string_view kQuantityTooLarge = "quantitat massa gran: la m\xE0xima \xE9s 999.999.999";

constexpr std::int64_t kLargestWhole = 999'999'999;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\xA0';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct Decimal
{
    std::int64_t scaled = 0; // the number × 10^decimals
};

// Digits with optional thousands dots, then an optional comma and at most `decimals` digits.
Reading<Decimal> readDecimal(std::string_view text, int decimals, std::string_view tooManyDecimals,
                             std::string_view tooLarge)
{
    Reading<Decimal> reading;
    text = trimmed(text);
    if (!text.empty() && text.front() == '-') {
        reading.whyNot = kNegative;
        return reading;
    }
    const std::size_t comma = text.find(',');
    std::string_view whole = text.substr(0, comma);
    std::string_view fraction = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    bool wellFormed = !whole.empty() && (comma == std::string_view::npos || !fraction.empty());
    for (char c : fraction)
        wellFormed = wellFormed && isDigit(c);

    std::int64_t integer = 0;
    int digits = 0;
    bool tooBig = false;
    if (wellFormed) {
        // Either no dots at all, or a first group of one to three digits and groups of three.
        const bool grouped = whole.find('.') != std::string_view::npos;
        std::size_t groupLength = 0;
        bool firstGroup = true;
        for (char c : whole) {
            if (c == '.') {
                wellFormed = wellFormed && groupLength >= 1 && (firstGroup ? groupLength <= 3 : groupLength == 3);
                groupLength = 0;
                firstGroup = false;
                continue;
            }
            if (!isDigit(c)) {
                wellFormed = false;
                break;
            }
            ++groupLength;
            if (integer > 0 || c != '0')
                ++digits;
            integer = digits <= 9 ? integer * 10 + (c - '0') : integer;
            tooBig = tooBig || digits > 9;
        }
        if (grouped)
            wellFormed = wellFormed && groupLength == 3;
    }
    if (!wellFormed) {
        reading.whyNot = kNotANumber;
        return reading;
    }
    if (fraction.size() > std::size_t(decimals)) {
        reading.whyNot = tooManyDecimals;
        return reading;
    }
    if (tooBig || integer > kLargestWhole) {
        reading.whyNot = tooLarge;
        return reading;
    }
    std::int64_t scaled = integer;
    for (int i = 0; i < decimals; ++i)
        scaled = scaled * 10 + (std::size_t(i) < fraction.size() ? fraction[std::size_t(i)] - '0' : 0);
    reading.value = Decimal{scaled};
    return reading;
}

std::string groupedDigits(std::int64_t whole)
{
    const std::string digits = std::to_string(whole);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return out;
}

bool equalsNoCase(std::string_view text, std::string_view lowerAscii)
{
    if (text.size() != lowerAscii.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? char(text[i] - 'A' + 'a') : text[i];
        if (c != lowerAscii[i])
            return false;
    }
    return true;
}

} // namespace

Reading<Cents> readAmount(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.back() == '\x80') // the euro sign
        text.remove_suffix(1);
    const Reading<Decimal> decimal = readDecimal(text, 2, kTooManyCentDecimals, kAmountTooLarge);
    if (!decimal.value)
        return {std::nullopt, decimal.whyNot};
    return {decimal.value->scaled, {}};
}

Reading<Thousandths> readQuantity(std::string_view text)
{
    const Reading<Decimal> decimal = readDecimal(text, 3, kTooManyQuantityDecimals, kQuantityTooLarge);
    if (!decimal.value)
        return {std::nullopt, decimal.whyNot};
    return {decimal.value->scaled, {}};
}

std::optional<int> readVatRate(std::string_view text)
{
    text = trimmed(text);
    if (equalsNoCase(text, "exempt") || equalsNoCase(text, "exempta"))
        return 0;
    if (!text.empty() && text.back() == '%')
        text.remove_suffix(1);
    const Reading<Decimal> decimal = readDecimal(text, 2, kTooManyCentDecimals, kAmountTooLarge);
    if (!decimal.value || decimal.value->scaled > 100'00)
        return std::nullopt;
    return int(decimal.value->scaled);
}

std::optional<Cents> lineAmount(Thousandths quantity, Cents unitPrice)
{
    // Both are below 10^12, so the product may reach 10^24: split the quantity to stay in range.
    const std::int64_t whole = quantity / 1000;
    const std::int64_t part = quantity % 1000;
    if (whole != 0 && unitPrice > kLargestAmount / whole)
        return std::nullopt;
    const Cents amount = whole * unitPrice + (part * unitPrice + 500) / 1000;
    if (amount > kLargestAmount)
        return std::nullopt;
    return amount;
}

Cents vatOf(Cents base, int rateHundredths)
{
    // base < 10^11 and rate ≤ 10^4: the product fits comfortably.
    return (base * rateHundredths + 5'000) / 10'000;
}

std::string formatAmount(Cents amount)
{
    std::string out = groupedDigits(amount / 100) + ',';
    out += char('0' + amount % 100 / 10);
    out += char('0' + amount % 10);
    return out;
}

std::string formatVatRate(int rateHundredths)
{
    if (rateHundredths == 0)
        return "exempt";
    std::string out = std::to_string(rateHundredths / 100);
    if (const int fraction = rateHundredths % 100; fraction != 0) {
        out += ',';
        out += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += char('0' + fraction % 10);
    }
    return out + " %";
}

} // namespace money
