// The protocol treatments text, resource "TEXT" 168: size, layout and the forms of address.
#include "reference/Treatments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> crlfLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The column a character lands in with tab stops every eight characters.
std::size_t columnOf(const std::string &line, std::size_t index)
{
    std::size_t column = 0;
    for (std::size_t i = 0; i < index; ++i)
        column = line[i] == '\t' ? (column / 8 + 1) * 8 : column + 1;
    return column;
}

} // namespace

TEST(Treatments, ResourceIsTheWholeTextClosedByOneNul)
{
    const auto resource = treatments::findTextResource(168);
    ASSERT_TRUE(resource.has_value());
    EXPECT_EQ(resource->size(), 3270u);
    EXPECT_EQ(resource->back(), '\0');
    EXPECT_EQ(resource->find('\0'), resource->size() - 1);
    EXPECT_EQ(treatments::treatmentsText(), resource->substr(0, 3269));
    EXPECT_FALSE(treatments::findTextResource(169).has_value());
}

TEST(Treatments, NinetyLinesEndingInFourEmptyOnes)
{
    const std::string_view text = treatments::treatmentsText();
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 90u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << i; // CR LF only as pairs
    EXPECT_EQ(lines[0], " TRACTAMENTS\t\t\t     C\xC0RRECS");
    EXPECT_EQ(lines[1], "");
    EXPECT_FALSE(lines[85].empty());
    for (std::size_t i = 86; i < 90; ++i)
        EXPECT_EQ(lines[i], "") << i;
}

TEST(Treatments, EveryOfficeStartsAtColumnForty)
{
    const auto lines = crlfLines(treatments::treatmentsText());
    int offices = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        const std::size_t lastTab = line.rfind('\t');
        if (lastTab == std::string::npos) {
            EXPECT_TRUE(line.empty()) << i; // only empty lines go without the second column
            continue;
        }
        EXPECT_EQ(columnOf(line, lastTab + 1), 40u) << i;
        const std::string rest = line.substr(lastTab + 1);
        EXPECT_TRUE(rest.starts_with(". ") || rest.starts_with("  ")) << i;
        offices += rest.starts_with(". ");
    }
    EXPECT_GE(offices, 30);
}

TEST(Treatments, FormsOfAddressWithTheirAbbreviationsThenTheirUse)
{
    const auto lines = crlfLines(treatments::treatmentsText());
    auto firstColumn = [](const std::string &line) { return line.substr(0, line.find('\t')); };
    std::vector<std::string> column;
    for (const auto &line : lines)
        if (!line.empty() && line[0] == ' ')
            column.push_back(firstColumn(line));
    const std::vector<std::string> expected = {
        " TRACTAMENTS",
        " Sa Majestat",
        " (S. M.)",
        " Altesa Reial",
        " (S. A. R.)",
        " Molt Honorable Senyor -a",
        " (M. Hble. Sr./a. / M. H. Sr./a.)",
        " Honorable Senyor -a",
        " (Hble. Sr./a. / H. Sr./a.)",
        " Excel\xB7lent\xEDssim -a Senyor -a",
        " (Excm./a. Sr./a.)",
        " Excel\xB7lent\xEDssim -a i Magn\xED"
        "fic -a",
        " Senyor -a",
        " (Excm./a. i Mgfc./a. Sr./a.)",
        " Il\xB7lustr\xEDssim -a Senyor -a",
        " (Il\xB7lm./a. Sr./a.)",
        " Il\xB7lustre Senyor -a",
        " (Il\xB7ltre. Sr./I. Sr.)",
        " (Il\xB7ltre. Sra./I. Sra.)",
        " \xDAs dels tractaments",
        " Normes",
    };
    EXPECT_EQ(column, expected);

    // The two lines quoted as they stand in the handbook.
    bool found = false;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].starts_with(" Il\xB7lustr\xEDssim")) {
            found = true;
            EXPECT_EQ(lines[i], " Il\xB7lustr\xEDssim -a Senyor -a\t\t. Alcalde -essa (llevat del de Barcelona)");
            EXPECT_EQ(lines[i + 1], " (Il\xB7lm./a. Sr./a.)\t\t\t. Deg\xE0 -ana de facultats universit\xE0ries");
        }
    }
    EXPECT_TRUE(found);
}

TEST(Treatments, OfficesNameGenericBodiesInLowerCaseAndTheRuleOfUseIsGiven)
{
    const std::string_view text = treatments::treatmentsText();
    // Generic nouns are written in lower case; proper names keep their capitals.
    for (const char *generic : {"d'Universitat", "de Facultats", "dels Col.legis", "de Consell Comarcal",
                                "de Reial Acad\xE8mia", "de Diputaci\xF3 (llevat"})
        EXPECT_EQ(text.find(generic), std::string_view::npos) << generic;
    EXPECT_NE(text.find(". Rector -a d'una universitat"), std::string_view::npos);
    EXPECT_NE(text.find(". C\xF2nsol o consolessa"), std::string_view::npos);
    // No treatment comes with the Creu de Sant Jordi, and none is cited from the repealed
    // university law: the rector's "Magn\xEDfic" comes from the statutes and from custom.
    EXPECT_EQ(text.find("Creu de Sant Jordi"), std::string_view::npos);
    EXPECT_EQ(text.find("d'universitats"), std::string_view::npos);
    EXPECT_EQ(text.find("per llei;"), std::string_view::npos);
    EXPECT_NE(text.find("pels estatuts de les\r\n"), std::string_view::npos);

    // The rule of use: treatments in the address, on the envelope and in the salutation only.
    EXPECT_NE(text.find(", al sobre i a la\r\n"), std::string_view::npos)
        << "the address, the envelope, the salutation";
    EXPECT_NE(text.find("\253el president\273"), std::string_view::npos);
    // Offices whose treatment only custom sets say so.
    std::size_t byCustom = 0;
    for (std::size_t at = 0; (at = text.find("per costum", at)) != std::string_view::npos; ++at)
        ++byCustom;
    EXPECT_GE(byCustom, 4u);
}
