#include "reference/HandbookSearch.h"
#include "forms/DocumentCatalogue.h"
#include "reference/ListSearch.h"
#include "reference/ReferenceLists.h"
#include "reference/Treatments.h"
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
        {"alcalde barcelona", HandbookPart::Treatments, "Excel·lentíssim -a Senyor -a"},
        {"reposicio", HandbookPart::Documents, "recurs potestatiu de reposició"},
        {"recurs alcada", HandbookPart::Documents, "recurs d'alçada"},
        {"sol·licitud materia no reglada", HandbookPart::Documents, "petició"},
        {"ALBARA", HandbookPart::Documents, "albarà"},
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
    // Each part's hits together, best first; the parts by their best hit, then in their order.
    std::vector<HandbookPart> seen{hits.front().part};
    for (std::size_t i = 1; i < hits.size(); ++i) {
        if (hits[i - 1].part == hits[i].part) {
            EXPECT_LE(hits[i - 1].rank, hits[i].rank);
            continue;
        }
        EXPECT_EQ(std::find(seen.begin(), seen.end(), hits[i].part), seen.end()) << "a part split in two";
        seen.push_back(hits[i].part);
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

// What a person types whole (a headword, an abbreviation with its marks, a kind's name) comes
// first of all, whatever part it is in; marks narrow the search instead of being dropped.
TEST(HandbookSearch, ExactHeadwordsAndAbbreviationsComeFirst)
{
    struct FirstCase
    {
        const char *query;
        HandbookPart part;
        const char *first;
    };
    const FirstCase cases[] = {
        {"c/", HandbookPart::Abbreviations, "c/"},
        {"s/ref.", HandbookPart::Abbreviations, "s/ref."},
        {"acta", HandbookPart::Vocabulary, "acta"},
        {"credit", HandbookPart::Vocabulary, "crédito"}, // "crèdit m", its labels aside
        {"carta", HandbookPart::Vocabulary, "carta"},
        {"sollicitud model b", HandbookPart::Documents, "sol·licitud - Model B"},
        {"moia", HandbookPart::Municipalities, "Moià"},
        {"l'hospitalet de llobregat", HandbookPart::Municipalities, "Hospitalet de Llobregat, l'"},
    };
    for (const FirstCase &c : cases) {
        const auto hits =
            handbook().search(plecta::parseQuery(cp1252::fromUtf8(c.query).text), reflist::kHandbookParts, true);
        ASSERT_FALSE(hits.empty()) << c.query;
        EXPECT_EQ(hits.front().part, c.part) << c.query;
        EXPECT_EQ(hits.front().rank, reflist::ExactKey) << c.query;
        EXPECT_EQ(unpadded(handbook().rows(hits.front().part).cellText(hits.front().row, 0)), c.first) << c.query;
    }

    // "c/" keeps its slash: a few abbreviations that hold it, not every row with a "c".
    const auto slash = handbook().search(plecta::parseQuery("c/"), reflist::kHandbookParts, true);
    EXPECT_EQ(firstCells(slash, HandbookPart::Abbreviations), (std::vector<std::string>{"c/", "c/c"}));
    EXPECT_LT(slash.size(), 10u);
    EXPECT_GT(handbook().search(words("c"), reflist::kHandbookParts, true).size(), 1000u);
}

TEST(HandbookSearch, DocumentKindsKnowTheirCatalogue)
{
    const reflist::ReportRows &kinds = handbook().rows(HandbookPart::Documents);
    ASSERT_EQ(kinds.rowCount(), 29);
    for (int row = 0; row < kinds.rowCount(); ++row) {
        const reflist::DocumentKindPlace place = handbook().documentKind(row);
        EXPECT_EQ(unpadded(kinds.cellText(row, 0)), std::string(place.entry->name));
        EXPECT_EQ(place.catalogue, row < 12 ? 0 : 1) << row;
        // Descriptions read as one line: the catalogue's doubled blanks and tabs made single spaces.
        EXPECT_EQ(kinds.cellText(row, 1).find("  "), std::string_view::npos) << row;
        EXPECT_EQ(kinds.cellText(row, 1).find('\t'), std::string_view::npos) << row;
    }
}

// The treatments are searched by sentence: an office whose words run over several lines is one
// hit, beside its form of address and abbreviations, and knows the line it begins on.
TEST(HandbookSearch, TreatmentsRowsAreWholeSentencesBesideTheirForm)
{
    const reflist::TreatmentsRows treatments = reflist::treatmentsRows();
    ASSERT_GT(treatments.rows.rowCount(), 40);
    ASSERT_EQ(std::size_t(treatments.rows.rowCount()), treatments.lines.size());
    const auto row = [&](std::string_view officeStart) {
        for (int r = 0; r < treatments.rows.rowCount(); ++r) {
            if (unpadded(treatments.rows.cellText(r, 2)).starts_with(officeStart))
                return r;
        }
        return -1;
    };
    const auto cells = [&](int r) {
        return std::vector<std::string>{unpadded(treatments.rows.cellText(r, 0)),
                                        unpadded(treatments.rows.cellText(r, 1)),
                                        unpadded(treatments.rows.cellText(r, 2))};
    };
    const int president = row("President -a de la Generalitat");
    ASSERT_GE(president, 0);
    EXPECT_EQ(cells(president),
              (std::vector<std::string>{"Molt Honorable Senyor -a", "(M. Hble. Sr./a. / M. H. Sr./a.)",
                                        "President -a de la Generalitat"}));
    const int minister = row("President -a del Govern de l'Estat");
    ASSERT_GE(minister, 0);
    EXPECT_EQ(cells(minister)[2], "President -a del Govern de l'Estat i ministre -a (per costum; el tractament "
                                  "oficial és senyor -a: Codi de bon govern)");
    const int rector = row("Rector -a d'una universitat");
    ASSERT_GE(rector, 0);
    EXPECT_EQ(cells(rector)[0], "Excel·lentíssim -a i Magnífic -a Senyor -a");
    EXPECT_EQ(cells(rector)[1], "(Excm./a. i Mgfc./a. Sr./a.)");
    const int regidor = row("Regidor -a");
    ASSERT_GE(regidor, 0);
    EXPECT_EQ(cells(regidor)[1], "(Il·ltre. Sr./I. Sr.) (Il·ltre. Sra./I. Sra.)");

    // Each row's line is the one its sentence begins on.
    const std::string text = cp1252::toUtf8(treatments::treatmentsText());
    std::vector<std::string> textLines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        textLines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    for (int r = 0; r < treatments.rows.rowCount(); ++r) {
        const std::string office = unpadded(treatments.rows.cellText(r, 2));
        const std::string &line = textLines.at(std::size_t(treatments.lines[std::size_t(r)]));
        EXPECT_NE(line.find(". " + office.substr(0, office.find(' '))), std::string::npos) << line;
        EXPECT_EQ(cells(r)[2].find("  "), std::string::npos);
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
