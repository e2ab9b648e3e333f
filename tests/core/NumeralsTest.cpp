// Numbers in Catalan words: the worked examples byte for byte, and the number field's rule.
#include "reference/Numerals.h"

#include <gtest/gtest.h>

#include <limits>

using numerals::NumberToWords;
using numerals::WriteNumeral;

namespace {

struct Example
{
    unsigned n;
    const char *feminine;
    const char *masculine;
};

// Windows-1252: "milió" is "mili\xF3". One space between words, none at either end.
const Example kExamples[] = {
    {0, "zero", "zero"},
    {1, "una", "un"},
    {2, "dues", "dos"},
    {21, "vint-i-una", "vint-i-un"},
    {30, "trenta", "trenta"},
    {31, "trenta-una", "trenta-un"},
    {100, "cent", "cent"},
    {101, "cent una", "cent un"},
    {200, "dues-centes", "dos-cents"},
    {999, "nou-centes noranta-nou", "nou-cents noranta-nou"},
    {1'000, "mil", "mil"},
    {1'001, "mil una", "mil un"},
    {2'000, "dues mil", "dos mil"},
    {10'000, "deu mil", "deu mil"},
    {21'000, "vint-i-una mil", "vint-i-un mil"},
    {31'000, "trenta-una mil", "trenta-un mil"},
    {100'000, "cent mil", "cent mil"},
    {135'000, "cent trenta-cinc mil", "cent trenta-cinc mil"},
    {200'001, "dues-centes mil una", "dos-cents mil un"},
    {1'000'000, "un mili\xF3", "un mili\xF3"},
    {1'500'000, "un mili\xF3 cinc-centes mil", "un mili\xF3 cinc-cents mil"},
    {1'234'567, "un mili\xF3 dues-centes trenta-quatre mil cinc-centes seixanta-set",
     "un mili\xF3 dos-cents trenta-quatre mil cinc-cents seixanta-set"},
    {2'000'000, "dos milions", "dos milions"},
    {31'000'000, "trenta-un milions", "trenta-un milions"},
    {99'999'999, "noranta-nou milions nou-centes noranta-nou mil nou-centes noranta-nou",
     "noranta-nou milions nou-cents noranta-nou mil nou-cents noranta-nou"},
    // The count of milions is masculine in the feminine result too.
    {21'000'000, "vint-i-un milions", "vint-i-un milions"},
    {32'000'000, "trenta-dos milions", "trenta-dos milions"},
    {22'000'022, "vint-i-dos milions vint-i-dues", "vint-i-dos milions vint-i-dos"},
    {2'002'002, "dos milions dues mil dues", "dos milions dos mil dos"},
    {1'001'000, "un mili\xF3 mil", "un mili\xF3 mil"},
    {5'000'100, "cinc milions cent", "cinc milions cent"},
};

} // namespace

TEST(WriteNumeral, WorkedExamplesByteForByte)
{
    for (const Example &example : kExamples) {
        EXPECT_EQ(WriteNumeral(example.n, NumeralGender::Feminine), example.feminine) << example.n;
        EXPECT_EQ(WriteNumeral(example.n, NumeralGender::Masculine), example.masculine) << example.n;
    }
}

TEST(WriteNumeral, SingleSpacesBetweenWordsAndNoneAtTheEnds)
{
    for (unsigned n = 0; n <= numerals::kLargest; n += 9'973) {
        for (NumeralGender gender : {NumeralGender::Feminine, NumeralGender::Masculine}) {
            const std::string words = WriteNumeral(n, gender);
            ASSERT_FALSE(words.empty()) << n;
            EXPECT_EQ(words.find("  "), std::string::npos) << n << " " << words;
            EXPECT_NE(words.front(), ' ') << n;
            EXPECT_NE(words.back(), ' ') << n;
        }
    }
}

TEST(NumberToWords, ReadsTheFieldLikeTheFormDoes)
{
    auto both = [](std::string_view text) {
        const auto result = NumberToWords(text);
        EXPECT_TRUE(result.has_value()) << text;
        return result ? result->feminine + "|" + result->masculine : std::string();
    };
    EXPECT_EQ(both(""), "zero|zero");
    EXPECT_EQ(both("5"), "cinc|cinc");
    EXPECT_EQ(both("00000021"), "vint-i-una|vint-i-un");
    EXPECT_EQ(both("99999999"), std::string(kExamples[24].feminine) + "|" + kExamples[24].masculine);
    EXPECT_EQ(both("12ab"), "dotze|dotze");
    EXPECT_EQ(both("abc"), "zero|zero");
    EXPECT_EQ(both("+3"), "tres|tres");
    // Thousands dots: a number grouped by threes is read whole, even past eight characters.
    EXPECT_EQ(both("1.234.567"), std::string(kExamples[21].feminine) + "|" + kExamples[21].masculine);
    EXPECT_EQ(both("10.000"), "deu mil|deu mil");
    EXPECT_EQ(both("12.34"), "dotze|dotze"); // not grouped by threes: read as far as the digits go
}

TEST(NumberToWords, MoreThanEightCharactersIsTooLargeEvenWithLeadingZeros)
{
    for (std::string_view text : {"000000001", "100000000", "999999999", "123456789012", "100.000.000"}) {
        const auto result = NumberToWords(text);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->feminine, "n\xFAmero massa gran") << text;
        EXPECT_EQ(result->masculine, "n\xFAmero massa gran") << text;
    }
}

TEST(NumberToWords, ANegativeReadingIsKeptAwayFromTheWriter)
{
    EXPECT_FALSE(NumberToWords("-12").has_value());
    EXPECT_FALSE(NumberToWords(" -1").has_value());
    // "-0" reads as zero, which the writer handles.
    ASSERT_TRUE(NumberToWords("-0").has_value());
    EXPECT_EQ(NumberToWords("-0")->feminine, "zero");
}

TEST(NumberToWords, ThousandsDotsComeInGroupsOfThree)
{
    const std::pair<std::string_view, const char *> cases[] = {
        {"1.234.567", "1234567"}, {"12.345", "12345"},   {"999", "999"},     {"0.000", "0000"},
        {"1.23", nullptr},        {"1234.567", nullptr}, {".123", nullptr},  {"1..234", nullptr},
        {"1.234.", nullptr},      {"", nullptr},         {"1,234", nullptr}, {"-1.234", nullptr},
    };
    for (const auto &[text, digits] : cases) {
        const auto read = numerals::ungroupedDigits(text);
        if (digits)
            EXPECT_EQ(read, std::optional<std::string>(digits)) << text;
        else
            EXPECT_FALSE(read) << text;
    }
}

TEST(WriteNumeral, ChecksItsRangeInEveryBuild)
{
    // From 100,000,000 on, the count of millions would index the tens past their group.
    for (unsigned n : {100'000'000u, 123'456'789u, 999'999'999u, std::numeric_limits<unsigned>::max()}) {
        EXPECT_EQ(WriteNumeral(n, NumeralGender::Feminine), numerals::kTooLarge) << n;
        EXPECT_EQ(WriteNumeral(n, NumeralGender::Masculine), numerals::kTooLarge) << n;
    }
    EXPECT_NE(WriteNumeral(numerals::kLargest, NumeralGender::Masculine), numerals::kTooLarge);

    // A word outside its group stops the program instead of reading a neighbour's word.
    EXPECT_DEATH(g_numeralTens[10], "");
    EXPECT_DEATH(g_numeralUnitsFeminine[30], "");
    EXPECT_DEATH(g_numeralHundredsMasculine[0], "");
    EXPECT_STREQ(g_numeralTens[9], "noranta");
}
