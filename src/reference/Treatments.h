#pragma once
// The protocol treatments: a fixed text, compiled in as the resource "TEXT" 168 (Windows-1252,
// CR LF lines, laid out for tab stops every eight characters, closed by a NUL).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace treatments {

inline constexpr int kTextId = 168;

// The bytes of the text resource with this id, its closing NUL included, or nothing.
std::optional<std::string_view> findTextResource(int id);

// What the treatments window shows: the bytes of resource 168 up to its NUL; empty when the
// resource is missing.
std::string_view treatmentsText();

// One sentence of the offices column with the form of address it stands beside: what a search
// of the text gives as one hit and `plecta-cli list treatments` as one row. Windows-1252, the
// pieces of a sentence that runs over several lines joined by single spaces.
struct TreatmentEntry
{
    std::string form;          // "Molt Honorable Senyor -a"; for a note block its title ("Normes")
    std::string abbreviations; // "(M. Hble. Sr./a. / M. H. Sr./a.)"; may be empty
    std::string office;        // "President -a de la Generalitat", or a sentence of the notes
    int firstLine;             // the lines of the text it spans, counted from 0
    int lastLine;
};

// Every sentence of the offices column, in the text's order. The text is read by its layout:
// blocks separated by empty lines after the heading line; in a block, the left column (up to the
// first tab) holds the form of address, over one or two lines, and its abbreviations in
// parentheses; the right column starts each sentence with ". " and continues it on lines that
// begin with spaces.
std::vector<TreatmentEntry> treatmentEntries();

} // namespace treatments
