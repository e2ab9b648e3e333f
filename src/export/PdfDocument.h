#pragma once
// Documents as a PDF/A-1b file, the archival profile administrations ask for: fonts embedded,
// the title and the PDF/A identification in the metadata. Needs a QGuiApplication (a
// program without windows makes one on Qt's offscreen platform).

#include <QByteArray>
#include <QString>

#include <span>
#include <string>

namespace docexport {

// The documents (Windows-1252, CR LF) one after another, each from a new page, on A4 pages
// drawn by the page renderer. Empty when the pages could not be drawn.
QByteArray pdfDocument(std::span<const std::string> documents, const QString &title);

} // namespace docexport
