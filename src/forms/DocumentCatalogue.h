#pragma once
// The two catalogues of document kinds: headings followed by their kinds, in display order,
// each array ended by a marker row (empty name, position -1).
#include <span>
#include <string_view>

namespace forms {

struct DocListEntry
{
    int formId;                   // layout id of the kind's form; 0 for a heading
    std::string_view name;        // the tree's text (UTF-8)
    int level;                    // 0 heading, 1 document kind
    int position;                 // place of the kind in its group (1 for every public-
                                  // administration kind); 0 heading; -1 end marker
    std::string_view description; // the kind's tooltip; empty for a heading
};

extern const DocListEntry g_tcDocList[]; // "Textos de l'empresa"
extern const DocListEntry g_apDocList[]; // "Administració Pública"

// The rows of a catalogue before its end marker.
std::span<const DocListEntry> catalogueRows(const DocListEntry *catalogue);

// The name the catalogue tree shows for the kind with this form id (UTF-8); empty when no kind
// of either catalogue has it.
std::string_view kindName(int formId);

// Every distinct description text, shared by both catalogues.
std::span<const std::string_view> docDescriptions();

} // namespace forms
