#pragma once
// The document's language in a finished PDF: "/Lang" in the catalog, which screen readers and
// archives read, and dc:language in its XMP metadata. Qt writes neither, so the file gets them in
// an incremental update at its end: the pages and fonts stay as Qt wrote them.

#include <QByteArray>
#include <QByteArrayView>

namespace docexport {

// The PDF with its language set ("ca"); the bytes unchanged when they are not a PDF as Qt writes
// it (one cross-reference table, a catalog and an XMP stream of its own).
QByteArray withLanguage(const QByteArray &pdf, QByteArrayView language);

} // namespace docexport
