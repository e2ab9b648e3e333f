#pragma once
// The document kinds of both catalogues as the command line names them: by form id (160 to 190)
// or by the name the catalogue tree shows, loosely written.

#include "cli/Expected.h"
#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"

#include <string_view>
#include <vector>

namespace cli {

struct Kind
{
    const forms::DocListEntry *entry = nullptr;
    std::string_view catalogue;           // "Textos de l'empresa" or "Administració Pública"
    std::string_view group;               // the heading the kind stands under
    const forms::FormDef *form = nullptr; // nullptr while the kind has no form yet
};

// Every kind of both catalogues, commercial first, in the trees' order.
std::vector<Kind> allKinds();

// A kind with a form, named by id or by a loose name: letter case, accents, the middle dot and
// punctuation do not matter, and a name given in part is enough when each of its words begins a
// word of one kind's name, in order ("acta", "sollicitud a", "albara"). A name that fits more
// than one kind is refused with the candidates; so are unknown names and kinds without a form.
Expected<Kind> findKind(std::string_view word);

// The kind's name as the catalogue shows it (UTF-8), for messages: "«carta»".
std::string kindLabel(const Kind &kind);

} // namespace cli
