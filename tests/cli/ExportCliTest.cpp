// plecta-cli writing PDF/A and OpenDocument: checked with poppler, qpdf and unzip, as a reader
// of the files would check them.

#include "CliRunner.h"

#include <array>
#include <cstdio>
#include <memory>
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

std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

} // namespace

TEST_F(CliTest, PdfHoldsTheDocumentsWordsWithEmbeddedFontsOnA4)
{
    const std::vector<std::string> fill = {"document", "albarà", "--line", "3|Cadira|25|75", "--date", "2024-03-15"};
    auto args = fill;
    args.insert(args.end(), {"--encoding", "utf-8"});
    const CliRun text = run(args);
    ASSERT_EQ(text.status, 0) << text.err;
    args = fill;
    args.insert(args.end(), {"-o", "albara.pdf"});
    const CliRun pdf = run(args);
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_TRUE(pdf.err.empty()) << pdf.err;
    const std::string file = (dir() / "albara.pdf").string();
    EXPECT_EQ(words(output("pdftotext -enc UTF-8 " + file + " -")), words(text.out));
    EXPECT_NE(output("qpdf --check " + file).find("No syntax or stream encoding errors"), std::string::npos);
    const std::string fonts = output("pdffonts " + file);
    EXPECT_NE(fonts.find("yes"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no  no "), std::string::npos) << fonts;
    EXPECT_NE(output("pdfinfo " + file).find("(A4)"), std::string::npos);
    EXPECT_NE(readFile("albara.pdf").find("pdfaid:part=\"1\""), std::string::npos);
    // --encoding means nothing to a PDF.
    args.insert(args.end(), {"--encoding", "utf-8", "--force"});
    EXPECT_TRUE(refused(run(args), "--encoding"));
}

TEST_F(CliTest, OdtHoldsOneParagraphPerLineWithTheSpacesKept)
{
    const CliRun text = run({"document", "comanda", "--line", "R1|Paper|2|3|6", "--encoding", "utf-8"});
    ASSERT_EQ(text.status, 0);
    const CliRun odt = run({"document", "comanda", "--line", "R1|Paper|2|3|6", "-o", "comanda.odt"});
    ASSERT_EQ(odt.status, 0) << odt.err;
    const std::string bytes = readFile("comanda.odt");
    ASSERT_GT(bytes.size(), 38u);
    EXPECT_EQ(bytes.substr(30, 8), "mimetype");
    EXPECT_EQ(bytes.substr(38, 39), "application/vnd.oasis.opendocument.text");
    const std::string file = (dir() / "comanda.odt").string();
    EXPECT_NE(output("unzip -t " + file).find("No errors detected"), std::string::npos);
    for (const char *part : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"})
        EXPECT_EQ(output("unzip -p " + file + " " + part + " | xmllint --noout - 2>&1"), "") << part;
    // Paragraphs back to lines: <text:s text:c="N"/> is N spaces.
    std::string content = output("unzip -p " + file + " content.xml");
    std::string lines;
    for (std::size_t at = 0; (at = content.find("<text:p ", at)) != std::string::npos;) {
        const std::size_t start = content.find('>', at) + 1, end = content.find("</text:p>", start);
        std::string paragraph = content.substr(start, end - start);
        std::string plain;
        for (std::size_t i = 0; i < paragraph.size();) {
            if (paragraph.compare(i, 7, "<text:s") == 0) {
                const std::size_t close = paragraph.find("/>", i);
                const std::size_t count = paragraph.find("text:c=\"", i);
                plain.append(count < close ? std::stoul(paragraph.substr(count + 8)) : 1, ' ');
                i = close + 2;
            } else if (paragraph.compare(i, 5, "&amp;") == 0) {
                plain += '&', i += 5;
            } else if (paragraph.compare(i, 4, "&lt;") == 0) {
                plain += '<', i += 4;
            } else if (paragraph.compare(i, 4, "&gt;") == 0) {
                plain += '>', i += 4;
            } else {
                plain += paragraph[i++];
            }
        }
        lines += plain + "\r\n";
        at = end;
    }
    std::string expected = text.out;
    while (expected.ends_with("\r\n\r\n"))
        expected.erase(expected.size() - 2);
    EXPECT_EQ(lines, expected);
    EXPECT_NE(output("unzip -p " + file + " styles.xml").find("style:display-name=\"Text del document\""),
              std::string::npos);
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
