#include "cli/Formats.h"

#include "cli/GuiApplication.h"
#include "export/OdtDocument.h"
#include "export/PdfDocument.h"

namespace cli {
namespace {

std::string lowerAscii(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return text;
}

} // namespace

Format formatOfName(const std::filesystem::path &name)
{
    const std::string extension = lowerAscii(name.extension().string());
    if (extension == ".odt")
        return Format::Odt;
    if (extension == ".pdf")
        return Format::Pdf;
    return Format::Text;
}

std::string_view extensionOf(Format format)
{
    switch (format) {
    case Format::Text: return ".txt";
    case Format::Odt: return ".odt";
    case Format::Pdf: return ".pdf";
    }
    return ".txt";
}

Expected<Format> formatOption(const ParsedArgs &args, Format fallback)
{
    Format format = fallback;
    if (const std::string *name = args.value("--format")) {
        const std::string lower = lowerAscii(*name);
        if (lower == "txt")
            format = Format::Text;
        else if (lower == "odt")
            format = Format::Odt;
        else if (lower == "pdf")
            format = Format::Pdf;
        else
            return Failure{"--format: format desconegut: «" + *name + "» (txt, odt o pdf)"};
    }
    if (format != Format::Text && args.has("--encoding"))
        return Failure{"--encoding només val per als documents de text (.txt)"};
    return format;
}

Expected<std::string> formatDocuments(Format format, std::span<const plecta::MergedDocument> documents,
                                      std::string_view title, Encoding encoding)
{
    std::vector<plecta::StructuredDocument> structures;
    if (format != Format::Text) {
        for (const plecta::MergedDocument &document : documents)
            structures.push_back(document.structure);
    }
    switch (format) {
    case Format::Text: {
        std::string text;
        for (const plecta::MergedDocument &document : documents)
            text += encode(document.text, encoding);
        return text;
    }
    case Format::Odt: return docexport::odtDocument(structures, title);
    case Format::Pdf: {
        ensureGuiApplication();
        const QByteArray pdf =
            docexport::pdfDocument(structures, QString::fromUtf8(title.data(), qsizetype(title.size())));
        if (pdf.isEmpty())
            return Failure{"no s'ha pogut compondre el PDF"};
        return pdf.toStdString();
    }
    }
    return Failure{"format desconegut"};
}

} // namespace cli
