// plecta-cli writing PDF/A and OpenDocument: checked with poppler, qpdf and unzip, as a reader
// of the files would check them.

#include "CliRunner.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace {

// What a shell command prints.
std::string output(const std::string &command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buffer{};
    while (pipe && fgets(buffer.data(), int(buffer.size()), pipe.get()))
        out += buffer.data();
    return out;
}

// The words of a text; a rule drawn with hyphens is no word (and a PDF reader joins the line
// after it to it, as it joins a word hyphenated at a line's end).
std::vector<std::string> words(std::string text)
{
    for (std::size_t at = 0; (at = text.find("---", at)) != std::string::npos;)
        text.replace(at,
                     text.find_first_not_of('-', at) == std::string::npos ? text.size() - at
                                                                          : text.find_first_not_of('-', at) - at,
                     " ");
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// A word of a PDF where poppler finds it: its page (from 1), its top and bottom in points.
struct PlacedWord
{
    int page = 0;
    double top = 0, bottom = 0;
    std::string text; // as XML: "&lt;" for "<"
};

std::vector<PlacedWord> placedWords(const std::string &file)
{
    std::vector<PlacedWord> placed;
    std::istringstream lines(output("pdftotext -bbox -enc UTF-8 " + file + " -"));
    int page = 0;
    for (std::string line; std::getline(lines, line);) {
        page += line.find("<page ") != std::string::npos;
        const std::size_t top = line.find("yMin=\""), bottom = line.find("yMax=\""), text = line.find("\">");
        if (line.find("<word ") == std::string::npos || top == std::string::npos || bottom == std::string::npos)
            continue;
        placed.push_back({page, std::stod(line.substr(top + 6)), std::stod(line.substr(bottom + 6)),
                          line.substr(text + 2, line.find("</word>") - text - 2)});
    }
    return placed;
}

// The addressee of an application ("<DESTINACIÓ>" as the form first shows it) stands at the foot
// of the last page: in the page's lowest tenth, and clear of every line above it.
void expectAddresseeAtTheFoot(const std::string &file, int pages)
{
    SCOPED_TRACE(file);
    const std::vector<PlacedWord> placed = placedWords(file);
    const auto addressee = std::find_if(placed.begin(), placed.end(),
                                        [](const PlacedWord &word) { return word.text == "&lt;DESTINACIÓ&gt;"; });
    ASSERT_NE(addressee, placed.end());
    EXPECT_EQ(addressee->page, pages);
    EXPECT_EQ(placed.back().page, pages);
    EXPECT_GT(addressee->bottom, 0.88 * 842) << "A4 is 842 points high";
    for (const PlacedWord &word : placed) {
        if (word.page == addressee->page && word.top < addressee->top) {
            EXPECT_LE(word.bottom, addressee->top) << word.text << " runs into the addressee";
        }
    }
}

} // namespace

// The words of a text document outside its drawn table: the typeset outputs show the table as
// a real one, with the list's own headings.
std::vector<std::string> wordsOutsideTheTable(const std::string &text)
{
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("+") && !line.starts_with("¦") && !line.starts_with("%list%"))
            kept += line + "\n";
    }
    return words(kept);
}

// Whether `part` appears in `whole` in the same order, other words allowed between.
bool inOrder(const std::vector<std::string> &part, const std::vector<std::string> &whole)
{
    std::size_t at = 0;
    for (const std::string &word : part) {
        while (at < whole.size() && whole[at] != word)
            ++at;
        if (at++ >= whole.size())
            return false;
    }
    return true;
}

const std::vector<std::string> kOrderLines = {
    "--line", "R-1|Cadira de roure|3|25,00", "--line", "R-2|Taula|1|120,00", "--set", "1124=21 %"};
// The order's lines, amounts and totals in the order a reader meets them.
const std::vector<std::string> kOrderFigures = {"R-1",    "Cadira", "75,00", "R-2",   "Taula", "120,00", "Base",
                                                "195,00", "IVA",    "21",    "40,95", "Total", "235,95"};

TEST_F(CliTest, EveryKindsPdfIsTypesetInAProportionalFontAndKeepsItsWords)
{
    const std::string kinds = run({"kinds"}).out;
    std::istringstream lines(kinds);
    int checked = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::string id = line.substr(0, line.find_first_of(" \t"));
        if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos)
            continue;
        SCOPED_TRACE("kind " + id);
        std::vector<std::string> args = {"document", id, "--date", "2024-03-15"};
        if (id == "181")
            args.insert(args.end(), kOrderLines.begin(), kOrderLines.end());
        if (id == "179")
            args.insert(args.end(), {"--line", "3|Cadira de roure|25,00", "--line", "1|Taula|120,00"});
        auto textArgs = args;
        textArgs.insert(textArgs.end(), {"--encoding", "utf-8"});
        const CliRun text = run(textArgs);
        ASSERT_EQ(text.status, 0) << text.err;
        args.insert(args.end(), {"-o", id + ".pdf"});
        const CliRun pdf = run(args);
        ASSERT_EQ(pdf.status, 0) << pdf.err;
        const std::string file = (dir() / (id + ".pdf")).string();
        const std::vector<std::string> pdfWords = words(output("pdftotext -enc UTF-8 " + file + " -"));
        // Every word is there (a reader may take columns set with TABs in another order).
        const std::vector<std::string> textWords = wordsOutsideTheTable(text.out);
        std::multiset<std::string> missing(textWords.begin(), textWords.end());
        for (const std::string &word : pdfWords) {
            if (const auto at = missing.find(word); at != missing.end())
                missing.erase(at);
        }
        EXPECT_TRUE(missing.empty()) << *missing.begin() << " missing from\n" << text.out;
        EXPECT_NE(output("qpdf --check " + file).find("No syntax or stream encoding errors"), std::string::npos);
        const std::string fonts = output("pdffonts " + file);
        EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
        EXPECT_EQ(fonts.find("Mono"), std::string::npos) << fonts;
        EXPECT_EQ(fonts.find("Courier"), std::string::npos) << fonts;
        EXPECT_EQ(fonts.find(" no  no "), std::string::npos) << "every font embedded: " << fonts;
        EXPECT_NE(output("pdfinfo " + file).find("(A4)"), std::string::npos);
        EXPECT_NE(readFile(id + ".pdf").find("pdfaid:part=\"1\""), std::string::npos);
        // The kind's name as the title, Catalan as the language, one page without a page number.
        const std::string info = output("pdfinfo -enc UTF-8 " + file);
        EXPECT_NE(info.find(id == "181" ? "Title:           comanda\n" : "Title:           "), std::string::npos)
            << info;
        EXPECT_NE(readFile(id + ".pdf").find("/Lang (ca)"), std::string::npos);
        EXPECT_NE(output("pdfinfo -meta " + file).find("<rdf:li>ca</rdf:li>"), std::string::npos);
        EXPECT_EQ(output("pdftotext " + file + " -").find("gina 1 de"), std::string::npos);
        if (id == "181") {
            EXPECT_TRUE(inOrder(kOrderFigures, pdfWords)) << output("pdftotext " + file + " -");
        }
        ++checked;
    }
    EXPECT_GE(checked, 20);
    // --encoding means nothing to a PDF.
    EXPECT_TRUE(refused(run({"document", "165", "-o", "x.pdf", "--encoding", "utf-8"}), "--encoding"));
}

// An order that takes several pages: each page says which of how many it is, and no line of the
// table is split between two pages (a line's reference and the end of its description share one).
TEST_F(CliTest, LongOrderNumbersItsPagesAndKeepsEachLineOnOnePage)
{
    std::vector<std::string> args = {"document", "181", "-o", "llarga.pdf"};
    for (int i = 1; i <= 60; ++i) {
        args.insert(args.end(), {"--line", "R-" + std::to_string(i) + "|Article de mostra " + std::to_string(i) +
                                               " amb una descripció prou llarga per ocupar dues línies de la "
                                               "cel·la, fi-" +
                                               std::to_string(i) + "|1|" + std::to_string(i) + ",00"});
    }
    const CliRun order = run(args);
    ASSERT_EQ(order.status, 0) << order.err;
    const std::string file = (dir() / "llarga.pdf").string();
    const std::string info = output("pdfinfo " + file);
    const int pages = std::stoi(info.substr(info.find("Pages:") + 6));
    ASSERT_GE(pages, 2);
    std::vector<std::string> pageTexts;
    for (int page = 1; page <= pages; ++page) {
        pageTexts.push_back(output("pdftotext -enc UTF-8 -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                   " " + file + " -"));
        const std::string number = "Pàgina " + std::to_string(page) + " de " + std::to_string(pages);
        EXPECT_NE(pageTexts.back().find(number), std::string::npos) << number;
    }
    for (int i = 1; i <= 60; ++i) {
        const std::vector<std::string> reference = {"R-" + std::to_string(i)};
        const std::vector<std::string> end = {"fi-" + std::to_string(i)};
        int together = 0;
        for (const std::string &page : pageTexts)
            together += inOrder(reference, words(page)) && inOrder(end, words(page));
        EXPECT_EQ(together, 1) << "line " << i;
    }
    EXPECT_TRUE(inOrder(words("Total 2.214,30 €"), words(pageTexts.back()))); // 1.830,00 + 21 %
}

TEST_F(CliTest, OrderTotalsComeInTextAndRefusedLinesNameThemselves)
{
    auto args = std::vector<std::string>{"document", "181", "--encoding", "utf-8"};
    args.insert(args.end(), kOrderLines.begin(), kOrderLines.end());
    const CliRun text = run(args);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(inOrder(kOrderFigures, words(text.out))) << text.out;
    EXPECT_NE(text.out.find("Base imposable          195,00 €"), std::string::npos) << text.out;
    // The quote sums its lines the same way, at the rate written in its form.
    const CliRun quote = run({"document", "pressupost", "--line", "3|Cadira de roure|25,00", "--set", "tipus_iva=10 %",
                              "--encoding", "utf-8"});
    ASSERT_EQ(quote.status, 0) << quote.err;
    EXPECT_TRUE(inOrder(words("75,00 Base imposable 75,00 € IVA 10 % 7,50 € Total 82,50 €"), words(quote.out)))
        << quote.out;
    // A fifth column that disagrees with quantity × price, and numbers that are no numbers.
    const struct
    {
        const char *line;
        const char *message;
    } refusals[] = {
        {"R-2|Taula|1|120,00|99", "--line 2: Import «99»: no és quantitat × preu (120,00)"},
        {"R-2|Taula|3,2,1|120,00", "--line 2: Quant. «3,2,1»: no és un nombre"},
        {"R-2|Taula|1e9|120,00", "--line 2: Quant. «1e9»: no és un nombre"},
        {"R-2|Taula|-1|120,00", "--line 2: Quant. «-1»: no pot ser negatiu"},
        {"R-2|Taula|1|1.000.000.000", "--line 2: Preu unit. «1.000.000.000»: import massa gran"},
    };
    for (const auto &refusal : refusals) {
        const CliRun refused =
            run({"document", "181", "--line", "R-1|Cadira|1|2", "--line", refusal.line, "-o", "refused.txt"});
        EXPECT_EQ(refused.status, 2) << refusal.line;
        EXPECT_NE(refused.err.find(refusal.message), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(dir() / "refused.txt"));
    }
}

TEST_F(CliTest, OfficeSuiteOpensTheOdtWithItsStylesTableAndTotals)
{
    auto args = std::vector<std::string>{"document", "181", "-o", "comanda.odt"};
    args.insert(args.end(), kOrderLines.begin(), kOrderLines.end());
    ASSERT_EQ(run(args).status, 0);
    ASSERT_EQ(run({"document", "173", "-o", "denuncia.odt"}).status, 0);
    const std::string file = (dir() / "comanda.odt").string();
    EXPECT_NE(output("unzip -t " + file).find("No errors detected"), std::string::npos);
    for (const char *part : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"})
        EXPECT_EQ(output("unzip -p " + file + " " + part + " | xmllint --noout - 2>&1"), "") << part;
    const std::string styles = output("unzip -p " + file + " styles.xml");
    for (const char *name : {"Títol", "Cos", "Verb", "Lloc i data", "Signatura", "Destinació"})
        EXPECT_NE(styles.find("style:display-name=\"" + std::string(name) + "\""), std::string::npos) << name;
    // One table, its heading and one row per line.
    const std::string content = output("unzip -p " + file + " content.xml");
    std::size_t tables = 0, rows = 0;
    for (std::size_t at = 0; (at = content.find("<table:table ", at)) != std::string::npos; ++at)
        ++tables;
    for (std::size_t at = 0; (at = content.find("<table:table-row>", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(tables, 1u);
    EXPECT_EQ(rows, 3u);
    EXPECT_NE(content.find("<table:table-header-rows>"), std::string::npos);
    EXPECT_EQ(content.find("<text:s text:c="), std::string::npos) << "no runs of spaces for alignment";
    // After the text's blank line the signature keeps its own room to sign, and more.
    const std::string complaint = output("unzip -p " + (dir() / "denuncia.odt").string() + " content.xml");
    const std::size_t signature = complaint.find("style:name=\"Signatura-1\"");
    ASSERT_NE(signature, std::string::npos);
    EXPECT_NE(complaint.find("fo:margin-top=\"2.92cm\"", signature), std::string::npos);
    EXPECT_NE(complaint.find("<text:span text:style-name=\"Verb_20_performatiu\">DENUNCIO</text:span>"),
              std::string::npos);

    // A real office suite opens both and gives their text back.
    if (output("command -v soffice").empty())
        GTEST_SKIP() << "soffice is not installed (scripts/setup installs it)";
    // Every kind's document, each against its text.
    std::map<std::string, std::string> texts;
    std::string everyKind;
    std::istringstream kinds(run({"kinds"}).out);
    for (std::string line; std::getline(kinds, line);) {
        const std::string id = line.substr(0, line.find('\t'));
        if (id == "181" || id.empty() || id.find_first_not_of("0123456789") != std::string::npos)
            continue;
        ASSERT_EQ(run({"document", id, "--date", "2024-03-15", "-o", "k" + id + ".odt"}).status, 0) << id;
        texts[id] = run({"document", id, "--date", "2024-03-15", "--encoding", "utf-8"}).out;
        everyKind += " k" + id + ".odt";
    }
    const std::string convert =
        "cd " + dir().string() + " && HOME=" + dir().string() + " soffice --headless --norestore --convert-to ";
    output(convert + "txt:Text comanda.odt denuncia.odt 2>&1");
    output(convert + "pdf comanda.odt denuncia.odt" + everyKind + " 2>&1");
    for (const auto &[id, text] : texts) {
        const std::vector<std::string> expected = wordsOutsideTheTable(text);
        std::multiset<std::string> missing(expected.begin(), expected.end());
        // Read from the suite's pages: its text export leaves out frames, and the addressee is in one.
        const std::string pages = (dir() / ("k" + id + ".pdf")).string();
        for (const std::string &word : words(output("pdftotext -enc UTF-8 " + pages + " -"))) {
            if (const auto at = missing.find(word); at != missing.end())
                missing.erase(at);
        }
        EXPECT_TRUE(missing.empty()) << "kind " << id << ": " << *missing.begin() << " missing";
        EXPECT_NE(output("pdfinfo " + (dir() / ("k" + id + ".pdf")).string()).find("Pages:"), std::string::npos) << id;
    }
    const std::vector<std::string> converted = words(readFile("comanda.txt"));
    EXPECT_TRUE(inOrder(kOrderFigures, converted)) << readFile("comanda.txt");
    EXPECT_TRUE(inOrder(words("DENUNCIO"), words(readFile("denuncia.txt"))));
    for (const char *pdf : {"comanda.pdf", "denuncia.pdf"})
        EXPECT_NE(output("pdfinfo " + (dir() / pdf).string()).find("Pages:"), std::string::npos) << pdf;
}

TEST_F(CliTest, TheAddresseeStandsAtTheFootOfTheLastPageInPdfAndOdt)
{
    std::string reasoning;
    for (int paragraph = 1; paragraph <= 40; ++paragraph)
        reasoning += "Paràgraf " + std::to_string(paragraph) +
                     " del raonament, amb prou text per omplir més d'una línia de la pàgina. ";
    for (const std::string name : {"curta", "llarga"}) {
        for (const std::string extension : {".pdf", ".odt"}) {
            std::vector<std::string> args = {"document", "165", "--date", "2024-03-15", "-o", name + extension};
            if (name == "llarga")
                args.insert(args.end(), {"--set", "raonament=" + reasoning});
            ASSERT_EQ(run(args).status, 0) << name << extension;
        }
    }
    expectAddresseeAtTheFoot((dir() / "curta.pdf").string(), 1);
    expectAddresseeAtTheFoot((dir() / "llarga.pdf").string(), 2);

    // The office suite sets the OpenDocument's addressee at the foot too, on its own pages.
    if (output("command -v soffice").empty())
        GTEST_SKIP() << "soffice is not installed (scripts/setup installs it)";
    output("cd " + dir().string() + " && HOME=" + dir().string() +
           " soffice --headless --norestore --convert-to pdf --outdir suite curta.odt llarga.odt 2>&1");
    expectAddresseeAtTheFoot((dir() / "suite" / "curta.pdf").string(), 1);
    expectAddresseeAtTheFoot((dir() / "suite" / "llarga.pdf").string(), 2);
}

TEST_F(CliTest, SingleMergeStartsEveryRowOnItsOwnPage)
{
    writeFile("rows.csv", "1043\nMaria Puig\nJoan Mas\nPere Soler\n");
    const CliRun merged = run({"merge", "carta", "--csv", "rows.csv", "--single", "cartes.pdf"});
    ASSERT_EQ(merged.status, 0) << merged.err;
    const std::string file = (dir() / "cartes.pdf").string();
    const std::string info = output("pdfinfo " + file);
    const int pages = std::stoi(info.substr(info.find("Pages:") + 6));
    ASSERT_GE(pages, 3);
    int found = 0;
    for (int page = 1; page <= pages; ++page) {
        const std::string text =
            output("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " " + file + " -");
        for (const char *name : {"Maria Puig", "Joan Mas", "Pere Soler"})
            found += text.find(name) != std::string::npos;
    }
    EXPECT_EQ(found, 3);
    // One file per row with the format's extension; a text --single is refused.
    const CliRun each = run({"merge", "carta", "--csv", "rows.csv", "--out", "odt", "--format", "odt"});
    ASSERT_EQ(each.status, 0) << each.err;
    EXPECT_EQ(filesIn(dir() / "odt"), (std::vector<std::string>{"001.odt", "002.odt", "003.odt"}));
    EXPECT_TRUE(refused(run({"merge", "carta", "--csv", "rows.csv", "--single", "cartes.txt"}), "--single"));
}
