#pragma once
// The pages of typeset documents, painted onto any paged device: the PDF writer, the printer and
// the print preview's printer alike. QtGui only.

#include "models/StructuredDocument.h"

#include <span>

class QPagedPaintDevice;

namespace docexport {

// A4 portrait with the typeset margins.
void setUpTypesetPage(QPagedPaintDevice &device);

// Paints the documents one after another, each from a new page, with "Pàgina 1 de 2" at the foot
// of each page of a document that takes more than one. False when the device cannot be painted on.
bool renderTypeset(QPagedPaintDevice &device, std::span<const plecta::StructuredDocument> documents);

} // namespace docexport
