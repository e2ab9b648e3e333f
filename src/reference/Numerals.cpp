#include "reference/Numerals.h"

namespace numerals {
namespace {

// x from 1 to 99: below 30 the units word and a space; from 30 on the tens word, a hyphen and
// the units word when there are units, with no space after.
void appendSmall(std::string &out, unsigned x, const NumeralGroup &units)
{
    if (x < 30) {
        out += units[x];
        out += ' ';
        return;
    }
    out += g_numeralTens[x / 10];
    if (x % 10 != 0) {
        out += '-';
        out += units[x % 10];
    }
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
        appendSmall(out, millions, numeralUnits(NumeralGender::Masculine));
        out += millions == 1 ? " mili\xF3 " : " milions ";
    }

    const unsigned thousands = n % 1'000'000 / 1'000;
    if (thousands >= 1 && thousands <= 9) {
        out += numeralThousands(gender)[thousands];
        out += ' ';
    } else if (thousands >= 10 && thousands <= 99) {
        appendSmall(out, thousands, units);
        out += " mil ";
    } else if (thousands >= 100) {
        out += hundreds[thousands / 100];
        out += ' ';
        if (thousands % 100 != 0)
            appendSmall(out, thousands % 100, units);
        out += " mil ";
    }

    const unsigned hundred = n % 1'000 / 100;
    if (hundred >= 1) {
        out += hundreds[hundred];
        out += ' ';
    }

    const unsigned rest = n % 100;
    if (rest >= 1)
        appendSmall(out, rest, units);
    return out;
}

std::optional<NumeralTexts> NumberToWords(std::string_view fieldText)
{
    if (fieldText.size() > 8)
        return NumeralTexts{std::string(kTooLarge), std::string(kTooLarge)};

    // atoi's reading. Eight characters hold at most eight digits, so the value cannot overflow.
    std::size_t i = 0;
    while (i < fieldText.size()
           && (fieldText[i] == ' ' || (fieldText[i] >= '\t' && fieldText[i] <= '\r')))
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
    return NumeralTexts{WriteNumeral(value, NumeralGender::Feminine),
                        WriteNumeral(value, NumeralGender::Masculine)};
}

} // namespace numerals
