// plecta-cli merge: one document per CSV row, named from a column or numbered, and nothing at all
// written when any row, name or file is bad.

#include "CliRunner.h"

#include "forms/FormFields.h"
#include "text/Cp1252.h"

#include <cstdlib>
#include <regex>

using namespace std::chrono;

namespace {

// What the letter form merges with these addressees and today's other fields.
std::string letter(std::string_view name, std::string_view office)
{
    const forms::FormDef &form = *forms::formByLayoutId(177);
    plecta::MemoryFieldSource fields = forms::initialFields(form, year{2024} / March / 15);
    fields.field(1042)->text = "Pere Mas";
    fields.field(1043)->text = cp1252::fromUtf8(name).text;
    fields.field(1110)->text = cp1252::fromUtf8(office).text;
    std::string text;
    forms::generateFormText(form, fields, text);
    return text;
}

// RFC 4180 with CR LF, a quoted comma, doubled quotes, a byte-order mark, fields by name and a
// column that only names the files.
const std::string kAddressees = "\xEF\xBB\xBF"
                                "destinatari,carrec_destinatari,fitxer\r\n"
                                "Maria Puig i Soler,\"Directora, Puig SA\",maria\r\n"
                                "Joan Ŀlobet,\"\"\"Cap\"\" de vendes\",joan\r\n"
                                "Anna Vidal,Gerent,anna.txt\r\n";

const std::vector<std::string> kMerge = {
    "merge", "carta", "--csv", "adreces.csv", "--out", "cartes", "--set", "remitent=Pere Mas", "--date", "2024-03-15"};

std::vector<std::string> with(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

// A PDF without what differs from one writing to the next: its dates and its document id.
std::string withoutDatesAndId(const std::string &pdf)
{
    static const std::regex changing(R"(D:\d{14}Z|\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ|<[0-9a-f]{32}>)");
    return std::regex_replace(pdf, changing, "#");
}

} // namespace

TEST_F(CliTest, EachRowsPdfIsTheFileItsDocumentMakesAlone)
{
    // Qt orders a PDF's fonts by a hash seeded anew in every process: one seed for all of them.
    setenv("QT_HASH_SEED", "0", 1);
    std::string csv = "nom\n";
    for (int row = 1; row <= 9; ++row)
        csv += "Persona " + std::to_string(row) + (row % 2 ? " Puig" : " Soler i Mas") + "\n";
    writeFile("files.csv", csv);
    const CliRun merged =
        run({"merge", "191", "--csv", "files.csv", "--out", "pdf", "--format", "pdf", "--date", "2024-03-15"});
    ASSERT_EQ(merged.status, 0) << merged.err;
    // The rows are composed side by side; each file is still its own row's, and whole.
    for (int row : {1, 2, 6, 9}) {
        const std::string alone = "sola" + std::to_string(row) + ".pdf";
        const std::string name = "Persona " + std::to_string(row) + (row % 2 ? " Puig" : " Soler i Mas");
        ASSERT_EQ(run({"document", "191", "--date", "2024-03-15", "--set", "nom=" + name, "-o", alone}).status, 0);
        const std::string file = readFile("pdf/00" + std::to_string(row) + ".pdf");
        EXPECT_TRUE(file.starts_with("%PDF-") && file.find("%%EOF") != std::string::npos) << row;
        EXPECT_EQ(withoutDatesAndId(file), withoutDatesAndId(readFile(alone))) << row;
    }
    unsetenv("QT_HASH_SEED");
}

TEST_F(CliTest, MergeWritesOneDocumentPerRow)
{
    writeFile("adreces.csv", kAddressees);
    const CliRun named = run(with(kMerge, {"--name", "fitxer"}));
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(named.out, "cartes/maria.txt\ncartes/joan.txt\ncartes/anna.txt\n");
    EXPECT_EQ(filesIn("cartes"), (std::vector<std::string>{"anna.txt", "joan.txt", "maria.txt"}));
    EXPECT_EQ(readFile("cartes/maria.txt"), letter("Maria Puig i Soler", "Directora, Puig SA"));
    EXPECT_EQ(readFile("cartes/joan.txt"), letter("Joan L·lobet", "\"Cap\" de vendes"));
    EXPECT_EQ(readFile("cartes/anna.txt"), letter("Anna Vidal", "Gerent"));

    // Numbered in row order when no column names them; a field column may name them too. Headers
    // and options may give the fields' numbers instead of their names.
    writeFile("adreces.csv", "1043,1110\nMaria Puig,Directora\nJoan Mas,Cap\nAnna Vidal,Gerent\n");
    const std::vector<std::string> numbered = {"merge",     "177",   "--csv",         "adreces.csv", "--out",
                                               "numerades", "--set", "1042=Pere Mas", "--date",      "2024-03-15"};
    ASSERT_EQ(run(numbered).status, 0);
    EXPECT_EQ(filesIn("numerades"), (std::vector<std::string>{"001.txt", "002.txt", "003.txt"}));
    EXPECT_EQ(readFile("numerades/003.txt"), letter("Anna Vidal", "Gerent"));
    std::vector<std::string> byName = numbered;
    byName[5] = "per-nom";
    ASSERT_EQ(run(with(byName, {"--name", "1043", "--encoding", "utf-8"})).status, 0);
    EXPECT_EQ(readFile("per-nom/Joan Mas.txt"), cp1252::toUtf8(letter("Joan Mas", "Cap")));
}

TEST_F(CliTest, MergeCellsChooseAndDateLikeTheWindow)
{
    // The withdrawal: a choice list and a date picker per row; empty cells keep what the form starts with.
    writeFile("desistiments.csv", "1042,1000,1084\nMarta Roig,petició,2024-02-11\nPere Mas,,\n");
    ASSERT_EQ(run({"merge", "desistiment", "--csv", "desistiments.csv", "--out", "d", "--date", "2024-03-15"}).status,
              0);
    const std::string first = cp1252::toUtf8(readFile("d/001.txt"));
    const std::string second = cp1252::toUtf8(readFile("d/002.txt"));
    EXPECT_NE(first.find("de la petició presentada\r\nl'11 de febrer de 2024, relativa a"), std::string::npos);
    EXPECT_NE(second.find("de la sol·licitud presentada\r\nel 15 de març de 2024, relativa a"), std::string::npos);
}

TEST_F(CliTest, MergeRefusesBadInputAndWritesNothing)
{
    const auto refusedWithNothingWritten = [&](const std::string &csv, std::vector<std::string> args,
                                               const std::string &mentions) {
        writeFile("adreces.csv", csv);
        const CliRun result = run(args);
        EXPECT_TRUE(refused(result, mentions)) << csv;
        EXPECT_EQ(filesIn("cartes"), std::vector<std::string>{}) << csv;
    };
    const std::string header = "1043,1110\r\n";
    // Bad lines, reported with their line numbers.
    refusedWithNothingWritten(header + "A,B\r\nC,D,E\r\n", kMerge, "línia 3");
    refusedWithNothingWritten(header + "A,B\r\n\"C,D\r\nE,F\r\n", kMerge, "línia 3");
    refusedWithNothingWritten(header + "A,B\r\nC\"x,D\r\n", kMerge, "línia 3");
    refusedWithNothingWritten(header + "A,B\r\n\"C\"x,D\r\n", kMerge, "línia 3");
    refusedWithNothingWritten(header + "A,\"two\r\nlines\"\r\nC,D,E\r\n", kMerge, "línia 4");
    refusedWithNothingWritten(header + "A,B\r\nA → B,C\r\n", kMerge, "línia 3, columna 1043: el caràcter «→»");
    refusedWithNothingWritten(header + "A,\"two\r\nlines\"\r\n", kMerge, "línia 2, columna 1110");
    refusedWithNothingWritten(header + "A,B\xFF\r\n", kMerge, "UTF-8");
    refusedWithNothingWritten(header, kMerge, "fila");
    // Unknown columns, fields the kind lacks, the line list, bad names.
    refusedWithNothingWritten("1043,nom\r\nA,B\r\n", kMerge, "«nom»");
    refusedWithNothingWritten("1043,1000\r\nA,B\r\n", kMerge, "«1000»");
    refusedWithNothingWritten("destinatari,1110,1043\r\nA,B,C\r\n", kMerge, "«destinatari» i «1043»");
    refusedWithNothingWritten("1043\r\nA\r\n", with(kMerge, {"--name", "fitxer"}), "fitxer");
    refusedWithNothingWritten("1043\r\nA\r\nA\r\n", with(kMerge, {"--name", "1043"}), "línia 3");
    refusedWithNothingWritten("1043\r\nA\r\nB/C\r\n", with(kMerge, {"--name", "1043"}), "B/C");
    refusedWithNothingWritten("1117,999\r\nA,1|b|c|d\r\n",
                              {"merge", "albarà", "--csv", "adreces.csv", "--out", "cartes"}, "--line");
    refusedWithNothingWritten("1043\r\nA\r\n", {"merge", "carta", "--csv", "missing.csv", "--out", "cartes"},
                              "missing.csv");
    refusedWithNothingWritten("1043\r\nA\r\n", {"merge", "carta", "--csv", "adreces.csv"}, "--out");

    // A file already there stops the whole merge before anything is written, unless --force.
    writeFile("adreces.csv", "1043\r\nA\r\nB\r\n");
    std::filesystem::create_directory(dir() / "cartes");
    writeFile("cartes/002.txt", "older");
    EXPECT_TRUE(refused(run(kMerge), "002.txt"));
    EXPECT_EQ(filesIn("cartes"), std::vector<std::string>{"002.txt"});
    EXPECT_EQ(readFile("cartes/002.txt"), "older");
    EXPECT_EQ(run(with(kMerge, {"--force"})).status, 0);
    EXPECT_EQ(filesIn("cartes"), (std::vector<std::string>{"001.txt", "002.txt"}));
    EXPECT_NE(readFile("cartes/002.txt"), "older");

    // A folder that cannot be made.
    writeFile("plain", "a file, not a folder");
    writeFile("adreces.csv", "1043\r\nA\r\n");
    EXPECT_TRUE(refused(run({"merge", "carta", "--csv", "adreces.csv", "--out", "plain"}), "plain"));
    EXPECT_TRUE(refused(run({"merge", "carta", "--csv", "adreces.csv", "--out", "plain/sub"}), "plain/sub"));
}
