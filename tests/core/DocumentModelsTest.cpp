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
        {163, {686, "%signant_1%\t%signant_2%\r\n"}},
        {164, {168, "\r\n\r\n\r\n%lloc%, %data%\r\n"}},
        {165, {237, "acredita.\r\n\r\n%lloc%, %data%"}},
        {166, {517, "%lloc%, %data%\r\n\r\n"}},
        {167, {264, "electr\xF2nica\r\n%correu%.\r\n\r\n\r\n"}},
        {171, {12, "\r\n%text%\r\n\r\n"}},
        {175, {217, "%signant%\r\n\r\n %lloc%,  %data% \0"s}},
        {176, {417, "-\r\n\r\n  %recorregut%\0"s}},
        {177, {318, "%data%\r\n\r\n%informacio_ocasional%\0"s}},
        {178, {292, "\r\n\r\n\r\n%lloc%, %data%\0"s}},
        {179, {396, "-+\r\n%totals%\0"s}},
        {182, {443, "-\xA6\r\n%totals%\r\n\r\n\r\n\r\n\0"s}},
        {169, {518, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {170, {593, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {173, {463, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}"}},
        {174, {464, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}"}},
        {185, {670, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}"}},
        {186, {706, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}"}},
        {187, {695, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}"}},
        {188, {682, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\0\0"s}},
        {189, {935, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {190, {950, "(signatura)\r\n\r\n%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {191, {1575, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {192, {749, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {193, {1177, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {194, {763, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {195, {1054, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {196, {841, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {197, {880, "%destinacio%{?dir3} (codi DIR3: %dir3%){/?}\r\n"}},
        {198, {716, "PAGAMENT\r\n%condicions%\r\n"}}};
    for (const auto &[id, expected] : models) {
        const std::string bytes = model(id);
        EXPECT_EQ(bytes.size(), expected.first) << "model " << id;
        EXPECT_TRUE(endsWith(bytes, expected.second)) << "model " << id;
    }
    EXPECT_EQ(documentModels().size(), models.size());
}

TEST(DocumentModels, UnknownIdGivesNothing)
{
    for (int id : {0, -1, 162, 168, 172, 180, 181, 199, 1001})
        EXPECT_FALSE(findDocumentModel(id).has_value()) << id;
}

TEST(DocumentModels, EveryModelIsWellFormed)
{
    const std::regex placeholder("%[a-z0-9_]+%");
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
    // How many fields each model asks for, "%list%" and "%totals%" aside; which ones, the forms' tests check.
    const std::map<int, std::size_t> counts = {{163, 18}, {164, 6},  {165, 6},  {166, 24}, {167, 12}, {171, 1},
                                               {175, 8},  {176, 9},  {177, 18}, {178, 8},  {179, 7},  {182, 8},
                                               {169, 17}, {170, 20}, {173, 16}, {174, 16}, {185, 17}, {186, 18},
                                               {187, 18}, {188, 16}, {189, 24}, {190, 24}};
    const std::regex field("%([a-z0-9_]+)%");
    for (const auto &[id, count] : counts) {
        const std::string bytes = model(id);
        std::set<std::string> used;
        for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), field); it != std::sregex_iterator(); ++it)
            used.insert((*it)[1]);
        const bool hasList = used.erase("list") > 0;
        EXPECT_EQ(used.erase("totals") > 0, hasList) << "model " << id; // the sums under the table
        EXPECT_EQ(used.size(), count) << "model " << id;
        EXPECT_EQ(hasList, id == 179 || id == 182) << "model " << id;
    }
}

TEST(DocumentModels, Minutes)
{
    const auto l = lines(model(163));
    ASSERT_EQ(l.size(), 36u); // 34 lines with CR LF, then nothing
    EXPECT_EQ(l[9], "%assistent_1%\t%carrec_1%");
    EXPECT_EQ(l[35], "");
    for (int n : {13, 16, 17, 21, 27})
        EXPECT_TRUE(endsWith(l[n], " ") && !endsWith(l[n], "  ")) << "line " << n;
    EXPECT_EQ(l[5], "Horari: %horari%");
    // The agenda's last point goes without a number: the user's points come before it.
    EXPECT_EQ(l[18], "%punts%");
    EXPECT_EQ(l[19], "Precs i preguntes");
    EXPECT_EQ(l[30], "I, sense m\xE9s assumptes per tractar, s'aixeca la sessi\xF3, de la");
    EXPECT_EQ(l[31], "qual, com a %secretari%, estenc aquesta acta.");
    EXPECT_EQ(l[33],
              "{?secretari=secret\xE0ria}La secret\xE0ria{/?}{?secretari!=secret\xE0ria}El secretari{/?}\tVist i plau");
}

TEST(DocumentModels, SpacingOfTheCommercialModels)
{
    EXPECT_EQ(lines(model(165))[7], "I, perqu\xE8 se'n prengui coneixement i tingui els efectes que");
    EXPECT_EQ(lines(model(165))[8], "corresponguin, signo aquest certificat, amb el vistiplau");

    const auto invitation = lines(model(167));
    EXPECT_EQ(invitation[3], std::string(8, ' '));
    EXPECT_EQ(invitation[4], "Us convida a assistir a %acte% que tindr\xE0 lloc a %lloc_acte%, el");

    const auto individual = lines(model(175)), collective = lines(model(176));
    const std::string rule = " " + std::string(60, '-');
    EXPECT_EQ(individual[8], rule);
    EXPECT_EQ(individual[14], " %signant%"); // no comma after the signer's name
    EXPECT_EQ(collective[14], " Signeu l'\xAB"
                              "assabentat\xBB,  si us   plau, i feu  circular aquest");
    EXPECT_EQ(collective[24], rule);

    EXPECT_EQ(lines(model(177)).size(), 24u);
    EXPECT_EQ(lines(model(177))[4], "%codi_postal_remitent% %municipi_remitent%"); // the postcode first, no comarca
    const auto saluda = lines(model(178));
    EXPECT_EQ(saluda[13], "aprofita  aquesta  avinentesa   per  manifestar-li  la  seva");
    EXPECT_EQ(saluda[14], "consideraci\xF3 i el seu afecte.");
}

TEST(DocumentModels, DeliveryNoteTable)
{
    const std::string bytes = model(179);
    const auto l = lines(bytes);
    const std::string border = "+" + std::string(75, '-') + "+";
    ASSERT_EQ(l.size(), 16u);
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[6], "\t\t\t\t\t\t\t%data%");
    EXPECT_EQ(l[11], border);
    EXPECT_EQ(l[12], "\xA6Quantitat\xA6 Concepte                            \xA6 Preu unitari \xA6    TOTAL   \xA6");
    EXPECT_EQ(l[13], "\xA6\t  \xA6\t\t\t\t\t\xA6\t       \xA6\t    \xA6");
    EXPECT_EQ(l[14], "%list%" + border);
    EXPECT_EQ(l[15], "%totals%\0"s);
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
    EXPECT_EQ(l[14], "%totals%");
    for (int n = 15; n <= 17; ++n)
        EXPECT_EQ(l[n], "") << "line " << n;
    EXPECT_EQ(l[18], "\0"s);
    EXPECT_EQ(l[2], "COMANDA N\xDAM.: %numero%");
    EXPECT_EQ(l[7], "Tipus d'IVA: %iva%");
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
    EXPECT_EQ(b[3], "Domicili:  %adreca%\t\t\tMunicipi:  %municipi%");
    EXPECT_EQ(b[2], "DNI/NIE:  %dni%"); // no age: what an application needs, and no more
    EXPECT_EQ(b[6], "{?representat}En representaci\xF3 de:  %representat%");
    EXPECT_EQ(b[12], "MOTIVACI\xD3 JUR\xCD"
                     "DICA:");
    EXPECT_EQ(b[18], "SOL\xB7LICITUD:");

    const std::string report = model(173), petition = model(174);
    std::string expected = report;
    expected.replace(expected.find("\r\nDENUNCIO\r\n"), 12, "\r\nDEMANO\r\n");
    expected.replace(expected.find("%fets%"), 6, "%peticio%");
    EXPECT_EQ(petition, expected);
}

// The procedural models cite the law in force, each line as the handbook now words it.
TEST(DocumentModels, ProceduralModelsCiteTheLawInForce)
{
    const std::string lawName = "Llei 39/2015, d'1 d'octubre, del procediment administratiu";
    for (int id : {185, 186, 187, 189, 190}) {
        const std::string bytes = model(id);
        EXPECT_NE(bytes.find("39/2015, d'1"), std::string::npos) << "model " << id;
        EXPECT_NE(bytes.find("administracions p\xFA"
                             "bliques"),
                  std::string::npos)
            << "model " << id;
    }
    for (const DocumentModel &m : documentModels()) {
        const std::string bytes(m.bytes);
        for (const char *repealed : {"LRJPAC", "30/1992", "3/1993", "90.1", "79.1"})
            EXPECT_EQ(bytes.find(repealed), std::string::npos) << "model " << m.id << " cites " << repealed;
        // The geminated l has its middle dot; "SOL.LICITO" and "AL.LEGACIONS" are gone.
        for (std::size_t at = 0; (at = bytes.find('.', at)) != std::string::npos; ++at)
            EXPECT_FALSE(at > 0 && (bytes[at - 1] | 0x20) == 'l' && (bytes[at + 1] | 0x20) == 'l')
                << "model " << m.id << " at " << at;
    }

    const auto pleading = lines(model(185));
    EXPECT_EQ(pleading[7], "DECLARO, fent \xFAs del dret que m'atorga l'article 76.1 de la");
    EXPECT_EQ(pleading[8], lawName);
    EXPECT_EQ(pleading[9], "com\xFA de les administracions p\xFA"
                           "bliques, en relaci\xF3 amb");
    EXPECT_EQ(pleading[10], "%assumpte%, aix\xF2 que segueix:");
    EXPECT_EQ(pleading[1], "%nom%, major d'edat, amb DNI/NIE n\xFAm. %dni%,");
    EXPECT_EQ(pleading[2], "amb domicili a %municipi% (%comarca%), %adreca%,");
    EXPECT_EQ(pleading[3], "CP %codi_postal%, tel\xE8"
                           "fon %telefon%,");
    EXPECT_EQ(lines(model(169))[2], pleading[2]);
    EXPECT_EQ(lines(model(169))[11], "Per aix\xF2, SOL\xB7LICITO");

    const auto withdrawal = lines(model(186));
    const std::vector<std::string> withdrawalLines(withdrawal.begin() + 7, withdrawal.begin() + 13);
    EXPECT_EQ(withdrawalLines, (std::vector<std::string>{
                                   "DESISTEIXO, d'acord amb l'article 94 de la Llei 39/2015, d'1",
                                   "d'octubre, del procediment administratiu com\xFA de les",
                                   "administracions p\xFA"
                                   "bliques, de la %document% presentada",
                                   "el %data_presentacio%, relativa a %assumpte%, i demano que es",
                                   "declari concl\xF2s el procediment.",
                                   "",
                               }));

    const auto waiver = lines(model(187));
    EXPECT_EQ(waiver[7], "RENUNCIO, d'acord amb l'article 94 de la Llei 39/2015, d'1");
    EXPECT_EQ(waiver[9], "administracions p\xFA"
                         "bliques, als meus drets en l'expedient");
    EXPECT_EQ(waiver[10], "%expedient% instru\xEFt en relaci\xF3 amb %assumpte%, per les raons");
    EXPECT_EQ(waiver[11], "seg\xFC"
                          "ents:");
}

TEST(DocumentModels, Complaint)
{
    const auto complaint = lines(model(188));
    EXPECT_EQ(complaint[7], "SOL\xB7LICITO que, d'acord amb la Llei 4/2014, d'1 d'abril, b\xE0sica");
    EXPECT_EQ(complaint[8], "de les cambres oficials de comer\xE7, ind\xFAstria, serveis i");
    EXPECT_EQ(complaint[9], "navegaci\xF3, es tingui per presentada i que produeixi efectes");
    EXPECT_EQ(complaint[10], "aquesta QUEIXA, per les raons seg\xFC"
                             "ents:");
    EXPECT_EQ(complaint[11], "");
}

TEST(DocumentModels, Appeals)
{
    const std::string ordinary = model(189), reconsideration = model(190);
    const auto l = lines(ordinary);
    EXPECT_EQ(l[7], "FORMULO RECURS D'AL\xC7"
                    "ADA, d'acord amb la");
    EXPECT_EQ(l[8], "Llei 39/2015, d'1 d'octubre, del procediment administratiu");
    EXPECT_EQ(l[9], "com\xFA de les administracions p\xFA"
                    "bliques (article %article%),");
    EXPECT_EQ(l[12], "soc persona interessada, resoluci\xF3 que em va ser notificada");
    EXPECT_EQ(l[13], "amb data %data_notificacio%.");
    EXPECT_EQ(l[15], "AL\xB7LEGACIONS");
    EXPECT_EQ(l[21], "SOL\xB7LICITO");

    // The reconsideration is the same document under its own name.
    std::string expected = ordinary;
    expected.replace(expected.find("RECURS D'AL\xC7"
                                   "ADA,"),
                     16, "RECURS POTESTATIU DE REPOSICI\xD3,");
    EXPECT_EQ(reconsideration, expected);
}
