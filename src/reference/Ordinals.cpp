#include "reference/Ordinals.h"

#include "reference/Numerals.h"

#include <array>
#include <cassert>
#include <string_view>

namespace numerals {
namespace {

struct OrdinalWord
{
    std::string_view cardinal; // the last word (or last part of a hyphenated word) of a cardinal
    std::string_view ordinal;  // its masculine ordinal
};

// Every word a cardinal from 5 to 999,999 can end with. The feminine is derived from these.
constexpr std::array<OrdinalWord, 30> kOrdinalWords = {{
    {"un", "un\xE8"},
    {"dos", "dos\xE8"},
    {"tres", "tres\xE8"},
    {"quatre", "quatr\xE8"},
    {"cinc", "cinqu\xE8"},
    {"sis", "sis\xE8"},
    {"set", "set\xE8"},
    {"vuit", "vuit\xE8"},
    {"nou", "nov\xE8"},
    {"deu", "des\xE8"},
    {"onze", "onz\xE8"},
    {"dotze", "dotz\xE8"},
    {"tretze", "tretz\xE8"},
    {"catorze", "catorz\xE8"},
    {"quinze", "quinz\xE8"},
    {"setze", "setz\xE8"},
    {"disset", "disset\xE8"},
    {"divuit", "divuit\xE8"},
    {"dinou", "dinov\xE8"},
    {"vint", "vint\xE8"},
    {"trenta", "trent\xE8"},
    {"quaranta", "quarant\xE8"},
    {"cinquanta", "cinquant\xE8"},
    {"seixanta", "seixant\xE8"},
    {"setanta", "setant\xE8"},
    {"vuitanta", "vuitant\xE8"},
    {"noranta", "norant\xE8"},
    {"cent", "cent\xE8"},
    {"cents", "cent\xE8"},
    {"mil", "mil\xE8"},
}};

struct FirstOrdinal
{
    std::string_view masculine;
    std::string_view feminine;
    std::string_view masculineSuffix;
};

constexpr std::array<FirstOrdinal, 4> kFirstOrdinals = {{
    {"primer", "primera", "r"},
    {"segon", "segona", "n"},
    {"tercer", "tercera", "r"},
    {"quart", "quarta", "t"},
}};

} // namespace

std::optional<OrdinalTexts> ordinal(unsigned n)
{
    if (n < 1 || n > kLargestOrdinal)
        return std::nullopt;
    const std::string digits = std::to_string(n);
    if (n <= kFirstOrdinals.size()) {
        const FirstOrdinal &first = kFirstOrdinals[n - 1];
        return OrdinalTexts{std::string(first.feminine), std::string(first.masculine), digits + "a",
                            digits + std::string(first.masculineSuffix)};
    }

    const std::string cardinal = WriteNumeral(n, NumeralGender::Masculine);
    const std::size_t cut = cardinal.find_last_of(" -") + 1; // npos + 1 == 0: one word alone
    const std::string_view last = std::string_view(cardinal).substr(cut);
    std::string masculine;
    for (const OrdinalWord &word : kOrdinalWords) {
        if (word.cardinal == last) {
            masculine = cardinal.substr(0, cut) + std::string(word.ordinal);
            break;
        }
    }
    assert(!masculine.empty());
    std::string feminine = masculine.substr(0, masculine.size() - 1) + "ena"; // the final "è"
    return OrdinalTexts{std::move(feminine), std::move(masculine), digits + "a", digits + "\xE8"};
}

} // namespace numerals
