#pragma once
// The OpenDocument text's named styles, as a person editing it in an office suite finds them:
// "Cos" for running text, "Títol", "Verb", "Lloc i data", "Signatura", "Destinació"..., their
// styles.xml with the A4 page, and the names content.xml writes.

#include "models/BlockKinds.h"

#include <string>
#include <string_view>

namespace docexport {

inline constexpr std::string_view kOdtNamespaces =
    R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
    R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
    R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
    R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
    R"( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")"
    R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
    R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")"
    R"( xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0")"
    R"( xmlns:dc="http://purl.org/dc/elements/1.1/")";

inline constexpr std::string_view kBodyStyle = "Cos";
inline constexpr std::string_view kTitleStyle = "T\xC3\xADtol";
inline constexpr std::string_view kLinesStyle = "L\xC3\xADnies";
inline constexpr std::string_view kTableHeadingStyle = "Cap\xC3\xA7"
                                                       "alera de taula";
inline constexpr std::string_view kTableTextStyle = "Contingut de taula";
inline constexpr std::string_view kTableNumberStyle = "Import";
inline constexpr std::string_view kTotalStyle = "Total";
inline constexpr std::string_view kAddresseeStyle = "Destinaci\xC3\xB3";
inline constexpr std::string_view kVerbTextStyle = "Verb performatiu"; // the verb's words in a "Verb" paragraph

// A style's name in the XML: a space of the display name is written "_20_", as office suites do.
std::string styleName(std::string_view displayName);
// The named paragraph style of a paragraph kind.
std::string_view styleOf(plecta::BlockKind kind);
// The space a named style leaves above its paragraphs, in cm.
double ownTopMargin(std::string_view named);
// The width of the page's text area, between its margins, as an ODF length ("160mm").
std::string textAreaWidth();
// styles.xml: the fonts, the named styles and the page.
std::string stylesXml();

} // namespace docexport
