// The compiled-in models byte for byte: sizes, line ends, TABs, spaces, NULs, single-byte letters.
// A model edited by accident (an editor stripping spaces, a lost TAB, UTF-8 leaking through)
// fails here.

#include "models/DocumentModels.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace plecta;
using namespace std::string_literals;

namespace {

std::string model(int id)
{
    const auto bytes = findDocumentModel(id);
    EXPECT_TRUE(bytes.has_value()) << "model " << id;
    return bytes ? std::string(*bytes) : std::string();
}

// The model's lines, 1-based (element 0 is unused); the last one is whatever follows the last CR LF.
std::vector<std::string> lines(const std::string &bytes)
{
    std::vector<std::string> result{""};
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(bytes.substr(start, end - start));
    result.push_back(bytes.substr(start));
    return result;
}

bool endsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TEST(DocumentModels, SizesAndLastBytes)
{
    // The size counts the trailing NULs; the tail shows whether the last line has its CR LF.
    const std::map<int, std::pair<std::size_t, std::string>> models = {
        {163, {557, "%field15%\t%field16%\r\n"}},
        {164, {166, "\r\n\r\n\r\n%field5%, %field6%\r\n"}},
        {165, {238, "acredita.\r\n\r\n%field5%, %field6%"}},
        {166, {459, "%field23%, %field24%\r\n\r\n"}},
        {167, {230, "%field12%\r\n\r\n\r\n"}},
        {171, {14, "\r\n%field1%\r\n\r\n"}},
        {175, {215, "\r\n %field7%,  %field8% \0"s}},
        {176, {409, "-\r\n\r\n  %field9%\0"s}},
        {177, {223, "%field19%\r\n\r\n%field20%\0"s}},
        {178, {224, "\r\n\r\n\r\n%field7%, %field8%\0"s}},
        {179, {353, "-+\0"s}},
        {182, {445, "-\xA6\r\n\r\n\r\n\r\n\r\n\0"s}},
        {169, {250, "\r\n\r\n%field11%\r\n"}},
        {170, {368, "\r\n\r\n%field16%\r\n\r\n"}},
        {173, {200, "\r\n\r\n%field11%"}},
        {174, {198, "\r\n\r\n%field11%"}},
        {185, {333, "\r\n\r\n%field13%"}},
        {186, {351, "\r\n\r\n%field13%"}},
        {187, {335, "\r\n\r\n%field13%"}},
        {188, {432, "\r\n\r\n%field11%\0\0"s}},
        {189, {545, "%field18%\r\n%field19%\r\n"}},
        {190, {561, "\r\n%field19%\r\n\r\n\r\n"}}};
    for (const auto &[id, expected] : models) {
        const std::string bytes = model(id);
        EXPECT_EQ(bytes.size(), expected.first) << "model " << id;
        EXPECT_TRUE(endsWith(bytes, expected.second)) << "model " << id;
    }
    EXPECT_EQ(documentModels().size(), models.size());
}

TEST(DocumentModels, UnknownIdGivesNothing)
{
    for (int id : {0, -1, 162, 168, 172, 180, 181, 191, 1001})
        EXPECT_FALSE(findDocumentModel(id).has_value()) << id;
}

TEST(DocumentModels, EveryModelIsWellFormed)
{
    const std::regex placeholder("%(field([1-9]|1[0-9]|2[0-5])|list)%");
    for (const DocumentModel &m : documentModels()) {
        SCOPED_TRACE("model " + std::to_string(m.id));
        const std::string bytes(m.bytes);
        const std::string text = bytes.substr(0, bytes.find('\0'));
        // NULs only at the very end.
        EXPECT_EQ(bytes.find_first_not_of('\0', text.size()), std::string::npos);
        // No lone CR or LF.
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "at " << i;
            }
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
            }
        }
        // "%" only inside placeholders.
        const std::string rest = std::regex_replace(text, placeholder, "");
        EXPECT_EQ(rest.find('%'), std::string::npos);
        // Windows-1252, not UTF-8: no lead byte 0xC3 of "à", "é", "ç" ...
        EXPECT_EQ(text.find('\xC3'), std::string::npos);
    }
}

TEST(DocumentModels, PlaceholdersEachModelUses)
{
    const std::map<int, std::set<int>> missing = {{185, {8}}}; // the pleading skips field 8
    const std::map<int, int> highest = {{163, 17}, {164, 6},  {165, 6},  {166, 24}, {167, 12}, {171, 1},
                                        {175, 8},  {176, 9},  {177, 20}, {178, 8},  {179, 7},  {182, 8},
                                        {169, 12}, {170, 16}, {173, 11}, {174, 11}, {185, 13}, {186, 13},
                                        {187, 13}, {188, 11}, {189, 19}, {190, 19}};
    const std::regex field("%field([0-9]+)%");
    for (const auto &[id, top] : highest) {
        const std::string bytes = model(id);
        std::set<int> used;
        for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), field); it != std::sregex_iterator(); ++it)
            used.insert(std::stoi((*it)[1]));
        std::set<int> expected;
        for (int n = 1; n <= top; ++n)
            if (!missing.count(id) || !missing.at(id).count(n))
                expected.insert(n);
        EXPECT_EQ(used, expected) << "model " << id;
        const bool hasList = bytes.find("%list%") != std::string::npos;
        EXPECT_EQ(hasList, id == 179 || id == 182) << "model " << id;
    }
}

TEST(DocumentModels, Minutes)
{
    const auto l = lines(model(163));
    ASSERT_EQ(l.size(), 34u); // 32 lines with CR LF, then nothing
    EXPECT_EQ(l[9], "%field6%\t%field7%");
    EXPECT_EQ(l[31], "Signatura\tSignatura ");
    EXPECT_EQ(l[33], "");
    for (int n : {13, 16, 17, 19, 21, 24, 27, 30, 31})
        EXPECT_TRUE(endsWith(l[n], " ") && !endsWith(l[n], "  ")) << "line " << n;
    EXPECT_EQ(l[30], "aixeca la sessi\xF3, de la qual, com a secretari  , estenc aquesta acta. ");
}

TEST(DocumentModels, SpacingOfTheCommercialModels)
{
    EXPECT_EQ(lines(model(165))[7], "I, perqu\xE8 se'n prengui coneixement i tingui  els efectes que");

    const auto invitation = lines(model(167));
    EXPECT_EQ(invitation[3], std::string(8, ' '));
    EXPECT_EQ(invitation[4], "Us convida a assistir a %field3% que tindr\xE0 lloc a %field4%, el");

    const auto individual = lines(model(175)), collective = lines(model(176));
    const std::string rule = " " + std::string(60, '-');
    EXPECT_EQ(individual[8], rule);
    EXPECT_EQ(individual[14], " %field6%, ");
    EXPECT_EQ(collective[14], " Signeu l'\xAB"
                              "assabentat\xBB,  si us   plau, i feu  circular aquest");
    EXPECT_EQ(collective[24], rule);

    EXPECT_EQ(lines(model(177)).size(), 24u);
    const auto saluda = lines(model(178));
    EXPECT_EQ(saluda[13], "aprofita  aquesta  avinentesa   per  manifestar-li  la  seva");
    EXPECT_EQ(saluda[14], "consideraci\xF3 i el seu afecte.");
}

TEST(DocumentModels, DeliveryNoteTable)
{
    const std::string bytes = model(179);
    const auto l = lines(bytes);
    const std::string border = "+" + std::string(75, '-') + "+";
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[6], "\t\t\t\t\t\t\t%field4%");
    EXPECT_EQ(l[11], border);
    EXPECT_EQ(l[12], "\xA6Quantitat\xA6 Concepte                            \xA6 Preu unitari \xA6    TOTAL   \xA6");
    EXPECT_EQ(l[13], "\xA6\t  \xA6\t\t\t\t\t\xA6\t       \xA6\t    \xA6");
    EXPECT_EQ(l[14], "%list%" + border + "\0"s);
    // The row template lines up with the header: same length, separators at the same places.
    const std::string row(kDeliveryNoteRowTemplate.substr(0, kDeliveryNoteRowTemplate.size() - 2));
    ASSERT_EQ(row.size(), l[12].size());
    for (std::size_t i = 0; i < row.size(); ++i)
        EXPECT_EQ(row[i] == '\xA6', l[12][i] == '\xA6') << "column " << i;
}

TEST(DocumentModels, OrderTable)
{
    const std::string bytes = model(182);
    const auto l = lines(bytes);
    const std::string inner = "+----------+---------------------------------+-------+----------+-----------\xA6";
    ASSERT_EQ(l.size(), 19u); // 17 lines with CR LF, then the NUL
    for (int n = 14; n <= 17; ++n)
        EXPECT_EQ(l[n], "") << "line " << n;
    EXPECT_EQ(l[18], "\0"s);
    EXPECT_EQ(l[2], "COMANDA N\xDAM.: %field2%");
    EXPECT_EQ(l[7], "R\xE8gim impost IVA :%field7%");
    EXPECT_EQ(l[10], "+" + std::string(75, '-') + "+");
    EXPECT_EQ(l[11],
              "\xA6Refer\xE8ncia\xA6 Descripci\xF3                      \xA6 Quant.\xA6Preu unit.\xA6    Import \xA6");
    EXPECT_EQ(l[12], inner);
    EXPECT_EQ(l[13], "%list%" + inner);
    // The template's separators match the header's, but its last cell is one narrower.
    const std::string row(kOrderRowTemplate.substr(0, kOrderRowTemplate.size() - 2));
    ASSERT_EQ(row.size() + 1, l[11].size());
    for (std::size_t i = 0; i + 1 < row.size(); ++i)
        EXPECT_EQ(row[i] == '\xA6', l[11][i] == '\xA6') << "column " << i;
    EXPECT_TRUE(endsWith(std::string(kOrderRowTemplate), " \xA6\r\n"));
}

TEST(DocumentModels, ApplicationModelBAndPetition)
{
    const auto b = lines(model(170));
    EXPECT_EQ(b[3], "Domicili:  %field5%\t\t\tMunicipi:  %field6%");
    EXPECT_EQ(b[10], "MOTIVACI\xD3 JUR\xED"
                     "DICA:");
    EXPECT_EQ(b[16], "SOL\xB7LICITUD:");

    const std::string report = model(173), petition = model(174);
    std::string expected = report;
    expected.replace(expected.find("\r\nDENUNCIO\r\n"), 12, "\r\nDEMANO\r\n");
    EXPECT_EQ(petition, expected);
}

TEST(DocumentModels, Complaint)
{
    const std::string complaint = model(188);
    EXPECT_EQ(lines(complaint)[6], "3/1993, b\xE0sica de  les  Cambres Oficials   de   Comer\xE7,");
}

TEST(DocumentModels, Appeals)
{
    const std::string ordinary = model(189), review = model(190);
    EXPECT_EQ(lines(ordinary)[6], "FORMULO  RECURS , d'acord  amb la LRJPAC (article %field8%),");

    std::string expected = ordinary;
    expected.replace(expected.find("FORMULO  RECURS ,"), 17, "FORMULO  RECURS  DE  REVISI\xD3,");
    expected += "\r\n\r\n";
    EXPECT_EQ(review, expected);
}
