#include "export/OdtDocument.h"

#include "export/OdtStyles.h"
#include "export/ZipWriter.h"
#include "text/Cp1252.h"

#include <cstdio>
#include <ctime>
#include <set>

namespace docexport {
namespace {

constexpr std::string_view kMimeType = "application/vnd.oasis.opendocument.text";
std::string xmlText(std::string_view cp1252Text)
{
    std::string escaped;
    escaped.reserve(cp1252Text.size());
    for (char c : cp1252Text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                escaped += c;
        }
    }
    return cp1252::toUtf8(escaped);
}

std::string xmlUtf8(std::string_view utf8)
{
    std::string escaped;
    for (char c : utf8) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '"': escaped += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                escaped += c;
        }
    }
    return escaped;
}

// One line as a paragraph's content. An office suite collapses runs of spaces and drops them at
// the ends of a paragraph, so every space that is not a single one between two words is written
// as <text:s/>, and the columns of the line tables survive.
std::string paragraphContent(std::string_view line)
{
    std::string out;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t run = line.find_first_not_of(' ', i);
        if (run == i) {
            const std::size_t next = std::min(line.find(' ', i), line.size());
            out += xmlText(line.substr(i, next - i));
            i = next;
            continue;
        }
        const std::size_t end = run == std::string_view::npos ? line.size() : run;
        const std::size_t count = end - i;
        if (count == 1 && i > 0 && end < line.size())
            out += ' ';
        else if (count == 1)
            out += "<text:s/>";
        else
            out += "<text:s text:c=\"" + std::to_string(count) + "\"/>";
        i = end;
    }
    return out;
}

// A paragraph's text: spaces as above, TABs as tabs and kept line breaks as line breaks.
std::string inlineContent(std::string_view text)
{
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\n\t", start), text.size());
        out += paragraphContent(text.substr(start, end - start));
        if (end == text.size())
            break;
        out += text[end] == '\n' ? "<text:line-break/>" : "<text:tab/>";
        start = end + 1;
    }
    return out;
}

// Paragraphs that follow blank lines of the text, or open a new document's page, take an
// automatic style over their named one: "<style>-<blank lines>[-page]".
class AutomaticStyles
{
public:
    std::string use(std::string_view named, int blankLines, bool newPage)
    {
        if (blankLines == 0 && !newPage)
            return styleName(named);
        const std::string name = styleName(named) + "-" + std::to_string(blankLines) + (newPage ? "-p" : "");
        if (m_seen.insert(name).second) {
            m_xml += R"(<style:style style:name=")" + name + R"(" style:family="paragraph" style:parent-style-name=")" +
                     styleName(named) + R"("><style:paragraph-properties)";
            if (blankLines > 0) {
                char margin[32];
                // Added to the style's own space: the signature keeps its room to sign.
                std::snprintf(margin, sizeof margin, R"( fo:margin-top="%.2fcm")",
                              ownTopMargin(named) + blankLines * 0.42);
                m_xml += margin;
            }
            if (newPage)
                m_xml += R"( fo:break-before="page")";
            m_xml += "/></style:style>";
        }
        return name;
    }
    const std::string &xml() const { return m_xml; }

private:
    std::set<std::string> m_seen;
    std::string m_xml;
};

std::string paragraph(std::string_view style, std::string_view cp1252Text)
{
    return R"(<text:p text:style-name=")" + std::string(style) + R"(">)" + inlineContent(cp1252Text) + "</text:p>";
}

// A verb paragraph: the verb in its own character style, so that it stays bold when the
// paragraph's style is changed.
std::string verbParagraph(std::string_view style, std::string_view cp1252Text)
{
    const plecta::TextSpan verb = plecta::performativeVerb(cp1252Text);
    return R"(<text:p text:style-name=")" + std::string(style) + R"(">)" +
           inlineContent(cp1252Text.substr(0, verb.begin)) + R"(<text:span text:style-name=")" +
           styleName(kVerbTextStyle) + R"(">)" + inlineContent(cp1252Text.substr(verb.begin, verb.end - verb.begin)) +
           "</text:span>" + inlineContent(cp1252Text.substr(verb.end)) + "</text:p>";
}

std::string tableRow(std::span<const std::string> cells, const std::vector<bool> &numeric, std::string_view textStyle)
{
    std::string xml = "<table:table-row>";
    for (std::size_t c = 0; c < numeric.size(); ++c) {
        const std::string_view style = numeric[c] ? kTableNumberStyle : textStyle;
        xml += R"(<table:table-cell table:style-name="Cella" office:value-type="string">)" +
               paragraph(styleName(style), c < cells.size() ? std::string_view(cells[c]) : std::string_view()) +
               "</table:table-cell>";
    }
    return xml + "</table:table-row>";
}

std::string itemTable(const plecta::ItemTable &table, int number)
{
    std::string xml = R"(<table:table table:name="L)"
                      "\xC3\xAD"
                      R"(nies)" +
                      (number > 1 ? "_" + std::to_string(number) : std::string()) + R"(" table:style-name="Taula">)";
    for (std::size_t c = 0; c < table.headings.size(); ++c)
        xml += std::string(R"(<table:table-column table:style-name=")") +
               (table.numeric[c] ? "ColumnaXifra" : "Columna") + R"("/>)";
    xml += "<table:table-header-rows>" + tableRow(table.headings, table.numeric, kTableHeadingStyle) +
           "</table:table-header-rows>";
    for (const std::vector<std::string> &row : table.rows)
        xml += tableRow(row, table.numeric, kTableTextStyle);
    xml += "</table:table>";
    for (const plecta::TotalsLine &line : table.totals)
        xml += paragraph(styleName(kTotalStyle), line.label + "\t" + line.amount);
    return xml;
}

constexpr std::string_view kTableStyles =
    R"(<style:style style:name="Taula" style:family="table"><style:table-properties style:width="16cm")"
    R"( table:align="margins" fo:margin-top="0.2cm" fo:margin-bottom="0.2cm"/></style:style>)"
    R"(<style:style style:name="Columna" style:family="table-column">)"
    R"(<style:table-column-properties style:rel-column-width="3*"/></style:style>)"
    R"(<style:style style:name="ColumnaXifra" style:family="table-column">)"
    R"(<style:table-column-properties style:rel-column-width="2*"/></style:style>)"
    R"(<style:style style:name="Cella" style:family="table-cell"><style:table-cell-properties)"
    R"( fo:padding="0.1cm" fo:border="0.5pt solid #000000"/></style:style>)";

// The addressee that closes a document stands at the foot of the page where the document ends, as
// on the typeset page: in a frame held by an empty paragraph after the text, set at the bottom of
// the page's text area. Text does not run beside or under the frame, so when the text reaches the
// foot the office suite takes the paragraph, and the frame with it, to the next page.
constexpr std::string_view kFootFrameStyles =
    R"(<style:style style:name="Ancora" style:family="paragraph" style:parent-style-name="Cos">)"
    R"(<style:paragraph-properties fo:margin-top="0.5cm" fo:margin-bottom="0cm" fo:line-height="100%"/>)"
    R"(<style:text-properties fo:font-size="2pt"/></style:style>)"
    R"(<style:style style:name="Peu" style:family="graphic"><style:graphic-properties)"
    R"( style:vertical-pos="bottom" style:vertical-rel="page-content")"
    R"( style:horizontal-pos="from-left" style:horizontal-rel="page-content" svg:x="0cm")"
    R"( style:wrap="none" style:flow-with-text="true" style:run-through="foreground")"
    R"( fo:margin-left="0cm" fo:margin-right="0cm" fo:margin-top="0cm" fo:margin-bottom="0cm")"
    R"( fo:padding="0cm" fo:border="none" draw:stroke="none" draw:fill="none"/></style:style>)";

std::string footFrame(std::string_view anchorStyle, const std::string &addressee, int number)
{
    return R"(<text:p text:style-name=")" + std::string(anchorStyle) +
           R"("><draw:frame draw:style-name="Peu" draw:name="Destinaci)"
           "\xC3\xB3" +
           (number > 1 ? "_" + std::to_string(number) : std::string()) +
           R"(" text:anchor-type="paragraph" svg:width=")" + textAreaWidth() +
           R"(" draw:z-index="0"><draw:text-box fo:min-height="0.5cm">)" + addressee +
           "</draw:text-box></draw:frame></text:p>";
}

// Where the closing run of addressee paragraphs begins; the block count when there is none.
std::size_t closingAddressee(const std::vector<plecta::DocumentBlock> &blocks)
{
    std::size_t first = blocks.size();
    while (first > 0 && blocks[first - 1].kind == plecta::BlockKind::Addressee)
        --first;
    return first;
}

std::string contentXml(std::span<const plecta::StructuredDocument> documents)
{
    AutomaticStyles automatic;
    std::string body;
    int tables = 0, frames = 0;
    bool firstDocument = true;
    for (const plecta::StructuredDocument &document : documents) {
        bool newPage = !firstDocument;
        firstDocument = false;
        if (document.blocks.empty()) // an empty document still takes its page
            body += paragraph(automatic.use(kLinesStyle, 0, newPage), "");
        const std::size_t foot = closingAddressee(document.blocks);
        std::string addressee;
        for (std::size_t b = 0; b < document.blocks.size(); ++b) {
            const plecta::DocumentBlock &block = document.blocks[b];
            if (block.kind == plecta::BlockKind::Table) {
                if (newPage)
                    body += paragraph(automatic.use(kLinesStyle, 0, true), "");
                body += itemTable(block.table, ++tables);
            } else if (b >= foot) {
                // At the foot, the space the text leaves above the addressee is the page's.
                addressee += paragraph(automatic.use(kAddresseeStyle, b == foot ? 0 : block.blankLinesBefore, false),
                                       block.text);
                continue;
            } else {
                const std::string style = automatic.use(styleOf(block.kind), block.blankLinesBefore, newPage);
                body += block.kind == plecta::BlockKind::Verb ? verbParagraph(style, block.text)
                                                              : paragraph(style, block.text);
            }
            newPage = false;
        }
        if (!addressee.empty())
            body +=
                footFrame(newPage ? automatic.use(kLinesStyle, 0, true) : std::string("Ancora"), addressee, ++frames);
    }
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n<office:document-content";
    xml += kOdtNamespaces;
    xml += R"( office:version="1.2"><office:automatic-styles>)";
    xml += kTableStyles;
    xml += kFootFrameStyles;
    xml += automatic.xml();
    xml += "</office:automatic-styles><office:body><office:text>" + body;
    xml += "</office:text></office:body></office:document-content>\n";
    return xml;
}

std::string metaXml(std::string_view title, std::chrono::system_clock::time_point created)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(created);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%SZ", &utc);
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n<office:document-meta";
    xml += kOdtNamespaces;
    xml += R"( office:version="1.2"><office:meta>)";
    xml += "<meta:generator>Plecta/" PLECTA_VERSION "</meta:generator>";
    xml += "<dc:title>" + xmlUtf8(title) + "</dc:title>";
    xml += "<dc:language>ca</dc:language>";
    xml += "<meta:creation-date>" + std::string(date) + "</meta:creation-date>";
    xml += "<dc:date>" + std::string(date) + "</dc:date>";
    xml += "</office:meta></office:document-meta>\n";
    return xml;
}

std::string manifestXml()
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n"
                      R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0")"
                      R"( manifest:version="1.2">)";
    xml += R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type=")" +
           std::string(kMimeType) + R"("/>)";
    for (const char *part : {"content.xml", "styles.xml", "meta.xml"})
        xml += R"(<manifest:file-entry manifest:full-path=")" + std::string(part) +
               R"(" manifest:media-type="text/xml"/>)";
    xml += "</manifest:manifest>\n";
    return xml;
}

} // namespace

std::string odtDocument(std::span<const plecta::StructuredDocument> documents, std::string_view title,
                        std::chrono::system_clock::time_point created)
{
    ZipWriter zip(created);
    // First and uncompressed, so that the file's type can be read at a fixed offset.
    zip.addStored("mimetype", kMimeType);
    zip.addDeflated("content.xml", contentXml(documents));
    zip.addDeflated("styles.xml", stylesXml());
    zip.addDeflated("meta.xml", metaXml(title, created));
    zip.addDeflated("META-INF/manifest.xml", manifestXml());
    return zip.finish();
}

} // namespace docexport
