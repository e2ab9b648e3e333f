#include "export/PdfDocument.h"

#include "export/PdfLanguage.h"
#include "export/TypesetPages.h"

#include <QBuffer>
#include <QPdfWriter>

namespace docexport {

QByteArray pdfDocument(std::span<const plecta::StructuredDocument> documents, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Plecta " PLECTA_VERSION));
        setUpTypesetPage(writer);
        if (!renderTypeset(writer, documents))
            return {};
    }
    return withLanguage(bytes, "ca");
}

} // namespace docexport
