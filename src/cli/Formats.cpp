#include "cli/Formats.h"

#include "cli/GuiApplication.h"
#include "export/OdtDocument.h"
#include "export/PdfDocument.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>

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

Expected<std::vector<std::string>> formatEach(Format format, std::span<const plecta::MergedDocument> documents,
                                              std::string_view title, Encoding encoding)
{
    if (format == Format::Pdf)
        ensureGuiApplication(); // here, before the helpers paint
    std::vector<std::optional<Expected<std::string>>> files(documents.size());
    std::vector<std::exception_ptr> errors(documents.size());
    std::atomic<std::size_t> next = 0;
    const auto compose = [&] {
        for (std::size_t i; (i = next++) < documents.size();) {
            try {
                files[i] = formatDocuments(format, documents.subspan(i, 1), title, encoding);
            } catch (...) {
                errors[i] = std::current_exception(); // thrown again below, on this thread
            }
        }
    };
    // A text file is written in less time than a thread takes to start.
    const std::size_t threads =
        format == Format::Text ? 1 : std::clamp<std::size_t>(QThread::idealThreadCount(), 1, documents.size());
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < threads; ++t)
            helpers.emplace_back(compose);
        compose();
    }
    std::vector<std::string> bytes;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        if (errors[i])
            std::rethrow_exception(errors[i]);
        if (!*files[i])
            return files[i]->failure();
        bytes.push_back(std::move(**files[i]));
    }
    return bytes;
}

} // namespace cli
