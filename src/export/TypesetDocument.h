#pragma once
// A structured document laid out as a QTextDocument: Qt's rich-text layout breaks the lines,
// justifies the running text, sizes and rules the table, and splits the whole into pages. One
// layout serves the PDF, the printer and the print preview. QtGui only.

#include "models/StructuredDocument.h"

#include <QFont>
#include <QSizeF>
#include <QString>

#include <memory>

class QPaintDevice;
class QTextDocument;

namespace docexport {

// The page of typeset documents: A4, with the margins the Generalitat's criteria for
// administrative documents use (3 cm left, 2 cm right) and room at the foot for the page number.
inline constexpr double kTypesetLeftMm = 30.0;
inline constexpr double kTypesetRightMm = 20.0;
inline constexpr double kTypesetTopMm = 25.0;
inline constexpr double kTypesetBottomMm = 20.0;
inline constexpr double kBodyPointSize = 11.0;
inline constexpr double kTitlePointSize = 14.0;
inline constexpr double kTablePointSize = 10.0;
// The room left to sign above the signer's name.
inline constexpr double kSignatureSpaceMm = 25.0;
// Where a TAB of the text takes the words after it: the middle of the text's width.
inline constexpr double kTabStopMm = 80.0;

// The proportional family of typeset documents (Liberation Sans, or DejaVu Sans where it is
// missing), found through fontconfig; it has an italic and a bold.
QString typesetFamily();
QFont typesetFont(double pointSize, bool bold = false);

// The document laid out for the device at a page size in the device's pixels. The addressee, if
// the document ends with one, stands at the foot of the last page.
std::unique_ptr<QTextDocument> typesetDocument(const plecta::StructuredDocument &document, QPaintDevice *device,
                                               QSizeF pageSize);

// The cp1252 text as a QString.
QString fromCp1252(std::string_view text);

} // namespace docexport
