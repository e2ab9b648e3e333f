// plecta-cli search: the whole handbook from the command line.

#include "CliRunner.h"

#include "reference/ReferenceLists.h"
#include "text/Cp1252.h"
#include "text/Fold.h"

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

bool hasLine(const std::vector<std::string> &all, const std::string &line)
{
    return std::find(all.begin(), all.end(), line) != all.end();
}

} // namespace

TEST_F(CliTest, SearchFindsWhatAPersonMeans)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string line; // a line the search must print
    };
    const Case cases[] = {
        {{"l'hospitalet"}, "municipalities\tHospitalet de Llobregat, l'\tBarcelonès\t08901\t93"},
        {{"hospitalet llobregat"}, "municipalities\tHospitalet de Llobregat, l'\tBarcelonès\t08901\t93"},
        {{"moianes", "--in", "municipalities"}, "municipalities\tMoià\tMoianès\t08180\t93"},
        {{"Ŀlobregat"}, "comarques\tBaix Llobregat"},
        {{"credit"}, "vocabulary\tcrédito\tcrèdit m"},
        {{"sol·licitud"}, "vocabulary\tsolicitud\tsol·licitud f"},
        {{"sol.licitud"}, "vocabulary\tsolicitud\tsol·licitud f"},
        {{"SOLLICITUD"}, "vocabulary\tsolicitud\tsol·licitud f"},
        {{"xec", "--in", "abbreviations"}, "abbreviations\tx\txec"},
        {{"watt"}, "symbols\tW\twatt"},
        {{"conseller", "--in", "treatments"},
         "treatments\tHonorable Senyor -a\t(Hble. Sr./a. / H. Sr./a.)\tConseller -a de la Generalitat"},
        {{"c/"}, "abbreviations\tc/\tcarrer; compte"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = {"search"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun found = run(args);
        EXPECT_EQ(found.status, 0) << c.args.front();
        EXPECT_TRUE(found.err.empty()) << found.err;
        EXPECT_TRUE(hasLine(lines(found.out), c.line)) << c.args.front() << " should print " << c.line;
    }
}

TEST_F(CliTest, SearchPrintsListsInOrderAndRowsInTableOrder)
{
    // Every printed row holds the word, and the lists come in the documented order.
    const CliRun all = run({"search", "baix"});
    ASSERT_EQ(all.status, 0);
    const std::vector<std::string> printed = lines(all.out);
    const std::vector<std::string> order = {"vocabulary", "abbreviations", "symbols",  "municipalities",
                                            "comarques",  "treatments",    "documents"};
    std::size_t list = 0;
    std::string previous;
    for (const std::string &line : printed) {
        const std::string name = line.substr(0, line.find('\t'));
        const auto at = std::find(order.begin(), order.end(), name);
        ASSERT_NE(at, order.end()) << line;
        ASSERT_GE(std::size_t(at - order.begin()), list) << line;
        list = std::size_t(at - order.begin());
        const std::string row = cp1252::fromUtf8(line.substr(line.find('\t') + 1)).text;
        EXPECT_NE(plecta::foldForSearch(row).find("baix"), std::string::npos) << line;
        EXPECT_EQ(line.find(" \t"), std::string::npos) << "padding kept: " << line;
        EXPECT_NE(line.back(), ' ') << line;
    }
    // The municipalities come in the table's order, as plecta-cli list prints them.
    std::vector<std::string> names;
    for (const std::string &line : printed) {
        if (line.starts_with("municipalities\t"))
            names.push_back(line.substr(15, line.find('\t', 15) - 15));
    }
    std::vector<std::string> tableOrder;
    const reflist::ReportRows rows = reflist::filledRows(reflist::referenceList(reflist::ListId::Municipalities));
    for (int row = 0; row < rows.rowCount(); ++row) {
        const std::string name = cp1252::toUtf8(rows.cellText(row, 0));
        const std::string trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
        if (std::find(names.begin(), names.end(), trimmed) != names.end())
            tableOrder.push_back(trimmed);
    }
    EXPECT_FALSE(names.empty());
    EXPECT_EQ(names, tableOrder);
    EXPECT_TRUE(hasLine(printed, "comarques\tBaix Empordà"));

    // --in keeps the documented order whatever order it names the lists in.
    const CliRun two = run({"search", "baix", "--in", "comarques,municipalities"});
    ASSERT_EQ(two.status, 0);
    const std::vector<std::string> some = lines(two.out);
    ASSERT_FALSE(some.empty());
    EXPECT_TRUE(some.front().starts_with("municipalities\t"));
    EXPECT_TRUE(some.back().starts_with("comarques\t"));

    // The program's own bytes on request.
    EXPECT_EQ(run({"search", "emporda", "--in", "comarques", "--encoding", "cp1252"}).out,
              "comarques\tAlt Empord\xE0\ncomarques\tBaix Empord\xE0\n");
}

TEST_F(CliTest, SearchSaysNotFoundAndRefusesAnEmptyQuery)
{
    const CliRun none = run({"search", "qqqzzz"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "No trobat\n");
    EXPECT_EQ(run({"search", "xec", "--in", "comarques"}).status, 1);

    EXPECT_TRUE(refused(run({"search", ""}), "buit"));
    EXPECT_TRUE(refused(run({"search", " ·'- "}), "buit"));
    EXPECT_TRUE(refused(run({"search", "a", "--in", "tractaments"}), "--in"));
    // The appeal by a word of its name, with its description, before a kind whose description
    // only mentions it.
    const std::vector<std::string> appeal = lines(run({"search", "reposicio", "--in", "documents"}).out);
    ASSERT_EQ(appeal.size(), 2u);
    EXPECT_TRUE(appeal[1].starts_with("documents\treclamació davant la Comissió de Garantia")) << appeal[1];
    EXPECT_TRUE(appeal[0].starts_with("documents\trecurs potestatiu de reposició\tÉs un document ")) << appeal[0];
    EXPECT_EQ(appeal[0].find("  "), std::string::npos) << appeal[0];
    // A slash is kept: only the rows that hold "c/" come out, not every "c".
    const std::vector<std::string> slash = lines(run({"search", "c/"}).out);
    EXPECT_EQ(slash,
              (std::vector<std::string>{"abbreviations\tc/\tcarrer; compte", "abbreviations\tc/c\tcompte corrent"}));
    EXPECT_TRUE(refused(run({"search", "a", "--in", "vocabulary,"}), "--in"));
    EXPECT_TRUE(refused(run({"search", "a→b"}), "U+2192"));
    EXPECT_TRUE(refused(run({"search"}), "falta"));
    EXPECT_EQ(run({"search", "--help"}).status, 0);
}
