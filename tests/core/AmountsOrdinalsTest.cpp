// Amounts of euros and ordinals in Catalan words: the rule's corners byte for byte, and checks
// that hold for every number of the range.
#include "reference/Amounts.h"
#include "reference/Numerals.h"
#include "reference/Ordinals.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <unordered_set>

using numerals::Amount;

namespace {

struct OrdinalExample
{
    unsigned n;
    const char *feminine;
    const char *masculine;
    const char *feminineShort;
    const char *masculineShort;
};

// Windows-1252: "è" is "\xE8".
const OrdinalExample kOrdinals[] = {
    {1, "primera", "primer", "1a", "1r"},
    {2, "segona", "segon", "2a", "2n"},
    {3, "tercera", "tercer", "3a", "3r"},
    {4, "quarta", "quart", "4a", "4t"},
    {5, "cinquena", "cinqu\xE8", "5a", "5\xE8"},
    {6, "sisena", "sis\xE8", "6a", "6\xE8"},
    {7, "setena", "set\xE8", "7a", "7\xE8"},
    {8, "vuitena", "vuit\xE8", "8a", "8\xE8"},
    {9, "novena", "nov\xE8", "9a", "9\xE8"},
    {10, "desena", "des\xE8", "10a", "10\xE8"},
    {11, "onzena", "onz\xE8", "11a", "11\xE8"},
    {12, "dotzena", "dotz\xE8", "12a", "12\xE8"},
    {13, "tretzena", "tretz\xE8", "13a", "13\xE8"},
    {14, "catorzena", "catorz\xE8", "14a", "14\xE8"},
    {15, "quinzena", "quinz\xE8", "15a", "15\xE8"},
    {16, "setzena", "setz\xE8", "16a", "16\xE8"},
    {17, "dissetena", "disset\xE8", "17a", "17\xE8"},
    {18, "divuitena", "divuit\xE8", "18a", "18\xE8"},
    {19, "dinovena", "dinov\xE8", "19a", "19\xE8"},
    {20, "vintena", "vint\xE8", "20a", "20\xE8"},
    {21, "vint-i-unena", "vint-i-un\xE8", "21a", "21\xE8"},
    {22, "vint-i-dosena", "vint-i-dos\xE8", "22a", "22\xE8"},
    {23, "vint-i-tresena", "vint-i-tres\xE8", "23a", "23\xE8"},
    {24, "vint-i-quatrena", "vint-i-quatr\xE8", "24a", "24\xE8"},
    {25, "vint-i-cinquena", "vint-i-cinqu\xE8", "25a", "25\xE8"},
    {26, "vint-i-sisena", "vint-i-sis\xE8", "26a", "26\xE8"},
    {27, "vint-i-setena", "vint-i-set\xE8", "27a", "27\xE8"},
    {28, "vint-i-vuitena", "vint-i-vuit\xE8", "28a", "28\xE8"},
    {29, "vint-i-novena", "vint-i-nov\xE8", "29a", "29\xE8"},
    {30, "trentena", "trent\xE8", "30a", "30\xE8"},
    {34, "trenta-quatrena", "trenta-quatr\xE8", "34a", "34\xE8"},
    {40, "quarantena", "quarant\xE8", "40a", "40\xE8"},
    {50, "cinquantena", "cinquant\xE8", "50a", "50\xE8"},
    {60, "seixantena", "seixant\xE8", "60a", "60\xE8"},
    {70, "setantena", "setant\xE8", "70a", "70\xE8"},
    {80, "vuitantena", "vuitant\xE8", "80a", "80\xE8"},
    {90, "norantena", "norant\xE8", "90a", "90\xE8"},
    {99, "noranta-novena", "noranta-nov\xE8", "99a", "99\xE8"},
    {100, "centena", "cent\xE8", "100a", "100\xE8"},
    {101, "cent unena", "cent un\xE8", "101a", "101\xE8"},
    {102, "cent dosena", "cent dos\xE8", "102a", "102\xE8"},
    {200, "dos-centena", "dos-cent\xE8", "200a", "200\xE8"},
    {1'000, "milena", "mil\xE8", "1000a", "1000\xE8"},
    {1'001, "mil unena", "mil un\xE8", "1001a", "1001\xE8"},
    {2'000, "dos milena", "dos mil\xE8", "2000a", "2000\xE8"},
    {10'000, "deu milena", "deu mil\xE8", "10000a", "10000\xE8"},
    {21'000, "vint-i-un milena", "vint-i-un mil\xE8", "21000a", "21000\xE8"},
    {100'003, "cent mil tresena", "cent mil tres\xE8", "100003a", "100003\xE8"},
    {999'999, "nou-cents noranta-nou mil nou-cents noranta-novena",
     "nou-cents noranta-nou mil nou-cents noranta-nov\xE8", "999999a", "999999\xE8"},
};

TEST(Ordinals, CornersOfTheRule)
{
    for (const OrdinalExample &example : kOrdinals) {
        const auto texts = numerals::ordinal(example.n);
        ASSERT_TRUE(texts) << example.n;
        EXPECT_EQ(texts->feminine, example.feminine) << example.n;
        EXPECT_EQ(texts->masculine, example.masculine) << example.n;
        EXPECT_EQ(texts->feminineShort, example.feminineShort) << example.n;
        EXPECT_EQ(texts->masculineShort, example.masculineShort) << example.n;
    }
}

TEST(Ordinals, OutsideTheRangeHaveNone)
{
    EXPECT_FALSE(numerals::ordinal(0));
    EXPECT_FALSE(numerals::ordinal(1'000'000));
    EXPECT_FALSE(numerals::ordinal(4'000'000'000u));
}

// From 5 on: the masculine is the running cardinal up to its last word, then that word's ordinal
// ending in "è"; the feminine only changes that "è" into "ena"; no two numbers share a word.
TEST(Ordinals, EveryNumberFollowsTheRule)
{
    std::unordered_set<std::size_t> seen;
    for (unsigned n = 5; n <= numerals::kLargestOrdinal; ++n) {
        const auto texts = numerals::ordinal(n);
        ASSERT_TRUE(texts) << n;
        const std::string &masculine = texts->masculine;
        const std::string cardinal = numerals::WriteNumeral(n, NumeralGender::Masculine);
        const std::size_t cut = cardinal.find_last_of(" -") + 1;
        ASSERT_EQ(masculine.compare(0, cut, cardinal, 0, cut), 0) << n << " " << masculine;
        ASSERT_EQ(masculine.back(), '\xE8') << n;
        ASSERT_EQ(masculine.find('\xE8'), masculine.size() - 1) << n;
        ASSERT_EQ(masculine.find("  "), std::string::npos) << n;
        ASSERT_EQ(texts->feminine, masculine.substr(0, masculine.size() - 1) + "ena") << n;
        ASSERT_EQ(texts->masculineShort, std::to_string(n) + "\xE8");
        ASSERT_EQ(texts->feminineShort, std::to_string(n) + "a");
        ASSERT_TRUE(seen.insert(std::hash<std::string>{}(masculine)).second) << n << " " << masculine;
    }
}

struct AmountExample
{
    const char *typed;
    const char *words;
};

const AmountExample kAmounts[] = {
    {"1.234,56", "mil dos-cents trenta-quatre euros amb cinquanta-sis c\xE8ntims"},
    {"1234,5", "mil dos-cents trenta-quatre euros amb cinquanta c\xE8ntims"},
    {"12", "dotze euros"},
    {"0,01", "un c\xE8ntim"},
    {"0,5", "cinquanta c\xE8ntims"},
    {"0,50", "cinquanta c\xE8ntims"},
    {"0", "zero euros"},
    {"0,00", "zero euros"},
    {"1", "un euro"},
    {"1,01", "un euro amb un c\xE8ntim"},
    {"21", "vint-i-un euros"},
    {"21.000", "vint-i-un mil euros"},
    {"1.000.000", "un mili\xF3 d'euros"},
    {"2.000.000,50", "dos milions d'euros amb cinquanta c\xE8ntims"},
    {"1.000.100", "un mili\xF3 cent euros"},
    {"1000001", "un mili\xF3 un euros"},
    {"21.000.000", "vint-i-un milions d'euros"},
    {"200.001", "dos-cents mil un euros"},
    {" 99.999.999,99 ",
     "noranta-nou milions nou-cents noranta-nou mil nou-cents noranta-nou euros amb noranta-nou c\xE8ntims"},
    {"000.012", "dotze euros"},
};

TEST(Amounts, CornersOfTheRule)
{
    for (const AmountExample &example : kAmounts) {
        std::string_view whyNot;
        const auto amount = numerals::parseAmount(example.typed, &whyNot);
        ASSERT_TRUE(amount) << example.typed << ": " << whyNot;
        EXPECT_EQ(numerals::amountInWords(*amount), example.words) << example.typed;
    }
}

TEST(Amounts, RefusedTexts)
{
    struct Refused
    {
        const char *typed;
        std::string_view why;
    };
    const Refused refused[] = {
        {"", numerals::kNotAnAmount},
        {"   ", numerals::kNotAnAmount},
        {"abc", numerals::kNotAnAmount},
        {"12,", numerals::kNotAnAmount},
        {",5", numerals::kNotAnAmount},
        {"1,234", numerals::kNotAnAmount},
        {"1.23", numerals::kNotAnAmount},
        {"12.34,5", numerals::kNotAnAmount},
        {"1234.567", numerals::kNotAnAmount},
        {"1.2345", numerals::kNotAnAmount},
        {".123", numerals::kNotAnAmount},
        {"1..234", numerals::kNotAnAmount},
        {"1.234.", numerals::kNotAnAmount},
        {"-5", numerals::kNotAnAmount},
        {"+5", numerals::kNotAnAmount},
        {"12,3,4", numerals::kNotAnAmount},
        {"12 34", numerals::kNotAnAmount},
        {"1,5 \x80", numerals::kNotAnAmount},
        {"100.000.000", numerals::kAmountTooLarge},
        {"123456789,00", numerals::kAmountTooLarge},
        {"99999999999999999999999", numerals::kAmountTooLarge},
    };
    for (const Refused &r : refused) {
        std::string_view whyNot;
        EXPECT_FALSE(numerals::parseAmount(r.typed, &whyNot)) << r.typed;
        EXPECT_EQ(whyNot, r.why) << r.typed;
    }
}

TEST(Amounts, FigureWithWords)
{
    EXPECT_EQ(numerals::amountInWordsAndFigure({1200, 0}), "mil dos-cents euros (1.200,00 \x80)");
    EXPECT_EQ(numerals::amountFigure({0, 5}), "0,05 \x80");
    EXPECT_EQ(numerals::amountFigure({999, 99}), "999,99 \x80");
    EXPECT_EQ(numerals::amountFigure({99'999'999, 10}), "99.999.999,10 \x80");
}

// Across the euros: the figure reads back as the same amount, the unit agrees with the number,
// and the words never hold a doubled or trailing space.
TEST(Amounts, EveryEurosValueReadsBackAndAgrees)
{
    const auto check = [](unsigned euros, unsigned cents) {
        const Amount amount{euros, cents};
        const std::string figure = numerals::amountFigure(amount);
        const auto read = numerals::parseAmount(figure.substr(0, figure.size() - 2));
        ASSERT_TRUE(read) << figure;
        ASSERT_EQ(read->euros, euros);
        ASSERT_EQ(read->cents, cents);
        const std::string words = numerals::amountInWords(amount);
        ASSERT_EQ(words.find("  "), std::string::npos) << words;
        ASSERT_NE(words.back(), ' ') << words;
        const bool millionsOnly = euros > 0 && euros % 1'000'000 == 0;
        const std::string unit = euros == 1 ? " euro" : millionsOnly ? " d'euros" : " euros";
        const std::string cent = cents == 1 ? " c\xE8ntim" : " c\xE8ntims";
        if (cents == 0) {
            ASSERT_TRUE(words.ends_with(unit)) << words;
        } else {
            ASSERT_TRUE(words.ends_with(cent)) << words;
            if (euros > 0) {
                ASSERT_NE(words.find(unit + " amb "), std::string::npos) << words;
            } else {
                ASSERT_EQ(words.find("euro"), std::string::npos) << words;
            }
        }
        ASSERT_EQ(words.find("euro"), words.rfind("euro")) << words;
    };
    for (unsigned euros = 0; euros <= 1'100'000; ++euros)
        check(euros, euros % 100);
    for (unsigned millions = 1; millions <= 99; ++millions) {
        check(millions * 1'000'000, 0);
        check(millions * 1'000'000 + 1, 1);
        check(millions * 1'000'000 + 999'999, 99);
    }
}

} // namespace
