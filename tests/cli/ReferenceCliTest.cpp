// plecta-cli numeral, list, kinds, fields and the help texts.

#include "CliRunner.h"

#include "reference/ListSort.h"
#include "reference/ReferenceLists.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string rowOf(const reflist::ReportRows &rows, int row)
{
    std::string line;
    for (int column = 0; column < rows.columnCount(); ++column)
        line += (column ? "\t" : "") + cp1252::toUtf8(rows.cellText(row, column));
    return line;
}

} // namespace

TEST_F(CliTest, NumeralWritesBothGendersAsTheWindowShowsThem)
{
    const CliRun both = run({"numeral", "1234567"});
    ASSERT_EQ(both.status, 0);
    EXPECT_EQ(both.out, "un milió dues-centes trenta-quatre mil cinc-centes seixanta-set\n"
                        "un milió dos-cents trenta-quatre mil cinc-cents seixanta-set\n");
    // Spaces are kept exactly, the trailing one included.
    EXPECT_EQ(run({"numeral", "10000", "--gender", "m"}).out, "deu mil\n");
    EXPECT_EQ(run({"numeral", "00000021", "--gender", "f"}).out, "vint-i-una\n");
    EXPECT_EQ(run({"numeral", "0"}).out, "zero\nzero\n");
    EXPECT_EQ(run({"numeral", "200", "--gender", "f", "--encoding", "cp1252"}).out, "dues-centes\n");
    EXPECT_EQ(run({"numeral", "1000000", "--gender", "f", "--encoding", "cp1252"}).out, "un mili\xF3\n");

    EXPECT_TRUE(refused(run({"numeral", "123456789"}), "número massa gran"));
    EXPECT_TRUE(refused(run({"numeral", "000000001"}), "número massa gran"));
    // Thousands dots as the number field takes them when typed; other dots are refused.
    EXPECT_EQ(run({"numeral", "1.234.567", "--gender", "m"}).out,
              "un milió dos-cents trenta-quatre mil cinc-cents seixanta-set\n");
    EXPECT_EQ(run({"numeral", "21.000", "--gender", "f"}).out, "vint-i-una mil\n");
    EXPECT_TRUE(refused(run({"numeral", "123.456.789"}), "número massa gran"));
    EXPECT_TRUE(refused(run({"numeral", "12.34"}), "no és un número"));
    EXPECT_TRUE(refused(run({"numeral", "-5"}), "no és un número"));
    EXPECT_TRUE(refused(run({"numeral", "12a"}), "no és un número"));
    EXPECT_TRUE(refused(run({"numeral", "5", "--gender", "n"}), "--gender"));
    EXPECT_TRUE(refused(run({"numeral"}), "falta"));
}

TEST_F(CliTest, ListsShowTheWindowsRows)
{
    const std::vector<std::string> municipalities = lines(run({"list", "municipalities"}).out);
    reflist::ReportRows rows(4);
    reflist::FillMunicipalitiesList(rows);
    ASSERT_EQ(int(municipalities.size()), rows.rowCount());
    // Padding is kept; postcodes have five digits.
    EXPECT_TRUE(municipalities[1].starts_with("Abrera ")) << municipalities[1];
    EXPECT_TRUE(municipalities[1].ends_with("\tBaix Llobregat    \t08630\t93")) << municipalities[1];
    EXPECT_EQ(municipalities.back(), rowOf(rows, rows.rowCount() - 1));

    // The program's own bytes: Windows-1252 with the padding.
    const std::string raw = run({"list", "comarques", "--encoding", "cp1252"}).out;
    EXPECT_TRUE(raw.starts_with("Alt Camp\n"));
    EXPECT_EQ(lines(raw).size(), 43u); // the division in force, Moian\xE8s and Llu\xE7an\xE8s included
    EXPECT_NE(raw.find("\nMoian\xE8s\nMontsi\xE0\n"), std::string::npos);
    EXPECT_NE(raw.find("Pallars Juss\xE0\n"), std::string::npos);

    const std::vector<std::string> vocabulary = lines(run({"list", "vocabulary-ca"}).out);
    reflist::ReportRows catalan(2);
    reflist::FillVocabularyList(catalan, reflist::VocabularyDirection::CatalaCastella);
    ASSERT_EQ(int(vocabulary.size()), catalan.rowCount());
    EXPECT_EQ(vocabulary.front(), rowOf(catalan, 0));
}

// The heading sort: one click ascending, a second click on the same heading descending, with the
// unstable quicksort's order of equal keys exactly as the window leaves it.
TEST_F(CliTest, ListSortsAndSearchesLikeTheWindow)
{
    reflist::ReportRows rows(4);
    reflist::FillMunicipalitiesList(rows);
    reflist::HeaderSort state;
    reflist::OnHeaderClick(rows, state, 2, reflist::MouseButton::Left);
    std::vector<std::string> ascending;
    for (int row = 0; row < rows.rowCount(); ++row)
        ascending.push_back(rowOf(rows, row));
    reflist::OnHeaderClick(rows, state, 2, reflist::MouseButton::Left);
    std::vector<std::string> descending;
    for (int row = 0; row < rows.rowCount(); ++row)
        descending.push_back(rowOf(rows, row));

    EXPECT_EQ(lines(run({"list", "municipalities", "--sort", "codi postal"}).out), ascending);
    EXPECT_EQ(lines(run({"list", "municipalities", "--sort", "3", "--desc"}).out), descending);

    // Accented initials sort after "z".
    const std::vector<std::string> byName = lines(run({"list", "municipalities", "--sort", "Municipis"}).out);
    EXPECT_TRUE(byName.front().starts_with("Abella de la Conca"));
    EXPECT_TRUE(byName.back().starts_with("\xC3")) << byName.back(); // an accented capital, in UTF-8

    // Ctrl+F again and again from the top: every row that begins with the text, in display order.
    const std::vector<std::string> found = lines(run({"list", "municipalities", "--find", "ABRERA"}).out);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].starts_with("Abrera "));
    const std::vector<std::string> ab = lines(run({"list", "municipalities", "--find", "ab"}).out);
    ASSERT_GE(ab.size(), 2u);
    EXPECT_TRUE(ab[0].starts_with("Abella de la Conca"));
    EXPECT_TRUE(ab[1].starts_with("Abrera"));
    const CliRun none = run({"list", "vocabulary", "--find", "qqq"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "No trobat\n");

    EXPECT_TRUE(refused(run({"list", "rivers"}), "rivers"));
    EXPECT_TRUE(refused(run({"list", "municipalities", "--sort", "Altitud"}), "Altitud"));
    EXPECT_TRUE(refused(run({"list", "municipalities", "--sort", "5"}), "«5»"));
    EXPECT_TRUE(refused(run({"list", "comarques", "--sort", "Comarca"}), "no s'ordena"));
    // Every list answers --find, those whose window has no Ctrl+F too.
    EXPECT_EQ(lines(run({"list", "symbols", "--find", "W"}).out).back(), "W       \twatt");
    EXPECT_EQ(lines(run({"list", "comarques", "--find", "baix e"}).out),
              (std::vector<std::string>{"Baix Ebre", "Baix Empordà"}));
    EXPECT_TRUE(refused(run({"list", "municipalities", "--desc"}), "--sort"));
}

TEST_F(CliTest, TreatmentsAreAListOfSentences)
{
    const std::vector<std::string> rows = lines(run({"list", "treatments"}).out);
    ASSERT_GT(rows.size(), 40u);
    EXPECT_EQ(rows.front(), "Sa Majestat\t(S. M.)\tRei o reina d'Espanya (Reial decret 1368/1987)");
    for (const std::string &row : rows)
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 2) << row;
    EXPECT_EQ(
        lines(run({"list", "treatments", "--find", "il·lustre"}).out),
        (std::vector<std::string>{
            "Il·lustre Senyor -a\t(Il·ltre. Sr./I. Sr.) (Il·ltre. Sra./I. Sra.)\tDiputat -ada al Parlament de "
            "Catalunya",
            "Il·lustre Senyor -a\t(Il·ltre. Sr./I. Sr.) (Il·ltre. Sra./I. Sra.)\tRegidor -a (llevat de Barcelona)",
            "Il·lustre Senyor -a\t(Il·ltre. Sr./I. Sr.) (Il·ltre. Sra./I. Sra.)\tDiputat -ada provincial (llevat "
            "de Barcelona)"}));
    EXPECT_EQ(lines(run({"list", "treatments", "--sort", "Càrrec"}).out).size(), rows.size());
}

TEST_F(CliTest, KindsAndFieldsDescribeTheCatalogues)
{
    const std::vector<std::string> kinds = lines(run({"kinds"}).out);
    ASSERT_EQ(kinds.size(), 29u);
    EXPECT_EQ(kinds.front(), "160\tacta de reunió\tTextos de l'empresa\tActes i certificats");
    EXPECT_EQ(kinds.back(), "195\treclamació davant la Comissió de Garantia del Dret d'Accés a la Informació "
                            "Pública\tAdministració Pública\tDocumentació usada amb posterioritat a la resolució");

    const std::vector<std::string> fields = lines(run({"fields", "acta de reunió", "--date", "2001-09-06"}).out);
    ASSERT_EQ(fields.size(), 18u);
    EXPECT_EQ(fields[0], "organisme\t1077\ttext\tActa de la reunió de \t<NOM DE L'ORGANISME>\t");
    EXPECT_EQ(fields[2], "data\t1083\tdata\tData\t6 de setembre de 2001\t");
    EXPECT_EQ(fields[6], "carrec_1\t1000\tllista\t\tCàrrec\tCàrrec|President|Presidenta|Secretari|Secretària");

    // Kinds are found by name whatever the letter case, and by id.
    EXPECT_EQ(run({"fields", "ALBARÀ"}).out, run({"fields", "179"}).out);
    EXPECT_NE(run({"fields", "179"}).out.find("linies\t999\tlínies\t\t\tQuantitat|Concepte|Preu unitari|Total\n"),
              std::string::npos);
    const std::string certificate = run({"fields", "certificat"}).out;
    EXPECT_NE(certificate.find("model_a\t1091\tmodel\tModel A\tsí\t\n"), std::string::npos);
    EXPECT_NE(
        run({"fields", "desistiment", "--date", "2024-03-15"})
            .out.find("data_presentacio\t1084\tselector de data\tpresentada el\tdivendres, 15 de març de 2024\t\n"),
        std::string::npos);
    EXPECT_TRUE(refused(run({"fields", "telegrama"}), "telegrama"));

    // Loosely named: accents, letter case, the middle dot and punctuation aside, or begun word by word.
    const std::pair<std::string, std::string> loose[] = {
        {"acta", "160"},
        {"sollicitud a", "165"},
        {"SOL·LICITUD - MODEL B", "166"},
        {"albara", "179"},
        {"alcada", "189"},
        {"recurs rep", "190"},
        {"comunicat intern c", "176"},
        {"Al.legacio", "185"},
        {"sollicitud d'acces", "194"},
        {"proteccio de dades", "196"},
        {"pressupost", "198"},
    };
    for (const auto &[name, id] : loose)
        EXPECT_EQ(run({"fields", name}).out, run({"fields", id}).out) << name;
    // A name that fits several kinds lists them.
    const CliRun ambiguous = run({"fields", "sollicitud"});
    EXPECT_TRUE(refused(ambiguous, "«sol·licitud - Model A» (165), «sol·licitud - Model B» (166)")) << ambiguous.err;
    EXPECT_TRUE(refused(run({"fields", "recurs"}), "«recurs d'alçada» (189), «recurs potestatiu de reposició» (190)"));
    EXPECT_TRUE(refused(run({"kinds", "extra"}), "kinds"));
}

TEST_F(CliTest, EveryCommandAnswersHelpInCatalan)
{
    for (const std::string command : {"numeral", "list", "kinds", "fields", "document", "merge", "save"}) {
        SCOPED_TRACE(command);
        const CliRun help = run({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with("Ús: plecta-cli " + command)) << help.out;
        EXPECT_EQ(run({"help", command}).out, help.out);
        // Lines a terminal shows whole; the options listed together, after their heading.
        std::istringstream lines(help.out);
        bool options = false;
        for (std::string line; std::getline(lines, line);) {
            const auto characters = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
            EXPECT_LE(characters, 100) << line;
            options = options || line == "Opcions:";
            EXPECT_TRUE(options || !line.starts_with("  --")) << line;
        }
    }
    const CliRun program = run({"--help"});
    EXPECT_EQ(program.status, 0);
    EXPECT_NE(program.out.find("Ordres:"), std::string::npos);
    EXPECT_TRUE(refused(run({}), "--help"));
    EXPECT_TRUE(refused(run({"print"}), "print"));
}
