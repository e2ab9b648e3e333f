#include "export/OdtStyles.h"

#include <cstdio>
#include <cstdlib>

namespace docexport {
namespace {

constexpr std::string_view kOdtFontFamily = "Liberation Sans";
// The page's margins, as the typeset PDF's.
constexpr double kOdtLeftMm = 30, kOdtRightMm = 20, kOdtTopMm = 25, kOdtBottomMm = 20;

struct ParagraphStyle
{
    std::string_view displayName; // UTF-8
    std::string_view properties;  // paragraph properties
    std::string_view text;        // text properties beyond the family and size
    bool middleTab = false;       // a tab stop in the middle of the line, as the text's TABs line up
};

// Every named style, "Cos" first: the others take their font from it.
constexpr ParagraphStyle kStyles[] = {
    {kBodyStyle, R"(fo:text-align="justify" fo:margin-top="0cm" fo:margin-bottom="0cm" fo:line-height="115%")", ""},
    {kTitleStyle, R"(fo:margin-bottom="0.3cm" fo:keep-with-next="always")",
     R"( fo:font-size="14pt" fo:font-weight="bold")"},
    {"Encap\xC3\xA7"
     "alament",
     R"(fo:margin-top="0.2cm" fo:keep-with-next="always")", R"( fo:font-weight="bold")"},
    {"Verb", R"(fo:margin-top="0.2cm" fo:margin-bottom="0.2cm" fo:keep-with-next="always")", ""},
    {"Element", R"(fo:text-align="start" fo:margin-left="0.6cm")", ""},
    {kLinesStyle, R"(fo:text-align="start")", "", true},
    {"Lloc i data", R"(fo:text-align="start" fo:margin-top="0.4cm")", ""},
    {"Signatura", R"(fo:text-align="start" fo:margin-top="2.5cm")", "", true},
    // In the frame at the page's foot (see OdtDocument.cpp), where no space above it is needed.
    {kAddresseeStyle, R"(fo:text-align="start")", ""},
    {kTableHeadingStyle, R"(fo:text-align="start")", R"( fo:font-size="10pt" fo:font-weight="bold")"},
    {kTableTextStyle, R"(fo:text-align="start")", R"( fo:font-size="10pt")"},
    {kTableNumberStyle, R"(fo:text-align="end")", R"( fo:font-size="10pt")"},
    {kTotalStyle, R"(fo:text-align="end")", ""}, // label, TAB, amount
};

std::string millimetres(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gmm", value);
    return text;
}

} // namespace

std::string styleName(std::string_view displayName)
{
    std::string name;
    for (char c : displayName)
        name += c == ' ' ? std::string("_20_") : std::string(1, c);
    return name;
}

std::string_view styleOf(plecta::BlockKind kind)
{
    using plecta::BlockKind;
    switch (kind) {
    case BlockKind::Title: return kStyles[1].displayName;
    case BlockKind::Heading: return kStyles[2].displayName;
    case BlockKind::Verb: return kStyles[3].displayName;
    case BlockKind::Body: return kBodyStyle;
    case BlockKind::Item: return kStyles[4].displayName;
    case BlockKind::Lines: return kLinesStyle;
    case BlockKind::Place: return kStyles[6].displayName;
    case BlockKind::Signature: return kStyles[7].displayName;
    case BlockKind::Addressee: return kAddresseeStyle;
    case BlockKind::Table: return kTableTextStyle;
    }
    return kBodyStyle;
}

double ownTopMargin(std::string_view named)
{
    constexpr std::string_view key = "fo:margin-top=\"";
    for (const ParagraphStyle &style : kStyles) {
        if (style.displayName != named)
            continue;
        const std::size_t at = style.properties.find(key);
        return at == std::string_view::npos ? 0.0 : std::strtod(style.properties.data() + at + key.size(), nullptr);
    }
    return 0.0;
}

std::string textAreaWidth()
{
    return millimetres(210 - kOdtLeftMm - kOdtRightMm);
}

std::string stylesXml()
{
    const std::string family(kOdtFontFamily);
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n<office:document-styles";
    xml += kOdtNamespaces;
    xml += R"( office:version="1.2">)";
    xml += R"(<office:font-face-decls><style:font-face style:name=")" + family + R"(" svg:font-family="')" + family +
           R"('" style:font-family-generic="swiss" style:font-pitch="variable"/></office:font-face-decls>)";
    xml += "<office:styles>";
    xml += R"(<style:default-style style:family="paragraph"><style:text-properties style:font-name=")" + family +
           R"(" fo:font-size="11pt" fo:language="ca" fo:country="ES"/></style:default-style>)";
    for (const ParagraphStyle &style : kStyles) {
        xml += R"(<style:style style:name=")" + styleName(style.displayName) + R"(" style:display-name=")" +
               std::string(style.displayName) + R"(" style:family="paragraph")";
        if (style.displayName != kBodyStyle)
            xml += R"( style:parent-style-name=")" + styleName(kBodyStyle) + R"(")";
        xml += R"( style:class="text"><style:paragraph-properties )" + std::string(style.properties);
        xml += style.middleTab ? R"(><style:tab-stops><style:tab-stop style:position="8cm"/></style:tab-stops>)"
                                 "</style:paragraph-properties>"
                               : "/>";
        xml += R"(<style:text-properties style:font-name=")" + family + R"(")" + std::string(style.text) + "/>";
        xml += "</style:style>";
    }
    xml += R"(<style:style style:name=")" + styleName(kVerbTextStyle) + R"(" style:display-name=")" +
           std::string(kVerbTextStyle) +
           R"(" style:family="text"><style:text-properties fo:font-weight="bold" fo:letter-spacing="0.04em"/>)"
           "</style:style>";
    xml += "</office:styles>";
    xml += R"(<office:automatic-styles><style:page-layout style:name="pm1">)";
    xml += R"(<style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm")"
           R"( style:print-orientation="portrait" fo:margin-top=")" +
           millimetres(kOdtTopMm) + R"(" fo:margin-bottom=")" + millimetres(kOdtBottomMm) + R"(" fo:margin-left=")" +
           millimetres(kOdtLeftMm) + R"(" fo:margin-right=")" + millimetres(kOdtRightMm) + R"("/>)";
    xml += "</style:page-layout></office:automatic-styles>";
    xml += R"(<office:master-styles><style:master-page style:name="Standard" style:page-layout-name="pm1"/>)"
           "</office:master-styles></office:document-styles>\n";
    return xml;
}

} // namespace docexport
