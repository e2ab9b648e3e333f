#pragma once
// The formats a document leaves in: text (Windows-1252 or UTF-8), OpenDocument or PDF/A. Text
// needs the core alone; the PDF is painted with QtGui on the offscreen platform, made only when a
// PDF is asked for.

#include "cli/Args.h"
#include "cli/Expected.h"
#include "cli/Output.h"
#include "models/StructuredDocument.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Format { Text, Odt, Pdf };

// The name's extension, ".odt" or ".pdf" (any letter case); anything else is text.
Format formatOfName(const std::filesystem::path &name);
// ".txt", ".odt" or ".pdf".
std::string_view extensionOf(Format format);

// --format txt|odt|pdf, or the fallback; --encoding is refused with ODT and PDF, where it has no
// meaning.
Expected<Format> formatOption(const ParsedArgs &args, Format fallback);

// The bytes of a file holding the documents, each from a new page: their texts in the encoding
// given, or typeset from their structures. The title (UTF-8) goes into the metadata.
Expected<std::string> formatDocuments(Format format, std::span<const plecta::MergedDocument> documents,
                                      std::string_view title, Encoding encoding);
// Each document in a file of its own, in order. Typeset files are composed side by side on the
// machine's cores: each is independent of the others, and its bytes are the same as alone.
Expected<std::vector<std::string>> formatEach(Format format, std::span<const plecta::MergedDocument> documents,
                                              std::string_view title, Encoding encoding);

} // namespace cli
