// plecta-cli and the files and streams around it: a merge never loses a file that was there, a
// refusal leaves nothing behind (nor does Ctrl+C), a failed write is never a success, input/output
// failures have their own status, and messages never echo control characters raw.

#include "CliRunner.h"

#include "text/Cp1252.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::filesystem::perms permissionsOf(const std::filesystem::path &path)
{
    return std::filesystem::status(path).permissions();
}

// An input/output failure: status 3 and one line on standard error, holding `mentions`.
::testing::AssertionResult ioFailed(const CliRun &run, const std::string &mentions)
{
    if (run.status != 3)
        return ::testing::AssertionFailure() << "status " << run.status << ", stderr: " << run.err;
    if (std::count(run.err.begin(), run.err.end(), '\n') != 1)
        return ::testing::AssertionFailure() << "not one line on stderr: " << run.err;
    if (run.err.find(mentions) == std::string::npos)
        return ::testing::AssertionFailure() << "stderr does not mention \"" << mentions << "\": " << run.err;
    return ::testing::AssertionSuccess();
}

const std::vector<std::string> kForcedMerge = {"merge",  "carta",  "--csv",  "adreces.csv", "--out",
                                               "cartes", "--name", "fitxer", "--force"};

} // namespace

TEST_F(CliTest, ForcedMergeWithANameTooLongKeepsEveryOriginal)
{
    std::filesystem::create_directory(dir() / "cartes");
    writeFile("cartes/maria.txt", "Maria's older letter");
    writeFile("cartes/joan.txt", "Joan's older letter");
    std::filesystem::permissions(dir() / "cartes/maria.txt", std::filesystem::perms(0640));
    const std::string tooLong(300, 'x');
    writeFile("adreces.csv", "1043,fitxer\r\nMaria,maria\r\nJoan,joan\r\nAnna," + tooLong + "\r\n");

    const CliRun result = run(kForcedMerge);
    EXPECT_TRUE(refused(result, "massa llarg"));
    EXPECT_EQ(filesIn("cartes"), (std::vector<std::string>{"joan.txt", "maria.txt"})); // no scratch files
    EXPECT_EQ(readFile("cartes/maria.txt"), "Maria's older letter");
    EXPECT_EQ(readFile("cartes/joan.txt"), "Joan's older letter");

    // With a name that fits, the originals are replaced, and keep their permissions.
    writeFile("adreces.csv", "1043,fitxer\r\nMaria,maria\r\nJoan,joan\r\nAnna,anna\r\n");
    const CliRun placed = run(kForcedMerge);
    ASSERT_EQ(placed.status, 0) << placed.err;
    EXPECT_EQ(filesIn("cartes"), (std::vector<std::string>{"anna.txt", "joan.txt", "maria.txt"}));
    EXPECT_NE(readFile("cartes/maria.txt").find("Maria\r\n"), std::string::npos);
    EXPECT_EQ(permissionsOf(dir() / "cartes/maria.txt"), std::filesystem::perms(0640));
}

TEST_F(CliTest, RefusedMergeLeavesNoFolderItMadeNorAnyScratchFile)
{
    writeFile("adreces.csv", "1043,fitxer\r\nMaria,maria\r\nAnna," + std::string(300, 'y') + "\r\n");
    EXPECT_TRUE(refused(run({"merge", "carta", "--csv", "adreces.csv", "--out", "noves/cartes", "--name", "fitxer"}),
                        "massa llarg"));
    EXPECT_EQ(filesIn("."), (std::vector<std::string>{"adreces.csv", "captured"}));

    // In a folder that exists, the names reserved for the other rows go too.
    std::filesystem::create_directory(dir() / "cartes");
    EXPECT_TRUE(
        refused(run({"merge", "carta", "--csv", "adreces.csv", "--out", "cartes", "--name", "fitxer"}), "massa llarg"));
    EXPECT_EQ(filesIn("cartes"), std::vector<std::string>{});
}

TEST_F(CliTest, CtrlCDuringAMergeLeavesAllOrNothing)
{
    // Enough rows that the signal often lands while files are being written.
    std::string csv = "1043\r\n";
    for (int i = 0; i < 400; ++i)
        csv += "Persona " + std::to_string(i) + "\r\n";
    writeFile("adreces.csv", csv);
    for (int delay : {0, 2000, 8000, 20000, 60000}) {
        std::filesystem::remove_all(dir() / "cartes");
        const CliRun result = run({"merge", "carta", "--csv", "adreces.csv", "--out", "cartes"}, {}, {}, delay);
        const std::vector<std::string> files = filesIn("cartes");
        if (result.status == 0) {
            EXPECT_EQ(files.size(), 400u) << delay;
        } else {
            // Stopped before the files were placed, or right after all of them were.
            EXPECT_EQ(result.signal, SIGINT) << delay << ": " << result.err;
            if (files.size() != 400u) {
                EXPECT_FALSE(std::filesystem::exists(dir() / "cartes")) << delay << ": " << files.size() << " files";
            }
        }
        for (const std::string &name : files)
            EXPECT_FALSE(name.starts_with(".")) << name;
    }
}

TEST_F(CliTest, AFailedWriteToStandardOutputIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"list", "vocabulary"},
                                               {"numeral", "21"},
                                               {"kinds"},
                                               {"document", "carta"},
                                               {"--help"},
                                               {"ordinal", "21"},
                                               {"amount", "1.234,56"},
                                               {"search", "credit"},
                                               {"document", "carta", "--format", "pdf"}}) {
        EXPECT_TRUE(ioFailed(run(args, {}, "/dev/full"), "sortida estàndard")) << args.front();
    }
}

TEST_F(CliTest, CsvFromStandardInputAndReadErrorsReported)
{
    writeFile("adreces.csv", "1043\r\nMaria Puig\r\n");
    const CliRun piped =
        run({"merge", "carta", "--csv", "-", "--out", "cartes", "--date", "2024-03-15"}, "adreces.csv", {});
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_NE(readFile("cartes/001.txt").find("Maria Puig\r\n"), std::string::npos);

    // Standard input that cannot be read (here a folder) is reported, not taken as empty.
    std::filesystem::create_directory(dir() / "carpeta");
    const CliRun broken = run({"merge", "carta", "--csv", "-", "--out", "altres"}, "carpeta", {});
    EXPECT_NE(broken.status, 0);
    EXPECT_NE(broken.err.find("l'entrada estàndard"), std::string::npos) << broken.err;
    EXPECT_FALSE(std::filesystem::exists(dir() / "altres"));
}

TEST_F(CliTest, WritesThatTheSystemDeniesHaveTheirOwnStatus)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold for root";
    std::filesystem::create_directory(dir() / "tancada");
    std::filesystem::permissions(dir() / "tancada", std::filesystem::perms(0555));
    EXPECT_TRUE(ioFailed(run({"document", "carta", "-o", "tancada/carta.txt"}), "permís"));
    writeFile("adreces.csv", "1043\r\nMaria\r\n");
    EXPECT_TRUE(ioFailed(run({"merge", "carta", "--csv", "adreces.csv", "--out", "tancada"}), "permís"));
    EXPECT_TRUE(ioFailed(run({"merge", "carta", "--csv", "adreces.csv", "--out", "tancada/sub"}), "permís"));
    std::filesystem::permissions(dir() / "tancada", std::filesystem::perms::owner_all);
    EXPECT_EQ(filesIn("tancada"), std::vector<std::string>{});
}

TEST_F(CliTest, MessagesShowControlCharactersAndStrayBytesEscaped)
{
    const struct
    {
        std::vector<std::string> args;
        std::string shown;
        std::string raw;
    } cases[] = {
        {{"list", "voc\x1b[2J"}, "vocU+001B[2J", "\x1b"},
        {{"ordre\xFF"}, "ordre\\xFF", "\xFF"},
        {{"numeral", "1\a2"}, "1U+00072", "\a"},
        {{"document", "carta", "--set", "1043=a\u0085b"}, "U+0085", "\u0085"},
        {{"document", "carta", "--colour\x1b]0;title\a"}, "--colourU+001B]0;titleU+0007", "\x1b"},
    };
    for (const auto &c : cases) {
        const CliRun result = run(c.args);
        EXPECT_TRUE(refused(result, c.shown)) << c.shown;
        EXPECT_EQ(result.err.find(c.raw), std::string::npos) << c.shown;
    }
}

TEST_F(CliTest, EditableListsTakeTypedTextAndLargeBoxesTakeLines)
{
    // The order's VAT list also takes typed text, as the window does.
    const CliRun typed = run({"document", "comanda", "--set", "iva=no subjecte", "--date", "2024-03-15"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_NE(typed.out.find("Tipus d'IVA: no subjecte\r\n"), std::string::npos);
    const CliRun picked = run({"document", "comanda", "--set", "iva=10 %", "--date", "2024-03-15"});
    EXPECT_EQ(picked.out, run({"document", "comanda", "--choose", "iva=10 %", "--date", "2024-03-15"}).out);
    EXPECT_NE(picked.out.find("Tipus d'IVA: 10 %\r\n"), std::string::npos);

    // A large box of the minutes: "\n" is a line break there, written CR LF; "\\" a backslash.
    const CliRun box = run({"document", "acta de reunió", "--set", R"(1051=Primer punt\nSegon punt, C:\\dir)"});
    ASSERT_EQ(box.status, 0) << box.err;
    EXPECT_NE(box.out.find("Primer punt\r\nSegon punt, C:\\dir"), std::string::npos);
    // A one-line field keeps a backslash as it is, and refuses a real line break.
    const CliRun line = run({"document", "acta de reunió", "--set", R"(1050=a\nb)"});
    EXPECT_NE(line.out.find(R"(a\nb)"), std::string::npos);
    EXPECT_TRUE(refused(run({"document", "acta de reunió", "--set", "1050=a\nb"}), "una sola línia"));

    // A CSV cell's line breaks go into a large box as they are.
    writeFile("actes.csv", "1051\r\n\"u\r\ndos\"\r\n");
    ASSERT_EQ(run({"merge", "acta de reunió", "--csv", "actes.csv", "--out", "actes"}).status, 0);
    EXPECT_NE(readFile("actes/001.txt").find("u\r\ndos"), std::string::npos);
}

TEST_F(CliTest, DocumentToAPipeOrFileIsWindows1252UnlessAsked)
{
    // Standard output here is a file: the program's own bytes, as "Anomena i desa" writes them.
    const CliRun bytes = run({"document", "carta", "--set", "1043=Núria", "--date", "2024-03-15"});
    EXPECT_NE(bytes.out.find("N\xFAria"), std::string::npos);
    const CliRun utf8 =
        run({"document", "carta", "--set", "1043=Núria", "--date", "2024-03-15", "--encoding", "utf-8"});
    EXPECT_EQ(utf8.out, cp1252::toUtf8(bytes.out));

    // On a terminal (script(1) gives it one), UTF-8 unless --encoding says otherwise.
    if (!std::filesystem::exists("/usr/bin/script"))
        GTEST_SKIP() << "no script(1) to give the program a terminal";
    const std::string command = std::string(PLECTA_CLI) + " document carta --set 1043=Núria --date 2024-03-15";
    const auto throughTerminal = [&](const std::string &extra) {
        const std::string shell = "/usr/bin/script -qec '" + command + extra + "' /dev/null > '" +
                                  (dir() / "captured" / "tty").string() + "'";
        EXPECT_EQ(std::system(shell.c_str()), 0) << shell;
        return readFile("captured/tty");
    };
    EXPECT_NE(throughTerminal("").find("N\xC3\xBAria"), std::string::npos);
    EXPECT_NE(throughTerminal(" --encoding cp1252").find("N\xFAria"), std::string::npos);
}
