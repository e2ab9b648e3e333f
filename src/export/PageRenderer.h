#pragma once
// The one renderer of a document's pages: the printer, the print preview and the PDF file all
// get their pages from here. QtGui only, so that plecta-cli can use it without widgets.

#include <QFont>

#include <span>
#include <string>

class QPagedPaintDevice;

namespace docexport {

// The monospaced face of the pages at a size. A TrueType face is chosen where one is installed,
// because a PDF embeds those faithfully.
QFont pageFont(double pointSize);

// A4 portrait with 2.5 cm margins on every side.
void setUpPage(QPagedPaintDevice &device);

// Paints the documents (Windows-1252 text, CR LF line ends) inside the device's margins, each
// starting on a new page, lines kept as they are. False when the device cannot be painted on.
bool renderDocuments(QPagedPaintDevice &device, std::span<const std::string> documents);

} // namespace docexport
