#include "export/PdfLanguage.h"

#include <QByteArrayList>

namespace docexport {
namespace {

// An indirect object "N 0 obj ... endobj" as the file holds it, by number.
QByteArray objectBody(const QByteArray &pdf, int number)
{
    const QByteArray head = '\n' + QByteArray::number(number) + " 0 obj\n";
    const qsizetype start = pdf.lastIndexOf(head);
    if (start < 0)
        return {};
    const qsizetype body = start + head.size();
    const qsizetype end = pdf.indexOf("\nendobj", body);
    return end < 0 ? QByteArray() : pdf.mid(body, end - body);
}

// The number written after the first `key` and a space that `tail` follows ("/Size 30",
// "/Root 1 0 R"), or 0. Read by hand: a regular expression compiled for every file would cost
// more than the rest of this.
int numberAfter(const QByteArray &text, QByteArrayView key, QByteArrayView tail = {})
{
    for (qsizetype at = text.indexOf(key); at >= 0; at = text.indexOf(key, at + 1)) {
        qsizetype digits = at + key.size() + 1;
        if (digits >= text.size() || text[digits - 1] != ' ')
            continue;
        const qsizetype start = digits;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
            ++digits;
        if (digits > start && QByteArrayView(text).sliced(digits).startsWith(tail))
            return QByteArrayView(text).sliced(start, digits - start).toInt();
    }
    return 0;
}

int referenceAfter(const QByteArray &text, QByteArrayView key)
{
    return numberAfter(text, key, " 0 R");
}

QByteArray xrefEntry(qsizetype offset)
{
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
}

} // namespace

QByteArray withLanguage(const QByteArray &pdf, QByteArrayView language)
{
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt)
        return pdf;
    const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
    const QByteArray previous = pdf.mid(startxrefAt + 9).trimmed().split('\n').value(0).trimmed();
    const int size = numberAfter(trailer, "/Size");
    const int root = referenceAfter(trailer, "/Root");
    const QByteArray catalog = objectBody(pdf, root);
    const int metadata = referenceAfter(catalog, "/Metadata");
    const QByteArray xmp = objectBody(pdf, metadata);
    const qsizetype packet = xmp.indexOf("<?xpacket begin");
    const qsizetype packetEnd = xmp.lastIndexOf("<?xpacket end='w'?>");
    const qsizetype titleEnd = xmp.indexOf("</dc:title>");
    if (size == 0 || root == 0 || metadata == 0 || packet < 0 || packetEnd < titleEnd || titleEnd < 0 ||
        catalog.contains("/Lang") || !catalog.trimmed().endsWith(">>"))
        return pdf;

    const int newMetadata = size;
    QByteArray packetText = xmp.mid(packet, packetEnd + 19 - packet);
    packetText.insert(titleEnd - packet + 11, "\n      <dc:language>\n        <rdf:Bag>\n          <rdf:li>" +
                                                  language.toByteArray() +
                                                  "</rdf:li>\n        </rdf:Bag>\n      </dc:language>");
    QByteArray newCatalog = catalog.trimmed();
    newCatalog.chop(2);
    newCatalog.replace("/Metadata " + QByteArray::number(metadata) + " 0 R",
                       "/Metadata " + QByteArray::number(newMetadata) + " 0 R");
    newCatalog += "/Lang (" + language.toByteArray() + ")\n>>";

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const qsizetype metadataAt = out.size();
    out += QByteArray::number(newMetadata) + " 0 obj\n<<\n/Type /Metadata /Subtype /XML\n/Length " +
           QByteArray::number(packetText.size() + 1) + "\n>>\nstream\n" + packetText + "\n\nendstream\nendobj\n";
    const qsizetype catalogAt = out.size();
    out += QByteArray::number(root) + " 0 obj\n" + newCatalog + "\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + QByteArray::number(root) + " 1\n" + xrefEntry(catalogAt) + QByteArray::number(newMetadata) +
           " 1\n" + xrefEntry(metadataAt);
    QByteArray newTrailer = trailer.trimmed();
    newTrailer.replace("/Size " + QByteArray::number(size), "/Size " + QByteArray::number(newMetadata + 1));
    newTrailer.chop(2);
    out +=
        newTrailer.trimmed() + "\n/Prev " + previous + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}

} // namespace docexport
