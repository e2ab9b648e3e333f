#include "reference/Amounts.h"

#include "reference/Numerals.h"

namespace numerals {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\xA0'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<Amount> refuse(std::string_view *whyNot, std::string_view reason)
{
    if (whyNot)
        *whyNot = reason;
    return std::nullopt;
}

} // namespace

std::optional<Amount> parseAmount(std::string_view text, std::string_view *whyNot)
{
    text = trimmed(text);
    std::string_view whole = text;
    std::string_view decimals;
    if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
        whole = text.substr(0, comma);
        decimals = text.substr(comma + 1);
        if (decimals.empty() || decimals.size() > 2 || !allDigits(decimals))
            return refuse(whyNot, kNotAnAmount);
    }
    if (whole.empty())
        return refuse(whyNot, kNotAnAmount);

    // Either no dots at all, or groups of three after a first group of one to three digits.
    const std::optional<std::string> grouped = ungroupedDigits(whole);
    if (!grouped)
        return refuse(whyNot, kNotAnAmount);
    const std::string &digits = *grouped;
    const std::size_t significant = digits.find_first_not_of('0');
    if (significant != std::string::npos && digits.size() - significant > 8)
        return refuse(whyNot, kAmountTooLarge);
    Amount amount;
    for (std::size_t i = significant == std::string::npos ? digits.size() : significant; i < digits.size(); ++i)
        amount.euros = amount.euros * 10 + unsigned(digits[i] - '0');
    if (!decimals.empty())
        amount.cents = unsigned(decimals[0] - '0') * 10 + (decimals.size() == 2 ? unsigned(decimals[1] - '0') : 0);
    return amount;
}

std::string amountInWords(Amount amount)
{
    if (amount.euros == 0 && amount.cents == 0)
        return "zero euros";
    std::string out;
    if (amount.euros > 0) {
        out = WriteNumeral(amount.euros, NumeralGender::Masculine);
        // "d'euros" right after "milió" or "milions": "un milió d'euros", but "un milió cent euros".
        if (amount.euros % 1'000'000 == 0)
            out += " d'euros";
        else
            out += amount.euros == 1 ? " euro" : " euros";
    }
    if (amount.cents > 0) {
        if (!out.empty())
            out += " amb ";
        out += WriteNumeral(amount.cents, NumeralGender::Masculine);
        out += amount.cents == 1 ? " c\xE8ntim" : " c\xE8ntims";
    }
    return out;
}

std::string amountFigure(Amount amount)
{
    const std::string digits = std::to_string(amount.euros);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    out += ',';
    out += char('0' + amount.cents / 10);
    out += char('0' + amount.cents % 10);
    out += " \x80"; // the euro sign in Windows-1252
    return out;
}

std::string amountInWordsAndFigure(Amount amount)
{
    return amountInWords(amount) + " (" + amountFigure(amount) + ")";
}

} // namespace numerals
