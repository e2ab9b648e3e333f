#include "reference/Numerals.h"

namespace numerals {
namespace {

// Appends one word, a single space before it unless it is the first.
void addWord(std::string &out, std::string_view word)
{
    if (!out.empty())
        out += ' ';
    out += word;
}

// x from 1 to 99: below 30 the units word; from 30 on the tens word, with a hyphen and the units
// word when there are units ("trenta-una").
void addSmall(std::string &out, unsigned x, const NumeralGroup &units)
{
    if (x < 30) {
        addWord(out, units[x]);
        return;
    }
    addWord(out, g_numeralTens[x / 10]);
    if (x % 10 != 0) {
        out += '-';
        out += units[x % 10];
    }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string WriteNumeral(unsigned n, NumeralGender gender)
{
    if (n > kLargest)
        return std::string(kTooLarge);
    if (n == 0)
        return numeralUnits(gender)[0];

    const NumeralGroup &units = numeralUnits(gender);
    const NumeralGroup &hundreds = numeralHundreds(gender);
    std::string out;

    // The count of millions is always masculine (it counts "milions"), whatever the gender asked.
    const unsigned millions = n / 1'000'000;
    if (millions >= 1) {
        addSmall(out, millions, numeralUnits(NumeralGender::Masculine));
        addWord(out, millions == 1 ? "mili\xF3" : "milions");
    }

    const unsigned thousands = n % 1'000'000 / 1'000;
    if (thousands >= 1 && thousands <= 9) {
        addWord(out, numeralThousands(gender)[thousands]);
    } else if (thousands >= 10) {
        if (thousands >= 100)
            addWord(out, hundreds[thousands / 100]);
        if (thousands % 100 != 0)
            addSmall(out, thousands % 100, units);
        addWord(out, "mil");
    }

    const unsigned hundred = n % 1'000 / 100;
    if (hundred >= 1)
        addWord(out, hundreds[hundred]);

    const unsigned rest = n % 100;
    if (rest >= 1)
        addSmall(out, rest, units);
    return out;
}

std::optional<std::string> ungroupedDigits(std::string_view text)
{
    const auto allDigits = [](std::string_view part) {
        for (char c : part) {
            if (!isDigit(c))
                return false;
        }
        return true;
    };
    if (text.empty())
        return std::nullopt;
    if (text.find('.') == std::string_view::npos)
        return allDigits(text) ? std::optional<std::string>(text) : std::nullopt;
    std::string digits;
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t dot = text.find('.', start);
        const std::string_view group = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
        const bool sized = first ? group.size() >= 1 && group.size() <= 3 : group.size() == 3;
        if (!sized || !allDigits(group))
            return std::nullopt;
        digits += group;
        if (dot == std::string_view::npos)
            return digits;
        start = dot + 1;
    }
}

std::optional<NumeralTexts> NumberToWords(std::string_view fieldText)
{
    // "1.234.567" is read as the digits it groups.
    std::string ungrouped;
    if (fieldText.find('.') != std::string_view::npos) {
        if (auto digits = ungroupedDigits(fieldText)) {
            ungrouped = std::move(*digits);
            fieldText = ungrouped;
        }
    }
    if (fieldText.size() > 8)
        return NumeralTexts{std::string(kTooLarge), std::string(kTooLarge)};

    // atoi's reading. Eight characters hold at most eight digits, so the value cannot overflow.
    std::size_t i = 0;
    while (i < fieldText.size() && (fieldText[i] == ' ' || (fieldText[i] >= '\t' && fieldText[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < fieldText.size() && (fieldText[i] == '+' || fieldText[i] == '-'))
        negative = fieldText[i++] == '-';
    unsigned value = 0;
    for (; i < fieldText.size() && fieldText[i] >= '0' && fieldText[i] <= '9'; ++i)
        value = value * 10 + unsigned(fieldText[i] - '0');
    if (negative && value != 0)
        return std::nullopt;

    if (value > kLargest)
        return NumeralTexts{std::string(kTooLarge), std::string(kTooLarge)};
    return NumeralTexts{WriteNumeral(value, NumeralGender::Feminine), WriteNumeral(value, NumeralGender::Masculine)};
}

} // namespace numerals
