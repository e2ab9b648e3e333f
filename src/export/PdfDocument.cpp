#include "export/PdfDocument.h"

#include "export/PageRenderer.h"

#include <QBuffer>
#include <QPdfWriter>

namespace docexport {

QByteArray pdfDocument(std::span<const std::string> documents, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Plecta " PLECTA_VERSION));
        setUpPage(writer);
        if (!renderDocuments(writer, documents))
            return {};
    }
    return bytes;
}

} // namespace docexport
