#pragma once
// Documents as an OpenDocument text (ODF 1.2) that any office suite opens: one paragraph per
// line in the named paragraph style "Text del document" (the monospaced face, so the user can
// restyle every line at once), A4 with 2.5 cm margins, the title in the metadata. Standard C++.

#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace docexport {

// The family the paragraph style names; an office suite without it takes another monospaced face.
inline constexpr std::string_view kOdtFontFamily = "Liberation Mono";
inline constexpr std::string_view kOdtParagraphStyle = "Text del document";

// The documents (Windows-1252, CR LF) one after another, each from a new page; the title is
// UTF-8. The package's entries are dated `created`.
std::string odtDocument(std::span<const std::string> documents, std::string_view title,
                        std::chrono::system_clock::time_point created = std::chrono::system_clock::now());

} // namespace docexport
