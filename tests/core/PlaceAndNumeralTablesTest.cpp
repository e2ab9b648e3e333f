// The municipalities, the comarques and the numeral words as the tables hold them: order,
// comarca, postcode and prefix, the division in force, and each gender's words.

#include "ReferenceTableSupport.h"

using namespace tabletest;

TEST(ReferenceTables, MunicipalitiesRunByNameWithTheAccentedInitialsAtTheEnd)
{
    const auto municipalities = walk(g_municipalities);
    ASSERT_EQ(municipalities.size(), 947u);
    struct Row
    {
        const char *name;
        const char *comarca;
        std::uint32_t postcode;
        std::uint32_t prefix;
    };
    const auto expectRow = [](const MunicipalityEntry &m, const Row &row) {
        EXPECT_EQ(trimmed(m.name), cp(row.name));
        EXPECT_EQ(trimmed(m.comarca), cp(row.comarca)) << row.name;
        EXPECT_EQ(m.postcode, row.postcode) << row.name;
        EXPECT_EQ(m.phonePrefix, row.prefix) << row.name;
    };
    expectRow(municipalities[0], {"Abella de la Conca", "Pallars Jussà", 25651, 973});
    expectRow(municipalities[1], {"Abrera", "Baix Llobregat", 8630, 93});
    expectRow(municipalities[944], {"Àger", "Noguera", 25691, 973});
    expectRow(municipalities[945], {"Òdena", "Anoia", 8711, 93});
    expectRow(municipalities[946], {"Òrrius", "Maresme", 8317, 93});

    std::map<std::string, const MunicipalityEntry *> byName;
    for (const MunicipalityEntry &m : municipalities) {
        const auto [it, inserted] = byName.emplace(trimmed(m.name), &m);
        EXPECT_TRUE(inserted) << u8(it->first) << " twice";
    }
    expectRow(*byName.at(cp("Agullana")), {"Agullana", "Alt Empordà", 17707, 972});
    expectRow(*byName.at(cp("Aiguamúrcia")), {"Aiguamúrcia", "Alt Camp", 43815, 977});
    // The names that cutting at 31 characters would have spoilt.
    EXPECT_TRUE(byName.count(cp("Cruïlles, Monells i Sant Sadurní de l'Heura")));
    EXPECT_TRUE(byName.count(cp("Castell d'Aro, Platja d'Aro i s'Agaró")));
    EXPECT_TRUE(byName.count(cp("Vandellòs i l'Hospitalet de l'Infant")));

    for (std::size_t i = 1; i + 3 < municipalities.size(); ++i)
        EXPECT_LE(folded(trimmed(municipalities[i - 1].name)), folded(trimmed(municipalities[i].name)))
            << u8(municipalities[i].name) << " is out of order";

    // Sorted by name as the list sorts it, the list ends with the three accented initials.
    std::vector<std::string> names;
    for (const MunicipalityEntry &m : municipalities)
        names.emplace_back(m.name);
    std::stable_sort(names.begin(), names.end(), listOrder);
    const char *const ending[] = {"Xerta", "Àger", "Òdena", "Òrrius"};
    for (std::size_t i = 0; i < std::size(ending); ++i)
        EXPECT_EQ(trimmed(names[names.size() - 4 + i].c_str()), cp(ending[i]));
    EXPECT_EQ(trimmed(names.front().c_str()), "Abella de la Conca");
}

TEST(ReferenceTables, MunicipalitiesCarryAComarcaOfTheListAndACatalanPostcodeAndPrefix)
{
    const std::vector<std::string> names = comarques();
    const std::set<std::string> listed(names.begin(), names.end());
    std::map<std::string, const char *> storedString;
    for (const MunicipalityEntry &m : walk(g_municipalities)) {
        const std::string comarca = trimmed(m.comarca);
        EXPECT_TRUE(listed.count(comarca)) << u8(comarca) << " is not in the comarques";
        const auto [it, inserted] = storedString.emplace(comarca, m.comarca);
        EXPECT_EQ(it->second, m.comarca) << "records of " << u8(comarca) << " share one string";

        // The postcodes of Catalonia begin 08, 17, 25 or 43; the prefix is the province's.
        const std::uint32_t area = m.postcode / 1000;
        EXPECT_TRUE(area == 8 || area == 17 || area == 25 || area == 43) << u8(m.name);
        EXPECT_TRUE(m.phonePrefix == 93 || m.phonePrefix == 972 || m.phonePrefix == 973 || m.phonePrefix == 977)
            << u8(m.name);
    }
    EXPECT_EQ(storedString.size(), 43u) << "every comarca has municipalities";
}

TEST(ReferenceTables, ComarquesAreTheFortyThreeOfTheDivisionInForceInAlphabeticalOrder)
{
    const std::vector<std::string> names = comarques();
    ASSERT_EQ(names.size(), 43u);
    EXPECT_EQ(names.front(), "Alt Camp");
    EXPECT_EQ(names.back(), cp("Vallès Oriental"));
    const auto estany = std::find(names.begin(), names.end(), "Pla de l'Estany");
    ASSERT_NE(estany, names.end());
    EXPECT_EQ(*std::prev(estany), "Pla d'Urgell");
    EXPECT_EQ(*std::next(estany), "Priorat");
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(folded(names[i - 1]), folded(names[i])) << u8(names[i]);
}

// The two comarques created since 2015 and the moves of 2023, each municipality in the comarca it
// belongs to today.
TEST(ReferenceTables, MunicipalitiesLieInTheirCurrentComarca)
{
    std::map<std::string, std::string> comarcaOf;
    std::map<std::string, int> count;
    for (const MunicipalityEntry &m : walk(g_municipalities)) {
        comarcaOf[trimmed(m.name)] = trimmed(m.comarca);
        ++count[trimmed(m.comarca)];
    }
    EXPECT_EQ(count[cp("Moianès")], 10);
    EXPECT_EQ(count[cp("Lluçanès")], 8);
    const std::pair<const char *, const char *> placed[] = {
        {"Moià", "Moianès"},
        {"Castellterçol", "Moianès"},
        {"Estany, l'", "Moianès"},
        {"Prats de Lluçanès", "Lluçanès"},
        {"Sant Martí d'Albars", "Lluçanès"},
        {"Sant Feliu Sasserra", "Bages"}, // back in Bages since June 2023
        {"Biosca", "Solsonès"},
        {"Torà", "Solsonès"},
        {"Calaf", "Anoia"},
    };
    for (const auto &[name, comarca] : placed)
        EXPECT_EQ(comarcaOf[cp(name)], cp(comarca)) << name;
}

TEST(NumeralWords, GroupViewsCoverTheTableInItsOrder)
{
    std::size_t next = 0;
    for (const NumeralGroup &group : kNumeralGroups) {
        EXPECT_EQ(group.offset(), next);
        next += group.size();
    }
    EXPECT_EQ(next, kNumeralWordCount);
    EXPECT_EQ(g_numeralUnitsFeminine.size(), 30u);
    EXPECT_EQ(g_numeralTens.size(), 9u);
    for (const char *word : g_numeralWords)
        ASSERT_NE(word, nullptr);
}

TEST(NumeralWords, ViewsGiveEachGendersWords)
{
    using G = NumeralGender;
    EXPECT_STREQ(numeralUnits(G::Feminine)[0], "zero");
    EXPECT_STREQ(numeralUnits(G::Masculine)[0], "zero");
    EXPECT_STREQ(numeralUnits(G::Feminine)[1], "una");
    EXPECT_STREQ(numeralUnits(G::Masculine)[1], "un");
    EXPECT_STREQ(numeralUnits(G::Feminine)[2], "dues");
    EXPECT_STREQ(numeralUnits(G::Masculine)[2], "dos");
    EXPECT_STREQ(numeralUnits(G::Feminine)[21], "vint-i-una");
    EXPECT_STREQ(numeralUnits(G::Masculine)[21], "vint-i-un");
    EXPECT_STREQ(numeralUnits(G::Feminine)[22], "vint-i-dues");
    EXPECT_STREQ(numeralUnits(G::Masculine)[29], "vint-i-nou");
    EXPECT_STREQ(numeralHundreds(G::Feminine)[1], "cent");
    EXPECT_STREQ(numeralHundreds(G::Feminine)[2], "dues-centes");
    EXPECT_STREQ(numeralHundreds(G::Masculine)[2], "dos-cents");
    EXPECT_STREQ(numeralHundreds(G::Masculine)[9], "nou-cents");
    EXPECT_STREQ(numeralThousands(G::Feminine)[1], "mil");
    EXPECT_STREQ(numeralThousands(G::Feminine)[2], "dues mil");
    EXPECT_STREQ(numeralThousands(G::Masculine)[2], "dos mil");
    EXPECT_STREQ(numeralThousands(G::Masculine)[9], "nou mil");

    const char *const tens[] = {"deu",      "vint",    "trenta",   "quaranta", "cinquanta",
                                "seixanta", "setanta", "vuitanta", "noranta"};
    for (unsigned digit = 1; digit <= 9; ++digit)
        EXPECT_STREQ(g_numeralTens[digit], tens[digit - 1]);

    // The compound words are built from the units, so a slip in any of them shows here.
    for (const G gender : {G::Feminine, G::Masculine}) {
        const std::string hundredsEnding = gender == G::Feminine ? "-centes" : "-cents";
        for (unsigned digit = 2; digit <= 9; ++digit) {
            const std::string unit = numeralUnits(gender)[digit];
            EXPECT_EQ(numeralHundreds(gender)[digit], unit + hundredsEnding);
            EXPECT_EQ(numeralThousands(gender)[digit], unit + " mil");
            EXPECT_EQ(numeralUnits(gender)[20 + digit], "vint-i-" + unit);
        }
        EXPECT_STREQ(numeralUnits(gender)[20], g_numeralTens[2]);
        EXPECT_STREQ(numeralUnits(gender)[10], g_numeralTens[1]);
    }

    // Only 1, 2 and the numbers built on them change with gender.
    for (unsigned value = 0; value <= 29; ++value) {
        const bool differs = value % 10 == 1 || value % 10 == 2;
        EXPECT_EQ(std::strcmp(numeralUnits(G::Feminine)[value], numeralUnits(G::Masculine)[value]) != 0,
                  differs && value != 11 && value != 12)
            << value;
    }
}
