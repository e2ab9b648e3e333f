// plecta-cli check: a text's spelling and forms to avoid, one line per finding.

#include "CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

const std::string kData = PLECTA_CLI_DATA;

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::size_t countKind(const std::vector<std::string> &all, const std::string &kind)
{
    return std::count_if(all.begin(), all.end(),
                         [&](const std::string &line) { return line.find('\t' + kind + '\t') != std::string::npos; });
}

bool hasDictionary()
{
    return std::filesystem::exists("/usr/share/hunspell/ca.dic") ||
           std::filesystem::exists("/usr/share/hunspell/ca_ES.dic");
}

} // namespace

TEST_F(CliTest, CheckFindsTheFormsToAvoidAndPassesTheirCorrection)
{
    const CliRun wrong = run({"check", kData + "/check-castilianisms.txt"});
    EXPECT_EQ(wrong.status, 1) << wrong.err;
    const auto found = lines(wrong.out);
    EXPECT_EQ(countKind(found, "castellanisme"), 27u) << wrong.out;
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "3:1\tEn base a\tcastellanisme\tD'acord amb, Partint de, Sobre la base de");
    // A phrase broken across lines is reported where it begins, on one output line.
    EXPECT_NE(std::find(found.begin(), found.end(), "7:94\tA no ser que\tcastellanisme\tLlevat que, Tret que"),
              found.end());
    if (hasDictionary()) {
        EXPECT_EQ(found[1], "3:14\tsollicitud\tortografia\tsol·licitud, sol licitud, sol-licitud, solitud, licitud");
    }

    // The same letter, corrected: nothing found, from a file and from standard input alike.
    for (const std::vector<std::string> &args : {std::vector<std::string>{"check", kData + "/check-correct.txt"},
                                                 std::vector<std::string>{"check", "-"},
                                                 {"check"}}) {
        const CliRun right =
            args.size() == 2 && args[1] != "-" ? run(args) : run(args, kData + "/check-correct.txt", {});
        EXPECT_EQ(right.status, 0) << right.out << right.err;
        EXPECT_EQ(right.out, "");
    }
}

TEST_F(CliTest, CheckCountsColumnsInCharacters)
{
    // "Ω" has no place in the program's text: it stands apart as one character, not a letter.
    writeFile("text.txt", "\xEF\xBB\xBFés€ Ω entonces\r\n\tΩdesde");
    const CliRun result = run({"check", "text.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "1:7\tentonces\tcastellanisme\taleshores, llavors\n"
                          "2:3\tdesde\tcastellanisme\tdes de\n");
}

TEST_F(CliTest, CheckWithoutADictionaryStillFindsTheFormsToAvoid)
{
    std::filesystem::create_directories(dir() / "empty");
    ::setenv("PLECTA_DICTIONARY_DIR", (dir() / "empty").c_str(), 1);
    writeFile("text.txt", "La sollicitud, entonces.\n");
    const CliRun result = run({"check", "text.txt"});
    ::unsetenv("PLECTA_DICTIONARY_DIR");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "1:16\tentonces\tcastellanisme\taleshores, llavors\n");
}

TEST_F(CliTest, CheckRefusesBadInputAndReportsFailedWrites)
{
    writeFile("latin1.txt", "sol\xB7licitud\n");
    EXPECT_TRUE(refused(run({"check", "latin1.txt"}), "UTF-8"));
    EXPECT_TRUE(refused(run({"check", "a.txt", "b.txt"}), "sobren arguments"));
    EXPECT_TRUE(refused(run({"check", "no-hi-és.txt"}), "no es pot llegir"));
    std::filesystem::create_directories(dir() / "carpeta");
    EXPECT_TRUE(refused(run({"check", "carpeta"}), "carpeta"));
    if (std::filesystem::exists("/dev/full")) {
        writeFile("text.txt", "entonces\n");
        EXPECT_EQ(run({"check"}, "text.txt", "/dev/full").status, 3);
    }
}
