// The reference lists as filled from the compiled-in tables: their rows, the orders a heading
// click gives and the search sequence over the municipalities.
#include "reference/ListSort.h"
#include "reference/ReferenceLists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace reflist;

namespace {

// A cell without its padding, for readable assertions (the cells themselves keep it).
std::string trimmed(std::string_view cell)
{
    const std::size_t end = cell.find_last_not_of(' ');
    return std::string(cell.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string cell(const ReportRows &rows, int row, int column)
{
    return trimmed(rows.cellText(row, column));
}

int findRow(const ReportRows &rows, int column, const std::string &text)
{
    for (int row = 0; row < rows.rowCount(); ++row)
        if (cell(rows, row, column) == text)
            return row;
    return -1;
}

void expectOrdered(const ReportRows &rows, int column, bool ascending)
{
    for (int row = 1; row < rows.rowCount(); ++row) {
        const int c = compareKeys(rows.cellText(row - 1, column), rows.cellText(row, column));
        ASSERT_TRUE(ascending ? c <= 0 : c >= 0) << "rows " << row - 1 << " and " << row;
    }
}

bool accentedInitial(std::string_view text)
{
    return !text.empty() && static_cast<unsigned char>(text[0]) >= 0xC0;
}

ReportRows vocabulary(VocabularyDirection direction)
{
    return filledRows(referenceList(direction == VocabularyDirection::CastellaCatala ? ListId::Vocabulary
                                                                                     : ListId::VocabularyCatalan));
}

ReportRows municipalities()
{
    return filledRows(referenceList(ListId::Municipalities));
}

} // namespace

TEST(ReferenceListsFill, VocabularyBothWaysInTableOrderWithPadding)
{
    const ReportRows forward = vocabulary(VocabularyDirection::CastellaCatala);
    const ReportRows backward = vocabulary(VocabularyDirection::CatalaCastella);
    ASSERT_EQ(forward.rowCount(), 3949);
    ASSERT_EQ(backward.rowCount(), 3949);
    EXPECT_EQ(forward.cellText(0, 0), "a tal efecto                            ");
    EXPECT_EQ(cell(forward, 0, 1), "a aquest efecte");
    EXPECT_EQ(cell(forward, 3948, 0), "zona franca");
    EXPECT_EQ(cell(forward, 3948, 1), "zona franca");
    EXPECT_EQ(backward.cellText(0, 1), "a tal efecto                            ");
    EXPECT_EQ(cell(backward, 0, 0), "a aquest efecte");
}

TEST(ReferenceListsFill, AbbreviationsSymbolsComarques)
{
    ReportRows abbreviations(2), symbols(2), comarques(1);
    FillAbbreviationsList(abbreviations);
    FillSymbolsList(symbols);
    FillComarquesList(comarques);
    ASSERT_EQ(abbreviations.rowCount(), 325);
    EXPECT_EQ(cell(abbreviations, 0, 0), "(a)");
    EXPECT_EQ(cell(abbreviations, 324, 0), "x");
    EXPECT_EQ(cell(abbreviations, 324, 1), "xec");
    ASSERT_EQ(symbols.rowCount(), 129);
    EXPECT_EQ(cell(symbols, 0, 1), "\xE0rea");
    EXPECT_EQ(cell(symbols, 128, 0), "W");
    EXPECT_EQ(symbols.cellText(128, 1), "watt"); // descriptions are not padded
    ASSERT_EQ(comarques.rowCount(), 43);
    EXPECT_EQ(comarques.cellText(0, 0), "Alt Camp");
    EXPECT_EQ(comarques.cellText(42, 0), "Vall\xE8s Oriental");
}

TEST(ReferenceListsFill, MunicipalitiesFormatPostcodeAndPrefix)
{
    const ReportRows rows = municipalities();
    ASSERT_EQ(rows.rowCount(), 947);
    EXPECT_EQ(cell(rows, 0, 0), "Abella de la Conca");
    EXPECT_EQ(cell(rows, 0, 1), "Pallars Juss\xE0");
    EXPECT_EQ(rows.cellText(0, 2), "25651");
    EXPECT_EQ(rows.cellText(0, 3), "973");
    EXPECT_EQ(cell(rows, 1, 0), "Abrera");
    EXPECT_EQ(rows.cellText(1, 2), "08630");
    EXPECT_EQ(rows.cellText(1, 3), "93");
    EXPECT_EQ(cell(rows, 944, 0), "\xC0ger");
    EXPECT_EQ(cell(rows, 945, 0), "\xD2"
                                  "dena");      // "Òdena"
    EXPECT_EQ(cell(rows, 946, 0), "\xD2rrius"); // "Òrrius"
    EXPECT_EQ(formatPostcode(0), "00000");
    EXPECT_EQ(formatPhonePrefix(0), "0");
    int zeroPostcodes = 0, zeroPrefixes = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        zeroPostcodes += rows.cellText(row, 2) == "00000";
        zeroPrefixes += rows.cellText(row, 3) == "0";
    }
    EXPECT_EQ(zeroPostcodes, 0); // every municipality has its postcode and prefix
    EXPECT_EQ(zeroPrefixes, 0);
}

TEST(ReferenceListsSort, CatalanHeadingRunsFromAToZThenAccentedInitials)
{
    ReportRows rows = vocabulary(VocabularyDirection::CastellaCatala);
    HeaderSort state;
    ASSERT_TRUE(OnHeaderClick(rows, state, 1, MouseButton::Left));
    expectOrdered(rows, 1, true);
    EXPECT_EQ(cell(rows, 0, 1), "a aquest efecte");
    EXPECT_EQ(cell(rows, 3948, 1), "\xFAtil adj"); // "útil adj"
    int firstAccented = 0;
    while (!accentedInitial(rows.cellText(firstAccented, 1)))
        ++firstAccented;
    EXPECT_EQ(cell(rows, firstAccented - 1, 1), "zona franca");
    EXPECT_EQ(cell(rows, firstAccented, 1), "\xE0mbit m"); // "àmbit m"

    ASSERT_TRUE(OnHeaderClick(rows, state, 1, MouseButton::Left));
    expectOrdered(rows, 1, false);
    EXPECT_EQ(cell(rows, 0, 1), "\xFAtil adj");
    EXPECT_EQ(cell(rows, 3948, 1), "a aquest efecte");
}

TEST(ReferenceListsSort, CastilianHeadingAscendsThenDescendsInBothDirections)
{
    for (auto direction : {VocabularyDirection::CastellaCatala, VocabularyDirection::CatalaCastella}) {
        ReportRows rows = vocabulary(direction);
        const int castilian = direction == VocabularyDirection::CastellaCatala ? 0 : 1;
        HeaderSort state;
        OnHeaderClick(rows, state, castilian, MouseButton::Left);
        expectOrdered(rows, castilian, true);
        EXPECT_EQ(cell(rows, 0, castilian), "a cargo de");
        EXPECT_EQ(cell(rows, 3948, castilian), "\xFAtil"); // "útil"
        OnHeaderClick(rows, state, castilian, MouseButton::Left);
        expectOrdered(rows, castilian, false);
        EXPECT_EQ(cell(rows, 0, castilian), "\xFAtil");
        EXPECT_EQ(cell(rows, 3948, castilian), "a cargo de");
    }
}

TEST(ReferenceListsSort, MunicipalityNamesThenReversed)
{
    ReportRows rows = municipalities();
    HeaderSort state;
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    expectOrdered(rows, 0, true);
    EXPECT_EQ(cell(rows, 0, 0), "Abella de la Conca");
    EXPECT_EQ(cell(rows, 943, 0), "Xerta");
    EXPECT_EQ(cell(rows, 944, 0), "\xC0ger");
    EXPECT_EQ(cell(rows, 946, 0), "\xD2rrius");
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    EXPECT_EQ(cell(rows, 0, 0), "\xD2rrius");
    EXPECT_EQ(cell(rows, 2, 0), "\xC0ger");
    EXPECT_EQ(cell(rows, 3, 0), "Xerta");
    EXPECT_EQ(cell(rows, 946, 0), "Abella de la Conca");
}

TEST(ReferenceListsSort, PostcodesSortNumericallyPrefixesAsText)
{
    ReportRows rows = municipalities();
    HeaderSort state;
    OnHeaderClick(rows, state, 2, MouseButton::Left);
    for (int row = 1; row < rows.rowCount(); ++row)
        ASSERT_LE(std::stoul(std::string(rows.cellText(row - 1, 2))), std::stoul(std::string(rows.cellText(row, 2))));
    EXPECT_EQ(rows.cellText(0, 2), "08001"); // Barcelona's
    const std::string largest(rows.cellText(946, 2));
    OnHeaderClick(rows, state, 2, MouseButton::Left);
    EXPECT_EQ(rows.cellText(0, 2), largest);
    EXPECT_EQ(rows.cellText(946, 2), "08001");

    OnHeaderClick(rows, state, 3, MouseButton::Left);
    std::vector<std::string> runs;
    for (int row = 0; row < rows.rowCount(); ++row)
        if (runs.empty() || runs.back() != rows.cellText(row, 3))
            runs.emplace_back(rows.cellText(row, 3));
    EXPECT_EQ(runs, (std::vector<std::string>{"93", "972", "973", "977"}));

    OnHeaderClick(rows, state, 1, MouseButton::Left);
    EXPECT_EQ(cell(rows, 0, 1), "Alt Camp");
    EXPECT_EQ(cell(rows, 946, 1), "Vall\xE8s Oriental");
}

TEST(ReferenceListsSort, AbbreviationsByEitherColumn)
{
    ReportRows rows(2);
    FillAbbreviationsList(rows);
    HeaderSort state;
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    expectOrdered(rows, 0, true);
    EXPECT_EQ(cell(rows, 0, 0), "(a)"); // punctuation before letters
    EXPECT_TRUE(accentedInitial(rows.cellText(rows.rowCount() - 1, 0)));
    OnHeaderClick(rows, state, 1, MouseButton::Left);
    expectOrdered(rows, 1, true);
    OnHeaderClick(rows, state, 1, MouseButton::Left);
    expectOrdered(rows, 1, false);
    EXPECT_TRUE(accentedInitial(rows.cellText(0, 1)));
}

TEST(ReferenceListsSort, SymbolSignsOfAreaAndAmpereEndUpSideBySide)
{
    ReportRows rows(2);
    FillSymbolsList(rows);
    HeaderSort state;
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    const int area = findRow(rows, 1, "\xE0rea");
    const int ampere = findRow(rows, 1, "amper");
    ASSERT_GE(area, 0);
    ASSERT_GE(ampere, 0);
    EXPECT_EQ(std::abs(area - ampere), 1);
    const std::string before = cell(rows, 0, 0);
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    EXPECT_EQ(cell(rows, 128, 0), before);
}

TEST(ReferenceListsSearch, MunicipalitiesSequence)
{
    ReportRows rows = municipalities();
    int selected = -1;
    selected = FindInList(rows, selected, "ab");
    EXPECT_EQ(cell(rows, selected, 0), "Abella de la Conca");
    selected = FindInList(rows, selected, "ab");
    EXPECT_EQ(cell(rows, selected, 0), "Abrera");
    EXPECT_EQ(FindInList(rows, selected, "ab"), -1); // "No trobat": the caller keeps Abrera

    EXPECT_EQ(cell(rows, FindInList(rows, -1, "ABRERA"), 0), "Abrera");
    EXPECT_EQ(cell(rows, FindInList(rows, -1, "abrera"), 0), "Abrera");

    const int xerta = findRow(rows, 0, "Xerta");
    ASSERT_GE(xerta, 0);
    EXPECT_EQ(FindInList(rows, xerta, "agramunt"), -1);
    EXPECT_GE(FindInList(rows, -1, "agramunt"), 0);
}

TEST(ReferenceListsSearch, FollowsTheOrderOfTheLastSort)
{
    ReportRows rows = municipalities();
    HeaderSort state;
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    OnHeaderClick(rows, state, 0, MouseButton::Left); // descending: Abrera now before Abella
    const int first = FindInList(rows, -1, "ab");
    EXPECT_EQ(cell(rows, first, 0), "Abrera");
    EXPECT_EQ(cell(rows, FindInList(rows, first, "ab"), 0), "Abella de la Conca");
    EXPECT_EQ(cell(rows, FindInList(rows, -1, "\xE0"), 0), "\xC0ger"); // first row now
}

TEST(ReferenceListsSearch, EachVocabularyDirectionSearchesItsOwnLanguage)
{
    const ReportRows forward = vocabulary(VocabularyDirection::CastellaCatala);
    const ReportRows backward = vocabulary(VocabularyDirection::CatalaCastella);
    EXPECT_EQ(cell(forward, FindInList(forward, -1, "cifra"), 0).substr(0, 5), "cifra");
    EXPECT_EQ(FindInList(forward, -1, "xifra"), -1);
    EXPECT_EQ(cell(backward, FindInList(backward, -1, "xifra"), 0).substr(0, 5), "xifra");
}

// The windows and plecta-cli size their lists from the headings: a fill that writes more texts
// than there are headings would lose a column silently, one that writes fewer would show blanks.
TEST(ReferenceListsFill, EveryListFillsExactlyItsHeadedColumns)
{
    std::set<std::string_view> names;
    for (const ReferenceList &list : referenceLists()) {
        SCOPED_TRACE(std::string(list.name));
        EXPECT_TRUE(names.insert(list.name).second) << "two lists with one name";
        const int columns = int(list.columns.size());
        ReportRows rows(columns + 1);
        list.fill(rows);
        ASSERT_GT(rows.rowCount(), 0);
        for (int row = 0; row < rows.rowCount(); ++row) {
            ASSERT_FALSE(rows.cellText(row, columns - 1).empty()) << "row " << row;
            ASSERT_TRUE(rows.cellText(row, columns).empty()) << "row " << row;
        }
    }
}
