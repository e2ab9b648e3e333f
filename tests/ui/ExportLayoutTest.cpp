// The export library's own parts, below the windows and the command line: how lines go onto the
// page, the typeset layout, and the ZIP and OpenDocument packages read back with unzip as an
// office suite reads them.

#include "export/OdtDocument.h"
#include "export/PageLayout.h"
#include "export/TypesetDocument.h"
#include "export/TypesetPages.h"
#include "export/ZipWriter.h"
#include "models/StructuredDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>

using namespace docexport;

namespace {

using Lines = std::vector<std::string>;

std::string output(const std::string &command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buffer{};
    while (pipe && fgets(buffer.data(), int(buffer.size()), pipe.get()))
        out += buffer.data();
    return out;
}

// The archive written to a file in a fresh folder, for unzip to read.
class Archive
{
public:
    explicit Archive(const std::string &bytes) { std::ofstream(path(), std::ios::binary) << bytes; }
    std::string path() const { return m_dir.filePath(QStringLiteral("a.zip")).toStdString(); }
    std::string entry(const std::string &name) const { return output("unzip -p " + path() + " '" + name + "'"); }
    std::string listing() const { return output("unzip -Z -v " + path()); }

private:
    QTemporaryDir m_dir;
};

std::uint16_t le16(const std::string &bytes, std::size_t at)
{
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

} // namespace

TEST(PageLayout, DocumentLinesSplitAtEveryLineEndExpandTabsAndDropTrailingBlankLines)
{
    const struct
    {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"\r\n\r\n  \r\n", {}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"a\r\n\r\nb\r\n\r\n\r\n", {"a", "", "b"}},
        {"\r\nx", {"", "x"}},
        {"\tx", {"        x"}},
        {"abc\tx", {"abc     x"}},
        {"abcdefgh\tx", {"abcdefgh        x"}},
        {"abcdefg\t\tx", {"abcdefg         x"}},
        {"a\r\n\tb\t", {"a", "        b       "}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(documentLines(c.text), c.lines) << c.text;
}

TEST(PageLayout, LongLinesWrapAfterTheLastSpaceThatFits)
{
    const struct
    {
        std::string line;
        int columns;
        Lines pieces;
    } cases[] = {
        {"", 10, {""}},
        {"exactly 10", 10, {"exactly 10"}},
        {"one two three", 10, {"one two ", "three"}},
        {"one two three four five", 10, {"one two ", "three ", "four five"}},
        {"abcdefghijklmnopqrstuvwxy", 10, {"abcdefghij", "klmnopqrst", "uvwxy"}},
        {"a bcdefghijklmn", 10, {"a ", "bcdefghijk", "lmn"}},
        {" abcdefghijklm", 10, {" abcdefghi", "jklm"}},
        {"abcdefghi jk", 10, {"abcdefghi ", "jk"}},
        {"abc", 0, {"a", "b", "c"}},
    };
    for (const auto &c : cases) {
        const Lines pieces = wrapLine(c.line, c.columns);
        EXPECT_EQ(pieces, c.pieces) << c.line;
        std::string joined;
        for (const std::string &piece : pieces) {
            EXPECT_LE(piece.size(), std::size_t(std::max(1, c.columns))) << c.line;
            joined += piece;
        }
        EXPECT_EQ(joined, c.line) << "nothing lost or added";
    }
}

TEST(PageLayout, FontSizeIsTheLargestStepAtWhichTheLinesFit)
{
    const auto fits = [](double size) { return columnsThatFit(kTextWidthPt, size, kMonospaceAdvanceEm); };
    // 160 mm at 0.6 em: 75 columns at 10 pt, 79 at 9.5, 83 at 9, 88 at 8.5, 94 at 8.
    EXPECT_EQ(fits(10.0), 75);
    EXPECT_EQ(fits(9.5), 79);
    EXPECT_EQ(fits(9.0), 83);
    EXPECT_EQ(fits(8.5), 88);
    EXPECT_EQ(fits(8.0), 94);
    const struct
    {
        std::size_t widest;
        double size;
    } cases[] = {
        {0, 10.0},
        {75, 10.0},
        {76, 9.5},
        {79, 9.5},
        {80, 9.0},
        {84, 8.5},
        {88, 8.5},
        {89, 8.0},
        {94, 8.0},
        // Too wide even at the smallest size: it wraps and leaves the size to the other lines.
        {95, 10.0},
        {400, 10.0},
    };
    for (const auto &c : cases) {
        const Lines lines = {"short", std::string(c.widest, 'x')};
        EXPECT_DOUBLE_EQ(fittingPointSize(lines, kTextWidthPt, kMonospaceAdvanceEm), c.size) << c.widest;
    }
    const Lines mixed = {std::string(85, 'x'), std::string(300, 'y')};
    EXPECT_DOUBLE_EQ(fittingPointSize(mixed, kTextWidthPt, kMonospaceAdvanceEm), 8.5);
}

TEST(PageLayout, PagesNeverSplitAWrappedLineThatFitsOnAPage)
{
    const struct
    {
        Lines lines;
        int columns;
        int perPage;
        std::vector<Lines> pages;
    } cases[] = {
        {{}, 10, 3, {{}}},
        {{"a", "b", "c", "d"}, 10, 3, {{"a", "b", "c"}, {"d"}}},
        {{"a", "b", "c"}, 10, 3, {{"a", "b", "c"}}},
        // The row of two pieces does not fit under "a" and "b": it starts the next page whole.
        {{"a", "b", "row one"}, 4, 3, {{"a", "b"}, {"row ", "one"}}},
        {{"a", "row one", "c"}, 4, 3, {{"a", "row ", "one"}, {"c"}}},
        // Longer than a page: it has to be split, and fills the page it starts on.
        {{"a", "1234567890"}, 2, 3, {{"a", "12", "34"}, {"56", "78", "90"}}},
        {{"", "", "", "x"}, 10, 3, {{"", "", ""}, {"x"}}},
    };
    for (const auto &c : cases) {
        const std::vector<Page> pages = paginate(c.lines, c.columns, c.perPage);
        EXPECT_EQ(pages, c.pages);
        for (const Page &page : pages)
            EXPECT_LE(page.size(), std::size_t(c.perPage));
    }
}

TEST(ZipWriter, EntriesReadBackWithTheMimetypeFirstAndStored)
{
    std::string big;
    for (int i = 0; i < 2000; ++i)
        big += "Línia " + std::to_string(i) + " de l'acta\n";
    const std::string binary("\0\x01\xFF\x80 end", 8);
    ZipWriter zip(std::chrono::system_clock::now());
    zip.addStored("mimetype", "application/vnd.oasis.opendocument.text");
    zip.addDeflated("content.xml", big);
    zip.addDeflated("empty.txt", "");
    zip.addStored("dir/binary.bin", binary);
    const std::string bytes = zip.finish();

    // The first local header: signature, method 0 (stored) at offset 8, the name at 30, the data
    // right after, uncompressed, with no extra field in between.
    ASSERT_GT(bytes.size(), 80u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x03\x04"));
    EXPECT_EQ(le16(bytes, 8), 0);
    EXPECT_EQ(le16(bytes, 26), 8);
    EXPECT_EQ(le16(bytes, 28), 0);
    EXPECT_EQ(bytes.substr(30, 47), "mimetypeapplication/vnd.oasis.opendocument.text");
    EXPECT_LT(bytes.size(), big.size() / 2) << "the deflated entry is compressed";

    const Archive archive(bytes);
    EXPECT_NE(output("unzip -t " + archive.path()).find("No errors detected"), std::string::npos);
    EXPECT_EQ(archive.entry("mimetype"), "application/vnd.oasis.opendocument.text");
    EXPECT_EQ(archive.entry("content.xml"), big);
    EXPECT_EQ(archive.entry("empty.txt"), "");
    EXPECT_EQ(output("unzip -p " + archive.path() + " dir/binary.bin | od -An -c | tr -s ' '"),
              output("printf '\\000\\001\\377\\200 end' | od -An -c | tr -s ' '"));
    const std::string listing = output("unzip -Z1 " + archive.path());
    EXPECT_EQ(listing, "mimetype\ncontent.xml\nempty.txt\ndir/binary.bin\n");
}

TEST(OdtDocument, ParagraphsTakeTheirKindsStyleAndEveryDocumentStartsANewPage)
{
    using plecta::BlockKind;
    plecta::StructuredDocument first;
    first.blocks = {{BlockKind::Title, 0, "Acta", {}},
                    {BlockKind::Body, 1, "De la reuni\xF3  del 5", {}},
                    {BlockKind::Lines, 0, "u\ndos\ttres", {}},
                    {BlockKind::Addressee, 2, "Ajuntament", {}},
                    {BlockKind::Addressee, 1, "de Moi\xE0", {}}};
    plecta::StructuredDocument second;
    second.blocks = {{BlockKind::Verb, 0, "CERTIFICO", {}}};
    const std::vector<plecta::StructuredDocument> documents{first, second};
    const std::string odt = odtDocument(documents, "Acta de la reunió");
    const Archive archive(odt);
    EXPECT_EQ(odt.substr(30, 8), "mimetype");
    EXPECT_EQ(le16(odt, 8), 0) << "the mimetype is stored";
    const std::string names = output("unzip -Z1 " + archive.path());
    EXPECT_EQ(names.substr(0, 9), "mimetype\n");
    for (const char *part : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"}) {
        EXPECT_NE(names.find(std::string(part) + "\n"), std::string::npos) << part;
        EXPECT_EQ(output("unzip -p " + archive.path() + " " + part + " | xmllint --noout - 2>&1"), "") << part;
    }
    EXPECT_NE(archive.entry("meta.xml").find("<dc:title>Acta de la reunió</dc:title>"), std::string::npos);
    EXPECT_NE(archive.entry("meta.xml").find("<dc:language>ca</dc:language>"), std::string::npos);

    const std::string content = archive.entry("content.xml");
    const auto paragraph = [&](std::string_view styleName) {
        const std::string opening = "<text:p text:style-name=\"" + std::string(styleName) + "\">";
        const std::size_t at = content.find(opening);
        if (at == std::string::npos)
            return std::string("(none)");
        const std::size_t start = at + opening.size();
        return content.substr(start, content.find("</text:p>", start) - start);
    };
    EXPECT_EQ(paragraph("Títol"), "Acta");
    // After a blank line of the text: the named style with the space above it.
    EXPECT_EQ(paragraph("Cos-1"), "De la reunió<text:s text:c=\"2\"/>del 5");
    EXPECT_EQ(paragraph("Línies"), "u<text:line-break/>dos<text:tab/>tres");
    // The second document, and only it, starts on a new page.
    EXPECT_EQ(paragraph("Verb-0-p"), "<text:span text:style-name=\"Verb_20_performatiu\">CERTIFICO</text:span>");
    const std::size_t breakStyle = content.find("<style:style style:name=\"Verb-0-p\"");
    ASSERT_NE(breakStyle, std::string::npos);
    EXPECT_NE(content.substr(breakStyle, content.find("</style:style>", breakStyle) - breakStyle)
                  .find("fo:break-before=\"page\""),
              std::string::npos);
    EXPECT_EQ(content.find("break-before", breakStyle + 1), content.rfind("break-before"));

    // The closing addressee, its lines in order, in a frame at the foot of the page where the first
    // document ends: held by a paragraph after the text, before the second document's page.
    const std::size_t frame = content.find("<draw:frame draw:style-name=\"Peu\"");
    ASSERT_NE(frame, std::string::npos);
    EXPECT_LT(content.find("u<text:line-break/>"), frame);
    EXPECT_LT(frame, content.find("Verb-0-p\">"));
    EXPECT_EQ(content.substr(content.rfind("<text:p ", frame), frame - content.rfind("<text:p ", frame)),
              "<text:p text:style-name=\"Ancora\">");
    EXPECT_NE(content.find("<text:p text:style-name=\"Destinació\">Ajuntament</text:p>"
                           "<text:p text:style-name=\"Destinació-1\">de Moià</text:p></draw:text-box>",
                           frame),
              std::string::npos);
    const std::size_t footStyle = content.find("<style:style style:name=\"Peu\"");
    ASSERT_NE(footStyle, std::string::npos);
    const std::string foot = content.substr(footStyle, content.find("</style:style>", footStyle) - footStyle);
    for (const char *property : {"style:vertical-pos=\"bottom\"", "style:vertical-rel=\"page-content\"",
                                 "style:wrap=\"none\"", "draw:stroke=\"none\""})
        EXPECT_NE(foot.find(property), std::string::npos) << property;
}

// A closing address, running text and a table of forty rows, some of them kept whole on the next
// page: every way the typeset layout is made and made again.
plecta::StructuredDocument longOrder()
{
    using plecta::BlockKind;
    plecta::StructuredDocument order;
    order.blocks.push_back({BlockKind::Title, 0, "Comanda", {}});
    std::string body;
    for (int sentence = 0; sentence < 12; ++sentence)
        body += "Us demanem els articles seg\xFC"
                "ents, amb lliurament al magatzem de Moi\xE0. ";
    order.blocks.push_back({BlockKind::Body, 1, body, {}});
    plecta::DocumentBlock table{BlockKind::Table, 1, "", {}};
    table.table.headings = {"Codi", "Descripci\xF3", "Import"};
    table.table.numeric = {false, false, true};
    for (int row = 1; row <= 40; ++row)
        table.table.rows.push_back({"R-" + std::to_string(row), std::string(row % 7 ? 20 : 200, 'x'), "1,10"});
    order.blocks.push_back(table);
    order.blocks.push_back({BlockKind::Place, 1, "Moi\xE0, 15 de mar\xE7 de 2024", {}});
    order.blocks.push_back({BlockKind::Addressee, 2, "Fusteria Puig", {}});
    return order;
}

TEST(TypesetDocument, IsLaidOutForItsDeviceWithTheAddresseeAtTheFoot)
{
    const plecta::StructuredDocument order = longOrder();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    setUpTypesetPage(writer);
    const QSizeF page(writer.width(), writer.height() * 0.95);
    const auto document = typesetDocument(order, &writer, page);
    ASSERT_GE(document->pageCount(), 2);
    const auto places = [&] {
        std::vector<QRectF> rects;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            rects.push_back(document->documentLayout()->blockBoundingRect(block));
        return rects;
    };
    // Laid out once, for the PDF's resolution and page: laying it out again changes nothing.
    const std::vector<QRectF> first = places();
    document->setPageSize(QSizeF(page.width() / 2, page.height()));
    document->setPageSize(page);
    EXPECT_EQ(places(), first);
    // The addressee at the foot of the last page.
    const QRectF addressee = first.back();
    EXPECT_GT(std::fmod(addressee.bottom(), page.height()), page.height() * 0.97);
}
