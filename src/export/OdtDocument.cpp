#include "export/OdtDocument.h"

#include "export/PageLayout.h"
#include "export/ZipWriter.h"
#include "text/Cp1252.h"

#include <cstdio>
#include <ctime>

namespace docexport {
namespace {

constexpr std::string_view kMimeType = "application/vnd.oasis.opendocument.text";

// Style names are NCNames: the space of the display name is written "_20_", as office suites do.
constexpr std::string_view kStyleName = "Text_20_del_20_document";
constexpr std::string_view kNewPageStyle = "P1";

constexpr std::string_view kNamespaces = R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
                                         R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
                                         R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
                                         R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
                                         R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")"
                                         R"( xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0")"
                                         R"( xmlns:dc="http://purl.org/dc/elements/1.1/")";

// Windows-1252 text as XML character data in UTF-8. The control characters XML cannot hold go.
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

std::string points(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpt", value);
    return text;
}

std::string contentXml(std::span<const std::string> documents)
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n<office:document-content";
    xml += kNamespaces;
    xml += R"( office:version="1.2">)";
    xml += "<office:automatic-styles>";
    xml += R"(<style:style style:name=")" + std::string(kNewPageStyle) +
           R"(" style:family="paragraph" style:parent-style-name=")" + std::string(kStyleName) + R"(">)";
    xml += R"(<style:paragraph-properties fo:break-before="page"/></style:style>)";
    xml += "</office:automatic-styles><office:body><office:text>";
    bool firstDocument = true;
    for (const std::string &document : documents) {
        const std::vector<std::string> lines = documentLines(document);
        bool firstLine = true;
        // An empty document still takes its page.
        for (std::size_t i = 0; i < std::max<std::size_t>(lines.size(), 1); ++i) {
            const std::string_view style = firstLine && !firstDocument ? kNewPageStyle : kStyleName;
            const std::string content = i < lines.size() ? paragraphContent(lines[i]) : std::string();
            xml += R"(<text:p text:style-name=")" + std::string(style) + R"(">)" + content + "</text:p>";
            firstLine = false;
        }
        firstDocument = false;
    }
    xml += "</office:text></office:body></office:document-content>\n";
    return xml;
}

std::string stylesXml(double pointSize)
{
    const std::string family(kOdtFontFamily);
    const std::string margin = points(kMarginMm / 25.4 * 72.0);
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n<office:document-styles";
    xml += kNamespaces;
    xml += R"( office:version="1.2">)";
    xml += R"(<office:font-face-decls><style:font-face style:name=")" + family + R"(" svg:font-family="')" + family +
           R"('" style:font-family-generic="modern" style:font-pitch="fixed"/></office:font-face-decls>)";
    xml += "<office:styles>";
    xml += R"(<style:default-style style:family="paragraph"><style:text-properties fo:language="ca" fo:country="ES"/>)"
           "</style:default-style>";
    // Lines stay whole on a page (a wrapped line table's row among them); no space between lines.
    xml += R"(<style:style style:name=")" + std::string(kStyleName) + R"(" style:display-name=")" +
           std::string(kOdtParagraphStyle) + R"(" style:family="paragraph" style:class="text">)";
    xml += R"(<style:paragraph-properties fo:margin-top="0pt" fo:margin-bottom="0pt" fo:keep-together="always"/>)";
    xml += R"(<style:text-properties style:font-name=")" + family + R"(" fo:font-size=")" + points(pointSize) +
           R"(" style:font-pitch="fixed"/>)";
    xml += "</style:style></office:styles>";
    xml += R"(<office:automatic-styles><style:page-layout style:name="pm1">)";
    xml += R"(<style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm")"
           R"( style:print-orientation="portrait" fo:margin-top=")" +
           margin + R"(" fo:margin-bottom=")" + margin + R"(" fo:margin-left=")" + margin + R"(" fo:margin-right=")" +
           margin + R"("/>)";
    xml += "</style:page-layout></office:automatic-styles>";
    xml += R"(<office:master-styles><style:master-page style:name="Standard" style:page-layout-name="pm1"/>)"
           "</office:master-styles></office:document-styles>\n";
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
    xml += kNamespaces;
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

std::string odtDocument(std::span<const std::string> documents, std::string_view title,
                        std::chrono::system_clock::time_point created)
{
    // One size for the one paragraph style: the size at which every document's lines fit.
    std::vector<std::string> allLines;
    for (const std::string &document : documents) {
        std::vector<std::string> lines = documentLines(document);
        allLines.insert(allLines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    }
    const double pointSize = fittingPointSize(allLines, kTextWidthPt, kMonospaceAdvanceEm);

    ZipWriter zip(created);
    // First and uncompressed, so that the file's type can be read at a fixed offset.
    zip.addStored("mimetype", kMimeType);
    zip.addDeflated("content.xml", contentXml(documents));
    zip.addDeflated("styles.xml", stylesXml(pointSize));
    zip.addDeflated("meta.xml", metaXml(title, created));
    zip.addDeflated("META-INF/manifest.xml", manifestXml());
    return zip.finish();
}

} // namespace docexport
