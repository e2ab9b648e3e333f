// The heading sort and the first-column search over plain rows, without the tables.
#include "reference/ListSort.h"
#include "reference/ReportRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

using namespace reflist;

namespace {

ReportRows oneColumn(const std::vector<std::string> &texts)
{
    ReportRows rows(1);
    for (const auto &text : texts)
        rows.appendRow({text});
    return rows;
}

std::vector<std::string> column(const ReportRows &rows, int col = 0)
{
    std::vector<std::string> out;
    for (int row = 0; row < rows.rowCount(); ++row)
        out.emplace_back(rows.cellText(row, col));
    return out;
}

std::vector<int> origins(const ReportRows &rows)
{
    std::vector<int> out;
    for (int row = 0; row < rows.rowCount(); ++row)
        out.push_back(rows.origin(row));
    return out;
}

} // namespace

TEST(ListSortKeys, CaseFoldedBytesWithAccentedLettersAfterZAndSpaceFirst)
{
    EXPECT_EQ(compareKeys("ABRERA", "abrera"), 0);
    EXPECT_EQ(compareKeys("\xC0ger", "\xE0ger"), 0); // "Àger" and "àger"
    EXPECT_EQ(compareKeys("\xC7", "\xE7"), 0);       // "Ç" and "ç"
    EXPECT_GT(compareKeys("\xE0mbit", "zona"), 0);   // an accented initial after "z"
    EXPECT_LT(compareKeys("abc ", "abca"), 0);       // padding before any letter
    EXPECT_LT(compareKeys("ab", "ab "), 0);          // a prefix first
    EXPECT_GT(compareKeys("\x80", "z"), 0);          // unsigned bytes: the euro sign after "z"
}

TEST(ListSort, AscendingAndDescendingIgnoreCaseAndPutAccentedInitialsLast)
{
    ReportRows rows = oneColumn({"Xerta  ", "\xC0ger  ", "abrera ", "Dena   ", "ABELLA ", "\xFAtil  "});
    ASSERT_TRUE(SortListByColumn(rows, 0, true, 0, -1));
    EXPECT_EQ(column(rows),
              (std::vector<std::string>{"ABELLA ", "abrera ", "Dena   ", "Xerta  ", "\xC0ger  ", "\xFAtil  "}));
    ASSERT_TRUE(SortListByColumn(rows, 0, false, 0, -1));
    EXPECT_EQ(column(rows),
              (std::vector<std::string>{"\xFAtil  ", "\xC0ger  ", "Xerta  ", "Dena   ", "abrera ", "ABELLA "}));
}

TEST(ListSort, MovesWholeRowsAndSortsByTheColumnAsked)
{
    ReportRows rows(2);
    rows.appendRow({"c", "1"});
    rows.appendRow({"a", "3"});
    rows.appendRow({"b", "2"});
    ASSERT_TRUE(SortListByColumn(rows, 1, true, 0, -1));
    EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(column(rows, 1), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(origins(rows), (std::vector<int>{0, 2, 1}));
}

// Rows with equal keys are never exchanged, so their order is the partitioning's, not a stable
// sort's: rows that only differ in case end up as the handbook always left them.
TEST(ListSort, EqualKeysKeepThePartitioningOrder)
{
    ReportRows rows = oneColumn({"b", "a", "B", "a"});
    ASSERT_TRUE(SortListByColumn(rows, 0, true, 0, -1));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "a", "B", "b"}));
    EXPECT_EQ(origins(rows), (std::vector<int>{3, 1, 2, 0}));
}

TEST(ListSort, SortsOnlyTheRangeAskedAndReportsWhenThereIsNothingToDo)
{
    ReportRows rows = oneColumn({"d", "c", "b", "a"});
    ASSERT_TRUE(SortListByColumn(rows, 0, true, 1, 2));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"d", "b", "c", "a"}));

    EXPECT_FALSE(SortListByColumn(rows, 1, true, 0, -1)); // no such column
    EXPECT_FALSE(SortListByColumn(rows, 0, true, 2, 2));  // one row
    ReportRows single = oneColumn({"x"});
    EXPECT_FALSE(SortListByColumn(single, 0, true, 0, -1));
    ReportRows empty(1);
    EXPECT_FALSE(SortListByColumn(empty, 0, true, 0, -1));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"d", "b", "c", "a"}));

    // A range reaching outside the list is cut to the rows it has.
    ASSERT_TRUE(SortListByColumn(rows, 0, true, -7, 1000));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_FALSE(SortListByColumn(rows, 0, false, 4, 1000));
    EXPECT_FALSE(SortListByColumn(rows, 0, false, -20, -5));
    EXPECT_FALSE(SortListByColumn(empty, 0, true, -3, 3));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(ReportRows, IndexesOutsideTheListReadNothingAndMoveNothing)
{
    ReportRows rows = oneColumn({"b", "a"});
    for (const auto &[row, col] : std::vector<std::pair<int, int>>{{-1, 0}, {2, 0}, {0, -1}, {0, 1}, {1 << 30, 0}})
        EXPECT_EQ(rows.cellText(row, col), "") << row << "," << col;
    EXPECT_EQ(rows.origin(-1), -1);
    EXPECT_EQ(rows.origin(2), -1);
    rows.swapRows(0, 2);
    rows.swapRows(-1, 1);
    EXPECT_EQ(column(rows), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(origins(rows), (std::vector<int>{0, 1}));
    EXPECT_EQ(FindInList(rows, std::numeric_limits<int>::max(), "a"), -1);
    EXPECT_EQ(FindInList(rows, -50, "a"), 1);
}

TEST(ListSort, LargeListWithManyDuplicatesEndsOrdered)
{
    ReportRows rows(1);
    unsigned seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char letter = char((seed >> 16) % 2 ? 'a' : 'A') + char((seed >> 8) % 7);
        rows.appendRow({std::string(1, letter) + std::to_string((seed >> 4) % 5)});
    }
    ASSERT_TRUE(SortListByColumn(rows, 0, false, 0, -1));
    for (int row = 1; row < rows.rowCount(); ++row)
        ASSERT_GE(compareKeys(rows.cellText(row - 1, 0), rows.cellText(row, 0)), 0) << row;
    std::vector<int> seen = origins(rows);
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < int(seen.size()); ++i)
        ASSERT_EQ(seen[std::size_t(i)], i); // a permutation: no row lost or doubled
}

TEST(HeaderClick, FirstClickAscendsRepeatedClicksReverseAnotherColumnAscends)
{
    ReportRows rows(2);
    rows.appendRow({"b", "x"});
    rows.appendRow({"a", "z"});
    rows.appendRow({"c", "y"});
    HeaderSort state;

    EXPECT_TRUE(OnHeaderClick(rows, state, 0, MouseButton::Left));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(OnHeaderClick(rows, state, 0, MouseButton::Left));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_TRUE(OnHeaderClick(rows, state, 0, MouseButton::Left));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "b", "c"}));

    EXPECT_TRUE(OnHeaderClick(rows, state, 1, MouseButton::Left));
    EXPECT_EQ(column(rows, 1), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(state.column, 1);
    EXPECT_TRUE(state.ascending);
}

TEST(HeaderClick, OtherButtonsChangeNeitherTheRowsNorTheState)
{
    ReportRows rows = oneColumn({"b", "a"});
    HeaderSort state;
    EXPECT_FALSE(OnHeaderClick(rows, state, 0, MouseButton::Right));
    EXPECT_FALSE(OnHeaderClick(rows, state, 0, MouseButton::Middle));
    EXPECT_EQ(column(rows), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(state.column, -1);
    // So the next left click on the column still sorts it ascending.
    OnHeaderClick(rows, state, 0, MouseButton::Left);
    EXPECT_EQ(column(rows), (std::vector<std::string>{"a", "b"}));
}

TEST(FindInList, MatchesTheBeginningIgnoringCaseButNotAccents)
{
    EXPECT_TRUE(beginsWith("Abrera        ", "abr"));
    EXPECT_TRUE(beginsWith("\xC0ger  ", "\xE0G")); // "Àger" found by "àG"
    EXPECT_FALSE(beginsWith("Ager", "\xE0"));      // accents are significant
    EXPECT_FALSE(beginsWith("ab", "abc"));
    EXPECT_TRUE(beginsWith("Dena   ", "dena ")); // the padding is text
    EXPECT_FALSE(beginsWith("Dena", "dena "));
}

TEST(FindInList, SearchesAfterTheSelectionWithoutWrappingAround)
{
    ReportRows rows = oneColumn({"Abella ", "Abrera ", "Agullana", "Abrera "});
    EXPECT_EQ(FindInList(rows, -1, "ab"), 0);
    EXPECT_EQ(FindInList(rows, 0, "ab"), 1);
    EXPECT_EQ(FindInList(rows, 1, "ab"), 3);
    EXPECT_EQ(FindInList(rows, 3, "ab"), -1);
    EXPECT_EQ(FindInList(rows, 2, "abella"), -1); // above the selection is never looked at
    EXPECT_EQ(FindInList(rows, -1, "AGULLANA"), 2);
    EXPECT_EQ(FindInList(rows, 0, "abrera"), 1);
}
