// plecta-cli document --strict: a document with fields left to fill is refused and they are named;
// without it, the same document is written as scripts expect.

#include "CliRunner.h"

#include <sstream>

namespace {

std::vector<std::vector<std::string>> fieldRows(const std::string &listing)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::istringstream cellsIn(line);
        for (std::string cell; std::getline(cellsIn, cell, '\t');)
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

} // namespace

TEST_F(CliTest, StrictRefusesADocumentWithFieldsLeftAndNamesThemInOrder)
{
    const CliRun untouched = run({"document", "acta", "--strict"});
    EXPECT_TRUE(refused(untouched, "camps per omplir: NOM DE L'ORGANISME, ")) << untouched.err;
    EXPECT_NE(untouched.err.find("CÀRREC"), std::string::npos) << untouched.err;
    EXPECT_EQ(untouched.out, "");

    // Without --strict the same document goes out, and nothing is said.
    const CliRun silent = run({"document", "acta", "--encoding", "utf-8"});
    EXPECT_EQ(silent.status, 0);
    EXPECT_EQ(silent.err, "");
    EXPECT_NE(silent.out.find("<NOM DE L'ORGANISME>"), std::string::npos);

    // Every placeholder given a value and the offices chosen: --strict lets it through, and one
    // field left is named alone.
    std::vector<std::string> options;
    for (const std::vector<std::string> &field : fieldRows(run({"fields", "acta"}).out)) {
        if (field.size() < 5)
            continue;
        if (field[4].starts_with("<"))
            options.insert(options.end(), {"--set", field[0] + "=Text " + field[0]});
        else if (field[4] == "Càrrec")
            options.insert(options.end(), {"--choose", field[0] + "=President"});
    }
    ASSERT_GE(options.size(), 4u);
    std::vector<std::string> filled = {"document", "acta", "--strict", "--encoding", "utf-8"};
    filled.insert(filled.end(), options.begin(), options.end());
    const CliRun whole = run(filled);
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.out.find('<'), std::string::npos);

    filled.resize(filled.size() - 2); // the last option given, no more
    const CliRun oneLeft = run(filled);
    EXPECT_TRUE(refused(oneLeft, "Queda 1 camp per omplir: ")) << oneLeft.err;
}
