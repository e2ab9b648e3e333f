#pragma once
// Documents as a PDF/A-1b file, the archival profile administrations ask for: typeset pages,
// fonts embedded, the title and the PDF/A identification in the metadata. Needs a
// QGuiApplication (a program without windows makes one on Qt's offscreen platform).

#include "models/StructuredDocument.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace docexport {

// The documents one after another, each from a new page, typeset on A4 pages. Empty when the
// pages could not be drawn.
QByteArray pdfDocument(std::span<const plecta::StructuredDocument> documents, const QString &title);

} // namespace docexport
