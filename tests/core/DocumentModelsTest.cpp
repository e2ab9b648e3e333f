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

TEST(DocumentModels, SizesIncludeTrailingNuls)
{
    const std::map<int, std::size_t> sizes = {
        {163, 557}, {164, 166}, {165, 238}, {166, 459}, {167, 230}, {171, 14},  {175, 215},
        {176, 409}, {177, 223}, {178, 224}, {179, 353}, {182, 445},
        // Public administration: every line but the last ends with CR LF.
        {169, 250}, {170, 368}, {173, 200}, {174, 198}, {185, 333}, {186, 351}, {187, 335},
        {188, 432}, {189, 545}, {190, 561}};
    for (const auto &[id, size] : sizes)
        EXPECT_EQ(model(id).size(), size) << "model " << id;
    EXPECT_EQ(documentModels().size(), sizes.size());
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
    const std::map<int, int> highest = {
        {163, 17}, {164, 6},  {165, 6},  {166, 24}, {167, 12}, {171, 1},  {175, 8},  {176, 9},
        {177, 20}, {178, 8},  {179, 7},  {182, 8},  {169, 12}, {170, 16}, {173, 11}, {174, 11},
        {185, 13}, {186, 13}, {187, 13}, {188, 11}, {189, 19}, {190, 19}};
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
    EXPECT_EQ(l[1], "Acta de la reuni\xF3: %field1%");
    EXPECT_EQ(l[5], "Horari %field5%");
    EXPECT_EQ(l[6], "Lloc: %field4%");
    EXPECT_EQ(l[9], "%field6%\t%field7%");
    EXPECT_EQ(l[11], "%field9%\t%field10%");
    EXPECT_EQ(l[31], "Signatura\tSignatura ");
    EXPECT_EQ(l[32], "%field15%\t%field16%");
    EXPECT_EQ(l[33], "");
    for (int n : {13, 16, 17, 19, 21, 24, 27, 30, 31})
        EXPECT_TRUE(endsWith(l[n], " ") && !endsWith(l[n], "  ")) << "line " << n;
    EXPECT_EQ(l[30], "aixeca la sessi\xF3, de la qual, com a secretari  , estenc aquesta acta. ");
}

TEST(DocumentModels, Certificates)
{
    const std::string a = model(164), b = model(165);
    EXPECT_EQ(lines(a)[7], "I,   %field4%,  expedeixo  a petici\xF3  de la persona interessada");
    EXPECT_TRUE(endsWith(a, "\r\n\r\n\r\n%field5%, %field6%\r\n"));
    EXPECT_EQ(lines(b)[7], "I, perqu\xE8 se'n prengui coneixement i tingui  els efectes que");
    EXPECT_EQ(lines(b)[8], "corresponqui, signo aquest certificat, amb  el vist-i-plau");
    EXPECT_TRUE(endsWith(b, "acredita.\r\n\r\n%field5%, %field6%"));
}

TEST(DocumentModels, NoticeInvitationPressRelease)
{
    const std::string notice = model(166);
    EXPECT_NE(notice.find("Per enc\xE0rrec del president %field13% us\r\n"), std::string::npos);
    EXPECT_TRUE(endsWith(notice, "\r\n\r\n%field23%, %field24%\r\n\r\n"));

    const auto invitation = lines(model(167));
    EXPECT_EQ(invitation[3], std::string(8, ' '));
    EXPECT_EQ(invitation[4], "Us convida a assistir a %field3% que tindr\xE0 lloc a %field4%, el");
    EXPECT_EQ(invitation[7], "%field7%, %field8% ");
    EXPECT_EQ(invitation[9], "%field9%: %field10% ");
    EXPECT_TRUE(endsWith(model(167), "%field12%\r\n\r\n\r\n"));

    EXPECT_EQ(model(171), "\r\n%field1%\r\n\r\n");
}

TEST(DocumentModels, Memos)
{
    const std::string individual = model(175), collective = model(176);
    const std::string rule = " " + std::string(60, '-');
    EXPECT_EQ(lines(individual)[8], rule);
    EXPECT_EQ(lines(individual)[14], " %field6%, ");
    EXPECT_TRUE(endsWith(individual, "\r\n %field7%,  %field8% \0"s));

    EXPECT_EQ(lines(collective)[14], " Signeu l'\xAB" "assabentat\xBB,  si us   plau, i feu  circular aquest");
    EXPECT_EQ(lines(collective)[20], "  %field7%,   %field8%");
    EXPECT_EQ(lines(collective)[24], rule);
    EXPECT_TRUE(endsWith(collective, rule + "\r\n\r\n  %field9%\0"s));
}

TEST(DocumentModels, LetterAndSaluda)
{
    EXPECT_TRUE(endsWith(model(177), "%field19%\r\n\r\n%field20%\0"s));
    EXPECT_EQ(lines(model(177)).size(), 24u);
    const auto saluda = lines(model(178));
    EXPECT_EQ(saluda[8], "i es complau a convidar-lo a %field5%");
    EXPECT_EQ(saluda[13], "aprofita  aquesta  avinentesa   per  manifestar-li  la  seva");
    EXPECT_EQ(saluda[14], "consideraci\xF3 i el seu afecte.");
    EXPECT_EQ(saluda[17], "%field7%, %field8%\0"s);
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
    EXPECT_EQ(l[11], "\xA6Refer\xE8ncia\xA6 Descripci\xF3                      \xA6 Quant.\xA6Preu unit.\xA6    Import \xA6");
    EXPECT_EQ(l[12], inner);
    EXPECT_EQ(l[13], "%list%" + inner);
    // The template's separators match the header's, but its last cell is one narrower.
    const std::string row(kOrderRowTemplate.substr(0, kOrderRowTemplate.size() - 2));
    ASSERT_EQ(row.size() + 1, l[11].size());
    for (std::size_t i = 0; i + 1 < row.size(); ++i)
        EXPECT_EQ(row[i] == '\xA6', l[11][i] == '\xA6') << "column " << i;
    EXPECT_TRUE(endsWith(std::string(kOrderRowTemplate), " \xA6\r\n"));
}

TEST(DocumentModels, ApplicationsAndPetitions)
{
    EXPECT_TRUE(endsWith(model(169), "\r\n\r\n%field11%\r\n"));
    EXPECT_EQ(lines(model(169))[1], "%field1%, major  d'edat, que visc %field2% (comarca");

    const auto b = lines(model(170));
    EXPECT_EQ(b[1], "Nom: %field1%\t\t\t\tCognoms:  %field2%");
    EXPECT_EQ(b[2], "Edat:  %field3%\tanys\t\t\t\tDNI:  %field4%");
    EXPECT_EQ(b[3], "Domicili:  %field5%\t\t\tMunicipi:  %field6%");
    EXPECT_EQ(b[10], "MOTIVACI\xD3 JUR\xED" "DICA:");
    EXPECT_EQ(b[16], "SOL\xB7LICITUD:");
    EXPECT_TRUE(endsWith(model(170), "%field16%\r\n\r\n"));

    const std::string report = model(173), petition = model(174);
    EXPECT_TRUE(endsWith(report, "\r\n\r\n%field11%"));
    std::string expected = report;
    expected.replace(expected.find("\r\nDENUNCIO\r\n"), 12, "\r\nDEMANO\r\n");
    EXPECT_EQ(petition, expected);
}

TEST(DocumentModels, PleadingWithdrawalWaiverComplaint)
{
    for (int id : {185, 186, 187})
        EXPECT_TRUE(endsWith(model(id), "\r\n\r\n%field13%")) << id;
    EXPECT_EQ(lines(model(185))[7], "     de   la  LRJPAC,   en relaci\xF3 amb  %field9%, aix\xF2 que");
    const auto withdrawal = lines(model(186));
    EXPECT_EQ(withdrawal[6], "de la  meva %field8% presentada en data %field9%.");
    EXPECT_EQ(withdrawal[7], "%field10%,    demano  que  es   declari  concl\xF2s    el");
    EXPECT_EQ(withdrawal[10], "%field11%,%field12%,");
    EXPECT_EQ(lines(model(187))[6], "meus drets en l'expedient %field8% instru\xEFt  en relaci\xF3");

    const std::string complaint = model(188);
    EXPECT_TRUE(endsWith(complaint, "\r\n\r\n%field11%\0\0"s));
    EXPECT_EQ(lines(complaint)[6], "3/1993, b\xE0sica de  les  Cambres Oficials   de   Comer\xE7,");
}

TEST(DocumentModels, Appeals)
{
    const std::string ordinary = model(189), review = model(190);
    EXPECT_EQ(lines(ordinary)[6], "FORMULO  RECURS , d'acord  amb la LRJPAC (article %field8%),");
    EXPECT_EQ(lines(ordinary)[12], "AL.LEGACIONS");
    EXPECT_EQ(lines(ordinary)[13], "      %field14%");
    EXPECT_TRUE(endsWith(ordinary, "%field18%\r\n%field19%\r\n"));

    std::string expected = ordinary;
    expected.replace(expected.find("FORMULO  RECURS ,"), 17, "FORMULO  RECURS  DE  REVISI\xD3,");
    expected += "\r\n\r\n";
    EXPECT_EQ(review, expected);
}
