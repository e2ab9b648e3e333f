#include "reference/HandbookSearch.h"
#include "reference/ListSearch.h"
#include "reference/ReferenceLists.h"
#include "text/Cp1252.h"
#include "text/Fold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using reflist::HandbookPart;

std::vector<std::string> words(const char *utf8)
{
    return plecta::foldedWords(cp1252::fromUtf8(utf8).text);
}

const reflist::HandbookIndex &handbook()
{
    static const reflist::HandbookIndex index;
    return index;
}

std::string unpadded(std::string_view cell)
{
    return cp1252::toUtf8(cell.substr(0, cell.find_last_not_of(' ') + 1));
}

// The first column of every hit of a part, in the order given.
std::vector<std::string> firstCells(const std::vector<reflist::HandbookHit> &hits, HandbookPart part)
{
    std::vector<std::string> cells;
    for (const reflist::HandbookHit &hit : hits) {
        if (hit.part == part)
            cells.push_back(unpadded(handbook().rows(part).cellText(hit.row, 0)));
    }
    return cells;
}

struct MeantCase
{
    const char *query;
    HandbookPart part;
    const char *meant; // how the first column of the row a person means begins
};

TEST(HandbookSearch, FindsWhatAPersonMeans)
{
    const MeantCase cases[] = {
        {"l'hospitalet", HandbookPart::Municipalities, "Hospitalet de Llobregat, l'"},
        {"L’Hospitalet", HandbookPart::Municipalities, "Hospitalet de Llobregat, l'"},
        {"hospitalet llobregat", HandbookPart::Municipalities, "Hospitalet de Llobregat, l'"},
        {"els alamus", HandbookPart::Municipalities, "Alamús, els"},
        {"moia", HandbookPart::Municipalities, "Moià"},
        {"MOIÀ", HandbookPart::Municipalities, "Moià"},
        {"08180", HandbookPart::Municipalities, "Moià"},
        {"credit", HandbookPart::Vocabulary, "crédito"},
        {"sol·licitud", HandbookPart::Vocabulary, "solicitud"},
        {"sol.licitud", HandbookPart::Vocabulary, "solicitud"},
        {"sollicitud", HandbookPart::Vocabulary, "solicitud"},
        {"SOLICITUD", HandbookPart::Vocabulary, "solicitud"},
        {"barcelones", HandbookPart::Comarques, "Barcelonès"},
        {"honorable", HandbookPart::Treatments, "Honorable Senyor -a"},
    };
    for (const MeantCase &c : cases) {
        const auto hits = handbook().search(words(c.query), reflist::kHandbookParts, true);
        const std::vector<std::string> cells = firstCells(hits, c.part);
        EXPECT_TRUE(std::any_of(cells.begin(), cells.end(),
                                [&c](const std::string &cell) { return cell.starts_with(c.meant); }))
            << c.query << " should find " << c.meant;
    }
}

TEST(HandbookSearch, GroupsByListAndPutsWordStartsFirst)
{
    const auto hits = handbook().search(words("credit"), reflist::kHandbookParts, true);
    ASSERT_FALSE(hits.empty());
    // Grouped in the order of the parts, and best first inside each group.
    for (std::size_t i = 1; i < hits.size(); ++i) {
        ASSERT_LE(int(hits[i - 1].part), int(hits[i].part));
        if (hits[i - 1].part == hits[i].part) {
            EXPECT_LE(hits[i - 1].rank, hits[i].rank);
        }
    }
    // Among whole-word matches the closest comes first: the word itself before the phrases
    // that hold it.
    EXPECT_EQ(firstCells(hits, HandbookPart::Vocabulary).front(), "crédito");
    EXPECT_EQ(
        firstCells(handbook().search(words("sol·licitud"), reflist::kHandbookParts, true), HandbookPart::Vocabulary)
            .front(),
        "solicitud");
    // "acreditació" matches inside a word, so every row that starts a word with "credit" (the
    // table has "crédito" further down than "acreditación") comes before it.
    const std::vector<std::string> vocabulary = firstCells(hits, HandbookPart::Vocabulary);
    const auto inside = std::find(vocabulary.begin(), vocabulary.end(), "acreditación");
    const auto start = std::find(vocabulary.begin(), vocabulary.end(), "crédito");
    ASSERT_NE(inside, vocabulary.end());
    ASSERT_NE(start, vocabulary.end());
    EXPECT_LT(start, inside);

    // In table order, the same hits.
    auto plain = handbook().search(words("credit"), reflist::kHandbookParts, false);
    EXPECT_TRUE(std::is_sorted(plain.begin(), plain.end(), [](const auto &a, const auto &b) {
        return a.part != b.part ? a.part < b.part : a.row < b.row;
    }));
    auto byPlace = [](const auto &a, const auto &b) { return a.part != b.part ? a.part < b.part : a.row < b.row; };
    auto ranked = hits;
    std::sort(ranked.begin(), ranked.end(), byPlace);
    ASSERT_EQ(ranked.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i)
        EXPECT_EQ(ranked[i].row, plain[i].row);
}

TEST(HandbookSearch, SearchesOnlyThePartsAskedAndNothingForNoWords)
{
    const HandbookPart onlyComarques[] = {HandbookPart::Comarques};
    const auto hits = handbook().search(words("baix"), onlyComarques, false);
    EXPECT_EQ(firstCells(hits, HandbookPart::Comarques),
              (std::vector<std::string>{"Baix Camp", "Baix Ebre", "Baix Empordà", "Baix Llobregat", "Baix Penedès"}));
    EXPECT_EQ(hits.size(), 5u);
    EXPECT_TRUE(handbook().search(words(" ·, "), reflist::kHandbookParts, false).empty());
    EXPECT_TRUE(handbook().search(words("qqqzzz"), reflist::kHandbookParts, false).empty());
}

TEST(HandbookSearch, TreatmentsRowsAreTheLinesThatHoldSomething)
{
    const reflist::TreatmentsRows treatments = reflist::treatmentsRows();
    ASSERT_GT(treatments.rows.rowCount(), 20);
    ASSERT_EQ(std::size_t(treatments.rows.rowCount()), treatments.lines.size());
    EXPECT_EQ(unpadded(treatments.rows.cellText(0, 0)), "TRACTAMENTS CÀRRECS");
    EXPECT_EQ(treatments.lines.front(), 0);
    EXPECT_EQ(treatments.lines[1], 2); // the heading is followed by an empty line
    for (int row = 0; row < treatments.rows.rowCount(); ++row) {
        const std::string_view line = treatments.rows.cellText(row, 0);
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find('\t'), std::string_view::npos);
        EXPECT_EQ(line.find("  "), std::string_view::npos);
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), ' ');
        if (row > 0) {
            EXPECT_GT(treatments.lines[std::size_t(row)], treatments.lines[std::size_t(row) - 1]);
        }
    }
}

TEST(ListSearch, FollowsTheRowsThroughASort)
{
    const reflist::ReferenceList &list = reflist::referenceList(reflist::ListId::Municipalities);
    reflist::ReportRows rows = reflist::filledRows(list);
    const reflist::ListSearch search(list, rows);
    reflist::HeaderSort sort;
    reflist::OnHeaderClick(rows, sort, 2, reflist::MouseButton::Left); // by postcode
    reflist::OnHeaderClick(rows, sort, 2, reflist::MouseButton::Left); // descending
    int shown = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (search.matches(rows.origin(row), words("l'hospitalet"))) {
            ++shown;
            EXPECT_NE(plecta::foldForSearch(rows.cellText(row, 0)).find("hospitalet"), std::string::npos);
        }
    }
    EXPECT_EQ(shown, 2); // l'Hospitalet de Llobregat, Vandellòs i l'Hospitalet de l'Infant
    // The running form is searched too: "els alamus" is found only through it, since no stored
    // text has "els" before "Alamús".
    const auto alamus = words("els alamus");
    int found = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (search.matches(rows.origin(row), alamus)) {
            ++found;
            EXPECT_EQ(unpadded(rows.cellText(row, 0)), "Alamús, els");
        }
    }
    EXPECT_EQ(found, 1);
}

TEST(ListSearch, CountsAreWrittenWithCatalanThousands)
{
    const std::pair<long long, const char *> numbers[] = {
        {0, "0"},        {23, "23"},          {999, "999"},           {1000, "1.000"},
        {3523, "3.523"}, {123456, "123.456"}, {1234567, "1.234.567"}, {-4500, "-4.500"},
    };
    for (const auto &[value, text] : numbers)
        EXPECT_EQ(reflist::groupedNumber(value), text) << value;
    EXPECT_EQ(reflist::shownCountText(23, 3523), "23 de 3.523");
}

} // namespace
